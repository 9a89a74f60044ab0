#include "SummerTimeDates.h"

#include "CvCatalogues.h"

namespace {
QString octet(int n)
{
    return QStringLiteral("%1").arg(n & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

// Octet k (from 1) of a hexadecimal text: characters 2k-1 and 2k.
int octetAt(const QString &hex, int k)
{
    bool ok = false;
    const int value = hex.mid(2 * (k - 1), 2).toInt(&ok, 16);
    if (!ok || hex.size() < 2 * k)
        RaiseEngine(EngineCode::BadPartialValue);
    return value;
}
} // namespace

QString SummerTimeDates::EncodeAnnual(int day, int month, int hour, int minute)
{
    return octet(day) + octet(month) + octet(hour) + octet(minute);
}

QString SummerTimeDates::EncodeRepeat(
    int weekItem, int weekdayItem, int month, int hour, int minute, bool end)
{
    const QString week
        = weekItem == LastWeekItem ? QString::fromLatin1(end ? "FF" : "00") : octet(weekItem + 1);
    return week + octet(0) + octet(weekdayItem + 1) + octet(month) + octet(hour) + octet(minute);
}

std::array<int, 4> SummerTimeDates::DecodeAnnual(const QString &hex)
{
    return {octetAt(hex, 1) - 1, octetAt(hex, 2) - 1, octetAt(hex, 3), octetAt(hex, 4)};
}

std::array<int, 5> SummerTimeDates::DecodeRepeat(const QString &hex, bool end)
{
    const int minute = octetAt(hex, 6); // checks the length first
    const QString first = hex.left(2).toUpper();
    const bool last = first == QLatin1String(end ? "FF" : "00");
    return {last ? LastWeekItem : octetAt(hex, 1) - 1, octetAt(hex, 3) - 1, octetAt(hex, 4) - 1,
        octetAt(hex, 5), minute};
}

bool SummerTimeDates::DayInMonth(int day, int month)
{
    static constexpr int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month >= 1 && month <= 12 && day >= 1 && day <= days[month - 1];
}
