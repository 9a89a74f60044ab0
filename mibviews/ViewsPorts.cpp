// Port views: IF-MIB general and extension tables (RFC 2863), Ethernet
// statistics (RFC 3635), RMON statistics, history, alarms and events
// (RFC 2819) and the transparent bridge (RFC 4188).
#include "ViewCatalogue.h"

namespace {
using enum ViewKind;
using enum ViewIndexKind;

const CvIntOption truthValue[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const CvIntOption enabledDisabled[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const CvIntOption rowStatus[] = {{1, "active"}, {2, "notInService"}, {3, "notReady"},
    {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"}, {0, nullptr}};
const CvIntOption entryStatus[]
    = {{1, "valid"}, {2, "createRequest"}, {3, "underCreation"}, {4, "invalid"}, {0, nullptr}};
const CvIntOption duplexStatus[]
    = {{1, "unknown"}, {2, "halfDuplex"}, {3, "fullDuplex"}, {0, nullptr}};
const CvIntOption rateControlStatus[]
    = {{1, "rateControlOff"}, {2, "rateControlOn"}, {3, "unknown"}, {0, nullptr}};
const CvIntOption sampleType[] = {{1, "absoluteValue"}, {2, "deltaValue"}, {0, nullptr}};
const CvIntOption startupAlarm[]
    = {{1, "risingAlarm"}, {2, "fallingAlarm"}, {3, "risingOrFallingAlarm"}, {0, nullptr}};
const CvIntOption eventType[]
    = {{1, "none"}, {2, "log"}, {3, "snmp-trap"}, {4, "log-and-trap"}, {0, nullptr}};
const CvIntOption fdbStatus[]
    = {{1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}, {0, nullptr}};

const ViewIndexPart byIfIndex[] = {{"ifIndex", IndexInteger}, {}};

const ViewColumn ifGeneral[] = {
    {"2.1", "ifNumber", Number},
    {"31.1.5", "ifTableLastChange", Ticks},
    {"31.1.6", "ifStackLastChange", Ticks},
    {},
};
const ViewColumn ifXGeneral[] = {
    {"1", "ifName", Text},
    {"18", "ifAlias", Text},
    {"15", "ifHighSpeed", Number, "Mbit/s"},
    {"14", "ifLinkUpDownTrapEnable", Enum, nullptr, enabledDisabled},
    {"16", "ifPromiscuousMode", Enum, nullptr, truthValue},
    {"17", "ifConnectorPresent", Enum, nullptr, truthValue},
    {"19", "ifCounterDiscontinuityTime", Ticks},
    {},
};
// The interface counters under IF-MIB's ifHC* objects where the agent has
// them, else the 32-bit ones (of ifTable for octets and unicast packets).
#define IFHC(n) "1.3.6.1.2.1.31.1.1.1." #n
const ViewColumn ifXCounters[] = {
    {"31.1.1.1.1", "ifName", Text},
    {"2.2.1.10", "ifInOctets", Counter, "octets", nullptr, IFHC(6)},
    {"2.2.1.11", "ifInUcastPkts", Counter, "packets", nullptr, IFHC(7)},
    {"31.1.1.1.2", "ifInMulticastPkts", Counter, "packets", nullptr, IFHC(8)},
    {"31.1.1.1.3", "ifInBroadcastPkts", Counter, "packets", nullptr, IFHC(9)},
    {"2.2.1.16", "ifOutOctets", Counter, "octets", nullptr, IFHC(10)},
    {"2.2.1.17", "ifOutUcastPkts", Counter, "packets", nullptr, IFHC(11)},
    {"31.1.1.1.4", "ifOutMulticastPkts", Counter, "packets", nullptr, IFHC(12)},
    {"31.1.1.1.5", "ifOutBroadcastPkts", Counter, "packets", nullptr, IFHC(13)},
    {},
};
#undef IFHC
const ViewIndexPart stackLayers[]
    = {{"ifStackHigherLayer", IndexInteger}, {"ifStackLowerLayer", IndexInteger}, {}};
const ViewColumn ifStack[] = {{"3", "ifStackStatus", Enum, nullptr, rowStatus}, {}};
const ViewSection ifMibGeneral[] = {
    {"ifXTable", "1.3.6.1.2.1.31.1.1.1", byIfIndex, ifXGeneral},
    {"interfaces", "1.3.6.1.2.1", nullptr, ifGeneral},
    {"ifXTable counters", "1.3.6.1.2.1", byIfIndex, ifXCounters},
    {"ifStackTable", "1.3.6.1.2.1.31.1.2.1", stackLayers, ifStack},
    {},
};

const ViewIndexPart byDot3Index[] = {{"dot3StatsIndex", IndexInteger}, {}};
const ViewColumn dot3Stats[] = {
    {"2", "dot3StatsAlignmentErrors", Counter, "frames"},
    {"3", "dot3StatsFCSErrors", Counter, "frames"},
    {"4", "dot3StatsSingleCollisionFrames", Counter, "frames"},
    {"5", "dot3StatsMultipleCollisionFrames", Counter, "frames"},
    {"6", "dot3StatsSQETestErrors", Counter, "errors"},
    {"7", "dot3StatsDeferredTransmissions", Counter, "frames"},
    {"8", "dot3StatsLateCollisions", Counter, "collisions"},
    {"9", "dot3StatsExcessiveCollisions", Counter, "frames"},
    {"10", "dot3StatsInternalMacTransmitErrors", Counter, "frames"},
    {"11", "dot3StatsCarrierSenseErrors", Counter, "frames"},
    {"13", "dot3StatsFrameTooLongs", Counter, "frames"},
    {"16", "dot3StatsInternalMacReceiveErrors", Counter, "frames"},
    {"18", "dot3StatsSymbolErrors", Counter, "errors"},
    {"19", "dot3StatsDuplexStatus", Enum, nullptr, duplexStatus},
    {"20", "dot3StatsRateControlAbility", Enum, nullptr, truthValue},
    {"21", "dot3StatsRateControlStatus", Enum, nullptr, rateControlStatus},
    {},
};
const ViewSection ethernet[]
    = {{"dot3StatsTable", "1.3.6.1.2.1.10.7.2.1", byDot3Index, dot3Stats}, {}};

const ViewIndexPart byEtherStatsIndex[] = {{"etherStatsIndex", IndexInteger}, {}};
const ViewColumn etherStats[] = {
    {"2", "etherStatsDataSource", Oid},
    {"3", "etherStatsDropEvents", Counter, "events"},
    {"4", "etherStatsOctets", Counter, "octets"},
    {"5", "etherStatsPkts", Counter, "packets"},
    {"6", "etherStatsBroadcastPkts", Counter, "packets"},
    {"7", "etherStatsMulticastPkts", Counter, "packets"},
    {"8", "etherStatsCRCAlignErrors", Counter, "packets"},
    {"9", "etherStatsUndersizePkts", Counter, "packets"},
    {"10", "etherStatsOversizePkts", Counter, "packets"},
    {"11", "etherStatsFragments", Counter, "packets"},
    {"12", "etherStatsJabbers", Counter, "packets"},
    {"13", "etherStatsCollisions", Counter, "collisions"},
    {"14", "etherStatsPkts64Octets", Counter, "packets"},
    {"15", "etherStatsPkts65to127Octets", Counter, "packets"},
    {"16", "etherStatsPkts128to255Octets", Counter, "packets"},
    {"17", "etherStatsPkts256to511Octets", Counter, "packets"},
    {"18", "etherStatsPkts512to1023Octets", Counter, "packets"},
    {"19", "etherStatsPkts1024to1518Octets", Counter, "packets"},
    {"20", "etherStatsOwner", Text},
    {"21", "etherStatsStatus", Enum, nullptr, entryStatus},
    {},
};
const ViewSection rmonStatistics[]
    = {{"etherStatsTable", "1.3.6.1.2.1.16.1.1.1", byEtherStatsIndex, etherStats}, {}};

const ViewIndexPart byHistoryControl[] = {{"historyControlIndex", IndexInteger}, {}};
const ViewColumn historyControl[] = {
    {"2", "historyControlDataSource", Oid},
    {"3", "historyControlBucketsRequested", Number},
    {"4", "historyControlBucketsGranted", Number},
    {"5", "historyControlInterval", Number, "seconds"},
    {"6", "historyControlOwner", Text},
    {"7", "historyControlStatus", Enum, nullptr, entryStatus},
    {},
};
// A bucket's counts are fixed once its interval is over: no rates.
const ViewIndexPart byHistorySample[]
    = {{"etherHistoryIndex", IndexInteger}, {"etherHistorySampleIndex", IndexInteger}, {}};
const ViewColumn etherHistory[] = {
    {"3", "etherHistoryIntervalStart", Ticks},
    {"4", "etherHistoryDropEvents", Number, "events"},
    {"5", "etherHistoryOctets", Number, "octets"},
    {"6", "etherHistoryPkts", Number, "packets"},
    {"7", "etherHistoryBroadcastPkts", Number, "packets"},
    {"8", "etherHistoryMulticastPkts", Number, "packets"},
    {"9", "etherHistoryCRCAlignErrors", Number, "packets"},
    {"10", "etherHistoryUndersizePkts", Number, "packets"},
    {"11", "etherHistoryOversizePkts", Number, "packets"},
    {"12", "etherHistoryFragments", Number, "packets"},
    {"13", "etherHistoryJabbers", Number, "packets"},
    {"14", "etherHistoryCollisions", Number, "collisions"},
    {"15", "etherHistoryUtilization", Hundredths, "percent"},
    {},
};
const ViewSection rmonHistory[] = {
    {"historyControlTable", "1.3.6.1.2.1.16.2.1.1", byHistoryControl, historyControl},
    {"etherHistoryTable", "1.3.6.1.2.1.16.2.2.1", byHistorySample, etherHistory},
    {},
};

const ViewIndexPart byAlarmIndex[] = {{"alarmIndex", IndexInteger}, {}};
const ViewColumn alarms[] = {
    {"2", "alarmInterval", Number, "seconds"},
    {"3", "alarmVariable", Oid},
    {"4", "alarmSampleType", Enum, nullptr, sampleType},
    {"5", "alarmValue", Number},
    {"6", "alarmStartupAlarm", Enum, nullptr, startupAlarm},
    {"7", "alarmRisingThreshold", Number},
    {"8", "alarmFallingThreshold", Number},
    {"9", "alarmRisingEventIndex", Number},
    {"10", "alarmFallingEventIndex", Number},
    {"11", "alarmOwner", Text},
    {"12", "alarmStatus", Enum, nullptr, entryStatus},
    {},
};
const ViewIndexPart byEventIndex[] = {{"eventIndex", IndexInteger}, {}};
const ViewColumn events[] = {
    {"2", "eventDescription", Text},
    {"3", "eventType", Enum, nullptr, eventType},
    {"4", "eventCommunity", Text},
    {"5", "eventLastTimeSent", Ticks},
    {"6", "eventOwner", Text},
    {"7", "eventStatus", Enum, nullptr, entryStatus},
    {},
};
const ViewIndexPart byLogEntry[]
    = {{"logEventIndex", IndexInteger}, {"logIndex", IndexInteger}, {}};
const ViewColumn logs[] = {
    {"3", "logTime", Ticks},
    {"4", "logDescription", Text},
    {},
};
const ViewSection rmonAlarmEvent[] = {
    {"alarmTable", "1.3.6.1.2.1.16.3.1.1", byAlarmIndex, alarms},
    {"eventTable", "1.3.6.1.2.1.16.9.1.1", byEventIndex, events},
    {"logTable", "1.3.6.1.2.1.16.9.2.1", byLogEntry, logs},
    {},
};

const ViewIndexPart byFdbAddress[] = {{"dot1dTpFdbAddress", IndexMac}, {}};
const ViewColumn fdb[] = {
    {"2", "dot1dTpFdbPort", Number},
    {"3", "dot1dTpFdbStatus", Enum, nullptr, fdbStatus},
    {},
};
const ViewColumn tpGroup[] = {
    {"1", "dot1dTpLearnedEntryDiscards", Counter, "entries"},
    {"2", "dot1dTpAgingTime", Number, "seconds"},
    {},
};
const ViewSection bridgeForwarding[] = {
    {"dot1dTpFdbTable", "1.3.6.1.2.1.17.4.3.1", byFdbAddress, fdb},
    {"dot1dTp", "1.3.6.1.2.1.17.4", nullptr, tpGroup},
    {},
};

const ViewIndexPart byTpPort[] = {{"dot1dTpPort", IndexInteger}, {}};
const ViewColumn tpPorts[] = {
    {"2", "dot1dTpPortMaxInfo", Number, "bytes"},
    {"3", "dot1dTpPortInFrames", Counter, "frames"},
    {"4", "dot1dTpPortOutFrames", Counter, "frames"},
    {"5", "dot1dTpPortInDiscards", Counter, "frames"},
    {},
};
const ViewSection bridgePorts[]
    = {{"dot1dTpPortTable", "1.3.6.1.2.1.17.4.4.1", byTpPort, tpPorts}, {}};
} // namespace

const ViewDefinition PortViews[] = {
    {"IFMib_LastChangeTable", "IF-MIB General Table", "RFC 2863 IF-MIB ifXTable", ifMibGeneral},
    {"EthernetLike_dot3StatsTable", "dot3 Statistics", "RFC 3635 EtherLike-MIB", ethernet},
    {"Rmon_Statistics", "RMON Statistics", "RFC 2819 RMON-MIB etherStatsTable", rmonStatistics},
    {"Rmon_History", "RMON History", "RFC 2819 RMON-MIB history groups", rmonHistory},
    {"Rmon_AlarmEvent", "RMON Alarm/Event", "RFC 2819 RMON-MIB alarm and event groups",
        rmonAlarmEvent},
    {"Bridge_Forwarding", "Forwarding Table", "RFC 4188 BRIDGE-MIB dot1dTpFdbTable",
        bridgeForwarding},
    {"Bridge_TpPortInfo", "Port Counters", "RFC 4188 BRIDGE-MIB dot1dTpPortTable", bridgePorts},
    {},
};
