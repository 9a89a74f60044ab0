#include "TGARPForm.h"

#include "ui_TGARPForm.h"

#include "BridgeVariables.h"

TGARPForm::TGARPForm(QWidget *owner)
    : TBridgePortTableForm(owner, PortGarpVars)
    , ui(std::make_unique<Ui::TGARPForm>())
{
    ui->setupUi(this);
    SetControls(ui->LV_dot1dPortGarpEntry, ui->RefreshBtn, ui->Memo1, ui->ST_Count);
}

TGARPForm::~TGARPForm() = default;
