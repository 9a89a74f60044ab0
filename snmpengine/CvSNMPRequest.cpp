#include "CvSNMPRequest.h"

#include "CvCatalogues.h"
#include "CvException.h"
#include "CvExpression.h"
#include "CvIndexCodec.h"
#include "CvValueCodec.h"
#include "CvValueTexts.h"
#include "CvVarBindings.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cmath>
#include <memory>

int RequestCode(int transportResult)
{
    if (transportResult == CvSnmpResult::InvalidAddress)
        return EngineCode::BadAddress;
    return MapLibraryResult(transportResult);
}

namespace {

// The text after an optional leading dot, when it is an OID as ParseOid
// takes it (the empty OID included); nullopt otherwise.
std::optional<QStringView> oidArcs(QStringView text)
{
    if (text.startsWith(QLatin1Char('.')))
        text = text.mid(1);
    quint64 arc = 0;
    bool digits = false;
    const char16_t *const end = text.utf16() + text.size();
    for (const char16_t *p = text.utf16(); p != end; ++p) {
        const char16_t c = *p;
        const unsigned digit = unsigned(c) - u'0';
        if (digit <= 9) {
            arc = arc * 10 + digit;
            if (arc > 0xFFFFFFFFu)
                return std::nullopt;
            digits = true;
        } else if (c == u'.' && digits) {
            arc = 0;
            digits = false;
        } else {
            return std::nullopt;
        }
    }
    if (!digits && !text.isEmpty())
        return std::nullopt;
    return text;
}

// The next sub-identifier of checked arcs text, from position at.
quint32 takeArc(QStringView arcs, qsizetype &at)
{
    const char16_t *p = arcs.utf16();
    quint32 arc = 0;
    while (at < arcs.size() && p[at] != u'.')
        arc = arc * 10 + (p[at++] - u'0');
    ++at; // the dot
    return arc;
}

// OIDs in dotted text compared as numbers, arc by arc, read in place: a
// walk compares every received OID with the last one.
bool oidGreater(const QString &a, const QString &b)
{
    const std::optional<QStringView> x = oidArcs(a);
    const std::optional<QStringView> y = oidArcs(b);
    if (!x || !y)
        return a > b;
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < x->size() && j < y->size()) {
        const quint32 p = takeArc(*x, i);
        const quint32 q = takeArc(*y, j);
        if (p != q)
            return p > q;
    }
    return i < x->size(); // the longer of two with equal leading arcs
}

// Below prefix + "." in dotted text: a mere text prefix would take column
// 10 for column 1.
bool liesInColumn(const QString &prefix, const QString &received)
{
    return received.size() > prefix.size() + 1 && received.startsWith(prefix)
        && received.at(prefix.size()) == QLatin1Char('.');
}

CvOid parseOidOrThrow(const QString &text)
{
    const std::optional<CvOid> oid = ParseOid(text);
    if (!oid || oid->isEmpty())
        RaiseEngine(MapLibraryResult(-17)); // invalid object identifier
    return *oid;
}

} // namespace

CvSNMPRequest::CvSNMPRequest()
    : m_alive(std::make_shared<bool>(true))
{
    const CvSNMPSessionDefaults &defaults = SessionDefaults();
    device = defaults.device;
    scope = defaults.scope;
    security = defaults.security;
    timeout = defaults.timeout;
    bulk = defaults.getBulk;
}

CvSNMPRequest::~CvSNMPRequest()
{
    // Answers that arrive while waiting only lower the count: whoever asked
    // is being torn down with this request.
    m_destroying = true;
    running = false;
    WaitIdle(QDeadlineTimer(DestroyWaitMs));
    // Answers that come later must reach nothing, and a synchronous call
    // of this request further down the stack must not wait for them.
    Abandon();
    *m_alive = false;
}

namespace {
int waitDepth = 0;
std::vector<std::pair<QPointer<QObject>, std::function<void()>>> afterWaits;

void runAfterWaits()
{
    for (auto &[context, work] : std::exchange(afterWaits, {}))
        if (context)
            QMetaObject::invokeMethod(context, std::move(work), Qt::QueuedConnection);
}
} // namespace

void CvSNMPRequest::AfterWaits(QObject *context, std::function<void()> work)
{
    afterWaits.emplace_back(context, std::move(work));
    if (waitDepth == 0)
        runAfterWaits();
}

int CvSNMPRequest::WaitDepth()
{
    return waitDepth;
}

CvSNMPRequest::WaitScope::WaitScope()
{
    ++waitDepth;
}

CvSNMPRequest::WaitScope::~WaitScope()
{
    if (--waitDepth == 0)
        runAfterWaits();
}

bool CvSNMPRequest::WaitIdle(QDeadlineTimer deadline)
{
    const WaitScope waiting;
    const std::shared_ptr<bool> alive = m_alive;
    while (outstanding > 0 && !deadline.hasExpired()) {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        if (!deadline.isForever())
            timer.start(std::chrono::milliseconds(deadline.remainingTime()));
        m_idleWaits.append(&loop);
        loop.exec();
        if (!*alive)
            return true;
        m_idleWaits.removeAll(&loop);
    }
    return outstanding == 0;
}

void CvSNMPRequest::Abandon()
{
    CvSnmpTransport &transport = CvSnmpTransport::instance();
    for (quint64 handle : std::exchange(m_pending, {})) {
        transport.Cancel(handle);
        if (const auto ticket = m_setTickets.constFind(handle); ticket != m_setTickets.cend())
            CvChangeJournal::Instance().Unanswered(*ticket);
    }
    m_setTickets.clear();
    outstanding = 0;
    for (const QPointer<QEventLoop> &loop : std::exchange(m_callWaits, {}))
        if (loop)
            loop->quit();
    notifyIdle();
}

void CvSNMPRequest::notifyIdle()
{
    for (const QPointer<QEventLoop> &loop : std::exchange(m_idleWaits, {}))
        if (loop)
            loop->quit();
}

void CvSNMPRequest::SetVarList(const CvSNMPVar *table, quint8 kind, qint32 indexCount)
{
    varList = CvSNMPVarList(table, kind, indexCount);
    m_bulk = BulkAnswer();
    m_lastRead.clear();
    m_walkComplete = false;
}

void CvSNMPRequest::startWalk()
{
    m_bulk = BulkAnswer();
    if (!varList.IsTableKind())
        return;
    m_lastRead.clear();
    m_walkComplete = false;
}

CvSnmpTarget CvSNMPRequest::target(bool write) const
{
    CvSnmpTarget t;
    t.address = device.address;
    t.port = device.port;
    t.version = security.version;
    t.community = write ? security.writeCommunity : security.readCommunity;
    t.securityModel = security.securityModel;
    t.securityLevel = security.securityLevel;
    t.securityName = security.securityName;
    t.authProtocol = security.authProtocol;
    t.privProtocol = security.privProtocol;
    t.authPassword = security.authPassword;
    t.privPassword = security.privPassword;
    t.contextName = scope.contextName;
    t.contextEngineId = scope.contextEngineId;
    t.timeoutCs = timeout;
    t.retries = retries;
    return t;
}

QList<CvSnmpBinding> CvSNMPRequest::readBindings(bool first, QList<CvVarBinding> &requested)
{
    if (varList.kind > MVT_UMV)
        RaiseEngine(EngineCode::BadListKind);
    if (!first && !varList.IsTableKind())
        RaiseEngine(EngineCode::SingleValueGetNext);
    requested = SelectBindings(varList, first ? CvPduPurpose::FirstRead : CvPduPurpose::WalkStep);
    QList<CvSnmpBinding> bindings;
    bindings.reserve(requested.size());
    for (const CvVarBinding &b : std::as_const(requested))
        bindings.append({parsedOid(b.varIndex, b.oid), CvSNMPValue()});
    return bindings;
}

CvOid CvSNMPRequest::parsedOid(int i, const QString &text)
{
    if (i >= 0 && size_t(i) < m_parsedOids.size() && m_parsedOids[size_t(i)].first == text)
        return m_parsedOids[size_t(i)].second;
    const CvOid oid = parseOidOrThrow(text);
    rememberOid(i, text, oid);
    return oid;
}

void CvSNMPRequest::rememberOid(int i, const QString &text, const CvOid &oid)
{
    if (i < 0)
        return;
    if (size_t(i) >= m_parsedOids.size())
        m_parsedOids.resize(size_t(i) + 1);
    m_parsedOids[size_t(i)] = {text, oid};
}

quint64 CvSNMPRequest::send(const CvSnmpTarget &t, CvPduType type,
    const QList<CvSnmpBinding> &bindings, CvSnmpCallback callback, bool waiter, int repetitions)
{
    int immediate = 0;
    auto handle = std::make_shared<quint64>(0);
    const std::shared_ptr<bool> alive = m_alive;
    CvSnmpCallback answered = [this, alive, handle, waiter, callback = std::move(callback)](
                                  const CvSnmpResponse &response) {
        if (!*alive)
            return;
        m_pending.remove(*handle);
        --outstanding;
        settleRecorded(*handle, response);
        if (!m_destroying || waiter)
            callback(response);
        // The completion may have sent the next step, or destroyed the
        // request.
        if (*alive && outstanding == 0)
            notifyIdle();
    };
    CvSnmpTransport &transport = CvSnmpTransport::instance();
    const quint64 h = type == CvPduType::GetBulk
        ? transport.SendBulk(t, bindings, 0, repetitions, std::move(answered), &immediate)
        : transport.Send(t, type, bindings, std::move(answered), &immediate);
    if (immediate != 0)
        RaiseEngine(RequestCode(immediate));
    *handle = h;
    m_pending.insert(h);
    ++outstanding;
    return h;
}

CvSnmpResponse CvSNMPRequest::wait(
    const CvSnmpTarget &t, CvPduType type, const QList<CvSnmpBinding> &bindings, int repetitions)
{
    // The answer comes through the event loop, which keeps running, so the
    // windows keep painting while a synchronous call waits.
    auto got = std::make_shared<std::optional<CvSnmpResponse>>();
    auto loop = std::make_shared<QEventLoop>();
    // The waiter is told even while the request is being destroyed, so a
    // synchronous call never stays in its loop.
    send(
        t, type, bindings,
        [got, loop](const CvSnmpResponse &response) {
            *got = response;
            loop->quit();
        },
        true, repetitions);
    // The request may be destroyed or abandon the answer while the loop
    // runs: then only locals are touched.
    const std::shared_ptr<bool> alive = m_alive;
    m_callWaits.append(loop.get());
    {
        const WaitScope waiting;
        loop->exec();
    }
    if (*alive)
        m_callWaits.removeAll(loop.get());
    if (!*alive || !got->has_value() || (*got)->result == CvSnmpResult::SessionClosed)
        RaiseEngine(MapLibraryResult(CvSnmpResult::SessionClosed));
    return **got;
}

CvSNMPError CvSNMPRequest::errorOf(int code, const CvSnmpResponse &response) const
{
    CvSNMPError e;
    e.code = code;
    e.message = MessageOf(code);
    e.errorIndex = response.errorIndex;
    e.agentAddress = response.agentAddress;
    e.agentPort = qint16(response.agentPort);
    return e;
}

// A refused write names the variable its error index points at, so the
// operator knows which field to mend.
CvSNMPError CvSNMPRequest::writeErrorOf(
    int code, const CvSnmpResponse &response, const QList<int> &sent) const
{
    CvSNMPError e = errorOf(code, response);
    const qsizetype k = qsizetype(response.errorIndex) - 1;
    if (code != 0 && k >= 0 && k < sent.size() && sent.at(k) < varList.Count())
        e.message += QStringLiteral(" (") + varList.Var(sent.at(k)).label + QLatin1Char(')');
    return e;
}

CvSNMPRequest::Outcome CvSNMPRequest::readResponse(
    const CvSnmpResponse &response, const QList<CvVarBinding> &requested)
{
    Outcome out;
    out.error = errorOf(RequestCode(response.result), response);
    out.error.finished = true;
    const bool table = varList.IsTableKind();
    if (out.error.code != 0 && !(out.error.code == -102 && table))
        return out;
    if (table && (varList.indexCount < 0 || varList.indexCount > varList.Count()))
        RaiseEngine(EngineCode::BadKeyCount);
    if (response.bindings.size() < requested.size()) {
        out.error = errorOf(MapLibraryResult(-11), response); // invalid PDU
        out.error.finished = true;
        return out;
    }
    if (out.error.code == -102)
        return endOfView(response, requested, out);
    if (table)
        return readTableResponse(response, requested, out);
    if (requested.isEmpty())
        return out;
    for (qsizetype k = 0; k < requested.size(); ++k) {
        const int i = requested.at(k).varIndex;
        const CvSnmpBinding &binding = response.bindings.at(k);
        StoreValue(i, binding.value);
        CvSNMPVariable &var = varList.Var(i);
        var.lastOid = OidToText(binding.oid);
        rememberOid(i, var.lastOid, binding.oid);
        rememberRead(i, var.lastOid, binding.value);
    }
    for (int i = 0; i < varList.Count(); ++i)
        ComputeDerived(i, true);
    return out;
}

// An SNMPv1 agent answers a get-next past the end of its view with
// noSuchName, echoing the request, the error index on the column that
// reached the end. That column has left; the others are asked again.
// SNMPv2c and v3 agents end a view with endOfMibView, so there noSuchName
// is a refusal; and an error index that names no binding names no column.
// Either way the error stands.
CvSNMPRequest::Outcome CvSNMPRequest::endOfView(
    const CvSnmpResponse &response, const QList<CvVarBinding> &requested, Outcome out)
{
    const qsizetype k = qsizetype(response.errorIndex) - 1;
    if (security.version != 0 || k < 0 || k >= requested.size()
        || OidToText(response.bindings.at(k).oid) != requested.at(k).oid)
        return out;
    CvSNMPVariable &var = varList.Var(requested.at(k).varIndex);
    var.columnLeft = true;
    var.value = QStringLiteral("(NOTDONE)");
    out.error = errorOf(0, response);
    out.again = requested.size() > 1;
    out.error.finished = !out.again;
    return out;
}

// Still in the column, yet not past the OID the step asked from (a column
// that answered a later row asks again from the same OID, and gets that
// row again: that is past it). IsOutOfScope would take it for the end of
// the column and the walk would look complete.
bool CvSNMPRequest::answeredOutOfOrder(
    const QString &prefix, const QString &asked, const QString &received)
{
    return liesInColumn(prefix, received) && !asked.isEmpty() && !oidGreater(received, asked);
}

// Each column answers from its own last OID. The row of the step is the
// smallest index among the columns still in their column, compared number
// by number; a column that answered a later row has no value in this one
// and asks from the same OID again, so it lands in the row it belongs to.
// A column that left its column is absent from then on.
CvSNMPRequest::Outcome CvSNMPRequest::readTableResponse(
    const CvSnmpResponse &response, const QList<CvVarBinding> &requested, Outcome out)
{
    struct Answer
    {
        qsizetype at; // position in the response
        QString received;
        QString suffix;
    };
    std::vector<Answer> inColumn;
    QString rowSuffix;
    for (qsizetype k = 0; k < requested.size(); ++k) {
        CvSNMPVariable &var = varList.Var(requested.at(k).varIndex);
        const QString prefix = varList.BaseOid(requested.at(k).varIndex);
        QString received = OidToText(response.bindings.at(k).oid);
        // endOfMibView comes back under the OID asked: the column's end.
        if (!response.bindings.at(k).value.isException()
            && answeredOutOfOrder(prefix, var.lastOid, received)) {
            out.error = errorOf(EngineCode::OutOfOrder, response);
            out.error.finished = true;
            return out;
        }
        if (IsOutOfScope(prefix, var.lastOid, received)) {
            var.columnLeft = true;
            continue;
        }
        QString suffix = received.mid(prefix.size() + 1);
        if (inColumn.empty() || oidGreater(rowSuffix, suffix))
            rowSuffix = suffix;
        inColumn.push_back({k, std::move(received), std::move(suffix)});
    }
    for (int i = 0; i < varList.Count(); ++i)
        if (varList.IsReadable(i))
            varList.Var(i).value = QStringLiteral("(NOTDONE)");
    if (inColumn.empty()) {
        m_walkComplete = true;
        return out; // every column has left: the end of the walk
    }
    for (const Answer &a : inColumn) {
        if (a.suffix != rowSuffix)
            continue;
        const int i = requested.at(a.at).varIndex;
        const CvSnmpBinding &binding = response.bindings.at(a.at);
        StoreValue(i, binding.value);
        varList.Var(i).lastOid = a.received;
        rememberOid(i, a.received, binding.oid);
        rememberRead(i, a.received, binding.value);
    }
    QString remaining = rowSuffix;
    for (int k = 0; k < varList.indexCount && k < varList.Count(); ++k) {
        if (remaining.isEmpty())
            RaiseEngine(EngineCode::BadKeyCount);
        if (!varList.IsReadable(k))
            varList.Var(k).lastOid = varList.BaseOid(k) + QLatin1Char('.') + rowSuffix;
        remaining = DecodeIndex(k, remaining);
    }
    for (int i = 0; i < varList.Count(); ++i)
        ComputeDerived(i, true);
    out.row = true;
    out.error.finished = false;
    return out;
}

bool CvSNMPRequest::Get(bool first)
{
    if (!running)
        return false;
    const CvSNMPVarList before = varList;
    const std::shared_ptr<bool> alive = m_alive; // the request may go while it waits
    try {
        if (first) {
            startWalk();
        } else if (HasBufferedStep()) {
            const Outcome out = bufferedStep();
            if (out.error.code != 0)
                throw CvException(out.error.message, out.error.code);
            return out.row;
        } else if (m_bulk.valid) {
            settleBuffered();
        }
        for (;;) {
            QList<CvVarBinding> requested;
            const QList<CvSnmpBinding> bindings = readBindings(first, requested);
            Outcome out;
            if (varList.IsTableKind()) {
                const CvSnmpTarget t = target(false);
                CvWalkExchange exchange(t, bulk);
                std::optional<CvWalkExchange::Pdu> pdu = exchange.Start(columnPrefixes(requested));
                CvSnmpResponse response;
                while (pdu) {
                    QElapsedTimer clock;
                    clock.start();
                    response = wait(t, pdu->type, bindings, pdu->maxRepetitions);
                    if (!*alive)
                        RaiseEngine(MapLibraryResult(CvSnmpResult::SessionClosed));
                    pdu = exchange.Take(response, clock.elapsed());
                }
                out = walkAnswer(exchange, response, requested);
            } else {
                const CvPduType type
                    = varList.kind == MVT_SV && nextInstance ? CvPduType::GetNext : CvPduType::Get;
                out = readResponse(wait(target(false), type, bindings), requested);
            }
            if (out.error.code != 0)
                throw CvException(out.error.message, out.error.code);
            if (!out.again)
                return out.row;
            first = false;
        }
    } catch (const CvException &) {
        if (*alive) {
            varList = before;
            m_bulk = BulkAnswer();
        }
        throw;
    }
}

void CvSNMPRequest::GetAsync(CvSNMPCompletion completion, QObject *owner, bool first)
{
    if (!running)
        return;
    // Asked from the completion of a step whose answer holds this one too:
    // it follows once that completion has returned.
    if (m_delivering && !first) {
        m_next = Continuation {std::move(completion), owner, owner != nullptr};
        return;
    }
    sendRead(std::move(completion), owner, owner != nullptr, first);
}

void CvSNMPRequest::sendRead(
    CvSNMPCompletion completion, QPointer<QObject> guard, bool hasOwner, bool first)
{
    if (first) {
        startWalk();
    } else if (HasBufferedStep()) {
        queueBufferedStep({std::move(completion), guard, hasOwner});
        return;
    } else if (m_bulk.valid) {
        settleBuffered(); // the columns the answer saw end are not asked again
    }
    QList<CvVarBinding> requested;
    const QList<CvSnmpBinding> bindings = readBindings(first, requested);
    if (varList.IsTableKind()) {
        auto exchange = std::make_shared<CvWalkExchange>(target(false), bulk);
        const CvWalkExchange::Pdu pdu = exchange->Start(columnPrefixes(requested));
        sendWalkStep(exchange, pdu, bindings, requested, {std::move(completion), guard, hasOwner});
        return;
    }
    const bool getNext = varList.kind == MVT_SV && nextInstance;
    send(target(false), getNext ? CvPduType::GetNext : CvPduType::Get, bindings,
        [this, guard, hasOwner, completion = std::move(completion), requested](
            const CvSnmpResponse &response) {
            if (response.result == CvSnmpResult::SessionClosed)
                return;
            Outcome out;
            // Reading an answer changes only what readState keeps; a failed
            // one puts it back. A copy of the whole list would be copied
            // again by the first change.
            const std::vector<VarState> before = readState();
            try {
                out = readResponse(response, requested);
            } catch (const CvException &e) {
                restoreReadState(before);
                out.error = errorOf(e.code(), response);
                out.error.message = e.message();
                out.error.finished = true;
            }
            if (completion && (!hasOwner || guard))
                completion(out.error, varList);
        });
}

std::vector<CvSNMPRequest::VarState> CvSNMPRequest::readState() const
{
    std::vector<VarState> state;
    state.reserve(size_t(varList.vars.size()));
    for (const CvSNMPVariable &var : varList.vars)
        state.push_back({var.value, var.lastOid, var.columnLeft});
    return state;
}

void CvSNMPRequest::restoreReadState(const std::vector<VarState> &state)
{
    for (qsizetype k = 0; k < varList.vars.size() && size_t(k) < state.size(); ++k) {
        CvSNMPVariable &var = varList.vars[k];
        var.value = state[size_t(k)].value;
        var.lastOid = state[size_t(k)].lastOid;
        var.columnLeft = state[size_t(k)].columnLeft;
    }
}

CvSNMPRequest::WritePlan CvSNMPRequest::writeBindings(
    const QString &indexList, const QStringList *values)
{
    // Exclusions, new values and derived values hold for this write only:
    // the list is restored before the request goes out, or on an error.
    const CvSNMPVarList before = varList;
    try {
        WritePlan plan = buildWriteBindings(indexList, values);
        varList = before;
        return plan;
    } catch (const CvException &) {
        varList = before;
        throw;
    }
}

CvSNMPRequest::WritePlan CvSNMPRequest::buildWriteBindings(
    const QString &indexList, const QStringList *values)
{
    if (varList.kind > MVT_UMV)
        RaiseEngine(EngineCode::BadListKind);
    if (!indexList.isEmpty()) {
        QList<int> named;
        for (const QString &part : indexList.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            bool ok = false;
            const int n = part.trimmed().toInt(&ok);
            if (ok)
                named.append(n);
        }
        for (int i = 0; i < varList.Count(); ++i) {
            const qsizetype k = named.indexOf(i);
            CvSNMPVariable &var = varList.Var(i);
            if (k < 0) {
                var.access |= AccessInvalid;
                continue;
            }
            var.access &= ~AccessInvalid;
            if (values && k < values->size())
                var.value = values->at(k);
        }
    }
    for (int i = 0; i < varList.Count(); ++i)
        ComputeDerived(i, false);
    const QList<CvVarBinding> selected = SelectBindings(varList, CvPduPurpose::Write);
    WritePlan plan;
    for (const CvVarBinding &b : selected) {
        plan.bindings.append({parseOidOrThrow(b.oid), b.value});
        plan.sent.append(b.varIndex);
    }
    plan.objects = journalObjects(selected);
    return plan;
}

void CvSNMPRequest::storeWritten(const CvSnmpResponse &response, const QList<int> &sent)
{
    for (qsizetype k = 0; k < sent.size() && k < response.bindings.size(); ++k)
        StoreValue(sent.at(k), response.bindings.at(k).value);
}

bool CvSNMPRequest::Set(bool readBack, const QString &indexList, const QStringList *values)
{
    if (!running)
        return false;
    const WritePlan plan = writeBindings(indexList, values);
    const CvSnmpResponse response = waitRecorded(plan.bindings, plan.objects);
    const int code = RequestCode(response.result);
    if (code != 0)
        throw CvException(writeErrorOf(code, response, plan.sent).message, code);
    if (!readBack)
        return false;
    storeWritten(response, plan.sent);
    return varList.IsTableKind();
}

void CvSNMPRequest::SetAsync(CvSNMPCompletion completion, QObject *owner, bool processBindings,
    const QString &indexList, const QStringList *values)
{
    if (!running)
        return;
    WritePlan plan = writeBindings(indexList, values);
    const QPointer<QObject> guard(owner);
    const bool hasOwner = owner != nullptr;
    CvChangeJournal &journal = CvChangeJournal::Instance();
    const CvChangeJournal::Ticket ticket = journal.Sending(journalTarget(), plan.objects);
    quint64 handle = 0;
    try {
        handle = send(target(true), CvPduType::Set, plan.bindings,
            [this, guard, hasOwner, processBindings, sent = plan.sent,
                completion = std::move(completion)](const CvSnmpResponse &response) {
                if (response.result == CvSnmpResult::SessionClosed)
                    return;
                CvSNMPError error = writeErrorOf(RequestCode(response.result), response, sent);
                error.finished = true;
                if (error.code == 0 && processBindings) {
                    try {
                        storeWritten(response, sent);
                    } catch (const CvException &e) {
                        error.code = e.code();
                        error.message = e.message();
                    }
                }
                if (completion && (!hasOwner || guard))
                    completion(error, varList);
            });
    } catch (const CvException &e) {
        journal.NotSent(ticket, e.code());
        throw;
    }
    m_setTickets.insert(handle, ticket);
}

bool CvSNMPRequest::RowPasses(const QString &filter)
{
    return Evaluate(filter) && Evaluate(rowFilter);
}

QString CvSNMPRequest::DecodeIndex(int i, const QString &suffix)
{
    return ::DecodeIndex(varList, i, suffix);
}

QString CvSNMPRequest::EncodeIndex(int i)
{
    return ::EncodeIndex(varList, i);
}

void CvSNMPRequest::StoreValue(int i, const CvSNMPValue &value)
{
    ::StoreValue(varList, i, value);
}

CvSNMPValue CvSNMPRequest::LoadValue(int i)
{
    return ::LoadValue(varList, i);
}

bool CvSNMPRequest::IsOutOfScope(
    const QString &prefix, const QString &lastOid, const QString &received)
{
    if (!varList.IsTableKind())
        return false;
    // In the column, new, and past the OID asked from, so a misbehaving
    // agent can never keep a walk going.
    return !liesInColumn(prefix, received) || answeredOutOfOrder(prefix, lastOid, received);
}

QString CvSNMPRequest::Substitute(const QString &expression, bool quoteTexts, QChar marker)
{
    QString text = expression;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(marker, from);
        if (at < 0)
            return text;
        qsizetype end = at + 1;
        while (end < text.size() && text.at(end).isDigit() && text.at(end).unicode() < 128)
            ++end;
        const int n = text.mid(at + 1, end - at - 1).toInt();
        const CvSNMPVariable &var = varList.Var(n);
        QString value = RawValue(var);
        if (value == QLatin1String("(NULL)"))
            RaiseEngine(EngineCode::NullInExpression);
        switch (var.syntax) {
        case SyntaxBoolean:
        case SyntaxBool8:
        case SyntaxBool16:
            value = value == QLatin1String("true") ? QStringLiteral("1") : QStringLiteral("0");
            break;
        case SyntaxInteger:
        case SyntaxCounter:
        case SyntaxGauge:
        case SyntaxCounter64:
        case SyntaxUInteger:
        case SyntaxDouble:
        case SyntaxInt8:
        case SyntaxUInt8:
        case SyntaxInt16:
        case SyntaxUInt16:
            break;
        case SyntaxTimeTicks:
            value = QString::number(ParseTimeTicks(value));
            break;
        case SyntaxBcDateTime:
            value = FormatGeneralReal(DaysFromText(value).value_or(0.0));
            break;
        default:
            if (!quoteTexts)
                RaiseEngine(EngineCode::BadSyntaxInExpression);
            value = QLatin1Char('"') + value + QLatin1Char('"');
        }
        text = text.left(at) + value + text.mid(end);
        // Scanning goes on after the inserted value: a value holding the
        // marker must not be expanded again (it would never end).
        from = at + value.size();
    }
}

void CvSNMPRequest::ComputeDerived(int i, bool afterRead)
{
    CvSNMPVariable &var = varList.Var(i);
    const std::optional<QString> &expression = afterRead ? var.getExpression : var.setExpression;
    if (!expression)
        return;
    const double r = EvaluateArithmetic(Substitute(*expression, false, QLatin1Char('$')));
    const auto truncated = [r] { return std::isfinite(r) ? std::trunc(r) : 0.0; };
    QString text;
    switch (var.syntax) {
    case SyntaxBoolean:
        text = r != 0 ? QStringLiteral("true") : QStringLiteral("false");
        break;
    case SyntaxInteger:
        text = QString::number(qint64(qBound(-2147483648.0, truncated(), 2147483647.0)));
        break;
    case SyntaxCounter:
    case SyntaxGauge:
    case SyntaxUInteger:
        text = QString::number(quint32(qBound(0.0, truncated(), 4294967295.0)));
        break;
    case SyntaxTimeTicks:
        text = TimeTicksText(quint32(qBound(0.0, truncated(), 4294967295.0)));
        break;
    case SyntaxCounter64:
        text = QString::number(quint64(qBound(0.0, truncated(), 18446744073709549568.0)));
        break;
    case SyntaxDouble:
        text = RealText(r);
        break;
    case SyntaxBcDateTime:
        text = DaysText(r).value_or(QStringLiteral("(NULL)"));
        break;
    default:
        RaiseEngine(EngineCode::BadSyntaxInExpression);
    }
    var.value = DisplayValue(var, text);
}

bool CvSNMPRequest::Evaluate(const QString &condition)
{
    if (condition.isEmpty())
        return true;
    return EvaluateLogic(Substitute(condition, true, QLatin1Char('$')));
}
