#include "CvBootCounter.h"

#include "CvCatalogues.h"
#include "CvException.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>
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

    const QString tmpName = fileName + QStringLiteral(".tmp");
    QFile tmp(tmpName);
    bool ok = tmp.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (ok) {
        QByteArray contents = lines.join('\n');
        contents.append('\n');
        ok = tmp.write(contents) == contents.size() && tmp.flush() && ::fsync(tmp.handle()) == 0;
        tmp.close();
    }
    ok = ok
        && std::rename(
               QFile::encodeName(tmpName).constData(), QFile::encodeName(fileName).constData())
            == 0;
    if (!ok) {
        QFile::remove(tmpName);
        RaiseEngine(EngineCode::BootsSaveFailed);
    }
}
