#include "CvJournalRows.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

QString csvCell(QString cell)
{
    // A leading =, +, - or @ starts a formula in a spreadsheet; a value
    // from the switch must stay text. A negative number stays a number.
    static const QString formulaStarts = QStringLiteral("=+-@");
    bool number = false;
    cell.toDouble(&number);
    if (!cell.isEmpty() && formulaStarts.contains(cell.front()) && !number)
        cell.prepend(QLatin1Char('\''));
    if (cell.contains(QLatin1Char(',')) || cell.contains(QLatin1Char('"'))
        || cell.contains(QLatin1Char('\n')) || cell.contains(QLatin1Char('\r')))
        cell = QLatin1Char('"') + cell.replace(QLatin1Char('"'), QStringLiteral("\"\""))
            + QLatin1Char('"');
    return cell;
}

QString tsvCell(QString cell)
{
    return cell.replace(QLatin1Char('\t'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '))
        .replace(QLatin1Char('\r'), QLatin1Char(' '));
}

} // namespace

QString JournalTime(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString JournalWindow(const CvJournalEntry &entry)
{
    return entry.undoOf ? QStringLiteral("Undo: ") + entry.window : entry.window;
}

QList<CvJournalRow> JournalRows(const CvJournalEntry &entry)
{
    QList<CvJournalRow> rows;
    const QString time = JournalTime(entry.time);
    const QString window = JournalWindow(entry);
    const QString agent = entry.target.Agent();
    for (const CvJournalObject *o : entry.Objects())
        rows.append(
            {entry.id, time, window, agent, o->Name(), o->BeforeText(), o->AfterText(), o->result});
    return rows;
}

QList<CvJournalRow> JournalRows(const QList<CvJournalEntry> &entries)
{
    QList<CvJournalRow> rows;
    for (auto it = entries.crbegin(); it != entries.crend(); ++it)
        rows += JournalRows(*it);
    return rows;
}

QStringList JournalColumns()
{
    return {QStringLiteral("Time"), QStringLiteral("Window"), QStringLiteral("Object"),
        QStringLiteral("Before"), QStringLiteral("After"), QStringLiteral("Result")};
}

QString JournalTsv(const QList<CvJournalRow> &rows)
{
    QStringList lines {JournalColumns().join(QLatin1Char('\t'))};
    for (const CvJournalRow &row : rows) {
        QStringList cells = row.Cells();
        std::transform(cells.begin(), cells.end(), cells.begin(), tsvCell);
        lines.append(cells.join(QLatin1Char('\t')));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QByteArray JournalCsv(const QList<CvJournalRow> &rows)
{
    QStringList header = JournalColumns();
    header.insert(2, QStringLiteral("Agent"));
    QStringList lines {header.join(QLatin1Char(','))};
    for (const CvJournalRow &row : rows) {
        const QStringList cells {
            row.time, row.window, row.agent, row.object, row.before, row.after, row.result};
        QStringList quoted;
        for (const QString &cell : cells)
            quoted.append(csvCell(cell));
        lines.append(quoted.join(QLatin1Char(',')));
    }
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QByteArray JournalJson(const QList<CvJournalEntry> &entries)
{
    QJsonArray list;
    for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
        const CvJournalEntry &entry = *it;
        QJsonArray objects;
        for (const CvJournalObject *o : entry.Objects())
            objects.append(QJsonObject {{QStringLiteral("object"), o->Name()},
                {QStringLiteral("oid"), OidToText(o->oid)},
                {QStringLiteral("before"), o->BeforeText()},
                {QStringLiteral("after"), o->AfterText()}, {QStringLiteral("result"), o->result}});
        QJsonObject e {{QStringLiteral("id"), entry.id},
            {QStringLiteral("time"), entry.time.toString(Qt::ISODate)},
            {QStringLiteral("window"), entry.window},
            {QStringLiteral("agent"), entry.target.Agent()}, {QStringLiteral("objects"), objects}};
        if (entry.undoOf)
            e.insert(QStringLiteral("undoes"), entry.undoOf);
        list.append(e);
    }
    return QJsonDocument(list).toJson(QJsonDocument::Indented);
}
