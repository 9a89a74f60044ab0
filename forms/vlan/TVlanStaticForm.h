#pragma once

#include "THandLaidForm.h"

#include <memory>

class CvSNMPRequest2Edits;
struct CvSNMPError;
class CvSNMPRequest2Controls;
class TStackingPortUitForm;

namespace Ui {
class TVlanStaticForm;
}

// VLAN > 802.1Q > 802.1Q VLAN > Static Table: the static VLANs with their
// egress, forbidden-egress and untagged ports on three stack port grids,
// and the next free VLAN id from a second request.
//
// The VLAN ID can always be typed: Add creates the VLAN it names with the
// ports the sheets show ticked, so a VLAN shown can be copied under a new
// ID. The pane is in one of three states:
//  - cleared (no row selected): Add only;
//  - a row shown: Set writes the row the VLAN ID names, Delete destroys the
//    selected row. Every box, shown or not, holds the bit read for the row,
//    so a Set writes back the ports the grids do not show as they were;
//  - a row that cannot be shown whole (a port list shorter than 96 octets):
//    the pane is cleared, so no port of another row stays on screen under
//    its ID; the row can still be deleted, which needs no port list.
// Whatever the state, the ports the sheets do not show are written for the
// VLAN the ID names as the list holds them for it, and as 0 for a VLAN it
// does not hold.
class TVlanStaticForm : public THandLaidForm
{
    Q_OBJECT

public:
    enum class Pane { Cleared, Row, Unreadable };

    explicit TVlanStaticForm(QWidget *owner);
    ~TVlanStaticForm() override;

    Pane PaneState() const { return m_pane; }
    TStackingPortUitForm *EgressGrid() const { return m_egress; }
    TStackingPortUitForm *ForbiddenGrid() const { return m_forbidden; }
    TStackingPortUitForm *UntaggedGrid() const { return m_untagged; }
    CvSNMPRequest2Edits *TableRequest() const { return m_table; }
    CvSNMPRequest2Edits *NextFreeRequest() const { return m_nextFree; }

    void RefreshBtnClick();
    void SetBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();
    void LV_dot1qVlanStaticEntryClick();
    void UTagCheckBoxClick(int box, bool checked);
    void EgressCheckBoxClick(int box, bool checked);

protected:
    void FormCreate() override;

private:
    void BuildPortGrids();
    void ClearPane();
    void ShowPane(Pane pane);
    void HiddenPortsFor(const QString &vlan);
    void WriteDone(CvSNMPRequest2Controls *sender, const CvSNMPError &error);

    std::unique_ptr<Ui::TVlanStaticForm> ui;
    TStackingPortUitForm *m_egress = nullptr;
    TStackingPortUitForm *m_forbidden = nullptr;
    TStackingPortUitForm *m_untagged = nullptr;
    CvSNMPRequest2Edits *m_table = nullptr;
    CvSNMPRequest2Edits *m_nextFree = nullptr;
    Pane m_pane = Pane::Cleared;
    bool m_clearing = false;
    bool m_addPending = false; // an Add awaits the agent's answer
};
