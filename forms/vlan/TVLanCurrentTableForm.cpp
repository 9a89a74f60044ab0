#include "TVLanCurrentTableForm.h"

#include "ui_TVLanCurrentTableForm.h"

#include "CvSNMPRequest2Edits.h"
#include "ListClicks.h"
#include "ListViews.h"
#include "PortGrids.h"
#include "TStackingPortUitForm.h"
#include "VlanVariables.h"

TVLanCurrentTableForm::TVLanCurrentTableForm(QWidget *owner)
    : THandLaidForm(owner)
    , ui(std::make_unique<Ui::TVLanCurrentTableForm>())
{
    ui->setupUi(this);
    ui->SetBtn->hide();
    connect(ui->RefreshBtn, &QPushButton::clicked, this, &TVLanCurrentTableForm::RefreshBtnClick);
    FollowRowCount(ui->LV_dot1qVlanCurrentEntry, ui->ST_Count2);
}

TVLanCurrentTableForm::~TVLanCurrentTableForm() = default;

void TVLanCurrentTableForm::BuildPortGrids()
{
    const QList<TStackingPortUitForm *> grids = ::BuildPortGrids(
        this, {ui->EgressScrollBox, ui->UntaggedScrollBox},
        [this](const QString &text) { ui->Memo1->appendPlainText(text); },
        [this] { return Closed(); });
    if (grids.size() != 2)
        return;
    m_egress = grids.at(0);
    m_untagged = grids.at(1);
}

void TVLanCurrentTableForm::FormCreate()
{
    BuildPortGrids();
    if (Closed() || !m_egress)
        return;
    m_deletes = AddRequest(VlanDeletesVars, SVT_SV, 0);
    Run(m_deletes, [this] {
        m_deletes->BindStaticText(0, ui->VlanNumDeletes);
        m_deletes->SetMessageTarget(ui->Memo1);
        m_deletes->Read();
    });
    const QString bits = TStackingPortUitForm::BitList();
    m_table = AddRequest(CurrentVlanVars, MVT_UMV, 2);
    Run(m_table, [&] {
        m_table->BindListView(ui->LV_dot1qVlanCurrentEntry, true);
        OnListClick(*m_table, this, &TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryClick);
        m_table->BindStaticText(CurrentVlan::VlanIndex, ui->StaticText1);
        m_table->BindCheckBoxList(CurrentVlan::Egress, bits, m_egress->PortCheckBoxes);
        m_table->BindCheckBoxList(CurrentVlan::Untagged, bits, m_untagged->PortCheckBoxes);
        m_table->SetMessageTarget(ui->Memo1);
        m_table->Read();
    });
}

void TVLanCurrentTableForm::ClearPane()
{
    m_clearing = true;
    ui->LV_dot1qVlanCurrentEntry->clearSelection();
    m_clearing = false;
    for (TStackingPortUitForm *grid : {m_egress, m_untagged})
        if (grid)
            grid->UncheckAll();
    ui->StaticText1->clear();
}

// A row whose port lists are not whole is shown with empty grids, not with
// the ports of the row shown before it.
void TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryClick()
{
    if (m_clearing || !m_table)
        return;
    const CvSNMPVarList &vars = m_table->request.varList;
    if (ui->LV_dot1qVlanCurrentEntry->selectedItems().isEmpty()
        || !HoldsWholePortList(vars, CurrentVlan::Egress)
        || !HoldsWholePortList(vars, CurrentVlan::Untagged))
        ClearPane();
}

void TVLanCurrentTableForm::RefreshBtnClick()
{
    if (AnyBusy() || !m_table || !m_deletes)
        return;
    Run(m_deletes, [this] { m_deletes->Read(); });
    Run(m_table, [this] { m_table->Read(); });
    ClearPane();
}
