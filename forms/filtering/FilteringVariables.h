#pragma once

#include "CvSNMPVar.h"

// The variable tables of the multicast forwarding and static filtering
// windows (Q-BRIDGE-MIB under 1.3.6.1.2.1.17.7.1.2 and .3), null-terminated.

// dot1qTpGroupTable, kind 3, two indexes (VLAN id, group address).
extern const CvSNMPVar TpGroupVars[];
namespace TpGroup {
enum : int { VlanId, GroupAddress, EgressPorts, LearntPorts };
}

// dot1qForwardAllTable and dot1qForwardUnregisteredTable, kind 2, one
// index (the VLAN id): the ports in use, the static and the forbidden ones.
extern const CvSNMPVar ForwardAllVars[];
extern const CvSNMPVar ForwardUnregisteredVars[];
namespace ForwardSets {
enum : int { VlanId, InUsePorts, StaticPorts, ForbiddenPorts };
}

// dot1qStaticMulticastTable and dot1qStaticUnicastTable, kind 3, three
// indexes (filtering database, address, receive port).
extern const CvSNMPVar StaticMulticastVars[];
extern const CvSNMPVar StaticUnicastVars[];
namespace StaticFilter {
enum : int { VlanId, Address, ReceivePort, Ports, Status };
// Items of the status combo box.
inline constexpr int InvalidItem = 1;
} // namespace StaticFilter
