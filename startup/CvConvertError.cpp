#include "CvConvertError.h"

CvConvertError::CvConvertError(const QString &text)
    : std::runtime_error(
        QStringLiteral("'%1' is not a valid integer value").arg(text).toStdString())
    , m_message(QStringLiteral("'%1' is not a valid integer value").arg(text))
{
}

qint32 StrToInt(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    const QString rest = text.mid(i);
    qsizetype digits
        = (rest.startsWith(QLatin1Char('-')) || rest.startsWith(QLatin1Char('+'))) ? 1 : 0;
    bool allDigits = digits < rest.size();
    for (qsizetype k = digits; k < rest.size(); ++k)
        allDigits = allDigits && rest.at(k) >= QLatin1Char('0') && rest.at(k) <= QLatin1Char('9');
    bool ok = false;
    const qint32 value = allDigits ? rest.toInt(&ok, 10) : 0;
    if (!ok)
        throw CvConvertError(text);
    return value;
}
