#include "CvValueTexts.h"

#include "CvBinaryString.h"
#include "CvCatalogues.h"
#include "CvException.h"
#include "CvExpression.h"
#include "CvScan.h"

#include <QDate>
#include <QDateTime>
#include <QHostAddress>
#include <QHostInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>
#include <QtEndian>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// White space, optional sign, digits; the magnitude saturates at 2^64 - 1.
struct Leading
{
    bool negative = false;
    quint64 magnitude = 0;
};

Leading leadingNumber(QStringView text)
{
    Leading n;
    qsizetype pos = 0;
    while (pos < text.size() && text[pos].isSpace())
        ++pos;
    if (pos < text.size() && (text[pos] == QLatin1Char('-') || text[pos] == QLatin1Char('+')))
        n.negative = text[pos++] == QLatin1Char('-');
    constexpr quint64 max = std::numeric_limits<quint64>::max();
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        const quint64 d = text[pos].unicode() - u'0';
        n.magnitude = n.magnitude > (max - d) / 10 ? max : n.magnitude * 10 + d;
    }
    return n;
}

const QDate &dayZero()
{
    static const QDate d(1899, 12, 30);
    return d;
}

constexpr qint64 msPerDay = 86400000;

CvHostResolver &hostResolver()
{
    static CvHostResolver resolver;
    return resolver;
}

std::optional<QByteArray> systemResolve(const QString &host)
{
    const QHostInfo info = QHostInfo::fromName(host);
    for (const QHostAddress &address : info.addresses()) {
        bool ok = false;
        const quint32 v4 = address.toIPv4Address(&ok);
        if (ok) {
            QByteArray o(4, '\0');
            qToBigEndian(v4, o.data());
            return o;
        }
    }
    return std::nullopt;
}

} // namespace

QString HexText(const QByteArray &octets)
{
    return QString::fromLatin1(octets.toHex().toUpper());
}

QByteArray OctetsFromHex(QStringView text)
{
    QString digits;
    digits.reserve(text.size() + 1);
    for (const QChar c : text) {
        if (c != QLatin1Char(' '))
            digits += c;
    }
    if (digits.size() % 2)
        digits.prepend(QLatin1Char('0'));
    return CvBinaryString(digits).data();
}

QString TimeTicksText(quint32 t)
{
    const quint32 days = t / 8640000;
    const quint32 rest = t % 8640000;
    const QString clock = QString::asprintf(
        "%u:%02u:%02u.%02u", rest / 360000, rest % 360000 / 6000, rest % 6000 / 100, rest % 100);
    if (days == 0)
        return clock;
    if (days == 1)
        return QStringLiteral("1 day ") + clock;
    return QStringLiteral("%1 days, ").arg(days) + clock;
}

quint32 ParseTimeTicks(QStringView text)
{
    if (!text.contains(QLatin1Char(':')) && !text.contains(QLatin1Char('.')))
        return 0;
    // Each part is capped at 2^32 so the weighted sum stays inside 64 bits.
    auto number = [](QStringView part) {
        const Leading n = leadingNumber(part);
        return n.negative ? quint64(0) : std::min<quint64>(n.magnitude, 0x100000000u);
    };
    quint64 total = 0;
    QStringView rest = text;
    const qsizetype day = text.indexOf(QLatin1String("day"), 0, Qt::CaseInsensitive);
    if (day >= 0) {
        total += number(text.left(day)) * 8640000;
        qsizetype pos = day + 3;
        if (pos < text.size() && (text[pos] == QLatin1Char('s') || text[pos] == QLatin1Char('S')))
            ++pos;
        while (pos < text.size() && text[pos].isSpace())
            ++pos;
        if (pos < text.size() && text[pos] == QLatin1Char(','))
            ++pos;
        rest = text.mid(pos);
    }
    const qsizetype hoursEnd = rest.indexOf(QLatin1Char(':'));
    if (hoursEnd >= 0) {
        total += number(rest.left(hoursEnd)) * 360000;
        rest = rest.mid(hoursEnd + 1);
        const qsizetype minutesEnd = rest.indexOf(QLatin1Char(':'));
        if (minutesEnd >= 0) {
            total += number(rest.left(minutesEnd)) * 6000;
            rest = rest.mid(minutesEnd + 1);
        }
    }
    const qsizetype point = rest.indexOf(QLatin1Char('.'));
    if (point >= 0) {
        total += number(rest.left(point)) * 100;
        total += number(rest.mid(point + 1));
    } else {
        total += number(rest) * 100;
    }
    return quint32(std::min<quint64>(total, 0xFFFFFFFFu));
}

qint32 LeadingInt32(QStringView text)
{
    const Leading n = leadingNumber(text);
    if (n.negative)
        return n.magnitude >= 0x80000000u ? std::numeric_limits<qint32>::min()
                                          : -qint32(n.magnitude);
    return n.magnitude >= 0x7FFFFFFFu ? std::numeric_limits<qint32>::max() : qint32(n.magnitude);
}

quint32 LeadingUInt32(QStringView text)
{
    const Leading n = leadingNumber(text);
    if (n.negative)
        return 0;
    return quint32(std::min<quint64>(n.magnitude, 0xFFFFFFFFu));
}

quint64 LeadingUInt64(QStringView text)
{
    const Leading n = leadingNumber(text);
    return n.negative ? 0 : n.magnitude;
}

QString RealText(double value)
{
    return FormatGeneralReal(value);
}

double ParseReal(QStringView text)
{
    return LeadingReal(text.toLatin1());
}

std::optional<double> DaysFromFields(
    int year, int month, int day, int hour, int minute, int second, int millisecond)
{
    if (year < 1 || year > 9999)
        return std::nullopt;
    const QDate date(year, month, day);
    const QTime time(hour, minute, second, millisecond);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    const double days = double(dayZero().daysTo(date));
    const double fraction = double(time.msecsSinceStartOfDay()) / double(msPerDay);
    return days >= 0 ? days + fraction : days - fraction;
}

std::optional<CvDateTimeFields> FieldsFromDays(double value)
{
    // 1 January 0001 to 31 December 9999.
    if (!std::isfinite(value) || value <= -693594.0 || value >= 2958466.0)
        return std::nullopt;
    qint64 days = qint64(std::trunc(value));
    qint64 ms = qint64(std::llround(std::fabs(value - double(days)) * double(msPerDay)));
    if (ms >= msPerDay) {
        ms -= msPerDay;
        ++days;
    }
    const QDate date = dayZero().addDays(days);
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return std::nullopt;
    const QTime time = QTime::fromMSecsSinceStartOfDay(int(ms));
    return CvDateTimeFields {date.year(), date.month(), date.day(), time.hour(), time.minute(),
        time.second(), time.msec()};
}

std::optional<QString> DaysText(double days)
{
    const auto f = FieldsFromDays(days);
    if (!f)
        return std::nullopt;
    const int hour12 = f->hour % 12 == 0 ? 12 : f->hour % 12;
    return QString::asprintf("%04d/%02d/%02d %02d:%02d:%02d %s", f->year, f->month, f->day, hour12,
        f->minute, f->second, f->hour < 12 ? "am" : "pm");
}

std::optional<double> DaysFromText(QStringView text)
{
    // Our own form first ("2003/05/26 01:30:15 pm", 24-hour without the
    // marker, seconds optional), then the locale's short formats.
    static const QRegularExpression own(
        QStringLiteral("^\\s*(\\d{1,4})/(\\d{1,2})/(\\d{1,2})"
                       "(?:\\s+(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?\\s*(am|pm|a|p)?)?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = own.match(text.toString());
    if (m.hasMatch()) {
        int hour = m.captured(4).toInt();
        const QString marker = m.captured(7).toLower();
        if (!marker.isEmpty()) {
            if (hour > 12)
                return std::nullopt;
            if (marker.startsWith(QLatin1Char('p')) && hour != 12)
                hour += 12;
            else if (marker.startsWith(QLatin1Char('a')) && hour == 12)
                hour = 0;
        }
        return DaysFromFields(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
            hour, m.captured(5).toInt(), m.captured(6).toInt(), 0);
    }
    const QLocale locale;
    const QString s = text.trimmed().toString();
    QDateTime dt = locale.toDateTime(s, QLocale::ShortFormat);
    if (!dt.isValid())
        dt = QDateTime(locale.toDate(s, QLocale::ShortFormat), QTime(0, 0));
    if (!dt.isValid())
        return std::nullopt;
    const QDate d = dt.date();
    const QTime t = dt.time();
    return DaysFromFields(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), 0);
}

QByteArray DoubleOctets(double value)
{
    QByteArray o(8, '\0');
    qToLittleEndian(std::bit_cast<quint64>(value), o.data());
    return o;
}

std::optional<double> DoubleFromOctets(const QByteArray &octets)
{
    if (octets.size() < 8)
        return std::nullopt;
    return std::bit_cast<double>(qFromLittleEndian<quint64>(octets.constData()));
}

std::optional<QByteArray> ParseDottedQuad(QStringView text)
{
    QByteArray o;
    qsizetype pos = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (pos >= text.size() || text[pos] != QLatin1Char('.'))
                return std::nullopt;
            ++pos;
        }
        int value = 0;
        int digits = 0;
        for (; pos < text.size() && isDigit(text[pos]) && digits < 4; ++pos, ++digits)
            value = value * 10 + (text[pos].unicode() - u'0');
        if (digits == 0 || digits > 3 || value > 255)
            return std::nullopt;
        o.append(char(value));
    }
    if (pos != text.size())
        return std::nullopt;
    return o;
}

QString DottedQuadText(const QByteArray &o)
{
    auto u = [&](int k) { return unsigned(quint8(o.at(k))); };
    return QString::asprintf("%u.%u.%u.%u", u(0), u(1), u(2), u(3));
}

bool IsHostName(QStringView text)
{
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (text.isEmpty() || text.size() > 253)
        return false;
    QStringView last;
    for (QStringView label : text.split(QLatin1Char('.'))) {
        if (label.isEmpty() || label.size() > 63 || label.startsWith(QLatin1Char('-'))
            || label.endsWith(QLatin1Char('-')))
            return false;
        for (QChar c : label)
            if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != QLatin1Char('-')
                && c != QLatin1Char('_'))
                return false;
        last = label;
    }
    // A resolver reads a last label of digits, or 0x and hexadecimal
    // digits, as part of an address ("10.1.2" as 10.1.0.2).
    static const QRegularExpression number(QStringLiteral("^(\\d+|0[xX][0-9a-fA-F]*)$"));
    return !number.match(last.toString()).hasMatch();
}

QByteArray IpAddressOctets(const QString &text)
{
    const QString host = text.trimmed();
    if (auto quad = ParseDottedQuad(host))
        return *quad;
    std::optional<QByteArray> resolved;
    if (IsHostName(host))
        resolved = hostResolver() ? hostResolver()(host) : systemResolve(host);
    if (!resolved || resolved->size() != 4)
        RaiseEngine(EngineCode::BadAddress);
    return *resolved;
}

void SetHostResolver(CvHostResolver resolver)
{
    hostResolver() = std::move(resolver);
}

QByteArray CharOctets(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() > 0xFF)
            throw CvException(FillPlaceholders(MessageOf(EngineCode::NotLatin1), {{"TEXT", text}}),
                EngineCode::NotLatin1);
    return text.toLatin1();
}

QString TextFromChars(const QByteArray &octets)
{
    const qsizetype zero = octets.indexOf('\0');
    return QString::fromLatin1(zero < 0 ? octets : octets.left(zero));
}
