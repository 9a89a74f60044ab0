#pragma once

#include <QByteArray>

// A scanf restricted to "%d" fields and literal characters, without
// scanf's undefined behaviour on overflow: each field skips white space,
// takes an optional sign and at least one digit, saturating far beyond 32
// bits. Returns how many fields were converted before the first mismatch.
int ScanFormat(const QByteArray &text, const char *format, qint64 *fields, int maxFields);

// The longest leading part of text that forms a real number (after leading
// white space), as strtod reads it; 0 when there is none. consumed, when
// given, receives the number of characters read.
double LeadingReal(const QByteArray &text, qsizetype *consumed = nullptr);
