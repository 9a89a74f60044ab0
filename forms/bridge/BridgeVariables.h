#pragma once

#include "CvSNMPVar.h"

// The variable tables of the 802.1D extension windows (the standard
// P-BRIDGE-MIB), null-terminated.

// The bridge's extended capabilities, kind 0: one read-only bit string.
extern const CvSNMPVar DeviceCapabilityVars[];
// The traffic-class switch, kind 0: true or false.
extern const CvSNMPVar TrafficClassVars[];

// The GARP timers of each port, kind 1, one index (the port), in
// centiseconds.
extern const CvSNMPVar PortGarpVars[];
namespace PortGarp {
enum : int { Port, JoinTime, LeaveTime, LeaveAllTime };
}

// The capabilities of each port, kind 1, one index (the port).
extern const CvSNMPVar PortCapabilityVars[];
