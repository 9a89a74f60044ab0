#pragma once

#include <QString>

// Paths keep their described form with '\' in texts; every file is opened
// through this function, which turns the separators into '/'.
QString LocalPath(const QString &describedPath);
