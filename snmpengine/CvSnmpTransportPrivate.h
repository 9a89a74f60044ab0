#pragma once

// The transport's inner parts, shared by its source files and by nothing
// else: the library sessions, the requests waiting for answers, host
// lookups and SNMPv3 engine discovery. Only the transport includes it.

#include "CvSnmpTransport.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <QDeadlineTimer>
#include <QHash>
#include <QHostAddress>
#include <QSocketNotifier>

#include <deque>
#include <memory>
#include <vector>

class QHostInfo;

namespace CvTransportDetail {

// A library session and what keeps it going on the event loop.
struct Session
{
    QString key;
    QString peer; // "udp:a.b.c.d:port", the agent's engine is known under it
    void *handle = nullptr; // from snmp_sess_open
    std::unique_ptr<QSocketNotifier> notifier;
    CvSnmpTarget target; // without its pass phrases: the library holds the keys
    QByteArray engineId; // SNMPv3: the agent's engine
    quint64 serial = 0; // never reused, unlike the address of a closed session
    bool retired = false; // out of the key map, closed once nothing waits on it
};

// A request waiting for its answer.
struct Context
{
    CvSnmpCallback callback;
    QString agentAddress;
    quint16 agentPort = 0;
    bool cancelled = false;
    bool done = false;
    void *session = nullptr; // the library session it went out on
    // SNMPv3: what is needed to send it once more after the agent's engine
    // changed, and whether that was done.
    CvSnmpTarget target;
    CvPduType type = CvPduType::Get;
    QList<CvSnmpBinding> bindings;
    bool resent = false;
    bool awaitingResend = false; // a notInTimeWindow report came; the library resends
    int nonRepeaters = 0; // get-bulk only
    int maxRepetitions = 0;
};

// An SNMPv3 request waiting for the agent's engine to be found.
struct Queued
{
    quint64 handle;
    CvSnmpTarget target;
    CvPduType type;
    QList<CvSnmpBinding> bindings;
};

struct Discovery
{
    std::deque<Queued> waiting;
};

// A host name being resolved, or resolved: requests to it wait for the
// answer of one lookup, and the address is kept for a while.
struct HostEntry
{
    QHostAddress address; // null when the name does not resolve
    QDeadlineTimer expiry;
    int lookupId = -1; // while the lookup runs
    std::deque<Queued> waiting;
};

// How long a resolved host name, or a failed lookup, is kept.
constexpr int HostLifetimeMs = 60000;
constexpr int HostFailureLifetimeMs = 5000;

// An SNMP engine ID is 5 to 32 octets long.
constexpr qsizetype MinEngineIdOctets = 5;
constexpr qsizetype MaxEngineIdOctets = 32;

// SNMPv3 security (CvSnmpSecurity.cpp).
void wipe(QByteArray &bytes);
const oid *authProtocolOid(int code, size_t &len);
const oid *privProtocolOid(int code, size_t &len);
QByteArray secretsDigest(const CvSnmpTarget &t);
// Puts the user-based security of target t on a session about to be
// opened; the texts it points at are kept by the caller until the open.
// 0, or the result the open fails with.
int applyUsm(netsnmp_session &s, const CvSnmpTarget &t, bool probe, QByteArray &name,
    QByteArray &context, QByteArray &contextEngine, QByteArray &engine);

// Sessions (CvSnmpSessions.cpp).
CvSnmpTarget withoutSecrets(CvSnmpTarget t);
bool sameTarget(const CvSnmpTarget &a, const CvSnmpTarget &b);
QString sessionKey(const CvSnmpTarget &t, const QString &peer);

// Hosts (CvSnmpHosts.cpp).
QString peerOf(const QHostAddress &host, quint16 port);

// PDUs (CvSnmpPdu.cpp).
int fromLibraryError(int err);
CvSNMPValue fromVariable(const netsnmp_variable_list *v);
bool addVariable(netsnmp_pdu *pdu, const CvSnmpBinding &b, bool withValue);
// The error status, error index and bindings of a response PDU.
void readPdu(const netsnmp_pdu *pdu, CvSnmpResponse &response);

} // namespace CvTransportDetail

struct CvSnmpTransport::Private
{
    using Session = CvTransportDetail::Session;
    using Context = CvTransportDetail::Context;
    using Queued = CvTransportDetail::Queued;
    using Discovery = CvTransportDetail::Discovery;
    using HostEntry = CvTransportDetail::HostEntry;

    bool initialised = false;
    quint64 nextHandle = 1;
    QHash<quint64, Context> contexts;
    QHash<QString, Session *> sessions; // key -> session
    QHash<QString, QByteArray> engines; // "address:port" -> agent engine ID
    QHash<QString, Discovery *> discoveries; // "address:port" -> probe under way
    std::vector<std::unique_ptr<Session>> owned; // every open session, closed at the end
    QHash<quint64, std::pair<QString, Session *>> probeAgents; // probe id -> agent, probe session
    QHash<QString, HostEntry> hosts; // host name -> its address
    quint64 hostLookups = 0;
    bool closing = false;
    int pumping = 0; // inside a library read or time-out pass
    std::function<void()> sendHook;
    std::vector<std::pair<quint64, CvSnmpResponse>> ready;
    // The peer name and session key of the last target with a numeric
    // address: a walk sends to one target step after step, and both are
    // functions of the target alone. The target is kept without its pass
    // phrases; their digest stands for them.
    struct
    {
        bool valid = false;
        CvSnmpTarget target;
        QByteArray secrets;
        QString peer;
        QString key;
    } lastTarget;

    void closeLater(void *handle);
    void retire(Session *session);
    void closeIfIdle(void *handle);
    void forgetEngine(const QString &peer, const QByteArray &engineId);
    bool resendAfterEngineChange(quint64 handle);
    void expectResend(quint64 handle);
    void doubtEngine(void *handle);
    int sendToHost(quint64 handle, const CvSnmpTarget &t, CvPduType type,
        const QList<CvSnmpBinding> &bindings);
    void hostResolved(const QString &name, const QHostInfo &info);
    void deliver(quint64 handle, const CvSnmpResponse &response);
    void drain();

    static int onEvent(int op, netsnmp_session *, int, netsnmp_pdu *pdu, void *magic);
    static int onProbe(int op, netsnmp_session *, int, netsnmp_pdu *pdu, void *magic);

    quint64 start(const CvSnmpTarget &target, CvPduType type, const QList<CvSnmpBinding> &bindings,
        CvSnmpCallback callback, int *immediate, int nonRepeaters, int maxRepetitions);
    Session *openSession(const CvSnmpTarget &t, const QString &peer, const QByteArray &engineId,
        bool probe, int *result);
    void watch(Session *s);
    int dispatch(quint64 handle, const CvSnmpTarget &t, CvPduType type,
        const QList<CvSnmpBinding> &bindings);
    int sendPdu(quint64 handle, const CvSnmpTarget &t, CvPduType type,
        const QList<CvSnmpBinding> &bindings, const QString &peer, const QString &key);
    void startDiscovery(const QString &agent, const QString &peer, const CvSnmpTarget &t);
    void queueForDiscovery(const QString &peer, Queued queued);
    void sendQueued(const Queued &q, int failure);
    void finishDiscovery(const QString &agent, const QByteArray &engineId, int failure);
    void complete(quint64 handle, CvSnmpResponse response);
    void ensureUser(Session *s);
};
