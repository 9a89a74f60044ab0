#pragma once

#include "CvSNMPValue.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

// The only door to the SNMP library. It keeps one library session per
// (agent, version, credentials, time-out), opened on first use, resolves
// host names and finds the SNMPv3 engine of an agent without blocking (and
// again when the agent's engine changes), sends PDUs asynchronously and
// hands every answer back through the Qt event loop. Results use the
// numbering the catalogues map: 0, PDU error status 1..18, class errors
// -1..-23, message processing -1402..-1418, user-based security 1401..1414.

struct CvSnmpTarget
{
    QString address; // dotted address or host name
    quint16 port = 161;
    quint8 version = 0; // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
    QString community;
    qint32 securityModel = 3;
    qint32 securityLevel = 1; // 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
    QString securityName;
    qint32 authProtocol = 1; // 1 none, 2 MD5, 3 SHA, 4 SHA-224, 5 SHA-256, 6 SHA-384, 7 SHA-512
    qint32 privProtocol = 1; // 1 none, 2 DES, 3 3DES, 4 AES-128, 9 IDEA, 20 AES-192, 21 AES-256
    QString authPassword;
    QString privPassword;
    QString contextName;
    QString contextEngineId;
    quint32 timeoutCs = 100; // per try, centiseconds
    qint32 retries = 1;
};

enum class CvPduType { Get, GetNext, Set, GetBulk };

struct CvSnmpBinding
{
    CvOid oid;
    CvSNMPValue value;
};

struct CvSnmpResponse
{
    int result = 0; // in the numbering above
    int errorIndex = 0; // of the response PDU
    QList<CvSnmpBinding> bindings;
    QString agentAddress;
    quint16 agentPort = 0;
};

namespace CvSnmpResult {
inline constexpr int Success = 0;
inline constexpr int OperationFailed = -1;
inline constexpr int Timeout = -5;
inline constexpr int SessionClosed = -8;
inline constexpr int InvalidPdu = -11;
inline constexpr int InvalidAddress = -18;
inline constexpr int TransportFailed = -22;
inline constexpr int UsmError = 1401;
inline constexpr int UsmUnsupportedAuth = 1412;
inline constexpr int UsmUnsupportedPriv = 1413;
} // namespace CvSnmpResult

using CvSnmpCallback = std::function<void(const CvSnmpResponse &)>;

class CvSnmpTransport
{
public:
    static CvSnmpTransport &instance();

    // Starts the library once: no configuration files, nothing persisted,
    // no MIB files; the local engine ID and boots count of this manager.
    void Initialise(const QByteArray &localEngineId, quint32 boots);
    bool IsInitialised() const;

    // Sends one PDU. The callback runs later from the event loop, exactly
    // once, unless the request is cancelled first. Returns a handle, or
    // throws nothing: a target that cannot be reached at once (bad address,
    // unsupported protocol) is returned as a nonzero result in *immediate
    // and the callback is not called. A host name that turns out not to
    // resolve ends its requests through the callback with InvalidAddress.
    quint64 Send(const CvSnmpTarget &target, CvPduType type, const QList<CvSnmpBinding> &bindings,
        CvSnmpCallback callback, int *immediate);

    // Sends one get-bulk PDU (SNMPv2c and v3): the first nonRepeaters
    // bindings get one successor each, the others up to maxRepetitions
    // successors, in the order the agent answers them. Otherwise as Send;
    // an SNMPv1 target is refused at once.
    quint64 SendBulk(const CvSnmpTarget &target, const QList<CvSnmpBinding> &bindings,
        int nonRepeaters, int maxRepetitions, CvSnmpCallback callback, int *immediate);

    // The callback of a pending request will not be called.
    void Cancel(quint64 handle);
    bool IsPending(quint64 handle) const;
    int PendingCount() const;

    // Handles retransmissions and time-outs that are due; called by the
    // event processor's tick.
    void ProcessTimeouts();

    // Called whenever a request is sent, so the event processor can sleep
    // while nothing is pending.
    void SetSendHook(std::function<void()> hook);

    // Closes every library session (pending requests end with -8, which
    // reaches no callback). For tests and the end of the program.
    void CloseAll();

    // The key of the library session a target is sent on: the peer name,
    // version, time-out and credentials, the pass phrases only as a digest.
    static QString SessionKey(const CvSnmpTarget &target, const QString &peer);

    // How many host-name lookups were started: a host name is looked up
    // once, without blocking, and its address kept for a minute.
    quint64 HostLookups() const;

    // The boots count of this manager's engine as the library uses it.
    quint32 LocalEngineBoots() const;

    ~CvSnmpTransport();

private:
    CvSnmpTransport();
    struct Private;
    std::unique_ptr<Private> d;
};
