#include "TLoginMethodListForm.h"

#include "ui_TLoginMethodListForm.h"

#include "AuthVariables.h"

TLoginMethodListForm::TLoginMethodListForm(QWidget *owner)
    : TMethodListBase(owner, LoginMethodVars, {NameMissing, NameTaken})
    , ui(std::make_unique<Ui::TLoginMethodListForm>())
{
    ui->setupUi(this);
    SetControls({ui->ListView1, ui->ListnameEdit,
        {ui->ComboBoxType1, ui->ComboBoxType2, ui->ComboBoxType3, ui->ComboBoxType4},
        {ui->Server1Edit, ui->Server2Edit, ui->Server3Edit, ui->Server4Edit}, ui->RowComboBox,
        ui->GetButton, ui->EditButton, ui->AddButton, ui->DeleteButton, ui->StatusBar1,
        ui->StaticText1});
}

TLoginMethodListForm::~TLoginMethodListForm() = default;
