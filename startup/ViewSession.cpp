#include "ViewSession.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <limits>

namespace {

// Field names of the JSON object.
constexpr const char *Agent = "agent";
constexpr const char *Address = "address";
constexpr const char *Port = "port";
constexpr const char *Version = "version";
constexpr const char *Community = "community";
constexpr const char *SecurityModel = "securityModel";
constexpr const char *SecurityLevel = "securityLevel";
constexpr const char *SecurityName = "securityName";
constexpr const char *AuthProtocol = "authProtocol";
constexpr const char *PrivProtocol = "privProtocol";
constexpr const char *AuthPassword = "authPassword";
constexpr const char *PrivPassword = "privPassword";
constexpr const char *ContextName = "contextName";
constexpr const char *ContextEngineId = "contextEngineId";
constexpr const char *Timeout = "timeout";
constexpr const char *GetBulk = "getBulk";

class Reader
{
public:
    explicit Reader(const QJsonObject &o)
        : m_object(o)
    {
    }

    QString text(const char *key)
    {
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (!v.isString())
            fail(key);
        return v.toString();
    }

    qint64 integer(const char *key, qint64 low, qint64 high)
    {
        const QJsonValue v = m_object.value(QLatin1String(key));
        const double d = v.toDouble();
        if (!v.isDouble() || d != double(qint64(d)) || d < double(low) || d > double(high))
            fail(key);
        return qint64(d);
    }

    const QString &failed() const { return m_failed; }

private:
    void fail(const char *key)
    {
        if (m_failed.isEmpty())
            m_failed = QLatin1String(key);
    }

    const QJsonObject &m_object;
    QString m_failed;
};

constexpr qint64 Int32Min = std::numeric_limits<qint32>::min();
constexpr qint64 Int32Max = std::numeric_limits<qint32>::max();

} // namespace

ViewSession ViewSession::FromModule(const StartupState &state, const CvSNMPSessionDefaults &d)
{
    ViewSession s;
    s.agentAddress = state.AgentAddress;
    s.defaults = d;
    s.defaults.security.writeCommunity.clear();
    // SNMPv3 reads need no community.
    if (d.security.version == 3)
        s.defaults.security.readCommunity.clear();
    return s;
}

QByteArray ViewSession::ToJson() const
{
    const CvSNMPSecurity &sec = defaults.security;
    QJsonObject o;
    o.insert(QLatin1String(Agent), agentAddress);
    o.insert(QLatin1String(Address), defaults.device.address);
    o.insert(QLatin1String(Port), int(defaults.device.port));
    o.insert(QLatin1String(Version), int(sec.version));
    o.insert(QLatin1String(Community), sec.readCommunity);
    o.insert(QLatin1String(SecurityModel), sec.securityModel);
    o.insert(QLatin1String(SecurityLevel), sec.securityLevel);
    o.insert(QLatin1String(SecurityName), sec.securityName);
    o.insert(QLatin1String(AuthProtocol), sec.authProtocol);
    o.insert(QLatin1String(PrivProtocol), sec.privProtocol);
    o.insert(QLatin1String(AuthPassword), sec.authPassword);
    o.insert(QLatin1String(PrivPassword), sec.privPassword);
    o.insert(QLatin1String(ContextName), defaults.scope.contextName);
    o.insert(QLatin1String(ContextEngineId), defaults.scope.contextEngineId);
    o.insert(QLatin1String(Timeout), qint64(defaults.timeout));
    o.insert(QLatin1String(GetBulk), defaults.getBulk);
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

std::optional<ViewSession> ViewSession::FromJson(const QByteArray &json, QString *error)
{
    const auto refuse = [error](const QString &why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (json.size() > MaxViewSessionBytes)
        return refuse(QStringLiteral("the session is too long"));
    QJsonParseError parse {};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parse);
    if (parse.error != QJsonParseError::NoError || !doc.isObject())
        return refuse(QStringLiteral("the session is not a JSON object"));
    const QJsonObject o = doc.object();
    Reader r(o);
    ViewSession s;
    CvSNMPSecurity &sec = s.defaults.security;
    s.agentAddress = r.text(Agent);
    s.defaults.device.address = r.text(Address);
    s.defaults.device.port = quint16(r.integer(Port, 0, 65535));
    sec.version = quint8(r.integer(Version, 0, 255));
    sec.readCommunity = r.text(Community);
    sec.securityModel = qint32(r.integer(SecurityModel, Int32Min, Int32Max));
    sec.securityLevel = qint32(r.integer(SecurityLevel, Int32Min, Int32Max));
    sec.securityName = r.text(SecurityName);
    sec.authProtocol = qint32(r.integer(AuthProtocol, Int32Min, Int32Max));
    sec.privProtocol = qint32(r.integer(PrivProtocol, Int32Min, Int32Max));
    sec.authPassword = r.text(AuthPassword);
    sec.privPassword = r.text(PrivPassword);
    s.defaults.scope.contextName = r.text(ContextName);
    s.defaults.scope.contextEngineId = r.text(ContextEngineId);
    s.defaults.timeout = quint32(r.integer(Timeout, 1, std::numeric_limits<quint32>::max()));
    s.defaults.getBulk = o.value(QLatin1String(GetBulk)).toBool(true);
    if (!r.failed().isEmpty()) {
        s.Wipe();
        return refuse(
            QStringLiteral("the session's \"%1\" is missing or not usable").arg(r.failed()));
    }
    return s;
}

void ViewSession::Wipe()
{
    WipeText(defaults.security.readCommunity);
    WipeText(defaults.security.writeCommunity);
    WipeText(defaults.security.authPassword);
    WipeText(defaults.security.privPassword);
}
