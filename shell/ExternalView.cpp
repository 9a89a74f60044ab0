#include "ExternalView.h"

#include "Registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

QString ViewFamily(const QString &view)
{
    const qsizetype underscore = view.indexOf(QLatin1Char('_'));
    if (underscore < 2)
        return QString();
    return view.mid(2, underscore - 2);
}

QString ViewInstallationStatus()
{
    if (RegistryKey::Open(QLatin1String(Registry::AppPathVantrel51Key))
        || RegistryKey::Open(QLatin1String(Registry::AppPathVantrel5Key)))
        return QString();
    if (const auto openView = RegistryKey::Open(QLatin1String(Registry::OpenViewKey))) {
        if (openView->ReadString(QStringLiteral("OV_PATH")).isEmpty())
            return QStringLiteral("OpenView : File Path Error!");
        return QString();
    }
    return QStringLiteral("No Path!");
}

QString MakeViewCommand(
    const QString &view, const StartupState &state, const CvSNMPSessionDefaults &defaults)
{
    QString command = ViewFamily(view) + QStringLiteral(" /I") + state.AgentAddress
        + QStringLiteral(" /R") + state.ReadCommunity + QStringLiteral(" /W") + state.WriteCommunity
        + QLatin1Char(' ') + view;
    const CvSNMPSecurity &s = defaults.security;
    const bool v3
        = (state.ConfigFound && state.ConfigVersion == QLatin1String("3")) || s.version == 3;
    if (!v3)
        return command;
    command += QStringLiteral(" /t") + QString::number(defaults.device.port);
    command += QStringLiteral(" /v") + QString::number(s.version);
    command += QStringLiteral(" /d") + defaults.scope.contextEngineId;
    command += QStringLiteral(" /m") + QString::number(s.securityModel);
    command += QStringLiteral(" /n") + s.securityName;
    command += QStringLiteral(" /c") + defaults.scope.contextName;
    command += QStringLiteral(" /l") + QString::number(s.securityLevel);
    command += QStringLiteral(" /a") + QString::number(quint32(s.authProtocol));
    command += QStringLiteral(" /A") + s.authPassword;
    command += QStringLiteral(" /p") + QString::number(quint32(s.privProtocol));
    command += QStringLiteral(" /P") + s.privPassword;
    return command;
}

QStringList SplitCommandLine(const QString &command)
{
    return command.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString ViewProgram(const QString &name, const QString &ownDirectory)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return name;
    const QFileInfo own(QDir(ownDirectory).filePath(name));
    if (!ownDirectory.isEmpty() && own.isFile() && own.isExecutable())
        return own.absoluteFilePath();
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? name : found;
}

void StartCommandLine(const QString &command)
{
    QStringList parts = SplitCommandLine(command);
    if (parts.isEmpty())
        return;
    const QString program = ViewProgram(parts.takeFirst(), QCoreApplication::applicationDirPath());
    QProcess::startDetached(program, parts);
}
