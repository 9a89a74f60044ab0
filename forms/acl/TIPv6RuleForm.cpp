#include "TIPv6RuleForm.h"

#include "ui_TIPv6RuleForm.h"

#include "AclVariables.h"
#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"

namespace {
constexpr int denyItem = 0;
}

TIPv6RuleForm::TIPv6RuleForm(QWidget *owner)
    : TAclRuleForm(owner)
    , ui(std::make_unique<Ui::TIPv6RuleForm>())
{
    ui->setupUi(this);
    Rule rule = CommonParts(*ui);
    rule.firstColumn = Ipv6Rule::Class;
    rule.rowStatus = Ipv6Rule::RowStatus;
    rule.rowBox = ui->ckRowStatus;
    rule.firstBox = ui->ckClass;
    rule.keysInUse = KeysInUse;
    rule.notCreateAndGo = NotCreateAndGo;
    rule.checkAll = ui->CheckButton;
    rule.uncheckAll = ui->UncheckButton;
    rule.keys = {ui->edtIPv6ProfileID, ui->edtIPv6AccessID};
    rule.rowStatusBox = ui->cbxRowStatus;
    SetRule(rule);
    connect(ui->cbxPermit, &QComboBox::currentIndexChanged, this, &TIPv6RuleForm::cbxPermitChange);
}

TIPv6RuleForm::~TIPv6RuleForm() = default;

void TIPv6RuleForm::FormCreate()
{
    using namespace Ipv6Rule;
    CreateRuleTable(Ipv6RuleVars, [this] {
        const QList<std::tuple<int, const char *, QLineEdit *>> edits {
            {ProfileId, "%i{n1x8l1}", ui->edtIPv6ProfileID},
            {AccessId, "%i{n1x100l3}", ui->edtIPv6AccessID}, {Class, "%i{n1x255l3}", ui->edtClass},
            {FlowLabel, "%s{l8}", ui->edtFlowLabel}, {SrcAddr, "%s{l32}", ui->edtIPv6SrcAddr},
            {DstAddr, "%s{l32}", ui->edtIPv6DstAddr}, {Priority, "%i{n0x7l1}", ui->edtPriority},
            {Port, "%i{n1x65535l5}", ui->edtPort}};
        for (const auto &[var, format, edit] : edits)
            m_request->BindEdit(var, QString::fromLatin1(format), edit);
        m_request->BindComboBox(EnablePriority, ui->cbxEnablePriority);
        m_request->BindComboBox(ReplacePriority, ui->cbxReplacePriority);
        m_request->BindComboBox(Permit, ui->cbxPermit);
        m_request->BindComboBox(RowStatus, ui->cbxRowStatus);
    });
}

// The priority controls serve permit rules only.
void TIPv6RuleForm::cbxPermitChange()
{
    const bool permit = ui->cbxPermit->currentIndex() != denyItem;
    for (QWidget *w : std::initializer_list<QWidget *> {
             ui->cbxEnablePriority, ui->edtPriority, ui->cbxReplacePriority})
        w->setEnabled(permit);
}

bool TIPv6RuleForm::KeysGiven()
{
    if (!Filled(ui->edtIPv6ProfileID, QStringLiteral("IPv6 Rule ID must be set."))
        || !Filled(ui->edtIPv6AccessID, QStringLiteral("IPv6 Rule Access ID must be set.")))
        return false;
    struct Check
    {
        QCheckBox *box;
        QWidget *field;
        const char *text;
        int octets; // exact size of a hexadecimal field, 0 for others
    };
    const QList<Check> checks {{ui->ckClass, ui->edtClass, "Class should not be null.", 0},
        {ui->ckFlowLabel, ui->edtFlowLabel, "Flow Label should not be null.", 4},
        {ui->ckIPv6SrcAdd, ui->edtIPv6SrcAddr, "IPv6 Source Address should not be null.", 16},
        {ui->ckIPv6DstAdd, ui->edtIPv6DstAddr, "IPv6 Destination Address should not be null.", 16},
        {ui->ckEnablePriority, ui->cbxEnablePriority, "Enable Priority should be chosed.", 0},
        {ui->ckPriority, ui->edtPriority, "Priority should not be null.", 0},
        {ui->ckReplacePriority, ui->cbxReplacePriority, "Replace Priority should be chosed.", 0},
        {ui->ckPermit, ui->cbxPermit, "Permit should be chosed.", 0},
        {ui->ckPort, ui->edtPort, "Port should not be null.", 0}};
    QList<QLineEdit *> edits {ui->edtIPv6ProfileID, ui->edtIPv6AccessID};
    for (const Check &c : checks) {
        if (!c.box->isChecked())
            continue;
        if (auto *edit = qobject_cast<QLineEdit *>(c.field)) {
            if (!Filled(edit, QString::fromLatin1(c.text)))
                return false;
            if (c.octets > 0 && !HexOf(edit, c.octets, c.box->text()))
                return false;
            edits.append(edit);
        } else if (static_cast<QComboBox *>(c.field)->currentIndex() < 0) {
            RefuseInput(QString::fromLatin1(c.text), c.field);
            return false;
        }
    }
    return Accepted(edits);
}

bool TIPv6RuleForm::Exclusions(QList<int> &excluded, bool add)
{
    using namespace Ipv6Rule;
    QList<bool> sent = Ticked({{Class, ui->ckClass}, {FlowLabel, ui->ckFlowLabel},
        {SrcAddr, ui->ckIPv6SrcAdd}, {DstAddr, ui->ckIPv6DstAdd},
        {EnablePriority, ui->ckEnablePriority}, {Priority, ui->ckPriority},
        {ReplacePriority, ui->ckReplacePriority}, {Permit, ui->ckPermit}, {Port, ui->ckPort}});
    if (ui->ckEnablePriority->isChecked()
        && ui->cbxEnablePriority->currentText() == QLatin1String("disabled"))
        sent[Priority] = false;
    if (ui->ckPermit->isChecked() && ui->cbxPermit->currentIndex() == denyItem)
        for (int i : {EnablePriority, Priority, ReplacePriority})
            sent[i] = false;
    sent[RowStatus] = add || ui->ckRowStatus->isChecked();
    for (int i = Class; i <= RowStatus; ++i)
        if (!sent[i])
            excluded.append(i);
    return true;
}
