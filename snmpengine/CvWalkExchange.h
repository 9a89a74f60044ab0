#pragma once

#include "CvSnmpTransport.h"

#include <QList>
#include <QString>

#include <optional>

// One step of a walk that reads columns side by side, as it goes over the
// wire: a get-bulk (non-repeaters 0) under SNMPv2c and v3, a get-next under
// SNMPv1, where the switch's setting turns get-bulk off, and for an agent
// that has refused get-bulk. The walks of the request engine and of the
// view programs both go through it, so they adapt alike:
//
// - the repetitions start at FirstRepetitions per agent, grow while answers
//   come back whole and well inside the time-out, and shrink on tooBig
//   (the step is asked again), on an answer the agent cut short, and on a
//   slow one; never above MaxRepetitions nor MaxBindings bindings, nor,
//   once the agent said tooBig or cut an answer short, above what it took;
// - an agent that answers a get-bulk with an error, or not at all the first
//   time, is asked the same step with get-next; when that is answered, the
//   agent is read with get-next for the rest of the session and Notice()
//   says so, once.
//
// The caller sends what Start and Take ask for, from each column's own
// last OID, and hands back every answer.
class CvWalkExchange
{
public:
    struct Pdu
    {
        CvPduType type = CvPduType::GetNext;
        int maxRepetitions = 0; // get-bulk only
    };

    static constexpr int FirstRepetitions = 10;
    static constexpr int MaxRepetitions = 100;
    static constexpr int MaxBindings = 1000;

    // bulk: the switch's setting; SNMPv1 never uses get-bulk.
    CvWalkExchange(const CvSnmpTarget &target, bool bulk);

    // The first PDU of the step for the columns (their prefixes, in the
    // order of the bindings sent). firstRepetitions, when above 0, replaces
    // the agent's repetitions for this step.
    Pdu Start(const QList<CvOid> &columns, int firstRepetitions = 0);
    // The answer to the PDU last asked for, and how long it took. A PDU to
    // send for the same step instead, or nullopt when the answer is the
    // step's.
    std::optional<Pdu> Take(const CvSnmpResponse &response, qint64 elapsedMs);

    // The step's answer came from a get-bulk.
    bool AnsweredByBulk() const { return m_sent.type == CvPduType::GetBulk; }
    int Repetitions() const { return m_sent.maxRepetitions; }
    // The bindings of a get-bulk answer by column: the values of column k
    // in the order the agent gave them.
    QList<QList<CvSnmpBinding>> Runs(const CvSnmpResponse &response) const;
    // Set by the step that found the agent refusing get-bulk; empty else.
    const QString &Notice() const { return m_notice; }

    // Whether walks to the target start with get-bulk.
    static bool UsesBulk(const CvSnmpTarget &target, bool bulk);
    // Forgets what was learnt about every agent (tests).
    static void ForgetAgents();

private:
    bool ended(const QList<QList<CvSnmpBinding>> &runs) const;

    CvSnmpTarget m_target;
    QString m_agent;
    bool m_bulk = false;
    QList<CvOid> m_columns;
    Pdu m_sent;
    bool m_probing = false; // a get-next asked after a failed get-bulk
    QString m_notice;
};
