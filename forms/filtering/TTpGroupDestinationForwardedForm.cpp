#include "TTpGroupDestinationForwardedForm.h"

#include "ui_TTpGroupDestinationForwardedForm.h"

#include "CvSNMPRequest2Edits.h"
#include "FilteringVariables.h"
#include "ListClicks.h"
#include "ListViews.h"
#include "PortGrids.h"
#include "TStackingPortUitForm.h"

TTpGroupDestinationForwardedForm::TTpGroupDestinationForwardedForm(QWidget *owner)
    : THandLaidForm(owner)
    , ui(std::make_unique<Ui::TTpGroupDestinationForwardedForm>())
{
    ui->setupUi(this);
    connect(ui->RefreshBtn, &QPushButton::clicked, this,
        &TTpGroupDestinationForwardedForm::RefreshBtnClick);
}

TTpGroupDestinationForwardedForm::~TTpGroupDestinationForwardedForm() = default;

void TTpGroupDestinationForwardedForm::FormCreate()
{
    const QList<TStackingPortUitForm *> grids = BuildPortGrids(
        this, {ui->EgressScrollBox, ui->LearntScrollBox},
        [this](const QString &text) { ui->Memo1->appendPlainText(text); },
        [this] { return Closed(); });
    if (Closed() || grids.size() != 2)
        return;
    m_egress = grids.at(0);
    m_learnt = grids.at(1);
    m_request = AddRequest(TpGroupVars, MVT_UMV, 2);
    const QString bits = TStackingPortUitForm::BitList();
    Run(m_request, [&] {
        m_request->BindListView(ui->LV_dot1qTpGroupEntry, true);
        OnListClick(*m_request, this, &TTpGroupDestinationForwardedForm::ListClick);
        m_request->BindCheckBoxList(TpGroup::EgressPorts, bits, m_egress->PortCheckBoxes);
        m_request->BindCheckBoxList(TpGroup::LearntPorts, bits, m_learnt->PortCheckBoxes);
        m_request->SetMessageTarget(ui->Memo1);
        m_request->Read();
    });
    ClearPane();
}

void TTpGroupDestinationForwardedForm::ClearPane()
{
    m_clearing = true;
    ui->LV_dot1qTpGroupEntry->clearSelection();
    m_clearing = false;
    for (TStackingPortUitForm *grid : {m_egress, m_learnt})
        if (grid) {
            grid->UncheckAll();
            grid->setEnabled(false);
        }
}

// A group whose port sets are not whole port lists is not shown, rather
// than mixed with the bits of the group shown before.
void TTpGroupDestinationForwardedForm::ListClick()
{
    if (m_clearing || !m_request)
        return;
    const CvSNMPVarList &vars = m_request->request.varList;
    if (ui->LV_dot1qTpGroupEntry->selectedItems().isEmpty()
        || !HoldsWholePortList(vars, TpGroup::EgressPorts)
        || !HoldsWholePortList(vars, TpGroup::LearntPorts)) {
        ClearPane();
        return;
    }
    m_egress->setEnabled(true);
    m_learnt->setEnabled(true);
}

void TTpGroupDestinationForwardedForm::RefreshBtnClick()
{
    if (AnyBusy() || !m_request)
        return;
    Run(m_request, [this] { m_request->Read(); });
    ClearPane();
}
