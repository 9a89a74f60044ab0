#include "PrivateFiles.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

QString OperatorConfigDirectory()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/trv8170ql");
}

bool MakePrivateDirectory(const QString &path, QString *error)
{
    if (!QDir().mkpath(path)
        || !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        if (error)
            *error = QStringLiteral("The folder %1 cannot be made yours alone.").arg(path);
        return false;
    }
    return true;
}

bool WritePrivateFile(const QString &fileName, const QByteArray &contents, QString *error)
{
    QSaveFile file(fileName);
    // Narrowed before the first byte is written: an old file's wider
    // permissions are not taken over.
    const bool written = file.open(QIODevice::WriteOnly)
        && file.setPermissions(QFile::ReadOwner | QFile::WriteOwner)
        && file.write(contents) == contents.size() && file.commit();
    if (!written && error)
        *error = QStringLiteral("%1 cannot be written: %2").arg(fileName, file.errorString());
    return written;
}
