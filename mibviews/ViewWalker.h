#pragma once

#include "CvSnmpTransport.h"
#include "CvWalkExchange.h"

#include <QElapsedTimer>
#include <QObject>

#include <functional>
#include <optional>

// The moment a value arrived: a steady clock for rates, the wall clock for
// charts.
struct ViewStamp
{
    qint64 steadyMs = 0;
    qint64 wallMs = 0;
};

// How a walk or get ended.
struct ViewWalkOutcome
{
    bool complete = true; // every column walked to its end, every object read
    bool stopped = false; // Stop was called
    int code = 0; // engine code of the failure, 0 when none
    QString message; // the failure as the operator reads it
    int requests = 0;
    QString notice; // the agent refused get-bulk: said once per agent
};

// Reads MIB objects for a view straight through the transport: tables with
// the engine's walk exchange (get-bulk under SNMPv2c and v3 unless the
// switch's setting or the agent says otherwise, with the repetitions it
// adapts; get-next under SNMPv1), all columns side by side, and groups of
// scalars with get. Values go to the sink as they arrive; nothing waits.
class ViewWalker : public QObject
{
    Q_OBJECT

public:
    // k is the position of the OID the value belongs to in the list asked.
    using Sink = std::function<void(
        int k, const CvOid &oid, const CvSNMPValue &value, const ViewStamp &at)>;

    explicit ViewWalker(QObject *parent = nullptr);
    ~ViewWalker() override;

    void SetTarget(const CvSnmpTarget &target);
    const CvSnmpTarget &Target() const { return m_target; }
    bool UsesBulk() const { return CvWalkExchange::UsesBulk(m_target, m_bulk); }
    // Values the first get-bulk of each walk asks for, spread over the
    // columns; 0 (the default) leaves it to what the agent took before.
    void SetBulkBudget(int values);
    int Repetitions() const { return m_repetitions; }

    // Walks the subtree under each OID until it ends.
    void Walk(const QList<CvOid> &subtrees, Sink sink);
    // Reads the instances; one the agent does not have arrives as
    // noSuchObject.
    void Get(const QList<CvOid> &instances, Sink sink);
    void Stop();
    bool IsRunning() const { return m_running; }

signals:
    void Answered(int requests);
    void Finished(const ViewWalkOutcome &outcome);

private:
    void sendWalkStep();
    void onWalkAnswer(const CvSnmpResponse &response);
    // Why a walk answer cannot be taken; empty when it can.
    QString answerMisfit(const CvSnmpResponse &response) const;
    void sendGetChunk();
    void onGetAnswer(const CvSnmpResponse &response);
    void send(CvPduType type, const QList<CvSnmpBinding> &bindings, int repetitions);
    void sendExchange(CvWalkExchange::Pdu pdu);
    // Tells of the answer; false when a listener stopped the walker.
    bool answered();
    void finish(int code, const QString &message, bool complete, bool stopped = false);
    ViewStamp now() const;

    CvSnmpTarget m_target;
    bool m_bulk = true; // the switch's setting, from the session defaults
    int m_budget = 0;
    int m_repetitions = 0;
    std::optional<CvWalkExchange> m_exchange; // of the walk step under way
    QList<CvSnmpBinding> m_asked; // its bindings
    bool m_firstStep = false;
    QString m_notice;
    Sink m_sink;
    QList<CvOid> m_oids; // subtrees or instances
    QList<CvOid> m_cursors; // walk: last OID received per subtree
    QList<bool> m_active; // walk: the subtree has not ended
    QList<int> m_sent; // positions sent in the request under way
    int m_chunk = 24; // get: instances per request
    QList<int> m_unanswered; // get: positions still to read, in order
    bool m_outOfOrder = false;
    bool m_running = false;
    quint64 m_handle = 0;
    int m_requests = 0;
    QElapsedTimer m_clock;
    QElapsedTimer m_stepClock; // since the walk step's last send
};
