#pragma once

#include <QToolButton>

class QMenu;

// A port button of a front panel: a checkable tool button that shows the
// picture of its port connector, highlighted while pressed. Its port number
// is the dynamic property "tag".
class PortButton : public QToolButton
{
    Q_OBJECT

public:
    PortButton(QWidget *parent, const QRect &geometry, bool upperRow);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The dynamic property that numbers a port button.
inline constexpr char PortTagProperty[] = "tag";
// The dynamic property of the port menu naming the button it was last
// opened on (a QObject *); the menu's items act on that button.
inline constexpr char PopupComponentProperty[] = "PopupComponent";

int PortNumberOf(const QAbstractButton *button);

// Makes menu the popup menu of button: a right click records the button on
// the menu and opens it there.
void AttachPortMenu(QAbstractButton *button, QMenu *menu);
// The button the menu was last opened on, or null.
QAbstractButton *PopupComponent(const QMenu *menu);
