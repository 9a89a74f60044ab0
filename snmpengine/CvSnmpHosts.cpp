#include "CvSnmpTransportPrivate.h"

#include <QCoreApplication>
#include <QHostInfo>
#include <QRegularExpression>

// Where a request goes: a numeric address at once, a host name after one
// lookup that does not block (its address kept for a while), an SNMPv3
// request after its agent's engine is known.

using namespace CvTransportDetail;

namespace CvTransportDetail {

// The peer name of an address: "udp:a.b.c.d:port" or "udp6:[..]:port";
// empty for an address that is neither.
QString peerOf(const QHostAddress &host, quint16 port)
{
    if (host.protocol() == QAbstractSocket::IPv6Protocol)
        return QStringLiteral("udp6:[%1]:%2").arg(host.toString()).arg(port);
    if (host.protocol() != QAbstractSocket::IPv4Protocol)
        return {};
    return QStringLiteral("udp:%1:%2").arg(host.toString()).arg(port);
}

} // namespace CvTransportDetail

int CvSnmpTransport::Private::dispatch(
    quint64 handle, const CvSnmpTarget &t, CvPduType type, const QList<CvSnmpBinding> &bindings)
{
    if (!lastTarget.valid || !sameTarget(lastTarget.target, t)
        || lastTarget.secrets != secretsDigest(t)) {
        QHostAddress host;
        if (!host.setAddress(t.address))
            return sendToHost(handle, t, type, bindings);
        const QString peer = peerOf(host, t.port);
        if (peer.isEmpty())
            return CvSnmpResult::InvalidAddress;
        lastTarget.target = withoutSecrets(t);
        lastTarget.secrets = secretsDigest(t);
        lastTarget.peer = peer;
        lastTarget.key = sessionKey(t, peer);
        lastTarget.valid = true;
    }
    // Copies: a send that finishes an engine discovery may dispatch again.
    const QString peer = lastTarget.peer;
    const QString key = lastTarget.key;
    return sendPdu(handle, t, type, bindings, peer, key);
}

// A host name is looked up once, without blocking, and its address kept
// for a while; requests to it wait for the lookup.
int CvSnmpTransport::Private::sendToHost(
    quint64 handle, const CvSnmpTarget &t, CvPduType type, const QList<CvSnmpBinding> &bindings)
{
    // A text that cannot be a host name fails at once, as a bad address.
    static const QRegularExpression hostName(
        QStringLiteral("^[A-Za-z0-9_]([A-Za-z0-9_.-]{0,252}[A-Za-z0-9_.])?$"));
    if (!hostName.match(t.address).hasMatch())
        return CvSnmpResult::InvalidAddress;
    HostEntry &entry = hosts[t.address];
    if (entry.lookupId < 0 && !entry.expiry.hasExpired() && !entry.expiry.isForever()) {
        const QString peer = peerOf(entry.address, t.port);
        if (peer.isEmpty())
            return CvSnmpResult::InvalidAddress;
        return sendPdu(handle, t, type, bindings, peer, sessionKey(t, peer));
    }
    entry.waiting.push_back(Queued {handle, t, type, bindings});
    if (entry.lookupId < 0) {
        ++hostLookups;
        const QString name = t.address;
        entry.lookupId = QHostInfo::lookupHost(name, QCoreApplication::instance(),
            [this, name](const QHostInfo &info) { hostResolved(name, info); });
    }
    return 0;
}

void CvSnmpTransport::Private::hostResolved(const QString &name, const QHostInfo &info)
{
    const auto found = hosts.find(name);
    if (found == hosts.end())
        return;
    HostEntry &entry = *found;
    entry.lookupId = -1;
    entry.address = QHostAddress();
    const QList<QHostAddress> addresses = info.addresses();
    if (info.error() == QHostInfo::NoError && !addresses.isEmpty()) {
        entry.address = addresses.first();
        for (const QHostAddress &a : addresses) {
            if (a.protocol() == QAbstractSocket::IPv4Protocol) {
                entry.address = a;
                break;
            }
        }
    }
    entry.expiry.setRemainingTime(entry.address.isNull() ? HostFailureLifetimeMs : HostLifetimeMs);
    std::deque<Queued> waiting;
    waiting.swap(entry.waiting);
    for (const Queued &q : waiting)
        sendQueued(q, 0);
}

// Sends a request that waited for a host lookup or an engine discovery, or
// ends it with failure; a cancelled one is dropped.
void CvSnmpTransport::Private::sendQueued(const Queued &q, int failure)
{
    const auto it = contexts.find(q.handle);
    if (it == contexts.end() || it->done)
        return;
    if (it->cancelled) {
        contexts.erase(it);
        return;
    }
    const int result = failure ? failure : dispatch(q.handle, q.target, q.type, q.bindings);
    if (result != 0) {
        CvSnmpResponse response;
        response.result = result;
        complete(q.handle, std::move(response));
    }
}
