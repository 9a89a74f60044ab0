#pragma once

#include "TStaticFilterForm.h"

#include <memory>

namespace Ui {
class TMulticastFilterInformationForm;
}

// The static multicast filtering entries: Set writes the selected entry's
// egress ports and status, then reads the table again. Each unit shows as
// many ports as its port range.
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
