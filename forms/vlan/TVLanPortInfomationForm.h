#pragma once

#include "THandLaidForm.h"

#include <memory>

class CvSNMPRequest2Controls;
class CvSNMPRequest2Edits;
struct CvSNMPError;

namespace Ui {
class TVLanPortInfomationForm;
}

// VLAN > 802.1Q > 802.1Q Bridge > Ports Information: each port's PVID,
// acceptable frame types, ingress filtering and GVRP state. The edit pane
// is enabled once a port is selected; after a Set the same port is selected
// again when the table has been read anew.
class TVLanPortInfomationForm : public THandLaidForm
{
    Q_OBJECT

public:
    explicit TVLanPortInfomationForm(QWidget *owner);
    ~TVLanPortInfomationForm() override;

    CvSNMPRequest2Edits *Request() const { return m_request; }

    void RefreshBtnClick();
    void SetBtnClick();

protected:
    void FormCreate() override;

private:
    void WriteDone(CvSNMPRequest2Controls *sender, const CvSNMPError &error);
    void ReadDone(CvSNMPRequest2Controls *sender, const CvSNMPError &error);

    std::unique_ptr<Ui::TVLanPortInfomationForm> ui;
    CvSNMPRequest2Edits *m_request = nullptr;
    QString m_reselect; // the port to select after the read that follows a Set
};
