#include "CvSnmpTransportPrivate.h"

#include <net-snmp/library/large_fd_set.h>

#include <QCoreApplication>

#include <algorithm>

// The library sessions: one per (agent, version, credentials, time-out),
// opened on first use, read through a socket notifier, retired when the
// agent's engine changes and closed once no request waits on them.

using namespace CvTransportDetail;

namespace CvTransportDetail {

CvSnmpTarget withoutSecrets(CvSnmpTarget t)
{
    t.authPassword.clear();
    t.privPassword.clear();
    return t;
}

// Everything but the pass phrases, which secretsDigest compares.
bool sameTarget(const CvSnmpTarget &a, const CvSnmpTarget &b)
{
    return a.port == b.port && a.version == b.version && a.securityModel == b.securityModel
        && a.securityLevel == b.securityLevel && a.authProtocol == b.authProtocol
        && a.privProtocol == b.privProtocol && a.timeoutCs == b.timeoutCs && a.retries == b.retries
        && a.address == b.address && a.community == b.community && a.securityName == b.securityName
        && a.contextName == b.contextName && a.contextEngineId == b.contextEngineId;
}

QString sessionKey(const CvSnmpTarget &t, const QString &peer)
{
    return CvSnmpTransport::SessionKey(t, peer);
}

} // namespace CvTransportDetail

QString CvSnmpTransport::SessionKey(const CvSnmpTarget &t, const QString &peer)
{
    QStringList parts {
        peer, QString::number(t.version), QString::number(t.timeoutCs), QString::number(t.retries)};
    if (t.version == 3) {
        parts << QString::number(t.securityModel) << QString::number(t.securityLevel)
              << t.securityName << QString::number(t.authProtocol)
              << QString::number(t.privProtocol) << QString::fromLatin1(secretsDigest(t).toHex())
              << t.contextName << t.contextEngineId;
    } else {
        parts << t.community;
    }
    for (QString &p : parts)
        p.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
            .replace(QLatin1Char('|'), QLatin1String("\\|"));
    return parts.join(QLatin1Char('|'));
}

void CvSnmpTransport::Private::watch(Session *s)
{
    netsnmp_transport *transport = snmp_sess_transport(s->handle);
    if (!transport || transport->sock < 0)
        return;
    s->notifier = std::make_unique<QSocketNotifier>(transport->sock, QSocketNotifier::Read);
    void *handle = s->handle;
    QObject::connect(s->notifier.get(), &QSocketNotifier::activated, s->notifier.get(),
        [this, handle, transport] {
            netsnmp_large_fd_set fds;
            netsnmp_large_fd_set_init(&fds, transport->sock + 1);
            NETSNMP_LARGE_FD_SET(transport->sock, &fds);
            ++pumping;
            snmp_sess_read2(handle, &fds);
            --pumping;
            netsnmp_large_fd_set_cleanup(&fds);
            drain();
        });
}

Session *CvSnmpTransport::Private::openSession(
    const CvSnmpTarget &t, const QString &peer, const QByteArray &engineId, bool probe, int *result)
{
    netsnmp_session s;
    snmp_sess_init(&s);
    QByteArray peerName = peer.toUtf8();
    s.peername = peerName.data();
    s.timeout = long(t.timeoutCs) * 10000L;
    s.retries = t.retries;
    s.flags |= SNMP_FLAGS_DONT_PROBE; // the engine is found without blocking, see startDiscovery
    QByteArray community = t.community.toUtf8();
    QByteArray name = t.securityName.toUtf8();
    QByteArray context = t.contextName.toUtf8();
    // The context engine ID is text: its octets go on the PDU as they are.
    QByteArray contextEngine = t.contextEngineId.toUtf8();
    QByteArray engine = engineId;
    if (t.version == 3) {
        *result = applyUsm(s, t, probe, name, context, contextEngine, engine);
        if (*result != 0)
            return nullptr;
    } else {
        s.version = t.version == 0 ? SNMP_VERSION_1 : SNMP_VERSION_2c;
        s.community = reinterpret_cast<u_char *>(community.data());
        s.community_len = size_t(community.size());
    }
    void *handle = snmp_sess_open(&s);
    // The open copied the keys; the local copies of them go now.
    std::fill(std::begin(s.securityAuthKey), std::end(s.securityAuthKey), u_char(0));
    std::fill(std::begin(s.securityPrivKey), std::end(s.securityPrivKey), u_char(0));
    if (!handle) {
        *result = fromLibraryError(s.s_snmp_errno);
        return nullptr;
    }
    // The open copies the session without this flag; without it the first
    // send would probe for the engine and wait for the answer.
    snmp_sess_session(handle)->flags |= SNMP_FLAGS_DONT_PROBE;
    auto owned = std::make_unique<Session>();
    owned->key = probe ? QString() : sessionKey(t, peer);
    owned->peer = peer;
    owned->handle = handle;
    owned->target = withoutSecrets(t);
    owned->engineId = engineId;
    static quint64 serial = 0;
    owned->serial = ++serial;
    Session *session = owned.get();
    watch(session);
    this->owned.push_back(std::move(owned));
    *result = 0;
    return session;
}

void CvSnmpTransport::Private::retire(Session *session)
{
    session->retired = true;
    if (sessions.value(session->key) == session)
        sessions.remove(session->key);
    if (lastTarget.key == session->key)
        lastTarget.valid = false;
    void *handle = session->handle;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [this, handle] { closeIfIdle(handle); },
        Qt::QueuedConnection);
}

void CvSnmpTransport::Private::closeIfIdle(void *handle)
{
    for (const Context &c : std::as_const(contexts))
        if (!c.done && c.session == handle)
            return;
    closeLater(handle);
}

void CvSnmpTransport::Private::closeLater(void *handle)
{
    const auto it = std::find_if(
        owned.begin(), owned.end(), [handle](const auto &s) { return s->handle == handle; });
    if (it == owned.end())
        return;
    std::unique_ptr<Session> session = std::move(*it);
    owned.erase(it);
    // The notifier may be the sender of the signal being handled.
    if (session->notifier) {
        session->notifier->setEnabled(false);
        session->notifier.release()->deleteLater();
    }
    snmp_sess_close(handle);
}
