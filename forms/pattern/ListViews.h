#pragma once

#include <QString>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// The count box of a table window follows its list view: rows reach the
// view in batches while a walk runs, and the box shows the number of rows
// after every batch, every clear and every removal.
void FollowRowCount(QTreeWidget *list, QLabel *count);

// The first row whose first column reads caption, or null.
QTreeWidgetItem *RowWithCaption(const QTreeWidget *list, const QString &caption);

// The first column of the selected row; empty without a selection.
QString SelectedCaption(const QTreeWidget *list);

// The column of the list captioned caption, -1 when there is none.
int ColumnCaptioned(const QTreeWidget *list, const QString &caption);
