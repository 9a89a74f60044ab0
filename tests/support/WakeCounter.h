#pragma once

#include <QAbstractEventDispatcher>
#include <QObject>

#include <sys/resource.h>

// Counts the wake-ups of the thread's event loop while it lives. A wait
// that sleeps in an event loop wakes for its timers and answers only, a few
// dozen times a second; one that spins in processEvents wakes thousands of
// times, however busy the machine is.
class WakeCounter
{
public:
    WakeCounter()
        : m_connection(QObject::connect(QAbstractEventDispatcher::instance(),
            &QAbstractEventDispatcher::awake, [this] { ++m_count; }))
    {
    }
    ~WakeCounter() { QObject::disconnect(m_connection); }
    WakeCounter(const WakeCounter &) = delete;
    WakeCounter &operator=(const WakeCounter &) = delete;

    int count() const { return m_count; }

    // The processor time this process has used, user and system, in ms.
    static qint64 cpuMs()
    {
        rusage usage {};
        getrusage(RUSAGE_SELF, &usage);
        return qint64(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000
            + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
    }

private:
    int m_count = 0;
    QMetaObject::Connection m_connection;
};
