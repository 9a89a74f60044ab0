#include "CvEditSplit.h"

#include "CvCatalogues.h"
#include "CvDateTime.h"
#include "CvSNMPVar.h"
#include "CvValueTexts.h"

namespace {

const QString nullText = QStringLiteral("(NULL)");

// Edits a syntax needs at least; 0 when the value decides (or any count).
int fixedEdits(qint32 syntax)
{
    switch (syntax) {
    case SyntaxIpAddress:
    case SyntaxNsapAddress:
        return 4;
    case SyntaxTimeTicks:
        return 5;
    case SyntaxMacAddress:
        return 6;
    case SyntaxDateTime:
        return 10;
    case SyntaxBcDateTime:
        return 7;
    default:
        return 0;
    }
}

void needEdits(qsizetype have, qsizetype need)
{
    if (have < need)
        RaiseEngine(EngineCode::TooFewControls);
}

QStringList padded(QStringList pieces, int editCount)
{
    while (pieces.size() < editCount)
        pieces.append(QString());
    return pieces;
}

QStringList hexPieces(const QByteArray &octets)
{
    QStringList pieces;
    for (char o : octets)
        pieces.append(HexText(QByteArray(1, o)));
    return pieces;
}

QString number(qint64 n)
{
    return QString::number(n);
}

} // namespace

std::optional<QStringList> SplitForEdits(qint32 syntax, const QString &raw, int editCount)
{
    if (editCount <= 1)
        return QStringList {raw};
    needEdits(editCount, fixedEdits(syntax));
    const bool isNull = raw == nullText;
    switch (syntax) {
    case SyntaxBitString:
    case SyntaxOctetString:
    case SyntaxOpaque: {
        const QStringList pieces = isNull ? QStringList() : hexPieces(OctetsFromHex(raw));
        needEdits(editCount, pieces.size());
        return padded(pieces, editCount);
    }
    case SyntaxObjectId: {
        QStringList pieces;
        if (!isNull && !raw.isEmpty())
            pieces = QStringView(raw).trimmed().toString().split(QLatin1Char('.'));
        if (!pieces.isEmpty() && pieces.first().isEmpty())
            pieces.removeFirst(); // leading "."
        needEdits(editCount, pieces.size());
        return padded(pieces, editCount);
    }
    case SyntaxIpAddress:
    case SyntaxNsapAddress:
        if (isNull)
            return std::nullopt;
        return padded(raw.split(QLatin1Char('.')).mid(0, 4), editCount);
    case SyntaxTimeTicks: {
        if (isNull)
            return std::nullopt;
        const quint32 t = ParseTimeTicks(raw);
        const quint32 rest = t % 8640000;
        return padded({number(t / 8640000), number(rest / 360000), number(rest % 360000 / 6000),
                          number(rest % 6000 / 100), number(rest % 100)},
            editCount);
    }
    case SyntaxMacAddress:
        if (isNull)
            return std::nullopt;
        return padded(hexPieces(OctetsFromHex(raw).left(6)), editCount);
    case SyntaxDateTime: {
        if (isNull)
            return std::nullopt;
        const CvDateTime dt(raw);
        return padded(
            {number(dt.year), number(dt.month), number(dt.day), number(dt.hour), number(dt.minutes),
                number(dt.seconds), number(dt.deciSeconds), QString(QLatin1Char(dt.direction)),
                number(dt.utcHours), number(dt.utcMinutes)},
            editCount);
    }
    case SyntaxBcDateTime: {
        const auto days = isNull ? std::nullopt : DaysFromText(raw);
        const auto f = days ? FieldsFromDays(*days) : std::nullopt;
        if (!f)
            return std::nullopt;
        return padded({number(f->year), number(f->month), number(f->day), number(f->hour),
                          number(f->minute), number(f->second), number(f->millisecond)},
            editCount);
    }
    default:
        return QStringList {raw};
    }
}

QString JoinEdits(qint32 syntax, const QStringList &edits)
{
    if (edits.size() == 1)
        return edits.first();
    needEdits(edits.size(), std::max(1, fixedEdits(syntax)));
    auto num = [&](int k) { return LeadingUInt32(edits.at(k)); };
    switch (syntax) {
    case SyntaxBitString:
    case SyntaxOctetString:
    case SyntaxOpaque:
    case SyntaxMacAddress: {
        QString hex;
        for (const QString &e : edits)
            hex += e.isEmpty() ? QStringLiteral("00") : e.size() == 1 ? QLatin1Char('0') + e : e;
        return hex;
    }
    case SyntaxObjectId: {
        QStringList arcs;
        for (const QString &e : edits) {
            if (!e.trimmed().isEmpty())
                arcs.append(QString::number(LeadingUInt32(e)));
        }
        return arcs.join(QLatin1Char('.'));
    }
    case SyntaxIpAddress:
    case SyntaxNsapAddress:
        return QStringLiteral("%1.%2.%3.%4").arg(num(0)).arg(num(1)).arg(num(2)).arg(num(3));
    case SyntaxTimeTicks: {
        const quint64 t = quint64(num(0)) * 8640000 + quint64(num(1)) * 360000
            + quint64(num(2)) * 6000 + quint64(num(3)) * 100 + num(4);
        return TimeTicksText(quint32(std::min<quint64>(t, 0xFFFFFFFFu)));
    }
    case SyntaxDateTime: {
        CvDateTime dt;
        dt.year = quint16(num(0));
        dt.month = quint8(num(1));
        dt.day = quint8(num(2));
        dt.hour = quint8(num(3));
        dt.minutes = quint8(num(4));
        dt.seconds = quint8(num(5));
        dt.deciSeconds = quint8(num(6));
        dt.direction = edits.at(7).isEmpty() ? '+' : edits.at(7).at(0).toLatin1();
        dt.utcHours = quint8(num(8));
        dt.utcMinutes = quint8(num(9));
        return dt.ToText();
    }
    case SyntaxBcDateTime: {
        auto field = [&](int k) { return int(std::min<quint32>(num(k), 100000)); };
        const auto days
            = DaysFromFields(field(0), field(1), field(2), field(3), field(4), field(5), field(6));
        if (!days)
            RaiseEngine(EngineCode::BadPartialValue);
        return *DaysText(*days);
    }
    default:
        return edits.first();
    }
}
