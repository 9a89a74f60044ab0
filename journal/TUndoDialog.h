#pragma once

#include "CvJournalUndo.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Shows what an undo would write, object by object: what the switch holds
// now and what it gets. An object that still holds what was written is
// ticked; one that holds something else is named above the list and left
// unticked, so nothing is written for it unless the operator ticks it;
// one that cannot be set back says why. Undo writes the ticked objects.
class TUndoDialog : public QDialog
{
    Q_OBJECT

public:
    TUndoDialog(CvUndoPlan plan, QWidget *owner);

    // The plan with the operator's choices.
    const CvUndoPlan &Plan() const { return m_plan; }

private:
    void itemChanged(QTreeWidgetItem *item, int column);

    CvUndoPlan m_plan;
    QLabel *m_summary = nullptr;
    QTreeWidget *m_list = nullptr;
    QPushButton *m_write = nullptr;
};
