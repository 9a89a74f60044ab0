#include "FakeAgent.h"

#include <QNetworkDatagram>

#include <optional>

namespace {

QByteArray encodeLength(qsizetype n)
{
    if (n < 128)
        return QByteArray(1, char(n));
    QByteArray bytes;
    while (n > 0) {
        bytes.prepend(char(n & 0xFF));
        n >>= 8;
    }
    return char(0x80 | bytes.size()) + bytes;
}

QByteArray tlv(quint8 tag, const QByteArray &value)
{
    return char(tag) + encodeLength(value.size()) + value;
}

QByteArray encodeOid(const QList<quint32> &oid)
{
    QByteArray out;
    out.append(char(oid.value(0) * 40 + oid.value(1)));
    for (qsizetype k = 2; k < oid.size(); ++k) {
        quint32 v = oid[k];
        QByteArray part(1, char(v & 0x7F));
        while (v >>= 7)
            part.prepend(char(0x80 | (v & 0x7F)));
        out += part;
    }
    return tlv(0x06, out);
}

// Reads one TLV at pos; returns its tag and moves pos past its header.
std::optional<quint8> readHeader(const QByteArray &d, qsizetype &pos, qsizetype &length)
{
    if (pos + 2 > d.size())
        return std::nullopt;
    const quint8 tag = quint8(d[pos++]);
    quint8 first = quint8(d[pos++]);
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

} // namespace

FakeAgent::FakeAgent(Mode mode, QList<quint32> column)
    : m_mode(mode)
    , m_column(std::move(column))
{
    m_socket.bind(QHostAddress::LocalHost, 0);
    connect(&m_socket, &QUdpSocket::readyRead, this, &FakeAgent::answer);
}

void FakeAgent::answer()
{
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket.receiveDatagram();
        const QByteArray d = datagram.data();
        qsizetype pos = 0, len = 0;
        // message ::= SEQUENCE { version, community, pdu }
        if (readHeader(d, pos, len) != 0x30 || readHeader(d, pos, len) != 0x02)
            continue;
        const QByteArray version = d.mid(pos, len);
        pos += len;
        if (readHeader(d, pos, len) != 0x04)
            continue;
        const QByteArray community = d.mid(pos, len);
        pos += len;
        if (!readHeader(d, pos, len) || readHeader(d, pos, len) != 0x02)
            continue;
        const QByteArray requestId = d.mid(pos, len);
        pos += len;
        // Skip error status and index, then count the bindings asked.
        for (int k = 0; k < 2; ++k) {
            if (!readHeader(d, pos, len))
                break;
            pos += len;
        }
        int asked = 0;
        qsizetype listLen = 0;
        if (readHeader(d, pos, listLen) == 0x30) {
            const qsizetype end = pos + listLen;
            while (pos < end && readHeader(d, pos, len)) {
                pos += len;
                ++asked;
            }
        }
        ++m_requests;
        QList<quint32> oid = m_column;
        oid.append(m_mode == Mode::RepeatOid ? 7u : quint32(qMax(1, 100 - m_requests)));
        QByteArray bindings;
        for (int k = 0; k < asked; ++k)
            bindings += tlv(0x30, encodeOid(oid) + tlv(0x02, QByteArray(1, '\x01')));
        const QByteArray pdu = tlv(0x02, requestId) + tlv(0x02, QByteArray(1, '\0'))
            + tlv(0x02, QByteArray(1, '\0')) + tlv(0x30, bindings);
        const QByteArray message = tlv(0x02, version) + tlv(0x04, community) + tlv(0xA2, pdu);
        m_socket.writeDatagram(
            tlv(0x30, message), datagram.senderAddress(), quint16(datagram.senderPort()));
    }
}
