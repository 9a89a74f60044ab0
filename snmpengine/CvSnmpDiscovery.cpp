#include "CvSnmpTransportPrivate.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstring>

// SNMPv3 engine discovery without blocking, and what happens when an
// agent's engine changes: requests wait for the probe, a request refused
// for an unknown engine goes again once, sessions under an old engine are
// retired.

using namespace CvTransportDetail;

void CvSnmpTransport::Private::queueForDiscovery(const QString &peer, Queued queued)
{
    Discovery *&discovery = discoveries[peer];
    const bool start = discovery == nullptr;
    if (start)
        discovery = new Discovery;
    const CvSnmpTarget target = queued.target;
    discovery->waiting.push_back(std::move(queued));
    if (start)
        startDiscovery(peer, peer, target);
}

void CvSnmpTransport::Private::startDiscovery(
    const QString &agent, const QString &peer, const CvSnmpTarget &t)
{
    // A request with no variables from an unnamed user draws a report that
    // carries the agent's engine ID. It goes out like any other request, so
    // the interface never waits for it.
    int result = 0;
    Session *probe = openSession(t, peer, QByteArray(), true, &result);
    if (!probe) {
        finishDiscovery(agent, QByteArray(), result);
        return;
    }
    static quint64 nextProbe = 1;
    const quint64 id = nextProbe++;
    probeAgents.insert(id, {agent, probe});
    netsnmp_pdu *pdu = snmp_pdu_create(SNMP_MSG_GET);
    pdu->version = SNMP_VERSION_3;
    pdu->securityModel = SNMP_SEC_MODEL_USM;
    pdu->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
    pdu->securityName = strdup("");
    pdu->securityNameLen = 0;
    if (snmp_sess_async_send(
            probe->handle, pdu, &Private::onProbe, reinterpret_cast<void *>(quintptr(id)))
        == 0) {
        snmp_free_pdu(pdu);
        if (probeAgents.contains(id)) {
            // No callback came and none will: the probe session is closed
            // here, the requests waiting for it fail.
            probeAgents.remove(id);
            const int err = snmp_sess_session(probe->handle)->s_snmp_errno;
            void *handle = probe->handle;
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [this, handle] { closeLater(handle); },
                Qt::QueuedConnection);
            finishDiscovery(
                agent, QByteArray(), err ? fromLibraryError(err) : CvSnmpResult::TransportFailed);
        }
    }
}

void CvSnmpTransport::Private::finishDiscovery(
    const QString &agent, const QByteArray &engineId, int failure)
{
    std::unique_ptr<Discovery> discovery(discoveries.take(agent));
    if (!discovery)
        return;
    if (failure == 0 && engineId.isEmpty())
        failure = 1410; // unknown engine ID
    if (failure == 0)
        engines.insert(agent, engineId);
    for (const Queued &q : discovery->waiting)
        sendQueued(q, failure);
}

int CvSnmpTransport::Private::onProbe(
    int op, netsnmp_session *session, int, netsnmp_pdu *pdu, void *magic)
{
    Private &d = *CvSnmpTransport::instance().d;
    const quint64 id = quint64(reinterpret_cast<quintptr>(magic));
    if (op == NETSNMP_CALLBACK_OP_RESEND || !d.probeAgents.contains(id))
        return 1;
    const std::pair<QString, Session *> taken = d.probeAgents.take(id);
    const QString agent = taken.first;
    Session *probe = taken.second;
    QByteArray engineId;
    if (pdu && pdu->securityEngineIDLen > 0)
        engineId = QByteArray(reinterpret_cast<const char *>(pdu->securityEngineID),
            qsizetype(pdu->securityEngineIDLen));
    else if (session && session->securityEngineIDLen > 0)
        engineId = QByteArray(reinterpret_cast<const char *>(session->securityEngineID),
            qsizetype(session->securityEngineIDLen));
    int failure = 0;
    if (engineId.isEmpty())
        failure = op == NETSNMP_CALLBACK_OP_TIMED_OUT ? CvSnmpResult::Timeout : 1410;
    // The probe session is closed later: never from inside its own callback.
    void *handle = probe->handle;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [&d, agent, engineId, failure, handle] {
            d.finishDiscovery(agent, engineId, failure);
            d.closeLater(handle);
        },
        Qt::QueuedConnection);
    return 1;
}

// After a notInTimeWindow report the library resends the request, unless
// it has no tries left; then nothing more comes for it, so the request ends
// with the report's error once its tries could have run out.
void CvSnmpTransport::Private::expectResend(quint64 handle)
{
    const auto it = contexts.find(handle);
    if (it == contexts.end() || it->awaitingResend)
        return;
    it->awaitingResend = true;
    const qint64 allTries = qint64(std::max<quint32>(it->target.timeoutCs, 1)) * 10
        * (std::max(it->target.retries, 0) + 1);
    QTimer::singleShot(allTries + 1000, QCoreApplication::instance(), [this, handle] {
        const auto late = contexts.find(handle);
        if (late == contexts.end() || late->done)
            return;
        CvSnmpResponse response;
        response.result = 1411;
        complete(handle, std::move(response));
    });
}

// An unknownEngineID report to a request sent under a known engine: the
// agent was replaced or its engine ID changed. Its engine is forgotten and
// the request goes again, once, through a new discovery; the agent has not
// acted on it. False when it cannot go again.
bool CvSnmpTransport::Private::resendAfterEngineChange(quint64 handle)
{
    const auto it = contexts.find(handle);
    if (it == contexts.end() || it->done || it->resent || it->target.version != 3)
        return false;
    Session *session = nullptr;
    for (const auto &s : owned)
        if (s->handle == it->session)
            session = s.get();
    if (!session || session->engineId.isEmpty())
        return false;
    it->resent = true;
    forgetEngine(session->peer, session->engineId);
    const quint64 h = handle;
    Queued again {h, std::move(it->target), it->type, std::move(it->bindings)};
    it->session = nullptr;
    // Not from inside the library's callback: the old session is retired
    // and a probe is sent.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [this, again = std::move(again)] { sendQueued(again, 0); },
        Qt::QueuedConnection);
    return true;
}

// An SNMPv3 request that drew no answer: the agent may be another one
// now, whose engine ID is not the one known (its unknownEngineID report
// names a user the library does not have under the new engine and is
// dropped unread). The next request finds the engine again; sessions under
// an engine that turns out to have changed are retired when next used.
void CvSnmpTransport::Private::doubtEngine(void *handle)
{
    for (const auto &s : owned) {
        if (s->handle != handle)
            continue;
        if (!s->engineId.isEmpty() && engines.value(s->peer) == s->engineId)
            engines.remove(s->peer);
        return;
    }
}

// Every session under the agent's old engine leaves the key map and is
// closed once no request waits on it; its time is forgotten too.
void CvSnmpTransport::Private::forgetEngine(const QString &peer, const QByteArray &engineId)
{
    if (engines.value(peer) == engineId)
        engines.remove(peer);
    QByteArray id = engineId;
    free_enginetime(reinterpret_cast<u_char *>(id.data()), size_t(id.size()));
    for (const auto &s : owned)
        if (!s->retired && !s->key.isEmpty() && s->peer == peer && s->engineId == engineId)
            retire(s.get());
}
