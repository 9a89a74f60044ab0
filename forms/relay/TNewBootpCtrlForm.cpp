#include "TNewBootpCtrlForm.h"

#include "ui_TNewBootpCtrlForm.h"

#include "RelayVariables.h"
#include "TBOOTCtrlTableForm.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

TNewBootpCtrlForm::TNewBootpCtrlForm(TBOOTCtrlTableForm *listWindow)
    : TRowEditDialog(listWindow)
    , ui(std::make_unique<Ui::TNewBootpCtrlForm>())
    , m_list(listWindow)
{
    ui->setupUi(this);
    connect(ui->DeleteBtn, &QPushButton::clicked, this, &TNewBootpCtrlForm::DeleteBtnClick);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

TNewBootpCtrlForm::~TNewBootpCtrlForm() = default;

QLineEdit *TNewBootpCtrlForm::InterfaceEdit() const
{
    return ui->Edit1;
}

QLineEdit *TNewBootpCtrlForm::ServerEdit() const
{
    return ui->Edit2;
}

// Every read of the list disables the bound fields; the dialog enables
// them again, and starts empty the first time it shows.
void TNewBootpCtrlForm::FormActivate()
{
    ui->Edit1->setEnabled(true);
    ui->Edit2->setEnabled(true);
    if (!m_activated) {
        ui->Edit1->clear();
        ui->Edit2->clear();
        m_activated = true;
    }
}

// Set: refused when the interface already has its four servers (a plain
// box, the dialog stays open); otherwise the server is written and the
// dialog closes. A write that cannot be sent leaves it open, the error in
// the list window's memo.
void TNewBootpCtrlForm::DeleteBtnClick()
{
    if (m_list->ServersListed(ui->Edit1->text()) >= BootpRelay::ServersPerInterface) {
        const QString caption = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        QMessageBox box(
            QMessageBox::NoIcon, caption, QString::fromLatin1(FourServers), QMessageBox::Ok);
        box.exec();
        return;
    }
    if (!m_list->AddServer())
        return;
    ui->Edit1->clear();
    ui->Edit2->clear();
    accept();
}
