#include "TIPRuleForm.h"

#include "ui_TIPRuleForm.h"

#include "AclVariables.h"
#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"
#include "MainWindowState.h"

namespace {
// Item indexes of the rule-protocol box.
enum RuleProtocol : int { NoProtocol, Icmp, Igmp, Tcp, Udp, ByProtocolId };
constexpr int denyItem = 0;
} // namespace

TIPRuleForm::TIPRuleForm(QWidget *owner)
    : TAclRuleForm(owner)
    , ui(std::make_unique<Ui::TIPRuleForm>())
{
    ui->setupUi(this);
    Rule rule = CommonParts(*ui);
    rule.firstColumn = IpRule::Vlan;
    rule.rowStatus = IpRule::RowStatus;
    rule.rowBox = ui->cbxRow;
    rule.firstBox = ui->cbxVlan;
    rule.keysInUse = KeysInUse;
    rule.notCreateAndGo = NotCreateAndGo;
    rule.checkAll = ui->CheckButton;
    rule.uncheckAll = ui->UncheckButton;
    rule.keys = {ui->IPRuleEdit, ui->AccessIDEdit};
    rule.rowStatusBox = ui->RowComboBox;
    SetRule(rule);
    connect(ui->PermitComboBox, &QComboBox::currentIndexChanged, this,
        &TIPRuleForm::PermitComboBoxChange);
}

TIPRuleForm::~TIPRuleForm() = default;

void TIPRuleForm::FormCreate()
{
    using namespace IpRule;
    CreateRuleTable(IpRuleVars, [this] {
        const QList<std::tuple<int, const char *, QLineEdit *>> edits {
            {Id, "%i{n1x255}", ui->IPRuleEdit}, {AccessId, "%i{n1x255}", ui->AccessIDEdit},
            {Vlan, "%s{l32}", ui->ApplyVlanEdit}, {SrcIp, "%s{l16}", ui->SourceIPEdit},
            {DstIp, "%s{l16}", ui->DestIPEdit}, {Dscp, "%i{n0x63l2}", ui->DSCPEdit},
            {Type, "%i{n0x255l3}", ui->RuleTypeEdit}, {Code, "%i{n0x255l3}", ui->RuleCodeEdit},
            {SrcPort, "%i{n1x65535l5}", ui->SourcePortEdit},
            {DstPort, "%i{n1x65535l5}", ui->DestPortEdit}, {FlagBits, "%i{n0x63l2}", ui->FlagEdit},
            {ProtocolId, "%i{n0x255l3}", ui->ProtocolIDEdit},
            {RuleUserMask, "%s{l8}", ui->UserMaskEdit}, {Priority, "%i{n0x7l1}", ui->PriorityEdit},
            {DscpValue, "%i{n0x63l2}", ui->DSCPValueEdit},
            {Port, "%i{n1x65535l5}", ui->edtIPRulePort}};
        for (const auto &[var, format, edit] : edits)
            m_request->BindEdit(var, QString::fromLatin1(format), edit);
        m_request->BindComboBox(Protocol, ui->ProtocolComboBox);
        m_request->BindComboBox(EnablePriority, ui->PriorityComboBox);
        m_request->BindComboBox(ReplacePriority, ui->ReplaceComboBox);
        m_request->BindComboBox(EnableReplaceDscp, ui->EnableReplComboBox);
        m_request->BindComboBox(Permit, ui->PermitComboBox);
        m_request->BindComboBox(RowStatus, ui->RowComboBox);
    });
}

// A deny rule assigns no priority and replaces nothing.
void TIPRuleForm::PermitComboBoxChange()
{
    const bool permit = ui->PermitComboBox->currentIndex() != denyItem;
    for (QWidget *w : std::initializer_list<QWidget *> {ui->PriorityComboBox, ui->PriorityEdit,
             ui->ReplaceComboBox, ui->EnableReplComboBox, ui->DSCPValueEdit})
        w->setEnabled(permit);
}

bool TIPRuleForm::KeysGiven()
{
    if (!Filled(ui->IPRuleEdit, QString::fromLatin1(IdMissing))
        || !Filled(ui->AccessIDEdit, QString::fromLatin1(AccessIdMissing)))
        return false;
    if (ui->cbxProtocol->isChecked() && ui->ProtocolComboBox->currentIndex() < 0) {
        RefuseInput(QString::fromLatin1(ProtocolMissing), ui->ProtocolComboBox);
        return false;
    }
    return Accepted({ui->IPRuleEdit, ui->AccessIDEdit});
}

bool TIPRuleForm::Exclusions(QList<int> &excluded, bool add)
{
    using namespace IpRule;
    QList<bool> sent = Ticked(
        {{Vlan, ui->cbxVlan}, {SrcIp, ui->cbxSourceIP}, {DstIp, ui->cbxDestIP}, {Dscp, ui->cbxDscp},
            {Type, ui->cbxType}, {Code, ui->cbxRuleCode}, {SrcPort, ui->cbxSourcePort},
            {DstPort, ui->cbxDestPort}, {FlagBits, ui->cbxFBs}, {ProtocolId, ui->cbxProtocolID},
            {RuleUserMask, ui->cbxUserMask}, {ReplacePriority, ui->cbxReplacePriority},
            {Permit, ui->cbxPermit}, {Port, ui->cbxIPRulePort}});
    if (ui->cbxEnablePriority->isChecked()) {
        sent[EnablePriority] = true;
        sent[Priority] = ui->cbxPriority->isChecked();
    }
    if (ui->cbxEnableReplaceDscp->isChecked()) {
        sent[EnableReplaceDscp] = true;
        sent[DscpValue] = ui->cbxValue->isChecked();
    }
    if (ui->cbxPermit->isChecked() && ui->PermitComboBox->currentIndex() == denyItem)
        for (int i = EnablePriority; i <= DscpValue; ++i)
            sent[i] = false;

    // What the rule's protocol does not examine is never sent.
    const auto drop = [&](std::initializer_list<int> vars) {
        for (int i : vars)
            sent[i] = false;
    };
    switch (ui->ProtocolComboBox->currentIndex()) {
    case Icmp:
        drop({SrcPort, DstPort, FlagBits, ProtocolId, RuleUserMask});
        break;
    case Igmp:
        drop({Code, SrcPort, DstPort, FlagBits, ProtocolId, RuleUserMask});
        break;
    case Tcp:
        drop({Type, Code, ProtocolId, RuleUserMask});
        break;
    case Udp:
        drop({Type, Code, FlagBits, ProtocolId, RuleUserMask});
        break;
    case ByProtocolId:
        drop({Type, Code, SrcPort, DstPort, FlagBits});
        break;
    default:
        drop({Type, Code, SrcPort, DstPort, FlagBits, ProtocolId, RuleUserMask});
    }
    sent[Protocol] = false; // the agent takes it from the mask

    // A number or address that is sent must hold a value: an empty one
    // would be written as 0 or 0.0.0.0. An empty VLAN name is the rule for
    // any VLAN.
    return CheckSent(sent, add,
        {{Vlan, ui->ApplyVlanEdit, "Apply Vlan", 0, true},
            {SrcIp, ui->SourceIPEdit, "Source IP Address"},
            {DstIp, ui->DestIPEdit, "Destination IP address"}, {Dscp, ui->DSCPEdit, "DSCP"},
            {Type, ui->RuleTypeEdit, "Rule Type"}, {Code, ui->RuleCodeEdit, "Rule Code"},
            {SrcPort, ui->SourcePortEdit, "Source Port"},
            {DstPort, ui->DestPortEdit, "Destination Port"}, {FlagBits, ui->FlagEdit, "Flag Bits"},
            {ProtocolId, ui->ProtocolIDEdit, "Protocol ID"},
            {RuleUserMask, ui->UserMaskEdit, "User Mask", 4},
            {Priority, ui->PriorityEdit, "Priority"}, {DscpValue, ui->DSCPValueEdit, "DSCP Value"},
            {Port, ui->edtIPRulePort, "Port"}},
        {{EnablePriority, ui->PriorityComboBox, "Enable Priority"},
            {ReplacePriority, ui->ReplaceComboBox, "Replace Priority"},
            {EnableReplaceDscp, ui->EnableReplComboBox, "Enable Replace Dscp"},
            {Permit, ui->PermitComboBox, "Permit"}},
        excluded);
}
