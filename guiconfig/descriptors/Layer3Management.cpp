// The generated windows of the "Layer 3 Management" menu: routing switches,
// IP interfaces and routes, BOOTP and DNS relay, OSPF hosts and virtual
// links, route preferences, VRRP (RFC 2787) and IGMP on the routing
// interfaces.
#include "DescriptorData.h"

namespace {
#define L3_OID(rest) PEN_OID(".11.59.8.3" rest)
#define IGMP_OID(rest) PEN_OID(".12.18.1" rest)
#define VRRP_OID(rest) "1.3.6.1.2.1.68" rest
// The VRRP tables are indexed by the interface of the virtual router.
#define IF_INDEX_OID "1.3.6.1.2.1.2.2.1.1"

const CvIntOption ipModes[] = {{1, "manual"}, {2, "bootp"}, {3, "dhcp"}, {0, nullptr}};
const CvIntOption forwardingTypes[] = {{1, "other"}, {2, "static"}, {3, "dynamic"}, {0, nullptr}};
const CvIntOption backupStates[] = {{1, "primary"}, {2, "backup"}, {0, nullptr}};
const CvIntOption virtualLinkStates[] = {{1, "down"}, {4, "pointToPoint"}, {0, nullptr}};
const CvIntOption ospfAuthTypes[] = {{0, "none"}, {1, "simple"}, {2, "md5"}, {0, nullptr}};
const CvIntOption vrrpStates[] = {{1, "initialize"}, {2, "backup"}, {3, "master"}, {0, nullptr}};
const CvIntOption vrrpAdminStates[] = {{1, "up"}, {2, "down"}, {0, nullptr}};
const CvIntOption vrrpAuthTypes[] = {{1, "noAuthentication"}, {2, "simpleTextPassword"},
    {3, "ipAuthenticationHeader"}, {0, nullptr}};
const CvIntOption vrrpProtocols[]
    = {{1, "ip"}, {2, "bridge"}, {3, "decnet"}, {4, "other"}, {0, nullptr}};
const CvIntOption igmpFilterModes[] = {{1, "include"}, {2, "exclude"}, {0, nullptr}};

const CvSNMPVar deviceControlVars[] = {
    {L3_OID(".1.1.1"), "RIP State", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {L3_OID(".1.1.2"), "OSPF State", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {L3_OID(".1.1.3"), "DVMRP State", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {L3_OID(".1.1.4"), "PIM-DM State", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {L3_OID(".1.1.5"), "VRRP State", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {},
};
const CvControlBinding deviceControlBindings[] = {
    {KindComboBox, "%s", &deviceControlVars[0]},
    {KindComboBox, "%s", &deviceControlVars[1]},
    {KindComboBox, "%s", &deviceControlVars[2]},
    {KindComboBox, "%s", &deviceControlVars[3]},
    {KindComboBox, "%s", &deviceControlVars[4]},
    {},
};

// IP Management

const CvSNMPVar arpAgingVars[] = {
    {L3_OID(".2.4"), "ARP Aging Time (minutes)[0-65535]", SyntaxInteger, AccessReadWrite},
    {},
};
const CvControlBinding arpAgingBindings[] = {
    {KindEdit, "%i{n0x65535l5}", &arpAgingVars[0]},
    {},
};

// The interface name is the index; the agent does not return it.
const CvSNMPVar ipControlVars[] = {
    {L3_OID(".2.1.1.1.1"), "Interface Name", SyntaxDisplayString, AccessNotAccessible},
    {L3_OID(".2.1.1.1.2"), "IP Address", SyntaxIpAddress, AccessReadWrite},
    {L3_OID(".2.1.1.1.3"), "Subnet Mask", SyntaxIpAddress, AccessReadWrite},
    {L3_OID(".2.1.1.1.4"), "VLAN Name", SyntaxDisplayString, AccessReadWrite},
    {L3_OID(".2.1.1.1.5"), "Proxy ARP", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {L3_OID(".2.1.1.1.6"), "Secondary", SyntaxInteger, AccessReadWrite, &Options::TrueFalse()},
    {L3_OID(".2.1.1.1.7"), "Row Status", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {L3_OID(".2.1.1.1.8"), "Get IP From", SyntaxInteger, AccessReadWrite, Options::Of<ipModes>()},
    {},
};
const CvControlBinding ipControlBindings[] = {
    {KindEditUnticked, "%s{l12n}", &ipControlVars[0]},
    {KindEdit, "%s", &ipControlVars[1]},
    {KindEdit, "%s", &ipControlVars[2]},
    {KindEdit, "%s{l32n}", &ipControlVars[3]},
    {KindComboBox, "%s", &ipControlVars[4]},
    {KindComboBox, "%s", &ipControlVars[5]},
    {KindComboBox, "%s", &ipControlVars[6]},
    {KindComboBox, "%s", &ipControlVars[7]},
    {},
};

const CvSNMPVar ipForwardingVars[] = {
    {L3_OID(".2.2.1.1.1"), "IP Address", SyntaxIpAddress, AccessReadOnly},
    {L3_OID(".2.2.1.1.2"), "Interface Name", SyntaxDisplayString, AccessReadOnly},
    {L3_OID(".2.2.1.1.3"), "Port", SyntaxInteger, AccessReadOnly},
    {L3_OID(".2.2.1.1.4"), "Type", SyntaxInteger, AccessReadOnly, Options::Of<forwardingTypes>()},
    {},
};

const CvSNMPVar staticRouteVars[] = {
    {L3_OID(".2.5.1.1"), "Destination", SyntaxIpAddress, AccessReadOnly},
    {L3_OID(".2.5.1.2"), "Mask", SyntaxIpAddress, AccessReadOnly},
    {L3_OID(".2.5.1.3"), "Backup State", SyntaxInteger, AccessReadWrite,
        Options::Of<backupStates>()},
    {L3_OID(".2.5.1.4"), "Next Hop", SyntaxIpAddress, AccessReadWrite},
    {L3_OID(".2.5.1.5"), "Metric", SyntaxInteger, AccessReadWrite},
    {L3_OID(".2.5.1.6"), "Status", SyntaxInteger, AccessReadWrite, &Options::ValidInvalid()},
    {},
};

// BOOTP and DNS relay

const CvSNMPVar bootpBasicVars[] = {
    {L3_OID(".3.1.1"), "BOOTP Relay Status", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {L3_OID(".3.1.2"), "BOOTP Hops Count Limit", SyntaxInteger, AccessReadWrite},
    {L3_OID(".3.1.3"), "BOOTP Relay Time Threshold", SyntaxInteger, AccessReadWrite},
    {},
};

const CvSNMPVar dnsBasicVars[] = {
    {L3_OID(".3.2.1"), "DNS Relay Status", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {L3_OID(".3.2.2"), "Primary Name Server", SyntaxIpAddress, AccessReadWrite},
    {L3_OID(".3.2.3"), "Secondary Name Server", SyntaxIpAddress, AccessReadWrite},
    {L3_OID(".3.2.4"), "Cache Lookup Status", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {L3_OID(".3.2.5"), "Static Table Lookup Status", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {},
};

const CvSNMPVar dnsStaticVars[] = {
    {L3_OID(".3.2.6.1.1"), "Domain Name", SyntaxDisplayString, AccessReadOnly},
    {L3_OID(".3.2.6.1.2"), "IP Address", SyntaxIpAddress, AccessReadOnly},
    {L3_OID(".3.2.6.1.3"), "Status", SyntaxInteger, AccessReadWrite, &Options::ValidInvalid()},
    {},
};

// OSPF

const CvSNMPVar virtualInterfaceVars[] = {
    {L3_OID(".7.1.1"), "Area ID", SyntaxIpAddress, AccessReadOnly},
    {L3_OID(".7.1.2"), "Neighbor Router ID", SyntaxIpAddress, AccessReadOnly},
    {L3_OID(".7.1.3"), "Transit Delay[0-3600]", SyntaxInteger, AccessReadWrite},
    {L3_OID(".7.1.4"), "Retransmit Interval[0-3600]", SyntaxInteger, AccessReadWrite},
    {L3_OID(".7.1.5"), "Hello Interval[1-65535]", SyntaxInteger, AccessReadWrite},
    {L3_OID(".7.1.6"), "Dead Interval[0-2147483647]", SyntaxInteger, AccessReadWrite},
    {L3_OID(".7.1.7"), "State", SyntaxInteger, AccessReadOnly, Options::Of<virtualLinkStates>()},
    {L3_OID(".7.1.8"), "Events", SyntaxCounter, AccessReadOnly},
    {L3_OID(".7.1.9"), "Auth Type", SyntaxInteger, AccessReadWrite, Options::Of<ospfAuthTypes>()},
    {L3_OID(".7.1.10"), "Auth Key", SyntaxDisplayString, AccessReadWrite},
    {L3_OID(".7.1.11"), "Auth Key ID[1-255]", SyntaxInteger, AccessReadWrite},
    {L3_OID(".7.1.12"), "Status", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {},
};
const CvControlBinding virtualInterfaceBindings[] = {
    {KindEditUnticked, "%s", &virtualInterfaceVars[0]},
    {KindEditUnticked, "%s", &virtualInterfaceVars[1]},
    {KindEdit, "%i{n0x3600l4}", &virtualInterfaceVars[2]},
    {KindEdit, "%i{n0x3600l4}", &virtualInterfaceVars[3]},
    {KindEdit, "%i{n1x65535l5}", &virtualInterfaceVars[4]},
    {KindEdit, "%i{n0x2147483647l10}", &virtualInterfaceVars[5]},
    {KindEditUnticked, "%s", &virtualInterfaceVars[6]},
    {KindEditUnticked, "%i", &virtualInterfaceVars[7]},
    {KindComboBox, "%s", &virtualInterfaceVars[8]},
    {KindEdit, "%s{l16}", &virtualInterfaceVars[9]},
    {KindEdit, "%i{n1x255l3}", &virtualInterfaceVars[10]},
    {KindComboBox, "%s", &virtualInterfaceVars[11]},
    {},
};

const CvSNMPVar ospfHostVars[] = {
    {L3_OID(".6.1.1"), "Host IP Address", SyntaxIpAddress, AccessReadOnly},
    {L3_OID(".6.1.2"), "TOS", SyntaxInteger, AccessReadOnly},
    {L3_OID(".6.1.3"), "Metric", SyntaxInteger, AccessReadWrite},
    {L3_OID(".6.1.4"), "Area ID", SyntaxIpAddress, AccessReadWrite},
    {L3_OID(".6.1.5"), "Status", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {},
};

const CvSNMPVar routePreferenceVars[] = {
    {L3_OID(".9.1"), "RIP[1-999]", SyntaxInteger, AccessReadWrite},
    {L3_OID(".9.2"), "OSPF Intra[1-999]", SyntaxInteger, AccessReadWrite},
    {L3_OID(".9.3"), "OSPF Inter[1-999]", SyntaxInteger, AccessReadWrite},
    {L3_OID(".9.4"), "OSPF External Type 1[1-999]", SyntaxInteger, AccessReadWrite},
    {L3_OID(".9.5"), "OSPF External Type 2[1-999]", SyntaxInteger, AccessReadWrite},
    {L3_OID(".9.6"), "Static[1-999]", SyntaxInteger, AccessReadWrite},
    {L3_OID(".9.7"), "Local", SyntaxInteger, AccessReadOnly},
    {},
};
const CvControlBinding routePreferenceBindings[] = {
    {KindEdit, "%i{n1x999l3}", &routePreferenceVars[0]},
    {KindEdit, "%i{n1x999l3}", &routePreferenceVars[1]},
    {KindEdit, "%i{n1x999l3}", &routePreferenceVars[2]},
    {KindEdit, "%i{n1x999l3}", &routePreferenceVars[3]},
    {KindEdit, "%i{n1x999l3}", &routePreferenceVars[4]},
    {KindEdit, "%i{n1x999l3}", &routePreferenceVars[5]},
    {KindEditUnticked, "%i", &routePreferenceVars[6]},
    {},
};

// VRRP, as RFC 2787 defines it.

const CvSNMPVar vrrpControlVars[] = {
    {VRRP_OID(".1.1"), "vrrpNodeVersion", SyntaxInteger, AccessReadOnly},
    {VRRP_OID(".1.2"), "vrrpNotificationCntl", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled12()},
    {},
};
const CvControlBinding vrrpControlBindings[] = {
    {KindEditUnticked, "%i", &vrrpControlVars[0]},
    {KindComboBox, "%s", &vrrpControlVars[1]},
    {},
};

const CvSNMPVar vrrpOperVars[] = {
    {IF_INDEX_OID, "ifIndex", SyntaxInteger, AccessNotAccessible},
    {VRRP_OID(".1.3.1.1"), "vrrpOperVrId", SyntaxInteger, AccessNotAccessible},
    {VRRP_OID(".1.3.1.2"), "vrrpOperVirtualMacAddr", SyntaxMacAddress, AccessReadOnly},
    {VRRP_OID(".1.3.1.3"), "vrrpOperState", SyntaxInteger, AccessReadOnly,
        Options::Of<vrrpStates>()},
    {VRRP_OID(".1.3.1.4"), "vrrpOperAdminState", SyntaxInteger, AccessReadWrite,
        Options::Of<vrrpAdminStates>()},
    {VRRP_OID(".1.3.1.5"), "vrrpOperPriority", SyntaxInteger, AccessReadWrite},
    {VRRP_OID(".1.3.1.6"), "vrrpOperIpAddrCount", SyntaxInteger, AccessReadOnly},
    {VRRP_OID(".1.3.1.7"), "vrrpOperMasterIpAddr", SyntaxIpAddress, AccessReadOnly},
    {VRRP_OID(".1.3.1.8"), "vrrpOperPrimaryIpAddr", SyntaxIpAddress, AccessReadWrite},
    {VRRP_OID(".1.3.1.9"), "vrrpOperAuthType", SyntaxInteger, AccessReadWrite,
        Options::Of<vrrpAuthTypes>()},
    {VRRP_OID(".1.3.1.10"), "vrrpOperAuthKey", SyntaxOctetString, AccessReadWrite},
    {VRRP_OID(".1.3.1.11"), "vrrpOperAdvertisementInterval", SyntaxInteger, AccessReadWrite},
    {VRRP_OID(".1.3.1.12"), "vrrpOperPreemptMode", SyntaxInteger, AccessReadWrite,
        &Options::TrueFalse()},
    {VRRP_OID(".1.3.1.13"), "vrrpOperVirtualRouterUpTime", SyntaxTimeTicks, AccessReadOnly},
    {VRRP_OID(".1.3.1.14"), "vrrpOperProtocol", SyntaxInteger, AccessReadWrite,
        Options::Of<vrrpProtocols>()},
    {VRRP_OID(".1.3.1.15"), "vrrpOperRowStatus", SyntaxInteger, AccessReadWrite,
        &Options::RowStatus()},
    {},
};
// The priority's settable range is 1..255 (0 is only sent by a master that
// resigns); the key is at most 16 octets, typed as hexadecimal.
const CvControlBinding vrrpOperBindings[] = {
    {KindEditUnticked, "%i", &vrrpOperVars[0]},
    {KindEditUnticked, "%i", &vrrpOperVars[1]},
    {KindEditUnticked, "%s", &vrrpOperVars[2]},
    {KindEditUnticked, "%s", &vrrpOperVars[3]},
    {KindComboBox, "%s", &vrrpOperVars[4]},
    {KindEdit, "%i{n1x255l3}", &vrrpOperVars[5]},
    {KindEditUnticked, "%i", &vrrpOperVars[6]},
    {KindEditUnticked, "%s", &vrrpOperVars[7]},
    {KindEdit, "%s", &vrrpOperVars[8]},
    {KindComboBox, "%s", &vrrpOperVars[9]},
    {KindEdit, "%s{l32}", &vrrpOperVars[10]},
    {KindEdit, "%i{n1x255l3}", &vrrpOperVars[11]},
    {KindComboBox, "%s", &vrrpOperVars[12]},
    {KindEditUnticked, "%s", &vrrpOperVars[13]},
    {KindComboBox, "%s", &vrrpOperVars[14]},
    {KindComboBox, "%s", &vrrpOperVars[15]},
    {},
};

const CvSNMPVar vrrpAddressVars[] = {
    {IF_INDEX_OID, "ifIndex", SyntaxInteger, AccessNotAccessible},
    {VRRP_OID(".1.3.1.1"), "vrrpOperVrId", SyntaxInteger, AccessNotAccessible},
    {VRRP_OID(".1.4.1.1"), "vrrpAssoIpAddr", SyntaxIpAddress, AccessNotAccessible},
    {VRRP_OID(".1.4.1.2"), "vrrpAssoIpAddrRowStatus", SyntaxInteger, AccessReadWrite,
        &Options::RowStatus()},
    {},
};
const CvControlBinding vrrpAddressBindings[] = {
    {KindEditUnticked, "%i{n1x2147483647l10}", &vrrpAddressVars[0]},
    {KindEditUnticked, "%i{n1x255l3}", &vrrpAddressVars[1]},
    {KindEditUnticked, "%s", &vrrpAddressVars[2]},
    {KindComboBox, "%s", &vrrpAddressVars[3]},
    {},
};

const CvSNMPVar vrrpErrorVars[] = {
    {VRRP_OID(".2.1"), "vrrpRouterChecksumErrors", SyntaxCounter, AccessReadOnly},
    {VRRP_OID(".2.2"), "vrrpRouterVersionErrors", SyntaxCounter, AccessReadOnly},
    {VRRP_OID(".2.3"), "vrrpRouterVrIdErrors", SyntaxCounter, AccessReadOnly},
    {},
};
const CvControlBinding vrrpErrorBindings[] = {
    {KindEditUnticked, "%i", &vrrpErrorVars[0]},
    {KindEditUnticked, "%i", &vrrpErrorVars[1]},
    {KindEditUnticked, "%i", &vrrpErrorVars[2]},
    {},
};

const CvSNMPVar vrrpStatsVars[] = {
    {IF_INDEX_OID, "ifIndex", SyntaxInteger, AccessNotAccessible},
    {VRRP_OID(".1.3.1.1"), "vrrpOperVrId", SyntaxInteger, AccessNotAccessible},
    {VRRP_OID(".2.4.1.1"), "vrrpStatsBecomeMaster", SyntaxCounter, AccessReadOnly},
    {VRRP_OID(".2.4.1.2"), "vrrpStatsAdvertiseRcvd", SyntaxCounter, AccessReadOnly},
    {VRRP_OID(".2.4.1.3"), "vrrpStatsAdvertiseIntervalErrors", SyntaxCounter, AccessReadOnly},
    {VRRP_OID(".2.4.1.4"), "vrrpStatsAuthFailures", SyntaxCounter, AccessReadOnly},
    {VRRP_OID(".2.4.1.5"), "vrrpStatsIpTtlErrors", SyntaxCounter, AccessReadOnly},
    {VRRP_OID(".2.4.1.6"), "vrrpStatsPriorityZeroPktsRcvd", SyntaxCounter, AccessReadOnly},
    {VRRP_OID(".2.4.1.7"), "vrrpStatsPriorityZeroPktsSent", SyntaxCounter, AccessReadOnly},
    {VRRP_OID(".2.4.1.8"), "vrrpStatsInvalidTypePktsRcvd", SyntaxCounter, AccessReadOnly},
    {VRRP_OID(".2.4.1.9"), "vrrpStatsAddressListErrors", SyntaxCounter, AccessReadOnly},
    {VRRP_OID(".2.4.1.10"), "vrrpStatsInvalidAuthType", SyntaxCounter, AccessReadOnly},
    {VRRP_OID(".2.4.1.11"), "vrrpStatsAuthTypeMismatch", SyntaxCounter, AccessReadOnly},
    {VRRP_OID(".2.4.1.12"), "vrrpStatsPacketLengthErrors", SyntaxCounter, AccessReadOnly},
    {},
};
const CvControlBinding vrrpStatsBindings[] = {
    {KindEditUnticked, "%i", &vrrpStatsVars[0]},
    {KindEditUnticked, "%i", &vrrpStatsVars[1]},
    {KindEditUnticked, "%i", &vrrpStatsVars[2]},
    {KindEditUnticked, "%i", &vrrpStatsVars[3]},
    {KindEditUnticked, "%i", &vrrpStatsVars[4]},
    {KindEditUnticked, "%i", &vrrpStatsVars[5]},
    {KindEditUnticked, "%i", &vrrpStatsVars[6]},
    {KindEditUnticked, "%i", &vrrpStatsVars[7]},
    {KindEditUnticked, "%i", &vrrpStatsVars[8]},
    {KindEditUnticked, "%i", &vrrpStatsVars[9]},
    {KindEditUnticked, "%i", &vrrpStatsVars[10]},
    {KindEditUnticked, "%i", &vrrpStatsVars[11]},
    {KindEditUnticked, "%i", &vrrpStatsVars[12]},
    {KindEditUnticked, "%i", &vrrpStatsVars[13]},
    {},
};

// IGMP on the routing interfaces

const CvSNMPVar igmpInterfaceVars[] = {
    {IGMP_OID(".4.1.1"), "Interface", SyntaxInteger, AccessReadOnly},
    {IGMP_OID(".4.1.2"), "Query Interval[1-31744]", SyntaxInteger, AccessReadWrite},
    {IGMP_OID(".4.1.3"), "Max Response Time[1-25]", SyntaxInteger, AccessReadWrite},
    {IGMP_OID(".4.1.4"), "Robustness Variable[1-255]", SyntaxInteger, AccessReadWrite},
    {IGMP_OID(".4.1.5"), "Last Member Query Interval[1-25]", SyntaxInteger, AccessReadWrite},
    {IGMP_OID(".4.1.6"), "Version[1-3]", SyntaxInteger, AccessReadWrite},
    {IGMP_OID(".4.1.7"), "Querier", SyntaxIpAddress, AccessReadOnly},
    {IGMP_OID(".4.1.8"), "Querier Up Time", SyntaxTimeTicks, AccessReadOnly},
    {IGMP_OID(".4.1.9"), "State", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {},
};
const CvControlBinding igmpInterfaceBindings[] = {
    {KindEditUnticked, "%i", &igmpInterfaceVars[0]},
    {KindEdit, "%i{n1x31744l5}", &igmpInterfaceVars[1]},
    {KindEdit, "%i{n1x25l2}", &igmpInterfaceVars[2]},
    {KindEdit, "%i{n1x255l3}", &igmpInterfaceVars[3]},
    {KindEdit, "%i{n1x25l2}", &igmpInterfaceVars[4]},
    {KindEdit, "%i{n1x3l1}", &igmpInterfaceVars[5]},
    {KindEditUnticked, "%s", &igmpInterfaceVars[6]},
    {KindEditUnticked, "%s", &igmpInterfaceVars[7]},
    {KindComboBox, "%s", &igmpInterfaceVars[8]},
    {},
};

const CvSNMPVar igmpCacheVars[] = {
    {IGMP_OID(".6.1.1"), "Group Address", SyntaxIpAddress, AccessReadOnly},
    {IGMP_OID(".6.1.2"), "Interface", SyntaxInteger, AccessReadOnly},
    {IGMP_OID(".6.1.3"), "Self", SyntaxInteger, AccessReadOnly, &Options::TrueFalse()},
    {IGMP_OID(".6.1.4"), "Last Reporter", SyntaxIpAddress, AccessReadOnly},
    {IGMP_OID(".6.1.5"), "Up Time", SyntaxTimeTicks, AccessReadOnly},
    {IGMP_OID(".6.1.6"), "Expiry Time", SyntaxTimeTicks, AccessReadOnly},
    {IGMP_OID(".6.1.7"), "Filter Mode", SyntaxInteger, AccessReadOnly,
        Options::Of<igmpFilterModes>()},
    {IGMP_OID(".6.1.8"), "Version", SyntaxInteger, AccessReadOnly},
    {},
};
const CvControlBinding igmpCacheBindings[] = {
    {KindEditUnticked, "%s", &igmpCacheVars[0]},
    {KindEditUnticked, "%i", &igmpCacheVars[1]},
    {KindEditUnticked, "%s", &igmpCacheVars[2]},
    {KindEditUnticked, "%s", &igmpCacheVars[3]},
    {KindEditUnticked, "%s", &igmpCacheVars[4]},
    {KindEditUnticked, "%s", &igmpCacheVars[5]},
    {KindEditUnticked, "%s", &igmpCacheVars[6]},
    {KindEditUnticked, "%i", &igmpCacheVars[7]},
    {},
};

const CvSNMPVar igmpSourceVars[] = {
    {IGMP_OID(".10.1.1"), "Index", SyntaxInteger, AccessReadOnly},
    {IGMP_OID(".10.1.2"), "Group Address", SyntaxIpAddress, AccessReadOnly},
    {IGMP_OID(".10.1.3"), "Source Address", SyntaxIpAddress, AccessReadOnly},
    {IGMP_OID(".10.1.4"), "Expire", SyntaxTimeTicks, AccessReadOnly},
    {},
};
const CvControlBinding igmpSourceBindings[] = {
    {KindEditUnticked, "%i", &igmpSourceVars[0]},
    {KindEditUnticked, "%s", &igmpSourceVars[1]},
    {KindEditUnticked, "%s", &igmpSourceVars[2]},
    {KindEditUnticked, "%s", &igmpSourceVars[3]},
    {},
};

#undef L3_OID
#undef IGMP_OID
#undef VRRP_OID
#undef IF_INDEX_OID
} // namespace

const CvFormDescriptor Layer3ManagementForms[] = {
    {.menuPath = "Layer 3 Management > Device Ctrl",
        .title = "Device Control",
        .variables = deviceControlVars,
        .bindings = deviceControlBindings},
    {.menuPath = "Layer 3 Management > IP Management > IP Control Management",
        .title = "ARP Aging Time",
        .variables = arpAgingVars,
        .bindings = arpAgingBindings},
    {.menuPath = "Layer 3 Management > IP Management > IP Control Table",
        .title = "IP Control Table",
        .variables = ipControlVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = ipControlBindings,
        .createColumn = 6,
        .createValue = "createAndGo",
        .deleteColumn = 6,
        .deleteValue = "destroy"},
    {.menuPath = "Layer 3 Management > IP Management > IP Forwarding Table",
        .title = "IP Forwarding Table",
        .variables = ipForwardingVars,
        .listKind = MVT_FMV,
        .indexCount = 1},
    {.menuPath = "Layer 3 Management > IP Management > IP Static Routing Table",
        .title = "IP Static Routing Table",
        .variables = staticRouteVars,
        .listKind = MVT_FMV,
        .indexCount = 3,
        .createColumn = 5,
        .createValue = "valid",
        .deleteColumn = 5,
        .deleteValue = "invalid"},
    {.menuPath = "Layer 3 Management > BOOTP Basic Configuration",
        .title = "BOOTP Basic Configuration",
        .variables = bootpBasicVars},
    {.menuPath = "Layer 3 Management > DNS Basic Configuration",
        .title = "DNS Basic Configuration",
        .variables = dnsBasicVars},
    {.menuPath = "Layer 3 Management > DNS Ctrl Table",
        .title = "DNS Ctrl Table",
        .variables = dnsStaticVars,
        .listKind = MVT_FMV,
        .indexCount = 2,
        .createColumn = 2,
        .createValue = "valid",
        .deleteColumn = 2,
        .deleteValue = "invalid",
        .adjust = {.heightPlus = 100, .flags = AdjustEditHidden}},
    {.menuPath = "Layer 3 Management > OSPF (RFC1850) > Virtual Interface Table",
        .title = "Virtual Interface Table",
        .variables = virtualInterfaceVars,
        .listKind = MVT_UMV,
        .indexCount = 2,
        .bindings = virtualInterfaceBindings,
        .createColumn = 11,
        .createValue = "createAndGo",
        .deleteColumn = 11,
        .deleteValue = "destroy"},
    {.menuPath = "Layer 3 Management > OSPF (RFC1850) > Host Table",
        .title = "Host Table",
        .variables = ospfHostVars,
        .listKind = MVT_UMV,
        .indexCount = 2,
        .createColumn = 4,
        .createValue = "createAndGo",
        .deleteColumn = 4,
        .deleteValue = "destroy"},
    {.menuPath = "Layer 3 Management > OSPF (RFC1850) > Route Preference",
        .title = "Route Preference",
        .variables = routePreferenceVars,
        .bindings = routePreferenceBindings},
    {.menuPath = "Layer 3 Management > VRRP (RFC2787) > VRRP Control",
        .title = "VRRP Control",
        .variables = vrrpControlVars,
        .bindings = vrrpControlBindings},
    {.menuPath = "Layer 3 Management > VRRP (RFC2787) > VRRP Operation",
        .title = "VRRP Operations",
        .variables = vrrpOperVars,
        .listKind = MVT_UMV,
        .indexCount = 2,
        .bindings = vrrpOperBindings},
    {.menuPath = "Layer 3 Management > VRRP (RFC2787) > Virtual Route Address",
        .title = "Virtual Route Address Table",
        .variables = vrrpAddressVars,
        .listKind = MVT_FMV,
        .indexCount = 3,
        .bindings = vrrpAddressBindings,
        .createColumn = 3,
        .createValue = "createAndGo",
        .deleteColumn = 3,
        .deleteValue = "destroy",
        .adjust = {.flags = AdjustNoRowEdit}},
    {.menuPath = "Layer 3 Management > VRRP (RFC2787) > VRRP Error Statistics",
        .title = "VRRP Error Statistics Table",
        .variables = vrrpErrorVars,
        .bindings = vrrpErrorBindings},
    {.menuPath = "Layer 3 Management > VRRP (RFC2787) > Virtual Route Statistics",
        .title = "Virtual Router Statistics Table",
        .variables = vrrpStatsVars,
        .listKind = MVT_FMV,
        .indexCount = 2,
        .bindings = vrrpStatsBindings},
    {.menuPath = "Layer 3 Management > IGMP Interface Table",
        .title = "IGMP Interface Table",
        .variables = igmpInterfaceVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = igmpInterfaceBindings,
        .adjust = {.flags = AdjustCaption}},
    {.menuPath = "Layer 3 Management > IGMP Cache Table",
        .title = "IGMP Cache Table",
        .variables = igmpCacheVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = igmpCacheBindings,
        .adjust = {.flags = AdjustCaption}},
    {.menuPath = "Layer 3 Management > IGMP Src List Table",
        .title = "IGMP src List Table",
        .variables = igmpSourceVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = igmpSourceBindings,
        .adjust = {.flags = AdjustCaption}},
    {},
};
