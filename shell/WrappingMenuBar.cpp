#include "WrappingMenuBar.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionMenuItem>
#include <QTimer>

// One row: a menu bar in the window (never the platform's global menu) that
// tells how wide it makes an item. Its own Alt handling is left out: the
// wrapping bar decides which row Alt enters, and the row then holds the
// focus with an item highlighted, so Left, Right, Down and Escape work on
// it as on any menu bar. Left and Right past its ends go to the next row.
class WrappingMenuBar::Row : public QMenuBar
{
public:
    explicit Row(WrappingMenuBar *owner)
        : QMenuBar(owner)
        , m_owner(owner)
    {
        setNativeMenuBar(false);
    }

    int itemWidth(const QAction *action) const
    {
        QStyleOptionMenuItem option;
        initStyleOption(&option, action);
        const QSize text = fontMetrics().size(Qt::TextShowMnemonic, action->text());
        return style()->sizeFromContents(QStyle::CT_MenuBarItem, &option, text, this).width();
    }

    int metric(QStyle::PixelMetric m) const { return style()->pixelMetric(m, nullptr, this); }

    bool inKeyboardMode() const { return hasFocus() && activeAction(); }

    // Keyboard mode on this row with action highlighted: the row takes the
    // focus, which goes back to the control it came from when the row is
    // left. The item is highlighted as a pointer resting on it would, so no
    // menu opens.
    void highlight(QAction *action)
    {
        if (!hasFocus()) {
            QWidget *from = QApplication::focusWidget();
            m_returnFocus = from && !qobject_cast<QMenuBar *>(from) ? from : nullptr;
            setFocus(Qt::MenuBarFocusReason);
        }
        const QPoint at = actionGeometry(action).center();
        QMouseEvent hover(QEvent::MouseMove, QPointF(at), QPointF(mapToGlobal(at)), Qt::NoButton,
            Qt::NoButton, Qt::NoModifier);
        QMenuBar::mouseMoveEvent(&hover);
    }
    void step(int key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QMenuBar::keyPressEvent(&event);
        leaveIfDone();
    }
    // Once nothing is highlighted (Escape, a chosen command, a closed menu)
    // the focus goes back; the window may be inactive behind a dialog the
    // command opened, so it is the window's focus that is looked at.
    void leaveIfDone()
    {
        if (activeAction() || window()->focusWidget() != this)
            return;
        if (m_returnFocus)
            m_returnFocus->setFocus(Qt::MenuBarFocusReason);
        else
            clearFocus();
        m_returnFocus = nullptr;
    }
    QAction *end(int direction) const
    {
        QList<QAction *> shown;
        for (QAction *action : actions())
            if (action->isVisible() && !action->isSeparator())
                shown.append(action);
        if (shown.isEmpty())
            return nullptr;
        return direction > 0 ? shown.constLast() : shown.constFirst();
    }

protected:
    // The toolkit's own style lights a menu bar item only while it is
    // pressed, its menu open: an item a pointer rests on, or that the
    // keyboard highlights, looks like any other. In keyboard mode the
    // highlighted item is drawn as pressed, so the operator sees where Alt
    // or F10 went; the style's highlight colours make it readable in any
    // theme.
    void initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const override
    {
        QMenuBar::initStyleOption(option, action);
        if (hasFocus() && action == activeAction())
            option->state |= QStyle::State_Selected | QStyle::State_Sunken;
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride)
            return false;
        return QMenuBar::eventFilter(watched, event);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        int direction = 0;
        switch (event->key()) {
        case Qt::Key_Right:
        case Qt::Key_Tab:
            direction = isRightToLeft() ? -1 : 1;
            break;
        case Qt::Key_Left:
        case Qt::Key_Backtab:
            direction = isRightToLeft() ? 1 : -1;
            break;
        default:
            break;
        }
        if (direction != 0 && m_owner && m_owner->m_rows.size() > 1 && activeAction()
            && activeAction() == end(direction)) {
            event->accept();
            m_owner->cross(this, direction);
            return;
        }
        QMenuBar::keyPressEvent(event);
        leaveIfDone();
    }

private:
    WrappingMenuBar *m_owner = nullptr;
    QPointer<QWidget> m_returnFocus;
};

WrappingMenuBar::WrappingMenuBar(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    // Holds every menu, so it measures items and rows as a menu bar lays
    // them out. Not a child: screen readers would find every menu twice.
    m_measure = std::make_unique<Row>(nullptr);
    m_measure->setFont(font());
}

WrappingMenuBar::~WrappingMenuBar()
{
    if (m_altPressed)
        qApp->removeEventFilter(this);
}

QMenu *WrappingMenuBar::addMenu(const QString &title)
{
    auto *menu = new QMenu(title, this);
    // A menu closed by its command or by a click elsewhere leaves the row
    // with nothing highlighted; the focus goes back once it has.
    connect(menu, &QMenu::aboutToHide, this, [this] {
        QTimer::singleShot(0, this, [this] {
            for (Row *bar : std::as_const(m_rows))
                bar->leaveIfDone();
        });
    });
    m_menus.append(menu);
    addAction(menu->menuAction());
    m_measure->addAction(menu->menuAction());
    rearrange();
    return menu;
}

// The rows are filled once the widget has its width, when it is shown.
void WrappingMenuBar::rearrange()
{
    m_measure->setFont(font());
    m_starts.clear();
    updateGeometry();
    if (isVisible())
        arrange();
}

WrappingMenuBar::Row *WrappingMenuBar::row(int k)
{
    while (m_rows.size() <= k) {
        auto *bar = new Row(this);
        bar->setObjectName(QStringLiteral("MenuRow%1").arg(m_rows.size() + 1));
        m_rows.append(bar);
    }
    return m_rows.at(k);
}

QList<QMenuBar *> WrappingMenuBar::Rows() const
{
    QList<QMenuBar *> rows;
    for (Row *bar : m_rows)
        rows.append(bar);
    return rows;
}

// A menu bar lays its items out from its frame, margin and one spacing on,
// each item followed by a spacing; an item fits while it ends inside the
// frame. A row takes at least one item, however wide.
QList<int> WrappingMenuBar::rowStarts(int width) const
{
    const Row *measure = m_measure.get();
    const int frame = measure->metric(QStyle::PM_MenuBarPanelWidth);
    const int spacing = measure->metric(QStyle::PM_MenuBarItemSpacing);
    const int first = frame + measure->metric(QStyle::PM_MenuBarHMargin) + spacing;
    const int limit = width - frame;
    QList<int> starts;
    int x = first;
    for (qsizetype k = 0; k < m_menus.size(); ++k) {
        const QAction *action = m_menus.at(k)->menuAction();
        if (!action->isVisible())
            continue;
        const int w = measure->itemWidth(action);
        if (starts.isEmpty() || (x + w > limit && x > first)) {
            starts.append(int(k));
            x = first;
        }
        x += w + spacing;
    }
    if (starts.isEmpty())
        starts.append(0);
    return starts;
}

int WrappingMenuBar::RowCount(int width) const
{
    return int(rowStarts(width).size());
}

int WrappingMenuBar::RowHeight() const
{
    return m_measure->sizeHint().height();
}

int WrappingMenuBar::heightForWidth(int width) const
{
    return RowCount(width) * RowHeight();
}

QSize WrappingMenuBar::sizeHint() const
{
    // As wide as one row holding every menu.
    const Row *measure = m_measure.get();
    const int frame = measure->metric(QStyle::PM_MenuBarPanelWidth);
    const int spacing = measure->metric(QStyle::PM_MenuBarItemSpacing);
    int width = 2 * frame + measure->metric(QStyle::PM_MenuBarHMargin) + spacing;
    for (const QMenu *menu : m_menus)
        if (menu->menuAction()->isVisible())
            width += measure->itemWidth(menu->menuAction()) + spacing;
    return {width, heightForWidth(this->width())};
}

QSize WrappingMenuBar::minimumSizeHint() const
{
    return {0, RowHeight()};
}

void WrappingMenuBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrange();
}

void WrappingMenuBar::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    watchWindow();
    arrange();
}

void WrappingMenuBar::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        rearrange();
}

void WrappingMenuBar::arrange()
{
    const QList<int> starts = rowStarts(width());
    if (starts != m_starts) {
        for (Row *bar : std::as_const(m_rows))
            for (QAction *action : bar->actions())
                bar->removeAction(action);
        // Rows no longer needed go: a hidden one would still be a menu bar
        // to a screen reader.
        while (m_rows.size() > starts.size())
            delete m_rows.takeLast();
        for (qsizetype k = 0; k < starts.size(); ++k) {
            Row *bar = row(int(k));
            const qsizetype end = k + 1 < starts.size() ? starts.at(k + 1) : m_menus.size();
            for (qsizetype i = starts.at(k); i < end; ++i)
                bar->addAction(m_menus.at(i)->menuAction());
            bar->show();
        }
        if (starts.size() != m_starts.size())
            updateGeometry();
        m_starts = starts;
    }
    const int height = RowHeight();
    for (qsizetype k = 0; k < m_rows.size(); ++k)
        m_rows.at(k)->setGeometry(0, int(k) * height, width(), height);
}

// Alt and F10 reach the window when the focused control has no use for
// them, as they reach a single menu bar.
void WrappingMenuBar::watchWindow()
{
    QWidget *top = window();
    if (top == m_window || top == this)
        return;
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = top;
    m_window->installEventFilter(this);
}

bool WrappingMenuBar::eventFilter(QObject *watched, QEvent *event)
{
    const auto *key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress
            || event->type() == QEvent::KeyRelease
        ? static_cast<QKeyEvent *>(event)
        : nullptr;
    const bool alt = key && (key->key() == Qt::Key_Alt || key->key() == Qt::Key_Meta);
    if (m_altPressed) {
        // Alt alone, pressed and released with nothing in between, enters
        // or leaves; anything else in between is a shortcut or a click.
        switch (event->type()) {
        case QEvent::KeyPress:
            if (alt)
                return false;
            [[fallthrough]];
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::ActivationChange: {
            m_altPressed = false;
            qApp->removeEventFilter(this);
            if (alt && event->type() == QEvent::KeyRelease) {
                enterOrLeave();
                return true;
            }
            break;
        }
        default:
            break;
        }
        return false;
    }
    if (watched != m_window || !isVisible())
        return false;
    if (event->type() == QEvent::ShortcutOverride && alt
        && (key->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier) {
        m_altPressed = true;
        qApp->installEventFilter(this);
        return false;
    }
    if (event->type() == QEvent::KeyPress && key->key() == Qt::Key_F10
        && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        enterOrLeave();
        return true;
    }
    return false;
}

WrappingMenuBar::Row *WrappingMenuBar::keyboardRow() const
{
    for (Row *bar : m_rows)
        if (bar->inKeyboardMode())
            return bar;
    return nullptr;
}

void WrappingMenuBar::enterOrLeave()
{
    if (Row *bar = keyboardRow()) {
        bar->step(Qt::Key_Escape);
        return;
    }
    if (m_rows.isEmpty())
        return;
    if (QAction *first = m_rows.constFirst()->end(-1))
        m_rows.constFirst()->highlight(first);
}

void WrappingMenuBar::cross(Row *row, int direction)
{
    const qsizetype from = m_rows.indexOf(row);
    if (from < 0)
        return;
    const qsizetype count = m_rows.size();
    Row *target = m_rows.at((from + direction + count) % count);
    QAction *action = target->end(-direction);
    if (!action)
        return;
    // The open menu closes and the row is left, so the focus is back with
    // the control the operator came from before the next row takes it.
    QMenu *open = row->activeAction() ? row->activeAction()->menu() : nullptr;
    const bool wasOpen = open && open->isVisible();
    if (wasOpen)
        open->hide();
    if (row->hasFocus())
        row->step(Qt::Key_Escape);
    target->highlight(action);
    if (wasOpen)
        target->step(Qt::Key_Down);
}
