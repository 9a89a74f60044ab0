// trv8170ql-config: saves a switch's settings to a text file, compares a
// file with the switch or with another file, and restores a file's values
// in a safe order, through the module's engine.
#include "ConfigOptions.h"
#include "CvException.h"
#include "CvRestorePlan.h"
#include "CvSnapshotCompare.h"
#include "CvSnapshotReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t interrupted = 0;

void onInterrupt(int)
{
    interrupted = 1;
}

QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

int fail(const QString &why)
{
    err() << "trv8170ql-config: " << why << Qt::endl;
    return 2;
}

// A secret left off the command line: asked for on the terminal without
// echo, or the next line of standard input.
QString askSecret(const QString &prompt)
{
    std::string line;
    if (isatty(STDIN_FILENO)) {
        err() << prompt << ": " << Qt::flush;
        termios old {};
        tcgetattr(STDIN_FILENO, &old);
        termios quiet = old;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
        char buffer[512] = {};
        if (fgets(buffer, sizeof buffer, stdin))
            line = buffer;
        tcsetattr(STDIN_FILENO, TCSANOW, &old);
        err() << Qt::endl;
    } else {
        char buffer[512] = {};
        if (fgets(buffer, sizeof buffer, stdin))
            line = buffer;
    }
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    return QString::fromStdString(line);
}

std::optional<CvSnapshot> readFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    QString why;
    auto snapshot = CvSnapshot::FromText(file.readAll(), &why);
    if (!snapshot)
        *error = path + QStringLiteral(": ") + why;
    return snapshot;
}

// Reads the switch, with progress on a terminal; Ctrl+C stops it.
std::optional<CvSnapshot> readSwitch(bool secrets, QString *error)
{
    CvSnapshotReader reader;
    QEventLoop loop;
    QObject::connect(&reader, &CvSnapshotReader::Finished, &loop, &QEventLoop::quit);
    const bool terminal = isatty(STDERR_FILENO);
    QObject::connect(&reader, &CvSnapshotReader::Progress, &loop,
        [terminal](int done, int total, const QString &window) {
            if (terminal && !window.isEmpty())
                err() << QStringLiteral("\r\033[Kreading %1/%2 %3")
                             .arg(done + 1)
                             .arg(total)
                             .arg(window)
                      << Qt::flush;
        });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &reader, [&reader] {
        if (interrupted)
            reader.Cancel();
    });
    poll.start(100);
    reader.Start(secrets);
    if (reader.IsBusy())
        loop.exec();
    if (terminal)
        err() << "\r\033[K" << Qt::flush;
    if (!reader.Error().isEmpty()) {
        *error = reader.Error() == QLatin1String("stopped")
            ? QStringLiteral("stopped before the whole switch was read; nothing was written")
            : QStringLiteral("reading the switch failed: ") + reader.Error();
        return std::nullopt;
    }
    return reader.Result();
}

bool writeSnapshot(const CvSnapshot &s, const QString &path, QString *error)
{
    const QByteArray text = s.ToText();
    if (path.isEmpty() || path == QLatin1String("-")) {
        out() << QString::fromUtf8(text) << Qt::flush;
        return true;
    }
    QFile file(path);
    // A file holding secrets is the operator's alone from its first byte.
    const mode_t old = s.secrets ? umask(077) : umask(022);
    const bool opened = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    umask(old);
    if (!opened) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    if (s.secrets)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(text) != text.size()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool confirm(const QString &question)
{
    if (!isatty(STDIN_FILENO))
        return false;
    err() << question << " [y/N] " << Qt::flush;
    char buffer[32] = {};
    return fgets(buffer, sizeof buffer, stdin) && (buffer[0] == 'y' || buffer[0] == 'Y');
}

int restore(const ConfigCommand &c, const CvSnapshot &saved)
{
    QString error;
    const auto now = readSwitch(saved.secrets, &error);
    if (!now)
        return fail(error);
    const CvSnapshotComparison comparison = CompareSnapshots(saved, *now);
    CvRestoreSelection selection;
    selection.removeRows = !c.keepRows;
    CvRestoreGuard guard = SessionRestoreGuard();
    GuardManagementInterface(guard, *now, SessionDefaults().device.address);
    QList<CvRestoreStep> steps = PlanRestore(comparison, selection, guard);
    if (steps.isEmpty()) {
        out() << "The switch holds the file's values; nothing to restore." << Qt::endl;
        return 0;
    }
    for (int i = 0; i < steps.size(); ++i) {
        const CvRestoreStep &step = steps.at(i);
        out() << QStringLiteral("%1. %2, %3").arg(i + 1).arg(step.window, step.text) << Qt::endl;
        out() << QStringLiteral("   set %1").arg(step.Bindings()) << Qt::endl;
        if (!step.access.isEmpty())
            out() << QStringLiteral("   needs --confirm-access: %1").arg(step.access) << Qt::endl;
    }
    if (c.dryRun)
        return 0;
    if (!c.confirmAccess) {
        // What reaches the switch is changed only when confirmed; the steps
        // that depend on one left out go with it.
        const QList<CvLeftOutStep> left = UnconfirmedSteps(steps);
        for (const CvLeftOutStep &l : left)
            err() << QStringLiteral("left out: %1. %2, %3\n   because %4")
                         .arg(l.step + 1)
                         .arg(steps.at(l.step).window, steps.at(l.step).text, l.why)
                  << Qt::endl;
        if (!left.isEmpty())
            err() << QStringLiteral("%1 step(s) left out; give --confirm-access to send them")
                         .arg(left.size())
                  << Qt::endl;
        for (auto it = left.crbegin(); it != left.crend(); ++it)
            steps.removeAt(it->step);
    }
    if (!c.yes && !confirm(QStringLiteral("Send these %1 set requests?").arg(steps.size())))
        return fail(QStringLiteral("nothing sent: confirm with --yes, or answer y on a terminal"));
    const CvRestoreResult result = RunRestore(steps, [&steps](int i, const QString &why) {
        out() << QStringLiteral("%1 %2, %3")
                     .arg(why.isEmpty() ? QStringLiteral("done:") : QStringLiteral("FAILED:"),
                         steps.at(i).window, steps.at(i).text)
              << Qt::endl;
        if (!why.isEmpty())
            out() << "   " << why << Qt::endl;
    });
    if (result.failed >= 0)
        err() << QStringLiteral("step %1 failed; the %2 step(s) after it were not sent, the %3 "
                                "before it were")
                     .arg(result.failed + 1)
                     .arg(steps.size() - result.failed - 1)
                     .arg(result.done)
              << Qt::endl;
    const auto after = readSwitch(saved.secrets, &error);
    if (!after)
        return fail(error);
    const CvSnapshotComparison still = CompareSnapshots(saved, *after);
    if (!still.IsEmpty()) {
        out() << "Still different from the file:" << Qt::endl;
        for (const QString &line : still.Lines())
            out() << line << Qt::endl;
    }
    if (result.failed >= 0)
        return 2;
    return still.IsEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    if (arguments.contains(QLatin1String("-h")) || arguments.contains(QLatin1String("--help"))) {
        out() << ConfigUsage();
        return 0;
    }
    QString error;
    std::optional<ConfigCommand> parsed = ParseConfigCommand(arguments, &error);
    if (!parsed) {
        err() << ConfigUsage();
        return fail(error);
    }
    ConfigCommand c = *parsed;
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);

    std::optional<CvSnapshot> saved;
    if (!c.files.isEmpty()) {
        saved = readFile(c.files.first(), &error);
        if (!saved)
            return fail(error);
    }
    if (c.command == QLatin1String("diff") && QFileInfo(c.host).isFile()) {
        const auto later = readFile(c.host, &error);
        if (!later)
            return fail(error);
        const CvSnapshotComparison comparison = CompareSnapshots(*saved, *later);
        for (const QString &line : comparison.Lines())
            out() << line << Qt::endl;
        return comparison.IsEmpty() ? 0 : 1;
    }

    CvSNMPSecurity &s = c.session.security;
    if (s.version == 3) {
        if (s.securityLevel >= 2 && !c.authGiven)
            s.authPassword
                = askSecret(QStringLiteral("authentication pass phrase of ") + s.securityName);
        if (s.securityLevel >= 3 && !c.privGiven)
            s.privPassword = askSecret(QStringLiteral("privacy pass phrase of ") + s.securityName);
    }
    // The engine's boots counter lives where the module keeps its settings.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/trv8170ql");
    QDir().mkpath(folder);
    QFile::setPermissions(
        folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    try {
        StartSession(folder);
    } catch (const CvException &e) {
        return fail(e.message());
    }
    SessionDefaults() = c.session;

    if (c.command == QLatin1String("save")) {
        const auto snapshot = readSwitch(c.secrets, &error);
        if (!snapshot || !writeSnapshot(*snapshot, c.output, &error))
            return fail(error);
        return 0;
    }
    if (c.command == QLatin1String("diff")) {
        const auto now = readSwitch(saved->secrets, &error);
        if (!now)
            return fail(error);
        const CvSnapshotComparison comparison = CompareSnapshots(*saved, *now);
        for (const QString &line : comparison.Lines())
            out() << line << Qt::endl;
        return comparison.IsEmpty() ? 0 : 1;
    }
    return restore(c, *saved);
}
