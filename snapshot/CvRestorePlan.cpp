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
// dot1qVlanStaticEntry, and its name column.
constexpr QLatin1String StaticVlanEntry("1.3.6.1.2.1.17.7.1.4.3.1");
// The switch's IP interfaces: address (2) and the name of its VLAN (4).
const QString IpInterfaceEntry
    = QStringLiteral("1.3.6.1.4.1.%1.11.59.8.3.2.1.1.1").arg(QT_STRINGIFY(TRV_PEN));

// The column and instance of an OID in a table entry, or column 0.
int entryColumn(const QString &oid, const QString &entry, QString *instance)
{
    if (!oid.startsWith(entry + QLatin1Char('.')))
        return 0;
    const QString rest = oid.mid(entry.size() + 1);
    const qsizetype dot = rest.indexOf(QLatin1Char('.'));
    if (dot <= 0)
        return 0;
    *instance = rest.mid(dot + 1);
    return rest.left(dot).toInt();
}

// The ports of a port list, as bit positions from 0.
QByteArray portsOf(const CvSNMPValue &value)
{
    return value.octets().value_or(QByteArray());
}

bool overlaps(const QByteArray &a, const QByteArray &b)
{
    for (qsizetype i = 0; i < qMin(a.size(), b.size()); ++i)
        if (quint8(a.at(i)) & quint8(b.at(i)))
            return true;
    return false;
}

// The ports a list set to value leaves out: the complement of the value.
QByteArray without(const QByteArray &value, qsizetype size)
{
    QByteArray out(qMax(size, value.size()), char(0xFF));
    for (qsizetype i = 0; i < value.size(); ++i)
        out[i] = char(~quint8(value.at(i)));
    return out;
}

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
    // The IP interface the session's address lives on, and its VLAN: any
    // change of that interface's row (its address, mask, VLAN, state), and
    // any step on that VLAN's row other than ports joining it (ports
    // leaving, a new name the interface no longer finds, its removal). A
    // port's PVID moving away from that VLAN is asked about too.
    for (const CvSnapshotValue *v : values) {
        QString instance;
        if (entryColumn(v->oid, IpInterfaceEntry, &instance) && guard.interfaces.contains(instance))
            return QStringLiteral("it changes the IP interface this session reaches the switch "
                                  "through (%1)")
                .arg(v->row);
        if (entryColumn(v->oid, StaticVlanEntry, &instance)
            && guard.vlans.contains(instance.toInt()) && step.phase != CvRestoreStep::Phase::Join)
            return QStringLiteral("it changes VLAN %1, which this session's address lives on")
                .arg(instance);
    }
    if (step.phase == CvRestoreStep::Phase::Pvid)
        for (const CvJournalObject &o : step.objects)
            if (o.before && o.before->signedNumber()
                && guard.vlans.contains(int(*o.before->signedNumber())))
                return QStringLiteral("it moves a port out of VLAN %1, which this session's "
                                      "address lives on")
                    .arg(*o.before->signedNumber());
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

void GuardManagementInterface(CvRestoreGuard &guard, const CvSnapshot &now, const QString &host)
{
    QHash<QString, QString> address, vlanName; // by interface
    QHash<QString, int> vlanId; // by VLAN name
    for (const CvSnapshotValue &v : now.values) {
        QString instance;
        switch (entryColumn(v.oid, IpInterfaceEntry, &instance)) {
        case 2:
            address.insert(instance, v.raw);
            break;
        case 4:
            vlanName.insert(instance, v.Value().octets().value_or(QByteArray()));
            break;
        default:
            if (entryColumn(v.oid, StaticVlanEntry, &instance) == 1)
                vlanId.insert(v.Value().octets().value_or(QByteArray()), instance.toInt());
        }
    }
    QStringList interfaces;
    for (auto it = address.cbegin(); it != address.cend(); ++it)
        if (it.value() == host)
            interfaces.append(it.key());
    // Reached through an address no interface holds (a relay, a NAT, a
    // tunnel): any interface may carry this session, so all are guarded.
    if (interfaces.isEmpty())
        interfaces = QStringList(address.keyBegin(), address.keyEnd()) + vlanName.keys();
    interfaces.removeDuplicates();
    for (const QString &i : std::as_const(interfaces)) {
        guard.interfaces.append(i);
        if (const auto vid = vlanId.constFind(vlanName.value(i)); vid != vlanId.cend())
            if (!guard.vlans.contains(*vid))
                guard.vlans.append(*vid);
    }
}

// A step left out takes with it the steps that would do harm, or fail,
// without it; the rule is kept narrow and on the safe side:
// - the columns of a row whose creation is left out (the row is not there);
// - a leave that takes a port out of a list when a join that would have put
//   that port into a list of the same table is left out (the port would be
//   left in no VLAN, cut off);
// - a port's PVID set to a VLAN whose creation or join is left out (the
//   VLAN would not hold the port);
// - a leave of a port whose PVID change is left out (the port would leave
//   the VLAN that is still its PVID).
QList<CvLeftOutStep> UnconfirmedSteps(const QList<CvRestoreStep> &steps)
{
    using Phase = CvRestoreStep::Phase;
    QList<CvLeftOutStep> left;
    QList<int> skipped;
    const auto stepName = [&steps](int k) {
        return QStringLiteral("%1, %2").arg(steps.at(k).window, steps.at(k).text);
    };
    for (int i = 0; i < steps.size(); ++i) {
        const CvRestoreStep &s = steps.at(i);
        QString why = s.access;
        for (int k : std::as_const(skipped)) {
            if (!why.isEmpty())
                break;
            const CvRestoreStep &d = steps.at(k);
            const bool sameTable = d.tableOrder == s.tableOrder;
            const auto because = [&](const char *what) {
                return QString::fromLatin1(what)
                    + QStringLiteral(": step %1 is left out (%2)").arg(k + 1).arg(stepName(k));
            };
            if (d.phase == Phase::Create && sameTable && d.instance == s.instance)
                why = because("the row it sets is not made");
            else if (s.phase == Phase::Leave && d.phase == Phase::Join && sameTable
                && !s.objects.isEmpty() && !d.objects.isEmpty() && d.objects.first().before) {
                const CvJournalObject &join = d.objects.first();
                const QByteArray before = portsOf(*join.before);
                QByteArray added = portsOf(join.sent);
                for (qsizetype b = 0; b < added.size(); ++b)
                    added[b]
                        = char(quint8(added.at(b)) & ~quint8(b < before.size() ? before.at(b) : 0));
                if (overlaps(added, without(portsOf(s.objects.first().sent), added.size())))
                    why = because("a port it takes out would join no other VLAN");
            } else if (s.phase == Phase::Pvid
                && (d.phase == Phase::Create || d.phase == Phase::Join) && !d.objects.isEmpty()
                && OidToText(d.objects.first().oid).startsWith(StaticVlanEntry + QLatin1Char('.'))
                && !s.objects.isEmpty() && s.objects.first().sent.signedNumber()
                && QString::number(*s.objects.first().sent.signedNumber()) == d.instance)
                why = because("the port's new VLAN would not hold it");
            else if (s.phase == Phase::Leave && d.phase == Phase::Pvid && !s.objects.isEmpty()) {
                const int port = d.instance.toInt();
                const QByteArray gone = without(portsOf(s.objects.first().sent), 0);
                if (port > 0 && (port - 1) / 8 < gone.size()
                    && (quint8(gone.at((port - 1) / 8)) & (0x80 >> ((port - 1) % 8))))
                    why = because("the port would leave the VLAN that stays its PVID");
            }
        }
        if (why.isEmpty())
            continue;
        skipped.append(i);
        left.append({i, why});
    }
    return left;
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

// RowStatus values (RFC 2579) and the refusal of a change an active row
// cannot take.
constexpr qint32 RowActive = 1;
constexpr qint32 RowNotInService = 2;
constexpr qint32 RowCreateAndGo = 4;
constexpr int InconsistentValueCode = -112;

// The status column of the one row every object of a step lies in, when
// that row is a RowStatus row and the step leaves its status alone;
// nullopt otherwise.
std::optional<CvJournalObject> rowStatusOf(const CvRestoreStep &step)
{
    std::optional<Column> row;
    for (const CvJournalObject &o : step.objects) {
        const std::optional<Column> c = columnOf(OidToText(o.oid));
        if (!c || !c->table->Status() || c->column == c->table->statusColumn)
            return std::nullopt;
        if (row && (row->table != c->table || row->instance != c->instance))
            return std::nullopt;
        row = c;
    }
    if (!row || row->table->createValue != RowCreateAndGo || row->table->activeValue != RowActive)
        return std::nullopt;
    CvJournalObject status;
    status.oid
        = ParseOid(row->table->Status()->oid + QLatin1Char('.') + row->instance).value_or(CvOid());
    status.label = row->table->Status()->label;
    status.instance = step.objects.first().instance;
    return status;
}

// Some agents refuse to change a column of an active row (the transport of
// a target address, for one) and take it once the row is out of service:
// the row is taken out, changed and put back in service, and put back also
// when the change fails. Throws the change's refusal.
void setOutOfService(CvSNMPRequest &request, const CvRestoreStep &step, CvJournalObject status)
{
    status.sent = CvSNMPValue::FromInteger(RowNotInService);
    request.SetObjects({status});
    status.sent = CvSNMPValue::FromInteger(RowActive);
    try {
        request.SetObjects(step.objects);
    } catch (const CvException &) {
        request.SetObjects({status});
        throw;
    }
    request.SetObjects({status});
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
            try {
                request.SetObjects(steps.at(i).objects);
            } catch (const CvException &e) {
                const std::optional<CvJournalObject> status = rowStatusOf(steps.at(i));
                if (e.code() != InconsistentValueCode || !status)
                    throw;
                setOutOfService(request, steps.at(i), *status);
            }
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
