// Starts the module against a 12-unit trvsim stack, lets it poll its front
// panels for 20 s and prints, as its last line,
//
//   idle_cpu_percent=X rss_mb=Y
//
// X: the module's CPU time (user + system, from /proc) over the wall time of
// the 20 s; Y: its resident memory at their end. The module reaches the
// simulator through a relay here that counts the requests, so a module that
// sits in a message box instead of polling fails the run.
//
//   bench_idle [MODULE] [SECONDS]
//       MODULE default: trv8170ql beside this program; SECONDS default 20.

#include "ProcessMeasures.h"
#include "SimulatorProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QNetworkDatagram>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QUdpSocket>

#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

const char *const stack = "1:TRV-8170QL,2:TRM6140QL*,3:TRV-8140QL,4:TRM-6140QLI,5:TRV-8170QL,"
                          "6:TRV-8140PQL,7:TRM6140QL,8:TRV8170QL,9:TRM-6140QL*,10:TRV8140PQL,"
                          "11:TRV-8170QL,12:TRM-6140QL";
constexpr int StartupMs = 5000; // discovery and the first reads, not measured

// A child process that ends with this program, on every path out of it.
class Child : public QProcess
{
public:
    Child()
    {
        setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    }
    ~Child() override
    {
        if (state() == NotRunning)
            return;
        terminate();
        if (!waitForFinished(5000)) {
            kill();
            waitForFinished(2000);
        }
    }
};

int fail(const QString &text)
{
    std::fprintf(stderr, "bench_idle: %s\n", qPrintable(text));
    return 1;
}

// Forwards datagrams between the module's sockets and the agent, one
// upstream socket per module socket, and counts the requests.
class UdpRelay : public QObject
{
public:
    explicit UdpRelay(quint16 agentPort)
        : m_agentPort(agentPort)
    {
        m_front.bind(QHostAddress::LocalHost, 0);
        connect(&m_front, &QUdpSocket::readyRead, this, &UdpRelay::fromModule);
    }
    quint16 port() const { return m_front.localPort(); }
    int requests = 0;

private:
    void fromModule()
    {
        while (m_front.hasPendingDatagrams()) {
            const QNetworkDatagram d = m_front.receiveDatagram();
            const quint16 client = quint16(d.senderPort());
            auto &up = m_up[client];
            if (!up) {
                up = std::make_unique<QUdpSocket>();
                up->bind(QHostAddress::LocalHost, 0);
                QUdpSocket *socket = up.get();
                connect(socket, &QUdpSocket::readyRead, this, [this, socket, client] {
                    while (socket->hasPendingDatagrams())
                        m_front.writeDatagram(
                            socket->receiveDatagram().data(), QHostAddress::LocalHost, client);
                });
            }
            ++requests;
            up->writeDatagram(d.data(), QHostAddress::LocalHost, m_agentPort);
        }
    }

    QUdpSocket m_front;
    quint16 m_agentPort;
    QHash<quint16, std::shared_ptr<QUdpSocket>> m_up;
};

// User plus system time of a process, in seconds.
std::optional<double> cpuSeconds(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray stat = file.readAll();
    // Fields after the command name, which may hold blanks: state is 3.
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return std::nullopt;
    const double ticks = double(fields.at(11).toULongLong() + fields.at(12).toULongLong());
    return ticks / double(::sysconf(_SC_CLK_TCK));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    // Absolute: the module runs in a working directory of its own.
    const QString module
        = QFileInfo(args.value(1, app.applicationDirPath() + QStringLiteral("/trv8170ql")))
              .absoluteFilePath();
    const int seconds = args.value(2, QStringLiteral("20")).toInt();
    if (!QFile::exists(module))
        return fail(QStringLiteral("no module at %1").arg(module));

    const SimulatorProcess sim({QStringLiteral("--stack"), QString::fromLatin1(stack)});
    if (!sim.isReady())
        return fail(QStringLiteral("trvsim did not start: ") + sim.errorText());
    UdpRelay relay(sim.port());

    // The settings store names the configuration directory; its file for
    // 127.0.0.1 gives the relay's port and SNMPv2c, with the security keys
    // the host writes for every version (start-up reads them as integers).
    QTemporaryDir dir;
    const QString conf = dir.filePath(QStringLiteral("conf/"));
    QDir().mkpath(conf);
    const QByteArray store
        = "[\\SOFTWARE\\Corvane\\Vantrel5.1\\MibFile]\nPath=" + conf.toLocal8Bit() + "\n";
    const QByteArray cfg = "[Program Information]\nAgentPort=" + QByteArray::number(relay.port())
        + "\nVersion=1\nSecurityModel=3\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n";
    if (!writeFile(dir.filePath(QStringLiteral("registry.ini")), store)
        || !writeFile(conf + QStringLiteral("127.0.0.1.cfg"), cfg))
        return fail(QStringLiteral("cannot write the settings store"));

    Child trv;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TRV_REGISTRY"), dir.filePath(QStringLiteral("registry.ini")));
    trv.setProcessEnvironment(env);
    trv.setWorkingDirectory(dir.path());
    trv.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    trv.start(module,
        {QStringLiteral("/I127.0.0.1"), QStringLiteral("/Rkestra"), QStringLiteral("/Wmarlowe")});
    if (!trv.waitForStarted(5000))
        return fail(QStringLiteral("the module did not start: %1").arg(trv.errorString()));
    const qint64 pid = trv.processId();

    waitMs(StartupMs);
    const std::optional<double> startCpu = cpuSeconds(pid);
    const int startRequests = relay.requests;
    QElapsedTimer wall;
    wall.start();
    waitMs(seconds * 1000);
    const std::optional<double> endCpu = cpuSeconds(pid);
    const double elapsed = double(wall.nsecsElapsed()) / 1e9;
    const std::optional<double> rss = residentMb(pid);
    const int polls = relay.requests - startRequests;

    if (!startCpu || !endCpu || !rss)
        return fail(QStringLiteral("the module ended early"));
    // Twelve units read every 3 s.
    const int expected = 12 * int(seconds / 3.0) * 3 / 4;
    std::printf(
        "start_cpu_s=%.2f requests=%d (expected about %d)\n", *startCpu, polls, 12 * seconds / 3);
    if (polls < expected)
        return fail(QStringLiteral("only %1 requests in %2 s: the module is not polling")
                        .arg(polls)
                        .arg(seconds));
    std::printf(
        "idle_cpu_percent=%.2f rss_mb=%.1f\n", 100.0 * (*endCpu - *startCpu) / elapsed, *rss);
    return 0;
}
