#include "ViewWalker.h"

#include "CvCatalogues.h"
#include "CvOidOrder.h"
#include "CvSNMPRequest.h"
#include "CvSNMPSession.h"

#include <QDateTime>
#include <QPointer>

namespace {
constexpr int TooBig = 1;
constexpr int NoSuchName = 2;

// The code of an answer that does not fit its request: an invalid PDU.
int misfitCode()
{
    return MapLibraryResult(-11);
}
} // namespace

ViewWalker::ViewWalker(QObject *parent)
    : QObject(parent)
    , m_bulk(SessionDefaults().getBulk)
{
    m_clock.start();
}

ViewWalker::~ViewWalker()
{
    if (m_handle)
        CvSnmpTransport::instance().Cancel(m_handle);
}

void ViewWalker::SetTarget(const CvSnmpTarget &target)
{
    m_target = target;
}

void ViewWalker::SetBulkBudget(int values)
{
    m_budget = std::max(values, 0);
}

ViewStamp ViewWalker::now() const
{
    return {m_clock.elapsed(), QDateTime::currentMSecsSinceEpoch()};
}

void ViewWalker::Walk(const QList<CvOid> &subtrees, Sink sink)
{
    Stop();
    m_sink = std::move(sink);
    m_oids = subtrees;
    m_cursors = subtrees;
    m_active = QList<bool>(subtrees.size(), true);
    m_outOfOrder = false;
    m_requests = 0;
    m_running = true;
    m_firstStep = true;
    m_notice.clear();
    sendWalkStep();
}

void ViewWalker::sendWalkStep()
{
    m_asked.clear();
    m_sent.clear();
    QList<CvOid> columns;
    for (int k = 0; k < m_oids.size(); ++k) {
        if (m_active[k]) {
            m_sent.append(k);
            m_asked.append({m_cursors[k], {}});
            columns.append(m_oids[k]);
        }
    }
    if (m_sent.isEmpty()) {
        if (m_outOfOrder)
            finish(
                0, QStringLiteral("The agent answered out of order: the walk ended early."), false);
        else
            finish(0, QString(), true);
        return;
    }
    m_exchange.emplace(m_target, m_bulk);
    const int first = m_firstStep && m_budget > 0 ? std::max(1, m_budget / int(columns.size())) : 0;
    m_firstStep = false;
    sendExchange(m_exchange->Start(columns, first));
}

void ViewWalker::sendExchange(CvWalkExchange::Pdu pdu)
{
    if (pdu.type == CvPduType::GetBulk)
        m_repetitions = pdu.maxRepetitions;
    m_stepClock.start();
    send(pdu.type, m_asked, pdu.maxRepetitions);
}

void ViewWalker::send(CvPduType type, const QList<CvSnmpBinding> &bindings, int repetitions)
{
    CvSnmpTransport &transport = CvSnmpTransport::instance();
    int immediate = 0;
    const bool walk = type != CvPduType::Get;
    // The transport never calls back once the request is cancelled, which
    // the destructor and Stop do.
    auto answer = [this, walk](const CvSnmpResponse &r) {
        m_handle = 0;
        ++m_requests;
        if (!walk) {
            onGetAnswer(r);
        } else if (const auto again = m_exchange->Take(r, m_stepClock.elapsed())) {
            sendExchange(*again); // the same step: fewer repetitions, or get-next
        } else {
            m_notice += m_exchange->Notice();
            onWalkAnswer(r);
        }
    };
    const quint64 handle = type == CvPduType::GetBulk
        ? transport.SendBulk(m_target, bindings, 0, repetitions, answer, &immediate)
        : transport.Send(m_target, type, bindings, answer, &immediate);
    if (immediate != 0) {
        const int code = RequestCode(immediate);
        finish(code, MessageOf(code), false);
        return;
    }
    m_handle = handle;
}

bool ViewWalker::answered()
{
    const QPointer<ViewWalker> self(this);
    emit Answered(m_requests);
    return self && m_running;
}

void ViewWalker::onWalkAnswer(const CvSnmpResponse &response)
{
    if (response.result == NoSuchName && !m_exchange->AnsweredByBulk() && response.errorIndex >= 1
        && response.errorIndex <= m_sent.size()) {
        // SNMPv1: the column named has no successor; the others go on.
        m_active[m_sent[response.errorIndex - 1]] = false;
        if (answered())
            sendWalkStep();
        return;
    }
    if (response.result != 0) {
        const int code = RequestCode(response.result);
        finish(code, MessageOf(code), false);
        return;
    }
    if (response.bindings.isEmpty()) {
        finish(
            0, QStringLiteral("The agent answered without values: the walk ended early."), false);
        return;
    }
    if (const QString misfit = answerMisfit(response); !misfit.isEmpty()) {
        finish(misfitCode(), misfit, false);
        return;
    }
    const ViewStamp at = now();
    const qsizetype n = m_sent.size();
    for (qsizetype i = 0; i < response.bindings.size(); ++i) {
        const int k = m_sent[i % n];
        if (!m_active[k])
            continue; // ended earlier in this answer
        const CvSnmpBinding &b = response.bindings[i];
        if (b.value.isException() || !OidUnder(m_oids[k], b.oid)) {
            m_active[k] = false;
            continue;
        }
        if (!OidAfter(b.oid, m_cursors[k])) {
            m_active[k] = false;
            m_outOfOrder = true;
            continue;
        }
        m_cursors[k] = b.oid;
        m_sink(k, b.oid, b.value, at);
    }
    if (answered())
        sendWalkStep();
}

// An answer is taken as the values of the columns asked, repetition after
// repetition, so it must hold whole repetitions, no more than were asked
// (fewer are the agent's right), and each value must sit where its
// column's would: in the column's subtree past the value before, or past
// the subtree once the column has ended. Anything else would put values
// into other columns' cells. Nothing of a misfit answer is taken.
QString ViewWalker::answerMisfit(const CvSnmpResponse &response) const
{
    const qsizetype n = m_sent.size();
    const qsizetype count = response.bindings.size();
    const qsizetype most = UsesBulk() ? n * m_repetitions : n;
    if (count % n != 0 || count > most)
        return QStringLiteral("The agent answered %1 values to a request for %2 columns%3: "
                              "the walk ended early.")
            .arg(count)
            .arg(n)
            .arg(UsesBulk() ? QStringLiteral(" in up to %1 rows").arg(m_repetitions) : QString());
    QList<CvOid> last;
    last.reserve(n);
    for (int k : m_sent)
        last.append(m_cursors[k]);
    for (qsizetype i = 0; i < count; ++i) {
        const CvSnmpBinding &b = response.bindings[i];
        if (b.value.isException())
            continue;
        const CvOid &subtree = m_oids[m_sent[i % n]];
        const bool inColumn = OidUnder(subtree, b.oid);
        // Out of order within the column is judged when the values are taken.
        if ((inColumn && !OidUnder(subtree, last[i % n]) && last[i % n] != subtree)
            || (!inColumn && !OidAfter(b.oid, subtree)))
            return QStringLiteral("The agent answered values out of their columns' places: "
                                  "the walk ended early.");
        last[i % n] = b.oid;
    }
    return QString();
}

void ViewWalker::Get(const QList<CvOid> &instances, Sink sink)
{
    Stop();
    m_sink = std::move(sink);
    m_oids = instances;
    m_unanswered.clear();
    for (int k = 0; k < instances.size(); ++k)
        m_unanswered.append(k);
    m_chunk = 24;
    m_requests = 0;
    m_running = true;
    sendGetChunk();
}

void ViewWalker::sendGetChunk()
{
    if (m_unanswered.isEmpty()) {
        finish(0, QString(), true);
        return;
    }
    m_sent = m_unanswered.mid(0, m_chunk);
    QList<CvSnmpBinding> bindings;
    for (int k : std::as_const(m_sent))
        bindings.append({m_oids[k], {}});
    send(CvPduType::Get, bindings, 0);
}

void ViewWalker::onGetAnswer(const CvSnmpResponse &response)
{
    if (response.result == TooBig && m_chunk > 1) {
        m_chunk = std::max(1, m_chunk / 2);
        sendGetChunk();
        return;
    }
    const ViewStamp at = now();
    if (response.result == NoSuchName && response.errorIndex >= 1
        && response.errorIndex <= m_sent.size()) {
        // SNMPv1 refuses the whole request for one missing object: that
        // one is reported missing and the others are asked again.
        const int k = m_sent[response.errorIndex - 1];
        m_unanswered.removeOne(k);
        m_sink(k, m_oids[k], CvSNMPValue::FromNull(CvSNMPValue::NoSuchObject), at);
        if (answered())
            sendGetChunk();
        return;
    }
    if (response.result != 0) {
        const int code = RequestCode(response.result);
        finish(code, MessageOf(code), false);
        return;
    }
    // A get is answered object for object, in the order asked.
    bool fits = response.bindings.size() == m_sent.size();
    for (qsizetype i = 0; fits && i < m_sent.size(); ++i)
        fits = response.bindings[i].oid == m_oids[m_sent[i]];
    if (!fits) {
        finish(misfitCode(),
            QStringLiteral("The agent answered other objects than were asked: "
                           "the read ended early."),
            false);
        return;
    }
    for (qsizetype i = 0; i < m_sent.size(); ++i) {
        const int k = m_sent[i];
        m_unanswered.removeOne(k);
        m_sink(k, m_oids[k], response.bindings[i].value, at);
    }
    if (answered())
        sendGetChunk();
}

void ViewWalker::Stop()
{
    if (!m_running)
        return;
    if (m_handle)
        CvSnmpTransport::instance().Cancel(m_handle);
    m_handle = 0;
    finish(0, QStringLiteral("Stopped."), false, true);
}

void ViewWalker::finish(int code, const QString &message, bool complete, bool stopped)
{
    m_running = false;
    ViewWalkOutcome outcome;
    outcome.complete = complete;
    outcome.stopped = stopped;
    outcome.code = code;
    outcome.message = message;
    outcome.requests = m_requests;
    outcome.notice = m_notice;
    emit Finished(outcome);
}
