#include "WindowCommands.h"

#include <QHash>

namespace {
QHash<QString, WindowCommands::Command> &commands()
{
    static QHash<QString, WindowCommands::Command> table;
    return table;
}
} // namespace

void WindowCommands::Register(const QString &target, Command command)
{
    commands().insert(target, std::move(command));
}

WindowCommands::Command WindowCommands::Find(const QString &target)
{
    return commands().value(target);
}

QStringList WindowCommands::Targets()
{
    QStringList targets = commands().keys();
    targets.sort();
    return targets;
}
