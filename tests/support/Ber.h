#pragma once

#include <QByteArray>

#include <optional>
#include <vector>

// Just enough BER for the small in-test agents that answer SNMP requests:
// encoding of lengths, TLVs, integers and OIDs, decoding of OIDs and TLV
// headers.
namespace Ber {

QByteArray encodeLength(qsizetype n);
QByteArray tlv(quint8 tag, const QByteArray &value);
// The content octets of an INTEGER, two's complement, shortest form.
QByteArray integerContent(qint64 v);
// A whole OBJECT IDENTIFIER TLV.
QByteArray encodeOid(const std::vector<quint32> &oid);
std::vector<quint32> decodeOid(const QByteArray &content);
// Reads the header of the TLV at pos; pos moves to its content. nullopt
// when the header or its content runs past the data.
std::optional<quint8> readHeader(const QByteArray &d, qsizetype &pos, qsizetype &length);

} // namespace Ber
