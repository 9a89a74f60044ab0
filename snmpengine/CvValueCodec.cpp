#include "CvValueCodec.h"

#include "CvCatalogues.h"
#include "CvDateTime.h"
#include "CvValueTexts.h"

namespace {

const QString nullText = QStringLiteral("(NULL)");

// The text of a value that suits the syntax; nullopt when the value has
// nothing printable for it.
std::optional<QString> printable(qint32 syntax, const CvSNMPValue &v)
{
    if (v.isException() || v.isNull())
        return std::nullopt;
    const auto octets = v.octets();
    switch (syntax) {
    case SyntaxBoolean:
        if (auto n = v.signedNumber())
            return QString::fromLatin1(*n != 0 ? "true" : "false");
        return std::nullopt;
    case SyntaxInteger:
        if (auto n = v.signedNumber())
            return QString::number(*n);
        return std::nullopt;
    case SyntaxBitString:
    case SyntaxOctetString:
    case SyntaxOpaque:
    case SyntaxMacAddress:
        if (octets)
            return HexText(*octets);
        return std::nullopt;
    case SyntaxObjectId:
        if (auto oid = v.oid(); oid && !oid->isEmpty())
            return OidToText(*oid);
        return std::nullopt;
    case SyntaxIpAddress:
    case SyntaxNsapAddress:
        if (octets && octets->size() == 4)
            return DottedQuadText(*octets);
        return std::nullopt;
    case SyntaxCounter:
    case SyntaxGauge:
    case SyntaxUInteger:
        if (auto n = v.unsignedNumber())
            return QString::number(quint32(*n));
        return std::nullopt;
    case SyntaxTimeTicks:
        if (auto n = v.unsignedNumber())
            return TimeTicksText(quint32(*n));
        return std::nullopt;
    case SyntaxCounter64:
        if (auto n = v.unsignedNumber())
            return QString::number(*n);
        return std::nullopt;
    case SyntaxDouble:
        if (auto d = octets ? DoubleFromOctets(*octets) : std::nullopt)
            return RealText(*d);
        return std::nullopt;
    case SyntaxDateTime: {
        CvDateTime dt;
        if (octets && dt.FromOctets(*octets))
            return dt.ToText();
        return std::nullopt;
    }
    case SyntaxBcDateTime:
        if (auto d = octets ? DoubleFromOctets(*octets) : std::nullopt)
            return DaysText(*d);
        return std::nullopt;
    case SyntaxDisplayString:
        if (octets)
            return TextFromChars(*octets);
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace

bool IsValueSyntax(qint32 syntax)
{
    return (syntax >= SyntaxBoolean && syntax <= SyntaxObjectId)
        || (syntax >= SyntaxIpAddress && syntax <= SyntaxDisplayString);
}

QString RawValue(const CvSNMPVariable &var)
{
    return var.options ? var.options->TextToValue(var.value) : var.value;
}

QString DisplayValue(const CvSNMPVariable &var, const QString &rawText)
{
    return var.options ? var.options->ValueToText(rawText) : rawText;
}

QString TextFromValue(qint32 syntax, const CvSNMPValue &value)
{
    if (!IsValueSyntax(syntax))
        RaiseEngine(EngineCode::BadSyntax);
    if (syntax == SyntaxNull)
        return nullText;
    if (auto text = printable(syntax, value))
        return *text;
    switch (syntax) {
    case SyntaxBitString:
    case SyntaxOctetString:
    case SyntaxOpaque:
    case SyntaxMacAddress:
    case SyntaxDisplayString:
        return QString();
    default:
        return nullText;
    }
}

CvSNMPValue ValueFromText(qint32 syntax, const QString &raw)
{
    if (raw == nullText)
        return CvSNMPValue::FromNull();
    switch (syntax) {
    case SyntaxBoolean:
        return CvSNMPValue::FromInteger(raw == QLatin1String("true") ? 1 : 0);
    case SyntaxInteger:
        return CvSNMPValue::FromInteger(LeadingInt32(raw));
    case SyntaxBitString:
    case SyntaxOctetString:
    case SyntaxOpaque:
    case SyntaxMacAddress:
        return CvSNMPValue::FromOctets(CvSNMPValue::OctetString, OctetsFromHex(raw));
    case SyntaxNull:
        return CvSNMPValue::FromNull();
    case SyntaxObjectId:
        if (auto oid = ParseOid(QStringView(raw).trimmed()))
            return CvSNMPValue::FromOid(*oid);
        RaiseEngine(EngineCode::BadSyntax);
    case SyntaxIpAddress:
    case SyntaxNsapAddress:
        return CvSNMPValue::FromOctets(CvSNMPValue::IpAddress, IpAddressOctets(raw));
    case SyntaxCounter:
    case SyntaxGauge:
    case SyntaxUInteger:
        return CvSNMPValue::FromUnsigned(CvSNMPValue::Gauge32, LeadingUInt32(raw));
    case SyntaxTimeTicks:
        return CvSNMPValue::FromUnsigned(CvSNMPValue::TimeTicks, ParseTimeTicks(raw));
    case SyntaxCounter64:
        return CvSNMPValue::FromCounter64(LeadingUInt64(raw));
    case SyntaxDouble:
        return CvSNMPValue::FromOctets(CvSNMPValue::OctetString, DoubleOctets(ParseReal(raw)));
    case SyntaxDateTime:
        return CvSNMPValue::FromOctets(CvSNMPValue::OctetString, CvDateTime(raw).ToOctets());
    case SyntaxBcDateTime:
        if (auto days = DaysFromText(raw))
            return CvSNMPValue::FromOctets(CvSNMPValue::OctetString, DoubleOctets(*days));
        RaiseEngine(EngineCode::BadPartialValue);
    case SyntaxDisplayString:
        return CvSNMPValue::FromOctets(CvSNMPValue::OctetString, CharOctets(raw));
    default:
        RaiseEngine(EngineCode::BadSyntax);
    }
}

void StoreValue(CvSNMPVarList &list, int i, const CvSNMPValue &value)
{
    CvSNMPVariable &var = list.Var(i);
    var.value = DisplayValue(var, TextFromValue(var.syntax, value));
}

CvSNMPValue LoadValue(const CvSNMPVarList &list, int i)
{
    const CvSNMPVariable &var = list.Var(i);
    return ValueFromText(var.syntax, RawValue(var));
}
