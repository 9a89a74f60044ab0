#include "CvIndexCodec.h"

#include "CvCatalogues.h"
#include "CvDateTime.h"
#include "CvValueCodec.h"
#include "CvValueTexts.h"

#include <bit>

namespace {

const QString nullText = QStringLiteral("(NULL)");

// Octets of a value text by syntax, for the octet-based encodings.
QByteArray indexOctets(qint32 syntax, const QString &raw)
{
    if (raw == nullText)
        return QByteArray();
    return syntax == SyntaxDisplayString ? CharOctets(raw) : OctetsFromHex(raw);
}

void appendOctets(CvOid &oid, const QByteArray &octets)
{
    for (char o : octets)
        oid.append(quint8(o));
}

void appendDouble(CvOid &oid, double value)
{
    const quint64 bits = std::bit_cast<quint64>(value);
    oid.append(quint32(bits & 0xFFFFFFFFu));
    oid.append(quint32(bits >> 32));
}

// The sub-identifiers of a suffix, read from the front; every shortfall or
// misfit is -514.
class SuffixReader
{
public:
    explicit SuffixReader(const QString &suffix)
    {
        const auto parsed = ParseOid(suffix);
        if (!parsed)
            RaiseEngine(EngineCode::BadKeyCount);
        m_arcs = *parsed;
    }

    qsizetype remaining() const { return m_arcs.size() - m_pos; }

    quint32 take()
    {
        if (remaining() < 1)
            RaiseEngine(EngineCode::BadKeyCount);
        return m_arcs.at(m_pos++);
    }

    QByteArray takeOctets(quint64 n)
    {
        if (n > quint64(remaining()))
            RaiseEngine(EngineCode::BadKeyCount);
        QByteArray o;
        o.reserve(qsizetype(n));
        for (quint64 k = 0; k < n; ++k) {
            const quint32 arc = take();
            if (arc > 255)
                RaiseEngine(EngineCode::BadKeyCount);
            o.append(char(arc));
        }
        return o;
    }

    CvOid takeArcs(quint64 n)
    {
        if (n > quint64(remaining()))
            RaiseEngine(EngineCode::BadKeyCount);
        CvOid arcs = m_arcs.mid(m_pos, qsizetype(n));
        m_pos += qsizetype(n);
        return arcs;
    }

    double takeDouble()
    {
        const quint64 low = take();
        const quint64 high = take();
        return std::bit_cast<double>((high << 32) | low);
    }

    QString rest() const { return OidToText(m_arcs.mid(m_pos)); }

private:
    CvOid m_arcs;
    qsizetype m_pos = 0;
};

} // namespace

CvOid EncodeIndexOid(const CvSNMPVarList &list, int i)
{
    const CvSNMPVariable &var = list.Var(i);
    const QString raw = RawValue(var);
    const bool implied = list.IsLastImplied(i);
    CvOid oid;
    switch (var.syntax) {
    case SyntaxBoolean:
        oid.append(raw == QLatin1String("true") ? 1 : 0);
        break;
    case SyntaxInteger:
        oid.append(quint32(LeadingInt32(raw)));
        break;
    case SyntaxCounter:
    case SyntaxGauge:
    case SyntaxUInteger:
        oid.append(LeadingUInt32(raw));
        break;
    case SyntaxBitString:
    case SyntaxOctetString:
    case SyntaxOpaque:
    case SyntaxDisplayString: {
        const QByteArray o = indexOctets(var.syntax, raw);
        if (!implied)
            oid.append(quint32(o.size()));
        appendOctets(oid, o);
        break;
    }
    case SyntaxObjectId: {
        const auto value = raw == nullText ? CvOid() : ParseOid(QStringView(raw).trimmed());
        if (!value)
            RaiseEngine(EngineCode::BadSyntax);
        if (!implied)
            oid.append(quint32(value->size()));
        oid += *value;
        break;
    }
    case SyntaxIpAddress:
    case SyntaxNsapAddress: {
        const QByteArray o
            = raw == nullText || raw.isEmpty() ? QByteArray(4, '\0') : IpAddressOctets(raw);
        appendOctets(oid, o);
        break;
    }
    case SyntaxTimeTicks:
        oid.append(ParseTimeTicks(raw));
        break;
    case SyntaxCounter64: {
        const quint64 v = LeadingUInt64(raw);
        oid.append(quint32(v >> 32));
        oid.append(quint32(v & 0xFFFFFFFFu));
        break;
    }
    case SyntaxDouble:
        appendDouble(oid, ParseReal(raw));
        break;
    case SyntaxBcDateTime: {
        const auto days = DaysFromText(raw);
        if (!days)
            RaiseEngine(EngineCode::BadPartialValue);
        appendDouble(oid, *days);
        break;
    }
    case SyntaxMacAddress: {
        const QByteArray o = indexOctets(var.syntax, raw);
        if (o.size() >= 6)
            appendOctets(oid, o.left(6));
        break;
    }
    case SyntaxDateTime:
        appendOctets(oid, CvDateTime(raw).ToOctets());
        break;
    case SyntaxNull:
        break;
    default:
        RaiseEngine(EngineCode::BadSyntax);
    }
    return oid;
}

QString EncodeIndex(const CvSNMPVarList &list, int i)
{
    return OidToText(EncodeIndexOid(list, i));
}

QString DecodeIndex(CvSNMPVarList &list, int i, const QString &suffix)
{
    CvSNMPVariable &var = list.Var(i);
    if (!IsValueSyntax(var.syntax))
        RaiseEngine(EngineCode::BadSyntax);
    SuffixReader in(suffix);
    const bool implied = list.IsLastImplied(i);
    QString raw;
    switch (var.syntax) {
    case SyntaxBoolean:
        raw = QString::fromLatin1(in.take() != 0 ? "true" : "false");
        break;
    case SyntaxInteger:
        raw = QString::number(qint32(in.take()));
        break;
    case SyntaxCounter:
    case SyntaxGauge:
    case SyntaxUInteger:
        raw = QString::number(in.take());
        break;
    case SyntaxBitString:
    case SyntaxOctetString:
    case SyntaxOpaque:
    case SyntaxDisplayString: {
        const quint64 n = implied ? quint64(in.remaining()) : in.take();
        const QByteArray o = in.takeOctets(n);
        raw = var.syntax == SyntaxDisplayString ? QString::fromLatin1(o) : HexText(o);
        break;
    }
    case SyntaxObjectId: {
        const quint64 n = implied ? quint64(in.remaining()) : in.take();
        raw = OidToText(in.takeArcs(n));
        break;
    }
    case SyntaxIpAddress:
    case SyntaxNsapAddress:
        raw = DottedQuadText(in.takeOctets(4));
        break;
    case SyntaxTimeTicks:
        raw = TimeTicksText(in.take());
        break;
    case SyntaxCounter64: {
        const quint64 high = in.take();
        raw = QString::number((high << 32) | in.take());
        break;
    }
    case SyntaxDouble:
        raw = RealText(in.takeDouble());
        break;
    case SyntaxBcDateTime:
        raw = DaysText(in.takeDouble()).value_or(nullText);
        break;
    case SyntaxMacAddress:
        raw = HexText(in.takeOctets(6));
        break;
    case SyntaxDateTime: {
        CvDateTime dt;
        dt.FromOctets(in.takeOctets(CvDateTime::OctetCount));
        raw = dt.ToText();
        break;
    }
    default: // SyntaxNull
        raw = nullText;
        break;
    }
    var.value = DisplayValue(var, raw);
    return in.rest();
}

QString RowIndexSuffix(const CvSNMPVarList &list)
{
    if (list.indexCount < 0 || list.indexCount > list.Count())
        RaiseEngine(EngineCode::BadKeyCount);
    QStringList parts;
    for (int k = 0; k < list.indexCount; ++k) {
        const QString part = EncodeIndex(list, k);
        if (!part.isEmpty())
            parts.append(part);
    }
    return parts.join(QLatin1Char('.'));
}
