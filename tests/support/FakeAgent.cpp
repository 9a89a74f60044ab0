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
        // Skip error status and index, then take the names asked.
        for (int k = 0; k < 2; ++k) {
            if (!readHeader(d, pos, len))
                break;
            pos += len;
        }
        QList<QByteArray> names; // each a whole OBJECT IDENTIFIER TLV
        qsizetype listLen = 0;
        if (readHeader(d, pos, listLen) == 0x30) {
            const qsizetype end = pos + listLen;
            while (pos < end && readHeader(d, pos, len)) {
                const qsizetype next = pos + len;
                const qsizetype at = pos;
                if (readHeader(d, pos, len) == 0x06)
                    names.append(d.mid(at, pos + len - at));
                pos = next;
            }
        }
        ++m_requests;
        QByteArray bindings;
        int status = 0;
        int index = 0;
        if (m_mode == Mode::NoSuchName) {
            status = 2;
            index = m_errorIndex;
            for (const QByteArray &name : std::as_const(names))
                bindings += tlv(0x30, name + tlv(0x05, {}));
        } else {
            std::vector<quint32> oid(m_column.begin(), m_column.end());
            oid.push_back(m_mode == Mode::RepeatOid ? 7u : quint32(qMax(1, 100 - m_requests)));
            for (qsizetype k = 0; k < names.size(); ++k)
                bindings += tlv(0x30, encodeOid(oid) + tlv(0x02, QByteArray(1, '\x01')));
        }
        const QByteArray pdu = tlv(0x02, requestId) + tlv(0x02, integerContent(status))
            + tlv(0x02, integerContent(index)) + tlv(0x30, bindings);
        const QByteArray message = tlv(0x02, version) + tlv(0x04, community) + tlv(0xA2, pdu);
        m_socket.writeDatagram(
            tlv(0x30, message), datagram.senderAddress(), quint16(datagram.senderPort()));
    }
}
