#include "LocalPath.h"

QString LocalPath(const QString &describedPath)
{
    QString path = describedPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}
