#pragma once

#include "CvSNMPRequest2Controls.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QtTest>

// Spins the event loop until the binding's read or write has ended, for at
// most 15 s; false when it is still busy then.
inline bool waitIdle(const CvSNMPRequest2Controls &binding)
{
    const QDeadlineTimer deadline(15000);
    while (binding.IsBusy() && !deadline.hasExpired())
        QTest::qWait(5);
    return !binding.IsBusy();
}

// Status lines with their receive times replaced by "[TIME]".
inline QString untimed(QString lines)
{
    static const QRegularExpression time(
        QStringLiteral(R"(\d\d:\d\d:\d\d \S+\.$)"), QRegularExpression::MultilineOption);
    return lines.replace(time, QStringLiteral("[TIME]."));
}
