#include "ExternalView.h"

#include "LocalPath.h"
#include "ProcessWatch.h"
#include "Registry.h"
#include "ViewSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

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

ViewCommand MakeViewCommand(
    const QString &view, const StartupState &state, const CvSNMPSessionDefaults &defaults)
{
    ViewCommand command;
    command.family = ViewFamily(view);
    // The view ends when the module does: it watches this process.
    command.arguments = QStringList {view, QLatin1String(SessionOnStdinSwitch),
        QLatin1String(EndWithSwitch) + ProcessIdentity::Self().ToText()};
    ViewSession session = ViewSession::FromModule(state, defaults);
    command.session = session.ToJson();
    session.Wipe();
    return command;
}

namespace {

QString executableIn(const QString &directory, const QString &name)
{
    if (directory.isEmpty())
        return QString();
    const QFileInfo file(QDir(directory).filePath(name));
    return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
}

// The directory of the host's programs the settings store names.
QString storedProgramDirectory()
{
    for (const char *key : {Registry::AppPathVantrel51Key, Registry::AppPathVantrel5Key}) {
        if (const auto paths = RegistryKey::Open(QLatin1String(key))) {
            const QString path = paths->ReadString(QStringLiteral("Path"));
            if (!path.isEmpty())
                return LocalPath(path);
        }
    }
    return QString();
}

} // namespace

QString ViewProgram(const QString &family, const QString &ownDirectory)
{
    // A family is a plain name; anything with a separator names no program.
    if (family.isEmpty() || family.contains(QLatin1Char('/')) || family.contains(QLatin1Char('\\'))
        || family.startsWith(QLatin1Char('.')))
        return QString();
    const QString own = executableIn(ownDirectory, family);
    return own.isEmpty() ? executableIn(storedProgramDirectory(), family) : own;
}

bool StartWithInput(const QString &program, const QStringList &arguments, const QByteArray &input)
{
    // The whole input goes into the pipe's buffer before the program starts
    // and the write end is closed: the program reads it to its end, and no
    // other process ever holds the pipe. An input the buffer cannot take is
    // refused rather than waited for.
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return false;
    ::fcntl(fds[1], F_SETFL, O_NONBLOCK);
    qsizetype written = 0;
    while (written < input.size()) {
        const ssize_t n
            = ::write(fds[1], input.constData() + written, size_t(input.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += n;
    }
    ::close(fds[1]);
    if (written != input.size()) {
        ::close(fds[0]);
        return false;
    }
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    const int readEnd = fds[0];
    // The started process opens the pipe anew as its standard input, through
    // the descriptor's name; the descriptor itself closes on exec.
    process.setStandardInputFile(QStringLiteral("/dev/fd/%1").arg(readEnd));
    const bool started = process.startDetached();
    ::close(readEnd);
    return started;
}

void StartViewCommand(const ViewCommand &command)
{
    const QString program = ViewProgram(command.family, QCoreApplication::applicationDirPath());
    if (program.isEmpty())
        return;
    StartWithInput(program, command.arguments, command.session);
}
