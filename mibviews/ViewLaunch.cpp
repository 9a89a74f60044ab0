#include "ViewLaunch.h"

#include "CvConvertError.h"
#include "ViewSession.h"

QString ViewUsage()
{
    return QStringLiteral("usage: FAMILY /IADDRESS /RREAD [/tPORT] [/vVERSION] "
                          "[/n /l /a /A /p /P /c /d /m ...] /TFAMILY_VIEW\n"
                          "       FAMILY /TFAMILY_VIEW %1 < SESSION")
        .arg(QLatin1String(SessionOnStdinSwitch));
}

QString ViewHelp(const QString &program)
{
    const QString family = IsViewFamily(program) ? program : QStringLiteral("FAMILY");
    QString views;
    for (const ViewDefinition *v : AllViews())
        if (family == QLatin1String("FAMILY") || FamilyOf(*v) == family)
            views += QStringLiteral("  /T%1  %2\n")
                         .arg(QLatin1String(v->argument), -24)
                         .arg(QLatin1String(v->title));
    return QStringLiteral(
        "usage: %1 /IADDRESS /RREAD [/tPORT] [/vVERSION] [SNMPv3 switches] /T%2_VIEW\n"
        "       %1 /T%2_VIEW %3 < SESSION\n"
        "\n"
        "Shows one standard MIB view of an SNMP agent and reads it again on request.\n"
        "Each parameter is a switch directly followed by its value:\n"
        "  /I  the agent's address or host name\n"
        "  /R  the read community\n"
        "  /t  the agent's UDP port (161 unless given), with any version\n"
        "  /v  the version: 0 SNMPv1 (the default), 1 SNMPv2c, 3 SNMPv3\n"
        "  /n  /l  /a  /A  /p  /P  /c  /d  /m\n"
        "      with /v3: user, security level, authentication protocol and pass\n"
        "      phrase, privacy protocol and pass phrase, context name, context\n"
        "      engine ID, security model (codes as trv8170ql(1) gives them)\n"
        "The agent's configuration file ADDRESS.cfg, in the directory the settings\n"
        "store names, gives what the line leaves out. With %3 the\n"
        "agent and its credentials come on standard input, as the module hands them.\n"
        "\n"
        "Views:\n%4")
        .arg(program, family, QLatin1String(SessionOnStdinSwitch), views);
}

bool AsksForHelp(const QStringList &parameters)
{
    return parameters.contains(QLatin1String("--help")) || parameters.contains(QLatin1String("-h"));
}

namespace {
QString viewList(const QString &family)
{
    QStringList names;
    for (const ViewDefinition *v : AllViews())
        if (family.isEmpty() || FamilyOf(*v) == family)
            names << QLatin1String(v->argument);
    return names.join(QStringLiteral(", "));
}

// The session the module wrote; the error names no value.
QString takeSession(const QByteArray &session, StartupState &state, CvSNMPSessionDefaults &defaults)
{
    QString why;
    std::optional<ViewSession> given = ViewSession::FromJson(session, &why);
    if (!given)
        return QStringLiteral("Malformed session: %1.").arg(why);
    state.AgentAddress = given->agentAddress;
    defaults = given->defaults;
    given->Wipe();
    return QString();
}

QString takeCommandLine(const QStringList &parameters, const QString &configDirectory,
    StartupState &state, CvSNMPSessionDefaults &defaults)
{
    try {
        ApplyParameters(parameters, configDirectory, state, defaults, PortSwitch::AnyVersion);
    } catch (const CvConvertError &e) {
        return QStringLiteral("Malformed command line: %1.").arg(e.message());
    }
    return QString();
}

} // namespace

ViewLaunch ReadViewLaunch(const QString &program, const QStringList &parameters,
    const QString &configDirectory, CvSNMPSessionDefaults &defaults,
    const std::optional<QByteArray> &session)
{
    ViewLaunch launch;
    const QString family = IsViewFamily(program) ? program : QString();
    // The module's own switches are no parameters of the agent.
    QStringList line;
    for (const QString &p : parameters) {
        if (!p.startsWith(QLatin1String(EndWithSwitch))) {
            line.append(p);
            continue;
        }
        launch.endWith = ProcessIdentity::FromText(p.mid(qsizetype(qstrlen(EndWithSwitch))));
        if (!launch.endWith) {
            launch.error = QStringLiteral("Malformed command line: %1 needs a process id and "
                                          "start time, as PID:START.")
                               .arg(QLatin1String(EndWithSwitch));
            return launch;
        }
    }
    QString argument;
    bool named = false;
    for (const QString &p : std::as_const(line)) {
        if (p.startsWith(QLatin1String("/T"))) {
            argument = p.mid(2);
            named = true;
            break;
        }
    }
    if (!named) {
        launch.error = QStringLiteral("No view named: the command line needs /T and the view, "
                                      "one of %1.")
                           .arg(viewList(family));
        return launch;
    }
    launch.view = FindView(argument);
    if (!launch.view) {
        launch.error = QStringLiteral("Unknown view \"%1\". Known views: %2.")
                           .arg(argument, viewList(family));
        return launch;
    }
    if (!family.isEmpty() && FamilyOf(*launch.view) != family) {
        launch.error = QStringLiteral("The view \"%1\" is shown by %2, not by %3.")
                           .arg(argument, FamilyOf(*launch.view), family);
        launch.view = nullptr;
        return launch;
    }
    launch.error = session ? takeSession(*session, launch.state, defaults)
                           : takeCommandLine(line, configDirectory, launch.state, defaults);
    if (!launch.error.isEmpty()) {
        launch.view = nullptr;
        return launch;
    }
    if (launch.state.AgentAddress.isEmpty()) {
        launch.error
            = QStringLiteral("No agent: the command line needs /I and the agent's address.");
        launch.view = nullptr;
    }
    return launch;
}

CvSnmpTarget ViewTarget(const CvSNMPSessionDefaults &d)
{
    CvSnmpTarget t;
    t.address = d.device.address;
    t.port = d.device.port;
    t.version = d.security.version;
    t.community = d.security.readCommunity;
    t.securityModel = d.security.securityModel;
    t.securityLevel = d.security.securityLevel;
    t.securityName = d.security.securityName;
    t.authProtocol = d.security.authProtocol;
    t.privProtocol = d.security.privProtocol;
    t.authPassword = d.security.authPassword;
    t.privPassword = d.security.privPassword;
    t.contextName = d.scope.contextName;
    t.contextEngineId = d.scope.contextEngineId;
    t.timeoutCs = d.timeout;
    t.retries = 1;
    return t;
}
