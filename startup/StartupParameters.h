#pragma once

#include "CvSNMPSession.h"

#include <QString>
#include <QStringList>

// What the command line and the switch's configuration file leave behind
// besides the session defaults.
struct StartupState
{
    QString AgentAddress;
    QString ReadCommunity;
    QString WriteCommunity;
    QString ConfigVersion; // decimal text of the last "Version" read from a file
    bool ConfigFound = false;
};

// Applies the configuration file ConfigDirectory + AgentAddress + ".cfg"
// (section "Program Information") to the defaults when it exists; besides
// the host's keys, "GetBulk=0" switches get-bulk walks off. Throws
// CvConvertError for a required integer key that is missing or no integer.
void ApplyConfigFile(
    const QString &configDirectory, StartupState &state, CvSNMPSessionDefaults &defaults);

// Whether "/t" counts whatever the version. The module's own line keeps the
// port for SNMPv3; a MIB view program typed by hand reaches an agent on any
// port with any version.
enum class PortSwitch { SnmpV3Only, AnyVersion };

// The parameter loop: each parameter carries one switch ("/I", "/R", ...)
// found anywhere in it; the file is applied again before every parameter
// without "/I"; the last ten switches count only in SNMPv3 mode ("/t" in any
// mode with PortSwitch::AnyVersion). Throws CvConvertError for a non-integer
// value of "/v", "/t", "/m", "/l", "/a", "/p".
void ApplyParameters(const QStringList &parameters, const QString &configDirectory,
    StartupState &state, CvSNMPSessionDefaults &defaults,
    PortSwitch portSwitch = PortSwitch::SnmpV3Only);
