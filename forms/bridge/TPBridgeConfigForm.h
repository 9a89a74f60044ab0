#pragma once

#include "THandLaidForm.h"

#include <memory>

class CvSNMPRequest2Edits;

namespace Ui {
class TPBridgeConfigForm;
}

// 802.1P Basic Configure: the bridge's extended capabilities (read-only)
// and its traffic-class switch, one scalar request each, so that one
// failing leaves the other working. Set writes the switch alone; Refresh
// reads both.
class TPBridgeConfigForm : public THandLaidForm
{
    Q_OBJECT

public:
    explicit TPBridgeConfigForm(QWidget *owner);
    ~TPBridgeConfigForm() override;

    CvSNMPRequest2Edits *CapabilityRequest() const { return m_capabilities; }
    CvSNMPRequest2Edits *TrafficClassRequest() const { return m_classes; }

    void BT_GetClick();
    void BT_SetClick();

protected:
    void FormCreate() override;

private:
    void read(CvSNMPRequest2Edits *request);

    std::unique_ptr<Ui::TPBridgeConfigForm> ui;
    CvSNMPRequest2Edits *m_capabilities = nullptr;
    CvSNMPRequest2Edits *m_classes = nullptr;
};
