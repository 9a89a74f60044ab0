#include "ModuleSettings.h"

#include <QDir>
#include <QFile>

namespace {

bool writeFile(const QString &path, const QByteArray &text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}

} // namespace

bool WriteModuleSettings(const QString &dir, quint16 port)
{
    const QDir top(dir);
    if (!top.mkpath(QStringLiteral("conf")))
        return false;
    const QString store = top.filePath(QStringLiteral("registry.ini"));
    if (!writeFile(store,
            QStringLiteral("[\\SOFTWARE\\Corvane\\Vantrel5.1\\MibFile]\nPath=%1/\n")
                .arg(top.filePath(QStringLiteral("conf")))
                .toUtf8()))
        return false;
    qputenv("TRV_REGISTRY", store.toLocal8Bit());
    return WriteAgentConfig(dir, port);
}

bool WriteAgentConfig(const QString &dir, quint16 port)
{
    return writeFile(QDir(dir).filePath(QStringLiteral("conf/127.0.0.1.cfg")),
        QStringLiteral("[Program Information]\nAgentPort=%1\nVersion=1\nSecurityModel=3\n"
                       "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n")
            .arg(port)
            .toUtf8());
}
