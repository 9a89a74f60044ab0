#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

// Where the agent is, which context and which credentials: the session
// defaults every request copies when it is made.

struct CvSNMPDevice
{
    QString address;
    quint16 port = 0;
};

struct CvSNMPScope
{
    QString contextEngineId;
    QString contextName;
};

struct CvSNMPSecurity
{
    quint8 version = 0; // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
    QString readCommunity;
    QString writeCommunity;
    qint32 securityModel = 0;
    qint32 securityLevel = 0; // 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
    QString securityName;
    QString authPassword;
    QString privPassword;
    qint32 authProtocol = 0; // 1 = none
    qint32 privProtocol = 0; // 1 = none
};

struct CvSNMPSessionDefaults
{
    CvSNMPDevice device;
    CvSNMPScope scope;
    CvSNMPSecurity security;
    quint32 timeout = 0; // per try, centiseconds
    // Tables are read with get-bulk under SNMPv2c and v3; false keeps the
    // walk of one get-next per row (the switch's "GetBulk=0").
    bool getBulk = true;
};

// The process's defaults; written by start-up, copied by every request.
CvSNMPSessionDefaults &SessionDefaults();

// The initial values StartSession sets.
CvSNMPSessionDefaults InitialSessionDefaults();

inline constexpr const char *LocalEngineId = "CvSNMP_PP_Application";

// Starts the process's SNMP session: bumps the engine boots counter in
// folder (the current directory when empty), starts the library with the
// local engine ID and the new boots count, sets the defaults to their
// initial values and starts the event processor. Throws CvException -506,
// -507 or -508; the defaults keep what they held then.
void StartSession(const QString &folder);

// Pumps the library's retransmissions and time-outs every 20 ms; answers
// are read as soon as they arrive by the transport's socket notifiers.
class SnmpEventProcessor : public QObject
{
    Q_OBJECT

public:
    static SnmpEventProcessor &instance();

    void Enable();
    bool IsEnabled() const { return m_enabled; }

private:
    SnmpEventProcessor();
    void Tick();

    QTimer m_timer;
    bool m_enabled = false;
};
