#include "AclVariables.h"

#include "CvStandardOptions.h"
#include "EnterpriseOid.h"

namespace {
const CvIntOption macMaskStates[] = {
    {1, "other"}, {2, "dst-mac-addr"}, {3, "src-mac-addr"}, {4, "dst-src-mac-addr"}, {0, nullptr}};
const CvIntOption ipMaskStates[]
    = {{1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"}, {4, "dst-src-ip-addr"}, {0, nullptr}};
const CvIntOption protocolTypes[] = {
    {1, "none"}, {2, "icmp"}, {3, "igmp"}, {4, "tcp"}, {5, "udp"}, {6, "protocolId"}, {0, nullptr}};
const CvIntOption icmpOptions[]
    = {{1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"}, {0, nullptr}};
const CvIntOption enableDisable[] = {{1, "enable"}, {2, "disable"}, {0, nullptr}};
const CvIntOption portOptions[]
    = {{1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}, {0, nullptr}};
const CvIntOption denyPermit[] = {{1, "deny"}, {2, "permit"}, {0, nullptr}};

#define ACL(rest) PEN_OID(".12.9" rest)
} // namespace

const CvSNMPVar EthernetMaskVars[] = {
    {ACL(".1.1.1.1"), "Ethernet MASK ID ", SyntaxInteger, AccessNotAccessible},
    {ACL(".1.1.1.2"), "Use Vlan", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled12()},
    {ACL(".1.1.1.3"), "Mac Address Mask State", SyntaxInteger, AccessReadWrite,
        Options::Of<macMaskStates>()},
    {ACL(".1.1.1.4"), "Mac Address Mask Source", SyntaxMacAddress, AccessReadWrite},
    {ACL(".1.1.1.5"), "Mac Address Mask Destination", SyntaxMacAddress, AccessReadWrite},
    {ACL(".1.1.1.6"), "Use 8021p", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled12()},
    {ACL(".1.1.1.7"), "Use Ethernet Type", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled12()},
    {ACL(".1.1.1.8"), "Row Status", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {},
};

const CvSNMPVar IpMaskVars[] = {
    {ACL(".1.2.1.1"), "IP ID", SyntaxInteger, AccessNotAccessible},
    {ACL(".1.2.1.2"), "Use Vlan", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled12()},
    {ACL(".1.2.1.3"), "IP Address Mask State", SyntaxInteger, AccessReadWrite,
        Options::Of<ipMaskStates>()},
    {ACL(".1.2.1.4"), "IP Address Mask Source", SyntaxIpAddress, AccessReadWrite},
    {ACL(".1.2.1.5"), "IP Address Mask Destination", SyntaxIpAddress, AccessReadWrite},
    {ACL(".1.2.1.6"), "Use DSCP", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled12()},
    {ACL(".1.2.1.7"), "Use Protocol Type", SyntaxInteger, AccessReadWrite,
        Options::Of<protocolTypes>()},
    {ACL(".1.2.1.8"), "ICMP Option", SyntaxInteger, AccessReadWrite, Options::Of<icmpOptions>()},
    {ACL(".1.2.1.9"), "IGMP Option", SyntaxInteger, AccessReadWrite, Options::Of<enableDisable>()},
    {ACL(".1.2.1.10"), "TCP Option", SyntaxInteger, AccessReadWrite, Options::Of<portOptions>()},
    {ACL(".1.2.1.11"), "UDP Option", SyntaxInteger, AccessReadWrite, Options::Of<portOptions>()},
    {ACL(".1.2.1.12"), "TCP or UDP Srouce Port Mask", SyntaxOctetString, AccessReadWrite},
    {ACL(".1.2.1.13"), "TCP or UDP Destination Port Mask", SyntaxOctetString, AccessReadWrite},
    {ACL(".1.2.1.14"), "TCP Flag Bit", SyntaxInteger, AccessReadWrite,
        Options::Of<enableDisable>()},
    {ACL(".1.2.1.15"), "TCP Flag Bit Mask", SyntaxInteger, AccessReadWrite},
    {ACL(".1.2.1.16"), "Protocol ID Option", SyntaxInteger, AccessReadWrite,
        Options::Of<enableDisable>()},
    {ACL(".1.2.1.17"), "Protocol ID Mask", SyntaxOctetString, AccessReadWrite},
    {ACL(".1.2.1.18"), "Row Status", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {},
};

const CvSNMPVar IpRuleVars[] = {
    {ACL(".2.2.1.1"), "IP Rule ID", SyntaxInteger, AccessNotAccessible},
    {ACL(".2.2.1.2"), "IP Rule Access ID", SyntaxInteger, AccessNotAccessible},
    {ACL(".2.2.1.3"), "Apply Vlan", SyntaxDisplayString, AccessReadWrite},
    {ACL(".2.2.1.4"), "Source IP Address", SyntaxIpAddress, AccessReadWrite},
    {ACL(".2.2.1.5"), "Destination IP address", SyntaxIpAddress, AccessReadWrite},
    {ACL(".2.2.1.6"), "DSCP", SyntaxInteger, AccessReadWrite},
    {ACL(".2.2.1.7"), "Rule Protocol", SyntaxInteger, AccessReadOnly, Options::Of<protocolTypes>()},
    {ACL(".2.2.1.8"), "Rule Type", SyntaxInteger, AccessReadWrite},
    {ACL(".2.2.1.9"), "Rule Code", SyntaxInteger, AccessReadWrite},
    {ACL(".2.2.1.10"), "Source Port", SyntaxInteger, AccessReadWrite},
    {ACL(".2.2.1.11"), "Destination Port", SyntaxInteger, AccessReadWrite},
    {ACL(".2.2.1.12"), "Flag Bits", SyntaxInteger, AccessReadWrite},
    {ACL(".2.2.1.13"), "Protocol ID", SyntaxInteger, AccessReadWrite},
    {ACL(".2.2.1.14"), "User Mask", SyntaxOctetString, AccessReadWrite},
    {ACL(".2.2.1.15"), "Enable Priority", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled12()},
    {ACL(".2.2.1.16"), "Priority", SyntaxInteger, AccessReadWrite},
    {ACL(".2.2.1.17"), "Replace Priority", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled12()},
    {ACL(".2.2.1.18"), "Enable Replace Dscp", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled12()},
    {ACL(".2.2.1.19"), "DSCP Value", SyntaxInteger, AccessReadWrite},
    {ACL(".2.2.1.20"), "Permit", SyntaxInteger, AccessReadWrite, Options::Of<denyPermit>()},
    {ACL(".2.2.1.21"), "Port", SyntaxInteger, AccessReadWrite},
    {ACL(".2.2.1.22"), "Row Status", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {},
};

const CvSNMPVar EthernetRuleVars[] = {
    {ACL(".2.1.1.1"), "Mask ID", SyntaxInteger, AccessNotAccessible},
    {ACL(".2.1.1.2"), "Access ID", SyntaxInteger, AccessNotAccessible},
    {ACL(".2.1.1.3"), "Vlan Rule", SyntaxDisplayString, AccessReadWrite},
    {ACL(".2.1.1.4"), "Source MAC Address Rule", SyntaxMacAddress, AccessReadWrite},
    {ACL(".2.1.1.5"), "Destination MAC Address Rule", SyntaxMacAddress, AccessReadWrite},
    {ACL(".2.1.1.6"), "8021P Rule", SyntaxInteger, AccessReadWrite},
    {ACL(".2.1.1.7"), "Ethernet Type Rule", SyntaxOctetString, AccessReadWrite},
    {ACL(".2.1.1.8"), "Enable Priority Rule", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled12()},
    {ACL(".2.1.1.9"), "Priority Rule", SyntaxInteger, AccessReadWrite},
    {ACL(".2.1.1.10"), "Replace Priority Rule", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled12()},
    {ACL(".2.1.1.11"), "Enable Replace DSCP Rule", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled12()},
    {ACL(".2.1.1.12"), "Rule Replace DSCP Rule", SyntaxInteger, AccessReadWrite},
    {ACL(".2.1.1.13"), "Permit Rule", SyntaxInteger, AccessReadWrite, Options::Of<denyPermit>()},
    {ACL(".2.1.1.14"), "Mask Port", SyntaxInteger, AccessReadWrite},
    {ACL(".2.1.1.15"), "Row Status Rule", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {},
};

const CvSNMPVar UserMaskVars[] = {
    {ACL(".1.3.1.1"), "Mask Entry ID", SyntaxInteger, AccessNotAccessible},
    {ACL(".1.3.1.2"), "Filtered Port(s) [0 to 15]", SyntaxOctetString, AccessReadWrite},
    {ACL(".1.3.1.3"), "Filtered Port(s) [16 to 31]", SyntaxOctetString, AccessReadWrite},
    {ACL(".1.3.1.4"), "Filtered Port(s) [32 to 47]", SyntaxOctetString, AccessReadWrite},
    {ACL(".1.3.1.5"), "Filtered Port(s) [48 to 63]", SyntaxOctetString, AccessReadWrite},
    {ACL(".1.3.1.6"), "Filtered Port(s) [64 to 79]", SyntaxOctetString, AccessReadWrite},
    {ACL(".1.3.1.7"), "Mask Row Status", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {},
};

namespace {
const CvIntOption ipv6MaskStates[] = {{1, "other"}, {2, "dst-ipv6-addr"}, {3, "src-ipv6-addr"},
    {4, "dst-src-ipv6-addr"}, {0, nullptr}};
} // namespace

const CvSNMPVar Ipv6MaskVars[] = {
    {ACL(".1.4.1.1"), "swACLIpv6MaskProfileID", SyntaxInteger, AccessNotAccessible},
    {ACL(".1.4.1.2"), "swACLIpv6MaskClass", SyntaxInteger, AccessReadWrite,
        Options::Of<enableDisable>()},
    {ACL(".1.4.1.3"), "swACLIpv6MaskFlowlabel", SyntaxInteger, AccessReadWrite,
        Options::Of<enableDisable>()},
    {ACL(".1.4.1.4"), "swACLIpv6IpAddrMaskState", SyntaxInteger, AccessReadWrite,
        Options::Of<ipv6MaskStates>()},
    {ACL(".1.4.1.5"), "swACLIpv6MaskSrcIpv6Mask", SyntaxOctetString, AccessReadWrite},
    {ACL(".1.4.1.6"), "swACLIpv6MaskDstIpv6Mask", SyntaxOctetString, AccessReadWrite},
    {ACL(".1.4.1.7"), "swACLIpv6MaskRowStatus", SyntaxInteger, AccessReadWrite,
        &Options::RowStatus()},
    {},
};

const CvSNMPVar UserRuleVars[] = {
    {ACL(".2.3.1.1"), "Profile ID", SyntaxInteger, AccessNotAccessible},
    {ACL(".2.3.1.2"), "Access ID", SyntaxInteger, AccessNotAccessible},
    {ACL(".2.3.1.3"), "Packet(s) Offset [0 to 15]", SyntaxOctetString, AccessReadWrite},
    {ACL(".2.3.1.4"), "Packet(s) Offset [16 to 31]", SyntaxOctetString, AccessReadWrite},
    {ACL(".2.3.1.5"), "Packet(s) Offset [32 to 47]", SyntaxOctetString, AccessReadWrite},
    {ACL(".2.3.1.6"), "Packet(s) Offset [48 to 63]", SyntaxOctetString, AccessReadWrite},
    {ACL(".2.3.1.7"), "Packet(s) Offset [64 to 79]", SyntaxOctetString, AccessReadWrite},
    {ACL(".2.3.1.8"), "Enable Priority", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled12()},
    {ACL(".2.3.1.9"), "Priority", SyntaxInteger, AccessReadWrite},
    {ACL(".2.3.1.10"), "Replace Priority", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled12()},
    {ACL(".2.3.1.11"), "Enable Replace DSCP", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled12()},
    {ACL(".2.3.1.12"), "Replace DSCP", SyntaxInteger, AccessReadWrite},
    {ACL(".2.3.1.13"), "Permit", SyntaxInteger, AccessReadWrite, Options::Of<denyPermit>()},
    {ACL(".2.3.1.14"), "Port", SyntaxInteger, AccessReadWrite},
    {ACL(".2.3.1.15"), "Row Status", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {},
};

const CvSNMPVar Ipv6RuleVars[] = {
    {ACL(".2.4.1.1"), "swACLIpv6RuleProfileID", SyntaxInteger, AccessNotAccessible},
    {ACL(".2.4.1.2"), "swACLIpv6RuleAccessID", SyntaxInteger, AccessNotAccessible},
    {ACL(".2.4.1.3"), "swACLIpv6RuleClass", SyntaxInteger, AccessReadWrite},
    {ACL(".2.4.1.4"), "swACLIpv6RuleFlowlabel", SyntaxOctetString, AccessReadWrite},
    {ACL(".2.4.1.5"), "swACLIpv6RuleSrcIpv6Addr", SyntaxOctetString, AccessReadWrite},
    {ACL(".2.4.1.6"), "swACLIpv6RuleDstIpv6Addr", SyntaxOctetString, AccessReadWrite},
    {ACL(".2.4.1.7"), "swACLIpv6RuleEnablePriority", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled12()},
    {ACL(".2.4.1.8"), "swACLIpv6RulePriority", SyntaxInteger, AccessReadWrite},
    {ACL(".2.4.1.9"), "swACLIpv6RuleReplacePriority", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled12()},
    {ACL(".2.4.1.10"), "swACLIpv6RulePermit", SyntaxInteger, AccessReadWrite,
        Options::Of<denyPermit>()},
    {ACL(".2.4.1.11"), "swACLIpv6RulePort", SyntaxInteger, AccessReadWrite},
    {ACL(".2.4.1.12"), "swACLIpv6RuleRowStatus", SyntaxInteger, AccessReadWrite,
        &Options::RowStatus()},
    {},
};
