#include "CvSNMPRequest.h"

#include "CvCatalogues.h"
#include "CvException.h"
#include "CvOidOrder.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>

// The walk steps of CvSNMPRequest that go over the wire as get-bulk (or
// get-next through the same exchange) and the steps taken from a kept
// get-bulk answer. Each repetition of a column is that column's answer to
// one get-next step, so a step taken from the answer is read exactly as
// the answer of that get-next would be (readResponse): the row is the
// smallest index among the columns still in their column, a column that
// answered a later row keeps its value for that row, a column that left is
// absent from then on.

QList<CvOid> CvSNMPRequest::columnPrefixes(const QList<CvVarBinding> &requested)
{
    QList<CvOid> prefixes;
    prefixes.reserve(requested.size());
    for (const CvVarBinding &b : requested)
        prefixes.append(ParseOid(varList.BaseOid(b.varIndex)).value_or(CvOid()));
    return prefixes;
}

void CvSNMPRequest::sendWalkStep(std::shared_ptr<CvWalkExchange> exchange, CvWalkExchange::Pdu pdu,
    const QList<CvSnmpBinding> &bindings, const QList<CvVarBinding> &requested,
    const Continuation &to)
{
    QElapsedTimer clock;
    clock.start();
    send(
        target(false), pdu.type, bindings,
        [this, exchange, bindings, requested, to, clock](const CvSnmpResponse &response) {
            if (response.result == CvSnmpResult::SessionClosed)
                return;
            Outcome out;
            const std::vector<VarState> before = readState();
            try {
                if (const auto again = exchange->Take(response, clock.elapsed())) {
                    // The same step once more: fewer repetitions, or get-next.
                    if (!to.gone())
                        sendWalkStep(exchange, *again, bindings, requested, to);
                    return;
                }
                out = walkAnswer(*exchange, response, requested);
                if (out.again && running && !to.gone()) {
                    sendRead(to.completion, to.guard, to.hasOwner, false);
                    return;
                }
                out.error.finished = out.error.finished || out.again;
            } catch (const CvException &e) {
                restoreReadState(before);
                m_bulk = BulkAnswer();
                out.error = errorOf(e.code(), response);
                out.error.message = e.message();
                out.error.finished = true;
            }
            deliverSteps(out, to);
        },
        false, pdu.maxRepetitions);
}

CvSNMPRequest::Outcome CvSNMPRequest::walkAnswer(const CvWalkExchange &exchange,
    const CvSnmpResponse &response, const QList<CvVarBinding> &requested)
{
    m_notice += exchange.Notice();
    if (!exchange.AnsweredByBulk() || response.result != 0)
        return readResponse(response, requested);
    keepBulkAnswer(response, exchange, requested);
    if (!HasBufferedStep()) {
        // Not even one value per column.
        m_bulk = BulkAnswer();
        Outcome out;
        out.error = errorOf(MapLibraryResult(-11), response); // invalid PDU
        out.error.finished = true;
        return out;
    }
    return bufferedStep();
}

void CvSNMPRequest::keepBulkAnswer(const CvSnmpResponse &response, const CvWalkExchange &exchange,
    const QList<CvVarBinding> &requested)
{
    BulkAnswer &b = m_bulk;
    b = BulkAnswer();
    b.valid = true;
    b.runs = exchange.Runs(response);
    b.prefixes = columnPrefixes(requested);
    b.taken.assign(size_t(requested.size()), 0);
    b.columnOf.assign(size_t(varList.Count()), -1);
    for (qsizetype c = 0; c < requested.size(); ++c) {
        b.vars.append(requested.at(c).varIndex);
        b.columnOf[size_t(requested.at(c).varIndex)] = int(c);
    }
    b.agentAddress = response.agentAddress;
    b.agentPort = response.agentPort;
}

bool CvSNMPRequest::HasBufferedStep() const
{
    if (!m_bulk.valid)
        return false;
    // Every column still in its column needs its next answer.
    for (qsizetype c = 0; c < m_bulk.vars.size(); ++c) {
        const int i = m_bulk.vars.at(c);
        if (i < varList.Count() && !varList.Var(i).columnLeft
            && m_bulk.taken[size_t(c)] >= m_bulk.runs.at(c).size())
            return false;
    }
    return true;
}

// A column whose next answer is an exception (endOfMibView, noSuchObject,
// noSuchInstance) or lies outside its column has left, as its get-next step
// would find.
void CvSNMPRequest::settleBuffered()
{
    for (qsizetype c = 0; c < m_bulk.vars.size(); ++c) {
        CvSNMPVariable &var = varList.Var(m_bulk.vars.at(c));
        const qsizetype k = qsizetype(m_bulk.taken[size_t(c)]);
        if (var.columnLeft || k >= m_bulk.runs.at(c).size())
            continue;
        const CvSnmpBinding &next = m_bulk.runs.at(c).at(k);
        if (next.value.isException() || !OidUnder(m_bulk.prefixes.at(c), next.oid))
            var.columnLeft = true;
    }
}

CvSNMPRequest::Outcome CvSNMPRequest::bufferedStep()
{
    settleBuffered();
    const QList<CvVarBinding> requested = SelectBindings(varList, CvPduPurpose::WalkStep);
    CvSnmpResponse step;
    step.agentAddress = m_bulk.agentAddress;
    step.agentPort = m_bulk.agentPort;
    step.bindings.reserve(requested.size());
    std::vector<int> columns;
    columns.reserve(size_t(requested.size()));
    for (const CvVarBinding &b : requested) {
        const int c = b.varIndex < varList.Count() ? m_bulk.columnOf[size_t(b.varIndex)] : -1;
        if (c < 0 || m_bulk.taken[size_t(c)] >= m_bulk.runs.at(c).size())
            RaiseEngine(MapLibraryResult(-11)); // not a column of the answer kept
        // An answer in its column that is not past the OID it answers stops
        // the walk in readResponse, as a get-next answer would.
        step.bindings.append(m_bulk.runs.at(c).at(qsizetype(m_bulk.taken[size_t(c)])));
        columns.push_back(c);
    }
    std::vector<QString> asked;
    asked.reserve(size_t(requested.size()));
    for (const CvVarBinding &b : requested)
        asked.push_back(varList.Var(b.varIndex).lastOid);
    Outcome out = readResponse(step, requested);
    // A column whose answer made this row moved on; one that answered a
    // later row keeps that answer for it.
    for (size_t k = 0; k < asked.size(); ++k)
        if (varList.Var(requested.at(qsizetype(k)).varIndex).lastOid != asked[k])
            ++m_bulk.taken[size_t(columns[k])];
    if (!out.row)
        m_bulk = BulkAnswer();
    return out;
}

CvSNMPRequest::Outcome CvSNMPRequest::takeBufferedStep()
{
    const std::vector<VarState> before = readState();
    CvSnmpResponse at;
    at.agentAddress = m_bulk.agentAddress;
    at.agentPort = m_bulk.agentPort;
    try {
        return bufferedStep();
    } catch (const CvException &e) {
        restoreReadState(before);
        m_bulk = BulkAnswer();
        Outcome out;
        out.error = errorOf(e.code(), at);
        out.error.message = e.message();
        out.error.finished = true;
        return out;
    }
}

// A step asked for outside the completion of the one before, whose answer
// is kept: it is handed over from the event loop, as an answer would be,
// and counts as outstanding until then.
void CvSNMPRequest::queueBufferedStep(const Continuation &to)
{
    const quint64 id = (quint64(1) << 63) | ++m_localSteps; // no transport handle
    m_pending.insert(id);
    ++outstanding;
    const std::shared_ptr<bool> alive = m_alive;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [this, alive, id, to] {
            if (!*alive || !m_pending.remove(id))
                return; // abandoned
            --outstanding;
            if (!m_destroying)
                deliverSteps(takeBufferedStep(), to);
            if (*alive && outstanding == 0)
                notifyIdle();
        },
        Qt::QueuedConnection);
}

void CvSNMPRequest::deliverSteps(Outcome out, Continuation to)
{
    const std::shared_ptr<bool> alive = m_alive;
    for (;;) {
        if (!to.completion || to.gone())
            return;
        out.error.rowsFollow = out.row && HasBufferedStep();
        m_delivering = out.error.rowsFollow;
        m_next.reset();
        to.completion(out.error, varList);
        if (!*alive)
            return;
        m_delivering = false;
        if (!m_next)
            return;
        to = *std::exchange(m_next, std::nullopt);
        if (HasBufferedStep()) {
            out = takeBufferedStep();
            continue;
        }
        // The completion changed the walk meanwhile (a synchronous step):
        // the next step goes over the wire after all.
        try {
            sendRead(to.completion, to.guard, to.hasOwner, false);
            return;
        } catch (const CvException &e) {
            out = Outcome();
            out.error.code = e.code();
            out.error.message = e.message();
            out.error.finished = true;
        }
    }
}
