#include "HelpKey.h"

#include "HelpTopics.h"
#include "HelpWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaObject>
#include <QWidget>

namespace {

class HelpKeyFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_F1 || (key->modifiers() & ~Qt::KeypadModifier) != 0)
            return false;
        auto *w = static_cast<QWidget *>(watched);
        if (HelpWindow::Holds(w))
            return false;
        const QString page = Help::PageFor(HelpKeysOf(w));
        // A popup (a menu, the command finder) would keep the input.
        while (QWidget *popup = QApplication::activePopupWidget())
            if (!popup->close())
                break;
        HelpWindow::Show(w, page);
        return true;
    }
};

} // namespace

void InstallHelpKey()
{
    static const QString name = QStringLiteral("HelpKeyFilter");
    if (!qApp || qApp->findChild<QObject *>(name, Qt::FindDirectChildrenOnly))
        return;
    auto *filter = new HelpKeyFilter(qApp);
    filter->setObjectName(name);
    qApp->installEventFilter(filter);
}

QStringList HelpKeysOf(const QWidget *w)
{
    QStringList keys;
    for (const QWidget *x = w; x; x = x->parentWidget()) {
        if (x->isWindow()) {
            keys += Help::MenuPathKeys(x->property(Help::MenuPathProperty).toString());
            if (!x->windowTitle().isEmpty())
                keys.append(x->windowTitle());
        }
        for (const QMetaObject *m = x->metaObject(); m; m = m->superClass())
            keys.append(QString::fromLatin1(m->className()));
        if (!x->objectName().isEmpty())
            keys.append(x->objectName());
    }
    return keys;
}
