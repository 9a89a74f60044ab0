#include "Agent.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <arpa/inet.h>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <netinet/in.h>
#include <sstream>
#include <sys/socket.h>
#include <tuple>

extern "C" {
// The agent library's first listening session; not declared in its headers.
extern netsnmp_session *main_session;
}

namespace trvsim {

static_assert(sizeof(oid) == sizeof(SubId), "OID sub-identifiers must match the library's");

std::string ListenAddress::display() const
{
    return (ipv6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

std::optional<std::string> parseListenAddress(const std::string &text, ListenAddress &out)
{
    const auto colon = text.rfind(':');
    if (colon == std::string::npos)
        return "'" + text + "' is not ADDRESS:PORT";
    std::string host = text.substr(0, colon);
    const std::string portText = text.substr(colon + 1);
    char *end = nullptr;
    const long port = std::strtol(portText.c_str(), &end, 10);
    if (portText.empty() || *end || port < 0 || port > 65535)
        return "bad port '" + portText + "'";
    out.port = static_cast<int>(port);
    if (host == "localhost")
        host = "127.0.0.1";
    if (host.size() > 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    in_addr v4 {};
    in6_addr v6 {};
    if (inet_pton(AF_INET, host.c_str(), &v4) == 1) {
        if ((ntohl(v4.s_addr) >> 24) != 127)
            return host + " is not a loopback address";
        out.ipv6 = false;
    } else if (inet_pton(AF_INET6, host.c_str(), &v6) == 1) {
        if (!IN6_IS_ADDR_LOOPBACK(&v6))
            return host + " is not a loopback address";
        out.ipv6 = true;
        host = "::1";
    } else {
        return "'" + host + "' is not a numeric loopback address";
    }
    out.host = host;
    return std::nullopt;
}

namespace {

Simulation *simulation = nullptr;
AgentOptions agentOptions;
volatile std::sig_atomic_t stopRequested = 0;

// --- fault switches on the receiving side ---------------------------------

int (*libraryRecv)(netsnmp_transport *, void *, int, void **, int *) = nullptr;
long requestsSeen = 0;
uint64_t randomState = 0;

uint64_t nextRandom()
{
    uint64_t z = (randomState += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Reads one datagram and decides whether the agent gets to see it. A dropped
// datagram is reported to the library as a failed read, which it ignores.
int faultyRecv(netsnmp_transport *t, void *buf, int size, void **opaque, int *olength)
{
    const int n = libraryRecv(t, buf, size, opaque, olength);
    if (n <= 0)
        return n;
    ++requestsSeen;
    bool drop = agentOptions.silentAfter >= 0 && requestsSeen > agentOptions.silentAfter;
    if (!drop && agentOptions.dropPercent > 0)
        drop = nextRandom() % 100 < static_cast<uint64_t>(agentOptions.dropPercent);
    if (!drop)
        return n;
    SNMP_FREE(*opaque);
    *olength = 0;
    errno = EAGAIN;
    return -1;
}

// --- values between the library and the simulation ------------------------

void setValue(netsnmp_variable_list *vb, unsigned char type, const Value &v)
{
    switch (type) {
    case ASN_INTEGER: {
        long x = static_cast<long>(v.integer());
        snmp_set_var_typed_value(vb, type, &x, sizeof x);
        break;
    }
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS: {
        u_long x = static_cast<u_long>(v.number & 0xFFFFFFFFu);
        snmp_set_var_typed_value(vb, type, &x, sizeof x);
        break;
    }
    case ASN_COUNTER64: {
        counter64 c {
            static_cast<u_long>(v.number >> 32), static_cast<u_long>(v.number & 0xFFFFFFFFu)};
        snmp_set_var_typed_value(vb, type, &c, sizeof c);
        break;
    }
    case ASN_OBJECT_ID:
        snmp_set_var_typed_value(vb, type, v.oid.data(), v.oid.size() * sizeof(oid));
        break;
    default:
        snmp_set_var_typed_value(vb, type, v.bytes.data(), v.bytes.size());
        break;
    }
}

Varbind toVarbind(const netsnmp_variable_list *vb)
{
    Varbind out;
    out.name.assign(vb->name, vb->name + vb->name_length);
    out.type = vb->type;
    switch (vb->type) {
    case ASN_INTEGER:
        if (vb->val.integer)
            out.value.number = static_cast<uint64_t>(static_cast<int64_t>(*vb->val.integer));
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        if (vb->val.integer)
            out.value.number = static_cast<u_long>(*vb->val.integer) & 0xFFFFFFFFu;
        break;
    case ASN_COUNTER64:
        if (vb->val.counter64)
            out.value.number = (static_cast<uint64_t>(vb->val.counter64->high) << 32)
                | (vb->val.counter64->low & 0xFFFFFFFFu);
        break;
    case ASN_OBJECT_ID:
        if (vb->val.objid)
            out.value.oid.assign(vb->val.objid, vb->val.objid + vb->val_len / sizeof(oid));
        break;
    default:
        if (vb->val.string)
            out.value.bytes.assign(reinterpret_cast<const char *>(vb->val.string), vb->val_len);
        break;
    }
    return out;
}

// --- the handler -----------------------------------------------------------

constexpr const char *txnKey = "trvsim-set";
constexpr const char *delayedKey = "trvsim-delayed";
int delayedMarker = 0;

void freeTransaction(void *p)
{
    delete static_cast<Mib::Transaction *>(p);
}

int process(netsnmp_agent_request_info *reqinfo, netsnmp_request_info *requests)
{
    Mib &mib = simulation->mib();
    switch (reqinfo->mode) {
    case MODE_GET:
        for (auto *r = requests; r; r = r->next) {
            if (r->processed)
                continue;
            Oid name(r->requestvb->name, r->requestvb->name + r->requestvb->name_length);
            unsigned char type = 0;
            if (auto v = mib.get(name, type))
                setValue(r->requestvb, type, *v);
            else
                netsnmp_set_request_error(
                    reqinfo, r, mib.covers(name) ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
        }
        break;
    case MODE_GETNEXT:
        for (auto *r = requests; r; r = r->next) {
            if (r->processed)
                continue;
            Oid name(r->requestvb->name, r->requestvb->name + r->requestvb->name_length);
            Oid found;
            Value value;
            unsigned char type = 0;
            // Nothing after it here: leave the variable alone and the agent
            // answers endOfMibView (noSuchName in SNMPv1).
            if (mib.getNext(name, r->inclusive != 0, found, value, type)) {
                snmp_set_var_objid(r->requestvb, found.data(), found.size());
                setValue(r->requestvb, type, value);
            }
        }
        break;
    case MODE_SET_RESERVE1: {
        std::vector<Varbind> varbinds;
        std::vector<netsnmp_request_info *> order;
        for (auto *r = requests; r; r = r->next) {
            varbinds.push_back(toVarbind(r->requestvb));
            order.push_back(r);
        }
        auto txn = std::make_unique<Mib::Transaction>();
        const auto result = mib.check(varbinds, *txn);
        if (result.status != SNMP_ERR_NOERROR) {
            netsnmp_set_request_error(reqinfo, order.at(result.failed), result.status);
            break;
        }
        netsnmp_agent_add_list_data(
            reqinfo, netsnmp_create_data_list(txnKey, txn.release(), freeTransaction));
        break;
    }
    case MODE_SET_COMMIT:
        if (auto *txn
            = static_cast<Mib::Transaction *>(netsnmp_agent_get_list_data(reqinfo, txnKey)))
            mib.apply(*txn);
        break;
    default: // RESERVE2, ACTION, FREE, UNDO: everything was decided in RESERVE1
        break;
    }
    return SNMP_ERR_NOERROR;
}

// A delayed answer's hold on its request; the library frees the request, the
// holder frees the hold.
struct FreeDelegatedCache
{
    void operator()(netsnmp_delegated_cache *cache) const { netsnmp_free_delegated_cache(cache); }
};
using DelegatedCache = std::unique_ptr<netsnmp_delegated_cache, FreeDelegatedCache>;

// Delayed answers not yet due, by alarm registration: those still here when
// the agent stops are dropped with their alarms.
std::map<unsigned int, DelegatedCache> pendingAnswers;

void answerDelayed(unsigned int alarm, void *)
{
    const auto node = pendingAnswers.extract(alarm);
    if (node.empty())
        return;
    netsnmp_delegated_cache *cache = node.mapped().get();
    if (!netsnmp_handler_check_cache(cache))
        return; // the request went away meanwhile
    netsnmp_handler_mark_requests_as_delegated(cache->requests, REQUEST_IS_NOT_DELEGATED);
    // A get-bulk reaches the handler as get-next passes, and the library has
    // set the mode back to get-bulk since: the pass is answered in the mode
    // it was asked in. The library sets up the next pass from the answers
    // right after the handler returns, which for a delayed pass was before
    // there were any; it is done again now, or every repetition would read
    // endOfMibView.
    const int mode = int(reinterpret_cast<intptr_t>(cache->localinfo));
    const int current = cache->reqinfo->mode;
    cache->reqinfo->mode = mode;
    process(cache->reqinfo, cache->requests);
    cache->reqinfo->mode = current;
    if (current == MODE_GETBULK && mode == MODE_GETNEXT)
        netsnmp_bulk_to_next_fix_requests(cache->requests);
}

void dropPendingAnswers()
{
    for (const auto &[alarm, cache] : pendingAnswers)
        snmp_alarm_unregister(alarm);
    pendingAnswers.clear();
}

int handleRequests(netsnmp_mib_handler *handler, netsnmp_handler_registration *reginfo,
    netsnmp_agent_request_info *reqinfo, netsnmp_request_info *requests)
{
    const bool delayable = reqinfo->mode == MODE_GET || reqinfo->mode == MODE_GETNEXT
        || reqinfo->mode == MODE_SET_RESERVE1;
    if (agentOptions.delayMs > 0 && delayable
        && !netsnmp_agent_get_list_data(reqinfo, delayedKey)) {
        // Delay once per request PDU, without blocking other requests.
        netsnmp_agent_add_list_data(
            reqinfo, netsnmp_create_data_list(delayedKey, &delayedMarker, nullptr));
        DelegatedCache cache(netsnmp_create_delegated_cache(handler, reginfo, reqinfo, requests,
            reinterpret_cast<void *>(intptr_t(reqinfo->mode))));
        timeval delay {agentOptions.delayMs / 1000, (agentOptions.delayMs % 1000) * 1000};
        const unsigned int alarm = snmp_alarm_register_hr(delay, 0, answerDelayed, nullptr);
        if (!cache || alarm == 0)
            return process(reqinfo, requests); // answered at once rather than never
        netsnmp_handler_mark_requests_as_delegated(requests, REQUEST_IS_DELEGATED);
        pendingAnswers.emplace(alarm, std::move(cache));
        return SNMP_ERR_NOERROR;
    }
    return process(reqinfo, requests);
}

// What the `engine:NAME` sources of the data read: the local engine and the
// library's counters of the message processing and security subsystems.
Value engineValue(const std::string &name)
{
    static const std::map<std::string, int, std::less<>> statistics = {
        {"unknown-security-models", STAT_SNMPUNKNOWNSECURITYMODELS},
        {"invalid-msgs", STAT_SNMPINVALIDMSGS},
        {"unknown-pdu-handlers", STAT_SNMPUNKNOWNPDUHANDLERS},
        {"unsupported-sec-levels", STAT_USMSTATSUNSUPPORTEDSECLEVELS},
        {"not-in-time-windows", STAT_USMSTATSNOTINTIMEWINDOWS},
        {"unknown-user-names", STAT_USMSTATSUNKNOWNUSERNAMES},
        {"unknown-engine-ids", STAT_USMSTATSUNKNOWNENGINEIDS},
        {"wrong-digests", STAT_USMSTATSWRONGDIGESTS},
        {"decryption-errors", STAT_USMSTATSDECRYPTIONERRORS},
        {"unavailable-contexts", STAT_SNMPUNAVAILABLECONTEXTS},
        {"unknown-contexts", STAT_SNMPUNKNOWNCONTEXTS},
        // The snmp group of MIB-II, as the library counts it.
        {"snmp-in-pkts", STAT_SNMPINPKTS},
        {"snmp-out-pkts", STAT_SNMPOUTPKTS},
        {"snmp-in-bad-versions", STAT_SNMPINBADVERSIONS},
        {"snmp-in-bad-community-names", STAT_SNMPINBADCOMMUNITYNAMES},
        {"snmp-in-bad-community-uses", STAT_SNMPINBADCOMMUNITYUSES},
        {"snmp-in-asn-parse-errs", STAT_SNMPINASNPARSEERRS},
        {"snmp-in-too-bigs", STAT_SNMPINTOOBIGS},
        {"snmp-in-no-such-names", STAT_SNMPINNOSUCHNAMES},
        {"snmp-in-bad-values", STAT_SNMPINBADVALUES},
        {"snmp-in-read-onlys", STAT_SNMPINREADONLYS},
        {"snmp-in-gen-errs", STAT_SNMPINGENERRS},
        {"snmp-in-total-req-vars", STAT_SNMPINTOTALREQVARS},
        {"snmp-in-total-set-vars", STAT_SNMPINTOTALSETVARS},
        {"snmp-in-get-requests", STAT_SNMPINGETREQUESTS},
        {"snmp-in-get-nexts", STAT_SNMPINGETNEXTS},
        {"snmp-in-set-requests", STAT_SNMPINSETREQUESTS},
        {"snmp-in-get-responses", STAT_SNMPINGETRESPONSES},
        {"snmp-in-traps", STAT_SNMPINTRAPS},
        {"snmp-out-too-bigs", STAT_SNMPOUTTOOBIGS},
        {"snmp-out-no-such-names", STAT_SNMPOUTNOSUCHNAMES},
        {"snmp-out-bad-values", STAT_SNMPOUTBADVALUES},
        {"snmp-out-gen-errs", STAT_SNMPOUTGENERRS},
        {"snmp-out-get-requests", STAT_SNMPOUTGETREQUESTS},
        {"snmp-out-get-nexts", STAT_SNMPOUTGETNEXTS},
        {"snmp-out-set-requests", STAT_SNMPOUTSETREQUESTS},
        {"snmp-out-get-responses", STAT_SNMPOUTGETRESPONSES},
        {"snmp-out-traps", STAT_SNMPOUTTRAPS},
        {"snmp-silent-drops", STAT_SNMPSILENTDROPS},
        {"snmp-proxy-drops", STAT_SNMPPROXYDROPS},
    };
    Value v;
    if (name == "id") {
        u_char id[SNMP_MAXBUF_SMALL];
        const size_t n = snmpv3_get_engineID(id, sizeof id);
        v.bytes.assign(reinterpret_cast<const char *>(id), n);
    } else if (name == "boots") {
        v.number = snmpv3_local_snmpEngineBoots();
    } else if (name == "time") {
        v.number = snmpv3_local_snmpEngineTime();
    } else if (auto it = statistics.find(name); it != statistics.end()) {
        v.number = snmp_get_statistic(it->second) & 0xFFFFFFFFu;
    }
    return v;
}

void onSignal(int)
{
    stopRequested = 1;
}

void wakeUp(unsigned int, void *) { }

// Keeps only the engine ID and boots counter of the previous run: users are
// defined afresh from the configuration lines on every start.
void prunePersistentFile(const std::filesystem::path &file)
{
    std::ifstream in(file);
    if (!in)
        return;
    std::string line, kept;
    while (std::getline(in, line))
        if (line.starts_with("engineBoots") || line.starts_with("oldEngineID"))
            kept += line + "\n";
    in.close();
    std::ofstream(file, std::ios::trunc) << kept;
}

int localPort(int sock, bool ipv6)
{
    sockaddr_storage addr {};
    socklen_t len = sizeof addr;
    if (getsockname(sock, reinterpret_cast<sockaddr *>(&addr), &len) != 0)
        return -1;
    return ipv6 ? ntohs(reinterpret_cast<sockaddr_in6 *>(&addr)->sin6_port)
                : ntohs(reinterpret_cast<sockaddr_in *>(&addr)->sin_port);
}

} // namespace

int runAgent(Simulation &sim, const AgentOptions &options)
{
    namespace fs = std::filesystem;
    simulation = &sim;
    agentOptions = options;
    randomState = options.seed;

    const fs::path persistent = options.persistentDir;
    const fs::path confDir = persistent / "conf"; // stays empty: no configuration file is read
    std::error_code ec;
    fs::create_directories(confDir, ec);
    // The library creates this one itself, with a message on standard error.
    fs::create_directories(persistent / "cert_indexes", ec);
    if (ec) {
        std::cerr << "trvsim: cannot create " << confDir << ": " << ec.message() << "\n";
        return 1;
    }
    fs::permissions(persistent, fs::perms::owner_all, fs::perm_options::replace, ec);
    prunePersistentFile(persistent / "trvsim.conf");

    // Only our own directories: the library's environment overrides would
    // make it read or write files elsewhere.
    for (const char *name :
        {"SNMPCONFPATH", "SNMP_PERSISTENT_DIR", "SNMP_PERSISTENT_FILE", "MIBDIRS"})
        unsetenv(name);
    setenv("MIBS", "", 1);
    snmp_enable_stderrlog();
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES, 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, confDir.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, persistent.c_str());
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_NO_ROOT_ACCESS, 1);
    netsnmp_ds_set_boolean(
        NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
    const std::string ports
        = (options.listen.ipv6 ? "udp6:[::1]:" : "udp:" + options.listen.host + ":")
        + std::to_string(options.listen.port);
    netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, ports.c_str());
    add_to_init_list(const_cast<char *>("-smux"));
    // A get-bulk answer holds what the walk asks for up to the largest
    // message, unless a limit of bindings is asked for (the library's own
    // default is 100).
    netsnmp_ds_set_int(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_MAX_GETBULKRESPONSES,
        options.bulkLimit > 0 ? options.bulkLimit : -1);

    init_agent("trvsim");

    // The internet subtree, and the IEEE 802.1X port access MIB, which lies
    // outside it.
    static const oid internet[] = {1, 3, 6, 1};
    static const oid ieee8021x[] = {1, 0, 8802};
    for (const auto &[name, root, length] : {std::tuple {"trvsim", internet, OID_LENGTH(internet)},
             std::tuple {"trvsim-ieee8021x", ieee8021x, OID_LENGTH(ieee8021x)}}) {
        auto *reg = netsnmp_create_handler_registration(
            name, handleRequests, root, length, HANDLER_CAN_RWRITE);
        if (!reg || netsnmp_register_handler(reg) != MIB_REGISTERED_OK) {
            std::cerr << "trvsim: cannot register the MIB handler\n";
            return 1;
        }
    }

    static const char *const accessLines[] = {
        "rocommunity kestra",
        "rocommunity6 kestra",
        "rwcommunity marlowe",
        "rwcommunity6 marlowe",
        "createUser noauthuser",
        "createUser md5user MD5 authpass123",
        "createUser shauser SHA authpass123",
        "createUser md5desuser MD5 authpass123 DES privpass123",
        "createUser shaaesuser SHA authpass123 AES privpass123",
        "createUser sha256aesuser SHA-256 authpass123 AES privpass123",
        // Pass phrases with a slash and with blanks, as operators choose them.
        "createUser phraseuser SHA x/vault99 AES \"priv pass/Iate9\"",
        "rwuser noauthuser noauth",
        "rwuser md5user auth",
        "rwuser shauser auth",
        "rwuser md5desuser priv",
        "rwuser shaaesuser priv",
        "rwuser sha256aesuser priv",
        "rwuser phraseuser priv",
    };
    for (const char *line : accessLines)
        netsnmp_config(const_cast<char *>(line));

    init_snmp("trvsim");
    // The engine ID is settled now: the tables of users and communities
    // name it, and the engine group shows it.
    sim.setEngineValues(engineValue);
    sim.setLocalEngineId(engineValue("id").bytes);
    if (init_master_agent() != 0 || !main_session) {
        std::cerr << "trvsim: cannot listen on " << options.listen.display() << "\n";
        snmp_shutdown("trvsim");
        return 1;
    }
    netsnmp_transport *transport = snmp_sess_transport(snmp_sess_pointer(main_session));
    if (!transport) {
        std::cerr << "trvsim: no transport for " << options.listen.display() << "\n";
        return 1;
    }
    libraryRecv = transport->f_recv;
    transport->f_recv = faultyRecv;

    struct sigaction action
    {
    };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    // The agent's select wakes up regularly so a signal is seen promptly.
    snmp_alarm_register_hr(timeval {0, 200000}, SA_REPEAT, wakeUp, nullptr);

    ListenAddress shown = options.listen;
    shown.port = localPort(transport->sock, options.listen.ipv6);
    std::cout << "ready " << shown.display() << std::endl;

    while (!stopRequested)
        agent_check_and_process(1);

    dropPendingAnswers();
    snmp_shutdown("trvsim");
    shutdown_master_agent();
    shutdown_agent();
    if (options.removePersistentDir)
        fs::remove_all(persistent, ec);
    return 0;
}

} // namespace trvsim
