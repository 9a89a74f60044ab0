#pragma once

#include "StartupParameters.h"

#include <QString>
#include <QStringList>

// Standard MIB groups are shown by the host's MIB-browser programs, one per
// family ("MIB", "IFMib", "Rmon", ...). The command line carries the view
// argument ("/TRmon_History") and the module's own agent and credentials.

// The family of a view argument: from its third character up to its first "_".
QString ViewFamily(const QString &view);

// What the status bar says about the host's installation; empty when the
// host application is installed.
QString ViewInstallationStatus();

// The command line for a view, from the start-up state and the defaults.
QString MakeViewCommand(
    const QString &view, const StartupState &state, const CvSNMPSessionDefaults &defaults);

// Splits a command line at blanks into program and arguments, as it is
// started: no shell ever sees it.
QStringList SplitCommandLine(const QString &command);

// Starts the command line detached; failures are ignored.
void StartCommandLine(const QString &command);
