#include "CvWalkExchange.h"

#include "CvCatalogues.h"
#include "CvOidOrder.h"

#include <QHash>

#include <algorithm>

namespace {

constexpr int TooBig = 1;

// What the walks have learnt about one agent in this session.
struct Agent
{
    bool refused = false; // get-bulk refused: get-next from now on
    bool answeredBulk = false;
    int repetitions = CvWalkExchange::FirstRepetitions;
    // The most bindings it gives in one answer, once it said tooBig or cut
    // an answer short.
    int bindingCeiling = CvWalkExchange::MaxRepetitions * CvWalkExchange::MaxBindings;
};

QHash<QString, Agent> &agents()
{
    static QHash<QString, Agent> known;
    return known;
}

QString agentKey(const CvSnmpTarget &t)
{
    return t.address + QLatin1Char(':') + QString::number(t.port);
}

} // namespace

CvWalkExchange::CvWalkExchange(const CvSnmpTarget &target, bool bulk)
    : m_target(target)
    , m_agent(agentKey(target))
    , m_bulk(UsesBulk(target, bulk))
{
}

bool CvWalkExchange::UsesBulk(const CvSnmpTarget &target, bool bulk)
{
    return bulk && target.version != 0 && !agents().value(agentKey(target)).refused;
}

void CvWalkExchange::ForgetAgents()
{
    agents().clear();
}

CvWalkExchange::Pdu CvWalkExchange::Start(const QList<CvOid> &columns, int firstRepetitions)
{
    m_columns = columns;
    m_probing = false;
    m_notice.clear();
    if (!m_bulk || columns.isEmpty()) {
        m_sent = {CvPduType::GetNext, 0};
        return m_sent;
    }
    const Agent &a = agents()[m_agent];
    const int width = int(columns.size());
    int r = firstRepetitions > 0 ? firstRepetitions : a.repetitions;
    r = std::min({r, MaxRepetitions, MaxBindings / width, a.bindingCeiling / width});
    m_sent = {CvPduType::GetBulk, std::max(r, 1)};
    return m_sent;
}

std::optional<CvWalkExchange::Pdu> CvWalkExchange::Take(
    const CvSnmpResponse &response, qint64 elapsedMs)
{
    const int result = response.result;
    if (result == CvSnmpResult::SessionClosed)
        return std::nullopt;
    Agent &a = agents()[m_agent];
    if (m_probing) {
        // The get-next after a failed get-bulk: answered, it tells that
        // get-bulk is what the agent does not do.
        m_probing = false;
        if (result == 0 && !a.refused) {
            a.refused = true;
            m_notice = QString::fromLatin1(BulkRefusedNotice);
        }
        return std::nullopt;
    }
    if (m_sent.type != CvPduType::GetBulk)
        return std::nullopt;
    const int width = int(m_columns.size());
    const int asked = m_sent.maxRepetitions * width;
    if (result == TooBig) {
        if (m_sent.maxRepetitions <= 1)
            return std::nullopt; // nothing smaller to ask: the error stands
        m_sent.maxRepetitions /= 2;
        a.repetitions = m_sent.maxRepetitions;
        a.bindingCeiling = m_sent.maxRepetitions * width;
        return m_sent;
    }
    if (result == 0) {
        a.answeredBulk = true;
        const int got = int(response.bindings.size());
        const qint64 timeoutMs = qint64(m_target.timeoutCs) * 10;
        if (got < asked && got > 0 && !ended(Runs(response))) {
            a.bindingCeiling = std::max(got, width); // all it puts in one answer
        } else if (elapsedMs * 2 > timeoutMs) {
            a.repetitions = std::max(1, m_sent.maxRepetitions / 2);
        } else if (got >= asked && elapsedMs * 4 < timeoutMs) {
            a.repetitions = std::min(MaxRepetitions, std::max(a.repetitions, asked / width * 2));
        }
        return std::nullopt;
    }
    // An error status, or no answer from an agent that never answered a
    // get-bulk: the same step with get-next tells whether get-bulk is the
    // trouble.
    const bool status = result >= 2 && result <= 18;
    const bool silent = result == CvSnmpResult::Timeout && !a.answeredBulk;
    if (!status && !silent)
        return std::nullopt;
    m_probing = true;
    m_sent = {CvPduType::GetNext, 0};
    return m_sent;
}

QList<QList<CvSnmpBinding>> CvWalkExchange::Runs(const CvSnmpResponse &response) const
{
    const qsizetype width = m_columns.size();
    QList<QList<CvSnmpBinding>> runs(width);
    if (width == 0)
        return runs;
    const qsizetype depth = (response.bindings.size() + width - 1) / width;
    for (QList<CvSnmpBinding> &run : runs)
        run.reserve(depth);
    for (qsizetype i = 0; i < response.bindings.size(); ++i)
        runs[i % width].append(response.bindings.at(i));
    return runs;
}

// The agent stopped for a reason of its own: every column reached its end
// within the answer, or its view ended (some agents stop a get-bulk at the
// first endOfMibView). Such an answer is not one cut short.
bool CvWalkExchange::ended(const QList<QList<CvSnmpBinding>> &runs) const
{
    bool all = true;
    for (qsizetype k = 0; k < runs.size(); ++k) {
        if (runs.at(k).isEmpty()) {
            all = false;
            continue;
        }
        const CvSnmpBinding &last = runs.at(k).constLast();
        if (last.value.tag() == CvSNMPValue::EndOfMibView)
            return true;
        if (!last.value.isException() && OidUnder(m_columns.at(k), last.oid))
            all = false;
    }
    return all;
}
