#include "CvBootCounter.h"

#include "CvCatalogues.h"
#include "CvException.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr qint64 MaxFileBytes = 1024 * 1024;

QList<QByteArray> readLines(const QString &fileName, bool &exists)
{
    QFile file(fileName);
    exists = file.exists();
    if (!exists)
        return {};
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileBytes)
        RaiseEngine(EngineCode::BootsLoadFailed);
    QByteArray contents = file.readAll();
    if (contents.endsWith('\n'))
        contents.chop(1);
    QList<QByteArray> lines = contents.isEmpty() ? QList<QByteArray>() : contents.split('\n');
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

// The index of the engine's line, or -1.
qsizetype findEngine(const QList<QByteArray> &lines, const QByteArray &encoded)
{
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const QByteArray &line = lines.at(k);
        if (!line.startsWith('#') && line.startsWith(encoded + ' '))
            return k;
    }
    return -1;
}

// Holds an exclusive lock on the counter file's folder while one program
// reads, counts up and writes the file, so that programs starting together
// (the module and its views) neither lose each other's lines nor counts.
// The folder is locked rather than a lock file, which would stay behind.
class FolderLock
{
public:
    explicit FolderLock(const QString &fileName)
    {
        const QByteArray folder = QFile::encodeName(QFileInfo(fileName).absolutePath());
        m_fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (m_fd < 0)
            return;
        int rc = 0;
        do
            rc = ::flock(m_fd, LOCK_EX);
        while (rc != 0 && errno == EINTR);
        if (rc != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~FolderLock()
    {
        if (m_fd >= 0)
            ::close(m_fd); // releases the lock
    }
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

private:
    int m_fd = -1;
};

} // namespace

QByteArray CvBootCounter::EncodeEngineId(const QByteArray &engineId)
{
    QByteArray out;
    out.reserve(engineId.size() * 2);
    for (char c : engineId) {
        const auto octet = static_cast<unsigned char>(c);
        out.append(char(64 + (octet >> 4)));
        out.append(char(64 + (octet & 0x0F)));
    }
    return out;
}

quint32 CvBootCounter::Load(const QString &fileName, const QByteArray &engineId)
{
    bool exists = false;
    const QList<QByteArray> lines = readLines(fileName, exists);
    const QByteArray encoded = EncodeEngineId(engineId);
    const qsizetype k = findEngine(lines, encoded);
    if (k < 0)
        return 0;
    bool ok = false;
    const qulonglong boots = lines.at(k).mid(encoded.size() + 1).trimmed().toULongLong(&ok);
    if (!ok)
        RaiseEngine(EngineCode::BootsLoadFailed);
    return boots > MaxBoots ? MaxBoots : quint32(boots);
}

void CvBootCounter::Save(const QString &fileName, const QByteArray &engineId, quint32 boots)
{
    QList<QByteArray> lines;
    try {
        bool exists = false;
        lines = readLines(fileName, exists);
    } catch (const CvException &) {
        RaiseEngine(EngineCode::BootsSaveFailed);
    }
    const QByteArray encoded = EncodeEngineId(engineId);
    const QByteArray line = encoded + ' ' + QByteArray::number(boots);
    const qsizetype k = findEngine(lines, encoded);
    if (k >= 0)
        lines[k] = line;
    else
        lines.append(line);

    // A temporary file of this writer's own beside the counter, flushed to
    // disk and renamed over it: no other writer shares the name, and a crash
    // never leaves a half-written counter.
    QSaveFile out(fileName);
    QByteArray contents = lines.join('\n');
    contents.append('\n');
    const bool ok
        = out.open(QIODevice::WriteOnly) && out.write(contents) == contents.size() && out.commit();
    if (!ok) {
        out.cancelWriting();
        RaiseEngine(EngineCode::BootsSaveFailed);
    }
}

quint32 CvBootCounter::CountUp(const QString &fileName, const QByteArray &engineId)
{
    // A folder that cannot be opened to lock is not locked; its file fails
    // as it would without the lock.
    const FolderLock lock(fileName);
    const quint32 boots = Load(fileName, engineId);
    const quint32 next = boots >= MaxBoots ? boots : boots + 1;
    Save(fileName, engineId, next);
    return next;
}
