#pragma once

#include <QByteArray>
#include <QString>

// Octets made from hexadecimal text: two digits per octet, high digit
// first; a last odd digit is ignored and a character that is no
// hexadecimal digit counts as 0.
class CvBinaryString
{
public:
    CvBinaryString() = default;
    explicit CvBinaryString(const QString &hexText);

    quint32 length() const { return quint32(m_data.size()); }
    const QByteArray &data() const { return m_data; }

    void CopyTo(CvBinaryString &other) const { other.m_data = m_data; }

    // The value of one hexadecimal digit, 0 for any other character.
    static int HexDigitValue(QChar c);

private:
    QByteArray m_data;
};
