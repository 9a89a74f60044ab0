#pragma once

#include "THandLaidForm.h"

#include <memory>

class CvSNMPRequest2Edits;
class TStackingPortUitForm;

namespace Ui {
class TTpGroupDestinationForwardedForm;
}

// The multicast groups the switch has learned, per VLAN, read-only: a
// selected group's egress ports and the ports that registered it show on
// two stack port grids, enabled only while a group is selected.
class TTpGroupDestinationForwardedForm : public THandLaidForm
{
    Q_OBJECT

public:
    explicit TTpGroupDestinationForwardedForm(QWidget *owner);
    ~TTpGroupDestinationForwardedForm() override;

    TStackingPortUitForm *EgressGrid() const { return m_egress; }
    TStackingPortUitForm *LearntGrid() const { return m_learnt; }
    CvSNMPRequest2Edits *Request() const { return m_request; }

    void RefreshBtnClick();
    void ListClick();

protected:
    void FormCreate() override;

private:
    void ClearPane();

    std::unique_ptr<Ui::TTpGroupDestinationForwardedForm> ui;
    TStackingPortUitForm *m_egress = nullptr;
    TStackingPortUitForm *m_learnt = nullptr;
    CvSNMPRequest2Edits *m_request = nullptr;
    bool m_clearing = false;
};
