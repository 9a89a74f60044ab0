#pragma once

#include "THandLaidForm.h"

#include <memory>

class CvSNMPRequest2Controls;
class CvSNMPRequest2Edits;
struct CvSNMPError;

namespace Ui {
class TVLanGeneralInfoForm;
}

// VLAN > 802.1Q > 802.1Q Bridge > Basic Configure: the bridge's 802.1Q
// scalars; only the GVRP status is written, and read again after a write.
class TVLanGeneralInfoForm : public THandLaidForm
{
    Q_OBJECT

public:
    explicit TVLanGeneralInfoForm(QWidget *owner);
    ~TVLanGeneralInfoForm() override;

    CvSNMPRequest2Edits *Request() const { return m_request; }

    void RefreshBtnClick();
    void SetBtnClick();

protected:
    void FormCreate() override;

private:
    void WriteDone(CvSNMPRequest2Controls *sender, const CvSNMPError &error);

    std::unique_ptr<Ui::TVLanGeneralInfoForm> ui;
    CvSNMPRequest2Edits *m_request = nullptr;
};
