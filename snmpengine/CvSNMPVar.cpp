#include "CvSNMPVar.h"

namespace {

std::optional<QString> optionalText(const char *text)
{
    if (!text)
        return std::nullopt;
    return QString::fromUtf8(text);
}

constexpr CvIntOption kindTable[] = {
    {SVT_SV, "SVT_SV"},
    {MVT_SV, "MVT_SV"},
    {MVT_FMV, "MVT_FMV"},
    {MVT_UMV, "MVT_UMV"},
    {0, nullptr},
};

constexpr CvIntOption syntaxTable[] = {
    {SyntaxInteger, "integer"},
    {SyntaxBitString, "bitstr"},
    {SyntaxOctetString, "octetstr"},
    {SyntaxNull, "null"},
    {SyntaxObjectId, "objectid"},
    {SyntaxIpAddress, "ipaddress"},
    {SyntaxCounter, "counter"},
    {SyntaxGauge, "guage"},
    {SyntaxTimeTicks, "timeticks"},
    {SyntaxOpaque, "opaque"},
    {SyntaxCounter64, "counter64"},
    {SyntaxBoolean, "boolean"},
    {SyntaxNsapAddress, "nsapaddr"},
    {SyntaxUInteger, "uinteger"},
    {SyntaxDouble, "double"},
    {SyntaxMacAddress, "macaddress"},
    {SyntaxDateTime, "datetime"},
    {SyntaxBcDateTime, "bcdatetime"},
    {SyntaxDisplayString, "displaystr"},
    {SyntaxBool8, "bool8"},
    {SyntaxInt8, "int8"},
    {SyntaxUInt8, "uint8"},
    {SyntaxBool16, "bool16"},
    {SyntaxInt16, "int16"},
    {SyntaxUInt16, "uint16"},
    {0, nullptr},
};

constexpr CvIntOption accessTable[] = {
    {AccessNotAccessible, "notaccess"},
    {AccessReadOnly, "readonly"},
    {AccessWriteOnly, "writeonly"},
    {AccessReadWrite, "readwrite"},
    {AccessDerived, "derived"},
    {AccessHidden, "hidden"},
    {AccessInvalid, "invalid"},
    {0, nullptr},
};

} // namespace

bool IsAbsentValue(const QString &text)
{
    return text == QLatin1String("(NOTDONE)") || text == QLatin1String("(NULL)");
}

CvSNMPVariable CvSNMPVariable::FromRecord(const CvSNMPVar &record)
{
    CvSNMPVariable v;
    v.oid = QString::fromUtf8(record.oid);
    v.label = QString::fromUtf8(record.label);
    v.syntax = record.syntax;
    v.access = record.access;
    v.options = record.options;
    v.getExpression = optionalText(record.getExpression);
    v.setExpression = optionalText(record.setExpression);
    v.note = optionalText(record.note);
    return v;
}

const CvOptionList &KindKeywords()
{
    static const CvOptionList list(kindTable);
    return list;
}

const CvOptionList &SyntaxKeywords()
{
    static const CvOptionList list(syntaxTable);
    return list;
}

const CvOptionList &AccessKeywords()
{
    static const CvOptionList list(accessTable);
    return list;
}
