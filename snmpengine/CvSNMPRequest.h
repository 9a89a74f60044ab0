#pragma once

#include "CvChangeJournal.h"
#include "CvSNMPSession.h"
#include "CvSNMPVarList.h"
#include "CvSnmpTransport.h"
#include "CvVarBindings.h"
#include "CvWalkExchange.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// The result handed to the owner of an asynchronous request.
struct CvSNMPError
{
    qint32 code = 0; // engine code, 0 for success
    qint32 errorIndex = 0;
    QString message;
    QString agentAddress;
    qint16 agentPort = 0;
    bool finished = false; // no further walk step is to be sent
    // The answer of this walk step holds the next step too: its row follows
    // without a request (get-bulk). A window that batches its rows adds
    // them once a step comes without it.
    bool rowsFollow = false;
};

// The completion routine of an asynchronous request; it runs only while
// its owner object is alive.
using CvSNMPCompletion = std::function<void(const CvSNMPError &error, CvSNMPVarList &list)>;

// Reads and writes one variable list against the agent: a get of scalars
// or of one row, a walk over a table, a set of the writable variables.
// Synchronous calls wait with the event loop running; asynchronous ones
// answer through their completion routine. Every failure is a CvException
// with a catalogued message and code.
//
// A walk is a sequence of steps, each one row, read as one get-next of
// every column from its own last OID would read it. Under SNMPv2c and v3
// (unless bulk is off) the steps go out as get-bulk requests
// (CvWalkExchange): each answer is kept, and the steps it answers are
// taken from it, one per Get or completion, before the next request goes
// out from every column's own last OID. Under SNMPv1 every step is one
// get-next.
//
// Every set is recorded in the session's change journal (CvChangeJournal)
// as it goes out, with the values this request last read for its objects,
// and completed when its answer comes, however the request ends.
class CvSNMPRequest
{
public:
    CvSNMPRequest(); // copies the session defaults
    virtual ~CvSNMPRequest();
    CvSNMPRequest(const CvSNMPRequest &) = delete;
    CvSNMPRequest &operator=(const CvSNMPRequest &) = delete;

    // Replaces the list (values, instance and name are lost).
    void SetVarList(const CvSNMPVar *table, quint8 kind, qint32 indexCount);

    bool Get(bool first);
    void GetAsync(CvSNMPCompletion completion, QObject *owner, bool first);
    bool Set(
        bool readBack, const QString &indexList = QString(), const QStringList *values = nullptr);
    void SetAsync(CvSNMPCompletion completion, QObject *owner, bool processBindings,
        const QString &indexList = QString(), const QStringList *values = nullptr);
    bool RowPasses(const QString &filter);

    // Objects read and written one by one, outside the variable list,
    // through the request's target (an undo from the change journal).
    // Synchronous. GetObjects gives an exception value (noSuchObject) for an
    // object the agent does not hold; both throw CvException as Get and Set
    // do. SetObjects sends the objects' sent values in one request, which
    // the journal records with the objects as given.
    QList<CvSNMPValue> GetObjects(const QList<CvOid> &oids);
    void SetObjects(const QList<CvJournalObject> &objects);

    // The eight operations on variable i of the list.
    virtual QString Substitute(const QString &expression, bool quoteTexts, QChar marker);
    virtual QString DecodeIndex(int i, const QString &suffix);
    virtual QString EncodeIndex(int i);
    virtual void StoreValue(int i, const CvSNMPValue &value);
    virtual CvSNMPValue LoadValue(int i);
    virtual void ComputeDerived(int i, bool afterRead);
    virtual bool Evaluate(const QString &condition);
    virtual bool IsOutOfScope(
        const QString &prefix, const QString &lastOid, const QString &received);

    bool nextInstance = false;
    quint32 timeout = 100; // per try, centiseconds
    qint32 retries = 1;
    CvSNMPDevice device;
    CvSNMPScope scope;
    CvSNMPSecurity security;
    CvSNMPVarList varList;
    QString rowFilter;
    bool running = true;
    qint32 outstanding = 0;
    // Walks use get-bulk under SNMPv2c and v3; copied from the session
    // defaults.
    bool bulk = true;

    // How the window shows a variable's values in words, by variable
    // position (a port list as unit:port ranges): the change journal keeps
    // the variable's changes in those words.
    QHash<int, std::function<QString(const CvSNMPValue &)>> valueWords;
    // The column through which rows of the table are made and removed, with
    // its display texts that do so. Unset: a column whose option list reads
    // as RowStatus (createAndGo, destroy) or as valid and invalid is taken.
    struct RowLifecycle
    {
        int createColumn = -1;
        QStringList createTexts;
        int removeColumn = -1;
        QString removeText; // empty: rows are not removed
    };
    std::optional<RowLifecycle> rowLifecycle;

    // The next walk step is answered by the last answer already.
    bool HasBufferedStep() const;
    // What the walk found out about the agent that the operator should be
    // told (it refused get-bulk), once; empty else.
    QString TakeNotice() { return std::exchange(m_notice, QString()); }

    // How long the destructor waits for outstanding answers.
    static constexpr int DestroyWaitMs = 6000;

    // Runs the event loop until no answer is outstanding or the deadline
    // has passed; true when none is. The request may be destroyed while it
    // waits, which ends the wait (true).
    bool WaitIdle(QDeadlineTimer deadline);
    // Gives up every outstanding answer: it reaches nothing when it comes,
    // and a synchronous call waiting for one ends with the closed-session
    // error. Those waiting in WaitIdle are woken.
    void Abandon();

    // How many waits for answers (synchronous calls, WaitIdle, or a
    // window's close wait that holds a WaitScope) are running on the stack.
    // Work started from a timer can look at it to avoid stacking another
    // wait inside one.
    static int WaitDepth();
    // Runs work from the event loop once no wait is running (at once, from
    // the event loop, when none is); nothing when context has gone.
    static void AfterWaits(QObject *context, std::function<void()> work);
    struct WaitScope
    {
        WaitScope();
        ~WaitScope();
        WaitScope(const WaitScope &) = delete;
        WaitScope &operator=(const WaitScope &) = delete;
    };

private:
    struct Outcome
    {
        CvSNMPError error;
        bool row = false;
        // An SNMPv1 agent refused the step for a column at the end of its
        // view: the column has left, the step is asked again without it.
        bool again = false;
    };
    struct VarState
    {
        QString value;
        QString lastOid;
        bool columnLeft = false;
    };
    // Who asked for an asynchronous walk step.
    struct Continuation
    {
        CvSNMPCompletion completion;
        QPointer<QObject> guard;
        bool hasOwner = false;

        bool gone() const { return hasOwner && !guard; }
    };
    // The last get-bulk answer of a walk, by column: each column's values
    // and how many of them the walk has taken.
    struct BulkAnswer
    {
        bool valid = false;
        QList<int> vars; // the variable of each column
        QList<CvOid> prefixes;
        QList<QList<CvSnmpBinding>> runs;
        std::vector<qsizetype> taken;
        std::vector<int> columnOf; // by variable, -1 for none
        QString agentAddress;
        quint16 agentPort = 0;
    };
    CvSnmpTarget target(bool write) const;
    // A walk from the first row: what the last one kept is forgotten.
    void startWalk();
    QList<CvSnmpBinding> readBindings(bool first, QList<CvVarBinding> &requested);
    void sendRead(CvSNMPCompletion completion, QPointer<QObject> guard, bool hasOwner, bool first);
    // A walk step over the wire: pdu, then whatever the exchange asks for
    // the same step, then the step's row to whoever asked.
    void sendWalkStep(std::shared_ptr<CvWalkExchange> exchange, CvWalkExchange::Pdu pdu,
        const QList<CvSnmpBinding> &bindings, const QList<CvVarBinding> &requested,
        const Continuation &to);
    QList<CvOid> columnPrefixes(const QList<CvVarBinding> &requested);
    // The outcome of a walk step's final answer.
    Outcome walkAnswer(const CvWalkExchange &exchange, const CvSnmpResponse &response,
        const QList<CvVarBinding> &requested);
    // Steps taken from the kept get-bulk answer.
    void keepBulkAnswer(const CvSnmpResponse &response, const CvWalkExchange &exchange,
        const QList<CvVarBinding> &requested);
    void settleBuffered();
    Outcome bufferedStep();
    Outcome takeBufferedStep(); // the list as it was when it fails
    void queueBufferedStep(const Continuation &to);
    // Hands the outcome to its asker; while it asks for the next step from
    // its completion and the kept answer holds it, that one follows.
    void deliverSteps(Outcome out, Continuation to);
    // Variable i's OID text parsed, from the last text parsed or received
    // for it when that is the same: a walk step sends what it received.
    CvOid parsedOid(int i, const QString &text);
    void rememberOid(int i, const QString &text, const CvOid &oid);
    // What a read changes in the variables, in list order.
    std::vector<VarState> readState() const;
    void restoreReadState(const std::vector<VarState> &state);
    // A set request as it goes out, with what the journal records of it.
    struct WritePlan
    {
        QList<CvSnmpBinding> bindings;
        QList<int> sent; // the variable of each binding
        QList<CvJournalObject> objects;
    };
    WritePlan writeBindings(const QString &indexList, const QStringList *values);
    WritePlan buildWriteBindings(const QString &indexList, const QStringList *values);
    // The journal's view of the bindings the list holds for this write.
    QList<CvJournalObject> journalObjects(const QList<CvVarBinding> &selected);
    QString instanceWords() const;
    std::optional<CvSNMPValue> lastRead(int i, const QString &oid) const;
    void rememberRead(int i, const QString &oid, const CvSNMPValue &value);
    std::shared_ptr<const CvValueForm> formOf(int i) const;
    RowLifecycle lifecycle() const;
    QList<CvJournalColumn> rowColumns(const QString &rowSuffix, int statusColumn) const;
    CvJournalTarget journalTarget() const;
    // Sends a recorded set and waits for its answer; the journal learns
    // the outcome, whichever way it ends.
    CvSnmpResponse waitRecorded(
        const QList<CvSnmpBinding> &bindings, const QList<CvJournalObject> &objects);
    void settleRecorded(quint64 handle, const CvSnmpResponse &response);
    quint64 send(const CvSnmpTarget &t, CvPduType type, const QList<CvSnmpBinding> &bindings,
        CvSnmpCallback callback, bool waiter = false, int repetitions = 0);
    CvSnmpResponse wait(const CvSnmpTarget &t, CvPduType type, const QList<CvSnmpBinding> &bindings,
        int repetitions = 0);
    Outcome readResponse(const CvSnmpResponse &response, const QList<CvVarBinding> &requested);
    Outcome readTableResponse(
        const CvSnmpResponse &response, const QList<CvVarBinding> &requested, Outcome out);
    static bool answeredOutOfOrder(
        const QString &prefix, const QString &asked, const QString &received);
    Outcome endOfView(
        const CvSnmpResponse &response, const QList<CvVarBinding> &requested, Outcome out);
    void storeWritten(const CvSnmpResponse &response, const QList<int> &sent);
    CvSNMPError errorOf(int code, const CvSnmpResponse &response) const;
    CvSNMPError writeErrorOf(
        int code, const CvSnmpResponse &response, const QList<int> &sent) const;
    // Wakes the loops of WaitIdle; called when outstanding drops to 0.
    void notifyIdle();

    QSet<quint64> m_pending;
    QList<QPointer<QEventLoop>> m_callWaits; // loops of synchronous calls in progress
    QList<QPointer<QEventLoop>> m_idleWaits; // loops of WaitIdle
    std::vector<std::pair<QString, CvOid>> m_parsedOids; // by variable
    std::shared_ptr<bool> m_alive; // false once the destructor has waited
    bool m_destroying = false;
    BulkAnswer m_bulk;
    bool m_delivering = false; // a completion runs whose next step is kept
    std::optional<Continuation> m_next; // asked for from that completion
    quint64 m_localSteps = 0;
    QString m_notice;
    // The values of the writable variables as last read, by OID text: the
    // journal's values before a set. A table's are those of its last walk.
    QHash<QString, CvSNMPValue> m_lastRead;
    bool m_walkComplete = false; // the last walk read every column to its end
    QHash<quint64, CvChangeJournal::Ticket> m_setTickets; // asynchronous sets sent
};

// The engine code of a transport result, with an unresolvable address as
// "(CvSNMP++) Invalid IP Address or DNS name!".
int RequestCode(int transportResult);
