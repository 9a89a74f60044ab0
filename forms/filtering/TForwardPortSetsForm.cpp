#include "TForwardPortSetsForm.h"

#include "CvSNMPRequest2Edits.h"
#include "FilteringVariables.h"
#include "ListClicks.h"
#include "ListViews.h"
#include "PortGrids.h"
#include "TStackingPortUitForm.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

TForwardPortSetsForm::TForwardPortSetsForm(QWidget *owner, const CvSNMPVar *table)
    : THandLaidForm(owner)
    , m_table(table)
{
}

TForwardPortSetsForm::~TForwardPortSetsForm() = default;

void TForwardPortSetsForm::Attach(const Controls &controls)
{
    m_ui = controls;
    connect(m_ui.refresh, &QPushButton::clicked, this, &TForwardPortSetsForm::RefreshBtnClick);
    connect(m_ui.set, &QPushButton::clicked, this, &TForwardPortSetsForm::SetBtnClick);
    FollowRowCount(m_ui.list, m_ui.count);
}

void TForwardPortSetsForm::FormCreate()
{
    const QList<TStackingPortUitForm *> grids = BuildPortGrids(
        this, {m_ui.inUse, m_ui.statics, m_ui.forbidden},
        [this](const QString &text) { m_ui.memo->appendPlainText(text); },
        [this] { return Closed(); });
    if (Closed() || grids.size() != 3)
        return;
    m_inUse = grids.at(0);
    m_static = grids.at(1);
    m_forbidden = grids.at(2);
    m_request = AddRequest(m_table, MVT_FMV, 1);
    connect(m_request, &CvSNMPRequest2Controls::OnReadDone, this, &TForwardPortSetsForm::ReadDone);
    connect(
        m_request, &CvSNMPRequest2Controls::OnWriteDone, this, &TForwardPortSetsForm::WriteDone);
    const QString bits = TStackingPortUitForm::BitList();
    Run(m_request, [&] {
        using namespace ForwardSets;
        m_request->BindListView(m_ui.list, true);
        // After the binding's own handler: the row is in the grids then.
        OnListClick(*m_request, this, &TForwardPortSetsForm::ListClick);
        m_request->BindCheckBoxList(InUsePorts, bits, m_inUse->PortCheckBoxes);
        m_request->BindCheckBoxList(StaticPorts, bits, m_static->PortCheckBoxes);
        m_request->BindCheckBoxList(ForbiddenPorts, bits, m_forbidden->PortCheckBoxes);
        m_request->SetMessageTarget(m_ui.memo);
        m_request->Read();
    });
    ClearPane();
}

// No VLAN selected: empty grids that cannot be ticked.
void TForwardPortSetsForm::ClearPane()
{
    m_clearing = true;
    m_ui.list->clearSelection();
    m_clearing = false;
    for (TStackingPortUitForm *grid : {m_inUse, m_static, m_forbidden})
        if (grid) {
            grid->UncheckAll();
            grid->setEnabled(false);
        }
}

// A VLAN whose sets are not whole port lists is not shown: boxes the value
// does not reach would keep the bits of the VLAN shown before.
void TForwardPortSetsForm::ListClick()
{
    if (m_clearing || !m_request)
        return;
    const CvSNMPVarList &vars = m_request->request.varList;
    using namespace ForwardSets;
    if (SelectedCaption(m_ui.list).isEmpty() || !HoldsWholePortList(vars, InUsePorts)
        || !HoldsWholePortList(vars, StaticPorts) || !HoldsWholePortList(vars, ForbiddenPorts)) {
        ClearPane();
        return;
    }
    // The ports in use are the agent's to say: shown, never ticked here.
    m_inUse->setEnabled(false);
    m_static->setEnabled(true);
    m_forbidden->setEnabled(true);
}

void TForwardPortSetsForm::RefreshBtnClick()
{
    if (AnyBusy() || !m_request)
        return;
    m_reselect.clear();
    Run(m_request, [this] { m_request->Read(); });
    ClearPane();
}

// The VLAN written is the one selected: its id comes from the selected row.
void TForwardPortSetsForm::SetBtnClick()
{
    if (AnyBusy() || !m_request)
        return;
    const QString vlan = SelectedCaption(m_ui.list);
    if (vlan.isEmpty() || !m_static->isEnabled()) {
        RefuseInput(QString::fromLatin1(ChooseItem), m_ui.list);
        return;
    }
    m_reselect = vlan;
    if (!Run(m_request, [this] { m_request->Write(true, true); }))
        m_reselect.clear();
}

void TForwardPortSetsForm::WriteDone(CvSNMPRequest2Controls *, const CvSNMPError &error)
{
    if (error.code != 0)
        m_reselect.clear(); // no read follows
}

void TForwardPortSetsForm::ReadDone(CvSNMPRequest2Controls *, const CvSNMPError &error)
{
    const QString vlan = std::exchange(m_reselect, QString());
    if (vlan.isEmpty() || error.code != 0)
        return;
    if (QTreeWidgetItem *row = RowWithCaption(m_ui.list, vlan)) {
        m_ui.list->setCurrentItem(row);
        m_ui.list->scrollToItem(row);
        ListClick(); // the window's own selection is no click
    }
}
