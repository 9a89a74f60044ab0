#include "ConfigOptions.h"

#include "CvSecurityProtocols.h"

QString ConfigUsage()
{
    return QStringLiteral(
        "usage: trv8170ql-config save HOST [options] [--secrets] [-o FILE]\n"
        "       trv8170ql-config diff FILE HOST [options]\n"
        "       trv8170ql-config diff FILE FILE2\n"
        "       trv8170ql-config restore FILE HOST [options] [--dry-run] [--yes]\n"
        "                        [--keep-rows] [--confirm-access]\n"
        "options: --port N, --v1, --read COMMUNITY, --write COMMUNITY, --no-bulk,\n"
        "         --v3 USER [--auth PROTOCOL] [--priv PROTOCOL] [--auth-pass TEXT]\n"
        "         [--priv-pass TEXT] [--context NAME]\n"
        "Pass phrases left out are asked for on the terminal, or read from standard\n"
        "input one a line. diff exits 1 when the two differ, 0 when they do not, 2 on\n"
        "an error.\n");
}

std::optional<ConfigCommand> ParseConfigCommand(const QStringList &arguments, QString *error)
{
    ConfigCommand c;
    c.session = InitialSessionDefaults();
    c.session.device.port = 161;
    c.session.security.version = 1;
    c.session.security.securityModel = 3;
    c.session.security.readCommunity = QStringLiteral("public");
    c.session.security.writeCommunity = QStringLiteral("private");
    c.session.security.securityLevel = 1;
    QStringList positional;
    const auto fail = [error](const QString &why) {
        *error = why;
        return std::nullopt;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        static const QStringList valued {QStringLiteral("--port"), QStringLiteral("--read"),
            QStringLiteral("--write"), QStringLiteral("--v3"), QStringLiteral("--auth"),
            QStringLiteral("--priv"), QStringLiteral("--auth-pass"), QStringLiteral("--priv-pass"),
            QStringLiteral("--context"), QStringLiteral("-o")};
        if (valued.contains(a)) {
            if (i + 1 >= arguments.size())
                return fail(a + QStringLiteral(" needs a value"));
            const QString value = arguments.at(++i);
            if (a == QLatin1String("--port")) {
                bool ok = false;
                const uint port = value.toUInt(&ok);
                if (!ok || port < 1 || port > 65535)
                    return fail(QStringLiteral("bad port ") + value);
                c.session.device.port = quint16(port);
            } else if (a == QLatin1String("--read")) {
                c.session.security.readCommunity = value;
            } else if (a == QLatin1String("--write")) {
                c.session.security.writeCommunity = value;
            } else if (a == QLatin1String("--v3")) {
                c.session.security.version = 3;
                c.session.security.securityName = value;
            } else if (a == QLatin1String("--auth")) {
                c.auth = value;
            } else if (a == QLatin1String("--priv")) {
                c.priv = value;
            } else if (a == QLatin1String("--auth-pass")) {
                c.session.security.authPassword = value;
                c.authGiven = true;
            } else if (a == QLatin1String("--priv-pass")) {
                c.session.security.privPassword = value;
                c.privGiven = true;
            } else if (a == QLatin1String("--context")) {
                c.session.scope.contextName = value;
            } else {
                c.output = value;
            }
        } else if (a == QLatin1String("--v1")) {
            c.session.security.version = 0;
        } else if (a == QLatin1String("--no-bulk")) {
            c.session.getBulk = false;
        } else if (a == QLatin1String("--secrets")) {
            c.secrets = true;
        } else if (a == QLatin1String("--dry-run")) {
            c.dryRun = true;
        } else if (a == QLatin1String("--yes")) {
            c.yes = true;
        } else if (a == QLatin1String("--keep-rows")) {
            c.keepRows = true;
        } else if (a == QLatin1String("--confirm-access")) {
            c.confirmAccess = true;
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            return fail(QStringLiteral("unknown option ") + a);
        } else {
            positional.append(a);
        }
    }
    if (positional.isEmpty())
        return fail(QStringLiteral("name a command: save, diff or restore"));
    c.command = positional.takeFirst();
    if (c.command == QLatin1String("save")) {
        if (positional.size() != 1)
            return fail(QStringLiteral("save takes one switch"));
        c.host = positional.first();
    } else if (c.command == QLatin1String("diff") || c.command == QLatin1String("restore")) {
        if (positional.size() != 2)
            return fail(c.command + QStringLiteral(" takes a file and a switch")
                + (c.command == QLatin1String("diff") ? QStringLiteral(" or a second file")
                                                      : QString()));
        c.files.append(positional.first());
        c.host = positional.at(1);
    } else {
        return fail(QStringLiteral("unknown command ") + c.command);
    }
    CvSNMPSecurity &s = c.session.security;
    if (s.version != 3 && (!c.auth.isEmpty() || !c.priv.isEmpty() || c.authGiven || c.privGiven))
        return fail(QStringLiteral("--auth, --priv and the pass phrases only with --v3 USER"));
    if (!c.auth.isEmpty() && ProtocolCode(AuthProtocols(), c.auth) == 0)
        return fail(QStringLiteral("unknown authentication protocol ") + c.auth);
    if (!c.priv.isEmpty() && ProtocolCode(PrivProtocols(), c.priv) == 0)
        return fail(QStringLiteral("unknown privacy protocol ") + c.priv);
    if (!c.priv.isEmpty() && c.auth.isEmpty())
        return fail(QStringLiteral("--priv needs --auth"));
    if (s.version == 3) {
        s.securityLevel = c.priv.isEmpty() ? (c.auth.isEmpty() ? 1 : 2) : 3;
        s.authProtocol = c.auth.isEmpty() ? 1 : ProtocolCode(AuthProtocols(), c.auth);
        s.privProtocol = c.priv.isEmpty() ? 1 : ProtocolCode(PrivProtocols(), c.priv);
    }
    c.session.device.address = c.host;
    return c;
}
