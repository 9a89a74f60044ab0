#pragma once

#include <QByteArray>
#include <QString>

// The operator's configuration directory and the files in it: the folder is
// the operator's alone (0700), each file too (0600), and a file is replaced
// whole or not at all.

// $XDG_CONFIG_HOME/trv8170ql, by default ~/.config/trv8170ql.
QString OperatorConfigDirectory();

// Makes the folder when it is missing and takes it for the operator alone;
// false with the reason in error.
bool MakePrivateDirectory(const QString &path, QString *error);

// Writes the file through a temporary file beside it, readable by the
// operator only, renamed over the old one; false with the reason in error.
bool WritePrivateFile(const QString &fileName, const QByteArray &contents, QString *error);
