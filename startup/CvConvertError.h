#pragma once

#include <QString>

#include <stdexcept>

// A text that should have been an integer was not: the error that ends
// start-up with "'%s' is not a valid integer value".
class CvConvertError : public std::runtime_error
{
public:
    explicit CvConvertError(const QString &text);
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// A signed 32-bit integer in decimal, with optional leading blanks and
// sign; anything else throws CvConvertError naming the text.
qint32 StrToInt(const QString &text);
