#include "ListViews.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <QTreeWidget>

void FollowRowCount(QTreeWidget *list, QLabel *count)
{
    // Counted on the model: it also signals while the list is being
    // destroyed, when the list is no longer a tree widget.
    QAbstractItemModel *model = list->model();
    const auto show = [model, count] { count->setText(QString::number(model->rowCount())); };
    QObject::connect(model, &QAbstractItemModel::rowsInserted, count, show);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, count, show);
    QObject::connect(model, &QAbstractItemModel::modelReset, count, show);
    show();
}

QTreeWidgetItem *RowWithCaption(const QTreeWidget *list, const QString &caption)
{
    for (int r = 0; r < list->topLevelItemCount(); ++r)
        if (list->topLevelItem(r)->text(0) == caption)
            return list->topLevelItem(r);
    return nullptr;
}

QString SelectedCaption(const QTreeWidget *list)
{
    const QList<QTreeWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text(0);
}

int ColumnCaptioned(const QTreeWidget *list, const QString &caption)
{
    const QTreeWidgetItem *header = list->headerItem();
    for (int c = 0; c < header->columnCount(); ++c)
        if (header->text(c) == caption)
            return c;
    return -1;
}
