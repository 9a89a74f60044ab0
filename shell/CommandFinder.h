#pragma once

#include <QFrame>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

class QAction;
class QLineEdit;
class QListWidget;

// The command finder of the main window: Ctrl+K opens a small search field
// over every command of the menu tree. A command matches when every word
// typed begins a word of its menu path ("static" finds "VLAN > 802.1Q >
// 802.1Q VLAN > Static Table"); matches whose own caption holds more of the
// words come first, then menu order. Up and Down choose, Enter runs the
// chosen command's own menu action, as a click on the item would, and
// Escape closes. A disabled command is listed greyed and refused, as its
// menu item is. The finder reads the menu tree each time it opens and
// changes nothing in it; the window's commands without a menu item (the
// change journal) follow the menu's.
class CommandFinder : public QFrame
{
    Q_OBJECT

public:
    // menuRoot: the widget whose actions are the top-level menus.
    CommandFinder(QWidget *window, QWidget *menuRoot);

    struct Command
    {
        QString path; // captions joined by " > "
        QPointer<QAction> action;
        QStringList words; // of the path, lower case
        QStringList captionWords; // of the command's own caption
    };

    // A command of the window that has no menu item, listed under its
    // caption after the menu's.
    void AddCommand(QAction *action);

    void Open();
    // The commands that match text, best first; every command for no text.
    QList<Command> Matches(const QString &text) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void collect();
    void refill();
    void choose(int row);
    void run();

    QPointer<QWidget> m_menuRoot;
    QLineEdit *m_edit = nullptr;
    QListWidget *m_list = nullptr;
    QList<QPointer<QAction>> m_extra; // commands without a menu item
    QList<Command> m_commands; // in menu order, then the others
    QList<Command> m_shown; // the rows of the list
};
