#include "CvSnapshotCompare.h"

#include "CvSnapshotObjects.h"
#include "PortListText.h"

#include <QHash>
#include <QSet>

namespace {

QByteArray octetsOf(const CvSnapshotValue &v)
{
    return v.Value().octets().value_or(QByteArray());
}

// The ports one list holds and the other does not.
QByteArray minus(const QByteArray &a, const QByteArray &b)
{
    QByteArray out(a.size(), '\0');
    for (qsizetype i = 0; i < a.size(); ++i)
        out[i] = char(quint8(a.at(i)) & ~(i < b.size() ? quint8(b.at(i)) : 0));
    return out;
}

bool isPortList(const CvSnapshotValue &v)
{
    const CvSnapshotTable *t = nullptr;
    int c = 0;
    QString instance;
    return FindSnapshotColumn(v.oid, &t, &c, &instance) && t->columns.at(c).portList;
}

// The row of a table with a status column an object belongs to:
// "table order|instance"; empty for a scalar or a table without one.
QString rowKey(const CvSnapshotValue &v, int *statusColumn)
{
    const CvSnapshotTable *t = nullptr;
    int c = 0;
    QString instance;
    if (!FindSnapshotColumn(v.oid, &t, &c, &instance) || t->statusColumn < 0)
        return {};
    *statusColumn = t->statusColumn;
    return QString::number(t->order) + QLatin1Char('|') + instance;
}

} // namespace

QString CvSnapshotDifference::Text() const
{
    const CvSnapshotValue &v = Any();
    const QString where = v.row.isEmpty() ? QString() : v.row + QStringLiteral(": ");
    if (wholeRow) {
        const QString row = v.row.isEmpty() ? v.instance : v.row;
        return QStringLiteral("row '%1' %2")
            .arg(row, kind == Kind::Added ? QStringLiteral("added") : QStringLiteral("removed"));
    }
    if (kind == Kind::Added)
        return where + QStringLiteral("%1 %2 added").arg(v.label, v.words);
    if (kind == Kind::Removed)
        return where + QStringLiteral("%1 %2 removed").arg(v.label, v.words);
    if (isPortList(*saved)) {
        const QByteArray a = octetsOf(*saved);
        const QByteArray b = octetsOf(*now);
        const QString added = PortListInWords(minus(b, a), PortShown());
        const QString removed = PortListInWords(minus(a, b), PortShown());
        QStringList parts;
        if (!added.isEmpty())
            parts << QStringLiteral("%1 %2 added").arg(v.label, added);
        if (!removed.isEmpty())
            parts << QStringLiteral("%1 %2 removed").arg(v.label, removed);
        return where + parts.join(QStringLiteral("; "));
    }
    return where + QStringLiteral("%1 %2, was %3").arg(v.label, now->words, saved->words);
}

QStringList CvSnapshotComparison::Lines() const
{
    QStringList lines;
    QString window;
    for (const CvSnapshotDifference &d : differences) {
        if (d.Window() != window) {
            window = d.Window();
            lines << window;
        }
        lines << QStringLiteral("  ") + d.Text();
    }
    return lines;
}

CvSnapshotComparison CompareSnapshots(const CvSnapshot &saved, const CvSnapshot &now)
{
    QHash<QString, const CvSnapshotValue *> before;
    QHash<QString, const CvSnapshotValue *> after;
    for (const CvSnapshotValue &v : saved.values)
        before.insert(v.oid, &v);
    for (const CvSnapshotValue &v : now.values)
        after.insert(v.oid, &v);

    // The rows of status-column tables only one side holds.
    QSet<QString> rowsBefore;
    QSet<QString> rowsAfter;
    int status = -1;
    for (const CvSnapshotValue &v : saved.values)
        if (const QString k = rowKey(v, &status); !k.isEmpty())
            rowsBefore.insert(k);
    for (const CvSnapshotValue &v : now.values)
        if (const QString k = rowKey(v, &status); !k.isEmpty())
            rowsAfter.insert(k);

    CvSnapshot merged;
    for (const CvSnapshotValue &v : saved.values)
        merged.values.append(v);
    for (const CvSnapshotValue &v : now.values)
        if (!before.contains(v.oid))
            merged.values.append(v);
    merged.Sort();

    CvSnapshotComparison out;
    for (const CvSnapshotValue &v : merged.values) {
        const CvSnapshotValue *a = before.value(v.oid);
        const CvSnapshotValue *b = after.value(v.oid);
        if (a && b && a->raw == b->raw && a->syntax == b->syntax)
            continue;
        CvSnapshotDifference d;
        d.oid = v.oid;
        if (a)
            d.saved = *a;
        if (b)
            d.now = *b;
        d.kind = a && b ? CvSnapshotDifference::Kind::Changed
            : a         ? CvSnapshotDifference::Kind::Removed
                        : CvSnapshotDifference::Kind::Added;
        int statusColumn = -1;
        const QString key = rowKey(v, &statusColumn);
        if (!key.isEmpty() && d.kind != CvSnapshotDifference::Kind::Changed
            && rowsBefore.contains(key) != rowsAfter.contains(key)) {
            // One difference stands for the row: its status column's, or
            // the first column's when the status was not read.
            if (v.column != statusColumn) {
                bool statusThere = false;
                const CvSnapshot &side = a ? saved : now;
                for (const CvSnapshotValue &w : side.values)
                    if (w.tableOrder == v.tableOrder && w.instance == v.instance
                        && w.column == statusColumn)
                        statusThere = true;
                if (statusThere)
                    continue;
                bool first = true;
                for (const CvSnapshotValue &w : side.values)
                    if (w.tableOrder == v.tableOrder && w.instance == v.instance
                        && w.column < v.column)
                        first = false;
                if (!first)
                    continue;
            }
            d.wholeRow = true;
            for (const CvSnapshotValue &w : (a ? saved : now).values)
                if (w.tableOrder == v.tableOrder && w.instance == v.instance)
                    d.rowValues.append(w);
        }
        out.differences.append(std::move(d));
    }
    return out;
}
