// Routing views: CIDR routes (RFC 2096), RIP-2 (RFC 1724), OSPF (RFC 1850),
// IP multicast routing (RFC 2932), DVMRP and PIM (their experimental MIBs).
#include "ViewCatalogue.h"

namespace {
using enum ViewKind;
using enum ViewIndexKind;

const CvIntOption truthValue[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const CvIntOption enabledDisabled[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const CvIntOption rowStatus[] = {{1, "active"}, {2, "notInService"}, {3, "notReady"},
    {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"}, {0, nullptr}};
const CvIntOption routeProtocol[]
    = {{1, "other"}, {2, "local"}, {3, "netmgmt"}, {4, "icmp"}, {5, "egp"}, {6, "ggp"},
        {7, "hello"}, {8, "rip"}, {9, "isIs"}, {10, "esIs"}, {11, "ciscoIgrp"}, {12, "bbnSpfIgp"},
        {13, "ospf"}, {14, "bgp"}, {15, "idpr"}, {16, "ciscoEigrp"}, {17, "dvmrp"}, {0, nullptr}};
const CvIntOption cidrRouteType[]
    = {{1, "other"}, {2, "reject"}, {3, "local"}, {4, "remote"}, {0, nullptr}};
const CvIntOption ripAuthType[]
    = {{1, "noAuthentication"}, {2, "simplePassword"}, {3, "md5"}, {0, nullptr}};
const CvIntOption ripSend[] = {{1, "doNotSend"}, {2, "ripVersion1"}, {3, "rip1Compatible"},
    {4, "ripVersion2"}, {5, "ripV1Demand"}, {6, "ripV2Demand"}, {0, nullptr}};
const CvIntOption ripReceive[]
    = {{1, "rip1"}, {2, "rip2"}, {3, "rip1OrRip2"}, {4, "doNotRecieve"}, {0, nullptr}};
const CvIntOption ospfVersion[] = {{2, "version2"}, {0, nullptr}};
const CvIntOption importAsExtern[]
    = {{1, "importExternal"}, {2, "importNoExternal"}, {3, "importNssa"}, {0, nullptr}};
const CvIntOption areaSummary[] = {{1, "noAreaSummary"}, {2, "sendAreaSummary"}, {0, nullptr}};
const CvIntOption lsdbType[]
    = {{1, "routerLink"}, {2, "networkLink"}, {3, "summaryLink"}, {4, "asSummaryLink"},
        {5, "asExternalLink"}, {6, "multicastLink"}, {7, "nssaExternalLink"}, {0, nullptr}};
const CvIntOption nbrState[] = {{1, "down"}, {2, "attempt"}, {3, "init"}, {4, "twoWay"},
    {5, "exchangeStart"}, {6, "exchange"}, {7, "loading"}, {8, "full"}, {0, nullptr}};
const CvIntOption nbrPermanence[] = {{1, "dynamic"}, {2, "permanent"}, {0, nullptr}};
const CvIntOption ospfIfType[]
    = {{1, "broadcast"}, {2, "nbma"}, {3, "pointToPoint"}, {5, "pointToMultipoint"}, {0, nullptr}};
const CvIntOption ospfIfState[]
    = {{1, "down"}, {2, "loopback"}, {3, "waiting"}, {4, "pointToPoint"}, {5, "designatedRouter"},
        {6, "backupDesignatedRouter"}, {7, "otherDesignatedRouter"}, {0, nullptr}};
const CvIntOption multicastForwarding[]
    = {{1, "blocked"}, {2, "multicast"}, {3, "unicast"}, {0, nullptr}};
const CvIntOption ospfAuthType[] = {{0, "none"}, {1, "simplePassword"}, {2, "md5"}, {0, nullptr}};
const CvIntOption mrouteProtocol[] = {{1, "other"}, {2, "local"}, {3, "netmgmt"}, {4, "dvmrp"},
    {5, "mospf"}, {6, "pimSparseDense"}, {7, "cbt"}, {8, "pimSparseMode"}, {9, "pimDenseMode"},
    {10, "igmpOnly"}, {11, "bgmp"}, {12, "msdp"}, {0, nullptr}};
const CvIntOption mrouteRtType[] = {{1, "unicast"}, {2, "multicast"}, {0, nullptr}};
const CvIntOption nextHopState[] = {{1, "pruned"}, {2, "forwarding"}, {0, nullptr}};
const CvIntOption dvmrpCapabilities[]
    = {{0, "leaf"}, {1, "prune"}, {2, "generationID"}, {3, "mtrace"}, {0, nullptr}};
const CvIntOption dvmrpNbrState[]
    = {{1, "oneway"}, {2, "active"}, {3, "ignoring"}, {4, "down"}, {0, nullptr}};
const CvIntOption dvmrpHopType[] = {{1, "leaf"}, {2, "branch"}, {0, nullptr}};
const CvIntOption pimMode[] = {{1, "dense"}, {2, "sparse"}, {3, "sparseDense"}, {0, nullptr}};

const ViewColumn ipForwardGroup[] = {{"3", "ipCidrRouteNumber", Number, "routes"}, {}};
const ViewIndexPart cidrRoute[] = {{"ipCidrRouteDest", IndexIp}, {"ipCidrRouteMask", IndexIp},
    {"ipCidrRouteTos", IndexInteger}, {"ipCidrRouteNextHop", IndexIp}, {}};
const ViewColumn cidrRoutes[] = {
    {"5", "ipCidrRouteIfIndex", Number},
    {"6", "ipCidrRouteType", Enum, nullptr, cidrRouteType},
    {"7", "ipCidrRouteProto", Enum, nullptr, routeProtocol},
    {"8", "ipCidrRouteAge", Number, "seconds"},
    {"9", "ipCidrRouteInfo", Oid},
    {"10", "ipCidrRouteNextHopAS", Number},
    {"11", "ipCidrRouteMetric1", Number},
    {"12", "ipCidrRouteMetric2", Number},
    {"13", "ipCidrRouteMetric3", Number},
    {"14", "ipCidrRouteMetric4", Number},
    {"15", "ipCidrRouteMetric5", Number},
    {"16", "ipCidrRouteStatus", Enum, nullptr, rowStatus},
    {},
};
const ViewSection cidr[] = {
    {"ipCidrRouteTable", "1.3.6.1.2.1.4.24.4.1", cidrRoute, cidrRoutes},
    {"ipForward", "1.3.6.1.2.1.4.24", nullptr, ipForwardGroup},
    {},
};

const ViewColumn rip2Global[] = {
    {"1", "rip2GlobalRouteChanges", Counter, "changes"},
    {"2", "rip2GlobalQueries", Counter, "responses"},
    {},
};
const ViewIndexPart byRipStatAddress[] = {{"rip2IfStatAddress", IndexIp}, {}};
const ViewColumn rip2IfStat[] = {
    {"2", "rip2IfStatRcvBadPackets", Counter, "packets"},
    {"3", "rip2IfStatRcvBadRoutes", Counter, "routes"},
    {"4", "rip2IfStatSentUpdates", Counter, "updates"},
    {"5", "rip2IfStatStatus", Enum, nullptr, rowStatus},
    {},
};
const ViewIndexPart byRipConfAddress[] = {{"rip2IfConfAddress", IndexIp}, {}};
const ViewColumn rip2IfConf[] = {
    {"2", "rip2IfConfDomain", Octets},
    {"3", "rip2IfConfAuthType", Enum, nullptr, ripAuthType},
    {"5", "rip2IfConfSend", Enum, nullptr, ripSend},
    {"6", "rip2IfConfReceive", Enum, nullptr, ripReceive},
    {"7", "rip2IfConfDefaultMetric", Number},
    {"8", "rip2IfConfStatus", Enum, nullptr, rowStatus},
    {"9", "rip2IfConfSrcAddress", Ip},
    {},
};
const ViewSection rip2[] = {
    {"rip2IfStatTable", "1.3.6.1.2.1.23.2.1", byRipStatAddress, rip2IfStat},
    {"rip2IfConfTable", "1.3.6.1.2.1.23.3.1", byRipConfAddress, rip2IfConf},
    {"rip2GlobalGroup", "1.3.6.1.2.1.23.1", nullptr, rip2Global},
    {},
};

const ViewColumn ospfGeneralGroup[] = {
    {"1", "ospfRouterId", Ip},
    {"2", "ospfAdminStat", Enum, nullptr, enabledDisabled},
    {"3", "ospfVersionNumber", Enum, nullptr, ospfVersion},
    {"4", "ospfAreaBdrRtrStatus", Enum, nullptr, truthValue},
    {"5", "ospfASBdrRtrStatus", Enum, nullptr, truthValue},
    {"6", "ospfExternLsaCount", Number, "LSAs"},
    {"7", "ospfExternLsaCksumSum", Number},
    {"8", "ospfTOSSupport", Enum, nullptr, truthValue},
    {"9", "ospfOriginateNewLsas", Counter, "LSAs"},
    {"10", "ospfRxNewLsas", Counter, "LSAs"},
    {"11", "ospfExtLsdbLimit", Number, "LSAs"},
    {"12", "ospfMulticastExtensions", Number},
    {"13", "ospfExitOverflowInterval", Number, "seconds"},
    {"14", "ospfDemandExtensions", Enum, nullptr, truthValue},
    {},
};
const ViewSection ospfGeneral[]
    = {{"ospfGeneralGroup", "1.3.6.1.2.1.14.1", nullptr, ospfGeneralGroup}, {}};

const ViewIndexPart byAreaId[] = {{"ospfAreaId", IndexIp}, {}};
const ViewColumn areas[] = {
    {"3", "ospfImportAsExtern", Enum, nullptr, importAsExtern},
    {"4", "ospfSpfRuns", Counter, "runs"},
    {"5", "ospfAreaBdrRtrCount", Number, "routers"},
    {"6", "ospfAsBdrRtrCount", Number, "routers"},
    {"7", "ospfAreaLsaCount", Number, "LSAs"},
    {"8", "ospfAreaLsaCksumSum", Number},
    {"9", "ospfAreaSummary", Enum, nullptr, areaSummary},
    {"10", "ospfAreaStatus", Enum, nullptr, rowStatus},
    {},
};
const ViewSection ospfArea[] = {{"ospfAreaTable", "1.3.6.1.2.1.14.2.1", byAreaId, areas}, {}};

const ViewIndexPart lsdbEntry[]
    = {{"ospfLsdbAreaId", IndexIp}, {"ospfLsdbType", IndexInteger, lsdbType},
        {"ospfLsdbLsid", IndexIp}, {"ospfLsdbRouterId", IndexIp}, {}};
const ViewColumn lsdb[] = {
    {"5", "ospfLsdbSequence", Number},
    {"6", "ospfLsdbAge", Number, "seconds"},
    {"7", "ospfLsdbChecksum", Number},
    {"8", "ospfLsdbAdvertisement", Octets},
    {},
};
const ViewSection ospfLsdb[] = {{"ospfLsdbTable", "1.3.6.1.2.1.14.4.1", lsdbEntry, lsdb}, {}};

const ViewIndexPart nbrEntry[]
    = {{"ospfNbrIpAddr", IndexIp}, {"ospfNbrAddressLessIndex", IndexInteger}, {}};
const ViewColumn neighbours[] = {
    {"3", "ospfNbrRtrId", Ip},
    {"4", "ospfNbrOptions", Number},
    {"5", "ospfNbrPriority", Number},
    {"6", "ospfNbrState", Enum, nullptr, nbrState},
    {"7", "ospfNbrEvents", Counter, "events"},
    {"8", "ospfNbrLsRetransQLen", Number, "LSAs"},
    {"9", "ospfNbmaNbrStatus", Enum, nullptr, rowStatus},
    {"10", "ospfNbmaNbrPermanence", Enum, nullptr, nbrPermanence},
    {"11", "ospfNbrHelloSuppressed", Enum, nullptr, truthValue},
    {},
};
const ViewSection ospfNeighbor[]
    = {{"ospfNbrTable", "1.3.6.1.2.1.14.10.1", nbrEntry, neighbours}, {}};

const ViewIndexPart ifEntry[]
    = {{"ospfIfIpAddress", IndexIp}, {"ospfAddressLessIf", IndexInteger}, {}};
const ViewColumn interfaces[] = {
    {"3", "ospfIfAreaId", Ip},
    {"4", "ospfIfType", Enum, nullptr, ospfIfType},
    {"5", "ospfIfAdminStat", Enum, nullptr, enabledDisabled},
    {"6", "ospfIfRtrPriority", Number},
    {"7", "ospfIfTransitDelay", Number, "seconds"},
    {"8", "ospfIfRetransInterval", Number, "seconds"},
    {"9", "ospfIfHelloInterval", Number, "seconds"},
    {"10", "ospfIfRtrDeadInterval", Number, "seconds"},
    {"11", "ospfIfPollInterval", Number, "seconds"},
    {"12", "ospfIfState", Enum, nullptr, ospfIfState},
    {"13", "ospfIfDesignatedRouter", Ip},
    {"14", "ospfIfBackupDesignatedRouter", Ip},
    {"15", "ospfIfEvents", Counter, "events"},
    {"17", "ospfIfStatus", Enum, nullptr, rowStatus},
    {"18", "ospfIfMulticastForwarding", Enum, nullptr, multicastForwarding},
    {"19", "ospfIfDemand", Enum, nullptr, truthValue},
    {"20", "ospfIfAuthType", Enum, nullptr, ospfAuthType},
    {},
};
const ViewSection ospfInterface[]
    = {{"ospfIfTable", "1.3.6.1.2.1.14.7.1", ifEntry, interfaces}, {}};

const ViewColumn mrouteGroup[] = {
    {"1", "ipMRouteEnable", Enum, nullptr, enabledDisabled},
    {"7", "ipMRouteEntryCount", Number, "routes"},
    {},
};
const ViewIndexPart mrouteEntry[] = {
    {"ipMRouteGroup", IndexIp}, {"ipMRouteSource", IndexIp}, {"ipMRouteSourceMask", IndexIp}, {}};
const ViewColumn mroutes[] = {
    {"4", "ipMRouteUpstreamNeighbor", Ip},
    {"5", "ipMRouteInIfIndex", Number},
    {"6", "ipMRouteUpTime", Ticks},
    {"7", "ipMRouteExpiryTime", Ticks},
    {"8", "ipMRoutePkts", Counter, "packets"},
    {"9", "ipMRouteDifferentInIfPackets", Counter, "packets"},
    {"10", "ipMRouteOctets", Counter, "octets"},
    {"11", "ipMRouteProtocol", Enum, nullptr, mrouteProtocol},
    {"12", "ipMRouteRtProto", Enum, nullptr, routeProtocol},
    {"13", "ipMRouteRtAddress", Ip},
    {"14", "ipMRouteRtMask", Ip},
    {"15", "ipMRouteRtType", Enum, nullptr, mrouteRtType},
    {"16", "ipMRouteHCOctets", Counter, "octets"},
    {},
};
const ViewIndexPart nextHopEntry[] = {{"ipMRouteNextHopGroup", IndexIp},
    {"ipMRouteNextHopSource", IndexIp}, {"ipMRouteNextHopSourceMask", IndexIp},
    {"ipMRouteNextHopIfIndex", IndexInteger}, {"ipMRouteNextHopAddress", IndexIp}, {}};
const ViewColumn nextHops[] = {
    {"6", "ipMRouteNextHopState", Enum, nullptr, nextHopState},
    {"7", "ipMRouteNextHopUpTime", Ticks},
    {"8", "ipMRouteNextHopExpiryTime", Ticks},
    {"9", "ipMRouteNextHopClosestMemberHops", Number, "hops"},
    {"10", "ipMRouteNextHopProtocol", Enum, nullptr, mrouteProtocol},
    {"11", "ipMRouteNextHopPkts", Counter, "packets"},
    {},
};
const ViewIndexPart mrouteIfEntry[] = {{"ipMRouteInterfaceIfIndex", IndexInteger}, {}};
const ViewColumn mrouteInterfaces[] = {
    {"2", "ipMRouteInterfaceTtl", Number},
    {"3", "ipMRouteInterfaceProtocol", Enum, nullptr, mrouteProtocol},
    {"4", "ipMRouteInterfaceRateLimit", Number, "kilobits per second"},
    {"5", "ipMRouteInterfaceInMcastOctets", Counter, "octets"},
    {"6", "ipMRouteInterfaceOutMcastOctets", Counter, "octets"},
    {"7", "ipMRouteInterfaceHCInMcastOctets", Counter, "octets"},
    {"8", "ipMRouteInterfaceHCOutMcastOctets", Counter, "octets"},
    {},
};
const ViewSection ipMRoute[] = {
    {"ipMRouteTable", "1.3.6.1.2.1.83.1.1.2.1", mrouteEntry, mroutes},
    {"ipMRouteNextHopTable", "1.3.6.1.2.1.83.1.1.3.1", nextHopEntry, nextHops},
    {"ipMRouteInterfaceTable", "1.3.6.1.2.1.83.1.1.4.1", mrouteIfEntry, mrouteInterfaces},
    {"ipMRoute", "1.3.6.1.2.1.83.1.1", nullptr, mrouteGroup},
    {},
};

const ViewColumn dvmrpScalars[] = {
    {"1", "dvmrpVersionString", Text},
    {"2", "dvmrpGenerationId", Number},
    {"3", "dvmrpNumRoutes", Number, "routes"},
    {"4", "dvmrpReachableRoutes", Number, "routes"},
    {},
};
const ViewIndexPart dvmrpIfEntry[] = {{"dvmrpInterfaceIfIndex", IndexInteger}, {}};
const ViewColumn dvmrpInterfaces[] = {
    {"2", "dvmrpInterfaceLocalAddress", Ip},
    {"3", "dvmrpInterfaceMetric", Number},
    {"4", "dvmrpInterfaceStatus", Enum, nullptr, rowStatus},
    {"5", "dvmrpInterfaceRcvBadPkts", Counter, "packets"},
    {"6", "dvmrpInterfaceRcvBadRoutes", Counter, "routes"},
    {"7", "dvmrpInterfaceSentRoutes", Counter, "routes"},
    {},
};
const ViewIndexPart dvmrpNbrEntry[]
    = {{"dvmrpNeighborIfIndex", IndexInteger}, {"dvmrpNeighborAddress", IndexIp}, {}};
const ViewColumn dvmrpNeighbours[] = {
    {"3", "dvmrpNeighborUpTime", Ticks},
    {"4", "dvmrpNeighborExpiryTime", Ticks},
    {"5", "dvmrpNeighborGenerationId", Number},
    {"6", "dvmrpNeighborMajorVersion", Number},
    {"7", "dvmrpNeighborMinorVersion", Number},
    {"8", "dvmrpNeighborCapabilities", Bits, nullptr, dvmrpCapabilities},
    {"9", "dvmrpNeighborRcvRoutes", Counter, "routes"},
    {"10", "dvmrpNeighborRcvBadPkts", Counter, "packets"},
    {"11", "dvmrpNeighborRcvBadRoutes", Counter, "routes"},
    {"12", "dvmrpNeighborState", Enum, nullptr, dvmrpNbrState},
    {},
};
const ViewIndexPart dvmrpRouteEntry[]
    = {{"dvmrpRouteSource", IndexIp}, {"dvmrpRouteSourceMask", IndexIp}, {}};
const ViewColumn dvmrpRoutes[] = {
    {"3", "dvmrpRouteUpstreamNeighbor", Ip},
    {"4", "dvmrpRouteIfIndex", Number},
    {"5", "dvmrpRouteMetric", Number},
    {"6", "dvmrpRouteExpiryTime", Ticks},
    {"7", "dvmrpRouteUpTime", Ticks},
    {},
};
const ViewIndexPart dvmrpHopEntry[] = {{"dvmrpRouteNextHopSource", IndexIp},
    {"dvmrpRouteNextHopSourceMask", IndexIp}, {"dvmrpRouteNextHopIfIndex", IndexInteger}, {}};
const ViewColumn dvmrpHops[] = {{"4", "dvmrpRouteNextHopType", Enum, nullptr, dvmrpHopType}, {}};
const ViewIndexPart dvmrpPruneEntry[] = {{"dvmrpPruneGroup", IndexIp},
    {"dvmrpPruneSource", IndexIp}, {"dvmrpPruneSourceMask", IndexIp}, {}};
const ViewColumn dvmrpPrunes[] = {{"4", "dvmrpPruneExpiryTime", Ticks}, {}};
const ViewSection dvmrp[] = {
    {"dvmrpInterfaceTable", "1.3.6.1.3.62.1.1.2.1", dvmrpIfEntry, dvmrpInterfaces},
    {"dvmrpNeighborTable", "1.3.6.1.3.62.1.1.3.1", dvmrpNbrEntry, dvmrpNeighbours},
    {"dvmrpRouteTable", "1.3.6.1.3.62.1.1.4.1", dvmrpRouteEntry, dvmrpRoutes},
    {"dvmrpRouteNextHopTable", "1.3.6.1.3.62.1.1.5.1", dvmrpHopEntry, dvmrpHops},
    {"dvmrpPruneTable", "1.3.6.1.3.62.1.1.6.1", dvmrpPruneEntry, dvmrpPrunes},
    {"dvmrpScalar", "1.3.6.1.3.62.1.1.1", nullptr, dvmrpScalars},
    {},
};

const ViewColumn pimScalars[] = {{"1", "pimJoinPruneInterval", Number, "seconds"}, {}};
const ViewIndexPart pimIfEntry[] = {{"pimInterfaceIfIndex", IndexInteger}, {}};
const ViewColumn pimInterfaces[] = {
    {"2", "pimInterfaceAddress", Ip},
    {"3", "pimInterfaceNetMask", Ip},
    {"4", "pimInterfaceMode", Enum, nullptr, pimMode},
    {"5", "pimInterfaceDR", Ip},
    {"6", "pimInterfaceHelloInterval", Number, "seconds"},
    {"7", "pimInterfaceStatus", Enum, nullptr, rowStatus},
    {"8", "pimInterfaceJoinPruneInterval", Number, "seconds"},
    {"9", "pimInterfaceCBSRPreference", Number},
    {},
};
const ViewIndexPart pimNbrEntry[] = {{"pimNeighborAddress", IndexIp}, {}};
const ViewColumn pimNeighbours[] = {
    {"2", "pimNeighborIfIndex", Number},
    {"3", "pimNeighborUpTime", Ticks},
    {"4", "pimNeighborExpiryTime", Ticks},
    {"5", "pimNeighborMode", Enum, nullptr, pimMode},
    {},
};
const ViewIndexPart rpSetEntry[]
    = {{"pimRPSetComponent", IndexInteger}, {"pimRPSetGroupAddress", IndexIp},
        {"pimRPSetGroupMask", IndexIp}, {"pimRPSetAddress", IndexIp}, {}};
const ViewColumn rpSets[] = {
    {"4", "pimRPSetHoldTime", Number, "seconds"},
    {"5", "pimRPSetExpiryTime", Ticks},
    {},
};
const ViewSection pim[] = {
    {"pimInterfaceTable", "1.3.6.1.3.61.1.1.2.1", pimIfEntry, pimInterfaces},
    {"pimNeighborTable", "1.3.6.1.3.61.1.1.3.1", pimNbrEntry, pimNeighbours},
    {"pimRPSetTable", "1.3.6.1.3.61.1.1.6.1", rpSetEntry, rpSets},
    {"pim", "1.3.6.1.3.61.1.1", nullptr, pimScalars},
    {},
};
} // namespace

const ViewDefinition Layer3Views[] = {
    {"Layer3_RIP", "CIDR (RFC2096)", "RFC 2096 IP-FORWARD-MIB ipCidrRouteTable", cidr},
    {"Layer3_RIP2", "RIP2 (RFC1724)", "RFC 1724 RIPv2-MIB", rip2},
    {"Layer3_OSPF", "OSPF General", "RFC 1850 OSPF-MIB general group", ospfGeneral},
    {"Layer3_Area", "OSPF Area Info", "RFC 1850 OSPF-MIB ospfAreaTable", ospfArea},
    {"Layer3_Lsdb", "OSPF Lsdb Info", "RFC 1850 OSPF-MIB ospfLsdbTable", ospfLsdb},
    {"Layer3_Neighbor", "OSPF Neighbor Info", "RFC 1850 OSPF-MIB ospfNbrTable", ospfNeighbor},
    {"Layer3_Interface", "OSPF Interface Table", "RFC 1850 OSPF-MIB ospfIfTable", ospfInterface},
    {"Layer3_IPM", "IpMroute", "RFC 2932 IPMROUTE-STD-MIB", ipMRoute},
    {"Layer3_DVMRP", "DVMRP", "DVMRP-STD-MIB (experimental 62)", dvmrp},
    {"Layer3_PIM", "PIM Info", "RFC 2934 PIM-MIB (experimental 61)", pim},
    {},
};
