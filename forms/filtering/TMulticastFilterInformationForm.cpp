#include "TMulticastFilterInformationForm.h"

#include "ui_TMulticastFilterInformationForm.h"

#include "CvSNMPRequest2Edits.h"
#include "FilteringVariables.h"

TMulticastFilterInformationForm::TMulticastFilterInformationForm(QWidget *owner)
    : TStaticFilterForm(owner, StaticMulticastVars, PortCountRule::PortRange)
    , ui(std::make_unique<Ui::TMulticastFilterInformationForm>())
{
    ui->setupUi(this);
    Attach({ui->LV_dot1qStaticMulticastEntry, ui->ED_MulticastVID, ui->ED_MACAddress, ui->Status,
        ui->PortsScrollBox, ui->RefreshBtn, ui->ST_Count, ui->Memo1});
    connect(ui->SetBtn, &QPushButton::clicked, this, &TMulticastFilterInformationForm::SetBtnClick);
}

TMulticastFilterInformationForm::~TMulticastFilterInformationForm() = default;

void TMulticastFilterInformationForm::SetBtnClick()
{
    if (AnyBusy() || !m_request || !EntryChosen())
        return;
    Run(m_request, [this] { m_request->Write(true, true); });
    ClearPane();
}
