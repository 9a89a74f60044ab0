#include "ListViews.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <QPointer>
#include <QTreeWidget>

void FollowRowCount(QTreeWidget *list, QLabel *count)
{
    const QPointer<QTreeWidget> view(list);
    const auto show = [view, count] {
        if (view)
            count->setText(QString::number(view->topLevelItemCount()));
    };
    QAbstractItemModel *model = list->model();
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
