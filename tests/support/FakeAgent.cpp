#include "FakeAgent.h"

#include "Ber.h"

#include <QNetworkDatagram>

#include <optional>

using namespace Ber;

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
        std::vector<quint32> oid(m_column.begin(), m_column.end());
        oid.push_back(m_mode == Mode::RepeatOid ? 7u : quint32(qMax(1, 100 - m_requests)));
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
