#include "TIPv6RuleForm.h"

#include "ui_TIPv6RuleForm.h"

#include "AclVariables.h"
#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"

namespace {
constexpr int denyItem = 0;
}

TIPv6RuleForm::TIPv6RuleForm(QWidget *owner)
    : TAclTableForm(owner)
    , ui(std::make_unique<Ui::TIPv6RuleForm>())
{
    ui->setupUi(this);
    ScaleForLargeFonts(false);
    connect(ui->GetButton, &QPushButton::clicked, this, &TAclTableForm::Refresh);
    connect(ui->EditButton, &QPushButton::clicked, this, &TIPv6RuleForm::EditButtonClick);
    connect(ui->AddButton, &QPushButton::clicked, this, &TIPv6RuleForm::AddButtonClick);
    connect(ui->DeleteButton, &QPushButton::clicked, this, &TIPv6RuleForm::DeleteButtonClick);
    connect(ui->CheckButton, &QPushButton::clicked, this, [this] { CheckAll(true); });
    connect(ui->UncheckButton, &QPushButton::clicked, this, [this] { CheckAll(false); });
    connect(ui->cbxPermit, &QComboBox::currentIndexChanged, this, &TIPv6RuleForm::cbxPermitChange);
}

TIPv6RuleForm::~TIPv6RuleForm() = default;

void TIPv6RuleForm::FormCreate()
{
    using namespace Ipv6Rule;
    Pane pane;
    pane.list = ui->ListView1;
    pane.count = ui->StaticText1;
    pane.status = ui->StatusBar1;
    pane.keys = {ui->edtIPv6ProfileID, ui->edtIPv6AccessID};
    pane.edit = ui->EditButton;
    pane.add = ui->AddButton;
    pane.remove = ui->DeleteButton;
    pane.rowStatus = ui->cbxRowStatus;
    pane.edits = findChildren<QLineEdit *>();
    pane.includes = findChildren<QCheckBox *>();
    CreateTable(Ipv6RuleVars, 2, pane, [this] {
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

bool TIPv6RuleForm::checked()
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

QList<int> TIPv6RuleForm::exclusions(bool add) const
{
    using namespace Ipv6Rule;
    QList<bool> sent(RowStatus + 1, false);
    const QList<std::pair<int, QCheckBox *>> boxes {{Class, ui->ckClass},
        {FlowLabel, ui->ckFlowLabel}, {SrcAddr, ui->ckIPv6SrcAdd}, {DstAddr, ui->ckIPv6DstAdd},
        {EnablePriority, ui->ckEnablePriority}, {Priority, ui->ckPriority},
        {ReplacePriority, ui->ckReplacePriority}, {Permit, ui->ckPermit}, {Port, ui->ckPort}};
    for (const auto &[var, box] : boxes)
        sent[var] = box->isChecked();
    if (ui->ckEnablePriority->isChecked()
        && ui->cbxEnablePriority->currentText() == QLatin1String("disabled"))
        sent[Priority] = false;
    if (ui->ckPermit->isChecked() && ui->cbxPermit->currentIndex() == denyItem)
        for (int i : {EnablePriority, Priority, ReplacePriority})
            sent[i] = false;
    sent[RowStatus] = add || ui->ckRowStatus->isChecked();
    QList<int> excluded;
    for (int i = Class; i <= RowStatus; ++i)
        if (!sent[i])
            excluded.append(i);
    return excluded;
}

void TIPv6RuleForm::EditButtonClick()
{
    using namespace Ipv6Rule;
    if (!Ready() || !checked())
        return;
    if (ui->ckRowStatus->isChecked()
        && ui->cbxRowStatus->currentIndex() == RowStatusItem::Destroy) {
        DeleteRow(RowStatus, RowStatus + 1);
        return;
    }
    const QList<int> excluded = exclusions(false);
    if (excluded.size() == RowStatus + 1 - Class) {
        RefuseInput(QString::fromLatin1(NothingChecked), ui->ckClass);
        return;
    }
    WriteRow(excluded);
}

void TIPv6RuleForm::AddButtonClick()
{
    if (!Ready() || !checked())
        return;
    if (KeysTaken()) {
        RefuseInput(QString::fromLatin1(KeysInUse), ui->edtIPv6ProfileID);
        return;
    }
    if (ui->ckRowStatus->isChecked()
        && ui->cbxRowStatus->currentIndex() != RowStatusItem::CreateAndGo) {
        RefuseInput(QString::fromLatin1(NotCreateAndGo), ui->cbxRowStatus);
        return;
    }
    // A new row is always made with createAndGo, ticked or not.
    ui->cbxRowStatus->setCurrentIndex(RowStatusItem::CreateAndGo);
    WriteRow(exclusions(true));
}

void TIPv6RuleForm::DeleteButtonClick()
{
    if (!Ready() || ui->edtIPv6ProfileID->text().isEmpty() || ui->edtIPv6AccessID->text().isEmpty())
        return;
    DeleteRow(Ipv6Rule::RowStatus, Ipv6Rule::RowStatus + 1);
}
