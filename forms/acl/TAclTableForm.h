#pragma once

#include "THandLaidForm.h"

#include <QList>

class CvSNMPRequest2Edits;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;

// What the access-control windows share: a selective-write table window
// over one mask or rule table. The key edits take the selected row's index
// columns; with a row selected Edit and Delete are enabled and Add and the
// keys are not, with none the reverse. Every write leaves out the columns
// the window names, and the pane is cleared after it, as after a refresh.
class TAclTableForm : public THandLaidForm
{
    Q_OBJECT

public:
    explicit TAclTableForm(QWidget *owner);

    CvSNMPRequest2Edits *Request() const { return m_request; }

    void Refresh();
    void ListClick();
    // Ticks or clears every include box.
    void CheckAll(bool checked);

    static constexpr const char *EmptyEdit = "%1 should not be null.";
    static constexpr const char *HexLength = "%1 must be %2 hexadecimal digits.";
    static constexpr const char *NothingChecked = "Please check the fields to be set.";

protected:
    struct Pane
    {
        QTreeWidget *list = nullptr;
        QLabel *count = nullptr;
        QStatusBar *status = nullptr;
        QList<QLineEdit *> keys;
        QPushButton *edit = nullptr;
        QPushButton *add = nullptr;
        QPushButton *remove = nullptr;
        QComboBox *rowStatus = nullptr;
        QList<QLineEdit *> edits; // every edit of the pane, keys included
        QList<QCheckBox *> includes;
    };
    // Builds the request over vars and binds the list view; the window
    // binds its controls in bind, then the pane is cleared and read.
    void CreateTable(
        const CvSNMPVar *vars, int indexCount, const Pane &pane, const std::function<void()> &bind);
    // Runs after every refresh, write and list click.
    virtual void PaneChanged() { }

    bool Ready() const;
    // Refuses an empty edit with text, focus on it.
    bool Filled(QLineEdit *edit, const QString &text);
    // Refuses an edit that is not exactly octets*2 hexadecimal digits.
    bool HexOf(QLineEdit *edit, int octets, const QString &label);
    // Runs the edits' own format checks, as leaving them would.
    bool Accepted(const QList<QLineEdit *> &edits);
    // True when a row has the keys typed in the key edits.
    bool KeysTaken() const;
    // Writes the pane leaving out excluded, then resets it.
    void WriteRow(const QList<int> &excluded);
    // Destroys the row whose keys stand in the key edits: index and row
    // status alone are sent.
    void DeleteRow(int rowStatus, int varCount);

    CvSNMPRequest2Edits *m_request = nullptr;

private:
    void ShowNoSelection();
    void ClearPane();

    Pane m_pane;
    bool m_clearing = false;
};
