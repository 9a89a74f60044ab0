#pragma once

#include "CvSNMPVar.h"

// The variable tables of the access-control windows, null-terminated: the
// four profile (mask) tables under PEN.12.9.1 and the rule tables under
// PEN.12.9.2. All kind 3; masks have one index, rules two (mask id and
// access id).

extern const CvSNMPVar EthernetMaskVars[];
namespace EthernetMask {
enum : int { Id, UseVlan, MaskState, SrcMask, DstMask, Use8021p, UseEthType, RowStatus };
// Item indexes of the mask-state box.
enum State : int { Other, DstMac, SrcMac, DstSrcMac };
} // namespace EthernetMask

extern const CvSNMPVar IpMaskVars[];
namespace IpMask {
enum : int {
    Id,
    UseVlan,
    MaskState,
    SrcMask,
    DstMask,
    UseDscp,
    ProtocolType,
    IcmpOption,
    IgmpOption,
    TcpOption,
    UdpOption,
    SrcPortMask,
    DstPortMask,
    TcpFlagBit,
    TcpFlagBitMask,
    ProtocolIdOption,
    ProtocolIdMask,
    RowStatus
};
} // namespace IpMask

extern const CvSNMPVar IpRuleVars[];
namespace IpRule {
enum : int {
    Id,
    AccessId,
    Vlan,
    SrcIp,
    DstIp,
    Dscp,
    Protocol,
    Type,
    Code,
    SrcPort,
    DstPort,
    FlagBits,
    ProtocolId,
    RuleUserMask,
    EnablePriority,
    Priority,
    ReplacePriority,
    EnableReplaceDscp,
    DscpValue,
    Permit,
    Port,
    RowStatus
};
} // namespace IpRule

extern const CvSNMPVar EthernetRuleVars[];
namespace EthernetRule {
enum : int {
    MaskId,
    AccessId,
    Vlan,
    SrcMac,
    DstMac,
    Ieee8021p,
    EthType,
    EnablePriority,
    Priority,
    ReplacePriority,
    EnableReplaceDscp,
    ReplaceDscp,
    Permit,
    Port,
    RowStatus
};
} // namespace EthernetRule

extern const CvSNMPVar UserMaskVars[];
namespace UserMask {
enum : int { Id, Chunk0, Chunk16, Chunk32, Chunk48, Chunk64, RowStatus };
}

extern const CvSNMPVar Ipv6MaskVars[];
namespace Ipv6Mask {
enum : int { Id, Class, FlowLabel, MaskState, SrcMask, DstMask, RowStatus };
}

extern const CvSNMPVar UserRuleVars[];
namespace UserRule {
enum : int {
    ProfileId,
    AccessId,
    Offset0,
    Offset16,
    Offset32,
    Offset48,
    Offset64,
    EnablePriority,
    Priority,
    ReplacePriority,
    EnableReplaceDscp,
    ReplaceDscp,
    Permit,
    Port,
    RowStatus
};
} // namespace UserRule

extern const CvSNMPVar Ipv6RuleVars[];
namespace Ipv6Rule {
enum : int {
    ProfileId,
    AccessId,
    Class,
    FlowLabel,
    SrcAddr,
    DstAddr,
    EnablePriority,
    Priority,
    ReplacePriority,
    Permit,
    Port,
    RowStatus
};
} // namespace Ipv6Rule
