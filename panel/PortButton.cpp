#include "PortButton.h"

#include "MainWindowState.h"
#include "PanelArt.h"

#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>

PortButton::PortButton(QWidget *parent, const QRect &geometry, bool upperRow)
    : QToolButton(parent)
{
    setGeometry(geometry);
    setCheckable(true);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    QIcon icon;
    icon.addPixmap(
        PortConnectorPixmap(geometry.size(), upperRow, false), QIcon::Normal, QIcon::Off);
    icon.addPixmap(PortConnectorPixmap(geometry.size(), upperRow, true), QIcon::Normal, QIcon::On);
    setIcon(icon);
    setIconSize(geometry.size());
}

// The picture is the whole button: no style frame around the connector,
// so it sits exactly on the port drawn in the front picture.
void PortButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(
        0, 0, icon().pixmap(size(), QIcon::Normal, isChecked() ? QIcon::On : QIcon::Off));
    if (underMouse() && isEnabled())
        painter.fillRect(rect(), QColor(255, 255, 255, 48));
    // The port the keyboard is on, visible on the dark front.
    if (hasFocus()) {
        painter.setPen(QPen(QColor(255, 214, 0), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// The button emits clicked inside the release; the modifiers are known
// for that time only.
void PortButton::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointer<PortButton> self(this);
    m_clickModifiers = event->modifiers();
    QToolButton::mouseReleaseEvent(event);
    if (self)
        m_clickModifiers = {};
}

void PortButton::keyReleaseEvent(QKeyEvent *event)
{
    const QPointer<PortButton> self(this);
    m_clickModifiers = event->modifiers();
    QToolButton::keyReleaseEvent(event);
    if (self)
        m_clickModifiers = {};
}

namespace {
// The port a range of Shift+click starts from: the last port clicked
// without Shift. One stack per program.
QPointer<QAbstractButton> rangeStart;
} // namespace

void PortButtonClicked(MainWindowState &main, QAbstractButton *button)
{
    const auto *port = qobject_cast<const PortButton *>(button);
    const Qt::KeyboardModifiers keys = port ? port->ClickModifiers() : Qt::KeyboardModifiers();
    const QList<QAbstractButton *> &buttons = main.PortButtons();
    const qsizetype from = buttons.indexOf(rangeStart.data());
    const qsizetype to = buttons.indexOf(button);
    if (keys & Qt::ShiftModifier && from >= 0 && to >= 0) {
        for (qsizetype k = 0; k < buttons.size(); ++k)
            buttons.at(k)->setChecked(k >= std::min(from, to) && k <= std::max(from, to));
        return;
    }
    rangeStart = button;
    // The click has pressed or released the button already.
    if (keys & (Qt::ControlModifier | Qt::ShiftModifier))
        return;
    main.PortButtonClick(button);
}

int PortNumberOf(const QAbstractButton *button)
{
    return button ? button->property(PortTagProperty).toInt() : 0;
}

void AttachPortMenu(QAbstractButton *button, QMenu *menu)
{
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(
        button, &QWidget::customContextMenuRequested, menu, [button, menu](const QPoint &pos) {
            menu->setProperty(PopupComponentProperty, QVariant::fromValue<QObject *>(button));
            menu->popup(button->mapToGlobal(pos));
        });
    // The menu never names a button that is gone.
    QObject::connect(button, &QObject::destroyed, menu, [button, menu] {
        if (menu->property(PopupComponentProperty).value<QObject *>() == button)
            menu->setProperty(PopupComponentProperty, QVariant());
    });
}

QAbstractButton *PopupComponent(const QMenu *menu)
{
    if (!menu)
        return nullptr;
    return qobject_cast<QAbstractButton *>(
        menu->property(PopupComponentProperty).value<QObject *>());
}
