#pragma once

#include "CvSNMPVar.h"

// The variable tables of the authentication windows, null-terminated.

// The routing protocols' MD5 keys, kind 3, one index.
extern const CvSNMPVar Md5KeyVars[];
namespace Md5Key {
enum : int { KeyId, Key, Status };
}

// The system-log servers, kind 3, one index.
extern const CvSNMPVar LogHostVars[];
namespace LogHost {
enum : int { Index, IpAddress, Facility, Severity, UdpPort, State, RowStatus };
}

// The member switches of a single-IP group, kind 3, one index.
extern const CvSNMPVar MemberSwitchVars[];
namespace MemberSwitch {
enum : int {
    Id,
    Name,
    MacAddr,
    Firmware,
    Capability,
    Platform,
    Holdtime,
    CandidateSource,
    Password,
    RowStatus
};
}

// One member switch, kind 1 (no index variables: the row's instance is set
// before each write).
extern const CvSNMPVar MemberEditVars[];
namespace MemberEdit {
enum : int { Id, CandidateSource, Password, RowStatus };
}

// The login and enable method lists, kind 3, one index: the list name,
// four methods (type and server group each) and the row status.
extern const CvSNMPVar LoginMethodVars[];
extern const CvSNMPVar EnableMethodVars[];
namespace MethodList {
enum : int { Name, Type1, Group1, Type2, Group2, Type3, Group3, Type4, Group4, RowStatus };
inline constexpr int Methods = 4;
inline int TypeOf(int method)
{
    return Type1 + 2 * method;
}
inline int GroupOf(int method)
{
    return Group1 + 2 * method;
}
} // namespace MethodList

// The authentication servers, kind 3, two indexes (address, protocol).
extern const CvSNMPVar ServerInfoVars[];
namespace ServerInfo {
enum : int { Ip, Protocol, Port, Key, Timeout, RetryCount, RowStatus };
}
