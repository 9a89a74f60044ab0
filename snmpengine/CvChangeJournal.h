#pragma once

#include "CvSNMPSession.h"
#include "CvSNMPValue.h"
#include "CvSNMPVar.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// The change journal of the session: every set request any window sends is
// recorded by the request engine as it goes out, with the values the
// window last read for its objects, and completed when the answer comes.
// The sets of one operator action are one entry. It lives in memory only;
// nothing is written anywhere unless the operator saves it.

// How a window shows the values of one variable: its syntax and option
// list, and for a value the window reads in words (a port list as unit:port
// ranges) those words. Each change keeps its form, so the journal shows the
// values as the window did after the window has closed.
struct CvValueForm
{
    CvSNMPVariable variable;
    std::function<QString(const CvSNMPValue &)> words;

    QString Text(const CvSNMPValue &value) const;
};

// A column of a row as last read, kept with a change that removes the row.
struct CvJournalColumn
{
    CvOid oid;
    QString label;
    CvSNMPValue value;
    std::shared_ptr<const CvValueForm> form;
};

// One variable binding of a set request.
struct CvJournalObject
{
    enum class Role {
        Value, // a value replaced
        RowCreate, // the status column of a row the set makes
        RowDelete, // the status column of a row the set removes
    };
    enum class Taken { Unknown, Yes, No };

    CvOid oid;
    QString label; // the column or field caption
    QString instance; // the row in words ("VLAN ID 10"); empty for a scalar
    // As the window last read it; nullopt when it did not. An exception
    // value (noSuchInstance) says the object was absent: the window's last
    // complete read of the table found no such row.
    std::optional<CvSNMPValue> before;
    CvSNMPValue sent;
    std::shared_ptr<const CvValueForm> form;
    Role role = Role::Value;
    // RowCreate: the value that removes the row again (none when the
    // window removes no rows).
    std::optional<CvSNMPValue> removeValue;
    // RowDelete: the value that makes the row and its other writable
    // columns as last read (empty when they were not read).
    std::optional<CvSNMPValue> createValue;
    QList<CvJournalColumn> rowBefore;

    QString result; // catalogued text, or why there is none
    Taken taken = Taken::Unknown;

    // "Egress Ports (VLAN ID 10)"; the label alone for a scalar.
    QString Name() const;
    QString BeforeText() const;
    QString AfterText() const;
    // A value in this object's form; an absent one in words.
    QString TextOf(const std::optional<CvSNMPValue> &value) const;
};

// One set request and what came of it.
struct CvJournalRequest
{
    enum class State {
        Waiting, // sent, no answer yet
        Answered, // the agent answered, or the request timed out
        NotSent, // it could not be sent
        Unanswered, // no answer will come: the window closed first
    };

    QList<CvJournalObject> objects;
    State state = State::Waiting;
    int code = 0;
    int errorIndex = 0;
    QString message;
};

// Where the requests of an entry went and with which credentials, so that
// an undo goes the same way.
struct CvJournalTarget
{
    CvSNMPDevice device;
    CvSNMPScope scope;
    CvSNMPSecurity security;
    quint32 timeout = 100;
    qint32 retries = 1;

    // "127.0.0.1:161"
    QString Agent() const;
};

// One operator action: the set requests it sent.
struct CvJournalEntry
{
    int id = 0; // 1, 2, ... in the order of the session
    QDateTime time;
    QString window; // the window's title
    int undoOf = 0; // the entry this one undoes; 0 for none
    CvJournalTarget target;
    QList<CvJournalRequest> requests;

    QList<const CvJournalObject *> Objects() const;
    // "Ok", the one result all objects share, or how many failed.
    QString Result() const;
    bool Waiting() const;
};

class CvChangeJournal : public QObject
{
    Q_OBJECT

public:
    static CvChangeJournal &Instance();

    // Oldest first.
    const QList<CvJournalEntry> &Entries() const { return m_entries; }
    const CvJournalEntry *Find(int id) const;

    struct Ticket
    {
        int entry = 0;
        int request = -1;
    };
    // A set request about to go out: it joins the entry of the operator
    // action running when that went to the same agent, or starts one.
    Ticket Sending(const CvJournalTarget &target, QList<CvJournalObject> objects);
    // The answer, a time-out among them (code as the engine maps it).
    void Answered(Ticket ticket, int code, int errorIndex);
    void NotSent(Ticket ticket, int code);
    // No answer will come: the window closed before it did.
    void Unanswered(Ticket ticket);

signals:
    void EntryAdded(int id);
    void EntryChanged(int id);

private:
    CvChangeJournal() = default;
    CvJournalRequest *request(Ticket ticket);

    QList<CvJournalEntry> m_entries;
};

// One operator action (a click of Set, Add, Delete, an undo): the sets sent
// while it is open are one journal entry under the window's title. An
// action opened while another is open joins it.
class CvOperatorAction
{
public:
    explicit CvOperatorAction(QString window, int undoOf = 0);
    ~CvOperatorAction();
    CvOperatorAction(const CvOperatorAction &) = delete;
    CvOperatorAction &operator=(const CvOperatorAction &) = delete;

    // The outermost action open, or null.
    static CvOperatorAction *Current();

    const QString &Window() const { return m_window; }
    int UndoOf() const { return m_undoOf; }

private:
    friend class CvChangeJournal;
    QString m_window;
    int m_undoOf = 0;
    int m_entry = 0; // the entry its sets went to so far
    bool m_outermost = false;
};

// Texts of the journal for an object without a value to show.
namespace JournalText {
inline constexpr const char *NotRead = "not read";
inline constexpr const char *NoRow = "no row";
inline constexpr const char *Absent = "absent";
inline constexpr const char *Waiting = "waiting for the answer";
inline constexpr const char *Unanswered
    = "No answer: the window closed before the agent answered, so the switch may or may not "
      "have taken it";
// "Not written: the agent refused the request because of %1."
inline constexpr const char *RefusedBecauseOf
    = "Not written: the agent refused the request because of %1";
} // namespace JournalText
