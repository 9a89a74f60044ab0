#pragma once

#include "TForwardPortSetsForm.h"

#include <memory>

namespace Ui {
class TMulticastForwardingInformationForm;
}

// The ports that forward every multicast group of a VLAN: those in use, the
// static ones and the forbidden ones, on three stack port grids.
class TMulticastForwardingInformationForm : public TForwardPortSetsForm
{
    Q_OBJECT

public:
    explicit TMulticastForwardingInformationForm(QWidget *owner);
    ~TMulticastForwardingInformationForm() override;

private:
    std::unique_ptr<Ui::TMulticastForwardingInformationForm> ui;
};
