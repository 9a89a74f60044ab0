#include "TMSEditForm.h"

#include "ui_TMSEditForm.h"

#include "AuthVariables.h"
#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"
#include "TMSInformationForm.h"

TMSEditForm::TMSEditForm(TMSInformationForm *listWindow)
    : TRowEditDialog(listWindow)
    , ui(std::make_unique<Ui::TMSEditForm>())
    , m_list(listWindow)
{
    ui->setupUi(this);
    ui->ED_MCS->setReadOnly(true);
    connect(ui->SetButton, &QPushButton::clicked, this, &TMSEditForm::SetButtonClick);
    connect(ui->CloseButton, &QPushButton::clicked, this, &QDialog::reject);
}

TMSEditForm::~TMSEditForm() = default;

void TMSEditForm::Bind(CvSNMPRequest2Edits *request)
{
    using namespace MemberEdit;
    m_request = request;
    m_request->BindEdit(Id, QStringLiteral("%i"), ui->KeyIDEdit);
    m_request->BindEdit(CandidateSource, QStringLiteral("%s"), ui->KeyIDEdit);
    m_request->BindEdit(Password, QStringLiteral("%s"), ui->MS_Password);
    m_request->BindComboBox(RowStatus, ui->Row_Status);
}

QLineEdit *TMSEditForm::KeyIDEdit() const
{
    return ui->KeyIDEdit;
}
QLineEdit *TMSEditForm::ED_MCS() const
{
    return ui->ED_MCS;
}
QLineEdit *TMSEditForm::MS_Password() const
{
    return ui->MS_Password;
}
QComboBox *TMSEditForm::Row_Status() const
{
    return ui->Row_Status;
}

// Edit shows the member with its id fixed and the status on its first
// item; Add starts empty and on createAndGo.
void TMSEditForm::FormActivate()
{
    const bool adding = Mode() == AddRow;
    ui->KeyIDEdit->setEnabled(adding);
    ui->Row_Status->setEnabled(!adding);
    if (adding) {
        ui->KeyIDEdit->clear();
        ui->ED_MCS->clear();
        ui->MS_Password->clear();
        ui->Row_Status->setCurrentIndex(RowStatusItem::CreateAndGo);
    } else {
        ui->Row_Status->setCurrentIndex(0);
    }
}

void TMSEditForm::SetButtonClick()
{
    using namespace MemberEdit;
    const QString id = ui->KeyIDEdit->text().trimmed();
    QList<int> excluded;
    if (Mode() == AddRow) {
        if (id.isEmpty()) {
            RefuseInput(QString::fromLatin1(IdMissing), ui->KeyIDEdit);
            return;
        }
        ui->ED_MCS->setText(id);
        ui->Row_Status->setCurrentIndex(RowStatusItem::CreateAndGo);
    } else {
        // The id names the row; the candidate it came from stays as it is.
        excluded.append(CandidateSource);
    }
    if (m_list->WriteMember(id, excluded))
        accept();
}
