// The generated windows of the "Layer 2 Management" menu: port management,
// QoS, IGMP snooping, storm control and the 802.3ad aggregators. The port
// information and port control tables are shared with the port menu.
#include "DescriptorData.h"

namespace {
#define L2_OID(rest) PEN_OID(".11.59.8.2" rest)
#define AGG_OID(rest) PEN_OID(".12.4.1.1.1.1" rest)

const CvIntOption trunkAlgorithms[]
    = {{1, "other"}, {2, "mac-source"}, {3, "mac-destination"}, {4, "mac-source-dest"},
        {5, "ip-source"}, {6, "ip-destination"}, {7, "ip-source-dest"}, {0, nullptr}};
const CvIntOption lockModes[]
    = {{1, "other"}, {2, "permanent"}, {3, "deleteOnTimeout"}, {4, "deleteOnReset"}, {0, nullptr}};
const CvIntOption deleteActions[] = {{1, "other"}, {2, "start"}, {0, nullptr}};
const CvIntOption schedulingMechanisms[] = {{1, "strict"}, {2, "round-robin"}, {0, nullptr}};
const CvIntOption querierRoles[] = {{1, "other"}, {2, "non-querier"}, {3, "querier"}, {0, nullptr}};
const CvIntOption stormActions[] = {{1, "drop"}, {2, "shutdown"}, {0, nullptr}};

// Port Management

const CvSNMPVar jumboFrameVars[] = {
    {L2_OID(".3.3"), "Jumbo Frame State", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {},
};

const CvSNMPVar trunkInfoVars[] = {
    {L2_OID(".9.1"), "Max Supported Trunk Groups", SyntaxInteger, AccessReadOnly},
    {L2_OID(".9.2"), "Max Ports Per Trunk Group", SyntaxInteger, AccessReadOnly},
    {L2_OID(".9.4"), "Load Sharing Algorithm", SyntaxInteger, AccessReadWrite,
        Options::Of<trunkAlgorithms>()},
    {},
};
const CvControlBinding trunkInfoBindings[] = {
    {KindEditUnticked, "%i", &trunkInfoVars[0]},
    {KindEditUnticked, "%i", &trunkInfoVars[1]},
    {KindComboBox, "%s", &trunkInfoVars[2]},
    {},
};

const CvSNMPVar portSecurityVars[] = {
    {L2_OID(".7.1.1.1"), "Port", SyntaxInteger, AccessReadOnly},
    {L2_OID(".7.1.1.2"), "Admin State", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {L2_OID(".7.1.1.3"), "Max Learning Address[0-64]", SyntaxInteger, AccessReadWrite},
    {L2_OID(".7.1.1.4"), "Mode", SyntaxInteger, AccessReadWrite, Options::Of<lockModes>()},
    {},
};
const CvControlBinding portSecurityBindings[] = {
    {KindEditUnticked, "%i", &portSecurityVars[0]},
    {KindComboBox, "%s", &portSecurityVars[1]},
    {KindEdit, "%i{n0x64l2}", &portSecurityVars[2]},
    {KindComboBox, "%s", &portSecurityVars[3]},
    {},
};

const CvSNMPVar portSecurityDeleteVars[] = {
    {L2_OID(".7.2.1"), "Port[1-768]", SyntaxInteger, AccessReadWrite},
    {L2_OID(".7.2.2"), "VLAN Name", SyntaxDisplayString, AccessReadWrite},
    {L2_OID(".7.2.3"), "MAC Address", SyntaxMacAddress, AccessReadWrite},
    {L2_OID(".7.2.4"), "Action", SyntaxInteger, AccessReadWrite, Options::Of<deleteActions>()},
    {},
};
const CvControlBinding portSecurityDeleteBindings[] = {
    {KindEdit, "%i{n1x768l3}", &portSecurityDeleteVars[0]},
    {KindEdit, "%s{l32}", &portSecurityDeleteVars[1]},
    {KindEdit, "%s", &portSecurityDeleteVars[2]},
    {KindComboBox, "%s", &portSecurityDeleteVars[3]},
    {},
};

// QoS Management

const CvSNMPVar qosBasicVars[] = {
    {L2_OID(".6.5"), "Scheduling Mechanism", SyntaxInteger, AccessReadWrite,
        Options::Of<schedulingMechanisms>()},
    {L2_OID(".6.6"), "Number Of Traffic Classes", SyntaxInteger, AccessReadOnly},
    {},
};

const CvSNMPVar bandwidthVars[] = {
    {L2_OID(".6.1.1.1"), "Port", SyntaxInteger, AccessReadOnly},
    {L2_OID(".6.1.1.2"), "RX Rate (Mbit/s)[1-1000]", SyntaxInteger, AccessReadWrite},
    {L2_OID(".6.1.1.3"), "TX Rate (Mbit/s)[1-1000]", SyntaxInteger, AccessReadWrite},
    {},
};
const CvControlBinding bandwidthBindings[] = {
    {KindEditUnticked, "%i", &bandwidthVars[0]},
    {KindEdit, "%i{n1x1000l4}", &bandwidthVars[1]},
    {KindEdit, "%i{n1x1000l4}", &bandwidthVars[2]},
    {},
};

const CvSNMPVar schedulingVars[] = {
    {L2_OID(".6.2.1.1"), "Class ID", SyntaxInteger, AccessReadOnly},
    {L2_OID(".6.2.1.2"), "Max Packets[0-255]", SyntaxInteger, AccessReadWrite},
    {L2_OID(".6.2.1.3"), "Max Latency[0-255]", SyntaxInteger, AccessReadWrite},
    {},
};
const CvControlBinding schedulingBindings[] = {
    {KindEditUnticked, "%i", &schedulingVars[0]},
    {KindEdit, "%i{n0x255l3}", &schedulingVars[1]},
    {KindEdit, "%i{n0x255l3}", &schedulingVars[2]},
    {},
};

const CvSNMPVar userPriorityVars[] = {
    {L2_OID(".6.3.1.1"), "Priority", SyntaxInteger, AccessReadOnly},
    {L2_OID(".6.3.1.2"), "Traffic Class[0-3]", SyntaxInteger, AccessReadWrite},
    {},
};
const CvControlBinding userPriorityBindings[] = {
    {KindEditUnticked, "%i", &userPriorityVars[0]},
    {KindEdit, "%i{n0x3l1}", &userPriorityVars[1]},
    {},
};

const CvSNMPVar defaultPriorityVars[] = {
    {L2_OID(".6.4.1.1"), "Port", SyntaxInteger, AccessReadOnly},
    {L2_OID(".6.4.1.2"), "Default Priority[0-7]", SyntaxInteger, AccessReadWrite},
    {},
};
const CvControlBinding defaultPriorityBindings[] = {
    {KindEditUnticked, "%i", &defaultPriorityVars[0]},
    {KindEdit, "%i{n0x7l1}", &defaultPriorityVars[1]},
    {},
};

// IGMP Snooping

const CvSNMPVar igmpBasicVars[] = {
    {L2_OID(".11.1"), "Max Supported VLANs", SyntaxInteger, AccessReadOnly},
    {L2_OID(".11.2"), "Max IP Groups Per VLAN", SyntaxInteger, AccessReadOnly},
    {},
};
const CvControlBinding igmpBasicBindings[] = {
    {KindEditUnticked, "%i", &igmpBasicVars[0]},
    {KindEditUnticked, "%i", &igmpBasicVars[1]},
    {},
};

const CvSNMPVar igmpControlVars[] = {
    {L2_OID(".11.3.1.1"), "VID", SyntaxInteger, AccessReadOnly},
    {L2_OID(".11.3.1.2"), "Query Interval[1-65535]", SyntaxInteger, AccessReadWrite},
    {L2_OID(".11.3.1.3"), "Max Response Time[1-25]", SyntaxInteger, AccessReadWrite},
    {L2_OID(".11.3.1.4"), "Robustness Variable[1-255]", SyntaxInteger, AccessReadWrite},
    {L2_OID(".11.3.1.5"), "Last Member Query Interval[1-25]", SyntaxInteger, AccessReadWrite},
    {L2_OID(".11.3.1.6"), "Host Timeout[1-16711450]", SyntaxInteger, AccessReadWrite},
    {L2_OID(".11.3.1.7"), "Route Timeout[1-16711450]", SyntaxInteger, AccessReadWrite},
    {L2_OID(".11.3.1.8"), "Leave Timer[0-16711450]", SyntaxInteger, AccessReadWrite},
    {L2_OID(".11.3.1.9"), "Querier State", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {L2_OID(".11.3.1.10"), "Querier Router Behavior", SyntaxInteger, AccessReadOnly,
        Options::Of<querierRoles>()},
    {L2_OID(".11.3.1.11"), "State", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {L2_OID(".11.3.1.12"), "Fast Leave", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {},
};
const CvControlBinding igmpControlBindings[] = {
    {KindEditUnticked, "%i", &igmpControlVars[0]},
    {KindEdit, "%i{n1x65535l5}", &igmpControlVars[1]},
    {KindEdit, "%i{n1x25l2}", &igmpControlVars[2]},
    {KindEdit, "%i{n1x255l3}", &igmpControlVars[3]},
    {KindEdit, "%i{n1x25l2}", &igmpControlVars[4]},
    {KindEdit, "%i{n1x16711450l8}", &igmpControlVars[5]},
    {KindEdit, "%i{n1x16711450l8}", &igmpControlVars[6]},
    {KindEdit, "%i{n0x16711450l8}", &igmpControlVars[7]},
    {KindComboBox, "%s", &igmpControlVars[8]},
    {KindEditUnticked, "%s", &igmpControlVars[9]},
    {KindComboBox, "%s", &igmpControlVars[10]},
    {KindComboBox, "%s", &igmpControlVars[11]},
    {},
};

const CvSNMPVar igmpQueryVars[] = {
    {L2_OID(".11.4.1.1"), "VID", SyntaxInteger, AccessReadOnly},
    {L2_OID(".11.4.1.2"), "Query Count", SyntaxCounter, AccessReadOnly},
    {L2_OID(".11.4.1.3"), "Querier IP Address", SyntaxIpAddress, AccessReadOnly},
    {},
};
const CvControlBinding igmpQueryBindings[] = {
    {KindEditUnticked, "%i", &igmpQueryVars[0]},
    {KindEditUnticked, "%i", &igmpQueryVars[1]},
    {KindEditUnticked, "%s", &igmpQueryVars[2]},
    {},
};

const CvSNMPVar igmpGroupVars[] = {
    {L2_OID(".11.5.1.1"), "Index", SyntaxInteger, AccessReadOnly},
    {L2_OID(".11.5.1.2"), "VID", SyntaxInteger, AccessReadOnly},
    {L2_OID(".11.5.1.3"), "Group IP Address", SyntaxIpAddress, AccessReadOnly},
    {L2_OID(".11.5.1.4"), "Group MAC Address", SyntaxMacAddress, AccessReadOnly},
    {L2_OID(".11.5.1.5"), "Member Ports", SyntaxBitString, AccessReadOnly},
    {},
};
const CvControlBinding igmpGroupBindings[] = {
    {KindEditUnticked, "%i", &igmpGroupVars[0]},
    {KindEditUnticked, "%i", &igmpGroupVars[1]},
    {KindEditUnticked, "%s", &igmpGroupVars[2]},
    {KindEditUnticked, "%s", &igmpGroupVars[3]},
    {KindEditUnticked, "%s", &igmpGroupVars[4]},
    {},
};

// Storm control

const CvSNMPVar trafficControlVars[] = {
    {L2_OID(".13.1.1.1"), "Port", SyntaxInteger, AccessReadOnly},
    {L2_OID(".13.1.1.2"), "Broadcast Storm", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {L2_OID(".13.1.1.3"), "Multicast Storm", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {L2_OID(".13.1.1.4"), "Destination Lookup Fail", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {L2_OID(".13.1.1.5"), "Threshold (packets/s)[0-255000]", SyntaxInteger, AccessReadWrite},
    {L2_OID(".13.1.1.6"), "Action", SyntaxInteger, AccessReadWrite, Options::Of<stormActions>()},
    {},
};
const CvControlBinding trafficControlBindings[] = {
    {KindEditUnticked, "%i", &trafficControlVars[0]},
    {KindComboBox, "%s", &trafficControlVars[1]},
    {KindComboBox, "%s", &trafficControlVars[2]},
    {KindComboBox, "%s", &trafficControlVars[3]},
    {KindEdit, "%i{n0x255000l6}", &trafficControlVars[4]},
    {KindComboBox, "%s", &trafficControlVars[5]},
    {},
};

// 802.3 ad: the aggregator index is not returned by the agent.

const CvSNMPVar aggregatorVars[] = {
    {AGG_OID(".1"), "Aggregator Index", SyntaxInteger, AccessNotAccessible},
    {AGG_OID(".2"), "MAC Address", SyntaxMacAddress, AccessReadOnly},
    {AGG_OID(".3"), "Actor System Priority[0-65535]", SyntaxInteger, AccessReadWrite},
    {AGG_OID(".4"), "Actor System ID", SyntaxMacAddress, AccessReadOnly},
    {AGG_OID(".5"), "Aggregate Or Individual", SyntaxInteger, AccessReadOnly,
        &Options::TrueFalse()},
    {AGG_OID(".6"), "Actor Admin Key[0-65535]", SyntaxInteger, AccessReadWrite},
    {AGG_OID(".7"), "Actor Oper Key", SyntaxInteger, AccessReadOnly},
    {AGG_OID(".8"), "Partner System ID", SyntaxMacAddress, AccessReadOnly},
    {AGG_OID(".9"), "Partner System Priority", SyntaxInteger, AccessReadOnly},
    {AGG_OID(".10"), "Partner Oper Key", SyntaxInteger, AccessReadOnly},
    {AGG_OID(".11"), "Collector Max Delay[0-65535]", SyntaxInteger, AccessReadWrite},
    {},
};
const CvControlBinding aggregatorBindings[] = {
    {KindEditUnticked, "%i", &aggregatorVars[0]},
    {KindEditUnticked, "%s", &aggregatorVars[1]},
    {KindEdit, "%i{n0x65535l5}", &aggregatorVars[2]},
    {KindEditUnticked, "%s", &aggregatorVars[3]},
    {KindEditUnticked, "%s", &aggregatorVars[4]},
    {KindEdit, "%i{n0x65535l5}", &aggregatorVars[5]},
    {KindEditUnticked, "%i", &aggregatorVars[6]},
    {KindEditUnticked, "%s", &aggregatorVars[7]},
    {KindEditUnticked, "%i", &aggregatorVars[8]},
    {KindEditUnticked, "%i", &aggregatorVars[9]},
    {KindEdit, "%i{n0x65535l5}", &aggregatorVars[10]},
    {},
};

#undef L2_OID
#undef AGG_OID
} // namespace

const CvFormDescriptor Layer2ManagementForms[] = {
    {.menuPath = "Layer 2 Management > Port Management > Jumbo Frame Ctrl",
        .title = "Jumbo Frame Ctrl",
        .variables = jumboFrameVars},
    {.menuPath = "Layer 2 Management > Port Management > Port Information Table",
        .title = "Port Information Table",
        .variables = PortInformationVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = PortInformationBindings,
        .adjust = {.height = 450,
            .heightScaled = true,
            .controlsPlus = 70,
            .controlsScaled = true,
            .flags = AdjustStop}},
    {.menuPath = "Layer 2 Management > Port Management > Port Control Table",
        .title = "Port Control Table",
        .variables = PortControlVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = PortControlBindings,
        .adjust = {.height = 450,
            .heightScaled = true,
            .controlsPlus = 100,
            .controlsScaled = true,
            .flags = AdjustStop}},
    {.menuPath = "Layer 2 Management > Port Management > Trunk Basic Information",
        .title = "Trunk Information",
        .variables = trunkInfoVars,
        .bindings = trunkInfoBindings},
    {.menuPath = "Layer 2 Management > Port Management > Port Security Table",
        .title = "Port Security Table",
        .variables = portSecurityVars,
        .listKind = MVT_UMV,
        .indexCount = 1,
        .bindings = portSecurityBindings,
        .adjust = {.height = 450, .heightScaled = true}},
    {.menuPath = "Layer 2 Management > Port Management > Delete Control",
        .title = "Delete Control For Port Security",
        .variables = portSecurityDeleteVars,
        .bindings = portSecurityDeleteBindings},
    {.menuPath = "Layer 2 Management > QoS Management > Basic Configuration",
        .title = "QOS Basic Configuration",
        .variables = qosBasicVars,
        .adjust = {.heightPlus = 20}},
    {.menuPath = "Layer 2 Management > QoS Management > Bandwidth Control Table",
        .title = "Bandwidth Control Table :",
        .variables = bandwidthVars,
        .listKind = MVT_UMV,
        .indexCount = 1,
        .bindings = bandwidthBindings},
    {.menuPath = "Layer 2 Management > QoS Management > SchedulingTable",
        .title = "Scheduling Table",
        .variables = schedulingVars,
        .listKind = MVT_UMV,
        .indexCount = 1,
        .bindings = schedulingBindings},
    {.menuPath = "Layer 2 Management > QoS Management > 802.1p User Priority Table",
        .title = "8021p User Priority Table",
        .variables = userPriorityVars,
        .listKind = MVT_UMV,
        .indexCount = 1,
        .bindings = userPriorityBindings},
    {.menuPath = "Layer 2 Management > QoS Management > 802.1p Default Priority Table",
        .title = "8021p Default Priority Table",
        .variables = defaultPriorityVars,
        .listKind = MVT_UMV,
        .indexCount = 1,
        .bindings = defaultPriorityBindings},
    {.menuPath = "Layer 2 Management > IGMP Snooping > Basic Information",
        .title = "IGMP Snooping Basic Information",
        .variables = igmpBasicVars,
        .bindings = igmpBasicBindings},
    {.menuPath = "Layer 2 Management > IGMP Snooping > Control Table",
        .title = "IGMP Snooping Control",
        .variables = igmpControlVars,
        .listKind = MVT_UMV,
        .indexCount = 1,
        .bindings = igmpControlBindings,
        .adjust = {.height = 450, .heightScaled = true}},
    {.menuPath = "Layer 2 Management > IGMP Snooping > Query Information",
        .title = "IGMP Snooping Query Information",
        .variables = igmpQueryVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = igmpQueryBindings,
        .adjust = {.height = 450, .heightScaled = true}},
    {.menuPath = "Layer 2 Management > IGMP Snooping > Group Information",
        .title = "IGMP Information",
        .variables = igmpGroupVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = igmpGroupBindings,
        .adjust = {.height = 450, .heightScaled = true}},
    {.menuPath = "Layer 2 Management > Traffic Control Table",
        .title = "Traffic Control Table",
        .variables = trafficControlVars,
        .listKind = MVT_UMV,
        .indexCount = 1,
        .bindings = trafficControlBindings,
        .adjust = {.height = 450, .heightScaled = true}},
    {.menuPath = "Layer 2 Management > 802.3 ad > Aggregator Table",
        .title = "Aggregator Table",
        .variables = aggregatorVars,
        .listKind = MVT_UMV,
        .indexCount = 1,
        .bindings = aggregatorBindings},
    {},
};
