#include "Ber.h"

namespace Ber {

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

} // namespace Ber
