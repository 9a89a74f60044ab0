#include "SwitchProfile.h"

#include "SecretInput.h"

#include <array>

namespace {

// The module's switches in the order its parameter loop tests them: a line
// is read as its own switch only when no switch tested before it occurs in
// its value.
const std::array<const char *, 14> switchOrder {
    "/I", "/R", "/W", "/v", "/t", "/c", "/d", "/m", "/l", "/n", "/A", "/P", "/a", "/p"};

bool hasControl(const QString &text)
{
    for (QChar c : text)
        if (c.category() == QChar::Other_Control)
            return true;
    return false;
}

// Why the value of a secret's parameter line would not reach the module as
// given, or empty.
QString lineProblem(const QString &what, const char *sw, const QString &value)
{
    if (hasControl(value))
        return QStringLiteral("The %1 cannot contain control characters or line breaks.").arg(what);
    for (const char *earlier : switchOrder) {
        if (qstrcmp(earlier, sw) == 0)
            break;
        if (value.contains(QLatin1String(earlier)))
            return QStringLiteral(
                "The %1 cannot contain \u201c%2\u201d: the module would read it as a "
                "parameter of its own.")
                .arg(what, QLatin1String(earlier));
    }
    return {};
}

QString passPhraseProblem(const QString &what, const char *sw, const QString &value)
{
    if (value.size() < MinPassPhraseLength)
        return QStringLiteral("The %1 needs at least %2 characters.")
            .arg(what)
            .arg(MinPassPhraseLength);
    return lineProblem(what, sw, value);
}

void appendLine(QByteArray &input, const char *sw, const QString &value)
{
    input += sw;
    input += value.toUtf8();
    input += '\n';
}

} // namespace

void SwitchSecrets::wipe()
{
    WipeText(readCommunity);
    WipeText(writeCommunity);
    WipeText(authPassPhrase);
    WipeText(privPassPhrase);
}

QString ProfileProblem(const SwitchProfile &profile, const SwitchSecrets &secrets)
{
    const QString &address = profile.address;
    if (address.isEmpty())
        return QStringLiteral("Give the switch's address or host name.");
    if (address.contains(QLatin1Char('/')) || address.startsWith(QLatin1Char('.'))
        || address.contains(QLatin1Char(' ')) || hasControl(address))
        return QStringLiteral("\u201c%1\u201d is no address or host name: it may not hold blanks "
                              "or \u201c/\u201d, nor start with a dot.")
            .arg(address);
    if (profile.port == 0)
        return QStringLiteral("Give the agent's UDP port, 1 to 65535.");
    if (profile.version != 3) {
        if (secrets.readCommunity.isEmpty())
            return QStringLiteral("Give the read community.");
        if (QString p = lineProblem(QStringLiteral("read community"), "/R", secrets.readCommunity);
            !p.isEmpty())
            return p;
        return lineProblem(QStringLiteral("write community"), "/W", secrets.writeCommunity);
    }
    if (profile.user.isEmpty())
        return QStringLiteral("Give the SNMPv3 user.");
    if (hasControl(profile.user) || hasControl(profile.context))
        return QStringLiteral("The user and the context cannot contain control characters.");
    if (profile.securityLevel >= 2) {
        if (profile.authProtocol <= 1)
            return QStringLiteral("Choose an authentication protocol.");
        if (QString p = passPhraseProblem(
                QStringLiteral("authentication pass phrase"), "/A", secrets.authPassPhrase);
            !p.isEmpty())
            return p;
    }
    if (profile.securityLevel >= 3) {
        if (profile.privProtocol <= 1)
            return QStringLiteral("Choose a privacy protocol.");
        return passPhraseProblem(
            QStringLiteral("privacy pass phrase"), "/P", secrets.privPassPhrase);
    }
    return {};
}

CvSNMPSessionDefaults CheckSettings(const SwitchProfile &profile, const SwitchSecrets &secrets)
{
    CvSNMPSessionDefaults d = InitialSessionDefaults();
    d.device.address = profile.address;
    d.device.port = profile.port;
    d.scope.contextName = profile.context;
    d.getBulk = profile.getBulk;
    CvSNMPSecurity &s = d.security;
    s.version = profile.version;
    s.securityModel = 3;
    s.readCommunity = secrets.readCommunity;
    s.writeCommunity = secrets.writeCommunity;
    if (profile.version != 3)
        return d;
    s.securityLevel = profile.securityLevel;
    s.securityName = profile.user;
    if (profile.securityLevel >= 2) {
        s.authProtocol = profile.authProtocol;
        s.authPassword = secrets.authPassPhrase;
    }
    if (profile.securityLevel >= 3) {
        s.privProtocol = profile.privProtocol;
        s.privPassword = secrets.privPassPhrase;
    }
    return d;
}

QString ConfigFileName(const SwitchProfile &profile)
{
    return profile.address + QStringLiteral(".cfg");
}

QByteArray ConfigFileContents(const SwitchProfile &profile)
{
    const bool v3 = profile.version == 3;
    // The file counts level and protocols from 0, where 0 keeps the default.
    const auto fileCode = [](qint32 code) { return QByteArray::number(qMax(code - 1, 0)); };
    QByteArray out = "[Program Information]\n";
    out += "AgentPort=" + QByteArray::number(profile.port) + '\n';
    out += "Version=" + QByteArray::number(profile.version) + '\n';
    out += "SecurityModel=3\n";
    out += "SecurityLevel=" + (v3 ? fileCode(profile.securityLevel) : "0") + '\n';
    out += "SecurityName=" + (v3 ? profile.user.toUtf8() : QByteArray()) + '\n';
    const bool auth = v3 && profile.securityLevel >= 2;
    const bool priv = v3 && profile.securityLevel >= 3;
    out += "AuthProtocol=" + (auth ? fileCode(profile.authProtocol) : "0") + '\n';
    out += "PrivProtocol=" + (priv ? fileCode(profile.privProtocol) : "0") + '\n';
    if (v3 && !profile.context.isEmpty())
        out += "ContextName=" + profile.context.toUtf8() + '\n';
    if (!profile.getBulk)
        out += "GetBulk=0\n";
    return out;
}

QByteArray ParameterInput(const SwitchProfile &profile, const SwitchSecrets &secrets)
{
    // The module applies the file only before a parameter other than /I:
    // /R and /W come always, so it is read also when no pass phrase follows.
    QByteArray input;
    appendLine(input, "/R", secrets.readCommunity);
    appendLine(input, "/W", secrets.writeCommunity);
    if (profile.version != 3)
        return input;
    // The file says SNMPv3 before each line, so the module takes them; the
    // file's empty pass phrases leave them in place.
    if (profile.securityLevel >= 2)
        appendLine(input, "/A", secrets.authPassPhrase);
    if (profile.securityLevel >= 3)
        appendLine(input, "/P", secrets.privPassPhrase);
    return input;
}

QString ProfileCaption(const SwitchProfile &profile)
{
    QString caption = profile.address;
    if (profile.port != 161)
        caption += QStringLiteral(" port %1").arg(profile.port);
    switch (profile.version) {
    case 0:
        return caption + QStringLiteral(", SNMPv1");
    case 3:
        return caption + QStringLiteral(", SNMPv3 user %1").arg(profile.user);
    default:
        return caption + QStringLiteral(", SNMPv2c");
    }
}
