#include "DescriptorData.h"

// VLAN: the P-BRIDGE-MIB priority tables (RFC 2674) and the learned unicast
// entries of the Q-BRIDGE-MIB filtering database.
namespace {
const CvIntOption fdbStates[]
    = {{1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}, {0, nullptr}};

constexpr const char *dot1dBasePort = "1.3.6.1.2.1.17.1.4.1.1";

// dot1dPortPriorityTable: one row per bridge port, which the walk reads
// together with dot1dBasePort of the base port table.
const CvSNMPVar defaultPriorityVars[] = {
    {dot1dBasePort, "Port", SyntaxInteger, AccessReadOnly},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "Default User Priority[0-7]", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "Number of Traffic Classes[1-8]", SyntaxInteger,
        AccessReadWrite},
    {},
};
const CvControlBinding defaultPriorityBindings[] = {
    {KindEditUnticked, "%i", &defaultPriorityVars[0]},
    {KindEdit, "%i{n0x7l1}", &defaultPriorityVars[1]},
    {KindEdit, "%i{n1x8l1}", &defaultPriorityVars[2]},
    {},
};

// dot1dUserPriorityRegenTable, INDEX { dot1dBasePort, dot1dUserPriority }.
const CvSNMPVar regenPriorityVars[] = {
    {dot1dBasePort, "Port", SyntaxInteger, AccessNotAccessible},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "User Priority", SyntaxInteger, AccessNotAccessible},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority[0-7]", SyntaxInteger,
        AccessReadWrite},
    {},
};
const CvControlBinding regenPriorityBindings[] = {
    {KindEditUnticked, "%i", &regenPriorityVars[0]},
    {KindEditUnticked, "%i", &regenPriorityVars[1]},
    {KindEdit, "%i{n0x7l1}", &regenPriorityVars[2]},
    {},
};

// dot1dTrafficClassTable, INDEX { dot1dBasePort, dot1dTrafficClassPriority }.
const CvSNMPVar trafficClassVars[] = {
    {dot1dBasePort, "Port", SyntaxInteger, AccessNotAccessible},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "Priority", SyntaxInteger, AccessNotAccessible},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "Traffic Class[0-7]", SyntaxInteger, AccessReadWrite},
    {},
};
const CvControlBinding trafficClassBindings[] = {
    {KindEditUnticked, "%i", &trafficClassVars[0]},
    {KindEditUnticked, "%i", &trafficClassVars[1]},
    {KindEdit, "%i{n0x7l1}", &trafficClassVars[2]},
    {},
};

// dot1dPortOutboundAccessPriorityTable, INDEX { dot1dBasePort,
// dot1dRegenUserPriority }.
const CvSNMPVar outboundPriorityVars[] = {
    {dot1dBasePort, "Port", SyntaxInteger, AccessNotAccessible},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", SyntaxInteger, AccessNotAccessible},
    {"1.3.6.1.2.1.17.6.1.2.4.1.1", "Outbound Access Priority", SyntaxInteger, AccessReadOnly},
    {},
};
const CvControlBinding outboundPriorityBindings[] = {
    {KindEditUnticked, "%i", &outboundPriorityVars[0]},
    {KindEditUnticked, "%i", &outboundPriorityVars[1]},
    {KindEditUnticked, "%i", &outboundPriorityVars[2]},
    {},
};

// dot1qTpFdbTable, INDEX { dot1qFdbId, dot1qTpFdbAddress }.
const CvSNMPVar unicastForwardingVars[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB Id", SyntaxGauge, AccessNotAccessible},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "MAC Address", SyntaxMacAddress, AccessNotAccessible},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port", SyntaxInteger, AccessReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", SyntaxInteger, AccessReadOnly,
        Options::Of<fdbStates>()},
    {},
};
const CvControlBinding unicastForwardingBindings[] = {
    {KindEditUnticked, "%s", &unicastForwardingVars[0]},
    {KindEditUnticked, "%s", &unicastForwardingVars[1]},
    {KindEditUnticked, "%i", &unicastForwardingVars[2]},
    {KindEditUnticked, "%s", &unicastForwardingVars[3]},
    {},
};
} // namespace

const CvFormDescriptor VlanForms[] = {
    {
        .menuPath = "VLAN > 802.1P > Priority Information > Default User Priorities of Each Port",
        .title = "Default User Priorities of Each Port",
        .variables = defaultPriorityVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = defaultPriorityBindings,
        .adjust = {.height = 450, .flags = AdjustStop},
    },
    {
        .menuPath = "VLAN > 802.1P > Priority Information > Regenerated User Priorities",
        .title = "Regenerated User Priorities",
        .variables = regenPriorityVars,
        .listKind = MVT_UMV,
        .indexCount = 2,
        .bindings = regenPriorityBindings,
        .adjust = {.height = 450, .heightScaled = true, .flags = AdjustStop},
    },
    {
        .menuPath = "VLAN > 802.1P > Priority Information > User Priorities To Traffic Class",
        .title = "User Priorities To Traffic Class",
        .variables = trafficClassVars,
        .listKind = MVT_UMV,
        .indexCount = 2,
        .bindings = trafficClassBindings,
        .adjust = {.height = 450, .heightScaled = true, .flags = AdjustStop},
    },
    {
        .menuPath = "VLAN > 802.1P > Priority Information > Port Outbound Access Priorities",
        .title = "Port Outbound Access Priorities",
        .variables = outboundPriorityVars,
        .listKind = MVT_FMV,
        .indexCount = 2,
        .bindings = outboundPriorityBindings,
        .adjust = {.height = 450, .heightScaled = true, .flags = AdjustStop},
    },
    {
        .menuPath = "VLAN > 802.1Q > Forwarding/Filtering > Unicast Forwarding Information",
        .title = "Unicast Forwarding Information",
        .variables = unicastForwardingVars,
        .listKind = MVT_FMV,
        .indexCount = 2,
        .bindings = unicastForwardingBindings,
        .adjust = {.height = 450, .heightScaled = true},
    },
    {},
};
