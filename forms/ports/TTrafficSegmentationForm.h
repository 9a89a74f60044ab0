#pragma once

#include "THandLaidForm.h"

#include <memory>

class CvSNMPRequest2Edits;
class TStackingPortUitForm;

namespace Ui {
class TTrafficSegmentationForm;
}

// Layer 2 Management > Traffic Segmentation Table: the ports each port may
// forward to, one row per port, its forward ports on a stack grid. Set
// writes the selected row only; while a walk runs (until it ends or Stop
// ends it) Refresh and Set answer "Refresh not complete".
class TTrafficSegmentationForm : public THandLaidForm
{
    Q_OBJECT

public:
    explicit TTrafficSegmentationForm(QWidget *owner);
    ~TTrafficSegmentationForm() override;

    TStackingPortUitForm *ForwardGrid() const { return m_grid; }
    CvSNMPRequest2Edits *Request() const { return m_request; }

    void BT_GetClick();
    void BT_SetClick();
    void StopBtnClick();
    void LV_TrafficForwardClick();

    static constexpr const char *NotComplete = "Refresh not complete";

protected:
    void FormCreate() override;

private:
    bool refreshComplete();
    void forgetRow();

    std::unique_ptr<Ui::TTrafficSegmentationForm> ui;
    TStackingPortUitForm *m_grid = nullptr;
    CvSNMPRequest2Edits *m_request = nullptr;
};
