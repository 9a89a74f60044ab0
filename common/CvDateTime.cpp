#include "CvDateTime.h"

#include "CvScan.h"

#include <QDateTime>

CvDateTime::CvDateTime()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    year = quint16(d.year());
    month = quint8(d.month());
    day = quint8(d.day());
    hour = quint8(t.hour());
    minutes = quint8(t.minute());
    seconds = quint8(t.second());
}

CvDateTime::CvDateTime(const QString &text)
{
    // The three forms are tried in turn, as a scanf with "%d" fields would:
    // with zone "+h:m", with zone "-h:m", then without zone.
    qint64 f[9] = {};
    const QByteArray latin = text.toLatin1();
    if (ScanFormat(latin, "%d-%d-%d,%d:%d:%d.%d,+%d:%d", f, 9) == 9) {
        direction = '+';
    } else if (ScanFormat(latin, "%d-%d-%d,%d:%d:%d.%d,-%d:%d", f, 9) == 9) {
        direction = '-';
    } else {
        std::fill(std::begin(f), std::end(f), 0);
        ScanFormat(latin, "%d-%d-%d,%d:%d:%d.%d", f, 7);
        direction = '+';
        f[7] = f[8] = 0;
    }
    // Each field keeps the low bits of the number, as storing an int into
    // the narrower field does.
    year = quint16(f[0]);
    month = quint8(f[1]);
    day = quint8(f[2]);
    hour = quint8(f[3]);
    minutes = quint8(f[4]);
    seconds = quint8(f[5]);
    deciSeconds = quint8(f[6]);
    utcHours = quint8(f[7]);
    utcMinutes = quint8(f[8]);
}

QString CvDateTime::ToText() const
{
    QString text = QString::asprintf(
        "%d-%d-%d,%d:%d:%d.%d", year, month, day, hour, minutes, seconds, deciSeconds);
    if ((utcHours != 0 || utcMinutes != 0) && (direction == '+' || direction == '-'))
        text += QString::asprintf(",%c%d:%d", direction, utcHours, utcMinutes);
    return text;
}

void CvDateTime::SwapYear()
{
    year = quint16((year >> 8) | (year << 8));
}

QByteArray CvDateTime::ToOctets() const
{
    QByteArray o(OctetCount, '\0');
    o[0] = char(year >> 8);
    o[1] = char(year & 0xFF);
    o[2] = char(month);
    o[3] = char(day);
    o[4] = char(hour);
    o[5] = char(minutes);
    o[6] = char(seconds);
    o[7] = char(deciSeconds);
    o[8] = direction;
    o[9] = char(utcHours);
    o[10] = char(utcMinutes);
    return o;
}

bool CvDateTime::FromOctets(const QByteArray &o)
{
    if (o.size() < OctetCount)
        return false;
    auto u = [&](int k) { return quint8(o[k]); };
    year = quint16((u(0) << 8) | u(1));
    month = u(2);
    day = u(3);
    hour = u(4);
    minutes = u(5);
    seconds = u(6);
    deciSeconds = u(7);
    direction = o[8];
    utcHours = u(9);
    utcMinutes = u(10);
    return true;
}
