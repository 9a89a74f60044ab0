#pragma once

#include "THandLaidForm.h"

#include <memory>

class CvSNMPRequest2Edits;
class TStackingPortUitForm;

namespace Ui {
class TPortTrunkForm;
}

// Layer 2 Management > Port Trunk Table: trunk groups of two to eight
// member ports of the stack, one of them the master, typed as unit and port.
// The pane is a new group (Index editable) after Refresh, Set and Delete,
// and the selected group (Index read-only) while a row is selected. The
// visible state box mirrors the hidden row-status box the table is bound
// to; Delete sends the type and the destroy status alone.
class TPortTrunkForm : public THandLaidForm
{
    Q_OBJECT

public:
    explicit TPortTrunkForm(QWidget *owner);
    ~TPortTrunkForm() override;

    TStackingPortUitForm *MemberGrid() const { return m_grid; }
    CvSNMPRequest2Edits *Request() const { return m_request; }

    void BT_GetClick();
    void BT_AddClick();
    void SetBtnClick();
    void BT_DeleteClick();
    void LV_PortTrunkClick();
    void Combo_StateChange();

    static constexpr const char *IndexEmpty = "The index should not be empty.";
    static constexpr const char *IndexTaken = "The Index must be different!";
    static constexpr const char *UnitEmpty = "The Unit should not be empty.";
    static constexpr const char *PortEmpty = "The Port should not be empty.";
    static constexpr const char *NoType = "Please choose trunk type.";
    static constexpr const char *MasterTaken = "The master port must be different!";
    static constexpr const char *MasterUnchecked = "Master port must be checked.";
    static constexpr const char *OverEight = "The trunk member can't over eight!";
    static constexpr const char *UnderTwo = "You must choose at least two members!";
    static constexpr const char *NoGroup = "Please select trunk group.";

protected:
    void FormCreate() override;

private:
    void newGroupPane();
    int masterPort();
    bool CheckTrunkMembers();
    void setState(const QString &text);

    std::unique_ptr<Ui::TPortTrunkForm> ui;
    TStackingPortUitForm *m_grid = nullptr;
    CvSNMPRequest2Edits *m_request = nullptr;
};
