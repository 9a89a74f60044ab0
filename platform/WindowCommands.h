#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The windows a menu command opens, registered by the folders that build
// them: generated windows under their title, fixed-layout windows under
// their class name. The main window looks commands up when its menu is
// built; a command nobody registered stays disabled.
namespace WindowCommands {

using Command = std::function<void()>;

void Register(const QString &target, Command command);
Command Find(const QString &target);
// Every registered target, sorted; for tools that open every window in turn.
QStringList Targets();

} // namespace WindowCommands
