#include "TForwardUnregisteredInformationForm.h"

#include "ui_TForwardUnregisteredInformationForm.h"

#include "FilteringVariables.h"

TForwardUnregisteredInformationForm::TForwardUnregisteredInformationForm(QWidget *owner)
    : TForwardPortSetsForm(owner, ForwardUnregisteredVars)
    , ui(std::make_unique<Ui::TForwardUnregisteredInformationForm>())
{
    ui->setupUi(this);
    Attach({ui->LV_dot1qForwardUnregisteredEntry, ui->PortsScrollBox, ui->StaticScrollBox,
        ui->ForbiddenScrollBox, ui->RefreshBtn, ui->SetBtn, ui->ST_Count, ui->Memo1});
}

TForwardUnregisteredInformationForm::~TForwardUnregisteredInformationForm() = default;
