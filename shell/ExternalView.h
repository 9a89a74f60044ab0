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

// The program a command line names: the executable of that name in the
// module's own directory when there is one, else the one the program search
// path finds, else the name as it is.
QString ViewProgram(const QString &name, const QString &ownDirectory);

// Starts the command line detached, its program found as ViewProgram finds
// it from the module's directory; failures are ignored.
void StartCommandLine(const QString &command);
