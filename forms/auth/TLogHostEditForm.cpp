#include "TLogHostEditForm.h"

#include "ui_TLogHostEditForm.h"

#include "AuthVariables.h"
#include "CvStandardOptions.h"
#include "TSystemLogHostForm.h"

#include <algorithm>

TLogHostEditForm::TLogHostEditForm(TSystemLogHostForm *listWindow)
    : TRowEditDialog(listWindow)
    , ui(std::make_unique<Ui::TLogHostEditForm>())
    , m_list(listWindow)
{
    ui->setupUi(this);
    connect(ui->SetButton, &QPushButton::clicked, this, &TLogHostEditForm::SetButtonClick);
    connect(ui->AllButton, &QPushButton::clicked, this, &TLogHostEditForm::AllButtonClick);
    connect(ui->ClearButton, &QPushButton::clicked, this, &TLogHostEditForm::ClearButtonClick);
    connect(ui->CloseButton, &QPushButton::clicked, this, &QDialog::reject);
}

TLogHostEditForm::~TLogHostEditForm() = default;

QLineEdit *TLogHostEditForm::IndexEdit() const
{
    return ui->IndexEdit;
}
QLineEdit *TLogHostEditForm::IPAddrEdit() const
{
    return ui->IPAddrEdit;
}
QLineEdit *TLogHostEditForm::PortEdit() const
{
    return ui->PortEdit;
}
QComboBox *TLogHostEditForm::FacComboBox() const
{
    return ui->FacComboBox;
}
QComboBox *TLogHostEditForm::SevComboBox() const
{
    return ui->SevComboBox;
}
QComboBox *TLogHostEditForm::StateComboBox() const
{
    return ui->StateComboBox;
}
QComboBox *TLogHostEditForm::RowComboBox() const
{
    return ui->RowComboBox;
}

QList<QCheckBox *> TLogHostEditForm::IncludeBoxes() const
{
    return {
        ui->CheckBox1, ui->CheckBox2, ui->CheckBox3, ui->CheckBox4, ui->CheckBox5, ui->CheckBox6};
}

void TLogHostEditForm::FormActivate()
{
    const bool adding = Mode() == AddRow;
    ui->IndexEdit->setEnabled(adding);
    if (adding) {
        ui->IndexEdit->clear();
        ui->IPAddrEdit->clear();
        ui->PortEdit->clear();
        for (QComboBox *box :
            {ui->FacComboBox, ui->SevComboBox, ui->StateComboBox, ui->RowComboBox})
            box->setCurrentIndex(0);
    }
    ClearButtonClick();
}

void TLogHostEditForm::AllButtonClick()
{
    for (QCheckBox *box : IncludeBoxes())
        box->setChecked(true);
}

void TLogHostEditForm::ClearButtonClick()
{
    for (QCheckBox *box : IncludeBoxes())
        box->setChecked(false);
}

// The port a log host listens on: the standard 514 or one above the
// well-known and registered ranges the switch keeps for itself.
bool TLogHostEditForm::portAccepted()
{
    if (!ui->CheckBox4->isChecked())
        return true;
    bool number = false;
    const int port = ui->PortEdit->text().trimmed().toInt(&number);
    if (number && (port == 514 || (port >= 6000 && port <= 65535)))
        return true;
    RefuseInput(QString::fromLatin1(PortOutOfRange), ui->PortEdit);
    return false;
}

void TLogHostEditForm::SetButtonClick()
{
    const QList<QCheckBox *> boxes = IncludeBoxes();
    if (Mode() == AddRow) {
        const QString index = ui->IndexEdit->text().trimmed();
        if (index.isEmpty()) {
            RefuseInput(QString::fromLatin1(IndexMissing), ui->IndexEdit);
            return;
        }
        if (m_list->IndexListed(index)) {
            RefuseInput(QString::fromLatin1(IndexTaken), ui->IndexEdit);
            return;
        }
        if (ui->RowComboBox->currentIndex() != RowStatusItem::CreateAndGo) {
            RefuseInput(QString::fromLatin1(NotCreateAndGo), ui->StateComboBox);
            return;
        }
        if (!ui->CheckBox6->isChecked()) {
            RefuseInput(QString::fromLatin1(StatusUnchecked), ui->CheckBox6);
            return;
        }
    } else if (std::none_of(
                   boxes.begin(), boxes.end(), [](QCheckBox *b) { return b->isChecked(); })) {
        RefuseInput(QString::fromLatin1(NothingChecked), ui->CheckBox1);
        return;
    }
    if (!portAccepted())
        return;
    QList<int> excluded;
    for (int v = LogHost::IpAddress; v <= LogHost::RowStatus; ++v)
        if (!boxes.at(v - 1)->isChecked())
            excluded.append(v);
    m_list->WriteRow(excluded);
}
