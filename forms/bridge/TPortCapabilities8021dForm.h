#pragma once

#include "TBridgePortTableForm.h"

#include <memory>

namespace Ui {
class TPortCapabilities8021dForm;
}

// The 802.1D extension capabilities of each port, read-only.
class TPortCapabilities8021dForm : public TBridgePortTableForm
{
    Q_OBJECT

public:
    explicit TPortCapabilities8021dForm(QWidget *owner);
    ~TPortCapabilities8021dForm() override;

private:
    std::unique_ptr<Ui::TPortCapabilities8021dForm> ui;
};
