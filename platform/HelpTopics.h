#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>

// Which help page serves a window. A window is known by keys: the menu path
// of a generated window, window titles, class names and object names (see
// HelpKeysOf). The first key that has a row in HelpTopicTable picks the page;
// a window that no key names gets the contents page.
struct HelpTopic
{
    const char *key;
    const char *page; // "vlans.html#static": a page of the help folder, an anchor on it
};

extern const HelpTopic HelpTopicTable[];
extern const std::size_t HelpTopicCount;

namespace Help {

// The contents page of the help folder.
inline constexpr char ContentsPage[] = "index.html";
// The dynamic property that carries a generated window's menu path
// ("SNMP V3 > User-based Security Model > User Table").
inline constexpr char MenuPathProperty[] = "helpMenuPath";

// The page of the first key that has a topic; the contents page when none has.
QString PageFor(const QStringList &keys);
// A menu path and the paths of its menus, most specific first:
// "A > B > C", "A > B", "A".
QStringList MenuPathKeys(const QString &menuPath);

} // namespace Help
