#pragma once

#include <QString>

// Joins a folder and a file name with the '\' of the described paths:
// name alone for an empty folder, no second separator when the folder
// already ends with one.
QString JoinPath(const QString &folder, const QString &name);
