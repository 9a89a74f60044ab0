#pragma once

#include "TBridgePortTableForm.h"

#include <memory>

namespace Ui {
class TGARPForm;
}

// The GARP timers of each port (join, leave and leave-all, in
// centiseconds), read-only.
class TGARPForm : public TBridgePortTableForm
{
    Q_OBJECT

public:
    explicit TGARPForm(QWidget *owner);
    ~TGARPForm() override;

private:
    std::unique_ptr<Ui::TGARPForm> ui;
};
