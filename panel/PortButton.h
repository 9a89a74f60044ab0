#pragma once

#include <QToolButton>

class MainWindowState;
class QMenu;

// A port button of a front panel: a checkable tool button that shows the
// picture of its port connector, highlighted while pressed. Its port number
// is the dynamic property "tag".
class PortButton : public QToolButton
{
    Q_OBJECT

public:
    PortButton(QWidget *parent, const QRect &geometry, bool upperRow);

    // The modifier keys held for the click being handled (a mouse click or
    // Space); none for a click the program makes.
    Qt::KeyboardModifiers ClickModifiers() const { return m_clickModifiers; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    Qt::KeyboardModifiers m_clickModifiers;
};

// A click on a port button: a plain click presses that port alone (the
// main window's PortButtonClick); with Ctrl the port joins the ports
// pressed or leaves them; with Shift the ports from the one last clicked
// to this one, in stack order, are pressed and the others released.
void PortButtonClicked(MainWindowState &main, QAbstractButton *button);

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
