#pragma once

#include "THandLaidForm.h"

#include "PortGrids.h"

class CvSNMPRequest2Edits;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTreeWidget;
class TStackingPortUitForm;
struct CvSNMPVar;

// A static filtering table (entries named by VLAN, MAC address and receive
// port) with one stack port grid for the entry's ports. The receive port has
// no field. Where entries are only listed and removed, the VID and MAC
// address fields show the selected entry and cannot be typed into, every
// write goes to the selected entry, and the grid and the status are enabled
// only while an entry is selected. Where entries are written, VID, MAC
// address, grid and status are always open, and a write goes to the entry
// they name with the selected entry's receive port.
class TStaticFilterForm : public THandLaidForm
{
    Q_OBJECT

public:
    enum class Entries { ListedAndRemoved, Written };

    // The controls of the window, made by its form resource.
    struct Controls
    {
        QTreeWidget *list = nullptr;
        QLineEdit *vid = nullptr;
        QLineEdit *address = nullptr;
        QComboBox *status = nullptr;
        QScrollArea *ports = nullptr;
        QPushButton *refresh = nullptr;
        QLabel *count = nullptr;
        QPlainTextEdit *memo = nullptr;
    };

    TStaticFilterForm(QWidget *owner, const CvSNMPVar *table, PortCountRule rule, Entries entries);
    ~TStaticFilterForm() override;

    TStackingPortUitForm *PortGrid() const { return m_grid; }
    CvSNMPRequest2Edits *Request() const { return m_request; }

    void RefreshBtnClick();
    void ListClick();

    static constexpr const char *ChooseItem = "Choose the item first.";

protected:
    void Attach(const Controls &controls);
    void FormCreate() override;
    // Empties the pane: no entry selected, grid unticked, fields empty.
    void ClearPane();
    // The entry a write goes to is selected and shown whole; otherwise the
    // operator is told to choose one and false is returned.
    bool EntryChosen();

    Controls m_ui;
    CvSNMPRequest2Edits *m_request = nullptr;

private:
    void enablePane(bool enabled);

    const CvSNMPVar *m_table;
    PortCountRule m_rule;
    Entries m_entries;
    TStackingPortUitForm *m_grid = nullptr;
    bool m_clearing = false;
};
