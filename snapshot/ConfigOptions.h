#pragma once

#include "CvSNMPSession.h"

#include <QString>
#include <QStringList>

#include <optional>

// The command line of trv8170ql-config: a command, its files and switch,
// and the session options trv8170ql-connect takes.
struct ConfigCommand
{
    QString command; // save, diff, restore
    QStringList files;
    QString host;
    QString output; // save -o FILE; empty: standard output
    bool secrets = false; // save --secrets
    bool dryRun = false;
    bool yes = false;
    bool confirmAccess = false; // restore --confirm-access
    bool keepRows = false; // restore --keep-rows
    CvSNMPSessionDefaults session;
    bool authGiven = false;
    bool privGiven = false;
    QString auth; // protocol names as given
    QString priv;
};

// The command line parsed; nullopt with the reason in error.
std::optional<ConfigCommand> ParseConfigCommand(const QStringList &arguments, QString *error);

QString ConfigUsage();
