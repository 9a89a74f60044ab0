#include "DescriptorData.h"

// Bridge: spanning tree of the stack (common and multiple instances) and the
// BRIDGE-MIB base group.
namespace {
const CvIntOption stpVersions[] = {{0, "stp"}, {1, "rstp"}, {2, "mstp"}, {0, nullptr}};
const CvIntOption instanceTypes[] = {{1, "cist"}, {2, "msti"}, {0, nullptr}};
const CvIntOption p2pModes[] = {{1, "true"}, {2, "false"}, {3, "auto"}, {0, nullptr}};
const CvIntOption portStates[] = {{1, "disabled"}, {2, "blocking"}, {3, "listening"},
    {4, "learning"}, {5, "forwarding"}, {6, "broken"}, {0, nullptr}};
const CvIntOption portRoles[] = {{1, "disabled"}, {2, "alternate"}, {3, "backup"}, {4, "root"},
    {5, "designated"}, {6, "master"}, {0, nullptr}};

const CvSNMPVar stpAlgorithmVars[] = {
    {PEN_OID(".12.15.1.1"), "Spanning Tree State", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {},
};
const CvControlBinding stpAlgorithmBindings[] = {
    {KindComboBox, "%s", &stpAlgorithmVars[0]},
    {},
};

// BRIDGE-MIB: dot1dBaseBridgeAddress, dot1dBaseNumPorts, dot1dTpAgingTime.
const CvSNMPVar dot1dInfoVars[] = {
    {"1.3.6.1.2.1.17.1.1", "Bridge Address", SyntaxMacAddress, AccessReadOnly},
    {"1.3.6.1.2.1.17.1.2", "Number of Ports", SyntaxInteger, AccessReadOnly},
    {"1.3.6.1.2.1.17.4.2", "Aging Time[10-1000000]", SyntaxInteger, AccessReadWrite},
    {},
};
const CvControlBinding dot1dInfoBindings[] = {
    {KindEditUnticked, "%s", &dot1dInfoVars[0]},
    {KindEditUnticked, "%i", &dot1dInfoVars[1]},
    {KindEdit, "%i{n10x1000000l7}", &dot1dInfoVars[2]},
    {},
};

const CvSNMPVar stpControlVars[] = {
    {PEN_OID(".12.15.1.2"), "STP Version", SyntaxInteger, AccessReadWrite,
        Options::Of<stpVersions>()},
    {PEN_OID(".12.15.1.3"), "Max Age[600-4000]", SyntaxInteger, AccessReadWrite},
    {PEN_OID(".12.15.1.4"), "Hello Time[100-1000]", SyntaxInteger, AccessReadWrite},
    {PEN_OID(".12.15.1.5"), "Forward Delay[400-3000]", SyntaxInteger, AccessReadWrite},
    {PEN_OID(".12.15.1.6"), "Max Hops[1-20]", SyntaxInteger, AccessReadWrite},
    {PEN_OID(".12.15.1.7"), "Tx Hold Count[1-10]", SyntaxInteger, AccessReadWrite},
    {PEN_OID(".12.15.1.8"), "Forwarding BPDU", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {},
};
const CvControlBinding stpControlBindings[] = {
    {KindComboBox, "%s", &stpControlVars[0]},
    {KindEdit, "%i{n600x4000l4}", &stpControlVars[1]},
    {KindEdit, "%i{n100x1000l4}", &stpControlVars[2]},
    {KindEdit, "%i{n400x3000l4}", &stpControlVars[3]},
    {KindEdit, "%i{n1x20l2}", &stpControlVars[4]},
    {KindEdit, "%i{n1x10l2}", &stpControlVars[5]},
    {KindComboBox, "%s", &stpControlVars[6]},
    {},
};

const CvSNMPVar mstpConfigIdVars[] = {
    {PEN_OID(".12.15.2.1"), "Configuration Name", SyntaxDisplayString, AccessReadWrite},
    {PEN_OID(".12.15.2.2"), "Revision Level[0-65535]", SyntaxInteger, AccessReadWrite},
    {},
};
const CvControlBinding mstpConfigIdBindings[] = {
    {KindEdit, "%s", &mstpConfigIdVars[0]},
    {KindEdit, "%i{n0x65535l5}", &mstpConfigIdVars[1]},
    {},
};

// One row per spanning-tree instance; instance 0 is the CIST. The VLAN maps
// hold 1024 VLANs each, VLAN 1 in the first bit.
#define INSTANCE_ENTRY(column) PEN_OID(".12.15.2.3.1." #column)
const CvSNMPVar mstpInstanceVars[] = {
    {INSTANCE_ENTRY(1), "Instance Id", SyntaxInteger, AccessNotAccessible},
    {INSTANCE_ENTRY(2), "VLANs 1-1024", SyntaxBitString, AccessReadWrite},
    {INSTANCE_ENTRY(3), "VLANs 1025-2048", SyntaxBitString, AccessReadWrite},
    {INSTANCE_ENTRY(4), "VLANs 2049-3072", SyntaxBitString, AccessReadWrite},
    {INSTANCE_ENTRY(5), "VLANs 3073-4094", SyntaxBitString, AccessReadWrite},
    {INSTANCE_ENTRY(6), "Type", SyntaxInteger, AccessReadOnly, Options::Of<instanceTypes>()},
    {INSTANCE_ENTRY(7), "Status", SyntaxInteger, AccessReadOnly, &Options::EnabledDisabled()},
    {INSTANCE_ENTRY(8), "Bridge Priority[0-61440]", SyntaxInteger, AccessReadWrite},
    {INSTANCE_ENTRY(9), "Designated Root Bridge", SyntaxOctetString, AccessReadOnly},
    {INSTANCE_ENTRY(10), "External Root Cost", SyntaxInteger, AccessReadOnly},
    {INSTANCE_ENTRY(11), "Regional Root Bridge", SyntaxOctetString, AccessReadOnly},
    {INSTANCE_ENTRY(12), "Internal Root Cost", SyntaxInteger, AccessReadOnly},
    {INSTANCE_ENTRY(13), "Designated Bridge", SyntaxOctetString, AccessReadOnly},
    {INSTANCE_ENTRY(14), "Root Port", SyntaxInteger, AccessReadOnly},
    {INSTANCE_ENTRY(15), "Max Age", SyntaxInteger, AccessReadOnly},
    {INSTANCE_ENTRY(16), "Forward Delay", SyntaxInteger, AccessReadOnly},
    {INSTANCE_ENTRY(17), "Last Topology Change", SyntaxTimeTicks, AccessReadOnly},
    {INSTANCE_ENTRY(18), "Topology Changes", SyntaxCounter, AccessReadOnly},
    {INSTANCE_ENTRY(19), "Remaining Hops", SyntaxInteger, AccessReadOnly},
    {INSTANCE_ENTRY(20), "Hello Time", SyntaxInteger, AccessReadOnly},
    {INSTANCE_ENTRY(21), "Bridge Address", SyntaxMacAddress, AccessReadOnly},
    {INSTANCE_ENTRY(22), "Max Hops", SyntaxInteger, AccessReadOnly},
    {INSTANCE_ENTRY(23), "Topology Change", SyntaxInteger, AccessReadOnly, &Options::TrueFalse()},
    {INSTANCE_ENTRY(24), "Row Status", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {},
};
#undef INSTANCE_ENTRY
const CvControlBinding mstpInstanceBindings[] = {
    {KindEditUnticked, "%i", &mstpInstanceVars[0]},
    {KindEdit, "%s", &mstpInstanceVars[1]},
    {KindEdit, "%s", &mstpInstanceVars[2]},
    {KindEdit, "%s", &mstpInstanceVars[3]},
    {KindEdit, "%s", &mstpInstanceVars[4]},
    {KindEditUnticked, "%s", &mstpInstanceVars[5]},
    {KindEditUnticked, "%s", &mstpInstanceVars[6]},
    {KindEdit, "%i{n0x61440l5}", &mstpInstanceVars[7]},
    {KindEditUnticked, "%s", &mstpInstanceVars[8]},
    {KindEditUnticked, "%i", &mstpInstanceVars[9]},
    {KindEditUnticked, "%s", &mstpInstanceVars[10]},
    {KindEditUnticked, "%i", &mstpInstanceVars[11]},
    {KindEditUnticked, "%s", &mstpInstanceVars[12]},
    {KindEditUnticked, "%i", &mstpInstanceVars[13]},
    {KindEditUnticked, "%i", &mstpInstanceVars[14]},
    {KindEditUnticked, "%i", &mstpInstanceVars[15]},
    {KindEditUnticked, "%s", &mstpInstanceVars[16]},
    {KindEditUnticked, "%i", &mstpInstanceVars[17]},
    {KindEditUnticked, "%i", &mstpInstanceVars[18]},
    {KindEditUnticked, "%i", &mstpInstanceVars[19]},
    {KindEditUnticked, "%s", &mstpInstanceVars[20]},
    {KindEditUnticked, "%i", &mstpInstanceVars[21]},
    {KindEditUnticked, "%s", &mstpInstanceVars[22]},
    {KindComboBox, "%s", &mstpInstanceVars[23]},
    {},
};

#define PORT_STATE_ENTRY(column) PEN_OID(".12.15.2.4.1." #column)
const CvSNMPVar mstpPortStateVars[] = {
    {PORT_STATE_ENTRY(1), "Port", SyntaxInteger, AccessNotAccessible},
    {PORT_STATE_ENTRY(2), "Hello Time[100-1000]", SyntaxInteger, AccessReadWrite},
    {PORT_STATE_ENTRY(3), "Operating Hello Time", SyntaxInteger, AccessReadOnly},
    {PORT_STATE_ENTRY(4), "Edge Port", SyntaxInteger, AccessReadWrite, &Options::TrueFalse()},
    {PORT_STATE_ENTRY(5), "Operating Edge Port", SyntaxInteger, AccessReadOnly,
        &Options::TrueFalse()},
    {PORT_STATE_ENTRY(6), "Point To Point", SyntaxInteger, AccessReadWrite,
        Options::Of<p2pModes>()},
    {PORT_STATE_ENTRY(7), "Operating Point To Point", SyntaxInteger, AccessReadOnly,
        &Options::TrueFalse()},
    {PORT_STATE_ENTRY(8), "Port STP State", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {PORT_STATE_ENTRY(9), "Forward BPDU", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {PORT_STATE_ENTRY(10), "Protocol Migration", SyntaxInteger, AccessReadWrite,
        &Options::TrueFalse()},
    {},
};
#undef PORT_STATE_ENTRY
const CvControlBinding mstpPortStateBindings[] = {
    {KindEditUnticked, "%i", &mstpPortStateVars[0]},
    {KindEdit, "%i{n100x1000l4}", &mstpPortStateVars[1]},
    {KindEditUnticked, "%i", &mstpPortStateVars[2]},
    {KindComboBox, "%s", &mstpPortStateVars[3]},
    {KindEditUnticked, "%s", &mstpPortStateVars[4]},
    {KindComboBox, "%s", &mstpPortStateVars[5]},
    {KindEditUnticked, "%s", &mstpPortStateVars[6]},
    {KindComboBox, "%s", &mstpPortStateVars[7]},
    {KindComboBox, "%s", &mstpPortStateVars[8]},
    {KindComboBox, "%s", &mstpPortStateVars[9]},
    {},
};

// Each port in each instance. The path cost is written only when ticked.
#define PORT_INSTANCE_ENTRY(column) PEN_OID(".12.15.2.5.1." #column)
const CvSNMPVar mstpPortInstanceVars[] = {
    {PORT_INSTANCE_ENTRY(1), "Port", SyntaxInteger, AccessNotAccessible},
    {PORT_INSTANCE_ENTRY(2), "Instance Id", SyntaxInteger, AccessNotAccessible},
    {PORT_INSTANCE_ENTRY(3), "Designated Bridge", SyntaxOctetString, AccessReadOnly},
    {PORT_INSTANCE_ENTRY(4), "Internal Path Cost[1-200000000]", SyntaxInteger, AccessReadWrite},
    {PORT_INSTANCE_ENTRY(5), "Priority[0-240]", SyntaxInteger, AccessReadWrite},
    {PORT_INSTANCE_ENTRY(6), "Status", SyntaxInteger, AccessReadOnly, Options::Of<portStates>()},
    {PORT_INSTANCE_ENTRY(7), "Role", SyntaxInteger, AccessReadOnly, Options::Of<portRoles>()},
    {},
};
#undef PORT_INSTANCE_ENTRY
const CvControlBinding mstpPortInstanceBindings[] = {
    {KindEditUnticked, "%i", &mstpPortInstanceVars[0]},
    {KindEditUnticked, "%i", &mstpPortInstanceVars[1]},
    {KindEditUnticked, "%s", &mstpPortInstanceVars[2]},
    {KindEditUnticked, "%i{n1x200000000l9}", &mstpPortInstanceVars[3]},
    {KindEdit, "%i{n0x240l3}", &mstpPortInstanceVars[4]},
    {KindEditUnticked, "%s", &mstpPortInstanceVars[5]},
    {KindEditUnticked, "%s", &mstpPortInstanceVars[6]},
    {},
};
} // namespace

const CvFormDescriptor BridgeForms[] = {
    {
        .menuPath = "Bridge > Spanning Tree Algorithm",
        .title = "Spanning Tree Algorithm",
        .variables = stpAlgorithmVars,
        .listKind = SVT_SV,
        .bindings = stpAlgorithmBindings,
    },
    {
        .menuPath = "Bridge > 802.1d > Information",
        .title = "Bridge 802.1d Information",
        .variables = dot1dInfoVars,
        .listKind = SVT_SV,
        .bindings = dot1dInfoBindings,
    },
    {
        .menuPath = "Bridge > Spanning Tree > STP Control",
        .title = "Spanning Tree Control",
        .variables = stpControlVars,
        .listKind = SVT_SV,
        .bindings = stpControlBindings,
        .adjust = {.heightPlus = 20, .flags = AdjustNoteLabel},
    },
    {
        .menuPath = "Bridge > Spanning Tree > Configuration Identification",
        .title = "MSTP Configuration Identification",
        .variables = mstpConfigIdVars,
        .listKind = SVT_SV,
        .bindings = mstpConfigIdBindings,
        .adjust = {.heightPlus = 20},
    },
    {
        .menuPath = "Bridge > Spanning Tree > Instance Information",
        .title = "MSTP Instance Control",
        .variables = mstpInstanceVars,
        .listKind = MVT_UMV,
        .indexCount = 1,
        .bindings = mstpInstanceBindings,
    },
    {
        .menuPath = "Bridge > Spanning Tree > Port State Information",
        .title = "MSTP Port State Information",
        .variables = mstpPortStateVars,
        .listKind = MVT_UMV,
        .indexCount = 1,
        .bindings = mstpPortStateBindings,
        .adjust = {.flags = AdjustStop},
    },
    {
        .menuPath = "Bridge > Spanning Tree > Port MSTP Information",
        .title = "Port MSTP Information",
        .variables = mstpPortInstanceVars,
        .listKind = MVT_UMV,
        .indexCount = 2,
        .bindings = mstpPortInstanceBindings,
        .adjust = {.flags = AdjustStop},
    },
    {},
};
