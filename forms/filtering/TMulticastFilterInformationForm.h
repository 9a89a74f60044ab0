#pragma once

#include "TStaticFilterForm.h"

#include <memory>

namespace Ui {
class TMulticastFilterInformationForm;
}

// The static multicast filtering entries: Set writes the egress ports and
// status of the entry named by VID, MAC address and the selected entry's
// receive port, creating it when the agent has none, then reads the table
// again. With no entry selected the receive port is 0, any port. Each unit
// shows as many ports as its port range.
class TMulticastFilterInformationForm : public TStaticFilterForm
{
    Q_OBJECT

public:
    explicit TMulticastFilterInformationForm(QWidget *owner);
    ~TMulticastFilterInformationForm() override;

    void SetBtnClick();

private:
    std::unique_ptr<Ui::TMulticastFilterInformationForm> ui;
};
