#include "TEthernetInformationRuleForm.h"

#include "ui_TEthernetInformationRuleForm.h"

#include "AclVariables.h"
#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"

TEthernetInformationRuleForm::TEthernetInformationRuleForm(QWidget *owner)
    : TAclTableForm(owner)
    , ui(std::make_unique<Ui::TEthernetInformationRuleForm>())
{
    ui->setupUi(this);
    ScaleForLargeFonts(false);
    connect(ui->GetButton, &QPushButton::clicked, this, &TAclTableForm::Refresh);
    connect(ui->EditButton, &QPushButton::clicked, this,
        &TEthernetInformationRuleForm::EditButtonClick);
    connect(
        ui->AddButton, &QPushButton::clicked, this, &TEthernetInformationRuleForm::AddButtonClick);
    connect(ui->DeleteButton, &QPushButton::clicked, this,
        &TEthernetInformationRuleForm::DeleteButtonClick);
    connect(ui->AddCheckButton, &QPushButton::clicked, this, [this] { CheckAll(true); });
    connect(ui->CleanCheButton, &QPushButton::clicked, this, [this] { CheckAll(false); });
    connect(ui->PermitComboBox, &QComboBox::currentIndexChanged, this,
        &TEthernetInformationRuleForm::PermitComboBoxChange);
}

TEthernetInformationRuleForm::~TEthernetInformationRuleForm() = default;

void TEthernetInformationRuleForm::FormCreate()
{
    using namespace EthernetRule;
    Pane pane;
    pane.list = ui->ListView1;
    pane.count = ui->StaticText1;
    pane.status = ui->StatusBar1;
    pane.keys = {ui->MaskIDEdit, ui->AccessEdit};
    pane.edit = ui->EditButton;
    pane.add = ui->AddButton;
    pane.remove = ui->DeleteButton;
    pane.rowStatus = ui->RowComboBox;
    pane.edits = findChildren<QLineEdit *>();
    pane.includes = findChildren<QCheckBox *>();
    CreateTable(EthernetRuleVars, 2, pane, [this] {
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

bool TEthernetInformationRuleForm::keysGiven()
{
    if (!Filled(ui->MaskIDEdit, QString::fromLatin1(IdMissing))
        || !Filled(ui->AccessEdit, QString::fromLatin1(AccessIdMissing)))
        return false;
    return Accepted({ui->MaskIDEdit, ui->AccessEdit});
}

bool TEthernetInformationRuleForm::exclusions(QList<int> &excluded, bool add)
{
    using namespace EthernetRule;
    QList<bool> sent(RowStatus + 1, false);
    const QList<std::pair<int, QCheckBox *>> boxes {{Vlan, ui->cbxVlan}, {SrcMac, ui->cbxSource},
        {DstMac, ui->cbxDestination}, {Ieee8021p, ui->cbxIEEE802dot1P}, {EthType, ui->cbxEtherType},
        {EnablePriority, ui->cbxEnablePriority}, {Priority, ui->cbxPriority},
        {ReplacePriority, ui->cbxReplacePriority}, {EnableReplaceDscp, ui->cbxEnableReplace},
        {ReplaceDscp, ui->cbxRuleReplace}, {Permit, ui->cbxPermit}, {Port, ui->cbxMaskRulePort}};
    for (const auto &[var, box] : boxes)
        sent[var] = box->isChecked();
    if (ui->cbxPermit->isChecked() && ui->PermitComboBox->currentText() == QLatin1String("deny"))
        for (int i = EnablePriority; i <= ReplaceDscp; ++i)
            sent[i] = false;
    sent[RowStatus] = add || ui->cbxRow->isChecked();

    const QList<std::tuple<int, QLineEdit *, const char *, int>> edits {
        {Vlan, ui->VlanRuleEdit, "Vlan Rule", 0},
        {SrcMac, ui->SourceMACEdit, "Source MAC Address Rule", 6},
        {DstMac, ui->DestMACEdit, "Destination MAC Address Rule", 6},
        {Ieee8021p, ui->IEEE8021pEdit, "8021P Rule", 0},
        {EthType, ui->EthTypeEdit, "Ethernet Type Rule", 2},
        {Priority, ui->PriorityEdit, "Priority Rule", 0},
        {ReplaceDscp, ui->ReplDSCPEdit, "Rule Replace DSCP Rule", 0},
        {Port, ui->edtMaskPort, "Mask Port", 0}};
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
        {EnablePriority, ui->EnablePriorityComboBox, "Enable Priority Rule"},
        {ReplacePriority, ui->ReplacePriorityComboBox, "Replace Priority Rule"},
        {EnableReplaceDscp, ui->EnableReplDSCPComboBox, "Enable Replace DSCP Rule"},
        {Permit, ui->PermitComboBox, "Permit Rule"}};
    for (const auto &[var, box, label] : combos) {
        if (sent[var] && box->currentIndex() < 0) {
            RefuseInput(QString::fromLatin1(NotChosen).arg(QLatin1String(label)), box);
            return false;
        }
    }
    if (!Accepted(checked))
        return false;
    for (int i = Vlan; i <= RowStatus; ++i)
        if (!sent[i])
            excluded.append(i);
    return true;
}

void TEthernetInformationRuleForm::EditButtonClick()
{
    using namespace EthernetRule;
    if (!Ready() || !keysGiven())
        return;
    if (ui->cbxRow->isChecked() && ui->RowComboBox->currentIndex() == RowStatusItem::Destroy) {
        DeleteRow(RowStatus, RowStatus + 1);
        return;
    }
    QList<int> excluded;
    if (!exclusions(excluded, false))
        return;
    if (excluded.size() == RowStatus + 1 - Vlan) {
        RefuseInput(QString::fromLatin1(NothingChecked), ui->cbxVlan);
        return;
    }
    WriteRow(excluded);
}

void TEthernetInformationRuleForm::AddButtonClick()
{
    if (!Ready() || !keysGiven())
        return;
    if (KeysTaken()) {
        RefuseInput(QString::fromLatin1(KeysInUse), ui->MaskIDEdit);
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

void TEthernetInformationRuleForm::DeleteButtonClick()
{
    if (!Ready() || ui->MaskIDEdit->text().isEmpty() || ui->AccessEdit->text().isEmpty())
        return;
    DeleteRow(EthernetRule::RowStatus, EthernetRule::RowStatus + 1);
}
