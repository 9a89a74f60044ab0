#include "TUserDefinedInformationRuleForm.h"

#include "ui_TUserDefinedInformationRuleForm.h"

#include "AclVariables.h"
#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"

namespace {
constexpr int denyItem = 0;
}

TUserDefinedInformationRuleForm::TUserDefinedInformationRuleForm(QWidget *owner)
    : TAclRuleForm(owner)
    , ui(std::make_unique<Ui::TUserDefinedInformationRuleForm>())
{
    ui->setupUi(this);
    Rule rule = CommonParts(*ui);
    rule.firstColumn = UserRule::Offset0;
    rule.rowStatus = UserRule::RowStatus;
    rule.rowBox = ui->cbxRow;
    rule.firstBox = ui->cbxGroupFirst;
    rule.keysInUse = KeysInUse;
    rule.notCreateAndGo = NotCreateAndGo;
    rule.checkAll = ui->CheckButton;
    rule.uncheckAll = ui->UncheckButton;
    rule.keys = {ui->ProfileIDEdit, ui->AccessIDEdit};
    rule.rowStatusBox = ui->RowComboBox;
    SetRule(rule);
    connect(ui->PermitComboBox, &QComboBox::currentIndexChanged, this,
        &TUserDefinedInformationRuleForm::PermitComboBoxChange);
}

TUserDefinedInformationRuleForm::~TUserDefinedInformationRuleForm() = default;

void TUserDefinedInformationRuleForm::FormCreate()
{
    using namespace UserRule;
    CreateRuleTable(UserRuleVars, [this] {
        const QList<std::tuple<int, const char *, QLineEdit *>> edits {
            {ProfileId, "%i{n1x255}", ui->ProfileIDEdit},
            {AccessId, "%i{n1x255}", ui->AccessIDEdit},
            {Offset0, "%s{l32}", ui->OffsetGroupFirstEdit},
            {Offset16, "%s{l32}", ui->OffsetGroupSecondEdit},
            {Offset32, "%s{l32}", ui->OffsetGroupThirdEdit},
            {Offset48, "%s{l32}", ui->OffsetGroupForthEdit},
            {Offset64, "%s{l32}", ui->OffsetGroupFifthEdit},
            {Priority, "%i{n0x7l1}", ui->PriorityEdit},
            {ReplaceDscp, "%i{n0x63l2}", ui->ReplDSCPEdit},
            {Port, "%i{n1x65535l5}", ui->edtUserDefinedRule}};
        for (const auto &[var, format, edit] : edits)
            m_request->BindEdit(var, QString::fromLatin1(format), edit);
        m_request->BindComboBox(EnablePriority, ui->EnablePriComboBox);
        m_request->BindComboBox(ReplacePriority, ui->ReplPriyComboBox);
        m_request->BindComboBox(EnableReplaceDscp, ui->EnableReplComboBox);
        m_request->BindComboBox(Permit, ui->PermitComboBox);
        m_request->BindComboBox(RowStatus, ui->RowComboBox);
    });
}

// A deny rule assigns no priority and replaces nothing.
void TUserDefinedInformationRuleForm::PermitComboBoxChange()
{
    const bool permit = ui->PermitComboBox->currentIndex() != denyItem;
    for (QWidget *w : std::initializer_list<QWidget *> {ui->EnablePriComboBox, ui->PriorityEdit,
             ui->ReplPriyComboBox, ui->EnableReplComboBox, ui->ReplDSCPEdit})
        w->setEnabled(permit);
}

bool TUserDefinedInformationRuleForm::KeysGiven()
{
    return IdsGiven(IdMissing, AccessIdMissing);
}

bool TUserDefinedInformationRuleForm::Exclusions(QList<int> &excluded, bool add)
{
    using namespace UserRule;
    QList<bool> sent = Ticked({{Offset0, ui->cbxGroupFirst}, {Offset16, ui->cbxGroupSecond},
        {Offset32, ui->cbxGroupThird}, {Offset48, ui->cbxGroupForth}, {Offset64, ui->cbxGroupFifth},
        {EnablePriority, ui->cbxEnablePriority}, {Priority, ui->cbxPriority},
        {ReplacePriority, ui->cbxReplace}, {EnableReplaceDscp, ui->cbxEnableReplace},
        {ReplaceDscp, ui->cbxReplaceDscp}, {Permit, ui->cbxPermit},
        {Port, ui->cbxUserDefinedRulePort}});
    if (ui->cbxPermit->isChecked() && ui->PermitComboBox->currentIndex() == denyItem)
        for (int i = EnablePriority; i <= ReplaceDscp; ++i)
            sent[i] = false;
    return CheckSent(sent, add,
        {{Offset0, ui->OffsetGroupFirstEdit, "Packet(s) Offset [0 to 15]", 16},
            {Offset16, ui->OffsetGroupSecondEdit, "Packet(s) Offset [16 to 31]", 16},
            {Offset32, ui->OffsetGroupThirdEdit, "Packet(s) Offset [32 to 47]", 16},
            {Offset48, ui->OffsetGroupForthEdit, "Packet(s) Offset [48 to 63]", 16},
            {Offset64, ui->OffsetGroupFifthEdit, "Packet(s) Offset [64 to 79]", 16},
            {Priority, ui->PriorityEdit, "Priority"},
            {ReplaceDscp, ui->ReplDSCPEdit, "Replace DSCP"},
            {Port, ui->edtUserDefinedRule, "Port"}},
        {{EnablePriority, ui->EnablePriComboBox, "Enable Priority"},
            {ReplacePriority, ui->ReplPriyComboBox, "Replace Priority"},
            {EnableReplaceDscp, ui->EnableReplComboBox, "Enable Replace DSCP"},
            {Permit, ui->PermitComboBox, "Permit"}},
        excluded);
}
