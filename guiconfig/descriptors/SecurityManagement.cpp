// The generated windows of the "Security Management" menu: how ports
// authenticate their hosts (802.1X through the IEEE 802.1X PAE MIB, and the
// switch's own MAC-based tables), the RADIUS servers and the client counters
// of RFC 2618 and RFC 2620, TACACS+ server groups, and the SSH and SSL
// servers of the switch.
#include "DescriptorData.h"

namespace {
#define SEC_OID(rest) PEN_OID(".12.3" rest)
#define TACACS_OID(rest) PEN_OID(".12.5" rest)
#define SSH_OID(rest) PEN_OID(".12.6" rest)
#define SSL_OID(rest) PEN_OID(".12.7" rest)
// IEEE8021-PAE-MIB
#define PAE_OID(rest) "1.0.8802.1.1.1.1" rest
// dot1xPaePortNumber: the not-accessible index of every per-port PAE table.
#define PAE_PORT_NUMBER_OID PAE_OID(".1.2.1.1")
// RADIUS-AUTH-CLIENT-MIB and RADIUS-ACC-CLIENT-MIB
#define RADIUS_AUTH_OID(rest) "1.3.6.1.2.1.67.1.2.1.1" rest
#define RADIUS_ACC_OID(rest) "1.3.6.1.2.1.67.2.2.1.1" rest

const CvIntOption authModes[] = {{1, "none"}, {2, "port-based"}, {3, "mac-based"}, {0, nullptr}};
const CvIntOption authProtocols[] = {{1, "local"}, {2, "radius-eap"}, {0, nullptr}};
const CvIntOption paeStates[] = {{1, "initialize"}, {2, "disconnected"}, {3, "connecting"},
    {4, "authenticating"}, {5, "authenticated"}, {6, "aborting"}, {7, "held"}, {8, "forceAuth"},
    {9, "forceUnauth"}, {10, "restart"}, {0, nullptr}};
const CvIntOption backendStates[] = {{1, "request"}, {2, "response"}, {3, "success"}, {4, "fail"},
    {5, "timeout"}, {6, "idle"}, {7, "initialize"}, {8, "ignore"}, {0, nullptr}};
const CvIntOption controlledDirections[] = {{0, "both"}, {1, "in"}, {0, nullptr}};
const CvIntOption controlledPortStates[] = {{1, "authorized"}, {2, "unauthorized"}, {0, nullptr}};
const CvIntOption controlledPortControls[]
    = {{1, "forceUnauthorized"}, {2, "auto"}, {3, "forceAuthorized"}, {0, nullptr}};
const CvIntOption authenticMethods[]
    = {{1, "remoteAuthServer"}, {2, "localAuthServer"}, {0, nullptr}};
const CvIntOption terminateCauses[] = {{1, "supplicantLogoff"}, {2, "portFailure"},
    {3, "supplicantRestart"}, {4, "reauthFailed"}, {5, "authControlForceUnauth"}, {6, "portReInit"},
    {7, "portAdminDisabled"}, {999, "notTerminatedYet"}, {0, nullptr}};
// The server kinds of the TACACS+ group tables; an unused slot of a group
// holds 0.0.0.0 and "none".
const CvIntOption serverProtocols[]
    = {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {0, nullptr}};
const CvIntOption serverSlotProtocols[]
    = {{0, "none"}, {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {0, nullptr}};
const CvIntOption serverRowStates[] = {{1, "add"}, {2, "delete"}, {0, nullptr}};
const CvIntOption certificateLoads[] = {{1, "other"}, {2, "load"}, {0, nullptr}};
const CvIntOption certificateStates[]
    = {{1, "none"}, {2, "in-progress"}, {3, "success"}, {4, "fail"}, {0, nullptr}};

const CvSNMPVar authModeVars[] = {
    {SEC_OID(".1.1"), "802.1X Authentication Mode", SyntaxInteger, AccessReadWrite,
        Options::Of<authModes>()},
    {SEC_OID(".1.2"), "Authentication Protocol", SyntaxInteger, AccessReadWrite,
        Options::Of<authProtocols>()},
    {},
};
const CvControlBinding authModeBindings[] = {
    {KindComboBox, "%s", &authModeVars[0]},
    {KindComboBox, "%s", &authModeVars[1]},
    {},
};

// 802.1X, as the IEEE 802.1X PAE MIB defines it.

const CvSNMPVar paeSystemVars[] = {
    {PAE_OID(".1.1"), "dot1xPaeSystemAuthControl", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled12()},
    {},
};
const CvControlBinding paeSystemBindings[] = {
    {KindComboBox, "%s", &paeSystemVars[0]},
    {},
};

const CvSNMPVar authConfigVars[] = {
    {PAE_PORT_NUMBER_OID, "dot1xPaePortNumber", SyntaxInteger, AccessNotAccessible},
    {PAE_OID(".2.1.1.1"), "dot1xAuthPaeState", SyntaxInteger, AccessReadOnly,
        Options::Of<paeStates>()},
    {PAE_OID(".2.1.1.2"), "dot1xAuthBackendAuthState", SyntaxInteger, AccessReadOnly,
        Options::Of<backendStates>()},
    {PAE_OID(".2.1.1.3"), "dot1xAuthAdminControlledDirections", SyntaxInteger, AccessReadWrite,
        Options::Of<controlledDirections>()},
    {PAE_OID(".2.1.1.4"), "dot1xAuthOperControlledDirections", SyntaxInteger, AccessReadOnly,
        Options::Of<controlledDirections>()},
    {PAE_OID(".2.1.1.5"), "dot1xAuthAuthControlledPortStatus", SyntaxInteger, AccessReadOnly,
        Options::Of<controlledPortStates>()},
    {PAE_OID(".2.1.1.6"), "dot1xAuthAuthControlledPortControl", SyntaxInteger, AccessReadWrite,
        Options::Of<controlledPortControls>()},
    {PAE_OID(".2.1.1.7"), "dot1xAuthQuietPeriod", SyntaxUInteger, AccessReadWrite},
    {PAE_OID(".2.1.1.8"), "dot1xAuthTxPeriod", SyntaxUInteger, AccessReadWrite},
    {PAE_OID(".2.1.1.9"), "dot1xAuthSuppTimeout", SyntaxUInteger, AccessReadWrite},
    {PAE_OID(".2.1.1.10"), "dot1xAuthServerTimeout", SyntaxUInteger, AccessReadWrite},
    {PAE_OID(".2.1.1.11"), "dot1xAuthMaxReq", SyntaxUInteger, AccessReadWrite},
    {PAE_OID(".2.1.1.12"), "dot1xAuthReAuthPeriod", SyntaxUInteger, AccessReadWrite},
    {PAE_OID(".2.1.1.13"), "dot1xAuthReAuthEnabled", SyntaxInteger, AccessReadWrite,
        &Options::TrueFalse()},
    {PAE_OID(".2.1.1.14"), "dot1xAuthKeyTxEnabled", SyntaxInteger, AccessReadWrite,
        &Options::TrueFalse()},
    {},
};
// The timers are Unsigned32 seconds without a narrower range; the MIB bounds
// only the request count.
const CvControlBinding authConfigBindings[] = {
    {KindEditUnticked, "%i", &authConfigVars[0]},
    {KindEditUnticked, "%s", &authConfigVars[1]},
    {KindEditUnticked, "%s", &authConfigVars[2]},
    {KindComboBox, "%s", &authConfigVars[3]},
    {KindEditUnticked, "%s", &authConfigVars[4]},
    {KindEditUnticked, "%s", &authConfigVars[5]},
    {KindComboBox, "%s", &authConfigVars[6]},
    {KindEdit, "%i{n0x4294967295l10}", &authConfigVars[7]},
    {KindEdit, "%i{n0x4294967295l10}", &authConfigVars[8]},
    {KindEdit, "%i{n0x4294967295l10}", &authConfigVars[9]},
    {KindEdit, "%i{n0x4294967295l10}", &authConfigVars[10]},
    {KindEdit, "%i{n1x10l2}", &authConfigVars[11]},
    {KindEdit, "%i{n0x4294967295l10}", &authConfigVars[12]},
    {KindComboBox, "%s", &authConfigVars[13]},
    {KindComboBox, "%s", &authConfigVars[14]},
    {},
};

// The statistics and diagnostics tables carry no index column of their own:
// the port number leads each row, decoded from the instance, so that no
// counter column is taken for the row's key.
const CvSNMPVar authStatsVars[] = {
    {PAE_PORT_NUMBER_OID, "dot1xPaePortNumber", SyntaxInteger, AccessNotAccessible},
    {PAE_OID(".2.2.1.1"), "dot1xAuthEapolFramesRx", SyntaxCounter, AccessReadOnly},
    {PAE_OID(".2.2.1.2"), "dot1xAuthEapolFramesTx", SyntaxCounter, AccessReadOnly},
    {PAE_OID(".2.2.1.3"), "dot1xAuthEapolStartFramesRx", SyntaxCounter, AccessReadOnly},
    {PAE_OID(".2.2.1.4"), "dot1xAuthEapolLogoffFramesRx", SyntaxCounter, AccessReadOnly},
    {PAE_OID(".2.2.1.5"), "dot1xAuthEapolRespIdFramesRx", SyntaxCounter, AccessReadOnly},
    {PAE_OID(".2.2.1.6"), "dot1xAuthEapolRespFramesRx", SyntaxCounter, AccessReadOnly},
    {PAE_OID(".2.2.1.7"), "dot1xAuthEapolReqIdFramesTx", SyntaxCounter, AccessReadOnly},
    {PAE_OID(".2.2.1.8"), "dot1xAuthEapolReqFramesTx", SyntaxCounter, AccessReadOnly},
    {PAE_OID(".2.2.1.9"), "dot1xAuthInvalidEapolFramesRx", SyntaxCounter, AccessReadOnly},
    {PAE_OID(".2.2.1.10"), "dot1xAuthEapLengthErrorFramesRx", SyntaxCounter, AccessReadOnly},
    {PAE_OID(".2.2.1.11"), "dot1xAuthLastEapolFrameVersion", SyntaxUInteger, AccessReadOnly},
    {PAE_OID(".2.2.1.12"), "dot1xAuthLastEapolFrameSource", SyntaxMacAddress, AccessReadOnly},
    {},
};
const CvControlBinding authStatsBindings[] = {
    {KindEditUnticked, "%i", &authStatsVars[0]},
    {KindEditUnticked, "%i", &authStatsVars[1]},
    {KindEditUnticked, "%i", &authStatsVars[2]},
    {KindEditUnticked, "%i", &authStatsVars[3]},
    {KindEditUnticked, "%i", &authStatsVars[4]},
    {KindEditUnticked, "%i", &authStatsVars[5]},
    {KindEditUnticked, "%i", &authStatsVars[6]},
    {KindEditUnticked, "%i", &authStatsVars[7]},
    {KindEditUnticked, "%i", &authStatsVars[8]},
    {KindEditUnticked, "%i", &authStatsVars[9]},
    {KindEditUnticked, "%i", &authStatsVars[10]},
    {KindEditUnticked, "%i", &authStatsVars[11]},
    {KindEditUnticked, "%s", &authStatsVars[12]},
    {},
};

const CvSNMPVar authDiagVars[] = {
    {PAE_PORT_NUMBER_OID, "dot1xPaePortNumber", SyntaxInteger, AccessNotAccessible},
    {PAE_OID(".2.3.1.1"), "dot1xAuthEntersConnecting", SyntaxCounter, AccessReadOnly},
    {PAE_OID(".2.3.1.2"), "dot1xAuthEapLogoffsWhileConnecting", SyntaxCounter, AccessReadOnly},
    {PAE_OID(".2.3.1.3"), "dot1xAuthEntersAuthenticating", SyntaxCounter, AccessReadOnly},
    {PAE_OID(".2.3.1.4"), "dot1xAuthAuthSuccessWhileAuthenticating", SyntaxCounter, AccessReadOnly},
    {PAE_OID(".2.3.1.5"), "dot1xAuthAuthTimeoutsWhileAuthenticating", SyntaxCounter,
        AccessReadOnly},
    {PAE_OID(".2.3.1.6"), "dot1xAuthAuthFailWhileAuthenticating", SyntaxCounter, AccessReadOnly},
    {PAE_OID(".2.3.1.7"), "dot1xAuthAuthReauthsWhileAuthenticating", SyntaxCounter, AccessReadOnly},
    {PAE_OID(".2.3.1.8"), "dot1xAuthAuthEapStartsWhileAuthenticating", SyntaxCounter,
        AccessReadOnly},
    {PAE_OID(".2.3.1.9"), "dot1xAuthAuthEapLogoffWhileAuthenticating", SyntaxCounter,
        AccessReadOnly},
    {PAE_OID(".2.3.1.10"), "dot1xAuthAuthReauthsWhileAuthenticated", SyntaxCounter, AccessReadOnly},
    {PAE_OID(".2.3.1.11"), "dot1xAuthAuthEapStartsWhileAuthenticated", SyntaxCounter,
        AccessReadOnly},
    {PAE_OID(".2.3.1.12"), "dot1xAuthAuthEapLogoffWhileAuthenticated", SyntaxCounter,
        AccessReadOnly},
    {PAE_OID(".2.3.1.13"), "dot1xAuthBackendResponses", SyntaxCounter, AccessReadOnly},
    {PAE_OID(".2.3.1.14"), "dot1xAuthBackendAccessChallenges", SyntaxCounter, AccessReadOnly},
    {PAE_OID(".2.3.1.15"), "dot1xAuthBackendOtherRequestsToSupplicant", SyntaxCounter,
        AccessReadOnly},
    {PAE_OID(".2.3.1.16"), "dot1xAuthBackendNonNakResponsesFromSupplicant", SyntaxCounter,
        AccessReadOnly},
    {PAE_OID(".2.3.1.17"), "dot1xAuthBackendAuthSuccesses", SyntaxCounter, AccessReadOnly},
    {PAE_OID(".2.3.1.18"), "dot1xAuthBackendAuthFails", SyntaxCounter, AccessReadOnly},
    {},
};
const CvControlBinding authDiagBindings[] = {
    {KindEditUnticked, "%i", &authDiagVars[0]},
    {KindEditUnticked, "%i", &authDiagVars[1]},
    {KindEditUnticked, "%i", &authDiagVars[2]},
    {KindEditUnticked, "%i", &authDiagVars[3]},
    {KindEditUnticked, "%i", &authDiagVars[4]},
    {KindEditUnticked, "%i", &authDiagVars[5]},
    {KindEditUnticked, "%i", &authDiagVars[6]},
    {KindEditUnticked, "%i", &authDiagVars[7]},
    {KindEditUnticked, "%i", &authDiagVars[8]},
    {KindEditUnticked, "%i", &authDiagVars[9]},
    {KindEditUnticked, "%i", &authDiagVars[10]},
    {KindEditUnticked, "%i", &authDiagVars[11]},
    {KindEditUnticked, "%i", &authDiagVars[12]},
    {KindEditUnticked, "%i", &authDiagVars[13]},
    {KindEditUnticked, "%i", &authDiagVars[14]},
    {KindEditUnticked, "%i", &authDiagVars[15]},
    {KindEditUnticked, "%i", &authDiagVars[16]},
    {KindEditUnticked, "%i", &authDiagVars[17]},
    {KindEditUnticked, "%i", &authDiagVars[18]},
    {},
};

const CvSNMPVar authSessionVars[] = {
    {PAE_PORT_NUMBER_OID, "dot1xPaePortNumber", SyntaxInteger, AccessNotAccessible},
    {PAE_OID(".2.4.1.1"), "dot1xAuthSessionOctetsRx", SyntaxCounter64, AccessReadOnly},
    {PAE_OID(".2.4.1.2"), "dot1xAuthSessionOctetsTx", SyntaxCounter64, AccessReadOnly},
    {PAE_OID(".2.4.1.3"), "dot1xAuthSessionFramesRx", SyntaxCounter, AccessReadOnly},
    {PAE_OID(".2.4.1.4"), "dot1xAuthSessionFramesTx", SyntaxCounter, AccessReadOnly},
    {PAE_OID(".2.4.1.5"), "dot1xAuthSessionId", SyntaxDisplayString, AccessReadOnly},
    {PAE_OID(".2.4.1.6"), "dot1xAuthSessionAuthenticMethod", SyntaxInteger, AccessReadOnly,
        Options::Of<authenticMethods>()},
    {PAE_OID(".2.4.1.7"), "dot1xAuthSessionTime", SyntaxTimeTicks, AccessReadOnly},
    {PAE_OID(".2.4.1.8"), "dot1xAuthSessionTerminateCause", SyntaxInteger, AccessReadOnly,
        Options::Of<terminateCauses>()},
    {PAE_OID(".2.4.1.9"), "dot1xAuthSessionUserName", SyntaxDisplayString, AccessReadOnly},
    {},
};
const CvControlBinding authSessionBindings[] = {
    {KindEditUnticked, "%i", &authSessionVars[0]},
    {KindEditUnticked, "%i", &authSessionVars[1]},
    {KindEditUnticked, "%i", &authSessionVars[2]},
    {KindEditUnticked, "%i", &authSessionVars[3]},
    {KindEditUnticked, "%i", &authSessionVars[4]},
    {KindEditUnticked, "%s", &authSessionVars[5]},
    {KindEditUnticked, "%s", &authSessionVars[6]},
    {KindEditUnticked, "%s", &authSessionVars[7]},
    {KindEditUnticked, "%s", &authSessionVars[8]},
    {KindEditUnticked, "%s", &authSessionVars[9]},
    {},
};

// MAC-based authentication: one row per supplicant, indexed by the
// supplicant's MAC address and the port it was learned on. The two index
// objects are not returned by the agent; the session table borrows them.
#define MAC_AUTH_MAC_OID SEC_OID(".6.1.1.1")
#define MAC_AUTH_PORT_OID SEC_OID(".6.1.1.2")

const CvSNMPVar macStateVars[] = {
    {MAC_AUTH_MAC_OID, "Port Access Entity Mac Address", SyntaxMacAddress, AccessNotAccessible},
    {MAC_AUTH_PORT_OID, "Port Number", SyntaxUInteger, AccessNotAccessible},
    {SEC_OID(".6.1.1.3"), "Auth PAE State", SyntaxInteger, AccessReadOnly,
        Options::Of<paeStates>()},
    {SEC_OID(".6.1.1.4"), "Backend Auth State", SyntaxInteger, AccessReadOnly,
        Options::Of<backendStates>()},
    {SEC_OID(".6.1.1.5"), "Port Status", SyntaxInteger, AccessReadOnly,
        Options::Of<controlledPortStates>()},
    {},
};
const CvControlBinding macStateBindings[] = {
    {KindEditUnticked, "%s", &macStateVars[0]},
    {KindEditUnticked, "%i", &macStateVars[1]},
    {KindEditUnticked, "%s", &macStateVars[2]},
    {KindEditUnticked, "%s", &macStateVars[3]},
    {KindEditUnticked, "%s", &macStateVars[4]},
    {},
};

const CvSNMPVar macSessionVars[] = {
    {MAC_AUTH_MAC_OID, "Port Access Entity Mac Address", SyntaxMacAddress, AccessNotAccessible},
    {MAC_AUTH_PORT_OID, "Port Number", SyntaxUInteger, AccessNotAccessible},
    {SEC_OID(".6.4.1.1"), "Session Octets Rx", SyntaxCounter64, AccessReadOnly},
    {SEC_OID(".6.4.1.2"), "Session Octets Tx", SyntaxCounter64, AccessReadOnly},
    {SEC_OID(".6.4.1.3"), "Session Frames Rx", SyntaxCounter, AccessReadOnly},
    {SEC_OID(".6.4.1.4"), "Session Frames Tx", SyntaxCounter, AccessReadOnly},
    {SEC_OID(".6.4.1.5"), "Session Id", SyntaxDisplayString, AccessReadOnly},
    {SEC_OID(".6.4.1.6"), "Session Authentic Method", SyntaxInteger, AccessReadOnly,
        Options::Of<authenticMethods>()},
    {SEC_OID(".6.4.1.7"), "Session Time", SyntaxTimeTicks, AccessReadOnly},
    {SEC_OID(".6.4.1.8"), "Session Terminate Cause", SyntaxInteger, AccessReadOnly,
        Options::Of<terminateCauses>()},
    {SEC_OID(".6.4.1.9"), "Session User Name", SyntaxDisplayString, AccessReadOnly},
    {},
};
const CvControlBinding macSessionBindings[] = {
    {KindEditUnticked, "%s", &macSessionVars[0]},
    {KindEditUnticked, "%i", &macSessionVars[1]},
    {KindEditUnticked, "%i", &macSessionVars[2]},
    {KindEditUnticked, "%i", &macSessionVars[3]},
    {KindEditUnticked, "%i", &macSessionVars[4]},
    {KindEditUnticked, "%i", &macSessionVars[5]},
    {KindEditUnticked, "%s", &macSessionVars[6]},
    {KindEditUnticked, "%s", &macSessionVars[7]},
    {KindEditUnticked, "%s", &macSessionVars[8]},
    {KindEditUnticked, "%s", &macSessionVars[9]},
    {KindEditUnticked, "%s", &macSessionVars[10]},
    {},
};

// RADIUS

// The three RADIUS servers the switch asks, in order; an entry set to
// invalid is kept but not asked.
const CvSNMPVar radiusServerVars[] = {
    {SEC_OID(".2.4.1.1"), "Index", SyntaxInteger, AccessReadOnly},
    {SEC_OID(".2.4.1.2"), "IP Address", SyntaxIpAddress, AccessReadWrite},
    {SEC_OID(".2.4.1.3"), "Authentication Port[1-65535]", SyntaxInteger, AccessReadWrite},
    {SEC_OID(".2.4.1.4"), "Accounting Port[1-65535]", SyntaxInteger, AccessReadWrite},
    {SEC_OID(".2.4.1.5"), "Key", SyntaxDisplayString, AccessReadWrite},
    {SEC_OID(".2.4.1.6"), "Status", SyntaxInteger, AccessReadWrite, &Options::ValidInvalid()},
    {},
};
const CvControlBinding radiusServerBindings[] = {
    {KindEditUnticked, "%i", &radiusServerVars[0]},
    {KindEdit, "%s", &radiusServerVars[1]},
    {KindEdit, "%i{n1x65535l5}", &radiusServerVars[2]},
    {KindEdit, "%i{n1x65535l5}", &radiusServerVars[3]},
    {KindEdit, "%s{l32}", &radiusServerVars[4]},
    {KindComboBox, "%s", &radiusServerVars[5]},
    {},
};

const CvSNMPVar radiusAuthClientVars[] = {
    {RADIUS_AUTH_OID(".1"), "radiusAuthClientInvalidServerAddresses", SyntaxCounter,
        AccessReadOnly},
    {RADIUS_AUTH_OID(".2"), "radiusAuthClientIdentifier", SyntaxDisplayString, AccessReadOnly},
    {},
};
const CvControlBinding radiusAuthClientBindings[] = {
    {KindEditUnticked, "%i", &radiusAuthClientVars[0]},
    {KindEditUnticked, "%s", &radiusAuthClientVars[1]},
    {},
};

const CvSNMPVar radiusAuthServerVars[] = {
    {RADIUS_AUTH_OID(".3.1.1"), "radiusAuthServerIndex", SyntaxInteger, AccessNotAccessible},
    {RADIUS_AUTH_OID(".3.1.2"), "radiusAuthServerAddress", SyntaxIpAddress, AccessReadOnly},
    {RADIUS_AUTH_OID(".3.1.3"), "radiusAuthClientServerPortNumber", SyntaxInteger, AccessReadOnly},
    {RADIUS_AUTH_OID(".3.1.4"), "radiusAuthClientRoundTripTime", SyntaxTimeTicks, AccessReadOnly},
    {RADIUS_AUTH_OID(".3.1.5"), "radiusAuthClientAccessRequests", SyntaxCounter, AccessReadOnly},
    {RADIUS_AUTH_OID(".3.1.6"), "radiusAuthClientAccessRetransmissions", SyntaxCounter,
        AccessReadOnly},
    {RADIUS_AUTH_OID(".3.1.7"), "radiusAuthClientAccessAccepts", SyntaxCounter, AccessReadOnly},
    {RADIUS_AUTH_OID(".3.1.8"), "radiusAuthClientAccessRejects", SyntaxCounter, AccessReadOnly},
    {RADIUS_AUTH_OID(".3.1.9"), "radiusAuthClientAccessChallenges", SyntaxCounter, AccessReadOnly},
    {RADIUS_AUTH_OID(".3.1.10"), "radiusAuthClientMalformedAccessResponses", SyntaxCounter,
        AccessReadOnly},
    {RADIUS_AUTH_OID(".3.1.11"), "radiusAuthClientBadAuthenticators", SyntaxCounter,
        AccessReadOnly},
    {RADIUS_AUTH_OID(".3.1.12"), "radiusAuthClientPendingRequests", SyntaxGauge, AccessReadOnly},
    {RADIUS_AUTH_OID(".3.1.13"), "radiusAuthClientTimeouts", SyntaxCounter, AccessReadOnly},
    {RADIUS_AUTH_OID(".3.1.14"), "radiusAuthClientUnknownTypes", SyntaxCounter, AccessReadOnly},
    {RADIUS_AUTH_OID(".3.1.15"), "radiusAuthClientPacketsDropped", SyntaxCounter, AccessReadOnly},
    {},
};
const CvControlBinding radiusAuthServerBindings[] = {
    {KindEditUnticked, "%i", &radiusAuthServerVars[0]},
    {KindEditUnticked, "%s", &radiusAuthServerVars[1]},
    {KindEditUnticked, "%i", &radiusAuthServerVars[2]},
    {KindEditUnticked, "%s", &radiusAuthServerVars[3]},
    {KindEditUnticked, "%i", &radiusAuthServerVars[4]},
    {KindEditUnticked, "%i", &radiusAuthServerVars[5]},
    {KindEditUnticked, "%i", &radiusAuthServerVars[6]},
    {KindEditUnticked, "%i", &radiusAuthServerVars[7]},
    {KindEditUnticked, "%i", &radiusAuthServerVars[8]},
    {KindEditUnticked, "%i", &radiusAuthServerVars[9]},
    {KindEditUnticked, "%i", &radiusAuthServerVars[10]},
    {KindEditUnticked, "%i", &radiusAuthServerVars[11]},
    {KindEditUnticked, "%i", &radiusAuthServerVars[12]},
    {KindEditUnticked, "%i", &radiusAuthServerVars[13]},
    {KindEditUnticked, "%i", &radiusAuthServerVars[14]},
    {},
};

const CvSNMPVar radiusAccClientVars[] = {
    {RADIUS_ACC_OID(".1"), "radiusAccClientInvalidServerAddresses", SyntaxCounter, AccessReadOnly},
    {RADIUS_ACC_OID(".2"), "radiusAccClientIdentifier", SyntaxDisplayString, AccessReadOnly},
    {},
};
const CvControlBinding radiusAccClientBindings[] = {
    {KindEditUnticked, "%i", &radiusAccClientVars[0]},
    {KindEditUnticked, "%s", &radiusAccClientVars[1]},
    {},
};

const CvSNMPVar radiusAccServerVars[] = {
    {RADIUS_ACC_OID(".3.1.1"), "radiusAccServerIndex", SyntaxInteger, AccessNotAccessible},
    {RADIUS_ACC_OID(".3.1.2"), "radiusAccServerAddress", SyntaxIpAddress, AccessReadOnly},
    {RADIUS_ACC_OID(".3.1.3"), "radiusAccClientServerPortNumber", SyntaxInteger, AccessReadOnly},
    {RADIUS_ACC_OID(".3.1.4"), "radiusAccClientRoundTripTime", SyntaxTimeTicks, AccessReadOnly},
    {RADIUS_ACC_OID(".3.1.5"), "radiusAccClientRequests", SyntaxCounter, AccessReadOnly},
    {RADIUS_ACC_OID(".3.1.6"), "radiusAccClientRetransmissions", SyntaxCounter, AccessReadOnly},
    {RADIUS_ACC_OID(".3.1.7"), "radiusAccClientResponses", SyntaxCounter, AccessReadOnly},
    {RADIUS_ACC_OID(".3.1.8"), "radiusAccClientMalformedResponses", SyntaxCounter, AccessReadOnly},
    {RADIUS_ACC_OID(".3.1.9"), "radiusAccClientBadAuthenticators", SyntaxCounter, AccessReadOnly},
    {RADIUS_ACC_OID(".3.1.10"), "radiusAccClientPendingRequests", SyntaxGauge, AccessReadOnly},
    {RADIUS_ACC_OID(".3.1.11"), "radiusAccClientTimeouts", SyntaxCounter, AccessReadOnly},
    {RADIUS_ACC_OID(".3.1.12"), "radiusAccClientUnknownTypes", SyntaxCounter, AccessReadOnly},
    {RADIUS_ACC_OID(".3.1.13"), "radiusAccClientPacketsDropped", SyntaxCounter, AccessReadOnly},
    {},
};
const CvControlBinding radiusAccServerBindings[] = {
    {KindEditUnticked, "%i", &radiusAccServerVars[0]},
    {KindEditUnticked, "%s", &radiusAccServerVars[1]},
    {KindEditUnticked, "%i", &radiusAccServerVars[2]},
    {KindEditUnticked, "%s", &radiusAccServerVars[3]},
    {KindEditUnticked, "%i", &radiusAccServerVars[4]},
    {KindEditUnticked, "%i", &radiusAccServerVars[5]},
    {KindEditUnticked, "%i", &radiusAccServerVars[6]},
    {KindEditUnticked, "%i", &radiusAccServerVars[7]},
    {KindEditUnticked, "%i", &radiusAccServerVars[8]},
    {KindEditUnticked, "%i", &radiusAccServerVars[9]},
    {KindEditUnticked, "%i", &radiusAccServerVars[10]},
    {KindEditUnticked, "%i", &radiusAccServerVars[11]},
    {KindEditUnticked, "%i", &radiusAccServerVars[12]},
    {},
};

// TACACS+

const CvSNMPVar tacacsControlVars[] = {
    {TACACS_OID(".1.1"), "Authentication Policy", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {},
};
const CvControlBinding tacacsControlBindings[] = {
    {KindComboBox, "%s", &tacacsControlVars[0]},
    {},
};

// The server group count follows the group table; the two limits are those
// of the switch.
const CvSNMPVar tacacsInformationVars[] = {
    {TACACS_OID(".1.2"), "Response Timeout (sec)[1-255]", SyntaxInteger, AccessReadWrite},
    {TACACS_OID(".1.3"), "User Attempts[1-255]", SyntaxInteger, AccessReadWrite},
    {TACACS_OID(".2"), "Enable Admin", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {TACACS_OID(".5"), "Server Groups", SyntaxGauge, AccessReadOnly},
    {TACACS_OID(".6"), "Maximum Server Groups", SyntaxInteger, AccessReadOnly},
    {TACACS_OID(".8"), "Maximum Servers Per Group", SyntaxInteger, AccessReadOnly},
    {},
};
const CvControlBinding tacacsInformationBindings[] = {
    {KindEdit, "%i{n1x255l3}", &tacacsInformationVars[0]},
    {KindEdit, "%i{n1x255l3}", &tacacsInformationVars[1]},
    {KindComboBox, "%s", &tacacsInformationVars[2]},
    {KindEditUnticked, "%i", &tacacsInformationVars[3]},
    {KindEditUnticked, "%i", &tacacsInformationVars[4]},
    {KindEditUnticked, "%i", &tacacsInformationVars[5]},
    {},
};

// The method lists (login and enable) used by each way of reaching the
// switch; "default" is the list every switch has.
const CvSNMPVar loginInformationVars[] = {
    {TACACS_OID(".7.1"), "Console Login Method List", SyntaxDisplayString, AccessReadWrite},
    {TACACS_OID(".7.2"), "Telnet Login Method List", SyntaxDisplayString, AccessReadWrite},
    {TACACS_OID(".7.3"), "SSH Login Method List", SyntaxDisplayString, AccessReadWrite},
    {TACACS_OID(".7.4"), "HTTP Login Method List", SyntaxDisplayString, AccessReadWrite},
    {TACACS_OID(".7.5"), "Console Enable Method List", SyntaxDisplayString, AccessReadWrite},
    {TACACS_OID(".7.6"), "Telnet Enable Method List", SyntaxDisplayString, AccessReadWrite},
    {TACACS_OID(".7.7"), "SSH Enable Method List", SyntaxDisplayString, AccessReadWrite},
    {TACACS_OID(".7.8"), "HTTP Enable Method List", SyntaxDisplayString, AccessReadWrite},
    {},
};
const CvControlBinding loginInformationBindings[] = {
    {KindEdit, "%s{l15}", &loginInformationVars[0]},
    {KindEdit, "%s{l15}", &loginInformationVars[1]},
    {KindEdit, "%s{l15}", &loginInformationVars[2]},
    {KindEdit, "%s{l15}", &loginInformationVars[3]},
    {KindEdit, "%s{l15}", &loginInformationVars[4]},
    {KindEdit, "%s{l15}", &loginInformationVars[5]},
    {KindEdit, "%s{l15}", &loginInformationVars[6]},
    {KindEdit, "%s{l15}", &loginInformationVars[7]},
    {},
};

// A server group names up to eight servers, each by address and protocol;
// servers join and leave a group through "Server Control", so only the row
// status is writable here.
const CvSNMPVar serverGroupVars[] = {
    {TACACS_OID(".9.1.1"), "Group Name", SyntaxDisplayString, AccessNotAccessible},
    {TACACS_OID(".9.1.2"), "Server1 IP", SyntaxIpAddress, AccessReadOnly},
    {TACACS_OID(".9.1.3"), "Server1 Protocol", SyntaxInteger, AccessReadOnly,
        Options::Of<serverSlotProtocols>()},
    {TACACS_OID(".9.1.4"), "Server2 IP", SyntaxIpAddress, AccessReadOnly},
    {TACACS_OID(".9.1.5"), "Server2 Protocol", SyntaxInteger, AccessReadOnly,
        Options::Of<serverSlotProtocols>()},
    {TACACS_OID(".9.1.6"), "Server3 IP", SyntaxIpAddress, AccessReadOnly},
    {TACACS_OID(".9.1.7"), "Server3 Protocol", SyntaxInteger, AccessReadOnly,
        Options::Of<serverSlotProtocols>()},
    {TACACS_OID(".9.1.8"), "Server4 IP", SyntaxIpAddress, AccessReadOnly},
    {TACACS_OID(".9.1.9"), "Server4 Protocol", SyntaxInteger, AccessReadOnly,
        Options::Of<serverSlotProtocols>()},
    {TACACS_OID(".9.1.10"), "Server5 IP", SyntaxIpAddress, AccessReadOnly},
    {TACACS_OID(".9.1.11"), "Server5 Protocol", SyntaxInteger, AccessReadOnly,
        Options::Of<serverSlotProtocols>()},
    {TACACS_OID(".9.1.12"), "Server6 IP", SyntaxIpAddress, AccessReadOnly},
    {TACACS_OID(".9.1.13"), "Server6 Protocol", SyntaxInteger, AccessReadOnly,
        Options::Of<serverSlotProtocols>()},
    {TACACS_OID(".9.1.14"), "Server7 IP", SyntaxIpAddress, AccessReadOnly},
    {TACACS_OID(".9.1.15"), "Server7 Protocol", SyntaxInteger, AccessReadOnly,
        Options::Of<serverSlotProtocols>()},
    {TACACS_OID(".9.1.16"), "Server8 IP", SyntaxIpAddress, AccessReadOnly},
    {TACACS_OID(".9.1.17"), "Server8 Protocol", SyntaxInteger, AccessReadOnly,
        Options::Of<serverSlotProtocols>()},
    {TACACS_OID(".9.1.18"), "Row Status", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {},
};
const CvControlBinding serverGroupBindings[] = {
    {KindEditUnticked, "%s{l15}", &serverGroupVars[0]},
    {KindEditUnticked, "%s", &serverGroupVars[1]},
    {KindEditUnticked, "%s", &serverGroupVars[2]},
    {KindEditUnticked, "%s", &serverGroupVars[3]},
    {KindEditUnticked, "%s", &serverGroupVars[4]},
    {KindEditUnticked, "%s", &serverGroupVars[5]},
    {KindEditUnticked, "%s", &serverGroupVars[6]},
    {KindEditUnticked, "%s", &serverGroupVars[7]},
    {KindEditUnticked, "%s", &serverGroupVars[8]},
    {KindEditUnticked, "%s", &serverGroupVars[9]},
    {KindEditUnticked, "%s", &serverGroupVars[10]},
    {KindEditUnticked, "%s", &serverGroupVars[11]},
    {KindEditUnticked, "%s", &serverGroupVars[12]},
    {KindEditUnticked, "%s", &serverGroupVars[13]},
    {KindEditUnticked, "%s", &serverGroupVars[14]},
    {KindEditUnticked, "%s", &serverGroupVars[15]},
    {KindEditUnticked, "%s", &serverGroupVars[16]},
    {KindComboBox, "%s", &serverGroupVars[17]},
    {},
};

// One row per server of a group; writing "add" puts a server into a group.
const CvSNMPVar serverControlVars[] = {
    {TACACS_OID(".12.1.1"), "Server Group Name", SyntaxDisplayString, AccessNotAccessible},
    {TACACS_OID(".12.1.2"), "Server IP Address", SyntaxIpAddress, AccessNotAccessible},
    {TACACS_OID(".12.1.3"), "Server Authentication Protocol", SyntaxInteger, AccessNotAccessible,
        Options::Of<serverProtocols>()},
    {TACACS_OID(".12.1.4"), "Server Row State", SyntaxInteger, AccessReadWrite,
        Options::Of<serverRowStates>()},
    {},
};
const CvControlBinding serverControlBindings[] = {
    {KindEditUnticked, "%s", &serverControlVars[0]},
    {KindEditUnticked, "%s", &serverControlVars[1]},
    {KindComboBox, "%s", &serverControlVars[2]},
    {KindComboBox, "%s", &serverControlVars[3]},
    {},
};

// SSH

const CvSNMPVar sshManagementVars[] = {
    {SSH_OID(".1.1"), "SSH Server State", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {SSH_OID(".1.2"), "Version", SyntaxDisplayString, AccessReadOnly},
    {SSH_OID(".1.3"), "Max Auth Fail Attempts[2-20]", SyntaxInteger, AccessReadWrite},
    {SSH_OID(".1.4"), "Session Timeout (sec)[120-600]", SyntaxInteger, AccessReadWrite},
    {SSH_OID(".1.5"), "Max Sessions", SyntaxInteger, AccessReadOnly},
    {SSH_OID(".1.6"), "Listened Port[1-65535]", SyntaxInteger, AccessReadWrite},
    {},
};
const CvControlBinding sshManagementBindings[] = {
    {KindComboBox, "%s", &sshManagementVars[0]},
    {KindEditUnticked, "%s", &sshManagementVars[1]},
    {KindEdit, "%i{n2x20l2}", &sshManagementVars[2]},
    {KindEdit, "%i{n120x600l3}", &sshManagementVars[3]},
    {KindEditUnticked, "%i", &sshManagementVars[4]},
    {KindEdit, "%i{n1x65535l5}", &sshManagementVars[5]},
    {},
};

const CvSNMPVar sshCipherVars[] = {
    {SSH_OID(".3.1.1"), "3DES", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {SSH_OID(".3.1.2"), "AES128", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {SSH_OID(".3.1.3"), "AES192", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {SSH_OID(".3.1.4"), "AES256", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {SSH_OID(".3.1.5"), "Arcfour", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {SSH_OID(".3.1.6"), "Blowfish", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {SSH_OID(".3.1.7"), "Cast128", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {SSH_OID(".3.1.8"), "Twofish128", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {SSH_OID(".3.1.9"), "Twofish192", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {SSH_OID(".3.1.10"), "Twofish256", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {},
};
const CvControlBinding sshCipherBindings[] = {
    {KindComboBox, "%s", &sshCipherVars[0]},
    {KindComboBox, "%s", &sshCipherVars[1]},
    {KindComboBox, "%s", &sshCipherVars[2]},
    {KindComboBox, "%s", &sshCipherVars[3]},
    {KindComboBox, "%s", &sshCipherVars[4]},
    {KindComboBox, "%s", &sshCipherVars[5]},
    {KindComboBox, "%s", &sshCipherVars[6]},
    {KindComboBox, "%s", &sshCipherVars[7]},
    {KindComboBox, "%s", &sshCipherVars[8]},
    {KindComboBox, "%s", &sshCipherVars[9]},
    {},
};

const CvSNMPVar sshAuthMethodVars[] = {
    {SSH_OID(".3.2.1"), "Password", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {SSH_OID(".3.2.2"), "Public Key", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {SSH_OID(".3.2.3"), "Host-based", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {},
};
const CvControlBinding sshAuthMethodBindings[] = {
    {KindComboBox, "%s", &sshAuthMethodVars[0]},
    {KindComboBox, "%s", &sshAuthMethodVars[1]},
    {KindComboBox, "%s", &sshAuthMethodVars[2]},
    {},
};

const CvSNMPVar sshHmacVars[] = {
    {SSH_OID(".3.3.1"), "HMAC-SHA1", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {SSH_OID(".3.3.2"), "HMAC-MD5", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {},
};
const CvControlBinding sshHmacBindings[] = {
    {KindComboBox, "%s", &sshHmacVars[0]},
    {KindComboBox, "%s", &sshHmacVars[1]},
    {},
};

const CvSNMPVar sshPublicKeyVars[] = {
    {SSH_OID(".3.5.1"), "RSA", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {SSH_OID(".3.5.2"), "DSA", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {},
};
const CvControlBinding sshPublicKeyBindings[] = {
    {KindComboBox, "%s", &sshPublicKeyVars[0]},
    {KindComboBox, "%s", &sshPublicKeyVars[1]},
    {},
};

// SSL

const CvSNMPVar sslManagementVars[] = {
    {SSL_OID(".1.1"), "SSL State", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {SSL_OID(".1.2"), "Cache Timeout (sec)[60-86400]", SyntaxInteger, AccessReadWrite},
    {SSL_OID(".1.3"), "Protocol Versions", SyntaxDisplayString, AccessReadOnly},
    {},
};
const CvControlBinding sslManagementBindings[] = {
    {KindComboBox, "%s", &sslManagementVars[0]},
    {KindEdit, "%i{n60x86400l5}", &sslManagementVars[1]},
    {KindEditUnticked, "%s", &sslManagementVars[2]},
    {},
};

// Loading a certificate and its key from a TFTP server: the names and the
// server are set, then "load" starts the transfer.
const CvSNMPVar certificateVars[] = {
    {SSL_OID(".2.1"), "TFTP Server IP Address", SyntaxIpAddress, AccessReadWrite},
    {SSL_OID(".2.2"), "Certificate File Name", SyntaxDisplayString, AccessReadWrite},
    {SSL_OID(".2.3"), "Key File Name", SyntaxDisplayString, AccessReadWrite},
    {SSL_OID(".2.4"), "Load Certificate", SyntaxInteger, AccessReadWrite,
        Options::Of<certificateLoads>()},
    {SSL_OID(".2.5"), "Load Status", SyntaxInteger, AccessReadOnly,
        Options::Of<certificateStates>()},
    {},
};
const CvControlBinding certificateBindings[] = {
    {KindEdit, "%s", &certificateVars[0]},
    {KindEdit, "%s{l64}", &certificateVars[1]},
    {KindEdit, "%s{l64}", &certificateVars[2]},
    {KindComboBox, "%s", &certificateVars[3]},
    {KindEditUnticked, "%s", &certificateVars[4]},
    {},
};
} // namespace

const CvFormDescriptor SecurityManagementForms[] = {
    {.menuPath = "Security Management > Authentication Mode Setting",
        .title = "Authentication Mode Setting",
        .variables = authModeVars,
        .bindings = authModeBindings,
        .adjust = {.flags = AdjustFirstTwoControls}},
    {.menuPath = "Security Management > 802.1X > Configuration",
        .title = "802.1X Configuration",
        .variables = paeSystemVars,
        .bindings = paeSystemBindings},
    {.menuPath = "Security Management > 802.1X > Port Configuration",
        .title = "802.1X Port Configuration",
        .variables = authConfigVars,
        .listKind = MVT_UMV,
        .indexCount = 1,
        .bindings = authConfigBindings,
        .adjust = {.flags = AdjustStop}},
    {.menuPath = "Security Management > 802.1X > Port Statistics",
        .title = "Port Statistics",
        .variables = authStatsVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = authStatsBindings,
        .adjust = {.flags = AdjustStop}},
    {.menuPath = "Security Management > 802.1X > Port Diagnostics",
        .title = "Port Diagnostics",
        .variables = authDiagVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = authDiagBindings,
        .adjust = {.flags = AdjustStop}},
    {.menuPath = "Security Management > 802.1X > Port Session Statistics",
        .title = "Port Session Statistics",
        .variables = authSessionVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = authSessionBindings,
        .adjust = {.flags = AdjustStop}},
    {.menuPath = "Security Management > 802.1X > Mac Base Authentication > State Table",
        .title = "State Table",
        .variables = macStateVars,
        .listKind = MVT_FMV,
        .indexCount = 2,
        .bindings = macStateBindings},
    {.menuPath = "Security Management > 802.1X > Mac Base Authentication > Session Information",
        .title = "Session Information ",
        .variables = macSessionVars,
        .listKind = MVT_FMV,
        .indexCount = 2,
        .bindings = macSessionBindings},
    {.menuPath = "Security Management > Radius Management > Radius Server Table",
        .title = "Radius Server Table",
        .variables = radiusServerVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = radiusServerBindings,
        .adjust
        = {.height = 450, .heightScaled = true, .controlsPlus = 30, .controlsScaled = true}},
    {.menuPath = "Security Management > Radius Management > Authentication Information",
        .title = "Radius Authentication Information",
        .variables = radiusAuthClientVars,
        .bindings = radiusAuthClientBindings},
    {.menuPath = "Security Management > Radius Management > Authentication Table",
        .title = "Radius Authentication Table",
        .variables = radiusAuthServerVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = radiusAuthServerBindings},
    {.menuPath = "Security Management > Radius Management > Accounting Control > Basic Information",
        .title = "Accounting Basic Information",
        .variables = radiusAccClientVars,
        .bindings = radiusAccClientBindings},
    {.menuPath = "Security Management > Radius Management > Accounting Control > Server Table",
        .title = "Accounting Server Table",
        .variables = radiusAccServerVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = radiusAccServerBindings},
    {.menuPath = "Security Management > TACACS+ > TACACS+ Control",
        .title = "TACACS+ Control",
        .variables = tacacsControlVars,
        .bindings = tacacsControlBindings},
    {.menuPath = "Security Management > TACACS+ > TACACS+ Information",
        .title = "TACACS+ Information Table",
        .variables = tacacsInformationVars,
        .bindings = tacacsInformationBindings},
    {.menuPath = "Security Management > TACACS+ > Login Information",
        .title = "Login Information",
        .variables = loginInformationVars,
        .bindings = loginInformationBindings},
    {.menuPath = "Security Management > TACACS+ > Server Group",
        .title = "Server Group Table",
        .variables = serverGroupVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = serverGroupBindings,
        .createColumn = 17,
        .createValue = "createAndGo",
        .deleteColumn = 17,
        .deleteValue = "destroy",
        .adjust = {.flags = AdjustNoRowEdit}},
    {.menuPath = "Security Management > TACACS+ > Server Control",
        .title = "Server Control",
        .variables = serverControlVars,
        .listKind = MVT_UMV,
        .indexCount = 3,
        .bindings = serverControlBindings,
        .createColumn = 3,
        .createValue = "add",
        .adjust = {.heightPlus = 10}},
    {.menuPath = "Security Management > SSH > SSH Management",
        .title = "SSH Management Table",
        .variables = sshManagementVars,
        .bindings = sshManagementBindings},
    {.menuPath = "Security Management > SSH > Encryption Algorithm",
        .title = "Encryption Algorithm Control",
        .variables = sshCipherVars,
        .bindings = sshCipherBindings},
    {.menuPath = "Security Management > SSH > Authentication Method",
        .title = "Authentication Method Control",
        .variables = sshAuthMethodVars,
        .bindings = sshAuthMethodBindings},
    {.menuPath = "Security Management > SSH > HMAC Algorithm",
        .title = "HMAC Algorithm Control",
        .variables = sshHmacVars,
        .bindings = sshHmacBindings,
        .adjust = {.heightPlus = 15}},
    {.menuPath = "Security Management > SSH > Public Key Algorithm",
        .title = "Public Key Algorithm Control",
        .variables = sshPublicKeyVars,
        .bindings = sshPublicKeyBindings},
    {.menuPath = "Security Management > SSL > SSL Management",
        .title = "SSL Management Table",
        .variables = sslManagementVars,
        .bindings = sslManagementBindings},
    {.menuPath = "Security Management > SSL > Certificate File Information",
        .title = "Certificate File Information",
        .variables = certificateVars,
        .bindings = certificateBindings},
    {},
};
