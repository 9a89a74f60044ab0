#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A value shown piece by piece in several edits, and joined back:
//
//   syntax      edits  one edit per
//   3, 4, 68    >= octets of the value  octet, two uppercase hex digits
//   6           >= sub-identifiers      sub-identifier
//   64, 69      >= 4   address byte
//   67          >= 5   days, hours, minutes, seconds, centiseconds
//   73          >= 6   octet, two uppercase hex digits
//   74          >= 10  year, month, day, hour, minutes, seconds,
//                      deci-seconds, direction, hours and minutes from UTC
//   75          >= 7   year, month, day, hour, minutes, seconds, milliseconds
//   other       1      the whole text
//
// With a single edit the edit holds the whole text. Too few edits is the
// engine error -522.

// The texts for the edits, one per edit (edits past the pieces get ""), or
// for the other syntaxes a single text for the first edit. nullopt leaves
// the edits as they are: a value of "(NULL)" for 64, 67, 69, 73, 74, 75.
std::optional<QStringList> SplitForEdits(qint32 syntax, const QString &rawText, int editCount);

// The value text of the edits' texts: hexadecimal pieces joined (an empty
// edit counts "00", one digit gets a leading "0"); OID numbers joined with
// "." (empty edits skipped); the first four edits as a dotted quad; the sum
// of the time-ticks pieces; the date-and-time or date-time of the fields.
// Throws -522 for too few edits and -518 for fields that are no date-time
// (75).
QString JoinEdits(qint32 syntax, const QStringList &edits);
