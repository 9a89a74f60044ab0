#include "NetSnmpAgent.h"

#include "SimulatorProcess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

NetSnmpAgent::NetSnmpAgent(
    const QString &readCommunity, const QString &writeCommunity, const QStringList &moreConfig)
{
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary directory");
        return;
    }
    m_port = SimulatorProcess::silentPort();
    const QString config = m_dir.filePath(QStringLiteral("snmpd.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) {
        m_error = file.errorString();
        return;
    }
    file.write(QStringLiteral("agentaddress udp:%1\n").arg(peer()).toUtf8());
    const QStringList lines
        = QStringList {QStringLiteral("rocommunity %1 127.0.0.1").arg(readCommunity),
              QStringLiteral("rwcommunity %1 127.0.0.1").arg(writeCommunity)}
        + moreConfig;
    file.write(lines.join(QLatin1Char('\n')).toUtf8() + '\n');
    file.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SNMP_PERSISTENT_DIR"), m_dir.filePath(QStringLiteral("store")));
    env.insert(QStringLiteral("MIBS"), QString());
    m_process.setProcessEnvironment(env);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    // The agent ends with the test, even when the test crashes.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    // -C: this configuration only; -f: in the foreground; -Lo: log to
    // standard output.
    m_process.start(QStringLiteral("/usr/sbin/snmpd"),
        {QStringLiteral("-f"), QStringLiteral("-Lo"), QStringLiteral("-C"), QStringLiteral("-c"),
            config, QStringLiteral("-p"), m_dir.filePath(QStringLiteral("snmpd.pid"))});
    if (!m_process.waitForStarted(5000)) {
        m_error = m_process.errorString();
        return;
    }
    // Ready once it answers: sysUpTime.0 over the loopback.
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
        if (tool(QStringLiteral("snmpget"),
                {QStringLiteral("-v2c"), QStringLiteral("-c"), readCommunity, QStringLiteral("-t"),
                    QStringLiteral("0.3"), QStringLiteral("-r"), QStringLiteral("0")},
                {QStringLiteral("1.3.6.1.2.1.1.3.0")})) {
            m_ready = true;
            return;
        }
        QThread::msleep(100);
    }
    m_error = QString::fromLocal8Bit(m_process.readAll());
}

NetSnmpAgent::~NetSnmpAgent()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(2000);
        }
    }
}

QString NetSnmpAgent::peer() const
{
    return QStringLiteral("%1:%2").arg(address()).arg(m_port);
}

bool NetSnmpAgent::tool(const QString &program, const QStringList &options,
    const QStringList &operands, QString *output) const
{
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MIBS"), QString());
    run.setProcessEnvironment(env);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(program, options + QStringList {peer()} + operands);
    const bool finished = run.waitForFinished(15000);
    if (output)
        *output = QString::fromLocal8Bit(run.readAll());
    return finished && run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0;
}
