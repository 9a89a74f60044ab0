#pragma once

// Starts trvsim on a free loopback port and drives it with Net-SNMP's
// command-line tools, so the simulator is checked against an independent
// SNMP implementation.

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <optional>

namespace simtest {

inline QString binDir()
{
    const QByteArray dir = qgetenv("TRV_BIN_DIR");
    return dir.isEmpty() ? QStringLiteral("bin") : QString::fromLocal8Bit(dir);
}

// The enterprise number the simulator was built with.
inline QString pen()
{
    return QString::number(TRV_PEN);
}

// Replaces the token PEN in an OID text.
inline QString oid(QString text)
{
    return text.replace(QStringLiteral("PEN"), pen());
}

struct ToolResult
{
    int exitCode = -1;
    QString out;
    QString err;
    // "OID value" pairs of -Oqn output, continuation lines joined.
    QList<QPair<QString, QString>> bindings() const
    {
        QList<QPair<QString, QString>> list;
        for (const QString &line : out.split(QLatin1Char('\n'))) {
            if (line.contains(QLatin1String("No more variables left in this MIB View")))
                continue; // a walk's closing endOfMibView
            if (line.startsWith(QLatin1Char('.'))) {
                const int space = line.indexOf(QLatin1Char(' '));
                list.append({line.left(space).mid(1),
                    space < 0 ? QString() : line.mid(space + 1).trimmed()});
            } else if (!list.isEmpty() && !line.trimmed().isEmpty()) {
                list.last().second += QLatin1Char(' ') + line.trimmed();
            }
        }
        return list;
    }
    QString value(const QString &name) const
    {
        for (const auto &b : bindings())
            if (b.first == name)
                return b.second;
        return {};
    }
    // The error status name of a failed set or get ("wrongLength", ...).
    QString reason() const
    {
        static const QRegularExpression re(QStringLiteral("Reason: \\(?(\\w+)\\)?"));
        const auto m = re.match(err + out);
        return m.hasMatch() ? m.captured(1) : QString();
    }
};

// Octets of a hex value printed by -Ox ("02 54 52 ..." or "\"02 54\"").
inline QByteArray hexOctets(QString text)
{
    text.remove(QLatin1Char('"'));
    return QByteArray::fromHex(text.remove(QLatin1Char(' ')).toLatin1());
}

class Tools
{
public:
    Tools()
    {
        env_ = QProcessEnvironment::systemEnvironment();
        // No MIB files, no host configuration, nothing written outside.
        env_.insert(QStringLiteral("MIBS"), QString());
        env_.insert(QStringLiteral("SNMPCONFPATH"), dir_.path());
        env_.insert(QStringLiteral("SNMP_PERSISTENT_DIR"), dir_.path());
    }

    ToolResult run(const QString &tool, const QStringList &args, int timeoutMs = 60000) const
    {
        QProcess p;
        p.setProcessEnvironment(env_);
        p.start(tool, QStringList {QStringLiteral("-Oqn"), QStringLiteral("-Ox")} + args);
        ToolResult r;
        if (!p.waitForStarted(5000)) {
            r.err = QStringLiteral("cannot start ") + tool;
            return r;
        }
        p.waitForFinished(timeoutMs);
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
        r.err = QString::fromLocal8Bit(p.readAllStandardError());
        return r;
    }

private:
    QTemporaryDir dir_;
    QProcessEnvironment env_;
};

// One simulator process; stopped with SIGTERM when the object goes.
class Simulator
{
public:
    Simulator() = default;
    Simulator(const Simulator &) = delete;
    Simulator &operator=(const Simulator &) = delete;
    ~Simulator() { stop(); }

    // Starts trvsim with --listen 127.0.0.1:0 (a free port) and `args`;
    // returns false when it does not report ready.
    bool start(const QStringList &args = {})
    {
        process_.setProgram(binDir() + QStringLiteral("/trvsim"));
        process_.setArguments(
            QStringList {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0")} + args);
        process_.start();
        if (!process_.waitForStarted(5000))
            return false;
        QByteArray line;
        while (!line.endsWith('\n')) {
            if (!process_.waitForReadyRead(10000))
                return false;
            line += process_.readLine();
        }
        static const QRegularExpression ready(QStringLiteral("^ready (127\\.0\\.0\\.1:\\d+)\\s*$"));
        const auto m = ready.match(QString::fromLatin1(line));
        if (!m.hasMatch())
            return false;
        address_ = m.captured(1);
        return true;
    }

    // SIGTERM, then the exit code (-1 when it crashed or hung).
    int stop(int sig = SIGTERM)
    {
        if (process_.state() == QProcess::NotRunning)
            return exitCode_;
        ::kill(static_cast<pid_t>(process_.processId()), sig);
        if (!process_.waitForFinished(10000)) {
            process_.kill();
            process_.waitForFinished();
            return exitCode_ = -1;
        }
        exitCode_ = process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
        return exitCode_;
    }

    QString address() const { return address_; }
    QString errors() { return QString::fromLocal8Bit(process_.readAllStandardError()); }

    // Community-based requests, one try with a short time-out.
    QStringList v2c(const QString &community = QStringLiteral("kestra")) const
    {
        return {QStringLiteral("-v2c"), QStringLiteral("-c"), community, QStringLiteral("-r0"),
            QStringLiteral("-t2"), address_};
    }
    QStringList v1(const QString &community = QStringLiteral("kestra")) const
    {
        return {QStringLiteral("-v1"), QStringLiteral("-c"), community, QStringLiteral("-r0"),
            QStringLiteral("-t2"), address_};
    }

private:
    QProcess process_;
    QString address_;
    int exitCode_ = -1;
};

// Runs trvsim once with arguments that must be refused; returns its exit code.
inline int refusedExitCode(const QStringList &args)
{
    QProcess p;
    p.start(binDir() + QStringLiteral("/trvsim"), args);
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished();
        return -1;
    }
    return p.exitCode();
}

// A 96-octet port list with the given (unit, port) members, as hex text.
inline QString portList(const QList<QPair<int, int>> &ports)
{
    QByteArray list(96, '\0');
    for (const auto &[unit, port] : ports) {
        const int bit = (unit - 1) * 64 + port - 1;
        list[bit / 8]
            = static_cast<char>(static_cast<unsigned char>(list[bit / 8]) | (0x80 >> (bit % 8)));
    }
    return QString::fromLatin1(list.toHex());
}

} // namespace simtest
