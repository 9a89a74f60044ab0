#include "VlanVariables.h"

#include "CvStandardOptions.h"
#include "EnterpriseOid.h"

namespace {
const CvIntOption vlanStates[] = {{1, "other"}, {2, "permanent"}, {3, "dynamicGvrp"}, {0, nullptr}};
const CvIntOption frameTypes[] = {{1, "admitAll"}, {2, "admitOnlyVLANTagged"}, {0, nullptr}};
const CvIntOption protocolTypes[] = {{1, "dot1q-vlan"}, {2, "protocol-ip"},
    {3, "protocol-ipx803dot3"}, {4, "protocol-ipx802dot2"}, {5, "protocol-ipxSnap"},
    {6, "protocol-ipxEthernet2"}, {7, "protocol-appleTalk"}, {8, "protocol-decLat"},
    {9, "protocol-dexOther"}, {10, "protocol-sna802dot2"}, {11, "protocol-snaEthernet2"},
    {12, "protocol-netBios"}, {13, "protocol-xns"}, {14, "protocol-vines"}, {15, "protocol-ipV6"},
    {16, "protocol-userDefined"}, {17, "protocol-rarp"}, {0, nullptr}};
const CvIntOption encapTypes[]
    = {{1, "ethernet"}, {2, "llc"}, {3, "snap"}, {4, "all"}, {0, nullptr}};

#define QBRIDGE(rest) "1.3.6.1.2.1.17.7.1" rest
#define PROTOCOL_VLAN(column) PEN_OID(".12.16.1.1.1." #column)
} // namespace

const CvSNMPVar StaticVlanVars[] = {
    {QBRIDGE(".4.2.1.2"), "VLAN ID", SyntaxGauge, AccessNotAccessible},
    {QBRIDGE(".4.3.1.1"), "VLAN Name", SyntaxDisplayString, AccessReadWrite},
    {QBRIDGE(".4.3.1.2"), "Egress Ports", SyntaxBitString, AccessReadWrite},
    {QBRIDGE(".4.3.1.3"), "Forbidden Egress Ports", SyntaxBitString, AccessReadWrite},
    {QBRIDGE(".4.3.1.4"), "Untagged Ports", SyntaxBitString, AccessReadWrite},
    {QBRIDGE(".4.3.1.5"), "Status", SyntaxInteger, AccessReadWrite, &Options::RowStatusCapitals()},
    {},
};

const CvSNMPVar NextFreeVlanVars[] = {
    {QBRIDGE(".4.4"), "NextFreeLocalVLANIndex", SyntaxInteger, AccessReadOnly},
    {},
};

const CvSNMPVar CurrentVlanVars[] = {
    {QBRIDGE(".4.2.1.1"), "VLANTimeMark", SyntaxTimeTicks, AccessNotAccessible},
    {QBRIDGE(".4.2.1.2"), "VLANIndex", SyntaxGauge, AccessNotAccessible},
    {QBRIDGE(".4.2.1.3"), "FdbId", SyntaxGauge, AccessReadOnly},
    {QBRIDGE(".4.2.1.4"), "CurrentEgressPorts", SyntaxOctetString, AccessReadOnly},
    {QBRIDGE(".4.2.1.5"), "CurrentUntaggedPorts", SyntaxOctetString, AccessReadOnly},
    {QBRIDGE(".4.2.1.6"), "VLANStatus", SyntaxInteger, AccessReadOnly, Options::Of<vlanStates>()},
    {QBRIDGE(".4.2.1.7"), "CreationTime", SyntaxTimeTicks, AccessReadOnly},
    {},
};

const CvSNMPVar VlanDeletesVars[] = {
    {QBRIDGE(".4.1"), "VLANNumDeletes", SyntaxCounter, AccessReadOnly},
    {},
};

const CvSNMPVar QBridgeBaseVars[] = {
    {QBRIDGE(".1.1"), "VLANVersionNumber", SyntaxInteger, AccessReadOnly},
    {QBRIDGE(".1.2"), "MaxVLANId", SyntaxInteger, AccessReadOnly},
    {QBRIDGE(".1.3"), "MaxSupportedVLANs", SyntaxGauge, AccessReadOnly},
    {QBRIDGE(".1.4"), "CurrentNumOfVLANs", SyntaxGauge, AccessReadOnly},
    {QBRIDGE(".1.5"), "GVRPStatus", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled12()},
    {},
};

const CvSNMPVar PortVlanVars[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", SyntaxInteger, AccessNotAccessible},
    {QBRIDGE(".4.5.1.1"), "PortVLANID", SyntaxGauge, AccessReadWrite},
    {QBRIDGE(".4.5.1.2"), "AcceptableFrameTypes", SyntaxInteger, AccessReadWrite,
        Options::Of<frameTypes>()},
    {QBRIDGE(".4.5.1.3"), "IngressFiltering", SyntaxInteger, AccessReadWrite,
        &Options::TrueFalse()},
    {QBRIDGE(".4.5.1.4"), "GVRPStatus", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled12()},
    {QBRIDGE(".4.5.1.5"), "GVRPFailedRegistrations", SyntaxCounter, AccessReadOnly},
    {QBRIDGE(".4.5.1.6"), "GVRPLastPduOrigin", SyntaxMacAddress, AccessReadOnly},
    {},
};

const CvSNMPVar ProtocolVlanVars[] = {
    {PROTOCOL_VLAN(1), "Index", SyntaxInteger, AccessNotAccessible},
    {PROTOCOL_VLAN(2), "Name", SyntaxDisplayString, AccessReadWrite},
    {PROTOCOL_VLAN(3), "Protocol Type", SyntaxInteger, AccessReadWrite,
        Options::Of<protocolTypes>()},
    {PROTOCOL_VLAN(4), "Advertisement", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled12()},
    {PROTOCOL_VLAN(5), "User Defined Protocol", SyntaxInteger, AccessReadWrite},
    {PROTOCOL_VLAN(6), "Encap Type", SyntaxInteger, AccessReadWrite, Options::Of<encapTypes>()},
    {PROTOCOL_VLAN(7), "Row Status", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {},
};
