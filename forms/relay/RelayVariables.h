#pragma once

#include "CvSNMPVar.h"

// The variable tables of the relay and routing windows, null-terminated.

// The BOOTP relay servers of each IP interface, kind 2, two indexes; the
// state column adds (valid) and removes (invalid) a server.
extern const CvSNMPVar BootpRelayVars[];
namespace BootpRelay {
enum : int { Interface, Server, State };
enum : int { InvalidItem = 0, ValidItem = 1 };
inline constexpr int ServersPerInterface = 4;
} // namespace BootpRelay

// Route redistribution, kind 3, two indexes (source and destination
// protocol); the type list has no entry for the "other" button.
extern const CvSNMPVar RedistributionVars[];
namespace Redistribution {
enum : int { Source, Destination, Type, Metric, RowStatus };
inline constexpr int RipMetricMax = 16;
inline constexpr int OspfMetricMax = 16777214;
} // namespace Redistribution
