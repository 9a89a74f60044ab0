#pragma once

#include <QByteArray>
#include <QString>

// The SNMPv2 DateAndTime value: eleven octets, year most significant octet
// first on the wire and in host order inside the object.
class CvDateTime
{
public:
    CvDateTime(); // now, local time, to the second, zone +0:0
    explicit CvDateTime(const QString &text);

    // Text "y-m-d,h:m:s.d" followed by ",+h:m" or ",-h:m" when the zone is
    // not 0:0 and the direction is '+' or '-'.
    QString ToText() const;

    // Exchanges the two octets of year, as the wire order needs.
    void SwapYear();

    // The eleven octets as they travel; FromOctets needs at least eleven
    // and returns false (leaving the value alone) when there are fewer.
    QByteArray ToOctets() const;
    bool FromOctets(const QByteArray &octets);

    quint16 year = 0;
    quint8 month = 0;
    quint8 day = 0;
    quint8 hour = 0;
    quint8 minutes = 0;
    quint8 seconds = 0;
    quint8 deciSeconds = 0;
    char direction = '+';
    quint8 utcHours = 0;
    quint8 utcMinutes = 0;

    static constexpr int OctetCount = 11;
};
