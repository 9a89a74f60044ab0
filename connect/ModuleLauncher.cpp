#include "ModuleLauncher.h"

#include "SecretInput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QString ModuleName = QStringLiteral("trv8170ql");

// The pipe is filled before the module runs: its input must fit in the
// pipe's buffer (64 KiB on Linux; the secrets take a few hundred bytes).
constexpr qsizetype MaxInputBytes = 4096;

QString systemError(const QString &what)
{
    return QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno)));
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

QStringList ModuleHandover::arguments() const
{
    return {QStringLiteral("/I") + address, QLatin1String(ParametersOnStdinSwitch)};
}

QString ModuleProgram()
{
    const QFileInfo beside(QCoreApplication::applicationDirPath() + QLatin1Char('/') + ModuleName);
    if (beside.isExecutable())
        return beside.filePath();
    return QStringLiteral(TRV_PROGRAM_DIR "/") + ModuleName;
}

bool ExecModuleLauncher::launch(ModuleHandover &handover, QString *error)
{
    const auto fail = [&](const QString &why) {
        WipeBytes(handover.parameterInput);
        if (error)
            *error = why;
        return false;
    };
    const QString program = ModuleProgram();
    if (!QFileInfo(program).isExecutable())
        return fail(QStringLiteral("The module is missing: %1").arg(program));
    if (handover.parameterInput.size() > MaxInputBytes)
        return fail(QStringLiteral("The parameters for the module are too long."));

    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return fail(systemError(QStringLiteral("No pipe for the module")));
    const bool filled = writeAll(fds[1], handover.parameterInput);
    ::close(fds[1]);
    WipeBytes(handover.parameterInput);
    if (!filled) {
        ::close(fds[0]);
        return fail(systemError(QStringLiteral("The pipe for the module took no input")));
    }

    const QByteArray path = QFile::encodeName(program);
    QList<QByteArray> args {QFile::encodeName(ModuleName)};
    for (const QString &a : handover.arguments())
        args.append(a.toLocal8Bit());
    QList<char *> argv;
    for (QByteArray &a : args)
        argv.append(a.data());
    argv.append(nullptr);

    // A process started without standard input got the pipe's reading end
    // as descriptor 0 already; it only has to stay open across exec.
    const auto asInput = [](int fd) {
        return fd == STDIN_FILENO ? ::fcntl(fd, F_SETFD, 0) : ::dup2(fd, STDIN_FILENO);
    };
    const QString oldDirectory = QDir::currentPath();
    const int oldInput = ::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 0);
    if (!QDir::setCurrent(handover.configDirectory) || asInput(fds[0]) < 0) {
        const QString why = systemError(
            QStringLiteral("The module cannot start in %1").arg(handover.configDirectory));
        if (fds[0] != STDIN_FILENO)
            ::close(fds[0]);
        QDir::setCurrent(oldDirectory);
        if (oldInput >= 0)
            ::close(oldInput);
        return fail(why);
    }
    if (fds[0] != STDIN_FILENO)
        ::close(fds[0]);
    ::execv(path.constData(), argv.data());

    // Still here: the program could not run. Standard input and the working
    // directory are put back.
    const QString why = systemError(QStringLiteral("The module %1 did not start").arg(program));
    if (oldInput >= 0) {
        ::dup2(oldInput, STDIN_FILENO);
        ::close(oldInput);
    }
    QDir::setCurrent(oldDirectory);
    return fail(why);
}
