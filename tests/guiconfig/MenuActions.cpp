#include "MenuActions.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include <algorithm>

QAction *FindMenuAction(QWidget *root, const QStringList &path)
{
    QList<QAction *> actions = root->actions();
    QAction *found = nullptr;
    for (const QString &caption : path) {
        const auto at = std::find_if(actions.cbegin(), actions.cend(),
            [&caption](const QAction *a) { return a->text() == caption; });
        if (at == actions.cend())
            return nullptr;
        found = *at;
        actions = found->menu() ? found->menu()->actions() : QList<QAction *>();
    }
    return found;
}
