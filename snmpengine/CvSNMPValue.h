#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// An object identifier as its sub-identifiers.
using CvOid = QList<quint32>;

// Dotted decimal ("1.3.6.1"; a leading "." is allowed) to sub-identifiers.
// nullopt for an empty arc, a character other than digits and dots, or a
// sub-identifier beyond 32 bits. An empty text is the empty OID.
std::optional<CvOid> ParseOid(QStringView text);
QString OidToText(const CvOid &oid);

// The value of one variable binding, as it travels between the variable
// model and the request layer: an ASN.1 type tag and the data of that type.
// The request layer translates it to and from the SNMP library's own form.
class CvSNMPValue
{
public:
    enum Tag : qint32 {
        Integer = 0x02,
        OctetString = 0x04,
        Null = 0x05,
        ObjectId = 0x06,
        IpAddress = 0x40,
        Counter32 = 0x41,
        Gauge32 = 0x42,
        TimeTicks = 0x43,
        Opaque = 0x44,
        Counter64 = 0x46,
        UInteger32 = 0x47,
        NoSuchObject = 0x80,
        NoSuchInstance = 0x81,
        EndOfMibView = 0x82,
    };

    CvSNMPValue() = default; // NULL

    static CvSNMPValue FromInteger(qint32 value);
    // Counter32, Gauge32, TimeTicks or UInteger32.
    static CvSNMPValue FromUnsigned(Tag tag, quint32 value);
    static CvSNMPValue FromCounter64(quint64 value);
    // OctetString, Opaque or IpAddress (four octets).
    static CvSNMPValue FromOctets(Tag tag, const QByteArray &octets);
    static CvSNMPValue FromOid(const CvOid &oid);
    // NULL, or one of the exceptions noSuchObject, noSuchInstance and
    // endOfMibView of a response.
    static CvSNMPValue FromNull(Tag tag = Null);

    Tag tag() const { return m_tag; }
    bool isNull() const { return m_kind == Kind::None; }
    bool isException() const { return m_tag >= NoSuchObject; }

    // The number held by an integer, unsigned or 64-bit value; nullopt for
    // the other kinds.
    std::optional<qint64> signedNumber() const;
    std::optional<quint64> unsignedNumber() const;
    // The octets of an octet string, opaque or address; nullopt otherwise.
    std::optional<QByteArray> octets() const;
    std::optional<CvOid> oid() const;

    bool operator==(const CvSNMPValue &other) const = default;

private:
    enum class Kind : quint8 { None, Signed32, Unsigned32, Unsigned64, Octets, Oid };
    CvSNMPValue(Tag tag, Kind kind)
        : m_tag(tag)
        , m_kind(kind)
    {
    }

    Tag m_tag = Null;
    Kind m_kind = Kind::None;
    quint64 m_number = 0; // the bits of the number kinds
    QByteArray m_octets;
    CvOid m_oid;
};

// For test output.
QString ToDebugText(const CvSNMPValue &value);
