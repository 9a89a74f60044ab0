#include "ListClicks.h"

#include "CvSNMPRequest2Edits.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTreeWidget>

namespace {

// Watches one list view for one handler; a child of the list view, so it
// ends with it.
class ListClickWatch : public QObject
{
public:
    ListClickWatch(CvSNMPRequest2Edits &request, QTreeWidget *list, QObject *context,
        std::function<void()> handler)
        : QObject(list)
        , m_request(&request)
        , m_list(list)
        , m_viewport(list->viewport())
        , m_context(context)
        , m_handler(std::move(handler))
    {
        list->installEventFilter(this);
        list->viewport()->installEventFilter(this);
        connect(list, &QTreeWidget::itemPressed, this, &ListClickWatch::rowPressed);
        connect(list, &QTreeWidget::itemSelectionChanged, this, [this] {
            if (m_keyPending)
                m_keyMoved = true;
        });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Only presses and keys are looked at: the list and its viewport
        // pass other events through here while they are being destroyed,
        // when the list is no longer a list.
        const QEvent::Type type = event->type();
        if ((type != QEvent::MouseButtonPress && type != QEvent::KeyPress) || !m_list)
            return false;
        if (watched == m_viewport && type == QEvent::MouseButtonPress) {
            const auto *press = static_cast<QMouseEvent *>(event);
            m_pressedSelection = selected();
            if (press->button() == Qt::LeftButton && !m_list->itemAt(press->position().toPoint())) {
                m_list->clearSelection();
                run();
            }
            return false;
        }
        if (watched == m_list && type == QEvent::KeyPress && !m_keyPending)
            return keyPress(event);
        return false;
    }

private:
    QTreeWidgetItem *selected() const
    {
        const QList<QTreeWidgetItem *> rows = m_list->selectedItems();
        return rows.isEmpty() ? nullptr : rows.first();
    }

    // The list moves its selection inside its own key handling: the key is
    // handed on from here, so that a change during it is known to be the
    // key's. The list offers a key it does not use to its parents itself.
    bool keyPress(QEvent *event)
    {
        const QPointer<ListClickWatch> self(this);
        m_keyPending = true;
        m_keyMoved = false;
        QCoreApplication::sendEvent(m_list, event);
        if (!self)
            return true;
        m_keyPending = false;
        event->accept();
        if (m_keyMoved)
            run();
        return true;
    }

    void rowPressed(QTreeWidgetItem *item)
    {
        // A press on the row already selected changes no selection: the
        // binding has not copied the row, which the pane may no longer show.
        if (m_request && item && item->isSelected() && item == m_pressedSelection)
            m_request->ShowSelectedRow();
        run();
    }

    void run()
    {
        if (m_context && m_handler)
            m_handler();
    }

    QPointer<CvSNMPRequest2Edits> m_request;
    QPointer<QTreeWidget> m_list;
    const QObject *m_viewport; // compared only
    QPointer<QObject> m_context;
    std::function<void()> m_handler;
    QTreeWidgetItem *m_pressedSelection = nullptr; // compared only, never used
    bool m_keyPending = false;
    bool m_keyMoved = false;
};

} // namespace

void OnListClick(CvSNMPRequest2Edits &request, QObject *context, std::function<void()> handler)
{
    if (request.listView)
        new ListClickWatch(request, request.listView, context, std::move(handler));
}
