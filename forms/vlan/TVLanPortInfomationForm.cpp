#include "TVLanPortInfomationForm.h"

#include "ui_TVLanPortInfomationForm.h"

#include "CvSNMPRequest2Edits.h"
#include "ListViews.h"
#include "VlanVariables.h"

TVLanPortInfomationForm::TVLanPortInfomationForm(QWidget *owner)
    : THandLaidForm(owner)
    , ui(std::make_unique<Ui::TVLanPortInfomationForm>())
{
    ui->setupUi(this);
    connect(ui->RefreshBtn, &QPushButton::clicked, this, &TVLanPortInfomationForm::RefreshBtnClick);
    connect(ui->SetBtn, &QPushButton::clicked, this, &TVLanPortInfomationForm::SetBtnClick);
    FollowRowCount(ui->LV_dot1qPortVlanEntry, ui->ST_Count);
}

TVLanPortInfomationForm::~TVLanPortInfomationForm() = default;

void TVLanPortInfomationForm::FormCreate()
{
    using namespace PortVlan;
    m_request = AddRequest(PortVlanVars, MVT_FMV, 1);
    connect(
        m_request, &CvSNMPRequest2Controls::OnWriteDone, this, &TVLanPortInfomationForm::WriteDone);
    connect(
        m_request, &CvSNMPRequest2Controls::OnReadDone, this, &TVLanPortInfomationForm::ReadDone);
    Run(m_request, [this] {
        m_request->BindListView(ui->LV_dot1qPortVlanEntry, true);
        m_request->BindEdit(Pvid, QStringLiteral("%i{}"), ui->PortVLanID);
        m_request->BindComboBox(AcceptableFrameTypes, ui->AcceptableFrameTypes);
        m_request->BindComboBox(IngressFiltering, ui->IngressFiltering);
        m_request->BindComboBox(GvrpStatus, ui->GvrpStatus);
        m_request->SetMessageTarget(ui->Memo1);
        m_request->Read();
    });
    ui->PortVLanID->clear();
}

void TVLanPortInfomationForm::RefreshBtnClick()
{
    if (AnyBusy() || !m_request)
        return;
    m_reselect.clear();
    Run(m_request, [this] { m_request->Read(); });
}

void TVLanPortInfomationForm::SetBtnClick()
{
    if (AnyBusy() || !m_request)
        return;
    const QString port = SelectedCaption(ui->LV_dot1qPortVlanEntry);
    if (port.isEmpty())
        return; // the pane is disabled without a port; nothing to address
    m_reselect = port;
    if (!Run(m_request, [this] { m_request->Write(true, true); }))
        m_reselect.clear();
}

void TVLanPortInfomationForm::WriteDone(CvSNMPRequest2Controls *, const CvSNMPError &error)
{
    if (error.code != 0)
        m_reselect.clear(); // no read follows
}

// Selecting the row puts it into the edit pane again; a port that is gone
// leaves the pane empty.
void TVLanPortInfomationForm::ReadDone(CvSNMPRequest2Controls *, const CvSNMPError &error)
{
    const QString port = std::exchange(m_reselect, QString());
    if (port.isEmpty() || error.code != 0)
        return;
    if (QTreeWidgetItem *row = RowWithCaption(ui->LV_dot1qPortVlanEntry, port)) {
        ui->LV_dot1qPortVlanEntry->setCurrentItem(row);
        ui->LV_dot1qPortVlanEntry->scrollToItem(row);
    } else {
        ui->PortVLanID->clear();
    }
}
