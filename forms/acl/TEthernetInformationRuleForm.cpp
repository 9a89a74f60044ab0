#include "TEthernetInformationRuleForm.h"

#include "ui_TEthernetInformationRuleForm.h"

#include "AclVariables.h"
#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"

TEthernetInformationRuleForm::TEthernetInformationRuleForm(QWidget *owner)
    : TAclRuleForm(owner)
    , ui(std::make_unique<Ui::TEthernetInformationRuleForm>())
{
    ui->setupUi(this);
    Rule rule = CommonParts(*ui);
    rule.firstColumn = EthernetRule::Vlan;
    rule.rowStatus = EthernetRule::RowStatus;
    rule.rowBox = ui->cbxRow;
    rule.firstBox = ui->cbxVlan;
    rule.keysInUse = KeysInUse;
    rule.notCreateAndGo = NotCreateAndGo;
    rule.checkAll = ui->AddCheckButton;
    rule.uncheckAll = ui->CleanCheButton;
    rule.keys = {ui->MaskIDEdit, ui->AccessEdit};
    rule.rowStatusBox = ui->RowComboBox;
    SetRule(rule);
    connect(ui->PermitComboBox, &QComboBox::currentIndexChanged, this,
        &TEthernetInformationRuleForm::PermitComboBoxChange);
}

TEthernetInformationRuleForm::~TEthernetInformationRuleForm() = default;

void TEthernetInformationRuleForm::FormCreate()
{
    using namespace EthernetRule;
    CreateRuleTable(EthernetRuleVars, [this] {
        const QList<std::tuple<int, const char *, QLineEdit *>> edits {
            {MaskId, "%i{n1x255}", ui->MaskIDEdit}, {AccessId, "%i{n1x255}", ui->AccessEdit},
            {Vlan, "%s{l32}", ui->VlanRuleEdit}, {SrcMac, "%s{l12}", ui->SourceMACEdit},
            {DstMac, "%s{l12}", ui->DestMACEdit}, {Ieee8021p, "%i{n0x7}", ui->IEEE8021pEdit},
            {EthType, "%s{l4}", ui->EthTypeEdit}, {Priority, "%i{n0x7}", ui->PriorityEdit},
            {ReplaceDscp, "%i{n0x63}", ui->ReplDSCPEdit},
            {Port, "%i{n1x65535l5}", ui->edtMaskPort}};
        for (const auto &[var, format, edit] : edits)
            m_request->BindEdit(var, QString::fromLatin1(format), edit);
        m_request->BindComboBox(EnablePriority, ui->EnablePriorityComboBox);
        m_request->BindComboBox(ReplacePriority, ui->ReplacePriorityComboBox);
        m_request->BindComboBox(EnableReplaceDscp, ui->EnableReplDSCPComboBox);
        m_request->BindComboBox(Permit, ui->PermitComboBox);
        m_request->BindComboBox(RowStatus, ui->RowComboBox);
    });
}

// A deny rule assigns no priority and replaces nothing.
void TEthernetInformationRuleForm::PermitComboBoxChange()
{
    const bool permit = ui->PermitComboBox->currentText() != QLatin1String("deny");
    for (QWidget *w :
        std::initializer_list<QWidget *> {ui->EnablePriorityComboBox, ui->PriorityEdit,
            ui->ReplacePriorityComboBox, ui->EnableReplDSCPComboBox, ui->ReplDSCPEdit})
        w->setEnabled(permit);
}

bool TEthernetInformationRuleForm::KeysGiven()
{
    return IdsGiven(IdMissing, AccessIdMissing);
}

bool TEthernetInformationRuleForm::Exclusions(QList<int> &excluded, bool add)
{
    using namespace EthernetRule;
    QList<bool> sent = Ticked({{Vlan, ui->cbxVlan}, {SrcMac, ui->cbxSource},
        {DstMac, ui->cbxDestination}, {Ieee8021p, ui->cbxIEEE802dot1P}, {EthType, ui->cbxEtherType},
        {EnablePriority, ui->cbxEnablePriority}, {Priority, ui->cbxPriority},
        {ReplacePriority, ui->cbxReplacePriority}, {EnableReplaceDscp, ui->cbxEnableReplace},
        {ReplaceDscp, ui->cbxRuleReplace}, {Permit, ui->cbxPermit}, {Port, ui->cbxMaskRulePort}});
    if (ui->cbxPermit->isChecked() && ui->PermitComboBox->currentText() == QLatin1String("deny"))
        for (int i = EnablePriority; i <= ReplaceDscp; ++i)
            sent[i] = false;
    // An empty VLAN name is the rule for any VLAN.
    return CheckSent(sent, add,
        {{Vlan, ui->VlanRuleEdit, "Vlan Rule", 0, true},
            {SrcMac, ui->SourceMACEdit, "Source MAC Address Rule", 6},
            {DstMac, ui->DestMACEdit, "Destination MAC Address Rule", 6},
            {Ieee8021p, ui->IEEE8021pEdit, "8021P Rule"},
            {EthType, ui->EthTypeEdit, "Ethernet Type Rule", 2},
            {Priority, ui->PriorityEdit, "Priority Rule"},
            {ReplaceDscp, ui->ReplDSCPEdit, "Rule Replace DSCP Rule"},
            {Port, ui->edtMaskPort, "Mask Port"}},
        {{EnablePriority, ui->EnablePriorityComboBox, "Enable Priority Rule"},
            {ReplacePriority, ui->ReplacePriorityComboBox, "Replace Priority Rule"},
            {EnableReplaceDscp, ui->EnableReplDSCPComboBox, "Enable Replace DSCP Rule"},
            {Permit, ui->PermitComboBox, "Permit Rule"}},
        excluded);
}
