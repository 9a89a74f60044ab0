#include "TUserDefinedInformationRuleForm.h"

#include "ui_TUserDefinedInformationRuleForm.h"

#include "AclVariables.h"
#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"

namespace {
constexpr int denyItem = 0;
}

TUserDefinedInformationRuleForm::TUserDefinedInformationRuleForm(QWidget *owner)
    : TAclTableForm(owner)
    , ui(std::make_unique<Ui::TUserDefinedInformationRuleForm>())
{
    ui->setupUi(this);
    ScaleForLargeFonts(false);
    connect(ui->GetButton, &QPushButton::clicked, this, &TAclTableForm::Refresh);
    connect(ui->EditButton, &QPushButton::clicked, this,
        &TUserDefinedInformationRuleForm::EditButtonClick);
    connect(ui->AddButton, &QPushButton::clicked, this,
        &TUserDefinedInformationRuleForm::AddButtonClick);
    connect(ui->DeleteButton, &QPushButton::clicked, this,
        &TUserDefinedInformationRuleForm::DeleteButtonClick);
    connect(ui->CheckButton, &QPushButton::clicked, this, [this] { CheckAll(true); });
    connect(ui->UncheckButton, &QPushButton::clicked, this, [this] { CheckAll(false); });
    connect(ui->PermitComboBox, &QComboBox::currentIndexChanged, this,
        &TUserDefinedInformationRuleForm::PermitComboBoxChange);
}

TUserDefinedInformationRuleForm::~TUserDefinedInformationRuleForm() = default;

void TUserDefinedInformationRuleForm::FormCreate()
{
    using namespace UserRule;
    Pane pane;
    pane.list = ui->ListView1;
    pane.count = ui->StaticText1;
    pane.status = ui->StatusBar1;
    pane.keys = {ui->ProfileIDEdit, ui->AccessIDEdit};
    pane.edit = ui->EditButton;
    pane.add = ui->AddButton;
    pane.remove = ui->DeleteButton;
    pane.rowStatus = ui->RowComboBox;
    pane.edits = findChildren<QLineEdit *>();
    pane.includes = findChildren<QCheckBox *>();
    CreateTable(UserRuleVars, 2, pane, [this] {
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

bool TUserDefinedInformationRuleForm::keysGiven()
{
    if (!Filled(ui->ProfileIDEdit, QString::fromLatin1(IdMissing))
        || !Filled(ui->AccessIDEdit, QString::fromLatin1(AccessIdMissing)))
        return false;
    return Accepted({ui->ProfileIDEdit, ui->AccessIDEdit});
}

bool TUserDefinedInformationRuleForm::exclusions(QList<int> &excluded, bool add)
{
    using namespace UserRule;
    QList<bool> sent(RowStatus + 1, false);
    const QList<std::pair<int, QCheckBox *>> boxes {{Offset0, ui->cbxGroupFirst},
        {Offset16, ui->cbxGroupSecond}, {Offset32, ui->cbxGroupThird},
        {Offset48, ui->cbxGroupForth}, {Offset64, ui->cbxGroupFifth},
        {EnablePriority, ui->cbxEnablePriority}, {Priority, ui->cbxPriority},
        {ReplacePriority, ui->cbxReplace}, {EnableReplaceDscp, ui->cbxEnableReplace},
        {ReplaceDscp, ui->cbxReplaceDscp}, {Permit, ui->cbxPermit},
        {Port, ui->cbxUserDefinedRulePort}};
    for (const auto &[var, box] : boxes)
        sent[var] = box->isChecked();
    if (ui->cbxPermit->isChecked() && ui->PermitComboBox->currentIndex() == denyItem)
        for (int i = EnablePriority; i <= ReplaceDscp; ++i)
            sent[i] = false;
    sent[RowStatus] = add || ui->cbxRow->isChecked();

    const QList<std::tuple<int, QLineEdit *, const char *, int>> edits {
        {Offset0, ui->OffsetGroupFirstEdit, "Packet(s) Offset [0 to 15]", 16},
        {Offset16, ui->OffsetGroupSecondEdit, "Packet(s) Offset [16 to 31]", 16},
        {Offset32, ui->OffsetGroupThirdEdit, "Packet(s) Offset [32 to 47]", 16},
        {Offset48, ui->OffsetGroupForthEdit, "Packet(s) Offset [48 to 63]", 16},
        {Offset64, ui->OffsetGroupFifthEdit, "Packet(s) Offset [64 to 79]", 16},
        {Priority, ui->PriorityEdit, "Priority", 0},
        {ReplaceDscp, ui->ReplDSCPEdit, "Replace DSCP", 0},
        {Port, ui->edtUserDefinedRule, "Port", 0}};
    QList<QLineEdit *> checked;
    for (const auto &[var, edit, label, octets] : edits) {
        if (!sent[var])
            continue;
        const QString name = QString::fromLatin1(label);
        if (!Filled(edit, QString::fromLatin1(EmptyEdit).arg(name)))
            return false;
        if (octets > 0 && !HexOf(edit, octets, name))
            return false;
        checked.append(edit);
    }
    const QList<std::tuple<int, QComboBox *, const char *>> combos {
        {EnablePriority, ui->EnablePriComboBox, "Enable Priority"},
        {ReplacePriority, ui->ReplPriyComboBox, "Replace Priority"},
        {EnableReplaceDscp, ui->EnableReplComboBox, "Enable Replace DSCP"},
        {Permit, ui->PermitComboBox, "Permit"}};
    for (const auto &[var, box, label] : combos) {
        if (sent[var] && box->currentIndex() < 0) {
            RefuseInput(QString::fromLatin1(NotChosen).arg(QLatin1String(label)), box);
            return false;
        }
    }
    if (!Accepted(checked))
        return false;
    for (int i = Offset0; i <= RowStatus; ++i)
        if (!sent[i])
            excluded.append(i);
    return true;
}

void TUserDefinedInformationRuleForm::EditButtonClick()
{
    using namespace UserRule;
    if (!Ready() || !keysGiven())
        return;
    if (ui->cbxRow->isChecked() && ui->RowComboBox->currentIndex() == RowStatusItem::Destroy) {
        DeleteRow(RowStatus, RowStatus + 1);
        return;
    }
    QList<int> excluded;
    if (!exclusions(excluded, false))
        return;
    if (excluded.size() == RowStatus + 1 - Offset0) {
        RefuseInput(QString::fromLatin1(NothingChecked), ui->cbxGroupFirst);
        return;
    }
    WriteRow(excluded);
}

void TUserDefinedInformationRuleForm::AddButtonClick()
{
    if (!Ready() || !keysGiven())
        return;
    if (KeysTaken()) {
        RefuseInput(QString::fromLatin1(KeysInUse), ui->ProfileIDEdit);
        return;
    }
    if (ui->cbxRow->isChecked() && ui->RowComboBox->currentIndex() != RowStatusItem::CreateAndGo) {
        RefuseInput(QString::fromLatin1(NotCreateAndGo), ui->RowComboBox);
        return;
    }
    // A new row is always made with createAndGo, ticked or not.
    ui->RowComboBox->setCurrentIndex(RowStatusItem::CreateAndGo);
    QList<int> excluded;
    if (exclusions(excluded, true))
        WriteRow(excluded);
}

void TUserDefinedInformationRuleForm::DeleteButtonClick()
{
    if (!Ready() || ui->ProfileIDEdit->text().isEmpty() || ui->AccessIDEdit->text().isEmpty())
        return;
    DeleteRow(UserRule::RowStatus, UserRule::RowStatus + 1);
}
