#include "TMulticastForwardingInformationForm.h"

#include "ui_TMulticastForwardingInformationForm.h"

#include "FilteringVariables.h"

TMulticastForwardingInformationForm::TMulticastForwardingInformationForm(QWidget *owner)
    : TForwardPortSetsForm(owner, ForwardAllVars)
    , ui(std::make_unique<Ui::TMulticastForwardingInformationForm>())
{
    ui->setupUi(this);
    Attach({ui->LV_dot1qForwardUnregisteredEntry, ui->PortsScrollBox, ui->StaticScrollBox,
        ui->ForbiddenScrollBox, ui->RefreshBtn, ui->SetBtn, ui->ST_Count, ui->Memo1});
}

TMulticastForwardingInformationForm::~TMulticastForwardingInformationForm() = default;
