#include "CvSnmpTransportPrivate.h"

#include <QCryptographicHash>

#include <algorithm>

// SNMPv3 user-based security: the protocol codes as the library's OIDs,
// localised keys on a session, the library's user entries, and the digests
// that tell credentials apart without keeping them.

namespace CvTransportDetail {

// Overwrites a buffer that held a pass phrase before it is freed.
void wipe(QByteArray &bytes)
{
    if (!bytes.isEmpty())
        std::fill(bytes.begin(), bytes.end(), '\0');
}

const oid *authProtocolOid(int code, size_t &len)
{
    len = USM_AUTH_PROTO_MD5_LEN;
    switch (code) {
    case 1:
        return usmNoAuthProtocol;
    case 2:
        return usmHMACMD5AuthProtocol;
    case 3:
        return usmHMACSHA1AuthProtocol;
    case 4:
        return usmHMAC128SHA224AuthProtocol;
    case 5:
        return usmHMAC192SHA256AuthProtocol;
    case 6:
        return usmHMAC256SHA384AuthProtocol;
    case 7:
        return usmHMAC384SHA512AuthProtocol;
    default:
        return nullptr;
    }
}

const oid *privProtocolOid(int code, size_t &len)
{
    len = USM_PRIV_PROTO_DES_LEN;
    switch (code) {
    case 1:
        return usmNoPrivProtocol;
    case 2:
        return usmDESPrivProtocol;
    case 4:
        return usmAESPrivProtocol;
    case 20:
        len = 9;
        return usmAES192PrivProtocol;
    case 21:
        len = 9;
        return usmAES256PrivProtocol;
    default:
        return nullptr; // 3DES and IDEA are not in this library
    }
}

// A digest of a target's pass phrases: sessions are told apart by them
// without keeping them in the session map.
QByteArray secretsDigest(const CvSnmpTarget &t)
{
    if (t.version != 3 || (t.authPassword.isEmpty() && t.privPassword.isEmpty()))
        return {};
    QByteArray auth = t.authPassword.toUtf8();
    QByteArray priv = t.privPassword.toUtf8();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArray::number(auth.size()));
    hash.addData(auth);
    hash.addData(priv);
    wipe(auth);
    wipe(priv);
    return hash.result();
}

int applyUsm(netsnmp_session &s, const CvSnmpTarget &t, bool probe, QByteArray &name,
    QByteArray &context, QByteArray &contextEngine, QByteArray &engine)
{
    s.version = SNMP_VERSION_3;
    if (t.securityModel != SNMP_SEC_MODEL_USM) {
        return -1402;
    }
    s.securityModel = SNMP_SEC_MODEL_USM;
    if (probe) {
        s.securityName = const_cast<char *>("");
        s.securityNameLen = 0;
        s.securityLevel = SNMP_SEC_LEVEL_NOAUTH;
    } else {
        s.securityName = name.data();
        s.securityNameLen = size_t(name.size());
        s.securityLevel = t.securityLevel;
        if (t.securityLevel < SNMP_SEC_LEVEL_NOAUTH || t.securityLevel > SNMP_SEC_LEVEL_AUTHPRIV) {
            return 1403;
        }
        s.securityEngineID = reinterpret_cast<u_char *>(engine.data());
        s.securityEngineIDLen = size_t(engine.size());
        s.contextName = context.data();
        s.contextNameLen = size_t(context.size());
        if (!contextEngine.isEmpty()
            && (contextEngine.size() < MinEngineIdOctets
                || contextEngine.size() > MaxEngineIdOctets)) {
            return -1406; // "(SNMPv3) Invalid EngineID!"
        }
        if (!contextEngine.isEmpty()) {
            s.contextEngineID = reinterpret_cast<u_char *>(contextEngine.data());
            s.contextEngineIDLen = size_t(contextEngine.size());
        }
    }
    if (!probe && t.securityLevel >= SNMP_SEC_LEVEL_AUTHNOPRIV) {
        size_t authLen = 0;
        const oid *auth = authProtocolOid(t.authProtocol, authLen);
        if (!auth || t.authProtocol == 1) {
            return CvSnmpResult::UsmUnsupportedAuth;
        }
        s.securityAuthProto = const_cast<oid *>(auth);
        s.securityAuthProtoLen = authLen;
        s.securityAuthKeyLen = USM_AUTH_KU_LEN;
        QByteArray pass = t.authPassword.toUtf8();
        const int made
            = generate_Ku(auth, u_int(authLen), reinterpret_cast<const u_char *>(pass.constData()),
                size_t(pass.size()), s.securityAuthKey, &s.securityAuthKeyLen);
        wipe(pass);
        if (made != SNMPERR_SUCCESS) {
            return CvSnmpResult::UsmError;
        }
        if (t.securityLevel == SNMP_SEC_LEVEL_AUTHPRIV) {
            size_t privLen = 0;
            const oid *priv = privProtocolOid(t.privProtocol, privLen);
            if (!priv || t.privProtocol == 1) {
                return CvSnmpResult::UsmUnsupportedPriv;
            }
            s.securityPrivProto = const_cast<oid *>(priv);
            s.securityPrivProtoLen = privLen;
            s.securityPrivKeyLen = USM_PRIV_KU_LEN;
            QByteArray privPass = t.privPassword.toUtf8();
            // The privacy key is made with the authentication protocol.
            const int madePriv = generate_Ku(auth, u_int(authLen),
                reinterpret_cast<const u_char *>(privPass.constData()), size_t(privPass.size()),
                s.securityPrivKey, &s.securityPrivKeyLen);
            wipe(privPass);
            if (madePriv != SNMPERR_SUCCESS) {
                return CvSnmpResult::UsmError;
            }
        }
    }
    return 0;
}

} // namespace CvTransportDetail

void CvSnmpTransport::Private::ensureUser(Session *s)
{
    if (s->target.version != 3)
        return;
    // The library keeps one global user entry per (engine, name) and a new
    // session only fills its empty fields: a changed pass phrase would be
    // ignored. Install this session's keys whenever another session's are
    // in place.
    static QHash<QByteArray, quint64> installed;
    const QByteArray name = s->target.securityName.toUtf8();
    const QByteArray userKey = s->engineId + '\0' + name;
    if (installed.value(userKey) == s->serial)
        return;
    netsnmp_session *session = snmp_sess_session(s->handle);
    if (usmUser *user = usm_get_user(reinterpret_cast<u_char *>(s->engineId.data()),
            size_t(s->engineId.size()), const_cast<char *>(name.constData()))) {
        usm_remove_user(user);
        usm_free_user(user);
    }
    session->flags &= ~SNMP_FLAGS_USER_CREATED; // else the library skips the session
    create_user_from_session(session);
    installed.insert(userKey, s->serial);
}
