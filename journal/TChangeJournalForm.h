#pragma once

#include "CvJournalRows.h"

#include <QDialog>
#include <QList>

class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The "Change Journal" window: every change of the session, newest first,
// one row per operator action that unfolds into its objects when it wrote
// several. A filter keeps the rows holding its text; Copy (Ctrl+C) puts the
// selected rows (all shown ones when none is selected) on the clipboard as
// tab-separated text; "Save As..." writes the whole journal as CSV or JSON
// where the operator chooses; Undo sets the selected change back after
// reading what the switch holds now. The list follows the journal while
// the window is open.
class TChangeJournalForm : public QDialog
{
    Q_OBJECT

public:
    explicit TChangeJournalForm(QWidget *owner);
    ~TChangeJournalForm() override;

    // Opens the journal over owner, modally.
    static void Open(QWidget *owner);

    void UndoBtnClick();
    void CopyBtnClick();
    void SaveAsBtnClick();

    // The entry of the row selected; 0 for none.
    int SelectedEntry() const;
    // The rows Copy takes.
    QList<CvJournalRow> RowsToCopy() const;

    static constexpr const char *CsvFilter = "CSV files (*.csv)";
    static constexpr const char *JsonFilter = "JSON files (*.json)";

private:
    void refill();
    void applyFilter();
    void fillEntry(QTreeWidgetItem *item, const CvJournalEntry &entry);
    void updateButtons();
    void saveTo(const QString &file, bool json);
    void showMessage(const QString &text);

    QLineEdit *m_filter = nullptr;
    QTreeWidget *m_list = nullptr;
    QPushButton *m_undo = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_saveAs = nullptr;
    bool m_busy = false; // an undo reads or writes
};
