#include "TVlanStaticForm.h"

#include "ui_TVlanStaticForm.h"

#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"
#include "ListClicks.h"
#include "ListViews.h"
#include "PortGrids.h"
#include "TStackingPortUitForm.h"
#include "VlanVariables.h"

#include <QCheckBox>
#include <QTreeWidget>

#include <utility>

TVlanStaticForm::TVlanStaticForm(QWidget *owner)
    : THandLaidForm(owner)
    , ui(std::make_unique<Ui::TVlanStaticForm>())
{
    ui->setupUi(this);
    connect(ui->RefreshBtn, &QPushButton::clicked, this, &TVlanStaticForm::RefreshBtnClick);
    connect(ui->SetBtn, &QPushButton::clicked, this, &TVlanStaticForm::SetBtnClick);
    connect(ui->AddBtn, &QPushButton::clicked, this, &TVlanStaticForm::AddBtnClick);
    connect(ui->DeleteBtn, &QPushButton::clicked, this, &TVlanStaticForm::DeleteBtnClick);
    FollowRowCount(ui->LV_dot1qVlanStaticEntry, ui->ST_Count2);
    ShowPane(Pane::Cleared);
}

TVlanStaticForm::~TVlanStaticForm() = default;

void TVlanStaticForm::BuildPortGrids()
{
    const QList<TStackingPortUitForm *> grids = ::BuildPortGrids(
        this, {ui->EgressScrollBox, ui->ForbiddenScrollBox, ui->UntaggedScrollBox},
        [this](const QString &text) { ui->Memo1->appendPlainText(text); },
        [this] { return Closed(); });
    if (grids.size() != 3)
        return;
    m_egress = grids.at(0);
    m_forbidden = grids.at(1);
    m_untagged = grids.at(2);
    for (int k = 0; k < TStackingPortUitForm::BoxCount; ++k) {
        connect(m_untagged->PortCheckBoxes.at(k), &QCheckBox::clicked, this,
            [this, k](bool checked) { UTagCheckBoxClick(k, checked); });
        connect(m_egress->PortCheckBoxes.at(k), &QCheckBox::clicked, this,
            [this, k](bool checked) { EgressCheckBoxClick(k, checked); });
    }
}

void TVlanStaticForm::FormCreate()
{
    BuildPortGrids();
    if (Closed() || !m_egress)
        return;
    const QString bits = TStackingPortUitForm::BitList();
    m_table = AddRequest(StaticVlanVars, MVT_UMV, 1);
    connect(m_table, &CvSNMPRequest2Controls::OnWriteDone, this, &TVlanStaticForm::WriteDone);
    Run(m_table, [&] {
        using namespace StaticVlan;
        m_table->BindListView(ui->LV_dot1qVlanStaticEntry, true);
        // After the binding's own handler: the row is in the controls then.
        OnListClick(*m_table, this, &TVlanStaticForm::LV_dot1qVlanStaticEntryClick);
        m_table->BindEdit(VlanId, QStringLiteral("%s"), ui->ED_VLANID);
        m_table->BindEdit(Name, QStringLiteral("%s"), ui->ED_VLANName);
        m_table->BindCheckBoxList(Egress, bits, m_egress->PortCheckBoxes);
        m_table->BindCheckBoxList(Forbidden, bits, m_forbidden->PortCheckBoxes);
        m_table->BindCheckBoxList(Untagged, bits, m_untagged->PortCheckBoxes);
        m_table->BindComboBox(Status, ui->Status);
        m_table->SetMessageTarget(ui->Memo1);
        m_table->Read();
    });
    m_nextFree = AddRequest(NextFreeVlanVars, SVT_SV, 0);
    Run(m_nextFree, [&] {
        m_nextFree->BindStaticText(0, ui->NextFreeLocalVlanIndex);
        m_nextFree->SetMessageTarget(ui->Memo1);
        m_nextFree->Read();
    });
    ClearPane();
}

void TVlanStaticForm::ShowPane(Pane pane)
{
    m_pane = pane;
    ui->SetBtn->setEnabled(pane == Pane::Row);
    ui->DeleteBtn->setEnabled(pane != Pane::Cleared);
}

// The boxes of the row shown hold its hidden ports; for any other VLAN they
// come from its row in the list, or are 0 for a VLAN not listed.
void TVlanStaticForm::HiddenPortsFor(const QString &vlan)
{
    const QTreeWidget *list = ui->LV_dot1qVlanStaticEntry;
    if (m_pane == Pane::Row && vlan == SelectedCaption(list))
        return;
    const QTreeWidgetItem *row = RowWithCaption(list, vlan);
    using namespace StaticVlan;
    const std::pair<TStackingPortUitForm *, int> grids[] {
        {m_egress, Egress}, {m_forbidden, Forbidden}, {m_untagged, Untagged}};
    for (const auto &[grid, var] : grids) {
        const int column = ColumnCaptioned(list, m_table->request.varList.Var(var).label);
        const QString ports = row && column >= 0 ? row->text(column) : QString();
        grid->SetHiddenPorts(QByteArray::fromHex(ports.toLatin1()));
    }
}

void TVlanStaticForm::ClearPane()
{
    m_clearing = true;
    ui->LV_dot1qVlanStaticEntry->clearSelection();
    m_clearing = false;
    for (TStackingPortUitForm *grid : {m_egress, m_forbidden, m_untagged})
        if (grid)
            grid->UncheckAll();
    ui->ED_VLANID->clear();
    ui->ED_VLANName->clear();
    ui->Status->setCurrentIndex(-1);
    ShowPane(Pane::Cleared);
}

void TVlanStaticForm::LV_dot1qVlanStaticEntryClick()
{
    if (m_clearing || !m_table)
        return;
    if (ui->LV_dot1qVlanStaticEntry->selectedItems().isEmpty()) {
        ClearPane();
        return;
    }
    const CvSNMPVarList &vars = m_table->request.varList;
    using namespace StaticVlan;
    if (HoldsWholePortList(vars, Egress) && HoldsWholePortList(vars, Forbidden)
        && HoldsWholePortList(vars, Untagged)) {
        ShowPane(Pane::Row);
        return;
    }
    // The binding has reported the row it could not show; what it left in
    // the pane belongs to no row.
    for (TStackingPortUitForm *grid : {m_egress, m_forbidden, m_untagged})
        grid->UncheckAll();
    ui->ED_VLANID->clear();
    ui->ED_VLANName->clear();
    ui->Status->setCurrentIndex(-1);
    ShowPane(Pane::Unreadable);
}

void TVlanStaticForm::UTagCheckBoxClick(int box, bool checked)
{
    if (checked && m_egress)
        m_egress->PortCheckBoxes.at(box)->setChecked(true);
}

void TVlanStaticForm::EgressCheckBoxClick(int box, bool checked)
{
    if (!checked && m_untagged)
        m_untagged->PortCheckBoxes.at(box)->setChecked(false);
}

void TVlanStaticForm::RefreshBtnClick()
{
    if (AnyBusy() || !m_table || !m_nextFree)
        return;
    Run(m_nextFree, [this] { m_nextFree->Read(); });
    Run(m_table, [this] { m_table->Read(); });
    ClearPane();
}

void TVlanStaticForm::SetBtnClick()
{
    if (AnyBusy() || !m_table || m_pane != Pane::Row)
        return;
    HiddenPortsFor(ui->ED_VLANID->text().trimmed());
    Run(m_table, [this] { m_table->Write(true, true); });
    ClearPane();
}

void TVlanStaticForm::AddBtnClick()
{
    if (AnyBusy() || !m_table)
        return;
    HiddenPortsFor(ui->ED_VLANID->text().trimmed());
    ui->Status->setCurrentIndex(RowStatusItem::CreateAndGo);
    Run(m_table, [this] { m_table->Write(true, true); });
    // The pane is cleared once the agent has made the VLAN: a refused Add
    // keeps what the operator typed and ticked, to be mended and sent again.
    m_addPending = m_table && m_table->IsBusy();
}

// The row is the one selected, never what the VLAN ID field says; only its
// index and the destroy status are sent.
void TVlanStaticForm::DeleteBtnClick()
{
    if (AnyBusy() || !m_table || m_pane == Pane::Cleared)
        return;
    const QString vlan = SelectedCaption(ui->LV_dot1qVlanStaticEntry);
    if (vlan.isEmpty())
        return;
    ui->Status->setCurrentIndex(RowStatusItem::Destroy);
    const QStringList values {vlan, ui->Status->currentText()};
    const QString sent = QStringLiteral("%1,%2").arg(StaticVlan::VlanId).arg(StaticVlan::Status);
    Run(m_table, [&] { m_table->Write(true, false, sent, &values); });
    ClearPane();
}

// Every successful write may have used up or freed the next free id.
void TVlanStaticForm::WriteDone(CvSNMPRequest2Controls *, const CvSNMPError &error)
{
    if (std::exchange(m_addPending, false) && error.code == 0)
        ClearPane();
    if (error.code != 0 || !m_nextFree)
        return;
    Run(m_nextFree, [this] { m_nextFree->Read(); });
}
