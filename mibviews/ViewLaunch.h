#pragma once

#include "CvSNMPSession.h"
#include "CvSnmpTransport.h"
#include "StartupParameters.h"
#include "ViewCatalogue.h"

#include <QString>
#include <QStringList>

// What the command line the module builds asks of a view program: the view
// ("/TMIB_IFCounters") and the agent with its credentials, read by the
// module's own parser, so that the configuration file and the settings
// store give the port, version and SNMPv3 parameters the line leaves out.
struct ViewLaunch
{
    const ViewDefinition *view = nullptr;
    StartupState state;
    QString error; // empty when the line can be used
};

// program is the name the program was started under ("Rmon", or its own
// name, which takes the view of any family). The session defaults are
// filled as the module fills its own.
ViewLaunch ReadViewLaunch(const QString &program, const QStringList &parameters,
    const QString &configDirectory, CvSNMPSessionDefaults &defaults);

// The target a view reads from: the agent and the read credentials.
CvSnmpTarget ViewTarget(const CvSNMPSessionDefaults &defaults);

// The usage text shown with an error.
QString ViewUsage();
