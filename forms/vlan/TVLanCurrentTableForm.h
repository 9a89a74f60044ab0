#pragma once

#include "THandLaidForm.h"

#include <memory>

class CvSNMPRequest2Edits;
class TStackingPortUitForm;

namespace Ui {
class TVLanCurrentTableForm;
}

// VLAN > 802.1Q > 802.1Q VLAN > Current Table: the VLANs in operation with
// their egress and untagged ports, read-only, and the number of VLANs
// deleted so far from a request of its own.
class TVLanCurrentTableForm : public THandLaidForm
{
    Q_OBJECT

public:
    explicit TVLanCurrentTableForm(QWidget *owner);
    ~TVLanCurrentTableForm() override;

    TStackingPortUitForm *EgressGrid() const { return m_egress; }
    TStackingPortUitForm *UntaggedGrid() const { return m_untagged; }
    CvSNMPRequest2Edits *TableRequest() const { return m_table; }

    void RefreshBtnClick();
    void LV_dot1qVlanCurrentEntryClick();

protected:
    void FormCreate() override;

private:
    void BuildPortGrids();
    void ClearPane();

    std::unique_ptr<Ui::TVLanCurrentTableForm> ui;
    TStackingPortUitForm *m_egress = nullptr;
    TStackingPortUitForm *m_untagged = nullptr;
    CvSNMPRequest2Edits *m_deletes = nullptr;
    CvSNMPRequest2Edits *m_table = nullptr;
    bool m_clearing = false;
};
