#include "CvChangeJournal.h"

#include "CvCatalogues.h"
#include "CvException.h"
#include "CvSNMPVarList.h"
#include "CvValueCodec.h"

#include <utility>

namespace {

CvOperatorAction *openAction = nullptr;

// A value no conversion of its variable takes, shown as the wire holds it.
QString rawText(const CvSNMPValue &value)
{
    if (const std::optional<QByteArray> octets = value.octets())
        return QString::fromLatin1(octets->toHex().toUpper());
    if (const std::optional<qint64> n = value.signedNumber())
        return QString::number(*n);
    if (const std::optional<quint64> n = value.unsignedNumber())
        return QString::number(*n);
    if (const std::optional<CvOid> oid = value.oid())
        return OidToText(*oid);
    return QStringLiteral("(NULL)");
}

bool isRefusal(int code)
{
    return code <= -101 && code >= -118; // an error status of the agent
}

} // namespace

QString CvValueForm::Text(const CvSNMPValue &value) const
{
    if (words)
        return words(value);
    CvSNMPVarList list;
    list.vars.append(variable);
    try {
        StoreValue(list, 0, value);
        return list.Var(0).value;
    } catch (const CvException &) {
        return rawText(value);
    }
}

QString CvJournalObject::Name() const
{
    return instance.isEmpty() ? label : QStringLiteral("%1 (%2)").arg(label, instance);
}

QString CvJournalObject::TextOf(const std::optional<CvSNMPValue> &value) const
{
    if (!value)
        return QString::fromLatin1(JournalText::NotRead);
    if (value->isException())
        return QString::fromLatin1(instance.isEmpty() ? JournalText::Absent : JournalText::NoRow);
    return form ? form->Text(*value) : rawText(*value);
}

QString CvJournalObject::BeforeText() const
{
    return TextOf(before);
}

QString CvJournalObject::AfterText() const
{
    return TextOf(sent);
}

QString CvJournalTarget::Agent() const
{
    return QStringLiteral("%1:%2").arg(device.address).arg(device.port);
}

QList<const CvJournalObject *> CvJournalEntry::Objects() const
{
    QList<const CvJournalObject *> objects;
    for (const CvJournalRequest &r : requests)
        for (const CvJournalObject &o : r.objects)
            objects.append(&o);
    return objects;
}

bool CvJournalEntry::Waiting() const
{
    for (const CvJournalRequest &r : requests)
        if (r.state == CvJournalRequest::State::Waiting)
            return true;
    return false;
}

QString CvJournalEntry::Result() const
{
    const QList<const CvJournalObject *> objects = Objects();
    if (objects.isEmpty())
        return QString();
    bool same = true;
    qsizetype written = 0;
    for (const CvJournalObject *o : objects) {
        same = same && o->result == objects.first()->result;
        if (o->taken == CvJournalObject::Taken::Yes)
            ++written;
    }
    if (same)
        return objects.first()->result;
    if (Waiting())
        return QString::fromLatin1(JournalText::Waiting);
    return QStringLiteral("%1 of %2 objects written").arg(written).arg(objects.size());
}

CvChangeJournal &CvChangeJournal::Instance()
{
    static CvChangeJournal journal;
    return journal;
}

const CvJournalEntry *CvChangeJournal::Find(int id) const
{
    // Entries are never removed: an id is its place, counted from 1.
    if (id < 1 || id > m_entries.size())
        return nullptr;
    return &m_entries.at(id - 1);
}

CvJournalRequest *CvChangeJournal::request(Ticket ticket)
{
    if (ticket.entry < 1 || ticket.entry > m_entries.size())
        return nullptr;
    CvJournalEntry &entry = m_entries[ticket.entry - 1];
    if (ticket.request < 0 || ticket.request >= entry.requests.size())
        return nullptr;
    return &entry.requests[ticket.request];
}

CvChangeJournal::Ticket CvChangeJournal::Sending(
    const CvJournalTarget &target, QList<CvJournalObject> objects)
{
    for (CvJournalObject &o : objects) {
        o.result = QString::fromLatin1(JournalText::Waiting);
        o.taken = CvJournalObject::Taken::Unknown;
    }
    CvOperatorAction *action = CvOperatorAction::Current();
    int id = action ? action->m_entry : 0;
    if (const CvJournalEntry *joined = Find(id);
        !joined || joined->target.Agent() != target.Agent())
        id = 0;
    const bool added = id == 0;
    if (added) {
        CvJournalEntry entry;
        entry.id = int(m_entries.size()) + 1;
        entry.time = QDateTime::currentDateTime();
        // A generated window's caption ends with the agent, which the entry
        // keeps on its own.
        entry.window = action ? action->Window() : QString();
        const QString agentPart = QStringLiteral(" : ") + target.device.address;
        if (entry.window.endsWith(agentPart))
            entry.window.chop(agentPart.size());
        entry.undoOf = action ? action->UndoOf() : 0;
        entry.target = target;
        m_entries.append(std::move(entry));
        id = int(m_entries.size());
        if (action)
            action->m_entry = id;
    }
    CvJournalEntry &entry = m_entries[id - 1];
    CvJournalRequest r;
    r.objects = std::move(objects);
    entry.requests.append(std::move(r));
    const Ticket ticket {id, int(entry.requests.size()) - 1};
    if (added)
        emit EntryAdded(id);
    else
        emit EntryChanged(id);
    return ticket;
}

void CvChangeJournal::Answered(Ticket ticket, int code, int errorIndex)
{
    CvJournalRequest *r = request(ticket);
    if (!r || r->state != CvJournalRequest::State::Waiting)
        return;
    r->state = CvJournalRequest::State::Answered;
    r->code = code;
    r->errorIndex = errorIndex;
    r->message = MessageOf(code);
    // An error status means the agent took none of the request; a time-out
    // leaves it open whether the set arrived.
    const bool refused = isRefusal(code);
    const qsizetype culprit = refused ? qsizetype(errorIndex) - 1 : -1;
    const bool named = culprit >= 0 && culprit < r->objects.size();
    const QString culpritName = named ? r->objects.at(culprit).Name() : QString();
    for (qsizetype k = 0; k < r->objects.size(); ++k) {
        CvJournalObject &o = r->objects[k];
        o.taken = code == 0 ? CvJournalObject::Taken::Yes
            : refused       ? CvJournalObject::Taken::No
                            : CvJournalObject::Taken::Unknown;
        o.result = !named || k == culprit
            ? r->message
            : QString::fromLatin1(JournalText::RefusedBecauseOf).arg(culpritName);
    }
    emit EntryChanged(ticket.entry);
}

void CvChangeJournal::NotSent(Ticket ticket, int code)
{
    CvJournalRequest *r = request(ticket);
    if (!r || r->state != CvJournalRequest::State::Waiting)
        return;
    r->state = CvJournalRequest::State::NotSent;
    r->code = code;
    r->message = MessageOf(code);
    for (CvJournalObject &o : r->objects) {
        o.taken = CvJournalObject::Taken::No;
        o.result = r->message;
    }
    emit EntryChanged(ticket.entry);
}

void CvChangeJournal::Unanswered(Ticket ticket)
{
    CvJournalRequest *r = request(ticket);
    if (!r || r->state != CvJournalRequest::State::Waiting)
        return;
    r->state = CvJournalRequest::State::Unanswered;
    r->message = QString::fromLatin1(JournalText::Unanswered);
    for (CvJournalObject &o : r->objects)
        o.result = r->message;
    emit EntryChanged(ticket.entry);
}

CvOperatorAction::CvOperatorAction(QString window, int undoOf)
    : m_window(std::move(window))
    , m_undoOf(undoOf)
    , m_outermost(openAction == nullptr)
{
    if (m_outermost)
        openAction = this;
}

CvOperatorAction::~CvOperatorAction()
{
    if (m_outermost)
        openAction = nullptr;
}

CvOperatorAction *CvOperatorAction::Current()
{
    return openAction;
}
