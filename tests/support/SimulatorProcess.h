#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Runs the switch simulator on a free loopback port for one test and stops
// it when destroyed. The binary is found through $TRV_BIN_DIR, else beside
// the running program.
class SimulatorProcess
{
public:
    // port 0 takes a free port; another port is taken as it is (a restart
    // on the same address keeps the agent's engine ID and counts its boots).
    explicit SimulatorProcess(const QStringList &extraArguments = {}, quint16 port = 0);
    ~SimulatorProcess();

    bool isReady() const { return m_ready; }
    QString address() const { return QStringLiteral("127.0.0.1"); }
    quint16 port() const { return m_port; }
    QString errorText() const { return m_error; }

    // Net-SNMP's snmpset against this simulator, SNMPv2c with the write
    // community; false, with the tool's error text, when it fails.
    bool snmpset(const QStringList &bindings, QString *error = nullptr) const;

    // A loopback port nothing listens on, for time-out tests.
    static quint16 silentPort();

private:
    QProcess m_process;
    quint16 m_port = 0;
    bool m_ready = false;
    QString m_error;
};
