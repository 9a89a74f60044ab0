#include "TServerInformationForm.h"

#include "ui_TServerInformationForm.h"

#include "AuthVariables.h"
#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"
#include "ListClicks.h"
#include "ListViews.h"
#include "SelectiveWrite.h"

TServerInformationForm::TServerInformationForm(QWidget *owner)
    : THandLaidForm(owner)
    , ui(std::make_unique<Ui::TServerInformationForm>())
{
    ui->setupUi(this);
    connect(ui->GetButton, &QPushButton::clicked, this, &TServerInformationForm::GetButtonClick);
    connect(ui->EditButton, &QPushButton::clicked, this, &TServerInformationForm::EditButtonClick);
    connect(ui->AddButton, &QPushButton::clicked, this, &TServerInformationForm::AddButtonClick);
    connect(
        ui->DeleteButton, &QPushButton::clicked, this, &TServerInformationForm::DeleteButtonClick);
    FollowRowCount(ui->ListView1, ui->StaticText1);
}

TServerInformationForm::~TServerInformationForm() = default;

void TServerInformationForm::FormCreate()
{
    using namespace ServerInfo;
    m_request = AddRequest(ServerInfoVars, MVT_UMV, 2);
    m_request->asynchronous = false;
    Run(m_request, [this] {
        m_request->BindListView(ui->ListView1, true);
        OnListClick(*m_request, this, &TServerInformationForm::ListView1Click);
        m_request->BindEdit(Ip, QStringLiteral("%s{l16}"), ui->IPEdit);
        m_request->BindComboBox(Protocol, ui->ProtocolComboBox);
        m_request->BindEdit(Port, QStringLiteral("%i{n1x65535l5}"), ui->PortEdit);
        m_request->BindEdit(Key, QStringLiteral("%s{l254}"), ui->KeyEdit);
        m_request->BindEdit(Timeout, QStringLiteral("%i{n1x255}"), ui->TimeoutEdit);
        m_request->BindEdit(RetryCount, QStringLiteral("%i{n1x255}"), ui->RetryCEdit);
        m_request->BindComboBox(RowStatus, ui->RowComboBox);
        m_request->SetMessageTarget(ui->StatusBar1);
    });
    ClearPane();
    ShowNoSelection();
    Run(m_request, [this] { m_request->Read(); });
}

void TServerInformationForm::ShowNoSelection()
{
    ui->EditButton->setEnabled(false);
    ui->DeleteButton->setEnabled(false);
    ui->AddButton->setEnabled(true);
    ui->IPEdit->setEnabled(true);
    ui->ProtocolComboBox->setEnabled(true);
    ui->RowComboBox->setCurrentIndex(RowStatusItem::CreateAndGo);
}

void TServerInformationForm::ClearPane()
{
    m_clearing = true;
    ui->ListView1->clearSelection();
    m_clearing = false;
    for (QLineEdit *edit : {ui->IPEdit, ui->PortEdit, ui->KeyEdit, ui->TimeoutEdit, ui->RetryCEdit})
        edit->clear();
}

void TServerInformationForm::ListView1Click()
{
    if (m_clearing)
        return;
    if (SelectedCaption(ui->ListView1).isEmpty()) {
        ShowNoSelection();
        return;
    }
    ui->EditButton->setEnabled(true);
    ui->DeleteButton->setEnabled(true);
    ui->AddButton->setEnabled(false);
    ui->IPEdit->setEnabled(false);
    ui->ProtocolComboBox->setEnabled(false);
}

void TServerInformationForm::GetButtonClick()
{
    if (AnyBusy() || !m_request)
        return;
    Run(m_request, [this] { m_request->Read(); });
    ShowNoSelection();
    ClearPane();
}

bool TServerInformationForm::keysGiven()
{
    if (ui->IPEdit->text().isEmpty()) {
        RefuseInput(QString::fromLatin1(IpMissing), ui->IPEdit);
        return false;
    }
    if (ui->ProtocolComboBox->currentText().isEmpty()) {
        RefuseInput(QString::fromLatin1(ProtocolMissing), ui->ProtocolComboBox);
        return false;
    }
    return true;
}

bool TServerInformationForm::editsAccepted()
{
    return EditsAccepted(
        *m_request, {ui->IPEdit, ui->PortEdit, ui->KeyEdit, ui->TimeoutEdit, ui->RetryCEdit});
}

QList<int> TServerInformationForm::emptyFields() const
{
    using namespace ServerInfo;
    QList<int> excluded;
    if (ui->PortEdit->text().isEmpty())
        excluded.append(Port);
    if (ui->KeyEdit->text().isEmpty())
        excluded.append(Key);
    if (ui->TimeoutEdit->text().isEmpty())
        excluded.append(Timeout);
    if (ui->RetryCEdit->text().isEmpty())
        excluded.append(RetryCount);
    return excluded;
}

void TServerInformationForm::write(const QList<int> &excluded)
{
    Run(m_request, [&] { WriteExcluding(*m_request, excluded); });
    ShowNoSelection();
    ClearPane();
}

void TServerInformationForm::EditButtonClick()
{
    using namespace ServerInfo;
    if (AnyBusy() || !m_request || !keysGiven() || !editsAccepted())
        return;
    if (ui->RowComboBox->currentIndex() == RowStatusItem::Destroy) {
        write({Port, Key, Timeout, RetryCount});
        return;
    }
    QList<int> excluded = emptyFields();
    excluded.append(RowStatus);
    write(excluded);
}

void TServerInformationForm::AddButtonClick()
{
    if (AnyBusy() || !m_request || !keysGiven() || !editsAccepted())
        return;
    const QString ip = ui->IPEdit->text();
    const QString protocol = ui->ProtocolComboBox->currentText();
    for (int i = 0; i < ui->ListView1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = ui->ListView1->topLevelItem(i);
        if (row->text(0) == ip && row->text(1) == protocol) {
            RefuseInput(QString::fromLatin1(ServerTaken), ui->IPEdit);
            return;
        }
    }
    if (ui->RowComboBox->currentIndex() != RowStatusItem::CreateAndGo) {
        RefuseInput(QString::fromLatin1(NotCreateAndGo), ui->RowComboBox);
        return;
    }
    write(emptyFields());
}

void TServerInformationForm::DeleteButtonClick()
{
    using namespace ServerInfo;
    const QList<QTreeWidgetItem *> rows = ui->ListView1->selectedItems();
    if (AnyBusy() || !m_request || rows.isEmpty())
        return;
    ui->IPEdit->setText(rows.first()->text(0));
    ui->ProtocolComboBox->setCurrentText(rows.first()->text(1));
    ui->RowComboBox->setCurrentIndex(RowStatusItem::Destroy);
    write({Port, Key, Timeout, RetryCount});
}
