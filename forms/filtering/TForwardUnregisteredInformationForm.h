#pragma once

#include "TForwardPortSetsForm.h"

#include <memory>

namespace Ui {
class TForwardUnregisteredInformationForm;
}

// The ports that forward the multicast frames of a VLAN no group has
// registered: those in use, the static ones and the forbidden ones, on three
// stack port grids.
class TForwardUnregisteredInformationForm : public TForwardPortSetsForm
{
    Q_OBJECT

public:
    explicit TForwardUnregisteredInformationForm(QWidget *owner);
    ~TForwardUnregisteredInformationForm() override;

private:
    std::unique_ptr<Ui::TForwardUnregisteredInformationForm> ui;
};
