#include "TSystemLogHostForm.h"

#include "ui_TSystemLogHostForm.h"

#include "AuthVariables.h"
#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"
#include "FlagsGuard.h"
#include "ListClicks.h"
#include "ListViews.h"
#include "ManyRows.h"
#include "TLogHostEditForm.h"

#include <QComboBox>
#include <QLineEdit>

TSystemLogHostForm::TSystemLogHostForm(QWidget *owner)
    : THandLaidForm(owner)
    , ui(std::make_unique<Ui::TSystemLogHostForm>())
{
    ui->setupUi(this);
    ui->EditButton->setEnabled(false);
    connect(ui->GetButton, &QPushButton::clicked, this, &TSystemLogHostForm::GetButtonClick);
    connect(ui->EditButton, &QPushButton::clicked, this, &TSystemLogHostForm::EditButtonClick);
    connect(ui->AddButton, &QPushButton::clicked, this, &TSystemLogHostForm::AddButtonClick);
    connect(ui->DeleteButton, &QPushButton::clicked, this, &TSystemLogHostForm::DeleteButtonClick);
    FollowRowCount(ui->ListView1, ui->StaticText1);
    m_dialog = new TLogHostEditForm(this);
}

TSystemLogHostForm::~TSystemLogHostForm() = default;

void TSystemLogHostForm::FormCreate()
{
    using namespace LogHost;
    m_request = AddRequest(LogHostVars, MVT_UMV, 1);
    Run(m_request, [this] {
        m_request->BindListView(ui->ListView1, true);
        AllowManyRows(*m_request);
        OnListClick(*m_request, this, &TSystemLogHostForm::ListView1Click);
        m_request->BindEdit(Index, QStringLiteral("%i{n1x4l1}"), m_dialog->IndexEdit());
        m_request->BindEdit(IpAddress, QStringLiteral("%s{l16}"), m_dialog->IPAddrEdit());
        m_request->BindComboBox(Facility, m_dialog->FacComboBox());
        m_request->BindComboBox(Severity, m_dialog->SevComboBox());
        m_request->BindEdit(UdpPort, QStringLiteral("%i{l5}"), m_dialog->PortEdit());
        m_request->BindComboBox(State, m_dialog->StateComboBox());
        m_request->BindComboBox(RowStatus, m_dialog->RowComboBox());
        m_request->SetMessageTarget(ui->Memo1);
        m_request->Read();
    });
}

void TSystemLogHostForm::ListView1Click()
{
    ui->EditButton->setEnabled(!SelectedCaption(ui->ListView1).isEmpty());
}

void TSystemLogHostForm::GetButtonClick()
{
    if (AnyBusy() || !m_request)
        return;
    Run(m_request, [this] { m_request->Read(); });
    ui->EditButton->setEnabled(false);
}

void TSystemLogHostForm::EditButtonClick()
{
    if (AnyBusy() || !m_request || SelectedCaption(ui->ListView1).isEmpty())
        return;
    m_dialog->ShowModal(TRowEditDialog::EditRow);
    ui->EditButton->setEnabled(false);
}

void TSystemLogHostForm::AddButtonClick()
{
    if (AnyBusy() || !m_request)
        return;
    m_dialog->ShowModal(TRowEditDialog::AddRow);
    ui->EditButton->setEnabled(false);
}

// Only the index and the destroy status are sent; the list is read once
// the write has been answered. Several hosts selected go after one
// question.
void TSystemLogHostForm::DeleteButtonClick()
{
    using namespace LogHost;
    if (AnyBusy() || !m_request)
        return;
    const QString index = SelectedCaption(ui->ListView1);
    if (index.isEmpty()) {
        RefuseInput(QString::fromLatin1(ChooseItemFirst), ui->DeleteButton);
        return;
    }
    const int rows = int(m_request->SelectedRows().size());
    if (rows > 1 && !ConfirmDeleteRows(this, rows))
        return;
    m_dialog->IndexEdit()->setText(index);
    m_dialog->RowComboBox()->setCurrentIndex(RowStatusItem::Destroy);
    const QList<int> kept = {IpAddress, Facility, Severity, UdpPort, State};
    if (rows > 1) {
        Run(m_request, [this, &kept] { DestroyEachSelectedRow(*m_request, RowStatus, kept); });
    } else {
        WriteRow(kept);
    }
    ui->EditButton->setEnabled(false);
}

bool TSystemLogHostForm::IndexListed(const QString &index) const
{
    return RowWithCaption(ui->ListView1, index) != nullptr;
}

bool TSystemLogHostForm::WriteRow(const QList<int> &excluded)
{
    if (AnyBusy() || !m_request)
        return false;
    if (m_dialog->Mode() == TRowEditDialog::EditRow && ManyRowsSelected(*m_request))
        return Run(m_request, [this, &excluded] { WriteEachSelectedRow(*m_request, excluded); });
    FlagsGuard flags(*m_request);
    for (int v : excluded)
        flags.Exclude(v);
    return Run(m_request, [this] { m_request->Write(true, true); });
}
