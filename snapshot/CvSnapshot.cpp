#include "CvSnapshot.h"

#include "CvIndexCodec.h"
#include "CvSNMPVarList.h"
#include "CvSnapshotObjects.h"
#include "CvValueCodec.h"
#include "PortListText.h"

#include <algorithm>

namespace {

constexpr QLatin1String Separator(" | ");

// The machine part of a line holds no '|' and no line break.
QString escaped(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (c == QLatin1Char('|'))
            out += QLatin1String("\\v");
        else
            out += c;
    }
    return out;
}

QString unescaped(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\\') || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const QChar n = text.at(++i);
        out += n == QLatin1Char('n') ? QChar('\n')
            : n == QLatin1Char('r')  ? QChar('\r')
            : n == QLatin1Char('v')  ? QChar('|')
                                     : n;
    }
    return out;
}

// The words part shows on one line too.
QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char(' '))
        .replace(QLatin1Char('\r'), QLatin1Char(' '));
}

bool instanceLess(const QString &a, const QString &b)
{
    const QStringList x = a.split(QLatin1Char('.'));
    const QStringList y = b.split(QLatin1Char('.'));
    for (qsizetype i = 0; i < x.size() && i < y.size(); ++i) {
        const qulonglong p = x.at(i).toULongLong();
        const qulonglong q = y.at(i).toULongLong();
        if (p != q)
            return p < q;
    }
    return x.size() < y.size();
}

// "VLAN ID 30, Port 5": the index values of the row in the window's text.
QString rowWords(const CvSnapshotTable &t, const QString &instance)
{
    if (t.indexCount == 0)
        return QStringLiteral("row %1").arg(instance);
    CvSNMPVarList list(t.variables, t.listKind, t.indexCount);
    QStringList words;
    QString rest = instance;
    try {
        for (int k = 0; k < t.indexCount && k < list.Count(); ++k) {
            rest = DecodeIndex(list, k, rest);
            words.append(list.Var(k).label.trimmed() + QLatin1Char(' ')
                + DisplayValue(list.Var(k), list.Var(k).value));
        }
    } catch (...) {
        return QStringLiteral("row %1").arg(instance);
    }
    if (!rest.isEmpty())
        return QStringLiteral("row %1").arg(instance);
    return words.join(QStringLiteral(", "));
}

} // namespace

CvSNMPValue CvSnapshotValue::Value() const
{
    return ValueFromText(syntax, raw);
}

void DescribeSnapshotValue(CvSnapshotValue &v)
{
    const CvSnapshotTable *t = nullptr;
    int c = 0;
    QString instance;
    if (!FindSnapshotColumn(v.oid, &t, &c, &instance)) {
        v.tableOrder = int(SnapshotTables().size());
        v.instance = v.oid;
        if (v.words.isEmpty())
            v.words = v.raw;
        return;
    }
    const CvSnapshotColumn &col = t->columns.at(c);
    v.tableOrder = t->order;
    v.column = c;
    v.instance = instance;
    v.menuPath = t->menuPath;
    v.label = col.label;
    v.row = t->IsScalar() ? QString() : rowWords(*t, instance);
    if (col.portList) {
        v.words = PortListInWords(v.Value());
    } else if (col.options) {
        CvSNMPVariable var;
        var.syntax = col.syntax;
        var.options = col.options;
        v.words = DisplayValue(var, v.raw);
    } else {
        v.words = v.raw;
    }
}

void CvSnapshot::Sort()
{
    std::stable_sort(
        values.begin(), values.end(), [](const CvSnapshotValue &a, const CvSnapshotValue &b) {
            if (a.tableOrder != b.tableOrder)
                return a.tableOrder < b.tableOrder;
            if (a.instance != b.instance)
                return instanceLess(a.instance, b.instance);
            return a.column < b.column;
        });
}

const CvSnapshotValue *CvSnapshot::Find(const QString &oid) const
{
    for (const CvSnapshotValue &v : values)
        if (v.oid == oid)
            return &v;
    return nullptr;
}

QByteArray CvSnapshot::ToText() const
{
    QStringList lines;
    lines << QStringLiteral("# Saved settings of a TRV-8170QL stack");
    lines << QStringLiteral("# time: %1").arg(time);
    lines << QStringLiteral("# agent: %1").arg(agent);
    lines << QStringLiteral("# sysName: %1").arg(oneLine(sysName));
    lines << QStringLiteral("# sysObjectID: %1").arg(sysObjectId);
    for (const QString &unit : units)
        lines << QStringLiteral("# unit: %1").arg(oneLine(unit));
    lines << QStringLiteral("# module version: %1").arg(version);
    lines << (secrets ? QStringLiteral("# secrets: included (communities, keys, pass phrases and "
                                       "passwords); keep this file for yourself alone")
                      : QStringLiteral("# secrets: left out"));
    for (const QString &path : absentTables)
        lines << QStringLiteral("# not held by the agent: %1").arg(path);
    lines << QStringLiteral("# window | row | column = value | OID type value");
    for (const CvSnapshotValue &v : values) {
        QString words = v.menuPath;
        if (!v.row.isEmpty())
            words += Separator + oneLine(v.row);
        words += Separator + v.label + QStringLiteral(" = ") + oneLine(v.words);
        lines << words + Separator + v.oid + QLatin1Char(' ') + SyntaxKeyword(v.syntax)
                + QLatin1Char(' ') + escaped(v.raw);
    }
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

std::optional<CvSnapshot> CvSnapshot::FromText(const QByteArray &text, QString *error)
{
    CvSnapshot s;
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    int number = 0;
    for (const QString &line : lines) {
        ++number;
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('#'))) {
            const QString body = line.mid(1).trimmed();
            const auto field = [&](const char *key) -> std::optional<QString> {
                const QString k = QLatin1String(key) + QStringLiteral(": ");
                if (body.startsWith(k))
                    return body.mid(k.size());
                return std::nullopt;
            };
            if (auto f = field("time"))
                s.time = *f;
            else if (auto f = field("agent"))
                s.agent = *f;
            else if (auto f = field("sysName"))
                s.sysName = *f;
            else if (auto f = field("sysObjectID"))
                s.sysObjectId = *f;
            else if (auto f = field("unit"))
                s.units.append(*f);
            else if (auto f = field("module version"))
                s.version = *f;
            else if (auto f = field("secrets"))
                s.secrets = f->startsWith(QLatin1String("included"));
            else if (auto f = field("not held by the agent"))
                s.absentTables.append(*f);
            continue;
        }
        const qsizetype bar = line.lastIndexOf(Separator);
        const QString machine = line.mid(bar < 0 ? 0 : bar + Separator.size());
        const qsizetype sp1 = machine.indexOf(QLatin1Char(' '));
        const qsizetype sp2 = sp1 < 0 ? -1 : machine.indexOf(QLatin1Char(' '), sp1 + 1);
        CvSnapshotValue v;
        v.oid = machine.left(sp1);
        v.syntax
            = sp1 < 0 ? 0 : SyntaxOfKeyword(machine.mid(sp1 + 1, sp2 < 0 ? -1 : sp2 - sp1 - 1));
        v.raw = sp2 < 0 ? QString() : unescaped(machine.mid(sp2 + 1));
        if (bar < 0 || v.syntax == 0 || !ParseOid(v.oid)) {
            if (error)
                *error = QStringLiteral("line %1 is not a saved value: %2")
                             .arg(number)
                             .arg(line.left(80));
            return std::nullopt;
        }
        DescribeSnapshotValue(v);
        s.values.append(std::move(v));
    }
    s.Sort();
    return s;
}

QString SnapshotModuleVersion()
{
    return QStringLiteral(TRV_VERSION);
}
