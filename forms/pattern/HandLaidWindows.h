#pragma once

#include "MainWindowState.h"
#include "WindowCommands.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

// Menu commands of the hand-laid windows. Each window class is registered
// under its class name, the argument of its menu item; the command makes
// the window with the main window as owner, keeps it as the open instance
// of its class, shows it modally and destroys it when the modal loop ends.
namespace HandLaidWindows {

// The open instance of a window class, null while none is open.
template <class Window> QPointer<Window> &Instance()
{
    static QPointer<Window> open;
    return open;
}

template <class Window> void Open()
{
    MainWindowState *main = MainWindowState::instance();
    QWidget *owner = main ? main->MainWindow() : nullptr;
    // Owned by the main window; deleted here as soon as it has closed, and
    // the pointer is null if the owner took it along meanwhile.
    const QPointer<Window> window = new Window(owner);
    Instance<Window>() = window;
    window->exec();
    delete window.data();
}

// Adds the class name to the list below and registers the command.
void Add(const QString &className, WindowCommands::Command command);

template <class Window> void Register(const char *className)
{
    Add(QString::fromLatin1(className), &Open<Window>);
}

// Every class name registered, in registration order.
QStringList ClassNames();

} // namespace HandLaidWindows

// Registers every hand-laid window; called before the main window builds
// its menu, so their items are enabled.
void RegisterHandLaidWindows();
