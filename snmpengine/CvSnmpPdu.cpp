#include "CvSnmpTransportPrivate.h"

#include <algorithm>
#include <vector>

// PDUs: bindings into a library PDU and back, the send of one PDU on its
// session, and library errors in the numbering of the catalogues.

using namespace CvTransportDetail;

namespace CvTransportDetail {

// Library error numbers, by meaning, in the numbering of the catalogues.
int fromLibraryError(int err)
{
    switch (err) {
    case SNMPERR_SUCCESS:
        return 0;
    case SNMPERR_TIMEOUT:
        return CvSnmpResult::Timeout;
    case SNMPERR_BAD_ADDRESS:
        return CvSnmpResult::InvalidAddress;
    case SNMPERR_BAD_LOCPORT:
        return -21;
    case SNMPERR_NO_SOCKET:
    case SNMPERR_BAD_SENDTO:
    case SNMPERR_BAD_RECVFROM:
        return CvSnmpResult::TransportFailed;
    case SNMPERR_TOO_LONG:
        return -11;
    case SNMPERR_BAD_VERSION:
        return -16;
    case SNMPERR_BAD_PARSE:
    case SNMPERR_ASN_PARSE_ERR:
        return -1408;
    case SNMPERR_UNKNOWN_SEC_MODEL:
        return -1402;
    case SNMPERR_INVALID_MSG:
        return -1405;
    case SNMPERR_BAD_ENG_ID:
        return -1406;
    case SNMPERR_BAD_CONTEXT:
        return -1417;
    case SNMPERR_USM_GENERICERROR:
        return 1401;
    case SNMPERR_BAD_SEC_LEVEL:
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL:
        return 1403;
    case SNMPERR_BAD_SEC_NAME:
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME:
        return 1404;
    case SNMPERR_USM_ENCRYPTIONERROR:
        return 1405;
    case SNMPERR_DECRYPTION_ERR:
    case SNMPERR_USM_DECRYPTIONERROR:
        return 1406;
    case SNMPERR_AUTHENTICATION_FAILURE:
    case SNMPERR_USM_AUTHENTICATIONFAILURE:
        return 1408;
    case SNMPERR_USM_PARSEERROR:
        return 1409;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID:
        return 1410;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW:
        return 1411;
    default:
        return CvSnmpResult::OperationFailed;
    }
}

CvSNMPValue fromVariable(const netsnmp_variable_list *v)
{
    const auto bytes = [v] {
        return QByteArray(reinterpret_cast<const char *>(v->val.string), qsizetype(v->val_len));
    };
    switch (v->type) {
    case ASN_INTEGER:
        return CvSNMPValue::FromInteger(qint32(*v->val.integer));
    case ASN_OCTET_STR:
        return CvSNMPValue::FromOctets(CvSNMPValue::OctetString, bytes());
    case ASN_IPADDRESS:
        return CvSNMPValue::FromOctets(CvSNMPValue::IpAddress, bytes());
    case ASN_COUNTER:
        return CvSNMPValue::FromUnsigned(CvSNMPValue::Counter32, quint32(*v->val.integer));
    case ASN_GAUGE:
        return CvSNMPValue::FromUnsigned(CvSNMPValue::Gauge32, quint32(*v->val.integer));
    case ASN_TIMETICKS:
        return CvSNMPValue::FromUnsigned(CvSNMPValue::TimeTicks, quint32(*v->val.integer));
    case ASN_UINTEGER:
        return CvSNMPValue::FromUnsigned(CvSNMPValue::UInteger32, quint32(*v->val.integer));
    case ASN_COUNTER64:
        return CvSNMPValue::FromCounter64(
            (quint64(v->val.counter64->high) << 32) | v->val.counter64->low);
    case ASN_OBJECT_ID: {
        CvOid o;
        const size_t n = v->val_len / sizeof(oid);
        o.reserve(qsizetype(n));
        for (size_t k = 0; k < n; ++k)
            o.append(quint32(v->val.objid[k]));
        return CvSNMPValue::FromOid(o);
    }
    case SNMP_NOSUCHOBJECT:
        return CvSNMPValue::FromNull(CvSNMPValue::NoSuchObject);
    case SNMP_NOSUCHINSTANCE:
        return CvSNMPValue::FromNull(CvSNMPValue::NoSuchInstance);
    case SNMP_ENDOFMIBVIEW:
        return CvSNMPValue::FromNull(CvSNMPValue::EndOfMibView);
    case ASN_NULL:
        return CvSNMPValue::FromNull();
    default:
        return CvSNMPValue::FromOctets(CvSNMPValue::Opaque, bytes());
    }
}

bool addVariable(netsnmp_pdu *pdu, const CvSnmpBinding &b, bool withValue)
{
    std::vector<oid> name(b.oid.begin(), b.oid.end());
    if (name.empty() || name.size() > MAX_OID_LEN)
        return false;
    if (!withValue)
        return snmp_add_null_var(pdu, name.data(), name.size()) != nullptr;
    const CvSNMPValue &v = b.value;
    switch (v.tag()) {
    case CvSNMPValue::Integer: {
        long n = long(v.signedNumber().value_or(0));
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_INTEGER, &n, sizeof n);
    }
    case CvSNMPValue::Counter32:
    case CvSNMPValue::Gauge32:
    case CvSNMPValue::TimeTicks:
    case CvSNMPValue::UInteger32: {
        u_long n = u_long(v.unsignedNumber().value_or(0));
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), u_char(v.tag()), &n, sizeof n);
    }
    case CvSNMPValue::Counter64: {
        const quint64 n = v.unsignedNumber().value_or(0);
        counter64 c {u_long(n >> 32), u_long(n & 0xFFFFFFFFu)};
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_COUNTER64, &c, sizeof c);
    }
    case CvSNMPValue::OctetString:
    case CvSNMPValue::Opaque:
    case CvSNMPValue::IpAddress: {
        const QByteArray o = v.octets().value_or(QByteArray());
        return snmp_pdu_add_variable(
            pdu, name.data(), name.size(), u_char(v.tag()), o.constData(), size_t(o.size()));
    }
    case CvSNMPValue::ObjectId: {
        const CvOid o = v.oid().value_or(CvOid());
        std::vector<oid> value(o.begin(), o.end());
        return snmp_pdu_add_variable(
            pdu, name.data(), name.size(), ASN_OBJECT_ID, value.data(), value.size() * sizeof(oid));
    }
    default:
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_NULL, nullptr, 0);
    }
}

void readPdu(const netsnmp_pdu *pdu, CvSnmpResponse &response)
{
    response.result = int(pdu->errstat);
    response.errorIndex = int(pdu->errindex);
    for (netsnmp_variable_list *v = pdu->variables; v; v = v->next_variable) {
        CvSnmpBinding b;
        // Sized once and filled in place: appending arc by arc costs a
        // capacity check per arc on every answer of a walk.
        b.oid.resize(qsizetype(v->name_length));
        std::transform(
            v->name, v->name + v->name_length, b.oid.data(), [](oid arc) { return quint32(arc); });
        b.value = fromVariable(v);
        response.bindings.append(std::move(b));
    }
}

} // namespace CvTransportDetail

int CvSnmpTransport::Private::sendPdu(quint64 handle, const CvSnmpTarget &t, CvPduType type,
    const QList<CvSnmpBinding> &bindings, const QString &peer, const QString &key)
{
    QByteArray engineId;
    if (t.version == 3) {
        const auto known = engines.constFind(peer);
        if (known == engines.cend()) {
            queueForDiscovery(peer, Queued {handle, t, type, bindings});
            return 0;
        }
        engineId = *known;
    }
    Session *session = sessions.value(key);
    if (session && session->engineId != engineId) {
        retire(session); // the agent's engine changed under it
        session = nullptr;
    }
    if (!session) {
        int result = 0;
        session = openSession(t, peer, engineId, false, &result);
        if (!session)
            return result;
        sessions.insert(key, session);
    }
    ensureUser(session);
    const auto context = contexts.find(handle);
    if (context != contexts.end()) {
        context->session = session->handle;
        if (t.version == 3 && !context->resent) {
            // Kept so that the request can go once more when the agent
            // turns out to have another engine now.
            context->target = t;
            context->type = type;
            context->bindings = bindings;
        }
    }

    const int command = type == CvPduType::Get ? SNMP_MSG_GET
        : type == CvPduType::GetNext           ? SNMP_MSG_GETNEXT
        : type == CvPduType::GetBulk           ? SNMP_MSG_GETBULK
                                               : SNMP_MSG_SET;
    netsnmp_pdu *pdu = snmp_pdu_create(command);
    if (type == CvPduType::GetBulk && context != contexts.end()) {
        pdu->non_repeaters = context->nonRepeaters;
        pdu->max_repetitions = context->maxRepetitions;
    }
    for (const CvSnmpBinding &b : bindings) {
        if (!addVariable(pdu, b, type == CvPduType::Set)) {
            snmp_free_pdu(pdu);
            return -17; // invalid object identifier
        }
    }
    if (snmp_sess_async_send(
            session->handle, pdu, &Private::onEvent, reinterpret_cast<void *>(quintptr(handle)))
        == 0) {
        snmp_free_pdu(pdu);
        if (contexts.value(handle).done)
            return 0; // the library reported the failure through the callback already
        const int err = snmp_sess_session(session->handle)->s_snmp_errno;
        return err ? fromLibraryError(err) : CvSnmpResult::TransportFailed;
    }
    return 0;
}
