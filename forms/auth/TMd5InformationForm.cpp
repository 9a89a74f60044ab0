#include "TMd5InformationForm.h"

#include "ui_TMd5InformationForm.h"

#include "AuthVariables.h"
#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"
#include "FlagsGuard.h"
#include "ListClicks.h"
#include "ListViews.h"
#include "ManyRows.h"
#include "TMd5EditForm.h"

#include <QComboBox>
#include <QLineEdit>

TMd5InformationForm::TMd5InformationForm(QWidget *owner)
    : THandLaidForm(owner)
    , ui(std::make_unique<Ui::TMd5InformationForm>())
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("MD5 Information Table"));
    ui->EditButton->setEnabled(false);
    connect(ui->GetButton, &QPushButton::clicked, this, &TMd5InformationForm::GetButtonClick);
    connect(ui->EditButton, &QPushButton::clicked, this, &TMd5InformationForm::EditButtonClick);
    connect(ui->AddButton, &QPushButton::clicked, this, &TMd5InformationForm::AddButtonClick);
    connect(ui->DeleteButton, &QPushButton::clicked, this, &TMd5InformationForm::DeleteButtonClick);
    FollowRowCount(ui->ListView1, ui->StaticText1);
    m_dialog = new TMd5EditForm(this);
}

TMd5InformationForm::~TMd5InformationForm() = default;

void TMd5InformationForm::FormCreate()
{
    using namespace Md5Key;
    m_request = AddRequest(Md5KeyVars, MVT_UMV, 1);
    Run(m_request, [this] {
        m_request->BindListView(ui->ListView1, true);
        AllowManyRows(*m_request);
        OnListClick(*m_request, this, &TMd5InformationForm::ListView1Click);
        m_request->BindEdit(KeyId, QStringLiteral("%i{n1x255}"), m_dialog->KeyIDEdit());
        m_request->BindEdit(Key, QStringLiteral("%s{l16}"), m_dialog->KeyEdit());
        m_request->BindComboBox(Status, m_dialog->StatusBox());
        m_request->SetMessageTarget(ui->Memo1);
        m_request->Read();
    });
}

void TMd5InformationForm::ListView1Click()
{
    ui->EditButton->setEnabled(!SelectedCaption(ui->ListView1).isEmpty());
}

void TMd5InformationForm::GetButtonClick()
{
    if (AnyBusy() || !m_request)
        return;
    Run(m_request, [this] { m_request->Read(); });
    ui->EditButton->setEnabled(false);
}

void TMd5InformationForm::EditButtonClick()
{
    if (AnyBusy() || !m_request || SelectedCaption(ui->ListView1).isEmpty())
        return;
    m_dialog->ShowModal(TRowEditDialog::EditRow);
    ui->EditButton->setEnabled(false);
}

void TMd5InformationForm::AddButtonClick()
{
    if (AnyBusy() || !m_request)
        return;
    m_dialog->ShowModal(TRowEditDialog::AddRow);
    ui->EditButton->setEnabled(false);
}

// Destroys the selected key: its id and the destroy status are sent, the
// key text is left out. Several keys selected go after one question.
void TMd5InformationForm::DeleteButtonClick()
{
    if (AnyBusy() || !m_request)
        return;
    const QString id = SelectedCaption(ui->ListView1);
    if (id.isEmpty()) {
        RefuseInput(QString::fromLatin1(ChooseItemFirst), ui->DeleteButton);
        return;
    }
    const int rows = int(m_request->SelectedRows().size());
    if (rows > 1 && !ConfirmDeleteRows(this, rows))
        return;
    m_dialog->KeyIDEdit()->setText(id);
    m_dialog->StatusBox()->setCurrentIndex(RowStatusItem::Destroy);
    if (rows > 1) {
        Run(m_request,
            [this] { DestroyEachSelectedRow(*m_request, Md5Key::Status, {Md5Key::Key}); });
    } else {
        FlagsGuard flags(*m_request);
        flags.Exclude(Md5Key::Key);
        Run(m_request, [this] { m_request->Write(true, true); });
    }
    ui->EditButton->setEnabled(false);
}

bool TMd5InformationForm::KeyListed(const QString &id) const
{
    return RowWithCaption(ui->ListView1, id) != nullptr;
}

bool TMd5InformationForm::WriteRow()
{
    if (AnyBusy() || !m_request)
        return false;
    if (m_dialog->Mode() == TRowEditDialog::EditRow && ManyRowsSelected(*m_request))
        return Run(m_request, [this] { WriteEachSelectedRow(*m_request); });
    return Run(m_request, [this] { m_request->Write(true, true); });
}
