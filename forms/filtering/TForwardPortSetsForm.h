#pragma once

#include "THandLaidForm.h"

#include <QString>

class CvSNMPRequest2Controls;
class CvSNMPRequest2Edits;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTreeWidget;
class TStackingPortUitForm;
struct CvSNMPError;
struct CvSNMPVar;

// A per-VLAN table of three port sets (in use, static, forbidden), one
// stack port grid each. The grids are enabled only while a VLAN is selected
// and show that VLAN's sets; Set writes the static and forbidden sets of the
// selected VLAN and shows it again once the table has been read again.
// Without a selected VLAN nothing is written.
class TForwardPortSetsForm : public THandLaidForm
{
    Q_OBJECT

public:
    // The controls of the window, made by its form resource.
    struct Controls
    {
        QTreeWidget *list = nullptr;
        QScrollArea *inUse = nullptr;
        QScrollArea *statics = nullptr;
        QScrollArea *forbidden = nullptr;
        QPushButton *refresh = nullptr;
        QPushButton *set = nullptr;
        QLabel *count = nullptr;
        QPlainTextEdit *memo = nullptr;
    };

    TForwardPortSetsForm(QWidget *owner, const CvSNMPVar *table);
    ~TForwardPortSetsForm() override;

    TStackingPortUitForm *InUseGrid() const { return m_inUse; }
    TStackingPortUitForm *StaticGrid() const { return m_static; }
    TStackingPortUitForm *ForbiddenGrid() const { return m_forbidden; }
    CvSNMPRequest2Edits *Request() const { return m_request; }

    void RefreshBtnClick();
    void SetBtnClick();
    void ListClick();

    static constexpr const char *ChooseItem = "Choose the item first.";

protected:
    // Called by the derived constructor once its form resource is set up.
    void Attach(const Controls &controls);
    void FormCreate() override;

private:
    void ClearPane();
    void ReadDone(CvSNMPRequest2Controls *sender, const CvSNMPError &error);
    void WriteDone(CvSNMPRequest2Controls *sender, const CvSNMPError &error);

    const CvSNMPVar *m_table;
    Controls m_ui;
    TStackingPortUitForm *m_inUse = nullptr;
    TStackingPortUitForm *m_static = nullptr;
    TStackingPortUitForm *m_forbidden = nullptr;
    CvSNMPRequest2Edits *m_request = nullptr;
    QString m_reselect; // the VLAN written, shown again after the read
    bool m_clearing = false;
};
