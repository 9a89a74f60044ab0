#pragma once

#include "CvSNMPVar.h"

// The variable tables of the port-group windows (the switch's layer-2 MIB
// and its 802.3ad MIB), null-terminated.

// The mirror group, kind 0.
extern const CvSNMPVar MirrorVars[];
namespace Mirror {
enum : int { Target, Ingress, Egress, State };
}

// The trunk table, kind 3, one index.
extern const CvSNMPVar TrunkVars[];
namespace Trunk {
enum : int { Index, Name, Master, Members, Flooding, Type, State };
}

// The traffic segmentation table, kind 3, one index (the port).
extern const CvSNMPVar SegmentationVars[];
namespace Segmentation {
enum : int { Port, ForwardPorts };
}

// The 802.3ad port table, kind 1, one index (the port).
extern const CvSNMPVar LacpPortVars[];
namespace LacpPort {
enum : int { ActorAdminState = 19, ActorOperState, PartnerAdminState, PartnerOperState };
}

// Logical port numbers: port p of unit u is (u - 1) * 64 + p, bit
// (u - 1) * 64 + p - 1 of a port list.
namespace LogicalPort {
constexpr int Of(int unit, int port)
{
    return (unit - 1) * 64 + port;
}
constexpr int UnitOf(int logical)
{
    return (logical - 1) / 64 + 1;
}
constexpr int PortOf(int logical)
{
    return (logical - 1) % 64 + 1;
}
} // namespace LogicalPort
