#include "CvScan.h"

#include <cctype>
#include <cstdlib>
#include <locale.h>

namespace {
bool isSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}
} // namespace

int ScanFormat(const QByteArray &text, const char *format, qint64 *fields, int maxFields)
{
    // Past this a field stops growing; value * 10 + 9 stays inside 64 bits.
    constexpr qint64 limit = 100000000000000000; // 1e17
    qsizetype pos = 0;
    int converted = 0;
    for (const char *f = format; *f; ++f) {
        if (f[0] == '%' && f[1] == 'd') {
            ++f;
            while (pos < text.size() && isSpace(text[pos]))
                ++pos;
            bool negative = false;
            if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
                negative = text[pos++] == '-';
            if (pos >= text.size() || !std::isdigit(static_cast<unsigned char>(text[pos])))
                return converted;
            qint64 value = 0;
            while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
                if (value < limit)
                    value = value * 10 + (text[pos] - '0');
                ++pos;
            }
            if (converted >= maxFields)
                return converted;
            fields[converted++] = negative ? -value : value;
        } else if (isSpace(*f)) {
            while (pos < text.size() && isSpace(text[pos]))
                ++pos;
        } else {
            if (pos >= text.size() || text[pos] != *f)
                return converted;
            ++pos;
        }
    }
    return converted;
}

double LeadingReal(const QByteArray &text, qsizetype *consumed)
{
    // Decimal forms only: [sign] digits [. digits] [e [sign] digits], with at
    // least one digit before the exponent. "inf", "nan" and hexadecimal
    // floats are not numbers here.
    auto digit = [&](qsizetype i) {
        return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
    };
    qsizetype pos = 0;
    while (pos < text.size() && isSpace(text[pos]))
        ++pos;
    const qsizetype start = pos;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        ++pos;
    qsizetype mantissaDigits = 0;
    while (digit(pos)) {
        ++pos;
        ++mantissaDigits;
    }
    if (pos < text.size() && text[pos] == '.') {
        qsizetype after = pos + 1;
        qsizetype fraction = 0;
        while (digit(after)) {
            ++after;
            ++fraction;
        }
        if (mantissaDigits + fraction > 0) {
            pos = after;
            mantissaDigits += fraction;
        }
    }
    if (mantissaDigits == 0) {
        if (consumed)
            *consumed = 0;
        return 0.0;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        qsizetype e = pos + 1;
        if (e < text.size() && (text[e] == '-' || text[e] == '+'))
            ++e;
        if (digit(e)) {
            while (digit(e))
                ++e;
            pos = e;
        }
    }
    if (consumed)
        *consumed = pos;
    // strtod in the C locale: Qt sets the process locale from the
    // environment, whose decimal point may not be '.'.
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
    const QByteArray number = text.mid(start, pos - start);
    return strtod_l(number.constData(), nullptr, cLocale);
}
