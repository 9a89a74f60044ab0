#include "TEnableMethodForm.h"

#include "ui_TEnableMethodForm.h"

#include "AuthVariables.h"

TEnableMethodForm::TEnableMethodForm(QWidget *owner)
    : TMethodListBase(owner, EnableMethodVars, {NameMissing, NameTaken})
    , ui(std::make_unique<Ui::TEnableMethodForm>())
{
    ui->setupUi(this);
    SetControls({ui->ListView1, ui->NameEdit,
        {ui->Type1ComboBox, ui->Type2ComboBox, ui->Type3ComboBox, ui->Type4ComboBox},
        {ui->ServerGroupEdit1, ui->ServerGroupEdit2, ui->ServerGroupEdit3, ui->ServerGroupEdit4},
        ui->RowComboBox, ui->GetButton, ui->EditButton, ui->AddButton, ui->DeleteButton,
        ui->StatusBar1, ui->StaticText1});
}

TEnableMethodForm::~TEnableMethodForm() = default;
