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
// The pane is in one of three states:
//  - cleared (no row selected): the VLAN ID can be typed and Add creates
//    that VLAN with the ports ticked; ports the grids do not show are 0;
//  - a row shown: its VLAN ID is read-only, Set writes the row and Delete
//    destroys it. Every box, shown or not, holds the bit read for the row,
//    so a Set writes back the ports the grids do not show as they were;
//  - a row that cannot be shown whole (a port list shorter than 96 octets):
//    the pane is cleared and nothing can be written until another row is
//    selected, so no port of another row stays on screen under its ID.
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
    void WriteDone(CvSNMPRequest2Controls *sender, const CvSNMPError &error);

    std::unique_ptr<Ui::TVlanStaticForm> ui;
    TStackingPortUitForm *m_egress = nullptr;
    TStackingPortUitForm *m_forbidden = nullptr;
    TStackingPortUitForm *m_untagged = nullptr;
    CvSNMPRequest2Edits *m_table = nullptr;
    CvSNMPRequest2Edits *m_nextFree = nullptr;
    Pane m_pane = Pane::Cleared;
    bool m_clearing = false;
};
