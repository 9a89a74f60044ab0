#include "PanelForms.h"

TPanelTRV8170QLForm::TPanelTRV8170QLForm(QWidget *parent)
    : TPanelForm(TRV8170QLLayout, parent)
{
}

TPanelTRV8140PQLForm::TPanelTRV8140PQLForm(QWidget *parent)
    : TPanelForm(TRV8140PQLLayout, parent)
{
}

TPanelTRM6140QLiForm::TPanelTRM6140QLiForm(QWidget *parent)
    : TPanelForm(TRM6140QLiLayout, parent)
{
}

TPanelTRM6140QLForm::TPanelTRM6140QLForm(QWidget *parent)
    : TPanelForm(TRM6140QLLayout, parent)
{
}

TPanelTRM6040QLForm::TPanelTRM6040QLForm(QWidget *parent)
    : TPanelForm(TRM6040QLLayout, parent)
{
}

TPanelGenericForm::TPanelGenericForm(const QString &model, int portCount, QWidget *parent)
    : TPanelForm(GenericLayout(portCount), parent, model)
{
}
