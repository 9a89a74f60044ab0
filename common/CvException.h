#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// The one exception type of the engine and the utilities: a catalogued
// message text and its negative code. Windows catch it and show message().
class CvException : public std::exception
{
public:
    CvException(QString message, int code);

    const QString &message() const noexcept { return m_message; }
    int code() const noexcept { return m_code; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    QString m_message;
    int m_code;
    QByteArray m_what;
};
