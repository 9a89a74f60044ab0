#include "WrappingMenuBar.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionMenuItem>

// One row: a menu bar in the window (never the platform's global menu) that
// tells how wide it makes an item.
class WrappingMenuBar::Row : public QMenuBar
{
public:
    explicit Row(QWidget *parent)
        : QMenuBar(parent)
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
};

WrappingMenuBar::WrappingMenuBar(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    // Never shown: holds every menu, so it measures items and rows as a
    // menu bar lays them out.
    m_measure = new Row(this);
    m_measure->hide();
}

QMenu *WrappingMenuBar::addMenu(const QString &title)
{
    auto *menu = new QMenu(title, this);
    m_menus.append(menu);
    addAction(menu->menuAction());
    m_measure->addAction(menu->menuAction());
    rearrange();
    return menu;
}

// The rows are filled once the widget has its width, when it is shown.
void WrappingMenuBar::rearrange()
{
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
        bar->hide();
        m_rows.append(bar);
    }
    return m_rows.at(k);
}

QList<QMenuBar *> WrappingMenuBar::Rows() const
{
    QList<QMenuBar *> rows;
    for (qsizetype k = 0; k < m_starts.size() && k < m_rows.size(); ++k)
        rows.append(m_rows.at(k));
    return rows;
}

// A menu bar lays its items out from its frame, margin and one spacing on,
// each item followed by a spacing; an item fits while it ends inside the
// frame. A row takes at least one item, however wide.
QList<int> WrappingMenuBar::rowStarts(int width) const
{
    const Row *measure = m_measure;
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
    const Row *measure = m_measure;
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
        for (Row *bar : std::as_const(m_rows)) {
            for (QAction *action : bar->actions())
                bar->removeAction(action);
            bar->hide();
        }
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
    for (qsizetype k = 0; k < m_starts.size(); ++k)
        m_rows.at(k)->setGeometry(0, int(k) * height, width(), height);
}
