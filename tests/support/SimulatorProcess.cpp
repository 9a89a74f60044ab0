#include "SimulatorProcess.h"

#include <QCoreApplication>

#include <QDeadlineTimer>
#include <QUdpSocket>

#include <csignal>
#include <sys/prctl.h>

static quint16 freeUdpPort()
{
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    return socket.localPort();
}

quint16 SimulatorProcess::silentPort()
{
    return freeUdpPort();
}

SimulatorProcess::SimulatorProcess(const QStringList &extraArguments, quint16 port)
{
    // Tests name the program folder; a benchmark runs beside the simulator.
    QString dir = qEnvironmentVariable("TRV_BIN_DIR");
    if (dir.isEmpty())
        dir = QCoreApplication::applicationDirPath();
    const QString bin = dir + QStringLiteral("/trvsim");
    for (int attempt = 0; attempt < (port ? 1 : 5) && !m_ready; ++attempt) {
        m_port = port ? port : freeUdpPort();
        QStringList args {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:%1").arg(m_port)};
        args += extraArguments;
        // The simulator ends with the test, even when the test crashes.
        m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_process.start(bin, args);
        if (!m_process.waitForStarted(5000)) {
            m_error = m_process.errorString();
            return;
        }
        const QDeadlineTimer deadline(10000);
        QByteArray out;
        while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
            m_process.waitForReadyRead(100);
            out += m_process.readAllStandardOutput();
            if (out.contains("ready ")) {
                m_ready = true;
                break;
            }
        }
        if (!m_ready) {
            m_error = QString::fromLocal8Bit(out + m_process.readAllStandardError());
            m_process.kill();
            m_process.waitForFinished(2000);
        }
    }
}

SimulatorProcess::~SimulatorProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(2000);
        }
    }
}

bool SimulatorProcess::snmpset(const QStringList &bindings, QString *error) const
{
    QProcess p;
    p.start(QStringLiteral("snmpset"),
        QStringList {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("marlowe"),
            QStringLiteral("%1:%2").arg(address()).arg(m_port)}
            + bindings);
    const bool ok
        = p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!ok && error)
        *error = QString::fromLocal8Bit(p.readAllStandardError());
    return ok;
}
