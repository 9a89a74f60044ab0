#include "CvJournalUndo.h"

#include "CvException.h"
#include "CvSNMPRequest.h"
#include "JournalMessages.h"

#include <QMap>

#include <algorithm>

#include <memory>

namespace {

using Role = CvJournalObject::Role;
using State = CvUndoItem::State;

// An object the switch took, or may have taken, and where it was sent.
struct Taken
{
    const CvJournalObject *object;
    int request;
};

std::unique_ptr<CvSNMPRequest> requestTo(const CvJournalTarget &target)
{
    auto request = std::make_unique<CvSNMPRequest>();
    request->device = target.device;
    request->scope = target.scope;
    request->security = target.security;
    request->timeout = target.timeout;
    request->retries = target.retries;
    return request;
}

bool isValue(const std::optional<CvSNMPValue> &value)
{
    return value && !value->isException();
}

// A write of the undo: the object as it was sent, now going out with value,
// and before it what the switch holds now.
CvJournalObject undoWrite(
    const CvJournalObject &o, const CvSNMPValue &value, const CvSNMPValue &now)
{
    CvJournalObject w;
    w.oid = o.oid;
    w.label = o.label;
    w.instance = o.instance;
    w.form = o.form;
    w.before = now;
    w.sent = value;
    return w;
}

// The objects of the same row the same request wrote beside a row it made.
QList<const CvJournalObject *> rowMates(const CvJournalEntry &entry, const Taken &row)
{
    QList<const CvJournalObject *> mates;
    for (const CvJournalObject &o : entry.requests.at(row.request).objects)
        if (&o != row.object && o.role == Role::Value && o.instance == row.object->instance)
            mates.append(&o);
    return mates;
}

CvUndoItem valueItem(const CvJournalObject &o, const CvSNMPValue &now)
{
    CvUndoItem item;
    item.name = o.Name();
    item.now = o.TextOf(now);
    item.afterUndo = o.BeforeText();
    if (now.isException()) {
        item.reason = QString::fromLatin1(JournalMessages::GoneNow);
        return item;
    }
    if (isValue(o.before) && now == *o.before) {
        item.state = State::AsBefore;
        item.reason = QString::fromLatin1(JournalMessages::AsBefore);
        return item;
    }
    const bool holdsWritten = now == o.sent;
    if (!o.before) {
        item.reason = QString::fromLatin1(JournalMessages::NotReadBefore);
    } else if (o.before->isException()) {
        item.reason = QString::fromLatin1(JournalMessages::NoValueBefore);
    } else {
        item.state = holdsWritten ? State::Restore : State::Differs;
        item.chosen = holdsWritten;
        item.writes = {undoWrite(o, *o.before, now)};
        if (!holdsWritten) {
            item.reason = QString::fromLatin1(JournalMessages::OtherNow);
            item.changed = {item.name};
        }
    }
    return item;
}

// A row the entry made: removed again while the row still holds what was
// written into it.
CvUndoItem rowMadeItem(const CvJournalObject &o, const CvSNMPValue &now,
    const QList<const CvJournalObject *> &mates, const QList<CvSNMPValue> &matesNow)
{
    CvUndoItem item;
    item.name = o.Name();
    item.now = o.TextOf(now);
    item.afterUndo = o.removeValue ? o.TextOf(*o.removeValue) : QString();
    if (now.isException()) {
        item.state = State::AsBefore;
        item.reason = QString::fromLatin1(JournalMessages::RowGone);
        return item;
    }
    if (!o.removeValue) {
        item.reason = QString::fromLatin1(JournalMessages::RowNotRemovable);
        return item;
    }
    QStringList changed;
    CvJournalObject remove = undoWrite(o, *o.removeValue, now);
    // Undone in turn, the removal makes the row again as it is now.
    remove.role = Role::RowDelete;
    remove.createValue = o.sent;
    for (qsizetype k = 0; k < mates.size(); ++k) {
        if (matesNow.at(k) != mates.at(k)->sent)
            changed.append(mates.at(k)->Name());
        if (!matesNow.at(k).isException())
            remove.rowBefore.append(
                {mates.at(k)->oid, mates.at(k)->label, matesNow.at(k), mates.at(k)->form});
    }
    item.writes = {remove};
    item.state = changed.isEmpty() ? State::Restore : State::Differs;
    item.chosen = changed.isEmpty();
    item.changed = changed;
    if (!changed.isEmpty())
        item.reason = QString::fromLatin1(JournalMessages::RowChanged)
                          .arg(changed.join(QStringLiteral(", ")));
    return item;
}

// A row the entry removed: made again with the values read before, while
// no row of that index is back.
CvUndoItem rowRemovedItem(const CvJournalObject &o, const CvSNMPValue &now)
{
    CvUndoItem item;
    item.name = o.Name();
    item.now = o.TextOf(now);
    if (!now.isException()) {
        item.reason = QString::fromLatin1(JournalMessages::RowBackAlready);
        return item;
    }
    if (!isValue(o.before)) {
        item.reason = QString::fromLatin1(JournalMessages::RowNotRead);
        return item;
    }
    if (!o.createValue) {
        item.reason = QString::fromLatin1(JournalMessages::RowNotCreatable);
        return item;
    }
    CvJournalObject make = undoWrite(o, *o.createValue, now);
    make.role = Role::RowCreate;
    make.removeValue = o.sent;
    item.writes = {make};
    QStringList columns {o.TextOf(*o.createValue)};
    for (const CvJournalColumn &c : o.rowBefore) {
        CvJournalObject column;
        column.oid = c.oid;
        column.label = c.label;
        column.instance = o.instance;
        column.form = c.form;
        column.before = now;
        column.sent = c.value;
        columns.append(QStringLiteral("%1 %2").arg(c.label, column.AfterText()));
        item.writes.append(column);
    }
    item.afterUndo = columns.join(QStringLiteral(", "));
    item.state = State::Restore;
    item.chosen = true;
    return item;
}

} // namespace

QStringList CvUndoPlan::Differing() const
{
    QStringList names;
    for (const CvUndoItem &item : items)
        if (item.state == State::Differs)
            names += item.changed;
    return names;
}

bool CvUndoPlan::AnyChosen() const
{
    for (const CvUndoItem &item : items)
        if (item.chosen && item.Writable())
            return true;
    return false;
}

CvUndoPlan PlanUndo(const CvJournalEntry &entry)
{
    CvUndoPlan plan;
    plan.entry = entry.id;
    // What the agent refused it never took: only the rest is set back.
    QList<Taken> taken;
    for (int r = 0; r < entry.requests.size(); ++r)
        for (const CvJournalObject &o : entry.requests.at(r).objects)
            if (o.taken != CvJournalObject::Taken::No)
                taken.append({&o, r});
    // The objects of a row the same request made go with the row.
    QList<Taken> items;
    QList<QList<const CvJournalObject *>> mates;
    for (const Taken &t : std::as_const(taken)) {
        if (t.object->role == Role::Value) {
            const bool inMadeRow = std::any_of(taken.cbegin(), taken.cend(), [&](const Taken &m) {
                return m.request == t.request && m.object->role == Role::RowCreate
                    && m.object->instance == t.object->instance;
            });
            if (inMadeRow)
                continue;
        }
        items.append(t);
        mates.append(t.object->role == Role::RowCreate ? rowMates(entry, t)
                                                       : QList<const CvJournalObject *>());
    }
    if (items.isEmpty())
        return plan;

    QList<CvOid> oids;
    for (qsizetype k = 0; k < items.size(); ++k) {
        oids.append(items.at(k).object->oid);
        for (const CvJournalObject *m : mates.at(k))
            oids.append(m->oid);
    }
    const QList<CvSNMPValue> now = requestTo(entry.target)->GetObjects(oids);

    // One set request per row (values by their instance, from 0); rows made
    // or removed have one each (below 0).
    QMap<QString, int> rowGroups;
    qsizetype at = 0;
    for (qsizetype k = 0; k < items.size(); ++k) {
        const CvJournalObject &o = *items.at(k).object;
        const CvSNMPValue &value = now.at(at++);
        const QList<CvSNMPValue> matesNow = now.mid(at, mates.at(k).size());
        at += mates.at(k).size();
        CvUndoItem item;
        switch (o.role) {
        case Role::Value:
            item = valueItem(o, value);
            item.group = int(rowGroups.size());
            if (const auto g = rowGroups.constFind(o.instance); g != rowGroups.cend())
                item.group = *g;
            else
                rowGroups.insert(o.instance, item.group);
            break;
        case Role::RowCreate:
            item = rowMadeItem(o, value, mates.at(k), matesNow);
            item.group = -int(k) - 1;
            break;
        case Role::RowDelete:
            item = rowRemovedItem(o, value);
            item.group = -int(k) - 1;
            break;
        }
        plan.items.append(std::move(item));
    }
    return plan;
}

QStringList RunUndo(const CvJournalEntry &entry, const CvUndoPlan &plan)
{
    const CvOperatorAction action(entry.window, entry.id);
    // The last request of the entry is undone first.
    QMap<int, QList<CvJournalObject>> groups;
    QList<int> order;
    for (const CvUndoItem &item : plan.items) {
        if (!item.chosen || !item.Writable())
            continue;
        if (!groups.contains(item.group))
            order.prepend(item.group);
        groups[item.group] += item.writes;
    }
    QStringList failures;
    const std::unique_ptr<CvSNMPRequest> request = requestTo(entry.target);
    for (int group : std::as_const(order)) {
        try {
            request->SetObjects(groups.value(group));
        } catch (const CvException &e) {
            failures.append(e.message());
        }
    }
    return failures;
}
