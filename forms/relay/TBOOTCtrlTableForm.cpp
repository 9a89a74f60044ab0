#include "TBOOTCtrlTableForm.h"

#include "ui_TBOOTCtrlTableForm.h"

#include "CvSNMPRequest2Edits.h"
#include "ListViews.h"
#include "RelayVariables.h"
#include "TNewBootpCtrlForm.h"
#include "TRowEditDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

TBOOTCtrlTableForm::TBOOTCtrlTableForm(QWidget *owner)
    : THandLaidForm(owner)
    , ui(std::make_unique<Ui::TBOOTCtrlTableForm>())
{
    ui->setupUi(this);
    connect(ui->RefreshBtn, &QPushButton::clicked, this, &TBOOTCtrlTableForm::RefreshBtnClick);
    connect(ui->DeleteBtn, &QPushButton::clicked, this, &TBOOTCtrlTableForm::DeleteBtnClick);
    connect(ui->AddBtn, &QPushButton::clicked, this, &TBOOTCtrlTableForm::AddBtnClick);
    connect(ui->CloseBtn, &QPushButton::clicked, this, &QDialog::close);
    m_dialog = new TNewBootpCtrlForm(this);
}

TBOOTCtrlTableForm::~TBOOTCtrlTableForm() = default;

void TBOOTCtrlTableForm::FormCreate()
{
    using namespace BootpRelay;
    m_request = AddRequest(BootpRelayVars, MVT_FMV, 2);
    Run(m_request, [this] {
        m_request->BindListView(ui->ListView1, true);
        m_request->BindEdit(Interface, QStringLiteral("%s"), m_dialog->InterfaceEdit());
        m_request->BindEdit(Server, QStringLiteral("%s"), m_dialog->ServerEdit());
        m_request->BindComboBox(State, ui->ComboBox1);
        m_request->SetMessageTarget(ui->Memo1);
        m_request->Read();
    });
}

void TBOOTCtrlTableForm::RefreshBtnClick()
{
    if (AnyBusy() || !m_request)
        return;
    Run(m_request, [this] { m_request->Read(); });
}

// Removes the selected server. The dialog's fields address the row
// written; they are set from the selected row again, as an Add closed
// without Set may have left other text in them.
void TBOOTCtrlTableForm::DeleteBtnClick()
{
    if (AnyBusy() || !m_request)
        return;
    const QList<QTreeWidgetItem *> selected = ui->ListView1->selectedItems();
    if (selected.isEmpty()) {
        RefuseInput(QString::fromLatin1(ChooseItemFirst), ui->DeleteBtn);
        return;
    }
    m_dialog->InterfaceEdit()->setText(selected.first()->text(BootpRelay::Interface));
    m_dialog->ServerEdit()->setText(selected.first()->text(BootpRelay::Server));
    ui->ComboBox1->setCurrentIndex(BootpRelay::InvalidItem);
    Run(m_request, [this] { m_request->Write(true, true); });
}

void TBOOTCtrlTableForm::AddBtnClick()
{
    if (AnyBusy() || !m_request)
        return;
    m_dialog->ShowModal(TRowEditDialog::AddRow);
}

int TBOOTCtrlTableForm::ServersListed(const QString &interfaceName) const
{
    int count = 0;
    for (int r = 0; r < ui->ListView1->topLevelItemCount(); ++r)
        if (ui->ListView1->topLevelItem(r)->text(0) == interfaceName)
            ++count;
    return count;
}

bool TBOOTCtrlTableForm::AddServer()
{
    if (AnyBusy() || !m_request)
        return false;
    ui->ComboBox1->setCurrentIndex(BootpRelay::ValidItem);
    return Run(m_request, [this] { m_request->Write(true, true); });
}
