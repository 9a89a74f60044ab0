#pragma once

#include "StartupParameters.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Standard MIB groups are shown by the MIB view programs, one per family
// ("MIB", "IFMib", "Rmon", ...). The view program's command line names the
// view ("/TRmon_History") and nothing secret: the agent and its read
// credentials, as the module's own requests use them, reach the program as
// a session on its standard input (a pipe only the two processes share).
// The line also names the module's process, so that the view ends with it.

// The family of a view argument: from its third character up to its first "_".
QString ViewFamily(const QString &view);

// What the status bar says about the host's installation; empty when the
// host application is installed.
QString ViewInstallationStatus();

// What is started for a view: the family's program with arguments that hold
// no secret, and the session it reads from standard input.
struct ViewCommand
{
    QString family;
    QStringList arguments;
    QByteArray session; // ViewSession JSON
};

// The command for a view, from the start-up state and the defaults.
ViewCommand MakeViewCommand(
    const QString &view, const StartupState &state, const CvSNMPSessionDefaults &defaults);

// The view program of a family: the executable of that name in the
// module's own directory, else in the directory the settings store names
// for the host's programs ("Path" of its App Paths key); never one the
// program search path finds, which would receive the session. Empty when
// neither holds it.
QString ViewProgram(const QString &family, const QString &ownDirectory);

// Starts program detached with the arguments, input written to a pipe on its
// standard input. False when it could not be started.
bool StartWithInput(const QString &program, const QStringList &arguments, const QByteArray &input);

// Starts the command's program as ViewProgram finds it from the module's
// directory; failures are ignored, as the module does not learn whether a
// view started.
void StartViewCommand(const ViewCommand &command);
