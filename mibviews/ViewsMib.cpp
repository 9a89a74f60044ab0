// MIB-II groups (RFC 1213, with the interfaces table of RFC 2863): the
// views of the "MIB" family.
#include "ViewCatalogue.h"

namespace {
using enum ViewKind;
using enum ViewIndexKind;

const CvIntOption ifType[] = {{1, "other"}, {6, "ethernetCsmacd"}, {24, "softwareLoopback"},
    {53, "propVirtual"}, {62, "fastEther"}, {69, "fastEtherFX"}, {117, "gigabitEthernet"},
    {131, "tunnel"}, {135, "l2vlan"}, {136, "l3ipvlan"}, {161, "ieee8023adLag"}, {0, nullptr}};
const CvIntOption ifAdminStatus[] = {{1, "up"}, {2, "down"}, {3, "testing"}, {0, nullptr}};
const CvIntOption ifOperStatus[] = {{1, "up"}, {2, "down"}, {3, "testing"}, {4, "unknown"},
    {5, "dormant"}, {6, "notPresent"}, {7, "lowerLayerDown"}, {0, nullptr}};
const CvIntOption ipForwarding[] = {{1, "forwarding"}, {2, "notForwarding"}, {0, nullptr}};
const CvIntOption ipRouteType[]
    = {{1, "other"}, {2, "invalid"}, {3, "direct"}, {4, "indirect"}, {0, nullptr}};
const CvIntOption ipRouteProto[] = {{1, "other"}, {2, "local"}, {3, "netmgmt"}, {4, "icmp"},
    {5, "egp"}, {6, "ggp"}, {7, "hello"}, {8, "rip"}, {9, "is-is"}, {10, "es-is"},
    {11, "ciscoIgrp"}, {12, "bbnSpfIgp"}, {13, "ospf"}, {14, "bgp"}, {0, nullptr}};
const CvIntOption enabledDisabled[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};

const ViewIndexPart byIfIndex[] = {{"ifIndex", IndexInteger}, {}};

const ViewColumn system[] = {
    {"1", "sysDescr", Text},
    {"2", "sysObjectID", Oid},
    {"3", "sysUpTime", Ticks},
    {"4", "sysContact", Text},
    {"5", "sysName", Text},
    {"6", "sysLocation", Text},
    {"7", "sysServices", Number},
    {},
};
const ViewSection info[] = {{"system", "1.3.6.1.2.1.1", nullptr, system}, {}};

const ViewColumn ifTableColumns[] = {
    {"2", "ifDescr", Text},
    {"3", "ifType", Enum, nullptr, ifType},
    {"4", "ifMtu", Number, "octets"},
    {"5", "ifSpeed", Number, "bits per second"},
    {"6", "ifPhysAddress", Mac},
    {"7", "ifAdminStatus", Enum, nullptr, ifAdminStatus},
    {"8", "ifOperStatus", Enum, nullptr, ifOperStatus},
    {"9", "ifLastChange", Ticks},
    {"21", "ifOutQLen", Number, "packets"},
    {"22", "ifSpecific", Oid},
    {},
};
const ViewSection ifTable[] = {{"ifTable", "1.3.6.1.2.1.2.2.1", byIfIndex, ifTableColumns}, {}};

const ViewColumn ifCounterColumns[] = {
    {"2", "ifDescr", Text},
    {"10", "ifInOctets", Counter, "octets", nullptr, "1.3.6.1.2.1.31.1.1.1.6"},
    {"11", "ifInUcastPkts", Counter, "packets", nullptr, "1.3.6.1.2.1.31.1.1.1.7"},
    {"12", "ifInNUcastPkts", Counter, "packets"},
    {"13", "ifInDiscards", Counter, "packets"},
    {"14", "ifInErrors", Counter, "packets"},
    {"15", "ifInUnknownProtos", Counter, "packets"},
    {"16", "ifOutOctets", Counter, "octets", nullptr, "1.3.6.1.2.1.31.1.1.1.10"},
    {"17", "ifOutUcastPkts", Counter, "packets", nullptr, "1.3.6.1.2.1.31.1.1.1.11"},
    {"18", "ifOutNUcastPkts", Counter, "packets"},
    {"19", "ifOutDiscards", Counter, "packets"},
    {"20", "ifOutErrors", Counter, "packets"},
    {},
};
const ViewSection ifCounters[]
    = {{"ifTable counters", "1.3.6.1.2.1.2.2.1", byIfIndex, ifCounterColumns}, {}};

const ViewColumn ipGroup[] = {
    {"1", "ipForwarding", Enum, nullptr, ipForwarding},
    {"2", "ipDefaultTTL", Number, "hops"},
    {"3", "ipInReceives", Counter, "datagrams"},
    {"4", "ipInHdrErrors", Counter, "datagrams"},
    {"5", "ipInAddrErrors", Counter, "datagrams"},
    {"6", "ipForwDatagrams", Counter, "datagrams"},
    {"7", "ipInUnknownProtos", Counter, "datagrams"},
    {"8", "ipInDiscards", Counter, "datagrams"},
    {"9", "ipInDelivers", Counter, "datagrams"},
    {"10", "ipOutRequests", Counter, "datagrams"},
    {"11", "ipOutDiscards", Counter, "datagrams"},
    {"12", "ipOutNoRoutes", Counter, "datagrams"},
    {"13", "ipReasmTimeout", Number, "seconds"},
    {"14", "ipReasmReqds", Counter, "fragments"},
    {"15", "ipReasmOKs", Counter, "datagrams"},
    {"16", "ipReasmFails", Counter, "failures"},
    {"17", "ipFragOKs", Counter, "datagrams"},
    {"18", "ipFragFails", Counter, "datagrams"},
    {"19", "ipFragCreates", Counter, "fragments"},
    {"23", "ipRoutingDiscards", Counter, "entries"},
    {},
};
const ViewSection ipCounters[] = {{"ip", "1.3.6.1.2.1.4", nullptr, ipGroup}, {}};

const ViewIndexPart byRouteDest[] = {{"ipRouteDest", IndexIp}, {}};
const ViewColumn ipRouteColumns[] = {
    {"2", "ipRouteIfIndex", Number},
    {"3", "ipRouteMetric1", Number},
    {"4", "ipRouteMetric2", Number},
    {"5", "ipRouteMetric3", Number},
    {"6", "ipRouteMetric4", Number},
    {"7", "ipRouteNextHop", Ip},
    {"8", "ipRouteType", Enum, nullptr, ipRouteType},
    {"9", "ipRouteProto", Enum, nullptr, ipRouteProto},
    {"10", "ipRouteAge", Number, "seconds"},
    {"11", "ipRouteMask", Ip},
    {"12", "ipRouteMetric5", Number},
    {"13", "ipRouteInfo", Oid},
    {},
};
const ViewSection ipRouting[]
    = {{"ipRouteTable", "1.3.6.1.2.1.4.21.1", byRouteDest, ipRouteColumns}, {}};

const ViewIndexPart byAdEntAddr[] = {{"ipAdEntAddr", IndexIp}, {}};
const ViewColumn ipAddrColumns[] = {
    {"2", "ipAdEntIfIndex", Number},
    {"3", "ipAdEntNetMask", Ip},
    {"4", "ipAdEntBcastAddr", Number},
    {"5", "ipAdEntReasmMaxSize", Number, "octets"},
    {},
};
const ViewSection ipAddress[]
    = {{"ipAddrTable", "1.3.6.1.2.1.4.20.1", byAdEntAddr, ipAddrColumns}, {}};

const ViewColumn icmpGroup[] = {
    {"1", "icmpInMsgs", Counter, "messages"},
    {"2", "icmpInErrors", Counter, "messages"},
    {"3", "icmpInDestUnreachs", Counter, "messages"},
    {"4", "icmpInTimeExcds", Counter, "messages"},
    {"5", "icmpInParmProbs", Counter, "messages"},
    {"6", "icmpInSrcQuenchs", Counter, "messages"},
    {"7", "icmpInRedirects", Counter, "messages"},
    {"8", "icmpInEchos", Counter, "messages"},
    {"9", "icmpInEchoReps", Counter, "messages"},
    {"10", "icmpInTimestamps", Counter, "messages"},
    {"11", "icmpInTimestampReps", Counter, "messages"},
    {"12", "icmpInAddrMasks", Counter, "messages"},
    {"13", "icmpInAddrMaskReps", Counter, "messages"},
    {"14", "icmpOutMsgs", Counter, "messages"},
    {"15", "icmpOutErrors", Counter, "messages"},
    {"16", "icmpOutDestUnreachs", Counter, "messages"},
    {"17", "icmpOutTimeExcds", Counter, "messages"},
    {"18", "icmpOutParmProbs", Counter, "messages"},
    {"19", "icmpOutSrcQuenchs", Counter, "messages"},
    {"20", "icmpOutRedirects", Counter, "messages"},
    {"21", "icmpOutEchos", Counter, "messages"},
    {"22", "icmpOutEchoReps", Counter, "messages"},
    {"23", "icmpOutTimestamps", Counter, "messages"},
    {"24", "icmpOutTimestampReps", Counter, "messages"},
    {"25", "icmpOutAddrMasks", Counter, "messages"},
    {"26", "icmpOutAddrMaskReps", Counter, "messages"},
    {},
};
const ViewSection icmpCounters[] = {{"icmp", "1.3.6.1.2.1.5", nullptr, icmpGroup}, {}};

const ViewColumn udpGroup[] = {
    {"1", "udpInDatagrams", Counter, "datagrams"},
    {"2", "udpNoPorts", Counter, "datagrams"},
    {"3", "udpInErrors", Counter, "datagrams"},
    {"4", "udpOutDatagrams", Counter, "datagrams"},
    {},
};
const ViewIndexPart udpListener[]
    = {{"udpLocalAddress", IndexIp}, {"udpLocalPort", IndexInteger}, {}};
// Both columns are the index; one is walked to find the rows.
const ViewColumn udpTableColumns[] = {{"1", "udpLocalAddress", Ip}, {}};
const ViewSection udpCounters[] = {
    {"udp", "1.3.6.1.2.1.7", nullptr, udpGroup},
    {"udpTable", "1.3.6.1.2.1.7.5.1", udpListener, udpTableColumns},
    {},
};

const ViewColumn snmpGroup[] = {
    {"1", "snmpInPkts", Counter, "messages"},
    {"2", "snmpOutPkts", Counter, "messages"},
    {"3", "snmpInBadVersions", Counter, "messages"},
    {"4", "snmpInBadCommunityNames", Counter, "messages"},
    {"5", "snmpInBadCommunityUses", Counter, "messages"},
    {"6", "snmpInASNParseErrs", Counter, "messages"},
    {"8", "snmpInTooBigs", Counter, "PDUs"},
    {"9", "snmpInNoSuchNames", Counter, "PDUs"},
    {"10", "snmpInBadValues", Counter, "PDUs"},
    {"11", "snmpInReadOnlys", Counter, "PDUs"},
    {"12", "snmpInGenErrs", Counter, "PDUs"},
    {"13", "snmpInTotalReqVars", Counter, "objects"},
    {"14", "snmpInTotalSetVars", Counter, "objects"},
    {"15", "snmpInGetRequests", Counter, "PDUs"},
    {"16", "snmpInGetNexts", Counter, "PDUs"},
    {"17", "snmpInSetRequests", Counter, "PDUs"},
    {"18", "snmpInGetResponses", Counter, "PDUs"},
    {"19", "snmpInTraps", Counter, "PDUs"},
    {"20", "snmpOutTooBigs", Counter, "PDUs"},
    {"21", "snmpOutNoSuchNames", Counter, "PDUs"},
    {"22", "snmpOutBadValues", Counter, "PDUs"},
    {"24", "snmpOutGenErrs", Counter, "PDUs"},
    {"25", "snmpOutGetRequests", Counter, "PDUs"},
    {"26", "snmpOutGetNexts", Counter, "PDUs"},
    {"27", "snmpOutSetRequests", Counter, "PDUs"},
    {"28", "snmpOutGetResponses", Counter, "PDUs"},
    {"29", "snmpOutTraps", Counter, "PDUs"},
    {"30", "snmpEnableAuthenTraps", Enum, nullptr, enabledDisabled},
    {"31", "snmpSilentDrops", Counter, "PDUs"},
    {"32", "snmpProxyDrops", Counter, "PDUs"},
    {},
};
const ViewSection snmpCounters[] = {{"snmp", "1.3.6.1.2.1.11", nullptr, snmpGroup}, {}};
} // namespace

const ViewDefinition MibViews[] = {
    {"MIB_Info", "System Information", "RFC 1213 system group", info},
    {"MIB_IFTable", "IF Table", "RFC 2863 IF-MIB ifTable", ifTable},
    {"MIB_IFCounters", "IF Counters", "RFC 2863 IF-MIB ifTable counters", ifCounters},
    {"MIB_IPCounters", "IP Counters", "RFC 1213 ip group", ipCounters},
    {"MIB_IPRouting", "IP Routing", "RFC 1213 ipRouteTable", ipRouting},
    {"MIB_IPAddress", "IP Address Table", "RFC 1213 ipAddrTable", ipAddress},
    {"MIB_ICMPCounters", "ICMP Counters", "RFC 1213 icmp group", icmpCounters},
    {"MIB_UDPCounters", "UDP Counters", "RFC 1213 udp group", udpCounters},
    {"MIB_SNMPCounters", "SNMP Counters", "RFC 1213 snmp group", snmpCounters},
    {},
};
