#include "ProcessWatch.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>

#include <sys/syscall.h>
#include <unistd.h>

namespace {

// From /proc/PID/stat: the state letter and the start time (field 22). The
// command name before them is in parentheses and may hold blanks and
// parentheses of its own, so the fields are counted from the last ")".
struct StatFields
{
    char state = 0;
    quint64 startTime = 0;
};

std::optional<StatFields> readStat(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray text = file.readAll();
    const qsizetype close = text.lastIndexOf(')');
    if (close < 0)
        return std::nullopt;
    const QList<QByteArray> fields = text.mid(close + 1).simplified().split(' ');
    // fields[0] is field 3 (the state), so field 22 is fields[19].
    if (fields.size() < 20 || fields.at(0).isEmpty())
        return std::nullopt;
    bool ok = false;
    const quint64 start = fields.at(19).toULongLong(&ok);
    if (!ok)
        return std::nullopt;
    return StatFields {fields.at(0).at(0), start};
}

} // namespace

QString ProcessIdentity::ToText() const
{
    return QStringLiteral("%1:%2").arg(pid).arg(startTime);
}

std::optional<ProcessIdentity> ProcessIdentity::FromText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 2)
        return std::nullopt;
    bool pidOk = false;
    bool startOk = false;
    ProcessIdentity id {parts.at(0).toLongLong(&pidOk), parts.at(1).toULongLong(&startOk)};
    if (!pidOk || !startOk || id.pid <= 0)
        return std::nullopt;
    return id;
}

ProcessIdentity ProcessIdentity::Self()
{
    const qint64 pid = QCoreApplication::applicationPid();
    const std::optional<StatFields> stat = readStat(pid);
    return {pid, stat ? stat->startTime : 0};
}

std::optional<ProcessIdentity> ProcessIdentity::Of(qint64 pid)
{
    const std::optional<StatFields> stat = readStat(pid);
    // A zombie has ended; X is a process being taken away.
    if (!stat || stat->state == 'Z' || stat->state == 'X')
        return std::nullopt;
    return ProcessIdentity {pid, stat->startTime};
}

ProcessWatch::ProcessWatch(const ProcessIdentity &watched, QObject *parent)
    : QObject(parent)
    , m_watched(watched)
{
    // The descriptor is taken first and the identity checked after: when it
    // still matches, the descriptor is that process's and no later one's.
    m_descriptor = int(::syscall(SYS_pidfd_open, pid_t(watched.pid), 0));
    m_running = ProcessIdentity::Of(watched.pid) == watched;
    if (!m_running)
        return;
    if (m_descriptor >= 0) {
        // The descriptor turns readable when the process ends.
        m_notifier = new QSocketNotifier(m_descriptor, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &ProcessWatch::end);
        return;
    }
    connect(&m_poll, &QTimer::timeout, this, &ProcessWatch::lookAgain);
    m_poll.start(1000);
}

ProcessWatch::~ProcessWatch()
{
    delete m_notifier;
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

void ProcessWatch::lookAgain()
{
    if (ProcessIdentity::Of(m_watched.pid) != m_watched)
        end();
}

void ProcessWatch::end()
{
    if (!m_running)
        return;
    m_running = false;
    m_poll.stop();
    if (m_notifier)
        m_notifier->setEnabled(false);
    emit Ended();
}
