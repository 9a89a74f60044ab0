#include "CvFormatSpecifier.h"

#include "CvCommonMessages.h"
#include "CvScan.h"

#include <cfloat>
#include <limits>

namespace {

[[noreturn]] void bad()
{
    RaiseCommon(CommonBadFormatSpecifier);
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isNumberChar(QChar c)
{
    return isDigit(c) || c == QLatin1Char('-') || c == QLatin1Char('.');
}

// The digits at pos as a count, saturating at the largest qint32; pos moves
// past them. No digit at all is an option without its argument.
qint32 readCount(QStringView text, qsizetype &pos)
{
    const qsizetype start = pos;
    qint64 value = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        value = std::min<qint64>(
            value * 10 + (text[pos].unicode() - u'0'), std::numeric_limits<qint32>::max());
        ++pos;
    }
    if (pos == start)
        bad();
    return qint32(value);
}

double readNumber(QStringView text, qsizetype &pos)
{
    const qsizetype start = pos;
    while (pos < text.size() && isNumberChar(text[pos]))
        ++pos;
    if (pos == start)
        bad();
    return LeadingReal(text.mid(start, pos - start).toLatin1());
}

void setTypeDefaults(CvFormatSpecifier &spec)
{
    switch (spec.type) {
    case 'i':
        spec.minimum = std::numeric_limits<qint32>::min();
        spec.maximum = std::numeric_limits<qint32>::max();
        break;
    case 'u':
    case 'n':
        spec.minimum = 0;
        spec.maximum = std::numeric_limits<quint32>::max();
        break;
    case 'f':
        spec.minimum = DBL_MIN;
        spec.maximum = DBL_MAX;
        break;
    default:
        break;
    }
}

void readOptions(CvFormatSpecifier &spec, QStringView block)
{
    qsizetype pos = 0;
    while (pos < block.size()) {
        const QChar option = block[pos++];
        switch (option.unicode()) {
        case u'n':
            spec.minimum = readNumber(block, pos);
            break;
        case u'x':
            spec.maximum = readNumber(block, pos);
            break;
        case u'l':
            spec.maxLength = readCount(block, pos);
            for (int k = 0; k < 3 && pos < block.size(); ++k, ++pos) {
                const QChar flag = block[pos];
                if (flag == QLatin1Char('a'))
                    spec.flags |= CvFormatSpecifier::AdvanceWhenFull;
                else if (flag == QLatin1Char('f'))
                    spec.flags |= CvFormatSpecifier::ExactLength;
                else if (flag == QLatin1Char('n'))
                    spec.flags |= CvFormatSpecifier::NotEmpty;
                else
                    break;
            }
            break;
        case u'w':
            spec.width = readCount(block, pos);
            break;
        case u'e':
            if (pos >= block.size())
                bad();
            spec.exitChar = block[pos++].toLatin1();
            if (spec.exitChar == 0)
                bad();
            break;
        default:
            bad();
        }
    }
}

} // namespace

CvFormatSpecifier CvFormatSpecifier::Parse(const QString &specifier)
{
    const QStringView text(specifier);
    if (text.size() < 2 || text[0] != QLatin1Char('%'))
        bad();
    CvFormatSpecifier spec;
    const QChar type = text[1];
    if (!QStringView(u"shiufn").contains(type))
        bad();
    spec.type = type.toLatin1();
    setTypeDefaults(spec);
    qsizetype pos = 2;
    if (spec.type == 'n') {
        if (pos >= text.size())
            bad();
        spec.delimiter = text[pos++].toLatin1();
        // A delimiter outside Latin-1 could never be typed back as itself.
        if (spec.delimiter == 0)
            bad();
    }
    if (pos == text.size())
        return spec;
    if (text[pos] != QLatin1Char('{') || text.back() != QLatin1Char('}') || text.size() - pos < 2)
        bad();
    readOptions(spec, text.mid(pos + 1, text.size() - pos - 2));
    return spec;
}

QStringList SplitFormat(const QString &format)
{
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 1; i < format.size(); ++i) {
        if (format.at(i) == QLatin1Char('%')) {
            parts.append(format.mid(start, i - start));
            start = i;
        }
    }
    if (!format.isEmpty())
        parts.append(format.mid(start));
    return parts;
}

int CountFormatEdits(const QString &format)
{
    int count = 0;
    for (qsizetype i = 0; i + 1 < format.size(); ++i) {
        if (format.at(i) == QLatin1Char('%') && QStringView(u"shiufn").contains(format.at(i + 1)))
            ++count;
    }
    return count;
}
