#include "CvRestorePlan.h"

#include "CvException.h"
#include "CvSNMPRequest.h"
#include "CvSnapshotObjects.h"
#include "CvValueCodec.h"
#include "PortListText.h"

#include <QHash>

#include <algorithm>

namespace {

// dot1qPvid: a port's VLAN, which changes once the VLAN holds the port.
constexpr QLatin1String PvidColumn("1.3.6.1.2.1.17.7.1.4.5.1.1");

struct Column
{
    const CvSnapshotTable *table = nullptr;
    int column = 0;
    QString instance;
};

std::optional<Column> columnOf(const QString &oid)
{
    Column c;
    if (!FindSnapshotColumn(oid, &c.table, &c.column, &c.instance))
        return std::nullopt;
    return c;
}

CvJournalObject objectOf(const CvSnapshotValue &v, const CvSNMPValue &sent,
    const std::optional<CvSnapshotValue> &before, CvJournalObject::Role role)
{
    CvJournalObject o;
    o.oid = ParseOid(v.oid).value_or(CvOid());
    o.label = v.label.isEmpty() ? v.oid : v.label;
    o.instance = v.row;
    o.sent = sent;
    if (before)
        o.before = before->Value();
    else
        o.before = CvSNMPValue::FromNull(CvSNMPValue::NoSuchInstance);
    o.role = role;
    auto form = std::make_shared<CvValueForm>();
    form->variable.syntax = v.syntax;
    if (const auto c = columnOf(v.oid)) {
        const CvSnapshotColumn &col = c->table->columns.at(c->column);
        form->variable.options = col.options;
        form->variable.label = col.label;
        if (col.portList)
            form->words = [](const CvSNMPValue &value) { return PortListInWords(value); };
    }
    o.form = form;
    return o;
}

QByteArray octets(const CvSnapshotValue &v)
{
    return v.Value().octets().value_or(QByteArray());
}

QByteArray unite(QByteArray a, const QByteArray &b)
{
    if (a.size() < b.size())
        a.resize(b.size(), '\0');
    for (qsizetype i = 0; i < b.size(); ++i)
        a[i] = char(quint8(a.at(i)) | quint8(b.at(i)));
    return a;
}

// Why a step touches what the session reaches the switch through.
QString accessConcern(const CvRestoreStep &step, const CvRestoreGuard &guard,
    const QList<const CvSnapshotValue *> &values)
{
    for (const CvSnapshotValue *v : values) {
        for (const QString &community : guard.communities)
            if (!community.isEmpty()
                && (v->row.contains(QLatin1Char('\'') + community + QLatin1Char('\''))
                    || v->row.endsWith(QLatin1Char(' ') + community) || v->words == community))
                return QStringLiteral("it changes the community this session uses (%1)")
                    .arg(community);
        if (!guard.securityName.isEmpty()
            && (v->row.contains(guard.securityName) || v->words == guard.securityName))
            return QStringLiteral("it changes the SNMPv3 user this session uses (%1)")
                .arg(guard.securityName);
    }
    // An access rule that denies may drop this manager's own requests.
    for (const CvJournalObject &o : step.objects)
        if (o.label.contains(QLatin1String("Permit"), Qt::CaseInsensitive) && o.form
            && o.form->Text(o.sent).contains(QLatin1String("deny"), Qt::CaseInsensitive)
            && step.phase != CvRestoreStep::Phase::Remove)
            return QStringLiteral("an access rule that denies may drop this manager's requests");
    return {};
}

QString valueText(const CvJournalObject &o)
{
    return o.form ? o.form->Text(o.sent) : ToDebugText(o.sent);
}

} // namespace

bool CvRestoreSelection::Takes(const CvSnapshotDifference &d) const
{
    if (d.wholeRow && d.kind == CvSnapshotDifference::Kind::Added && !removeRows)
        return false;
    return all || windows.contains(d.Window()) || oids.contains(d.oid);
}

QString CvRestoreStep::Bindings() const
{
    QStringList parts;
    for (const CvJournalObject &o : objects)
        parts << OidToText(o.oid) + QLatin1Char('=') + valueText(o);
    return parts.join(QStringLiteral(", "));
}

QList<CvRestoreStep> PlanRestore(const CvSnapshotComparison &comparison,
    const CvRestoreSelection &selection, const CvRestoreGuard &guard)
{
    QList<CvRestoreStep> steps;
    const auto add = [&](CvRestoreStep step, const CvSnapshotValue &at,
                         const QList<const CvSnapshotValue *> &values) {
        step.window = at.menuPath;
        step.tableOrder = at.tableOrder;
        step.instance = at.instance;
        step.column = at.column;
        step.access = accessConcern(step, guard, values);
        steps.append(std::move(step));
    };
    for (const CvSnapshotDifference &d : comparison.differences) {
        if (!selection.Takes(d))
            continue;
        const std::optional<Column> col = columnOf(d.oid);
        // Only what the catalogue names as a setting is restored: a line
        // of another object (a command an older file kept) is not sent.
        if (!col)
            continue;
        const CvSnapshotValue &v = d.Any();
        const QString where = v.row.isEmpty() ? QString() : v.row + QStringLiteral(": ");
        if (d.wholeRow && col && col->table->Status()) {
            const CvSnapshotTable &t = *col->table;
            const QString statusOid = t.Status()->oid + QLatin1Char('.') + col->instance;
            CvRestoreStep step;
            if (d.kind == CvSnapshotDifference::Kind::Added) {
                step.phase = CvRestoreStep::Phase::Remove;
                step.text = where + QStringLiteral("remove the row");
                CvSnapshotValue status = v;
                status.oid = statusOid;
                status.syntax = SyntaxInteger;
                status.label = t.Status()->label;
                step.objects.append(objectOf(status, CvSNMPValue::FromInteger(t.removeValue),
                    std::nullopt, CvJournalObject::Role::RowDelete));
                step.objects.last().before.reset();
                add(step, v, {&v});
                continue;
            }
            // A row made again: its status column makes it (createAndGo or
            // valid), with the saved columns in the same request.
            step.phase = CvRestoreStep::Phase::Create;
            step.text = where + QStringLiteral("create the row");
            QList<const CvSnapshotValue *> row;
            for (const CvSnapshotValue &w : d.rowValues)
                row.append(&w);
            CvSnapshotValue status = v;
            status.oid = statusOid;
            status.syntax = SyntaxInteger;
            status.label = t.Status()->label;
            CvJournalObject make = objectOf(status, CvSNMPValue::FromInteger(t.createValue),
                std::nullopt, CvJournalObject::Role::RowCreate);
            make.removeValue = CvSNMPValue::FromInteger(t.removeValue);
            step.objects.append(make);
            for (const CvSnapshotValue *w : row)
                if (w->column != t.statusColumn)
                    step.objects.append(
                        objectOf(*w, w->Value(), std::nullopt, CvJournalObject::Role::Value));
            add(step, v, row);
            continue;
        }
        if (!d.saved)
            continue; // a value the file does not hold: nothing to restore it to
        const CvSnapshotValue &s = *d.saved;
        const bool portList = col && col->table->columns.at(col->column).portList;
        if (portList && d.now) {
            // Ports join first, as a list holding both; they leave later.
            const QByteArray joined = unite(octets(*d.now), octets(s));
            const bool joins = joined != octets(*d.now);
            const bool leaves = joined != octets(s);
            if (joins) {
                CvRestoreStep step;
                step.phase = CvRestoreStep::Phase::Join;
                const CvSNMPValue value = CvSNMPValue::FromOctets(s.Value().tag(), joined);
                step.objects.append(objectOf(s, value, d.now, CvJournalObject::Role::Value));
                step.text = where
                    + QStringLiteral("add ports to %1: %2").arg(s.label, PortListInWords(value));
                add(step, s, {&s});
            }
            if (leaves) {
                CvRestoreStep step;
                step.phase = CvRestoreStep::Phase::Leave;
                std::optional<CvSnapshotValue> before = d.now;
                if (joins)
                    before.reset();
                step.objects.append(objectOf(s, s.Value(), before, CvJournalObject::Role::Value));
                step.text = where + QStringLiteral("set %1 to %2").arg(s.label, s.words);
                add(step, s, {&s});
            }
            continue;
        }
        CvRestoreStep step;
        step.phase = s.oid.startsWith(PvidColumn + QLatin1Char('.')) ? CvRestoreStep::Phase::Pvid
                                                                     : CvRestoreStep::Phase::Value;
        step.objects.append(objectOf(s, s.Value(), d.now, CvJournalObject::Role::Value));
        step.text = where + QStringLiteral("set %1 to %2").arg(s.label, s.words);
        add(step, s, {&s});
    }
    std::stable_sort(
        steps.begin(), steps.end(), [](const CvRestoreStep &a, const CvRestoreStep &b) {
            if (a.phase != b.phase)
                return a.phase < b.phase;
            // A row's ports leave its untagged list before its egress list.
            if (a.phase == CvRestoreStep::Phase::Leave && a.tableOrder == b.tableOrder
                && a.instance == b.instance)
                return a.column > b.column;
            return false;
        });
    return steps;
}

CvRestoreGuard SessionRestoreGuard()
{
    CvRestoreGuard guard;
    const CvSNMPSecurity &s = SessionDefaults().security;
    if (s.version == 3)
        guard.securityName = s.securityName;
    else
        guard.communities = {s.readCommunity, s.writeCommunity};
    return guard;
}

namespace {

int restoreEntry(qsizetype entriesBefore)
{
    const QList<CvJournalEntry> &entries = CvChangeJournal::Instance().Entries();
    for (qsizetype k = entries.size() - 1; k >= entriesBefore; --k)
        if (entries.at(k).window == QLatin1String(RestoreJournalWindow))
            return entries.at(k).id;
    return 0;
}

CvRestoreResult runSteps(const QList<CvRestoreStep> &steps,
    const std::function<void(int step, const QString &error)> &report,
    const std::function<bool()> &stop)
{
    CvRestoreResult result;
    CvOperatorAction action {QString::fromLatin1(RestoreJournalWindow)};
    CvSNMPRequest request;
    for (int i = 0; i < steps.size(); ++i) {
        if (stop && stop()) {
            result.stopped = true;
            return result;
        }
        try {
            request.SetObjects(steps.at(i).objects);
        } catch (const CvException &e) {
            result.failed = i;
            result.error = e.message();
            if (report)
                report(i, result.error);
            return result;
        }
        ++result.done;
        if (report)
            report(i, QString());
    }
    return result;
}

} // namespace

CvRestoreResult RunRestore(const QList<CvRestoreStep> &steps,
    const std::function<void(int step, const QString &error)> &report,
    const std::function<bool()> &stop)
{
    const qsizetype entriesBefore = CvChangeJournal::Instance().Entries().size();
    CvRestoreResult result = runSteps(steps, report, stop);
    result.entry = restoreEntry(entriesBefore);
    return result;
}
