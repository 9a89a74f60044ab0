#pragma once

#include "CvSNMPVar.h"

// The variable tables of the system windows, null-terminated.

// Summer time: the status and offset, the annual period and the repeating
// period, one scalar group each, kind 0.
extern const CvSNMPVar SummerStatusVars[];
extern const CvSNMPVar SummerAnnualVars[];
extern const CvSNMPVar SummerRepeatVars[];
namespace SummerStatus {
enum : int { Status, Offset };
}

// The SNMP community table, kind 3, one IMPLIED index.
extern const CvSNMPVar CommunityVars[];
namespace Community {
enum : int { Index, Name, SecurityName, Status };
}

// The MAC-based 802.1X counters, kind 2, indexed like the supplicant state
// table (address and port): the authenticator's diagnostics and the EAPOL
// frame statistics.
extern const CvSNMPVar Dot1xDiagnosticsVars[];
extern const CvSNMPVar Dot1xFrameStatisticsVars[];
namespace Dot1xStatistics {
enum : int { Mac, Port };
inline constexpr int IndexCount = 2;
} // namespace Dot1xStatistics
