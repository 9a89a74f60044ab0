#include "CvSnmpTransportPrivate.h"

#include <QCoreApplication>
#include <QDir>
#include <QHostInfo>

#include <algorithm>
#include <cstdlib>

// The public face of the transport and the life of a request: start,
// answer, hand-over through the event loop, cancel. Sessions, security,
// host lookups, engine discovery and PDUs have files of their own.

using namespace CvTransportDetail;

CvSnmpTransport &CvSnmpTransport::instance()
{
    static CvSnmpTransport transport;
    return transport;
}

CvSnmpTransport::CvSnmpTransport()
    : d(std::make_unique<Private>())
{
}

CvSnmpTransport::~CvSnmpTransport() = default;

bool CvSnmpTransport::IsInitialised() const
{
    return d->initialised;
}

void CvSnmpTransport::Initialise(const QByteArray &localEngineId, quint32 boots)
{
    if (d->initialised)
        return;
    // No MIB files, no configuration, nothing written under /var/lib/snmp.
    setenv("MIBS", "", 1);
    static const QByteArray persistent
        = QFile::encodeName(QDir::tempPath() + QStringLiteral("/trv8170ql-snmp"));
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_string(
        NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, persistent.constData());
    // TRV_SNMP_DEBUG=token,token turns on the library's own tracing.
    const QByteArray debugTokens = qgetenv("TRV_SNMP_DEBUG");
    if (debugTokens.isEmpty()) {
        snmp_disable_log();
    } else {
        snmp_enable_stderrlog();
        debug_register_tokens(debugTokens.constData());
        snmp_set_do_debugging(1);
    }
    init_snmp("trv8170ql");
    setup_engineID(nullptr, localEngineId.constData());
    // The library's handler of the "engineBoots" line counts one start
    // itself; it is handed the count before this start, so that the value
    // in use is the one the counter file holds.
    QByteArray bootsText = QByteArray::number(boots > 0 ? boots - 1 : 0);
    engineBoots_conf("engineBoots", bootsText.data());
    d->initialised = true;
    // However the program ends, its sessions close while the application
    // object still exists; no event loop runs any more to delete their
    // notifiers later, so they go at once.
    qAddPostRoutine([] {
        CvSnmpTransport &transport = instance();
        for (const auto &session : transport.d->owned)
            session->notifier.reset();
        transport.CloseAll();
    });
}

quint64 CvSnmpTransport::Send(const CvSnmpTarget &target, CvPduType type,
    const QList<CvSnmpBinding> &bindings, CvSnmpCallback callback, int *immediate)
{
    return d->start(target, type, bindings, std::move(callback), immediate, 0, 0);
}

quint64 CvSnmpTransport::SendBulk(const CvSnmpTarget &target, const QList<CvSnmpBinding> &bindings,
    int nonRepeaters, int maxRepetitions, CvSnmpCallback callback, int *immediate)
{
    if (target.version == 0) {
        *immediate = CvSnmpResult::OperationFailed; // SNMPv1 has no get-bulk
        return 0;
    }
    return d->start(target, CvPduType::GetBulk, bindings, std::move(callback), immediate,
        std::max(nonRepeaters, 0), std::max(maxRepetitions, 0));
}

quint64 CvSnmpTransport::Private::start(const CvSnmpTarget &target, CvPduType type,
    const QList<CvSnmpBinding> &bindings, CvSnmpCallback callback, int *immediate, int nonRepeaters,
    int maxRepetitions)
{
    *immediate = 0;
    const quint64 handle = nextHandle++;
    Context context;
    context.callback = std::move(callback);
    context.agentAddress = target.address;
    context.agentPort = target.port;
    context.nonRepeaters = nonRepeaters;
    context.maxRepetitions = maxRepetitions;
    contexts.insert(handle, std::move(context));
    if (sendHook)
        sendHook();
    const int result = dispatch(handle, target, type, bindings);
    if (result != 0) {
        const auto it = contexts.find(handle);
        if (it != contexts.end() && !it->done) {
            contexts.erase(it);
            *immediate = result;
            return 0;
        }
    }
    return handle;
}

void CvSnmpTransport::Private::complete(quint64 handle, CvSnmpResponse response)
{
    auto it = contexts.find(handle);
    if (it == contexts.end() || it->done)
        return;
    it->done = true;
    it->target = CvSnmpTarget(); // its pass phrases go with it
    it->bindings.clear();
    if (it->session) {
        void *handle = it->session;
        const bool retired = std::any_of(owned.begin(), owned.end(),
            [handle](const auto &s) { return s->handle == handle && s->retired; });
        if (retired)
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [this, handle] { closeIfIdle(handle); },
                Qt::QueuedConnection);
    }
    response.agentAddress = it->agentAddress;
    response.agentPort = it->agentPort;
    // Answers are handed over once the library call that produced them has
    // returned, never from inside the library, so a completion routine may
    // send or wait as it likes. Inside a read or time-out pass they run
    // right after it; anything else (a failure inside a send) goes through
    // the event loop, so no callback runs before Send has returned.
    if (pumping > 0) {
        ready.emplace_back(handle, std::move(response));
        return;
    }
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [this, handle, response = std::move(response)] { deliver(handle, response); },
        Qt::QueuedConnection);
}

void CvSnmpTransport::Private::deliver(quint64 handle, const CvSnmpResponse &response)
{
    const auto found = contexts.find(handle);
    if (found == contexts.end())
        return;
    CvSnmpCallback callback = std::move(found->callback);
    const bool cancelled = found->cancelled;
    contexts.erase(found);
    if (!cancelled && callback)
        callback(response);
}

void CvSnmpTransport::Private::drain()
{
    while (!ready.empty()) {
        std::vector<std::pair<quint64, CvSnmpResponse>> batch;
        batch.swap(ready);
        for (const auto &[handle, response] : batch)
            deliver(handle, response);
    }
}

namespace {
// Reports belong to SNMPv3 alone: on a community session one is a
// malformed answer, not a security failure.
int reportResult(const netsnmp_session *session, netsnmp_pdu *pdu)
{
    if (session && session->version != SNMP_VERSION_3)
        return CvSnmpResult::InvalidPdu;
    return fromLibraryError(snmpv3_get_report_type(pdu));
}
} // namespace

int CvSnmpTransport::Private::onEvent(
    int op, netsnmp_session *session, int, netsnmp_pdu *pdu, void *magic)
{
    Private &d = *CvSnmpTransport::instance().d;
    const quint64 handle = quint64(reinterpret_cast<quintptr>(magic));
    const auto it = d.contexts.find(handle);
    if (it == d.contexts.end() || it->done)
        return 1;
    CvSnmpResponse response;
    switch (op) {
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
        if (pdu && pdu->command == SNMP_MSG_REPORT) {
            response.result = reportResult(session, pdu);
            if (response.result == CvSnmpResult::OperationFailed)
                response.result = CvSnmpResult::UsmError;
            break;
        }
        if (!pdu || pdu->command != SNMP_MSG_RESPONSE)
            return 1;
        readPdu(pdu, response);
        break;
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
        response.result = CvSnmpResult::Timeout;
        if (!d.closing)
            d.doubtEngine(it->session);
        break;
    case NETSNMP_CALLBACK_OP_SEND_FAILED:
        response.result = session && session->s_snmp_errno ? fromLibraryError(session->s_snmp_errno)
                                                           : CvSnmpResult::TransportFailed;
        break;
    case NETSNMP_CALLBACK_OP_SEC_ERROR:
        if (pdu && pdu->command == SNMP_MSG_REPORT)
            response.result = reportResult(session, pdu);
        else
            response.result
                = session && session->s_snmp_errno ? fromLibraryError(session->s_snmp_errno) : 1401;
        if (response.result <= 0 && response.result != CvSnmpResult::InvalidPdu)
            response.result = CvSnmpResult::UsmError;
        break;
    default:
        return 1; // resends and connection notices are not the end of a request
    }
    if (d.closing) {
        response.result = CvSnmpResult::SessionClosed;
    } else if (response.result == 1411) {
        // The agent restarted and counts other boots. Its authenticated
        // report has set the library's copy of its boots and time, and the
        // library sends the request again by itself: its answer ends the
        // request.
        d.expectResend(handle);
        return 1;
    } else if (response.result == 1410 && d.resendAfterEngineChange(handle)) {
        return 1; // the agent has another engine now; found again, then sent
    }
    d.complete(handle, std::move(response));
    return 1;
}

void CvSnmpTransport::Cancel(quint64 handle)
{
    const auto it = d->contexts.find(handle);
    if (it == d->contexts.end())
        return;
    it->cancelled = true;
    it->callback = nullptr;
}

bool CvSnmpTransport::IsPending(quint64 handle) const
{
    const auto it = d->contexts.constFind(handle);
    return it != d->contexts.cend() && !it->cancelled;
}

int CvSnmpTransport::PendingCount() const
{
    int n = 0;
    for (const Context &c : d->contexts)
        n += c.done ? 0 : 1;
    return n;
}

void CvSnmpTransport::ProcessTimeouts()
{
    // snmp_sess_timeout may complete requests, which never closes a session
    // here, so the list stays valid while it is walked.
    ++d->pumping;
    for (const auto &session : d->owned)
        snmp_sess_timeout(session->handle);
    --d->pumping;
    d->drain();
}

void CvSnmpTransport::CloseAll()
{
    d->closing = true;
    d->probeAgents.clear();
    for (auto h = d->hosts.begin(); h != d->hosts.end(); ++h) {
        if (h->lookupId >= 0)
            QHostInfo::abortHostLookup(h->lookupId);
        for (const Queued &q : h->waiting) {
            CvSnmpResponse response;
            response.result = CvSnmpResult::SessionClosed;
            d->complete(q.handle, std::move(response));
        }
    }
    d->hosts.clear();
    for (const QString &agent : d->discoveries.keys())
        d->finishDiscovery(agent, QByteArray(), CvSnmpResult::SessionClosed);
    while (!d->owned.empty())
        d->closeLater(d->owned.back()->handle);
    d->sessions.clear();
    d->engines.clear();
    d->closing = false;
}

void CvSnmpTransport::SetSendHook(std::function<void()> hook)
{
    d->sendHook = std::move(hook);
}

quint64 CvSnmpTransport::HostLookups() const
{
    return d->hostLookups;
}

quint32 CvSnmpTransport::LocalEngineBoots() const
{
    return d->initialised ? quint32(snmpv3_local_snmpEngineBoots()) : 0;
}
