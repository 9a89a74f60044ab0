#include "UnitTableAgent.h"

#include "Ber.h"

#include <QNetworkDatagram>

#include <optional>

namespace {

using namespace Ber;

std::vector<quint32> unitColumn(int column, quint32 unit, int repeat = 0)
{
    std::vector<quint32> oid = {1, 3, 6, 1, 4, 1, TRV_PEN, 12, 11, 1, 9, 4, 1};
    oid.push_back(quint32(column));
    oid.push_back(unit);
    if (repeat > 0)
        oid.push_back(quint32(repeat));
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
    const auto integer = [](qint64 v) { return Value {IntegerTag, integerContent(v)}; };
    const auto octets = [](const QByteArray &v) { return Value {OctetsTag, v}; };
    for (const Unit &u : units) {
        for (int r = 0; r <= u.repeats; ++r) {
            const auto at = [&u, r](int column) { return unitColumn(column, u.id, r); };
            m_objects[at(1)] = integer(u.id);
            m_objects[at(2)] = integer(u.exists ? 1 : 0);
            m_objects[at(3)] = octets(QByteArray::fromHex("025452000000") + char(u.id));
            m_objects[at(4)] = integer((qint64(u.id) - 1) * 64 + 1);
            m_objects[at(5)] = integer(u.ports);
            m_objects[at(6)] = octets(u.leds);
            m_objects[at(8)] = integer(u.id == units.front().id ? 4 : 5);
            m_objects[at(9)] = octets("2.10.001");
            m_objects[at(10)] = octets(u.model.toLatin1());
        }
    }
}

void UnitTableAgent::setLedStatus(quint32 unit, const QByteArray &octets)
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
    if (type == 0xA1)
        ++m_getNexts;

    const bool v1 = version == QByteArray(1, '\0');
    const bool failing
        = m_failing || (type == 0xA1 && m_walkFailsAfter >= 0 && m_getNexts > m_walkFailsAfter);
    int status = failing ? GenErr : 0;
    int index = failing ? 1 : 0;
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
