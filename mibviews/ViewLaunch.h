#pragma once

#include "CvSNMPSession.h"
#include "CvSnmpTransport.h"
#include "ProcessWatch.h"
#include "StartupParameters.h"
#include "ViewCatalogue.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// What a view program is asked to show and where from: the view
// ("/TMIB_IFCounters") and the agent with its read credentials.
struct ViewLaunch
{
    const ViewDefinition *view = nullptr;
    StartupState state;
    // The module that started the view, which it ends with.
    std::optional<ProcessIdentity> endWith;
    QString error; // empty when the launch can be used
};

// program is the name the program was started under ("Rmon", or its own
// name, which takes the view of any family).
//
// Without a session the agent comes from the command line, read by the
// module's own parser, so that the configuration file and the settings
// store give the port, version and SNMPv3 parameters the line leaves out:
// what an operator types ("MIB /I10.0.0.1 /Rpublic /TMIB_IFCounters").
// Unlike the module's, the line's "/t" counts with any version: an agent
// on another port is reached over SNMPv1 and v2c as well.
// With a session (the JSON the module writes to the program's standard
// input) the defaults are that session exactly, and the line only names
// the view. Error texts never show a pass phrase or community of a session.
ViewLaunch ReadViewLaunch(const QString &program, const QStringList &parameters,
    const QString &configDirectory, CvSNMPSessionDefaults &defaults,
    const std::optional<QByteArray> &session = std::nullopt);

// The target a view reads from: the agent and the read credentials.
CvSnmpTarget ViewTarget(const CvSNMPSessionDefaults &defaults);

// The usage text shown with an error.
QString ViewUsage();
// What "--help" prints: the usage, the switches and the views the program
// (its name as started) shows.
QString ViewHelp(const QString &program);
// The line asks for the help ("--help" or "-h").
bool AsksForHelp(const QStringList &parameters);
