#include "TMSInformationForm.h"

#include "ui_TMSInformationForm.h"

#include "AuthVariables.h"
#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"
#include "FlagsGuard.h"
#include "ListClicks.h"
#include "ListViews.h"
#include "TMSEditForm.h"

#include <QComboBox>
#include <QLineEdit>

TMSInformationForm::TMSInformationForm(QWidget *owner)
    : THandLaidForm(owner)
    , ui(std::make_unique<Ui::TMSInformationForm>())
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Member Switch Information Table"));
    ui->EditButton->setEnabled(false);
    connect(ui->GetButton, &QPushButton::clicked, this, &TMSInformationForm::GetButtonClick);
    connect(ui->EditButton, &QPushButton::clicked, this, &TMSInformationForm::EditButtonClick);
    connect(ui->AddButton, &QPushButton::clicked, this, &TMSInformationForm::AddButtonClick);
    connect(ui->DeleteButton, &QPushButton::clicked, this, &TMSInformationForm::DeleteButtonClick);
    FollowRowCount(ui->ListView1, ui->StaticText1);
    m_dialog = new TMSEditForm(this);
}

TMSInformationForm::~TMSInformationForm() = default;

void TMSInformationForm::FormCreate()
{
    m_request = AddRequest(MemberSwitchVars, MVT_UMV, 1);
    m_member = AddRequest(MemberEditVars, MVT_SV, 0);
    m_request->request.timeout = ListTimeout;
    connect(
        m_member, &CvSNMPRequest2Controls::OnWriteDone, this, &TMSInformationForm::memberWritten);
    Run(m_member, [this] {
        m_dialog->Bind(m_member);
        m_member->SetMessageTarget(ui->Memo1);
    });
    Run(m_request, [this] {
        m_request->BindListView(ui->ListView1, false);
        OnListClick(*m_request, this, &TMSInformationForm::ListView1Click);
        m_request->SetMessageTarget(ui->Memo1);
        m_request->Read();
    });
}

void TMSInformationForm::ListView1Click()
{
    ui->EditButton->setEnabled(!SelectedCaption(ui->ListView1).isEmpty());
}

QString TMSInformationForm::selectedColumn(int column) const
{
    const QList<QTreeWidgetItem *> rows = ui->ListView1->selectedItems();
    if (rows.isEmpty())
        return {};
    // Every variable of the list is a shown column, in list order.
    return rows.first()->text(column);
}

void TMSInformationForm::GetButtonClick()
{
    if (AnyBusy() || !m_request)
        return;
    Run(m_request, [this] { m_request->Read(); });
    ui->EditButton->setEnabled(false);
}

void TMSInformationForm::EditButtonClick()
{
    if (AnyBusy() || !m_request || SelectedCaption(ui->ListView1).isEmpty())
        return;
    m_dialog->KeyIDEdit()->setText(selectedColumn(MemberSwitch::Id));
    m_dialog->ED_MCS()->setText(selectedColumn(MemberSwitch::CandidateSource));
    m_dialog->MS_Password()->setText(selectedColumn(MemberSwitch::Password));
    m_dialog->setWindowTitle(QStringLiteral("MS Edit"));
    m_dialog->ShowModal(TRowEditDialog::EditRow);
    ui->EditButton->setEnabled(false);
    readAgain();
}

void TMSInformationForm::AddButtonClick()
{
    if (AnyBusy() || !m_request)
        return;
    m_dialog->setWindowTitle(QStringLiteral("MS Add"));
    m_dialog->ShowModal(TRowEditDialog::AddRow);
    ui->EditButton->setEnabled(false);
    readAgain();
}

// Sends the destroy status alone to the selected member.
void TMSInformationForm::DeleteButtonClick()
{
    using namespace MemberEdit;
    if (AnyBusy() || !m_request)
        return;
    const QString id = SelectedCaption(ui->ListView1);
    if (id.isEmpty()) {
        RefuseInput(QString::fromLatin1(ChooseItemFirst), ui->DeleteButton);
        return;
    }
    m_dialog->Row_Status()->setCurrentIndex(RowStatusItem::Destroy);
    WriteMember(id, {CandidateSource, Password});
    ui->EditButton->setEnabled(false);
}

bool TMSInformationForm::WriteMember(const QString &id, const QList<int> &excluded)
{
    if (AnyBusy() || !m_member)
        return false;
    FlagsGuard flags(*m_member);
    for (int v : excluded)
        flags.Exclude(v);
    m_member->request.varList.instance = id;
    const bool sent = Run(m_member, [this] { m_member->Write(false, true); });
    if (sent && !m_member->asynchronous)
        GetButtonClick();
    return sent;
}

// The list is read again whenever the dialog has closed, with Set or
// without. A write still on its way reads it when its answer is in.
void TMSInformationForm::readAgain()
{
    if (!Closed())
        GetButtonClick();
}

void TMSInformationForm::memberWritten(CvSNMPRequest2Controls *, const CvSNMPError &)
{
    readAgain();
}
