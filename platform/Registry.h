#pragma once

#include <QString>

#include <optional>

// The settings store that stands in for the system registry: an INI file
// whose sections are the described key paths ("\SOFTWARE\Corvane\...") and
// whose lines are the values of each key. The file is $TRV_REGISTRY when
// set, else /etc/trv8170ql/registry.ini of the installation the program runs
// from. A missing file or section is a key that does not open.

namespace Registry {

inline constexpr const char *HelpPathKey = "\\SOFTWARE\\Corvane\\Modules\\HelpPath";
inline constexpr const char *ExePathKey = "\\SOFTWARE\\Corvane\\Vantrel5.1\\ExePath";
inline constexpr const char *MibFileKey = "\\SOFTWARE\\Corvane\\Vantrel5.1\\MibFile";
inline constexpr const char *AppPathVantrel51Key
    = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\vantrel51.exe";
inline constexpr const char *AppPathVantrel5Key
    = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\vantrel5.exe";
inline constexpr const char *OpenViewKey = "\\SOFTWARE\\Hewlett-Packard\\OpenView";

QString StoreFileName();

// The store of the installation whose program directory is given: a program
// in ROOT/usr/lib/trv8170ql (an installed package, or one unpacked under
// ROOT) reads ROOT/etc/trv8170ql/registry.ini; any other (a build tree)
// reads /etc/trv8170ql/registry.ini.
QString StoreFileNameFor(const QString &programDirectory);

} // namespace Registry

// One opened key of the store. Reading goes to the file as it was when the
// key was opened.
class RegistryKey
{
public:
    // Opens a key; with create, a missing key is added to the store when
    // the store can be written, and the key opens empty even when it cannot.
    static std::optional<RegistryKey> Open(const QString &path, bool create = false);

    bool ValueExists(const QString &name) const;
    QString ReadString(const QString &name) const; // a missing value reads as empty

    const QString &path() const { return m_path; }

private:
    RegistryKey(QString path, QString fileName);

    QString m_path;
    QString m_fileName;
};
