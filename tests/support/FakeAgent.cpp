#include "FakeAgent.h"

#include "Ber.h"

#include <QNetworkDatagram>

#include <algorithm>
#include <optional>

using namespace Ber;

namespace {
constexpr quint8 GetBulk = 0xA5;
constexpr int TooBig = 1;
constexpr int NoSuchName = 2;
constexpr int GenErr = 5;

// An integer's content octets, unsigned.
QByteArray number(qsizetype v)
{
    return integerContent(qint64(v));
}
} // namespace

FakeAgent::FakeAgent(Mode mode, QList<quint32> column)
    : m_mode(mode)
    , m_column(std::move(column))
{
    m_socket.bind(QHostAddress::LocalHost, 0);
    connect(&m_socket, &QUdpSocket::readyRead, this, &FakeAgent::answer);
}

FakeAgent::FakeAgent(const Table &table)
    : m_mode(Mode::Table)
    , m_table(table)
{
    m_socket.bind(QHostAddress::LocalHost, 0);
    connect(&m_socket, &QUdpSocket::readyRead, this, &FakeAgent::answer);
}

std::vector<quint32> FakeAgent::next(const std::vector<quint32> &oid) const
{
    std::vector<quint32> entry(m_table.entry.begin(), m_table.entry.end());
    QList<int> columns = m_table.columns;
    std::sort(columns.begin(), columns.end());
    for (int column : std::as_const(columns)) {
        for (int row = 1; row <= m_table.rows; ++row) {
            if (m_table.holes.value(column).contains(row))
                continue;
            std::vector<quint32> name = entry;
            name.push_back(quint32(column));
            name.push_back(quint32(row));
            if (std::lexicographical_compare(oid.begin(), oid.end(), name.begin(), name.end()))
                return name;
        }
    }
    return {};
}

QByteArray FakeAgent::tableBindings(quint8 pdu, int maxRepetitions,
    const std::vector<std::vector<quint32>> &names, bool v1, int &status, int &index) const
{
    const auto binding = [](const std::vector<quint32> &name, const QByteArray &value) {
        return tlv(0x30, encodeOid(name) + value);
    };
    const auto echo = [&] {
        QByteArray all;
        for (const auto &name : names)
            all += binding(name, tlv(0x05, {}));
        return all;
    };
    if (pdu == GetBulk && m_table.bulk == Bulk::Refuse) {
        status = GenErr;
        return echo();
    }
    if (pdu == GetBulk && m_table.tooBigAbove > 0 && maxRepetitions > m_table.tooBigAbove) {
        status = TooBig;
        return echo();
    }
    const int repetitions = pdu == GetBulk ? maxRepetitions : 1;
    std::vector<std::vector<quint32>> at = names;
    QByteArray all;
    int count = 0;
    for (int r = 0; r < repetitions; ++r) {
        for (size_t k = 0; k < at.size(); ++k) {
            if (m_table.maxBindings > 0 && count == m_table.maxBindings)
                return all;
            const std::vector<quint32> found = next(at[k]);
            if (found.empty() && v1) {
                // SNMPv1 past the end: noSuchName, the request echoed.
                status = NoSuchName;
                index = int(k) + 1;
                return echo();
            }
            if (found.empty()) {
                all += binding(at[k], tlv(0x82, {})); // endOfMibView
            } else {
                const quint32 column = found[found.size() - 2];
                all += binding(found, tlv(0x02, number(qsizetype(column) * 1000 + found.back())));
                at[k] = found;
            }
            ++count;
        }
    }
    return all;
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
        const std::optional<quint8> pdu = readHeader(d, pos, len);
        if (!pdu || readHeader(d, pos, len) != 0x02)
            continue;
        const QByteArray requestId = d.mid(pos, len);
        pos += len;
        // Error status and index, or non-repeaters and max-repetitions.
        int fields[2] = {0, 0};
        for (int &field : fields) {
            if (!readHeader(d, pos, len))
                break;
            for (qsizetype i = 0; i < len; ++i)
                field = field * 256 + quint8(d[pos + i]);
            pos += len;
        }
        std::vector<std::vector<quint32>> names;
        qsizetype listLen = 0;
        if (readHeader(d, pos, listLen) == 0x30) {
            const qsizetype end = pos + listLen;
            qsizetype bindingLen = 0;
            while (pos < end && readHeader(d, pos, bindingLen)) {
                const qsizetype bindingEnd = pos + bindingLen;
                if (readHeader(d, pos, len) == 0x06)
                    names.push_back(decodeOid(d.mid(pos, len)));
                pos = bindingEnd;
            }
        }
        ++m_requests;
        emit requestArrived();
        QByteArray bindings;
        int status = 0;
        int index = 0;
        if (m_mode == Mode::Table) {
            m_asked.append({*pdu, *pdu == GetBulk ? fields[1] : 0});
            if (*pdu == GetBulk && m_table.bulk == Bulk::Drop)
                continue;
            const bool v1 = version == QByteArray(1, '\0');
            bindings = tableBindings(*pdu, fields[1], names, v1, status, index);
        } else if (m_mode == Mode::NoSuchName) {
            status = 2;
            index = m_errorIndex;
            for (const std::vector<quint32> &name : names)
                bindings += tlv(0x30, encodeOid(name) + tlv(0x05, {}));
        } else {
            std::vector<quint32> oid(m_column.begin(), m_column.end());
            oid.push_back(m_mode == Mode::RepeatOid ? 7u : quint32(qMax(1, 100 - m_requests)));
            for (size_t k = 0; k < names.size(); ++k)
                bindings += tlv(0x30, encodeOid(oid) + tlv(0x02, QByteArray(1, '\x01')));
        }
        const QByteArray answer = tlv(0x02, requestId) + tlv(0x02, number(status))
            + tlv(0x02, number(index)) + tlv(0x30, bindings);
        const QByteArray message = tlv(0x02, version) + tlv(0x04, community) + tlv(0xA2, answer);
        m_socket.writeDatagram(
            tlv(0x30, message), datagram.senderAddress(), quint16(datagram.senderPort()));
    }
}
