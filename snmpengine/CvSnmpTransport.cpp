#include "CvSnmpTransport.h"

#include <net-snmp/library/large_fd_set.h>
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QHash>
#include <QHostAddress>
#include <QHostInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <deque>

namespace {

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

// Overwrites a buffer that held a pass phrase before it is freed.
void wipe(QByteArray &bytes)
{
    if (!bytes.isEmpty())
        std::fill(bytes.begin(), bytes.end(), '\0');
}

const oid *authProtocolOid(int code, size_t &len)
{
    len = USM_AUTH_PROTO_MD5_LEN;
    switch (code) {
    case 1:
        return usmNoAuthProtocol;
    case 2:
        return usmHMACMD5AuthProtocol;
    case 3:
        return usmHMACSHA1AuthProtocol;
    case 4:
        return usmHMAC128SHA224AuthProtocol;
    case 5:
        return usmHMAC192SHA256AuthProtocol;
    case 6:
        return usmHMAC256SHA384AuthProtocol;
    case 7:
        return usmHMAC384SHA512AuthProtocol;
    default:
        return nullptr;
    }
}

const oid *privProtocolOid(int code, size_t &len)
{
    len = USM_PRIV_PROTO_DES_LEN;
    switch (code) {
    case 1:
        return usmNoPrivProtocol;
    case 2:
        return usmDESPrivProtocol;
    case 4:
        return usmAESPrivProtocol;
    case 20:
        len = 9;
        return usmAES192PrivProtocol;
    case 21:
        len = 9;
        return usmAES256PrivProtocol;
    default:
        return nullptr; // 3DES and IDEA are not in this library
    }
}

// Library error numbers, by meaning, in the numbering of the catalogues.
int fromLibraryError(int err)
{
    switch (err) {
    case SNMPERR_SUCCESS:
        return 0;
    case SNMPERR_TIMEOUT:
        return CvSnmpResult::Timeout;
    case SNMPERR_BAD_ADDRESS:
        return CvSnmpResult::InvalidAddress;
    case SNMPERR_BAD_LOCPORT:
        return -21;
    case SNMPERR_NO_SOCKET:
    case SNMPERR_BAD_SENDTO:
    case SNMPERR_BAD_RECVFROM:
        return CvSnmpResult::TransportFailed;
    case SNMPERR_TOO_LONG:
        return -11;
    case SNMPERR_BAD_VERSION:
        return -16;
    case SNMPERR_BAD_PARSE:
    case SNMPERR_ASN_PARSE_ERR:
        return -1408;
    case SNMPERR_UNKNOWN_SEC_MODEL:
        return -1402;
    case SNMPERR_INVALID_MSG:
        return -1405;
    case SNMPERR_BAD_ENG_ID:
        return -1406;
    case SNMPERR_BAD_CONTEXT:
        return -1417;
    case SNMPERR_USM_GENERICERROR:
        return 1401;
    case SNMPERR_BAD_SEC_LEVEL:
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL:
        return 1403;
    case SNMPERR_BAD_SEC_NAME:
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME:
        return 1404;
    case SNMPERR_USM_ENCRYPTIONERROR:
        return 1405;
    case SNMPERR_DECRYPTION_ERR:
    case SNMPERR_USM_DECRYPTIONERROR:
        return 1406;
    case SNMPERR_AUTHENTICATION_FAILURE:
    case SNMPERR_USM_AUTHENTICATIONFAILURE:
        return 1408;
    case SNMPERR_USM_PARSEERROR:
        return 1409;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID:
        return 1410;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW:
        return 1411;
    default:
        return CvSnmpResult::OperationFailed;
    }
}

CvSNMPValue fromVariable(const netsnmp_variable_list *v)
{
    const auto bytes = [v] {
        return QByteArray(reinterpret_cast<const char *>(v->val.string), qsizetype(v->val_len));
    };
    switch (v->type) {
    case ASN_INTEGER:
        return CvSNMPValue::FromInteger(qint32(*v->val.integer));
    case ASN_OCTET_STR:
        return CvSNMPValue::FromOctets(CvSNMPValue::OctetString, bytes());
    case ASN_IPADDRESS:
        return CvSNMPValue::FromOctets(CvSNMPValue::IpAddress, bytes());
    case ASN_COUNTER:
        return CvSNMPValue::FromUnsigned(CvSNMPValue::Counter32, quint32(*v->val.integer));
    case ASN_GAUGE:
        return CvSNMPValue::FromUnsigned(CvSNMPValue::Gauge32, quint32(*v->val.integer));
    case ASN_TIMETICKS:
        return CvSNMPValue::FromUnsigned(CvSNMPValue::TimeTicks, quint32(*v->val.integer));
    case ASN_UINTEGER:
        return CvSNMPValue::FromUnsigned(CvSNMPValue::UInteger32, quint32(*v->val.integer));
    case ASN_COUNTER64:
        return CvSNMPValue::FromCounter64(
            (quint64(v->val.counter64->high) << 32) | v->val.counter64->low);
    case ASN_OBJECT_ID: {
        CvOid o;
        const size_t n = v->val_len / sizeof(oid);
        o.reserve(qsizetype(n));
        for (size_t k = 0; k < n; ++k)
            o.append(quint32(v->val.objid[k]));
        return CvSNMPValue::FromOid(o);
    }
    case SNMP_NOSUCHOBJECT:
        return CvSNMPValue::FromNull(CvSNMPValue::NoSuchObject);
    case SNMP_NOSUCHINSTANCE:
        return CvSNMPValue::FromNull(CvSNMPValue::NoSuchInstance);
    case SNMP_ENDOFMIBVIEW:
        return CvSNMPValue::FromNull(CvSNMPValue::EndOfMibView);
    case ASN_NULL:
        return CvSNMPValue::FromNull();
    default:
        return CvSNMPValue::FromOctets(CvSNMPValue::Opaque, bytes());
    }
}

bool addVariable(netsnmp_pdu *pdu, const CvSnmpBinding &b, bool withValue)
{
    std::vector<oid> name(b.oid.begin(), b.oid.end());
    if (name.empty() || name.size() > MAX_OID_LEN)
        return false;
    if (!withValue)
        return snmp_add_null_var(pdu, name.data(), name.size()) != nullptr;
    const CvSNMPValue &v = b.value;
    switch (v.tag()) {
    case CvSNMPValue::Integer: {
        long n = long(v.signedNumber().value_or(0));
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_INTEGER, &n, sizeof n);
    }
    case CvSNMPValue::Counter32:
    case CvSNMPValue::Gauge32:
    case CvSNMPValue::TimeTicks:
    case CvSNMPValue::UInteger32: {
        u_long n = u_long(v.unsignedNumber().value_or(0));
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), u_char(v.tag()), &n, sizeof n);
    }
    case CvSNMPValue::Counter64: {
        const quint64 n = v.unsignedNumber().value_or(0);
        counter64 c {u_long(n >> 32), u_long(n & 0xFFFFFFFFu)};
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_COUNTER64, &c, sizeof c);
    }
    case CvSNMPValue::OctetString:
    case CvSNMPValue::Opaque:
    case CvSNMPValue::IpAddress: {
        const QByteArray o = v.octets().value_or(QByteArray());
        return snmp_pdu_add_variable(
            pdu, name.data(), name.size(), u_char(v.tag()), o.constData(), size_t(o.size()));
    }
    case CvSNMPValue::ObjectId: {
        const CvOid o = v.oid().value_or(CvOid());
        std::vector<oid> value(o.begin(), o.end());
        return snmp_pdu_add_variable(
            pdu, name.data(), name.size(), ASN_OBJECT_ID, value.data(), value.size() * sizeof(oid));
    }
    default:
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_NULL, nullptr, 0);
    }
}

} // namespace

struct CvSnmpTransport::Private
{
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

namespace {
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

// A digest of a target's pass phrases: sessions are told apart by them
// without keeping them in the session map.
QByteArray secretsDigest(const CvSnmpTarget &t)
{
    if (t.version != 3 || (t.authPassword.isEmpty() && t.privPassword.isEmpty()))
        return {};
    QByteArray auth = t.authPassword.toUtf8();
    QByteArray priv = t.privPassword.toUtf8();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArray::number(auth.size()));
    hash.addData(auth);
    hash.addData(priv);
    wipe(auth);
    wipe(priv);
    return hash.result();
}

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
} // namespace

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

namespace {
QString sessionKey(const CvSnmpTarget &t, const QString &peer)
{
    return CvSnmpTransport::SessionKey(t, peer);
}

// An SNMP engine ID is 5 to 32 octets long.
constexpr qsizetype MinEngineIdOctets = 5;
constexpr qsizetype MaxEngineIdOctets = 32;
} // namespace

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
        s.version = SNMP_VERSION_3;
        if (t.securityModel != SNMP_SEC_MODEL_USM) {
            *result = -1402;
            return nullptr;
        }
        s.securityModel = SNMP_SEC_MODEL_USM;
        if (probe) {
            s.securityName = const_cast<char *>("");
            s.securityNameLen = 0;
            s.securityLevel = SNMP_SEC_LEVEL_NOAUTH;
        } else {
            s.securityName = name.data();
            s.securityNameLen = size_t(name.size());
            s.securityLevel = t.securityLevel;
            if (t.securityLevel < SNMP_SEC_LEVEL_NOAUTH
                || t.securityLevel > SNMP_SEC_LEVEL_AUTHPRIV) {
                *result = 1403;
                return nullptr;
            }
            s.securityEngineID = reinterpret_cast<u_char *>(engine.data());
            s.securityEngineIDLen = size_t(engine.size());
            s.contextName = context.data();
            s.contextNameLen = size_t(context.size());
            if (!contextEngine.isEmpty()
                && (contextEngine.size() < MinEngineIdOctets
                    || contextEngine.size() > MaxEngineIdOctets)) {
                *result = -1406; // "(SNMPv3) Invalid EngineID!"
                return nullptr;
            }
            if (!contextEngine.isEmpty()) {
                s.contextEngineID = reinterpret_cast<u_char *>(contextEngine.data());
                s.contextEngineIDLen = size_t(contextEngine.size());
            }
        }
        if (!probe && t.securityLevel >= SNMP_SEC_LEVEL_AUTHNOPRIV) {
            size_t authLen = 0;
            const oid *auth = authProtocolOid(t.authProtocol, authLen);
            if (!auth || t.authProtocol == 1) {
                *result = CvSnmpResult::UsmUnsupportedAuth;
                return nullptr;
            }
            s.securityAuthProto = const_cast<oid *>(auth);
            s.securityAuthProtoLen = authLen;
            s.securityAuthKeyLen = USM_AUTH_KU_LEN;
            QByteArray pass = t.authPassword.toUtf8();
            const int made = generate_Ku(auth, u_int(authLen),
                reinterpret_cast<const u_char *>(pass.constData()), size_t(pass.size()),
                s.securityAuthKey, &s.securityAuthKeyLen);
            wipe(pass);
            if (made != SNMPERR_SUCCESS) {
                *result = CvSnmpResult::UsmError;
                return nullptr;
            }
            if (t.securityLevel == SNMP_SEC_LEVEL_AUTHPRIV) {
                size_t privLen = 0;
                const oid *priv = privProtocolOid(t.privProtocol, privLen);
                if (!priv || t.privProtocol == 1) {
                    *result = CvSnmpResult::UsmUnsupportedPriv;
                    return nullptr;
                }
                s.securityPrivProto = const_cast<oid *>(priv);
                s.securityPrivProtoLen = privLen;
                s.securityPrivKeyLen = USM_PRIV_KU_LEN;
                QByteArray privPass = t.privPassword.toUtf8();
                // The privacy key is made with the authentication protocol.
                const int madePriv = generate_Ku(auth, u_int(authLen),
                    reinterpret_cast<const u_char *>(privPass.constData()), size_t(privPass.size()),
                    s.securityPrivKey, &s.securityPrivKeyLen);
                wipe(privPass);
                if (madePriv != SNMPERR_SUCCESS) {
                    *result = CvSnmpResult::UsmError;
                    return nullptr;
                }
            }
        }
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

void CvSnmpTransport::Private::ensureUser(Session *s)
{
    if (s->target.version != 3)
        return;
    // The library keeps one global user entry per (engine, name) and a new
    // session only fills its empty fields: a changed pass phrase would be
    // ignored. Install this session's keys whenever another session's are
    // in place.
    static QHash<QByteArray, quint64> installed;
    const QByteArray name = s->target.securityName.toUtf8();
    const QByteArray userKey = s->engineId + '\0' + name;
    if (installed.value(userKey) == s->serial)
        return;
    netsnmp_session *session = snmp_sess_session(s->handle);
    if (usmUser *user = usm_get_user(reinterpret_cast<u_char *>(s->engineId.data()),
            size_t(s->engineId.size()), const_cast<char *>(name.constData()))) {
        usm_remove_user(user);
        usm_free_user(user);
    }
    session->flags &= ~SNMP_FLAGS_USER_CREATED; // else the library skips the session
    create_user_from_session(session);
    installed.insert(userKey, s->serial);
}

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

int CvSnmpTransport::Private::sendPdu(quint64 handle, const CvSnmpTarget &t, CvPduType type,
    const QList<CvSnmpBinding> &bindings, const QString &peer, const QString &key)
{
    QByteArray engineId;
    if (t.version == 3) {
        const auto known = engines.constFind(peer);
        if (known == engines.cend()) {
            queueForDiscovery(peer, Queued {handle, t, type, bindings});
            return 0;
        }
        engineId = *known;
    }
    Session *session = sessions.value(key);
    if (session && session->engineId != engineId) {
        retire(session); // the agent's engine changed under it
        session = nullptr;
    }
    if (!session) {
        int result = 0;
        session = openSession(t, peer, engineId, false, &result);
        if (!session)
            return result;
        sessions.insert(key, session);
    }
    ensureUser(session);
    const auto context = contexts.find(handle);
    if (context != contexts.end()) {
        context->session = session->handle;
        if (t.version == 3 && !context->resent) {
            // Kept so that the request can go once more when the agent
            // turns out to have another engine now.
            context->target = t;
            context->type = type;
            context->bindings = bindings;
        }
    }

    const int command = type == CvPduType::Get ? SNMP_MSG_GET
        : type == CvPduType::GetNext           ? SNMP_MSG_GETNEXT
        : type == CvPduType::GetBulk           ? SNMP_MSG_GETBULK
                                               : SNMP_MSG_SET;
    netsnmp_pdu *pdu = snmp_pdu_create(command);
    if (type == CvPduType::GetBulk && context != contexts.end()) {
        pdu->non_repeaters = context->nonRepeaters;
        pdu->max_repetitions = context->maxRepetitions;
    }
    for (const CvSnmpBinding &b : bindings) {
        if (!addVariable(pdu, b, type == CvPduType::Set)) {
            snmp_free_pdu(pdu);
            return -17; // invalid object identifier
        }
    }
    if (snmp_sess_async_send(
            session->handle, pdu, &Private::onEvent, reinterpret_cast<void *>(quintptr(handle)))
        == 0) {
        snmp_free_pdu(pdu);
        if (contexts.value(handle).done)
            return 0; // the library reported the failure through the callback already
        const int err = snmp_sess_session(session->handle)->s_snmp_errno;
        return err ? fromLibraryError(err) : CvSnmpResult::TransportFailed;
    }
    return 0;
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
            response.result = fromLibraryError(snmpv3_get_report_type(pdu));
            if (response.result == CvSnmpResult::OperationFailed)
                response.result = CvSnmpResult::UsmError;
            break;
        }
        if (!pdu || pdu->command != SNMP_MSG_RESPONSE)
            return 1;
        response.result = int(pdu->errstat);
        response.errorIndex = int(pdu->errindex);
        for (netsnmp_variable_list *v = pdu->variables; v; v = v->next_variable) {
            CvSnmpBinding b;
            // Sized once and filled in place: appending arc by arc costs a
            // capacity check per arc on every answer of a walk.
            b.oid.resize(qsizetype(v->name_length));
            std::transform(v->name, v->name + v->name_length, b.oid.data(),
                [](oid arc) { return quint32(arc); });
            b.value = fromVariable(v);
            response.bindings.append(std::move(b));
        }
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
            response.result = fromLibraryError(snmpv3_get_report_type(pdu));
        else
            response.result
                = session && session->s_snmp_errno ? fromLibraryError(session->s_snmp_errno) : 1401;
        if (response.result <= 0)
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
