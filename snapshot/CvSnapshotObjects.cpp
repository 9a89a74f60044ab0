#include "CvSnapshotObjects.h"

#include "CvFormDescriptor.h"
#include "HandLaidTables.h"

#include <QRegularExpression>
#include <QSet>

#include <optional>

namespace {

// Captions that name a secret: a community, a key, a pass phrase, a password.
// A numbered key ("Key ID"), a key's file name and switches that turn a key
// on are not secrets; neither is anything that is not text.
bool isSecret(const CvSNMPVar &v)
{
    if (v.syntax != SyntaxDisplayString && v.syntax != SyntaxOctetString)
        return false;
    static const QRegularExpression secret(
        QStringLiteral("community|key|pass ?phrase|password|secret"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression notSecret(
        QStringLiteral("key ?id|file|securityname|tx"), QRegularExpression::CaseInsensitiveOption);
    const QString label = QString::fromUtf8(v.label);
    return label.contains(secret) && !label.contains(notSecret);
}

bool isPortList(const CvSNMPVar &v)
{
    const QString label = QString::fromUtf8(v.label);
    if (v.syntax == SyntaxBitString)
        return label.contains(QLatin1String("port"), Qt::CaseInsensitive)
            || label.contains(QLatin1String("member"), Qt::CaseInsensitive);
    return v.syntax == SyntaxOctetString
        && label.contains(QLatin1String("ports"), Qt::CaseInsensitive);
}

bool isWritable(const CvSNMPVar &v)
{
    const qint32 a = v.access & 0xff;
    return (a & AccessInvalid) == 0 && (a & AccessWriteOnly) != 0 && (a & AccessReadOnly) != 0;
}

// A command rather than a setting: an integer whose choices are a resting
// value ("other", "running", "notDownloading") and commands ("save-config",
// "start", "load", "warmBoot", "downloadToRAM"). Writing it makes the switch
// do something (save, reboot, download, flush); reading it back shows the
// resting value, so it is neither saved nor restored.
bool isAction(const CvSNMPVar &v)
{
    if (!v.options || v.options->Count() < 2)
        return false;
    static const QRegularExpression resting(
        QStringLiteral("^(other|none|no-?action|noop|idle|running|not[A-Z-]\\w*)$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression command(
        QStringLiteral("^(save|start|load|reboot|reset|restart|warm-?boot|cold-?boot|download|"
                       "upload|clear|flush|apply|factory|execute|run|trigger|reinit)"),
        QRegularExpression::CaseInsensitiveOption);
    int resters = 0;
    for (int k = 0; k < v.options->Count(); ++k) {
        const QString text = v.options->Item(k).text;
        if (text.contains(resting))
            ++resters;
        else if (!text.contains(command))
            return false;
    }
    return resters == 1;
}

std::optional<qint32> optionValue(const CvOptionList *options, const char *text)
{
    if (!options)
        return std::nullopt;
    for (int k = 0; k < options->Count(); ++k)
        if (options->Item(k).text.compare(QLatin1String(text), Qt::CaseInsensitive) == 0)
            return options->Item(k).value.toInt();
    return std::nullopt;
}

// The row lifecycle column, found as the engine finds it for a window.
void findStatus(CvSnapshotTable &t)
{
    if (t.IsScalar())
        return;
    for (int c = 0; c < t.columns.size(); ++c) {
        const CvOptionList *o = t.columns.at(c).options;
        const auto go = optionValue(o, "createAndGo");
        const auto destroy = optionValue(o, "destroy");
        const auto valid = optionValue(o, "valid");
        const auto invalid = optionValue(o, "invalid");
        if (go && destroy) {
            t.statusColumn = c;
            t.createValue = *go;
            t.removeValue = *destroy;
            t.activeValue = optionValue(o, "active").value_or(optionValue(o, "enable").value_or(1));
            return;
        }
        if (valid && invalid) {
            t.statusColumn = c;
            t.createValue = *valid;
            t.removeValue = *invalid;
            t.activeValue = *valid;
            return;
        }
    }
}

void add(QList<CvSnapshotTable> &tables, QSet<QString> &seen, const QString &menuPath,
    const CvSNMPVar *vars, quint8 kind, qint32 indexCount, bool secretRows)
{
    if (menuPath.isEmpty() || !vars)
        return;
    CvSnapshotTable t;
    t.menuPath = menuPath;
    t.variables = vars;
    // A one-row editor of a table is read as the table it edits.
    t.listKind = kind == MVT_SV ? quint8(MVT_FMV) : kind;
    t.indexCount = t.IsScalar() ? 0 : qMax(0, indexCount);
    t.secretRows = secretRows;
    for (int i = 0; vars[i].oid; ++i) {
        const CvSNMPVar &v = vars[i];
        if (i < t.indexCount || !isWritable(v) || isAction(v) || v.getExpression || v.setExpression)
            continue;
        const QString oid = QString::fromLatin1(v.oid);
        if (seen.contains(oid))
            continue;
        seen.insert(oid);
        t.columns.append({i, oid, QString::fromUtf8(v.label).trimmed(), v.syntax, v.options,
            isSecret(v), isPortList(v)});
    }
    if (t.columns.isEmpty())
        return;
    findStatus(t);
    t.order = int(tables.size());
    tables.append(std::move(t));
}

QList<CvSnapshotTable> build()
{
    QList<CvSnapshotTable> tables;
    QSet<QString> seen;
    for (const CvFormDescriptor *d : AllFormDescriptors())
        add(tables, seen, QString::fromUtf8(d->menuPath), d->variables, d->listKind, d->indexCount,
            false);
    for (const CvHandLaidTable *h = HandLaidTables; h->windowClass; ++h)
        add(tables, seen, MenuPathOfWindow(QString::fromLatin1(h->windowClass)), h->variables,
            h->listKind, h->indexCount, h->secretRows);
    return tables;
}

} // namespace

const QList<CvSnapshotTable> &SnapshotTables()
{
    static const QList<CvSnapshotTable> tables = build();
    return tables;
}

bool FindSnapshotColumn(
    const QString &oid, const CvSnapshotTable **table, int *column, QString *instance)
{
    for (const CvSnapshotTable &t : SnapshotTables())
        for (int c = 0; c < t.columns.size(); ++c) {
            const QString &prefix = t.columns.at(c).oid;
            if (oid.size() > prefix.size() + 1 && oid.startsWith(prefix)
                && oid.at(prefix.size()) == QLatin1Char('.')) {
                *table = &t;
                *column = c;
                *instance = oid.mid(prefix.size() + 1);
                return true;
            }
        }
    return false;
}

QString SyntaxKeyword(qint32 syntax)
{
    return SyntaxKeywords().ValueToText(QString::number(syntax));
}

qint32 SyntaxOfKeyword(const QString &keyword)
{
    const int k = SyntaxKeywords().IndexOfText(keyword);
    return k < 0 ? 0 : SyntaxKeywords().Item(k).value.toInt();
}
