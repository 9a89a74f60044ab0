#pragma once

#include <QString>

#include <array>

// The octet coding of the summer-time dates, as hexadecimal texts of two
// digits per octet. Box items are the positions in the window's date boxes:
// days and months count from 1 at item 0, hours and minutes from 0 at item
// 0, weeks are "First" to "Fourth" and "Last" (item 4), days of the week
// "Sunday" (item 0) to "Saturday".
namespace SummerTimeDates {

inline constexpr int LastWeekItem = 4;

// Day of month, month, hour, minute, as numbers: "0F03021E" for 15 March
// 02:30.
QString EncodeAnnual(int day, int month, int hour, int minute);
// Week, 00, day of the week, month, hour, minute; the last week is 00 at
// the start of the period and FF at its end.
QString EncodeRepeat(int weekItem, int weekdayItem, int month, int hour, int minute, bool end);

// Box items of day, month, hour and minute; a value too short or not
// hexadecimal raises the conversion error of a short value.
std::array<int, 4> DecodeAnnual(const QString &hex);
// Box items of week, day of the week, month, hour and minute.
std::array<int, 5> DecodeRepeat(const QString &hex, bool end);

// The day exists in the month of some year (29 February does).
bool DayInMonth(int day, int month);

} // namespace SummerTimeDates
