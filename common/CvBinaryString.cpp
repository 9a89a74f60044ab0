#include "CvBinaryString.h"

CvBinaryString::CvBinaryString(const QString &hexText)
{
    const qsizetype n = hexText.size() / 2;
    m_data.resize(n);
    for (qsizetype k = 0; k < n; ++k) {
        const int high = HexDigitValue(hexText.at(2 * k));
        const int low = HexDigitValue(hexText.at(2 * k + 1));
        m_data[k] = char((high << 4) | low);
    }
}

int CvBinaryString::HexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return 0;
}
