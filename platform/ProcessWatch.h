#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

class QSocketNotifier;

// A process told apart from a later one that is given the same id: its id
// and the time it started, in clock ticks after boot.
struct ProcessIdentity
{
    qint64 pid = 0;
    quint64 startTime = 0;

    // "PID:START", as a command line carries it.
    QString ToText() const;
    static std::optional<ProcessIdentity> FromText(const QString &text);

    // This program's own.
    static ProcessIdentity Self();
    // The running process of that id; nullopt when there is none or it has
    // ended and waits to be reaped.
    static std::optional<ProcessIdentity> Of(qint64 pid);

    bool operator==(const ProcessIdentity &) const = default;
};

// Tells when a process ends. The kernel reports the end through a process
// descriptor; where none can be had, the process is looked at every second.
class ProcessWatch : public QObject
{
    Q_OBJECT

public:
    explicit ProcessWatch(const ProcessIdentity &watched, QObject *parent = nullptr);
    ~ProcessWatch() override;

    // False when the process had ended, or its id was another's, when the
    // watch began; Ended is not emitted then.
    bool WatchedIsRunning() const { return m_running; }

signals:
    void Ended();

private:
    void lookAgain();
    void end();

    ProcessIdentity m_watched;
    bool m_running = false;
    int m_descriptor = -1;
    QSocketNotifier *m_notifier = nullptr;
    QTimer m_poll;
};
