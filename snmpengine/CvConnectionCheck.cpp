#include "CvConnectionCheck.h"

#include "CvCatalogues.h"
#include "CvSNMPRequest.h"
#include "CvSnmpTransport.h"
#include "CvUnitTableOid.h"
#include "CvValueTexts.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <functional>

// Every step waits through the transport's completions or a single-shot
// timer, never in a loop of its own: the check may be cancelled, started
// again or destroyed from any slot, so each callback first asks whether
// the check still exists and is still the start that sent it.

namespace {

using Outcome = CvConnectionDiagnosis::Outcome;

const char sysObjectIdOid[] = "1.3.6.1.2.1.1.2.0";
const char sysUpTimeOid[] = "1.3.6.1.2.1.1.3.0";
const char sysNameOid[] = "1.3.6.1.2.1.1.5.0";

// Transport results the check names (user-based security, PDU status).
constexpr int UnsupportedLevel = 1403;
constexpr int UnknownUserName = 1404;
constexpr int DecryptionError = 1406;
constexpr int AuthenticationFailure = 1408;
constexpr int NoSuchName = 2;
constexpr int AuthorizationError = 16;

// The library refuses shorter SNMPv3 pass phrases.
constexpr qsizetype MinPassPhraseOctets = 8;

// A name server gets at least this long, whatever the SNMP time-out.
constexpr int MinLookupMs = 5000;

CvOid oidOf(const char *text)
{
    return ParseOid(QString::fromLatin1(text)).value_or(CvOid());
}

QString secondsText(int ms)
{
    return QString::number(ms / 1000.0, 'g', 4);
}

bool startsWith(const CvOid &oid, const CvOid &prefix)
{
    return oid.size() > prefix.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

} // namespace

struct CvConnectionCheck::Private
{
    enum class Step { Idle, Resolving, User, System, Family };

    CvConnectionCheck *q = nullptr;
    CvSNMPSessionDefaults settings;
    int timeoutMs = 3000;
    Step step = Step::Idle;
    // Of the start under way: what an older start sent is dropped.
    quint64 serial = 0;
    quint64 handle = 0; // the request under way
    int lookupId = -1;
    bool userChecked = false; // SNMPv3 authPriv: authNoPriv was answered
    CvSnmpTarget target;
    CvConnectionDiagnosis result;

    QString address() const { return settings.device.address.trimmed(); }
    QString where() const
    {
        return QStringLiteral("%1 port %2").arg(address()).arg(settings.device.port);
    }
    QString userName() const { return settings.security.securityName; }

    // Runs work from the event loop, for this start only.
    void later(std::function<void(Private &)> work);
    void stopWork();
    void begin();
    void resolved(const QHostInfo &info);
    void lookupTimedOut();
    void firstRequest();
    void send(Step at, CvPduType type, const QList<CvSnmpBinding> &bindings, const CvSnmpTarget &t);
    void answered(Step at, const CvSnmpResponse &response);
    void systemAnswered(const CvSnmpResponse &response);
    void familyAnswered(const CvSnmpResponse &response);
    void failed(Step at, int result);
    QString refusal(int result) const;
    bool announce(const QString &step);
    void finish(Outcome outcome, const QString &diagnosis, int code);
};

CvConnectionCheck::CvConnectionCheck(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    d->q = this;
}

CvConnectionCheck::~CvConnectionCheck()
{
    // No finished() from here: whoever listens may be going too.
    d->stopWork();
}

void CvConnectionCheck::start(const CvSNMPSessionDefaults &settings, int timeoutMs)
{
    const QPointer<CvConnectionCheck> self(this);
    cancel();
    if (!self)
        return; // destroyed by a receiver of the cancelled check's finished()
    d->settings = settings;
    d->timeoutMs = std::max(timeoutMs, 10);
    d->result = CvConnectionDiagnosis();
    d->userChecked = false;
    ++d->serial;
    d->begin();
}

void CvConnectionCheck::cancel()
{
    if (d->step == Private::Step::Idle)
        return;
    d->stopWork();
    d->finish(Outcome::Cancelled, QString(), 0);
}

bool CvConnectionCheck::isRunning() const
{
    return d->step != Private::Step::Idle;
}

void CvConnectionCheck::Private::later(std::function<void(Private &)> work)
{
    const QPointer<CvConnectionCheck> self(q);
    const quint64 started = serial;
    QMetaObject::invokeMethod(
        q,
        [self, started, work = std::move(work)] {
            if (self && self->d->serial == started && self->d->step != Step::Idle)
                work(*self->d);
        },
        Qt::QueuedConnection);
}

void CvConnectionCheck::Private::stopWork()
{
    if (handle != 0)
        CvSnmpTransport::instance().Cancel(handle);
    handle = 0;
    if (lookupId >= 0)
        QHostInfo::abortHostLookup(lookupId);
    lookupId = -1;
}

bool CvConnectionCheck::Private::announce(const QString &text)
{
    const QPointer<CvConnectionCheck> self(q);
    const quint64 started = serial;
    emit q->progress(text);
    return self && serial == started;
}

void CvConnectionCheck::Private::begin()
{
    const QString name = address();
    step = Step::Resolving;
    if (!CvSnmpTransport::instance().IsInitialised()) {
        later([](Private &p) {
            p.finish(Outcome::Refused, QStringLiteral("The SNMP session has not been started"),
                EngineCode::SessionFailed);
        });
        return;
    }
    if (name.isEmpty()) {
        later([](Private &p) {
            p.finish(Outcome::NotResolved,
                QStringLiteral("No address was given: enter the switch's IP address or host name"),
                EngineCode::BadAddress);
        });
        return;
    }
    QHostAddress literal;
    if (literal.setAddress(name)) {
        target.address = literal.toString();
        firstRequest();
        return;
    }
    if (!announce(QStringLiteral("Looking up %1").arg(name)))
        return;
    const QPointer<CvConnectionCheck> self(q);
    const quint64 started = serial;
    lookupId = QHostInfo::lookupHost(name, q, [self, started](const QHostInfo &info) {
        if (self && self->d->serial == started && self->d->step == Step::Resolving)
            self->d->resolved(info);
    });
    const int limitMs = std::max(timeoutMs, MinLookupMs);
    QTimer::singleShot(limitMs, q, [self, started] {
        if (self && self->d->serial == started && self->d->step == Step::Resolving)
            self->d->lookupTimedOut();
    });
}

void CvConnectionCheck::Private::resolved(const QHostInfo &info)
{
    lookupId = -1;
    const QList<QHostAddress> addresses = info.addresses();
    if (info.error() != QHostInfo::NoError || addresses.isEmpty()) {
        finish(Outcome::NotResolved,
            QStringLiteral("The host name %1 does not resolve: check its spelling or use the "
                           "switch's IP address")
                .arg(address()),
            EngineCode::BadAddress);
        return;
    }
    // IPv4 first, as the requests of the windows go.
    const auto v4 = std::find_if(addresses.begin(), addresses.end(),
        [](const QHostAddress &a) { return a.protocol() == QAbstractSocket::IPv4Protocol; });
    target.address = (v4 != addresses.end() ? *v4 : addresses.first()).toString();
    firstRequest();
}

void CvConnectionCheck::Private::lookupTimedOut()
{
    stopWork();
    finish(Outcome::NotResolved,
        QStringLiteral("The host name %1 could not be looked up within %2 s: check the name "
                       "server or use the switch's IP address")
            .arg(address(), secondsText(std::max(timeoutMs, MinLookupMs))),
        EngineCode::BadAddress);
}

// The settings as a request made from them would send them, read
// community and all, with the check's own time-out and one try.
void CvConnectionCheck::Private::firstRequest()
{
    const QString resolvedAddress = target.address;
    target = CvSnmpTarget();
    target.address = resolvedAddress;
    target.port = settings.device.port;
    target.version = settings.security.version;
    target.community = settings.security.readCommunity;
    target.securityModel = settings.security.securityModel;
    target.securityLevel = settings.security.securityLevel;
    target.securityName = settings.security.securityName;
    target.authProtocol = settings.security.authProtocol;
    target.privProtocol = settings.security.privProtocol;
    target.authPassword = settings.security.authPassword;
    target.privPassword = settings.security.privPassword;
    target.contextName = settings.scope.contextName;
    target.contextEngineId = settings.scope.contextEngineId;
    target.timeoutCs = quint32(std::max(1, (timeoutMs + 9) / 10));
    target.retries = 0;

    if (target.version == 3 && target.securityLevel == 3) {
        // A privacy fault and a silent agent both end in a time-out at
        // authPriv. Asked first without privacy, the agent tells whether
        // it is there and whether the user authenticates; it is asked for
        // the uptime alone, nothing the operator wanted encrypted.
        if (!announce(QStringLiteral("Checking the SNMPv3 user %1 at %2").arg(userName(), where())))
            return;
        CvSnmpTarget authOnly = target;
        authOnly.securityLevel = 2;
        authOnly.privProtocol = 1;
        authOnly.privPassword.clear();
        send(Step::User, CvPduType::Get, {{oidOf(sysUpTimeOid), {}}}, authOnly);
        return;
    }
    // Under SNMPv3 the get finds the agent's engine and authenticates the
    // user on its way.
    const QString asking = target.version == 3
        ? QStringLiteral("Checking the SNMPv3 user %1 at %2").arg(userName(), where())
        : QStringLiteral("Asking %1 for its system name").arg(where());
    if (!announce(asking))
        return;
    send(Step::System, CvPduType::Get,
        {{oidOf(sysObjectIdOid), {}}, {oidOf(sysNameOid), {}}, {oidOf(sysUpTimeOid), {}}}, target);
}

void CvConnectionCheck::Private::send(
    Step at, CvPduType type, const QList<CvSnmpBinding> &bindings, const CvSnmpTarget &t)
{
    step = at;
    const QPointer<CvConnectionCheck> self(q);
    const quint64 started = serial;
    int immediate = 0;
    handle = CvSnmpTransport::instance().Send(
        t, type, bindings,
        [self, started, at](const CvSnmpResponse &response) {
            if (!self || self->d->serial != started || self->d->step != at)
                return;
            self->d->handle = 0;
            self->d->answered(at, response);
        },
        &immediate);
    if (immediate != 0) {
        handle = 0;
        // Refused before it went out: told from the event loop all the same.
        later([at, immediate](Private &p) { p.failed(at, immediate); });
    }
}

void CvConnectionCheck::Private::answered(Step at, const CvSnmpResponse &response)
{
    switch (at) {
    case Step::User:
        if (response.result == CvSnmpResult::Timeout || response.result == UnknownUserName
            || response.result == AuthenticationFailure) {
            failed(at, response.result);
            return;
        }
        // Any other answer, a refusal included: the agent is there and
        // the user's authentication holds.
        userChecked = true;
        if (!announce(QStringLiteral("Asking %1 for its system name").arg(where())))
            return;
        send(Step::System, CvPduType::Get,
            {{oidOf(sysObjectIdOid), {}}, {oidOf(sysNameOid), {}}, {oidOf(sysUpTimeOid), {}}},
            target);
        return;
    case Step::System:
        systemAnswered(response);
        return;
    case Step::Family:
        familyAnswered(response);
        return;
    default:
        return;
    }
}

void CvConnectionCheck::Private::systemAnswered(const CvSnmpResponse &response)
{
    if (response.result != 0) {
        failed(Step::System, response.result);
        return;
    }
    for (const CvSnmpBinding &b : response.bindings) {
        if (b.value.isException())
            continue;
        if (b.oid == oidOf(sysObjectIdOid))
            result.sysObjectId = OidToText(b.value.oid().value_or(CvOid()));
        else if (b.oid == oidOf(sysNameOid))
            result.sysName = QString::fromLatin1(b.value.octets().value_or(QByteArray()));
        else if (b.oid == oidOf(sysUpTimeOid))
            result.sysUpTime = TimeTicksText(quint32(b.value.unsignedNumber().value_or(0)));
    }
    if (!announce(QStringLiteral("Looking for the stack's unit table at %1").arg(where())))
        return;
    send(Step::Family, CvPduType::GetNext, {{oidOf(CV_UNIT_TABLE_ENTRY), {}}}, target);
}

void CvConnectionCheck::Private::familyAnswered(const CvSnmpResponse &response)
{
    const QString notFamily = QStringLiteral(
        "This agent is not a stack of this switch family: only the standard-MIB windows apply");
    // SNMPv1 ends a get-next past the last object with noSuchName.
    if (response.result == NoSuchName) {
        finish(Outcome::NotThisFamily, notFamily, 0);
        return;
    }
    if (response.result != 0) {
        failed(Step::Family, response.result);
        return;
    }
    const bool row = !response.bindings.isEmpty()
        && startsWith(response.bindings.first().oid, oidOf(CV_UNIT_TABLE_ENTRY))
        && !response.bindings.first().value.isException();
    if (row)
        finish(Outcome::Reached, QString(), 0);
    else
        finish(Outcome::NotThisFamily, notFamily, 0);
}

void CvConnectionCheck::Private::failed(Step at, int result)
{
    const int code = RequestCode(result);
    const QString user = userName();
    if (result == CvSnmpResult::Timeout) {
        if (at == Step::System && userChecked) {
            finish(Outcome::WrongPrivacy,
                QStringLiteral("The privacy pass phrase or protocol does not match (the agent "
                               "answers authenticated requests but cannot decrypt)"),
                code);
        } else if (at == Step::Family) {
            finish(Outcome::Refused,
                QStringLiteral("%1 answered, but not the read of its unit table within %2 s")
                    .arg(where(), secondsText(timeoutMs)),
                code);
        } else {
            finish(Outcome::NoAnswer,
                QStringLiteral("No answer from %1 in %2 s: the address or port may be wrong, an "
                               "SNMPv1/v2c agent ignores a wrong community without answering, "
                               "or a firewall drops SNMP")
                    .arg(where(), secondsText(timeoutMs)),
                code);
        }
        return;
    }
    switch (result) {
    case UnknownUserName:
        finish(Outcome::UnknownUser,
            QStringLiteral("The agent does not know the SNMPv3 user %1: check the user name")
                .arg(user),
            code);
        return;
    case AuthenticationFailure:
        finish(Outcome::WrongAuthentication,
            QStringLiteral("Authentication failed for user %1: check the authentication pass "
                           "phrase and protocol")
                .arg(user),
            code);
        return;
    case DecryptionError:
        finish(Outcome::WrongPrivacy,
            QStringLiteral("The privacy pass phrase or protocol does not match (the agent "
                           "answers authenticated requests but cannot decrypt)"),
            code);
        return;
    default:
        finish(Outcome::Refused, refusal(result), code);
        return;
    }
}

// Why anything else failed, as far as the result tells.
QString CvConnectionCheck::Private::refusal(int result) const
{
    const CvSNMPSecurity &s = settings.security;
    if (result == CvSnmpResult::UsmError && s.version == 3
        && (s.authPassword.toUtf8().size() < MinPassPhraseOctets
            || (s.securityLevel == 3 && s.privPassword.toUtf8().size() < MinPassPhraseOctets)))
        return QStringLiteral("SNMPv3 pass phrases need at least %1 characters")
            .arg(MinPassPhraseOctets);
    if (result == UnsupportedLevel)
        return QStringLiteral("The agent does not accept the SNMPv3 user %1 at this security "
                              "level: choose the level the user is set up with")
            .arg(userName());
    if (result == CvSnmpResult::UsmUnsupportedAuth)
        return QStringLiteral("This authentication protocol cannot be used: choose MD5, SHA or "
                              "one of the SHA-2 protocols");
    if (result == CvSnmpResult::UsmUnsupportedPriv)
        return QStringLiteral("This privacy protocol cannot be used: choose DES or AES");
    if (result == CvSnmpResult::InvalidAddress)
        return QStringLiteral("The address %1 cannot be used: enter an IPv4 or IPv6 address or "
                              "a host name")
            .arg(address());
    if (result == AuthorizationError && s.version == 3)
        return QStringLiteral("%1 answers, but gives the SNMPv3 user %2 no access to what the "
                              "check reads: check the user's access rule on the switch")
            .arg(where(), userName());
    if (result >= 1 && result <= 18)
        return QStringLiteral("%1 answers, but refuses to read its system group").arg(where());
    return QStringLiteral("The check of %1 could not be completed").arg(where());
}

void CvConnectionCheck::Private::finish(Outcome outcome, const QString &diagnosis, int code)
{
    result.outcome = outcome;
    result.diagnosis = diagnosis;
    result.catalogued = code != 0 ? MessageOf(code) : QString();
    const CvConnectionDiagnosis done = result;
    stopWork();
    step = Step::Idle;
    ++serial;
    // A receiver may start the check again or destroy it: nothing of it is
    // touched after this.
    emit q->finished(done);
}
