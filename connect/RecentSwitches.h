#pragma once

#include "SwitchProfile.h"

#include <QList>
#include <QString>

// The switches the operator connected to, newest first, kept in the file
// "recent-switches" of the configuration directory: what a profile holds and
// whether the keyring has the secrets, never a secret.
namespace RecentSwitches {

inline constexpr int MaxEntries = 10;
inline constexpr const char *FileName = "recent-switches";

// The list as saved; empty when there is none. Entries that do not read
// back as a switch are left out.
QList<SwitchProfile> Load(const QString &configDirectory);

// The list with profile on top; an older entry of the same address gives
// way (one configuration file per address), the oldest beyond MaxEntries
// fall off.
QList<SwitchProfile> WithOnTop(QList<SwitchProfile> list, const SwitchProfile &profile);

bool Save(const QString &configDirectory, const QList<SwitchProfile> &list, QString *error);

} // namespace RecentSwitches
