#include "CvException.h"

#include <utility>

CvException::CvException(QString message, int code)
    : m_message(std::move(message))
    , m_code(code)
    , m_what(m_message.toUtf8())
{
}
