#pragma once

#include <QDialog>

// The small edit dialog of a dialog-edited table window. The list window
// creates it with itself as owner when it is made and keeps it until it
// closes: the dialog is shown modally any number of times in between and
// is never destroyed when it merely closes. Its mode says what it does:
// edit the selected row (key fields disabled) or add a row (key fields
// enabled, fields emptied); FormActivate prepares it for the mode before
// each showing. Like its list window it is scaled on large fonts and opens
// centred over its owner.
class TRowEditDialog : public QDialog
{
    Q_OBJECT

public:
    enum : int { EditRow = 1, AddRow = 2 };

    explicit TRowEditDialog(QWidget *listWindow);

    int Mode() const { return m_mode; }
    // Sets the mode, prepares the fields and shows the dialog modally.
    int ShowModal(int mode);
    // Scales the dialog on large fonts before it first shows.
    void setVisible(bool visible) override;

protected:
    virtual void FormActivate() = 0;
    // Input the dialog refuses: a modal message box, then the focus goes
    // to the field named; the dialog stays open and nothing is sent.
    void RefuseInput(const QString &text, QWidget *focus);

private:
    int m_mode = EditRow;
    bool m_scaled = false;
};

// The list window's answer to Delete without a selected row.
inline constexpr const char *ChooseItemFirst = "Choose the item first.";
