#pragma once

// What the panel benchmarks share: writing their settings files, reading a
// process's resident memory, and waiting with the event loop running.

#include <QByteArray>
#include <QEventLoop>
#include <QFile>
#include <QString>
#include <QTimer>

#include <optional>

inline bool writeFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// A process's resident memory in MB, from /proc.
inline std::optional<double> residentMb(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/status").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return std::nullopt;
}

inline void waitMs(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
