#include "CvPartialData.h"

#include "CvCatalogues.h"
#include "CvDateTime.h"
#include "CvNumList.h"
#include "CvSNMPValue.h"
#include "CvValueCodec.h"
#include "CvValueTexts.h"

#include <QtEndian>

#include <algorithm>
#include <limits>

namespace {

const QString nullText = QStringLiteral("(NULL)");

// No SNMP octet string is longer; a part or bit beyond it is out of range
// rather than a reason to allocate gigabytes.
constexpr qsizetype MaxOctets = 65535;

template <typename T> QByteArray littleEndian(T value)
{
    QByteArray o(sizeof(T), '\0');
    qToLittleEndian(value, o.data());
    return o;
}

template <typename T> QByteArray bigEndian(T value)
{
    QByteArray o(sizeof(T), '\0');
    qToBigEndian(value, o.data());
    return o;
}

template <typename T> T saturate(qint64 v)
{
    return T(std::clamp<qint64>(v, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

bool isTrue(const QString &raw)
{
    return raw == QLatin1String("true");
}

QString truth(bool on)
{
    return QString::fromLatin1(on ? "true" : "false");
}

bool isVariableLength(qint32 syntax)
{
    return PartWidth(syntax) == VariableWidth;
}

} // namespace

int PartWidth(qint32 syntax)
{
    switch (syntax) {
    case SyntaxBoolean:
    case SyntaxInteger:
    case SyntaxIpAddress:
    case SyntaxCounter:
    case SyntaxGauge:
    case SyntaxTimeTicks:
    case SyntaxNsapAddress:
    case SyntaxUInteger:
        return 4;
    case SyntaxCounter64:
    case SyntaxDouble:
    case SyntaxBcDateTime:
        return 8;
    case SyntaxMacAddress:
        return 6;
    case SyntaxDateTime:
        return CvDateTime::OctetCount;
    case SyntaxBool8:
    case SyntaxInt8:
    case SyntaxUInt8:
        return 1;
    case SyntaxBool16:
    case SyntaxInt16:
    case SyntaxUInt16:
        return 2;
    case SyntaxNull:
        return 0;
    case SyntaxBitString:
    case SyntaxOctetString:
    case SyntaxObjectId:
    case SyntaxOpaque:
    case SyntaxDisplayString:
        return VariableWidth;
    default:
        RaiseEngine(EngineCode::BadSyntax);
    }
}

QByteArray OctetsOfText(qint32 syntax, const QString &raw)
{
    PartWidth(syntax); // -511 for an unknown code
    if (raw == nullText)
        return QByteArray();
    switch (syntax) {
    case SyntaxBoolean:
        return littleEndian<qint32>(isTrue(raw) ? 1 : 0);
    case SyntaxInteger:
        return littleEndian<qint32>(LeadingInt32(raw));
    case SyntaxCounter:
    case SyntaxGauge:
    case SyntaxUInteger:
        return littleEndian<quint32>(LeadingUInt32(raw));
    case SyntaxTimeTicks:
        return littleEndian<quint32>(ParseTimeTicks(raw));
    case SyntaxIpAddress:
    case SyntaxNsapAddress:
        return raw.isEmpty() ? QByteArray(4, '\0') : IpAddressOctets(raw);
    case SyntaxCounter64:
        return littleEndian<quint64>(LeadingUInt64(raw));
    case SyntaxDouble:
        return DoubleOctets(ParseReal(raw));
    case SyntaxBcDateTime:
        if (auto days = DaysFromText(raw))
            return DoubleOctets(*days);
        RaiseEngine(EngineCode::BadPartialValue);
    case SyntaxDateTime:
        return CvDateTime(raw).ToOctets();
    case SyntaxBool8:
        return QByteArray(1, isTrue(raw) ? 1 : 0);
    case SyntaxInt8:
        return QByteArray(1, char(saturate<qint8>(LeadingInt32(raw))));
    case SyntaxUInt8:
        return QByteArray(1, char(saturate<quint8>(LeadingUInt32(raw))));
    case SyntaxBool16:
        return bigEndian<quint16>(isTrue(raw) ? 1 : 0);
    case SyntaxInt16:
        return bigEndian<qint16>(saturate<qint16>(LeadingInt32(raw)));
    case SyntaxUInt16:
        return bigEndian<quint16>(saturate<quint16>(LeadingUInt32(raw)));
    case SyntaxBitString:
    case SyntaxOctetString:
    case SyntaxOpaque:
    case SyntaxMacAddress:
        return OctetsFromHex(raw);
    case SyntaxObjectId: {
        const auto oid = ParseOid(QStringView(raw).trimmed());
        if (!oid)
            RaiseEngine(EngineCode::BadSyntax);
        QByteArray o;
        for (quint32 arc : *oid)
            o += littleEndian<quint32>(arc);
        return o;
    }
    case SyntaxDisplayString:
        return CharOctets(raw);
    default: // SyntaxNull
        return QByteArray();
    }
}

QString TextOfOctets(qint32 syntax, const QByteArray &o)
{
    const int width = PartWidth(syntax);
    if (o.isEmpty())
        return syntax == SyntaxDisplayString ? QString() : nullText;
    if (width > 0 && o.size() < width)
        RaiseEngine(EngineCode::BadPartialValue);
    const char *d = o.constData();
    switch (syntax) {
    case SyntaxBoolean:
        return truth(qFromLittleEndian<qint32>(d) != 0);
    case SyntaxInteger:
        return QString::number(qFromLittleEndian<qint32>(d));
    case SyntaxCounter:
    case SyntaxGauge:
    case SyntaxUInteger:
        return QString::number(qFromLittleEndian<quint32>(d));
    case SyntaxTimeTicks:
        return TimeTicksText(qFromLittleEndian<quint32>(d));
    case SyntaxIpAddress:
    case SyntaxNsapAddress:
        return DottedQuadText(o.left(4));
    case SyntaxCounter64:
        return QString::number(qFromLittleEndian<quint64>(d));
    case SyntaxDouble:
        return RealText(*DoubleFromOctets(o));
    case SyntaxBcDateTime:
        return DaysText(*DoubleFromOctets(o)).value_or(nullText);
    case SyntaxMacAddress:
        return HexText(o.left(6));
    case SyntaxDateTime: {
        CvDateTime dt;
        dt.FromOctets(o);
        return dt.ToText();
    }
    case SyntaxBool8:
        return truth(o.at(0) != 0);
    case SyntaxInt8:
        return QString::number(qint8(o.at(0)));
    case SyntaxUInt8:
        return QString::number(quint8(o.at(0)));
    case SyntaxBool16:
        return truth(qFromBigEndian<quint16>(d) != 0);
    case SyntaxInt16:
        return QString::number(qFromBigEndian<qint16>(d));
    case SyntaxUInt16:
        return QString::number(qFromBigEndian<quint16>(d));
    case SyntaxBitString:
    case SyntaxOctetString:
    case SyntaxOpaque:
        return HexText(o);
    case SyntaxObjectId: {
        if (o.size() % 4)
            RaiseEngine(EngineCode::BadPartialValue);
        CvOid oid;
        for (qsizetype k = 0; k < o.size(); k += 4)
            oid.append(qFromLittleEndian<quint32>(d + k));
        return OidToText(oid);
    }
    case SyntaxDisplayString:
        return TextFromChars(o);
    default: // SyntaxNull
        return nullText;
    }
}

QString PartText(
    const CvSNMPVarList &list, int i, int offset, qint32 subSyntax, const CvOptionList *options)
{
    const CvSNMPVariable &var = list.Var(i);
    const QString raw = RawValue(var);
    if (offset == 0 && subSyntax == var.syntax) {
        const CvOptionList *map = options ? options : var.options;
        return map ? map->ValueToText(raw) : raw;
    }
    const QByteArray w = OctetsOfText(var.syntax, raw);
    const int width = PartWidth(subSyntax);
    QByteArray part;
    if (!w.isEmpty()) {
        if (offset < 0 || offset > w.size()
            || (width != VariableWidth && w.size() - offset < width))
            RaiseEngine(EngineCode::PartialOutOfRange);
        part = width == VariableWidth ? w.mid(offset) : w.mid(offset, width);
    }
    const QString text = TextOfOctets(subSyntax, part);
    return options ? options->ValueToText(text) : text;
}

void MergeParts(CvSNMPVarList &list, int i, const QList<CvValuePart> &parts)
{
    CvSNMPVariable &var = list.Var(i);
    QByteArray w;
    if (var.syntax != SyntaxDisplayString)
        w = OctetsOfText(var.syntax, RawValue(var));
    for (const CvValuePart &part : parts) {
        if (part.offset < 0)
            RaiseEngine(EngineCode::PartialOutOfRange);
        QByteArray p;
        if (!part.bitNumbers.isEmpty()) {
            for (qsizetype k = 0; k < part.bitNumbers.size(); ++k)
                SetBit(p, part.bitNumbers.at(k), k < part.bits.size() && part.bits.at(k));
        } else {
            const bool whole = part.offset == 0 && part.subSyntax == var.syntax;
            const CvOptionList *map = part.options ? part.options : whole ? var.options : nullptr;
            p = OctetsOfText(part.subSyntax, map ? map->TextToValue(part.text) : part.text);
            if (whole && isVariableLength(var.syntax))
                w.clear();
        }
        const qsizetype end = qsizetype(part.offset) + p.size();
        if (end > MaxOctets)
            RaiseEngine(EngineCode::PartialOutOfRange);
        if (w.size() < end)
            w.append(QByteArray(end - w.size(), '\0'));
        std::copy(p.cbegin(), p.cend(), w.begin() + part.offset);
    }
    // An octet string written empty is an empty value, as one read is
    // (StoreValue), not the mark of no value that would keep it unsent.
    const bool emptyString
        = w.isEmpty() && isVariableLength(var.syntax) && var.syntax != SyntaxObjectId;
    var.value = DisplayValue(var, emptyString ? QString() : TextOfOctets(var.syntax, w));
}

bool BitOf(const QByteArray &octets, int bit)
{
    if (bit < 0 || bit / 8 >= octets.size())
        RaiseEngine(EngineCode::PartialOutOfRange);
    return quint8(octets.at(bit / 8)) & (0x80u >> (bit % 8));
}

void SetBit(QByteArray &octets, int bit, bool on)
{
    if (bit < 0 || bit / 8 >= MaxOctets)
        RaiseEngine(EngineCode::PartialOutOfRange);
    if (octets.size() <= bit / 8)
        octets.append(QByteArray(bit / 8 + 1 - octets.size(), '\0'));
    const quint8 mask = quint8(0x80u >> (bit % 8));
    char &octet = octets[bit / 8];
    octet = char(on ? (quint8(octet) | mask) : (quint8(octet) & ~mask));
}

QList<bool> BitsOf(const CvSNMPVarList &list, int i, int offset, const QList<int> &bitNumbers)
{
    const CvSNMPVariable &var = list.Var(i);
    if (offset < 0)
        RaiseEngine(EngineCode::PartialOutOfRange);
    const QByteArray w = OctetsOfText(var.syntax, RawValue(var)).mid(offset);
    QList<bool> states;
    states.reserve(bitNumbers.size());
    for (int bit : bitNumbers)
        states.append(BitOf(w, bit));
    return states;
}

QList<int> ParseBitNumbers(const QString &text)
{
    CvNumList numbers;
    numbers.delimiter = ',';
    numbers.Parse(text);
    return numbers.items();
}
