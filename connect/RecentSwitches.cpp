#include "RecentSwitches.h"

#include "CvIniDocument.h"
#include "PrivateFiles.h"

namespace RecentSwitches {

namespace {

QString sectionName(int k)
{
    return QStringLiteral("Switch %1").arg(k + 1);
}

} // namespace

QList<SwitchProfile> Load(const QString &configDirectory)
{
    const CvIniDocument doc
        = CvIniDocument::ReadFile(configDirectory + QLatin1Char('/') + QLatin1String(FileName));
    QList<SwitchProfile> list;
    for (int k = 0; k < MaxEntries && doc.HasSection(sectionName(k)); ++k) {
        const QString section = sectionName(k);
        const auto text
            = [&](const char *key) { return doc.Value(section, key).value_or(QString()); };
        const auto number = [&](const char *key, int def) {
            bool ok = false;
            const int n = text(key).toInt(&ok);
            return ok ? n : def;
        };
        SwitchProfile p;
        p.address = text("Address");
        p.port = quint16(number("Port", 0));
        p.version = quint8(number("Version", 1));
        p.securityLevel = number("SecurityLevel", 1);
        p.user = text("User");
        p.authProtocol = number("AuthProtocol", 1);
        p.privProtocol = number("PrivProtocol", 1);
        p.context = text("Context");
        p.getBulk = number("GetBulk", 1) != 0;
        p.secretsRemembered = number("SecretsInKeyring", 0) != 0;
        if (!p.address.isEmpty() && p.port != 0)
            list.append(p);
    }
    return list;
}

QList<SwitchProfile> WithOnTop(QList<SwitchProfile> list, const SwitchProfile &profile)
{
    list.removeIf([&](const SwitchProfile &p) { return p.address == profile.address; });
    list.prepend(profile);
    return list.mid(0, MaxEntries);
}

bool Save(const QString &configDirectory, const QList<SwitchProfile> &list, QString *error)
{
    CvIniDocument doc;
    for (int k = 0; k < list.size() && k < MaxEntries; ++k) {
        const SwitchProfile &p = list[k];
        const QString section = sectionName(k);
        doc.AddSection(section);
        const auto set = [&](const char *key, const QString &value) {
            doc.SetValue(section, QLatin1String(key), value);
        };
        set("Address", p.address);
        set("Port", QString::number(p.port));
        set("Version", QString::number(p.version));
        set("SecurityLevel", QString::number(p.securityLevel));
        set("User", p.user);
        set("AuthProtocol", QString::number(p.authProtocol));
        set("PrivProtocol", QString::number(p.privProtocol));
        set("Context", p.context);
        set("GetBulk", p.getBulk ? QStringLiteral("1") : QStringLiteral("0"));
        set("SecretsInKeyring", p.secretsRemembered ? QStringLiteral("1") : QStringLiteral("0"));
    }
    return WritePrivateFile(
        configDirectory + QLatin1Char('/') + QLatin1String(FileName), doc.Serialize(), error);
}

} // namespace RecentSwitches
