#include "CvSNMPSession.h"

#include "CvBootCounter.h"
#include "CvCatalogues.h"
#include "CvPath.h"
#include "CvSnmpTransport.h"

#include <LocalPath.h>

CvSNMPSessionDefaults &SessionDefaults()
{
    static CvSNMPSessionDefaults defaults;
    return defaults;
}

CvSNMPSessionDefaults InitialSessionDefaults()
{
    CvSNMPSessionDefaults d;
    d.device.address = QStringLiteral("127.0.0.1");
    d.device.port = 161;
    d.security.version = 0;
    d.security.readCommunity = QStringLiteral("kestra");
    d.security.writeCommunity = QStringLiteral("marlowe");
    d.security.securityModel = 1;
    d.security.securityLevel = 1;
    d.security.authProtocol = 1;
    d.security.privProtocol = 1;
    d.timeout = 100;
    return d;
}

void StartSession(const QString &folder)
{
    const QString counterFile
        = LocalPath(JoinPath(folder, QString::fromLatin1(CvBootCounter::FileName)));
    const QByteArray engineId(LocalEngineId);
    const quint32 next = CvBootCounter::CountUp(counterFile, engineId);
    CvSnmpTransport &transport = CvSnmpTransport::instance();
    transport.Initialise(engineId, next);
    if (!transport.IsInitialised())
        RaiseEngine(EngineCode::SessionFailed);
    SessionDefaults() = InitialSessionDefaults();
    SnmpEventProcessor::instance().Enable();
}

SnmpEventProcessor &SnmpEventProcessor::instance()
{
    static SnmpEventProcessor processor;
    return processor;
}

SnmpEventProcessor::SnmpEventProcessor()
{
    m_timer.setInterval(20);
    connect(&m_timer, &QTimer::timeout, this, &SnmpEventProcessor::Tick);
}

void SnmpEventProcessor::Enable()
{
    m_enabled = true;
    // Every send wakes the timer; it sleeps again once nothing is pending,
    // so an idle module does not tick fifty times a second.
    CvSnmpTransport::instance().SetSendHook([this] {
        if (m_enabled && !m_timer.isActive())
            m_timer.start();
    });
    m_timer.start();
}

void SnmpEventProcessor::Tick()
{
    m_timer.stop();
    CvSnmpTransport &transport = CvSnmpTransport::instance();
    if (!transport.IsInitialised() || transport.PendingCount() == 0)
        return;
    transport.ProcessTimeouts();
    m_timer.start();
}
