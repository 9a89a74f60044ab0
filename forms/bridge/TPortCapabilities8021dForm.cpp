#include "TPortCapabilities8021dForm.h"

#include "ui_TPortCapabilities8021dForm.h"

#include "BridgeVariables.h"

TPortCapabilities8021dForm::TPortCapabilities8021dForm(QWidget *owner)
    : TBridgePortTableForm(owner, PortCapabilityVars)
    , ui(std::make_unique<Ui::TPortCapabilities8021dForm>())
{
    ui->setupUi(this);
    SetControls(ui->LV_dot1dPortCapabilitiesEntry, ui->RefreshBtn, ui->Memo1, ui->ST_Count);
}

TPortCapabilities8021dForm::~TPortCapabilities8021dForm() = default;
