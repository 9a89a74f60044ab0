#pragma once

#include "CvSNMPVar.h"

// The variable tables of the 802.1Q VLAN windows (Q-BRIDGE-MIB under
// 1.3.6.1.2.1.17.7.1 and the switch's protocol VLAN table), null-terminated.

// dot1qVlanStaticTable, kind 3, one index (the VLAN id, read from the row
// instance; the record carries dot1qVlanIndex of the current table).
extern const CvSNMPVar StaticVlanVars[];
namespace StaticVlan {
enum : int { VlanId, Name, Egress, Forbidden, Untagged, Status };
}

// dot1qNextFreeLocalVlanIndex, kind 0.
extern const CvSNMPVar NextFreeVlanVars[];

// dot1qVlanCurrentTable, kind 3, two indexes (time mark, VLAN id).
extern const CvSNMPVar CurrentVlanVars[];
namespace CurrentVlan {
enum : int { TimeMark, VlanIndex, FdbId, Egress, Untagged, Status, CreationTime };
}

// dot1qVlanNumDeletes, kind 0.
extern const CvSNMPVar VlanDeletesVars[];

// dot1qBase, kind 0.
extern const CvSNMPVar QBridgeBaseVars[];
namespace QBridgeBase {
enum : int { VersionNumber, MaxVlanId, MaxSupportedVlans, NumVlans, GvrpStatus };
}

// dot1qPortVlanTable, kind 2, one index (the bridge port).
extern const CvSNMPVar PortVlanVars[];
namespace PortVlan {
enum : int { Port, Pvid, AcceptableFrameTypes, IngressFiltering, GvrpStatus };
}

// The protocol VLAN table, kind 3, one index.
extern const CvSNMPVar ProtocolVlanVars[];
namespace ProtocolVlan {
enum : int { Index, Name, ProtocolType, Advertisement, UserProtocol, EncapType, RowStatus };
}
