#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QUdpSocket>

#include <map>
#include <vector>

// An SNMPv1/v2c agent on a free loopback port that serves a unit table
// written by the test: rows the simulator never reports ("not-exist" before
// a present unit, models no panel knows, any unit numbers) and LED status
// strings with chosen octets. Get and get-next only; it can be told to
// answer every request with an error.
class UnitTableAgent : public QObject
{
    Q_OBJECT

public:
    struct Unit
    {
        quint32 id = 1;
        bool exists = true;
        QString model;
        int ports = 24;
        QByteArray leds = QByteArray(108, '\x03');
        // Rows more of the same unit, indexed id.1, id.2, ...: a table that
        // goes on without ever passing the unit.
        int repeats = 0;

        // A 50-port unit of model showing leds.
        static Unit WithLeds(quint32 id, const QString &model, const QByteArray &leds)
        {
            return Unit {id, true, model, 50, leds};
        }
    };

    UnitTableAgent();

    void setUnits(const QList<Unit> &units);
    void setLedStatus(quint32 unit, const QByteArray &octets);
    // Every request is answered with genErr while set.
    void setFailing(bool failing) { m_failing = failing; }
    // Every get-next after the first steps is answered with genErr; -1 never.
    void setFailingWalkAfter(int steps) { m_walkFailsAfter = steps; }

    quint16 port() const { return m_socket.localPort(); }
    int requests() const { return m_requests; }
    int getNextRequests() const { return m_getNexts; }

private:
    using Oid = std::vector<quint32>;
    struct Value
    {
        quint8 tag = 0;
        QByteArray content;
    };

    void answer();
    QByteArray respond(const QByteArray &request);

    QUdpSocket m_socket;
    std::map<Oid, Value> m_objects;
    bool m_failing = false;
    int m_walkFailsAfter = -1;
    int m_requests = 0;
    int m_getNexts = 0;
};
