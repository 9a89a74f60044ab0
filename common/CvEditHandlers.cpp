#include "CvEditHandlers.h"

#include <QFocusEvent>
#include <QLineEdit>

CvEditHandlers::CvEditHandlers(QLineEdit *edit)
    : QObject(edit)
    , m_edit(edit)
{
    setObjectName(QStringLiteral("cvEditHandlers"));
    connect(edit, &QLineEdit::textChanged, this, [this] {
        // A copy: the handler may replace itself while it runs.
        const Handler handler = onChange;
        if (handler)
            handler(m_edit);
    });
    edit->installEventFilter(this);
}

CvEditHandlers *CvEditHandlers::For(QLineEdit *edit)
{
    if (CvEditHandlers *existing = Find(edit))
        return existing;
    return new CvEditHandlers(edit); // owned by the edit
}

CvEditHandlers *CvEditHandlers::Find(const QLineEdit *edit)
{
    return edit->findChild<CvEditHandlers *>(
        QStringLiteral("cvEditHandlers"), Qt::FindDirectChildrenOnly);
}

bool CvEditHandlers::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::FocusOut) {
        // Leaving for another control only: a window losing activation (a
        // message box appearing, another program) or a popup menu is no exit.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            const Handler handler = onExit;
            if (handler)
                handler(m_edit);
        }
    }
    return QObject::eventFilter(watched, event);
}

int EditTag(const QObject *control)
{
    return control->property("tag").toInt();
}

void SetEditTag(QObject *control, int tag)
{
    control->setProperty("tag", tag);
}
