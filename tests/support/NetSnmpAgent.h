#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Net-SNMP's own agent (snmpd) for one test: on a free loopback port, with
// a read and a write community for the loopback (SNMPv1 and v2c, the whole
// tree), further configuration lines of the test's and a persistent store
// of its own, stopped when destroyed. A peer our simulator is not: it leaves columns
// sparse and refuses writes in its own ways.
class NetSnmpAgent
{
public:
    NetSnmpAgent(const QString &readCommunity, const QString &writeCommunity,
        const QStringList &moreConfig = {});
    ~NetSnmpAgent();

    bool isReady() const { return m_ready; }
    QString address() const { return QStringLiteral("127.0.0.1"); }
    quint16 port() const { return m_port; }
    QString errorText() const { return m_error; }
    // "127.0.0.1:port", as the command-line tools take it.
    QString peer() const;

    // One of the command-line tools (snmpset, snmpwalk, ...) with arguments,
    // the peer last but for the OIDs and values after it; its output, and
    // whether it succeeded.
    bool tool(const QString &program, const QStringList &options, const QStringList &operands,
        QString *output = nullptr) const;

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    bool m_ready = false;
    QString m_error;
};
