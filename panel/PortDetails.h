#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

class QAbstractButton;
class QWidget;
class PortRead;

// The details of a port on hover: resting the mouse on a port button, or
// focusing it, shows a tooltip with the port's name and description, its
// operational status, speed and duplex, its PVID, the VLANs it is untagged
// and tagged in, and its in/out rate once two reads of its counters give
// one. The tooltip says ReadingText until the answer comes and the error
// line when the read fails; the button keeps the last text as its tooltip.
// Nothing waits: one request reads the port's objects, and a walk of the
// current VLAN table is kept for VlanCacheMs, shared by the panels of an
// agent. One port is read at a time; a port asked for meanwhile is read
// after it. The LED poll is left alone.
class PortDetails : public QObject
{
    Q_OBJECT

public:
    explicit PortDetails(QWidget *panel);
    ~PortDetails() override;

    void Watch(QAbstractButton *button);

    static const QString ReadingText;
    static constexpr int VlanCacheMs = 5000;
    // The time-out of each try, in centiseconds.
    static constexpr int Timeout = 200;

    // One VLAN of the current table.
    struct Vlan
    {
        int id = 0;
        QByteArray egress;
        QByteArray untagged;
    };

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Sample
    {
        qint64 atMs = 0;
        quint32 in = 0;
        quint32 out = 0;
    };

    void ask(QAbstractButton *button, const QPoint &at);
    void startRead();
    void readDone();
    void show(const QString &text, bool always);
    QString describe(int port);
    QString rate(int port);

    QPointer<QAbstractButton> m_asked; // the button the tooltip is for
    QPoint m_at;
    int m_reading = 0; // the port being read, 0 when none
    QPointer<PortRead> m_ports;
    QPointer<PortRead> m_vlans;
    bool m_walked = false; // the running read walks the VLAN table
    QList<Vlan> m_walk; // its rows so far
    QHash<int, Sample> m_samples; // the last counters read per port
};
