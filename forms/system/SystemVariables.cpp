#include "SystemVariables.h"

#include "CvStandardOptions.h"
#include "EnterpriseOid.h"

namespace {
const CvIntOption summerStatus[] = {{0, "disable"}, {1, "repeating"}, {2, "annual"}, {0, nullptr}};

#define SUMMER(leaf) PEN_OID(".12.10.12." #leaf)
#define COMMUNITY(column) "1.3.6.1.6.3.18.1.1.1." #column
#define DIAGNOSTICS(column) PEN_OID(".12.3.6.3.1." #column)
#define FRAMES(column) PEN_OID(".12.3.6.2.1." #column)
// The supplicant's address and port, the index of every MAC-based table.
constexpr CvSNMPVar supplicantMac {PEN_OID(".12.3.6.1.1.1"), "Port Access Entity Mac Address",
    SyntaxMacAddress, AccessNotAccessible};
constexpr CvSNMPVar supplicantPort {
    PEN_OID(".12.3.6.1.1.2"), "Port Number", SyntaxUInteger, AccessNotAccessible};
} // namespace

const CvSNMPVar SummerStatusVars[] = {
    {SUMMER(1), "swSummerTimeStatus", SyntaxInteger, AccessReadWrite, Options::Of<summerStatus>()},
    {SUMMER(2), "swSummerTimeOffset", SyntaxInteger, AccessReadWrite},
    {},
};

const CvSNMPVar SummerAnnualVars[] = {
    {SUMMER(5), "swAnnualSummerTimeStart", SyntaxOctetString, AccessReadWrite},
    {SUMMER(6), "swAnnualSummerTimeEnd", SyntaxOctetString, AccessReadWrite},
    {},
};

const CvSNMPVar SummerRepeatVars[] = {
    {SUMMER(3), "swRepeatSummerTimeStart", SyntaxOctetString, AccessReadWrite},
    {SUMMER(4), "swRepeatSummerTimeEnd", SyntaxOctetString, AccessReadWrite},
    {},
};

const CvSNMPVar CommunityVars[] = {
    {COMMUNITY(1), "Index", SyntaxDisplayString, AccessNotAccessible | AccessImplied},
    {COMMUNITY(2), "Name", SyntaxDisplayString, AccessReadWrite},
    {COMMUNITY(3), "Security Name", SyntaxDisplayString, AccessReadWrite},
    {COMMUNITY(8), "Status", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {},
};

const CvSNMPVar Dot1xDiagnosticsVars[] = {
    supplicantMac,
    supplicantPort,
    {DIAGNOSTICS(3), "Connecting Times", SyntaxCounter, AccessReadOnly},
    {DIAGNOSTICS(4), "Log Off Times While Connecting", SyntaxCounter, AccessReadOnly},
    {DIAGNOSTICS(5), "Authenticating Times", SyntaxCounter, AccessReadOnly},
    {DIAGNOSTICS(6), "Success Authenticated Times", SyntaxCounter, AccessReadOnly},
    {DIAGNOSTICS(7), "Timeout times While Authenticating", SyntaxCounter, AccessReadOnly},
    {DIAGNOSTICS(8), "Fail Times While Authenticating", SyntaxCounter, AccessReadOnly},
    {DIAGNOSTICS(9), "Reauthenticate Times While Authenticating", SyntaxCounter, AccessReadOnly},
    {DIAGNOSTICS(10), "EAPOL-Start Received Times While Authenticating", SyntaxCounter,
        AccessReadOnly},
    {DIAGNOSTICS(11), "EAPOL-Logoff Received Times While Authenticating", SyntaxCounter,
        AccessReadOnly},
    {DIAGNOSTICS(12), "Reauthenticate Times While Authenticated", SyntaxCounter, AccessReadOnly},
    {DIAGNOSTICS(13), "EAPOL-Start Received Times While Authenticated", SyntaxCounter,
        AccessReadOnly},
    {DIAGNOSTICS(14), "EAPOL-Logoff Received Times While Authenticated", SyntaxCounter,
        AccessReadOnly},
    {DIAGNOSTICS(15), "Backend Response Times", SyntaxCounter, AccessReadOnly},
    {DIAGNOSTICS(16), "Backend Access Challenge Times", SyntaxCounter, AccessReadOnly},
    {DIAGNOSTICS(17), "Backend Other Request To Supplicant Times", SyntaxCounter, AccessReadOnly},
    {DIAGNOSTICS(18), "Backend NonNak Response From Supplicant Times", SyntaxCounter,
        AccessReadOnly},
    {DIAGNOSTICS(19), "Backend Authentication Successes Times", SyntaxCounter, AccessReadOnly},
    {DIAGNOSTICS(20), "Backend Authentication Fails Times", SyntaxCounter, AccessReadOnly},
    {},
};

const CvSNMPVar Dot1xFrameStatisticsVars[] = {
    supplicantMac,
    supplicantPort,
    {FRAMES(3), "Total Received Frames", SyntaxCounter, AccessReadOnly},
    {FRAMES(4), "Total Transmitted Frames", SyntaxCounter, AccessReadOnly},
    {FRAMES(5), "Start Frames Rx", SyntaxCounter, AccessReadOnly},
    {FRAMES(6), "Logoff Frames Rx", SyntaxCounter, AccessReadOnly},
    {FRAMES(7), "Resp/Id Frames Rx", SyntaxCounter, AccessReadOnly},
    {FRAMES(8), "Respones Frames Rx", SyntaxCounter, AccessReadOnly},
    {FRAMES(9), "Req/Id Frames Tx", SyntaxCounter, AccessReadOnly},
    {FRAMES(10), "Request Frames Tx", SyntaxCounter, AccessReadOnly},
    {FRAMES(11), "Invalid Eapol Frames Rx", SyntaxCounter, AccessReadOnly},
    {FRAMES(12), "Length Error Frames Rx", SyntaxCounter, AccessReadOnly},
    {FRAMES(13), "Eapol Frame Version", SyntaxGauge, AccessReadOnly},
    {FRAMES(14), "Last Eapol Frame Source", SyntaxMacAddress, AccessReadOnly},
    {},
};
