#include "ViewValues.h"

#include "CvValueTexts.h"

namespace {

const QString notAvailable = QStringLiteral("n/a");

QString macText(const QByteArray &octets)
{
    QString text;
    for (qsizetype i = 0; i < octets.size(); ++i) {
        if (i > 0)
            text += QLatin1Char(':');
        text += QStringLiteral("%1").arg(quint8(octets[i]), 2, 16, QLatin1Char('0')).toUpper();
    }
    return text;
}

QString hexText(const QByteArray &octets)
{
    QString text;
    for (qsizetype i = 0; i < octets.size(); ++i) {
        if (i > 0)
            text += QLatin1Char(' ');
        text += QStringLiteral("%1").arg(quint8(octets[i]), 2, 16, QLatin1Char('0')).toUpper();
    }
    return text;
}

// Zero octets at the end (a C string's terminator, as some hosts send
// interface names) end the text, as the text rule does.
bool printable(const QByteArray &octets)
{
    qsizetype end = octets.size();
    while (end > 0 && octets.at(end - 1) == '\0')
        --end;
    for (char c : QByteArrayView(octets).first(end)) {
        const auto u = quint8(c);
        if (u < 0x20 && c != '\t' && c != '\r' && c != '\n')
            return false;
    }
    return true;
}

QString bitsText(const CvIntOption *names, const QByteArray &octets)
{
    QStringList set;
    for (qsizetype bit = 0; bit < octets.size() * 8; ++bit)
        if (quint8(octets[bit / 8]) & (0x80 >> (bit % 8)))
            set << NamedValue(names, bit);
    return set.join(QStringLiteral(", "));
}

} // namespace

QString NamedValue(const CvIntOption *names, qint64 value)
{
    for (const CvIntOption *o = names; o && o->text; ++o)
        if (o->value == value)
            return QLatin1String(o->text);
    return QString::number(value);
}

QString ValueText(const ViewColumn &column, const CvSNMPValue &value)
{
    if (value.isNull() || value.isException())
        return notAvailable;
    const auto number = value.signedNumber();
    const auto octets = value.octets();
    switch (column.kind) {
    case ViewKind::Ticks:
        if (number)
            return TimeTicksText(quint32(*number));
        break;
    case ViewKind::Enum:
        if (number)
            return NamedValue(column.names, *number);
        break;
    case ViewKind::Hundredths:
        if (number)
            return QString::number(double(*number) / 100.0, 'f', 2);
        break;
    case ViewKind::Text:
        if (octets)
            return printable(*octets) ? TextFromChars(*octets) : hexText(*octets);
        break;
    case ViewKind::Octets:
        if (octets)
            return hexText(*octets);
        break;
    case ViewKind::Mac:
        if (octets)
            return octets->size() == 6 ? macText(*octets) : hexText(*octets);
        break;
    case ViewKind::Ip:
        if (octets && octets->size() == 4)
            return DottedQuadText(*octets);
        break;
    case ViewKind::Bits:
        if (octets)
            return bitsText(column.names, *octets);
        break;
    case ViewKind::Oid:
    case ViewKind::Number:
    case ViewKind::Counter:
        break;
    }
    // The value is not of the kind the MIB gives: shown as it came.
    if (const auto oid = value.oid())
        return OidToText(*oid);
    if (const auto u = value.unsignedNumber(); u && value.tag() != CvSNMPValue::Integer)
        return QString::number(*u);
    if (number)
        return QString::number(*number);
    if (octets)
        return printable(*octets) ? TextFromChars(*octets) : hexText(*octets);
    return notAvailable;
}

QVariant SortKey(const ViewColumn &column, const CvSNMPValue &value)
{
    if (value.isNull() || value.isException())
        return {};
    if (column.kind == ViewKind::Enum || column.kind == ViewKind::Text
        || column.kind == ViewKind::Bits)
        return ValueText(column, value);
    if (const auto u = value.unsignedNumber(); u && value.tag() != CvSNMPValue::Integer)
        return QVariant::fromValue<qulonglong>(*u);
    if (const auto n = value.signedNumber())
        return QVariant::fromValue<qlonglong>(*n);
    if (const auto octets = value.octets()) {
        if (value.tag() == CvSNMPValue::IpAddress && octets->size() == 4)
            return QVariant::fromValue<qulonglong>((quint32(quint8((*octets)[0])) << 24)
                | (quint32(quint8((*octets)[1])) << 16) | (quint32(quint8((*octets)[2])) << 8)
                | quint32(quint8((*octets)[3])));
        return ValueText(column, value);
    }
    if (const auto oid = value.oid())
        return OidToText(*oid);
    return {};
}

std::optional<double> CounterRate(
    const CvSNMPValue &before, qint64 beforeMs, const CvSNMPValue &after, qint64 afterMs)
{
    const CvSNMPValue::Tag tag = after.tag();
    if (before.tag() != tag || (tag != CvSNMPValue::Counter32 && tag != CvSNMPValue::Counter64)
        || afterMs <= beforeMs)
        return std::nullopt;
    const quint64 old = before.unsignedNumber().value_or(0);
    const quint64 now = after.unsignedNumber().value_or(0);
    // Unsigned arithmetic wraps at 2^64; a 32-bit counter wraps at 2^32.
    quint64 delta = now - old;
    if (tag == CvSNMPValue::Counter32)
        delta &= 0xFFFFFFFFu;
    return double(delta) * 1000.0 / double(afterMs - beforeMs);
}

QString RateText(double perSecond)
{
    return QString::number(perSecond, 'f', perSecond < 10 ? 2 : (perSecond < 1000 ? 1 : 0));
}

std::optional<QList<ViewIndexValue>> DecodeIndex(
    const ViewIndexPart *parts, const quint32 *arcs, qsizetype count)
{
    QList<ViewIndexValue> values;
    qsizetype at = 0;
    const auto octets = [&](qsizetype n) -> std::optional<QByteArray> {
        if (n < 0 || at + n > count)
            return std::nullopt;
        QByteArray bytes;
        for (qsizetype i = 0; i < n; ++i) {
            if (arcs[at + i] > 255)
                return std::nullopt;
            bytes.append(char(arcs[at + i]));
        }
        at += n;
        return bytes;
    };
    for (const ViewIndexPart *p = parts; p && p->name; ++p) {
        switch (p->kind) {
        case ViewIndexKind::IndexInteger: {
            if (at >= count)
                return std::nullopt;
            const quint32 n = arcs[at++];
            values.append({NamedValue(p->names, n), QVariant::fromValue<qulonglong>(n)});
            break;
        }
        case ViewIndexKind::IndexIp: {
            const auto bytes = octets(4);
            if (!bytes)
                return std::nullopt;
            const quint32 key
                = (arcs[at - 4] << 24) | (arcs[at - 3] << 16) | (arcs[at - 2] << 8) | arcs[at - 1];
            values.append({DottedQuadText(*bytes), QVariant::fromValue<qulonglong>(key)});
            break;
        }
        case ViewIndexKind::IndexMac: {
            const auto bytes = octets(6);
            if (!bytes)
                return std::nullopt;
            values.append({macText(*bytes), macText(*bytes)});
            break;
        }
        case ViewIndexKind::IndexText: {
            if (at >= count)
                return std::nullopt;
            const qsizetype n = arcs[at++];
            const auto bytes = octets(n);
            if (!bytes)
                return std::nullopt;
            const QString text = printable(*bytes) ? TextFromChars(*bytes) : hexText(*bytes);
            values.append({text, text});
            break;
        }
        }
    }
    if (at != count)
        return std::nullopt;
    return values;
}

QString CsvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}
