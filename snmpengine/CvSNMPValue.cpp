#include "CvSNMPValue.h"

#include <QStringList>

std::optional<CvOid> ParseOid(QStringView text)
{
    CvOid oid;
    if (text.startsWith(QLatin1Char('.')))
        text = text.mid(1);
    if (text.isEmpty())
        return oid;
    // One allocation: a walk parses an OID per variable and step.
    oid.reserve(text.count(QLatin1Char('.')) + 1);
    quint64 arc = 0;
    bool digits = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('.')) {
            if (!digits)
                return std::nullopt;
            oid.append(quint32(arc));
            arc = 0;
            digits = false;
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            arc = arc * 10 + (c.unicode() - u'0');
            if (arc > 0xFFFFFFFFu)
                return std::nullopt;
            digits = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    oid.append(quint32(arc));
    return oid;
}

QString OidToText(const CvOid &oid)
{
    // Written in place into one buffer of the largest possible size (ten
    // digits and a dot per arc), then cut: a walk turns an OID into text per
    // variable and step, and a temporary string per arc would dominate it.
    QString text(oid.size() * 11, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    char16_t *const start = out;
    for (qsizetype k = 0; k < oid.size(); ++k) {
        if (k > 0)
            *out++ = u'.';
        char16_t digits[10];
        int n = 0;
        quint32 arc = oid.at(k);
        do {
            digits[n++] = char16_t(u'0' + arc % 10);
            arc /= 10;
        } while (arc != 0);
        while (n > 0)
            *out++ = digits[--n];
    }
    text.truncate(out - start);
    return text;
}

CvSNMPValue CvSNMPValue::FromInteger(qint32 value)
{
    CvSNMPValue v(Integer, Kind::Signed32);
    v.m_number = quint64(qint64(value));
    return v;
}

CvSNMPValue CvSNMPValue::FromUnsigned(Tag tag, quint32 value)
{
    CvSNMPValue v(tag, Kind::Unsigned32);
    v.m_number = value;
    return v;
}

CvSNMPValue CvSNMPValue::FromCounter64(quint64 value)
{
    CvSNMPValue v(Counter64, Kind::Unsigned64);
    v.m_number = value;
    return v;
}

CvSNMPValue CvSNMPValue::FromOctets(Tag tag, const QByteArray &octets)
{
    CvSNMPValue v(tag, Kind::Octets);
    v.m_octets = octets;
    return v;
}

CvSNMPValue CvSNMPValue::FromOid(const CvOid &oid)
{
    CvSNMPValue v(ObjectId, Kind::Oid);
    v.m_oid = oid;
    return v;
}

CvSNMPValue CvSNMPValue::FromNull(Tag tag)
{
    return CvSNMPValue(tag, Kind::None);
}

std::optional<qint64> CvSNMPValue::signedNumber() const
{
    switch (m_kind) {
    case Kind::Signed32:
    case Kind::Unsigned64:
        return qint64(m_number);
    case Kind::Unsigned32:
        return qint64(quint32(m_number));
    default:
        return std::nullopt;
    }
}

std::optional<quint64> CvSNMPValue::unsignedNumber() const
{
    switch (m_kind) {
    case Kind::Signed32:
        return quint64(quint32(m_number)); // the 32 bits, as unsigned
    case Kind::Unsigned32:
    case Kind::Unsigned64:
        return m_number;
    default:
        return std::nullopt;
    }
}

std::optional<QByteArray> CvSNMPValue::octets() const
{
    if (m_kind == Kind::Octets)
        return m_octets;
    return std::nullopt;
}

std::optional<CvOid> CvSNMPValue::oid() const
{
    if (m_kind == Kind::Oid)
        return m_oid;
    return std::nullopt;
}

QString ToDebugText(const CvSNMPValue &value)
{
    QString data;
    if (auto n = value.unsignedNumber())
        data = value.tag() == CvSNMPValue::Integer ? QString::number(*value.signedNumber())
                                                   : QString::number(*n);
    else if (auto o = value.octets())
        data = QString::fromLatin1(o->toHex().toUpper());
    else if (auto oid = value.oid())
        data = OidToText(*oid);
    else
        data = QStringLiteral("-");
    return QStringLiteral("tag 0x%1 %2").arg(int(value.tag()), 2, 16, QLatin1Char('0')).arg(data);
}
