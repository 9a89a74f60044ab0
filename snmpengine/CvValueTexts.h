#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// The text forms of values and the small parsers behind them. Parsers take
// texts from the operator or the agent and never fail on odd input: they
// read what they can, as described per function.

// Octets as uppercase hexadecimal, two digits per octet, no separators.
QString HexText(const QByteArray &octets);
// Hexadecimal to octets: spaces are removed; with an odd number of digits
// the first digit alone makes the first octet; then each pair makes one
// octet, first digit high; a character that is no hexadecimal digit counts
// as 0. "1A2" gives 01 A2.
QByteArray OctetsFromHex(QStringView text);

// Time-ticks text of t centiseconds: "h:mm:ss.cc", "1 day h:mm:ss.cc" or
// "d days, h:mm:ss.cc".
QString TimeTicksText(quint32 centiseconds);
// Reads the forms above: a number before "day"/"days" counts days, a ","
// after it is skipped, then hours before the next ":", minutes before the
// following ":", seconds before "." and centiseconds after it (without a
// "." the rest is seconds). Absent parts count 0; a text with neither ":"
// nor "." is 0. The sum saturates at 4294967295.
quint32 ParseTimeTicks(QStringView text);

// Leading decimal number (white space, optional sign, digits), as atol
// reads it, saturating at the type's range; 0 when there are no digits.
qint32 LeadingInt32(QStringView text);
quint32 LeadingUInt32(QStringView text); // a "-" sign gives 0
quint64 LeadingUInt64(QStringView text);

// A real number in general form (up to 15 significant digits, no exponent)
// and back (the longest leading part that forms a number).
QString RealText(double value);
double ParseReal(QStringView text);

// Dates as days since 30 December 1899, the fraction being the time of day;
// before that day the fraction counts forward from the date's midnight
// (-1.25 is 29 December 1899, 6:00). Years 1 to 9999.
std::optional<double> DaysFromText(QStringView text);
// "yyyy/mm/dd hh:nn:ss am/pm"; nullopt outside years 1..9999 or for a
// value that is not a number.
std::optional<QString> DaysText(double days);
// The date-time of calendar fields; nullopt for an invalid date or time.
std::optional<double> DaysFromFields(
    int year, int month, int day, int hour, int minute, int second, int millisecond);
struct CvDateTimeFields
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
};
std::optional<CvDateTimeFields> FieldsFromDays(double days);

// A double as its 8 octets, least significant first, and back (nullopt for
// fewer than 8 octets; further octets are ignored).
QByteArray DoubleOctets(double value);
std::optional<double> DoubleFromOctets(const QByteArray &octets);

// Exactly four decimal numbers 0..255 separated by "."; nullopt otherwise.
std::optional<QByteArray> ParseDottedQuad(QStringView text);
QString DottedQuadText(const QByteArray &fourOctets);

// The four octets of an IPv4 address given as a dotted quad or a host
// name, resolved. Throws the engine error -509 when the name does not
// resolve to an IPv4 address, and for a text that is neither a dotted quad
// nor a host name ("10.1.2", "0x0A010203": the resolver would read them as
// addresses nobody typed).
QByteArray IpAddressOctets(const QString &text);
// Labels of ASCII letters, digits, "-" and "_" joined by ".", the last of
// them not a number.
bool IsHostName(QStringView text);
// Replaces host-name resolution (tests, fuzzing); an empty function
// restores the system resolver.
using CvHostResolver = std::function<std::optional<QByteArray>(const QString &host)>;
void SetHostResolver(CvHostResolver resolver);

// Display strings: each octet is one character (Latin-1), so any octets
// read from the agent go back unchanged. A character beyond Latin-1 has no
// octet: CharOctets throws the engine error -530 naming the text.
// TextFromChars stops at the first zero octet.
QByteArray CharOctets(const QString &text);
QString TextFromChars(const QByteArray &octets);
