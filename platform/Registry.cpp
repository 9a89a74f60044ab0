#include "Registry.h"

#include "CvIniDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString Registry::StoreFileName()
{
    const QByteArray env = qgetenv("TRV_REGISTRY");
    if (!env.isEmpty())
        return QString::fromLocal8Bit(env);
    return StoreFileNameFor(
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString());
}

QString Registry::StoreFileNameFor(const QString &programDirectory)
{
    const QString installed = QDir::cleanPath(programDirectory);
    const QLatin1String programDir(TRV_PROGRAM_DIR);
    const QString root
        = installed.endsWith(programDir) ? installed.chopped(programDir.size()) : QString();
    return root + QStringLiteral("/etc/trv8170ql/registry.ini");
}

RegistryKey::RegistryKey(QString path, QString fileName)
    : m_path(std::move(path))
    , m_fileName(std::move(fileName))
{
}

static bool addKey(const QString &fileName, CvIniDocument doc, const QString &path)
{
    doc.AddSection(path);
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(doc.Serialize());
    return file.commit();
}

std::optional<RegistryKey> RegistryKey::Open(const QString &path, bool create)
{
    const QString fileName = Registry::StoreFileName();
    const CvIniDocument doc = CvIniDocument::ReadFile(fileName);
    if (doc.HasSection(path))
        return RegistryKey(path, fileName);
    if (!create)
        return std::nullopt;
    // A store that is too large or binary reads as empty; it is never
    // overwritten, so nothing in it is lost.
    QFile existing(fileName);
    const bool damaged = existing.open(QIODevice::ReadOnly)
        && (existing.size() > CvIniDocument::MaxFileBytes || existing.readAll().contains('\0'));
    if (!damaged)
        addKey(fileName, doc, path);
    return RegistryKey(path, fileName);
}

bool RegistryKey::ValueExists(const QString &name) const
{
    return CvIniDocument::ReadFile(m_fileName).Value(m_path, name).has_value();
}

QString RegistryKey::ReadString(const QString &name) const
{
    return CvIniDocument::ReadFile(m_fileName).Value(m_path, name).value_or(QString());
}
