#include "StartupParameters.h"

#include "CvConvertError.h"
#include "CvIniDocument.h"
#include "LocalPath.h"

#include <QFileInfo>

namespace {

const QString Section = QStringLiteral("Program Information");

// The value of a switch: the rest of the parameter after its two characters.
QString valueOf(const QString &parameter, const char *sw)
{
    return parameter.mid(parameter.indexOf(QLatin1String(sw)) + 2);
}

bool has(const QString &parameter, const char *sw)
{
    return parameter.contains(QLatin1String(sw));
}

} // namespace

void ApplyConfigFile(
    const QString &configDirectory, StartupState &state, CvSNMPSessionDefaults &defaults)
{
    const QString fileName
        = LocalPath(configDirectory + state.AgentAddress + QStringLiteral(".cfg"));
    state.ConfigFound = QFileInfo(fileName).isFile();
    if (!state.ConfigFound)
        return;
    const CvIni ini(fileName);
    const auto read
        = [&](const char *key) { return ini.ReadString(Section, QLatin1String(key), QString()); };
    CvSNMPSecurity &security = defaults.security;

    defaults.device.port = quint16(StrToInt(read("AgentPort")));
    const qint32 version = StrToInt(read("Version"));
    security.version = quint8(version);
    state.ConfigVersion = QString::number(version);
    if (const QString name = read("ContextName"); !name.isEmpty())
        defaults.scope.contextName = name;
    defaults.scope.contextEngineId = read("ContextEngineID");
    security.securityModel = StrToInt(read("SecurityModel"));
    // The file counts these codes from 0, where 0 keeps the default.
    if (const QString level = read("SecurityLevel"); level != QLatin1String("0"))
        security.securityLevel = StrToInt(level) + 1;
    security.securityName = read("SecurityName");
    if (const QString auth = read("AuthProtocol"); auth != QLatin1String("0"))
        security.authProtocol = StrToInt(auth) + 1;
    if (const QString priv = read("PrivProtocol"); priv != QLatin1String("0"))
        security.privProtocol = StrToInt(priv) + 1;
    if (const QString pass = read("AuthPassword"); !pass.isEmpty())
        security.authPassword = pass;
    if (const QString pass = read("PrivPassword"); !pass.isEmpty())
        security.privPassword = pass;
    // Our own key: "GetBulk=0" reads this switch's tables one get-next per
    // row, as agents that mishandle get-bulk need.
    defaults.getBulk = read("GetBulk") != QLatin1String("0");
}

void ApplyParameters(const QStringList &parameters, const QString &configDirectory,
    StartupState &state, CvSNMPSessionDefaults &defaults, PortSwitch portSwitch)
{
    CvSNMPSecurity &security = defaults.security;
    for (const QString &p : parameters) {
        if (has(p, "/I")) {
            state.AgentAddress = valueOf(p, "/I");
            defaults.device.address = state.AgentAddress;
            continue;
        }
        ApplyConfigFile(configDirectory, state, defaults);
        if (has(p, "/R")) {
            state.ReadCommunity = valueOf(p, "/R");
            security.readCommunity = state.ReadCommunity;
            continue;
        }
        if (has(p, "/W")) {
            state.WriteCommunity = valueOf(p, "/W");
            security.writeCommunity = state.WriteCommunity;
            continue;
        }
        if (has(p, "/v")) {
            security.version = quint8(StrToInt(valueOf(p, "/v")));
            continue;
        }
        const bool v3 = state.ConfigVersion == QLatin1String("3") || security.version == 3;
        if (!v3 && !(portSwitch == PortSwitch::AnyVersion && has(p, "/t")))
            continue;
        if (has(p, "/t"))
            defaults.device.port = quint16(StrToInt(valueOf(p, "/t")));
        else if (has(p, "/c"))
            defaults.scope.contextName = valueOf(p, "/c");
        else if (has(p, "/d"))
            defaults.scope.contextEngineId = valueOf(p, "/d");
        else if (has(p, "/m"))
            security.securityModel = StrToInt(valueOf(p, "/m"));
        else if (has(p, "/l"))
            security.securityLevel = StrToInt(valueOf(p, "/l"));
        else if (has(p, "/n"))
            security.securityName = valueOf(p, "/n");
        else if (has(p, "/A"))
            security.authPassword = valueOf(p, "/A");
        else if (has(p, "/P"))
            security.privPassword = valueOf(p, "/P");
        else if (has(p, "/a"))
            security.authProtocol = StrToInt(valueOf(p, "/a"));
        else if (has(p, "/p"))
            security.privProtocol = StrToInt(valueOf(p, "/p"));
    }
}
