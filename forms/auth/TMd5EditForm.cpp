#include "TMd5EditForm.h"

#include "ui_TMd5EditForm.h"

#include "CvStandardOptions.h"
#include "TMd5InformationForm.h"

TMd5EditForm::TMd5EditForm(TMd5InformationForm *listWindow)
    : TRowEditDialog(listWindow)
    , ui(std::make_unique<Ui::TMd5EditForm>())
    , m_list(listWindow)
{
    ui->setupUi(this);
    connect(ui->SetButton, &QPushButton::clicked, this, &TMd5EditForm::SetButtonClick);
    connect(ui->CloseButton, &QPushButton::clicked, this, &QDialog::reject);
}

TMd5EditForm::~TMd5EditForm() = default;

QLineEdit *TMd5EditForm::KeyIDEdit() const
{
    return ui->KeyIDEdit;
}

QLineEdit *TMd5EditForm::KeyEdit() const
{
    return ui->KeyEdit;
}

QComboBox *TMd5EditForm::StatusBox() const
{
    return ui->ComboBox1;
}

// Edit shows the selected row with its key id fixed; Add starts empty, on
// createAndGo, whatever a Delete or an earlier Edit left in the status box.
void TMd5EditForm::FormActivate()
{
    const bool adding = Mode() == AddRow;
    ui->KeyIDEdit->setEnabled(adding);
    ui->ComboBox1->setEnabled(!adding);
    if (adding) {
        ui->KeyIDEdit->clear();
        ui->KeyEdit->clear();
        ui->ComboBox1->setCurrentIndex(RowStatusItem::CreateAndGo);
    }
}

void TMd5EditForm::SetButtonClick()
{
    if (Mode() == AddRow) {
        const QString id = ui->KeyIDEdit->text().trimmed();
        if (id.isEmpty()) {
            RefuseInput(QString::fromLatin1(KeyIdMissing), ui->KeyIDEdit);
            return;
        }
        if (m_list->KeyListed(id)) {
            RefuseInput(QString::fromLatin1(KeyIdTaken), ui->KeyIDEdit);
            return;
        }
        if (ui->KeyEdit->text().isEmpty()) {
            RefuseInput(QString::fromLatin1(KeyMissing), ui->KeyEdit);
            return;
        }
        ui->ComboBox1->setCurrentIndex(RowStatusItem::CreateAndGo);
    }
    if (m_list->WriteRow())
        accept();
}
