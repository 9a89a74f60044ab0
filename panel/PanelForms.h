#pragma once

#include "TPanelForm.h"

// The front-panel windows by model. Each only picks its layout.

class TPanelTRV8170QLForm : public TPanelForm
{
    Q_OBJECT

public:
    explicit TPanelTRV8170QLForm(QWidget *parent);
};

class TPanelTRV8140PQLForm : public TPanelForm
{
    Q_OBJECT

public:
    explicit TPanelTRV8140PQLForm(QWidget *parent);
};

class TPanelTRM6140QLiForm : public TPanelForm
{
    Q_OBJECT

public:
    explicit TPanelTRM6140QLiForm(QWidget *parent);
};

class TPanelTRM6140QLForm : public TPanelForm
{
    Q_OBJECT

public:
    explicit TPanelTRM6140QLForm(QWidget *parent);
};

// The older 24-port TRM front; no model string selects it.
class TPanelTRM6040QLForm : public TPanelForm
{
    Q_OBJECT

public:
    explicit TPanelTRM6040QLForm(QWidget *parent);
};

// The front of a unit whose model selects none of the windows above: its
// port count from the unit table, its model name printed on the front.
class TPanelGenericForm : public TPanelForm
{
    Q_OBJECT

public:
    TPanelGenericForm(const QString &model, int portCount, QWidget *parent);
};
