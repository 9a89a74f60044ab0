#include "HandLaidWindows.h"

namespace {
QStringList &names()
{
    static QStringList list;
    return list;
}
} // namespace

void HandLaidWindows::Add(const QString &className, WindowCommands::Command command)
{
    if (!names().contains(className))
        names().append(className);
    WindowCommands::Register(className, std::move(command));
}

QStringList HandLaidWindows::ClassNames()
{
    return names();
}
