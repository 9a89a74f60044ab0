#include "UnitTableAgent.h"

#include <QNetworkDatagram>

#include <optional>

namespace {

QByteArray encodeLength(qsizetype n)
{
    if (n < 128)
        return QByteArray(1, char(n));
    QByteArray bytes;
    for (; n > 0; n >>= 8)
        bytes.prepend(char(n & 0xFF));
    return char(0x80 | bytes.size()) + bytes;
}

QByteArray tlv(quint8 tag, const QByteArray &value)
{
    return char(tag) + encodeLength(value.size()) + value;
}

QByteArray integerContent(qint64 v)
{
    QByteArray out;
    do {
        out.prepend(char(v & 0xFF));
        v >>= 8;
    } while (!((v == 0 && !(out.front() & 0x80)) || (v == -1 && (out.front() & 0x80))));
    return out;
}

QByteArray encodeOid(const std::vector<quint32> &oid)
{
    QByteArray out(1, char(oid.at(0) * 40 + oid.at(1)));
    for (std::size_t k = 2; k < oid.size(); ++k) {
        quint32 v = oid[k];
        QByteArray part(1, char(v & 0x7F));
        while (v >>= 7)
            part.prepend(char(0x80 | (v & 0x7F)));
        out += part;
    }
    return tlv(0x06, out);
}

std::vector<quint32> decodeOid(const QByteArray &content)
{
    std::vector<quint32> oid;
    if (content.isEmpty())
        return oid;
    const auto first = quint8(content.at(0));
    oid.push_back(first / 40);
    oid.push_back(first % 40);
    quint32 v = 0;
    for (qsizetype k = 1; k < content.size(); ++k) {
        const auto b = quint8(content.at(k));
        v = (v << 7) | (b & 0x7F);
        if (!(b & 0x80)) {
            oid.push_back(v);
            v = 0;
        }
    }
    return oid;
}

// Reads the header of the TLV at pos; pos moves to its content.
std::optional<quint8> readHeader(const QByteArray &d, qsizetype &pos, qsizetype &length)
{
    if (pos + 2 > d.size())
        return std::nullopt;
    const auto tag = quint8(d[pos++]);
    const auto first = quint8(d[pos++]);
    if (first < 0x80) {
        length = first;
    } else {
        const int n = first & 0x7F;
        if (n == 0 || n > 4 || pos + n > d.size())
            return std::nullopt;
        length = 0;
        for (int k = 0; k < n; ++k)
            length = (length << 8) | quint8(d[pos++]);
    }
    if (pos + length > d.size())
        return std::nullopt;
    return tag;
}

std::vector<quint32> unitColumn(int column, int unit)
{
    std::vector<quint32> oid = {1, 3, 6, 1, 4, 1, TRV_PEN, 12, 11, 1, 9, 4, 1};
    oid.push_back(quint32(column));
    oid.push_back(quint32(unit));
    return oid;
}

constexpr quint8 IntegerTag = 0x02;
constexpr quint8 OctetsTag = 0x04;
constexpr quint8 NoSuchInstance = 0x81;
constexpr quint8 EndOfMibView = 0x82;
constexpr int NoSuchName = 2;
constexpr int GenErr = 5;

} // namespace

UnitTableAgent::UnitTableAgent()
{
    m_socket.bind(QHostAddress::LocalHost, 0);
    connect(&m_socket, &QUdpSocket::readyRead, this, &UnitTableAgent::answer);
}

void UnitTableAgent::setUnits(const QList<Unit> &units)
{
    m_objects.clear();
    for (const Unit &u : units) {
        const auto integer = [](qint64 v) { return Value {IntegerTag, integerContent(v)}; };
        const auto octets = [](const QByteArray &v) { return Value {OctetsTag, v}; };
        m_objects[unitColumn(1, u.id)] = integer(u.id);
        m_objects[unitColumn(2, u.id)] = integer(u.exists ? 1 : 0);
        m_objects[unitColumn(3, u.id)] = octets(QByteArray::fromHex("025452000000") + char(u.id));
        m_objects[unitColumn(4, u.id)] = integer((u.id - 1) * 64 + 1);
        m_objects[unitColumn(5, u.id)] = integer(u.ports);
        m_objects[unitColumn(6, u.id)] = octets(u.leds);
        m_objects[unitColumn(8, u.id)] = integer(u.id == units.front().id ? 4 : 5);
        m_objects[unitColumn(9, u.id)] = octets("2.10.001");
        m_objects[unitColumn(10, u.id)] = octets(u.model.toLatin1());
    }
}

void UnitTableAgent::setLedStatus(int unit, const QByteArray &octets)
{
    m_objects[unitColumn(6, unit)] = Value {OctetsTag, octets};
}

void UnitTableAgent::answer()
{
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket.receiveDatagram();
        const QByteArray reply = respond(datagram.data());
        if (!reply.isEmpty())
            m_socket.writeDatagram(reply, datagram.senderAddress(), quint16(datagram.senderPort()));
    }
}

// message ::= SEQUENCE { version, community, PDU { id, status, index,
// SEQUENCE OF { name, value } } }
QByteArray UnitTableAgent::respond(const QByteArray &d)
{
    qsizetype pos = 0, len = 0;
    if (readHeader(d, pos, len) != 0x30 || readHeader(d, pos, len) != IntegerTag)
        return {};
    const QByteArray version = d.mid(pos, len);
    pos += len;
    if (readHeader(d, pos, len) != OctetsTag)
        return {};
    const QByteArray community = d.mid(pos, len);
    pos += len;
    const std::optional<quint8> type = readHeader(d, pos, len);
    if (type != 0xA0 && type != 0xA1)
        return {};
    if (readHeader(d, pos, len) != IntegerTag)
        return {};
    const QByteArray requestId = d.mid(pos, len);
    pos += len;
    for (int k = 0; k < 2; ++k) {
        if (!readHeader(d, pos, len))
            return {};
        pos += len;
    }
    QList<Oid> names;
    qsizetype listLen = 0;
    if (readHeader(d, pos, listLen) != 0x30)
        return {};
    const qsizetype end = pos + listLen;
    while (pos < end) {
        if (readHeader(d, pos, len) != 0x30)
            return {};
        const qsizetype next = pos + len;
        if (readHeader(d, pos, len) != 0x06)
            return {};
        names.append(decodeOid(d.mid(pos, len)));
        pos = next;
    }
    ++m_requests;

    const bool v1 = version == QByteArray(1, '\0');
    int status = m_failing ? GenErr : 0;
    int index = m_failing ? 1 : 0;
    QByteArray bindings;
    for (qsizetype k = 0; k < names.size() && status == 0; ++k) {
        Oid name = names.at(k);
        Value value;
        if (type == 0xA0) {
            const auto it = m_objects.find(name);
            value = it != m_objects.end() ? it->second : Value {NoSuchInstance, {}};
        } else {
            const auto it = m_objects.upper_bound(name);
            if (it != m_objects.end()) {
                name = it->first;
                value = it->second;
            } else {
                value = Value {EndOfMibView, {}};
            }
        }
        if (v1 && (value.tag == NoSuchInstance || value.tag == EndOfMibView)) {
            status = NoSuchName;
            index = int(k + 1);
            break;
        }
        bindings += tlv(0x30, encodeOid(name) + tlv(value.tag, value.content));
    }
    if (status != 0) {
        // An error echoes the names asked, each with a null value.
        bindings.clear();
        for (const Oid &name : std::as_const(names))
            bindings += tlv(0x30, encodeOid(name) + tlv(0x05, {}));
    }
    const QByteArray pdu = tlv(IntegerTag, requestId) + tlv(IntegerTag, integerContent(status))
        + tlv(IntegerTag, integerContent(index)) + tlv(0x30, bindings);
    return tlv(0x30, tlv(IntegerTag, version) + tlv(OctetsTag, community) + tlv(0xA2, pdu));
}
