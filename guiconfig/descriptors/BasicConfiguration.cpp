#include "DescriptorData.h"

// Basic Configuration: device and equipment management, the agent, the
// clock, and the IF-MIB ifXTable.
namespace {
const CvIntOption linkAggAlgorithms[]
    = {{1, "mac-source"}, {2, "mac-destination"}, {3, "mac-source-dest"}, {4, "ip-source"},
        {5, "ip-destination"}, {6, "ip-source-dest"}, {0, nullptr}};
const CvIntOption unitStates[] = {{1, "exist"}, {0, "not-exist"}, {0, nullptr}};
const CvIntOption unitModes[] = {{3, "stand-alone"}, {4, "master"}, {5, "slave"}, {0, nullptr}};
const CvIntOption powerStates[]
    = {{1, "other"}, {2, "working"}, {3, "fail"}, {4, "not-present"}, {0, nullptr}};
const CvIntOption fanStates[]
    = {{1, "other"}, {2, "working"}, {3, "fail"}, {4, "speed-low"}, {0, nullptr}};
const CvIntOption saveActions[]
    = {{1, "other"}, {2, "save-config"}, {3, "save-log"}, {4, "save-all"}, {0, nullptr}};
const CvIntOption fileTypes[]
    = {{1, "firmware"}, {2, "configuration"}, {3, "log"}, {4, "boot-prom"}, {0, nullptr}};
const CvIntOption fileProtocols[] = {{1, "tftp"}, {2, "ftp"}, {0, nullptr}};
const CvIntOption fileDirections[] = {{1, "download"}, {2, "upload"}, {0, nullptr}};
const CvIntOption fileStates[]
    = {{1, "other"}, {2, "in-progress"}, {3, "success"}, {4, "fail"}, {0, nullptr}};
const CvIntOption fileActions[] = {{1, "other"}, {2, "start"}, {0, nullptr}};
const CvIntOption bootImages[] = {{1, "boot-up"}, {2, "backup"}, {0, nullptr}};
const CvIntOption severities[]
    = {{1, "critical"}, {2, "warning"}, {3, "information"}, {4, "all"}, {0, nullptr}};
const CvIntOption timeSources[] = {{1, "system-clock"}, {2, "sntp"}, {0, nullptr}};
const CvIntOption clockFormats[] = {{1, "24-hour"}, {2, "12-hour"}, {0, nullptr}};
const CvIntOption syncStates[] = {{1, "not-synchronised"}, {2, "synchronised"}, {0, nullptr}};

// Device Management
const CvSNMPVar deviceInfoVars[] = {
    {PEN_OID(".11.59.8.2.1.1.1"), "System Type", SyntaxDisplayString, AccessReadOnly},
    {PEN_OID(".11.59.8.2.1.1.2"), "Total Ports", SyntaxInteger, AccessReadOnly},
    {},
};
const CvControlBinding deviceInfoBindings[] = {
    {KindEditUnticked, "%s", &deviceInfoVars[0]},
    {KindEditUnticked, "%i", &deviceInfoVars[1]},
    {},
};

#define MODULE_ENTRY(column) PEN_OID(".11.59.8.2.1.1.3.1." #column)
const CvSNMPVar moduleInfoVars[] = {
    {MODULE_ENTRY(1), "Unit Id", SyntaxInteger, AccessNotAccessible},
    {MODULE_ENTRY(2), "Module Name", SyntaxDisplayString, AccessReadOnly},
    {MODULE_ENTRY(3), "Hardware Version", SyntaxDisplayString, AccessReadOnly},
    {MODULE_ENTRY(4), "Firmware Version", SyntaxDisplayString, AccessReadOnly},
    {MODULE_ENTRY(5), "Description", SyntaxDisplayString, AccessReadOnly},
    {},
};
#undef MODULE_ENTRY
const CvControlBinding moduleInfoBindings[] = {
    {KindEditUnticked, "%s", &moduleInfoVars[0]},
    {KindEditUnticked, "%s", &moduleInfoVars[1]},
    {KindEditUnticked, "%s", &moduleInfoVars[2]},
    {KindEditUnticked, "%s", &moduleInfoVars[3]},
    {KindEditUnticked, "%s", &moduleInfoVars[4]},
    {},
};

const CvSNMPVar deviceControlVars[] = {
    {PEN_OID(".11.59.8.2.1.2.1"), "STP State", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {PEN_OID(".11.59.8.2.1.2.2"), "GVRP State", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {PEN_OID(".11.59.8.2.1.2.3"), "RMON State", SyntaxInteger, AccessReadWrite,
        &Options::Other123()},
    {PEN_OID(".11.59.8.2.1.2.4"), "IGMP Snooping State", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {PEN_OID(".11.59.8.2.1.2.5"), "MAC Address Aging Time[10-1000000]", SyntaxInteger,
        AccessReadWrite},
    {PEN_OID(".11.59.8.2.1.2.6"), "Telnet State", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {PEN_OID(".11.59.8.2.1.2.7"), "Web State", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {PEN_OID(".11.59.8.2.1.2.8"), "Link Aggregation Algorithm", SyntaxInteger, AccessReadWrite,
        Options::Of<linkAggAlgorithms>()},
    {PEN_OID(".11.59.8.2.1.2.9"), "Asymmetric VLAN State", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {},
};
const CvControlBinding deviceControlBindings[] = {
    {KindComboBox, "%s", &deviceControlVars[0]},
    {KindComboBox, "%s", &deviceControlVars[1]},
    {KindComboBox, "%s", &deviceControlVars[2]},
    {KindComboBox, "%s", &deviceControlVars[3]},
    {KindEdit, "%i{n10x1000000l7}", &deviceControlVars[4]},
    {KindComboBox, "%s", &deviceControlVars[5]},
    {KindComboBox, "%s", &deviceControlVars[6]},
    {KindComboBox, "%s", &deviceControlVars[7]},
    {KindComboBox, "%s", &deviceControlVars[8]},
    {},
};

const CvSNMPVar alarmControlVars[] = {
    {PEN_OID(".11.59.8.2.1.3.1"), "Link Change Trap", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {PEN_OID(".11.59.8.2.1.3.2"), "Power Failure Trap", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {PEN_OID(".11.59.8.2.1.3.3"), "Fan Failure Trap", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {},
};
const CvControlBinding alarmControlBindings[] = {
    {KindComboBox, "%s", &alarmControlVars[0]},
    {KindComboBox, "%s", &alarmControlVars[1]},
    {KindComboBox, "%s", &alarmControlVars[2]},
    {},
};

const CvSNMPVar sysLogControlVars[] = {
    {PEN_OID(".12.12.1"), "System Log State", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {},
};
const CvControlBinding sysLogControlBindings[] = {
    {KindComboBox, "%s", &sysLogControlVars[0]},
    {},
};

// Equipment Management
#define UNIT_ENTRY(column) PEN_OID(".12.11.1.9.4.1." #column)
const CvSNMPVar unitTableVars[] = {
    {UNIT_ENTRY(1), "Id", SyntaxInteger, AccessNotAccessible},
    {UNIT_ENTRY(2), "Status", SyntaxInteger, AccessReadOnly, Options::Of<unitStates>()},
    {UNIT_ENTRY(3), "Mac Addr", SyntaxMacAddress, AccessReadOnly},
    {UNIT_ENTRY(4), "Start Port", SyntaxInteger, AccessReadOnly},
    {UNIT_ENTRY(5), "Port Range", SyntaxInteger, AccessReadOnly},
    {UNIT_ENTRY(6), "Front Panel Led Status", SyntaxOctetString, AccessReadOnly},
    {UNIT_ENTRY(8), "Current Mode", SyntaxInteger, AccessReadOnly, Options::Of<unitModes>()},
    {UNIT_ENTRY(9), "Version", SyntaxDisplayString, AccessReadOnly},
    {UNIT_ENTRY(10), "Module Name", SyntaxDisplayString, AccessReadOnly},
    {UNIT_ENTRY(11), "Prom Version", SyntaxDisplayString, AccessReadOnly},
    {UNIT_ENTRY(12), "Firmware Version", SyntaxDisplayString, AccessReadOnly},
    {UNIT_ENTRY(13), "Hardware Version", SyntaxDisplayString, AccessReadOnly},
    {UNIT_ENTRY(14), "Priority", SyntaxInteger, AccessReadWrite},
    {},
};
#undef UNIT_ENTRY
const CvControlBinding unitTableBindings[] = {
    {KindEditUnticked, "%s", &unitTableVars[0]},
    {KindEditUnticked, "%s", &unitTableVars[1]},
    {KindEditUnticked, "%s", &unitTableVars[2]},
    {KindEditUnticked, "%s", &unitTableVars[3]},
    {KindEditUnticked, "%s", &unitTableVars[4]},
    {KindEditUnticked, "%s", &unitTableVars[5]},
    {KindEditUnticked, "%s", &unitTableVars[6]},
    {KindEditUnticked, "%s", &unitTableVars[7]},
    {KindEditUnticked, "%s", &unitTableVars[8]},
    {KindEditUnticked, "%s", &unitTableVars[9]},
    {KindEditUnticked, "%s", &unitTableVars[10]},
    {KindEditUnticked, "%s", &unitTableVars[11]},
    {KindEdit, "%i", &unitTableVars[12]},
    {},
};

const CvSNMPVar powerTableVars[] = {
    {PEN_OID(".12.11.1.6.1.1"), "Unit Id", SyntaxInteger, AccessNotAccessible},
    {PEN_OID(".12.11.1.6.1.2"), "Power Status", SyntaxInteger, AccessReadOnly,
        Options::Of<powerStates>()},
    {PEN_OID(".12.11.1.6.1.3"), "Redundant Power Status", SyntaxInteger, AccessReadOnly,
        Options::Of<powerStates>()},
    {},
};
const CvControlBinding powerTableBindings[] = {
    {KindEditUnticked, "%s", &powerTableVars[0]},
    {KindEditUnticked, "%s", &powerTableVars[1]},
    {KindEditUnticked, "%s", &powerTableVars[2]},
    {},
};

const CvSNMPVar fanInfoVars[] = {
    {PEN_OID(".12.11.1.7.1.1"), "Unit Id", SyntaxInteger, AccessNotAccessible},
    {PEN_OID(".12.11.1.7.1.2"), "Fan Id", SyntaxInteger, AccessNotAccessible},
    {PEN_OID(".12.11.1.7.1.3"), "Fan Status", SyntaxInteger, AccessReadOnly,
        Options::Of<fanStates>()},
    {},
};

// Agent Management
const CvSNMPVar mibCapabilitiesVars[] = {
    {PEN_OID(".12.1.1.2.1.1"), "Index", SyntaxInteger, AccessNotAccessible},
    {PEN_OID(".12.1.1.2.1.2"), "Name", SyntaxDisplayString, AccessReadOnly},
    {PEN_OID(".12.1.1.2.1.3"), "Version", SyntaxDisplayString, AccessReadOnly},
    {PEN_OID(".12.1.1.2.1.4"), "Description", SyntaxDisplayString, AccessReadOnly},
    {},
};
const CvControlBinding mibCapabilitiesBindings[] = {
    {KindEditUnticked, "%s", &mibCapabilitiesVars[0]},
    {KindEditUnticked, "%s", &mibCapabilitiesVars[1]},
    {KindEditUnticked, "%s", &mibCapabilitiesVars[2]},
    {KindEditUnticked, "%s", &mibCapabilitiesVars[3]},
    {},
};

const CvSNMPVar agentBasicVars[] = {
    {PEN_OID(".12.1.1.1"), "MIB Version", SyntaxDisplayString, AccessReadOnly},
    {PEN_OID(".12.1.1.3"), "Firmware Version", SyntaxDisplayString, AccessReadOnly},
    {PEN_OID(".12.1.1.4"), "Boot PROM Version", SyntaxDisplayString, AccessReadOnly},
    {PEN_OID(".12.1.1.5"), "Hardware Version", SyntaxDisplayString, AccessReadOnly},
    {PEN_OID(".12.1.2.2"), "Save Configuration", SyntaxInteger, AccessReadWrite,
        Options::Of<saveActions>()},
    {PEN_OID(".12.1.2.3"), "Password Encryption", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {PEN_OID(".12.1.2.4"), "Login Timeout[1-30]", SyntaxInteger, AccessReadWrite},
    {PEN_OID(".12.1.2.5"), "Web Port[1-65535]", SyntaxInteger, AccessReadWrite},
    {PEN_OID(".12.1.2.6"), "Telnet Port[1-65535]", SyntaxInteger, AccessReadWrite},
    {},
};
const CvControlBinding agentBasicBindings[] = {
    {KindEditUnticked, "%s", &agentBasicVars[0]},
    {KindEditUnticked, "%s", &agentBasicVars[1]},
    {KindEditUnticked, "%s", &agentBasicVars[2]},
    {KindEditUnticked, "%s", &agentBasicVars[3]},
    {KindComboBox, "%s", &agentBasicVars[4]},
    {KindComboBox, "%s", &agentBasicVars[5]},
    {KindEdit, "%i{n1x30l2}", &agentBasicVars[6]},
    {KindEdit, "%i{n1x65535l5}", &agentBasicVars[7]},
    {KindEdit, "%i{n1x65535l5}", &agentBasicVars[8]},
    {},
};

#define UPDATE_FILE_ENTRY(column) PEN_OID(".12.1.2.1.1." #column)
const CvSNMPVar updateFileVars[] = {
    {UPDATE_FILE_ENTRY(1), "Index", SyntaxInteger, AccessNotAccessible},
    {UPDATE_FILE_ENTRY(2), "File Name", SyntaxDisplayString, AccessReadWrite},
    {UPDATE_FILE_ENTRY(3), "File Type", SyntaxInteger, AccessReadOnly, Options::Of<fileTypes>()},
    {UPDATE_FILE_ENTRY(4), "Server IP Address", SyntaxIpAddress, AccessReadWrite},
    {UPDATE_FILE_ENTRY(5), "Protocol", SyntaxInteger, AccessReadWrite,
        Options::Of<fileProtocols>()},
    {UPDATE_FILE_ENTRY(6), "Direction", SyntaxInteger, AccessReadWrite,
        Options::Of<fileDirections>()},
    {UPDATE_FILE_ENTRY(7), "Unit[1-12]", SyntaxInteger, AccessReadWrite},
    {UPDATE_FILE_ENTRY(8), "Image Id[1-2]", SyntaxInteger, AccessReadWrite},
    {UPDATE_FILE_ENTRY(9), "Status", SyntaxInteger, AccessReadOnly, Options::Of<fileStates>()},
    {UPDATE_FILE_ENTRY(10), "Action", SyntaxInteger, AccessReadWrite, Options::Of<fileActions>()},
    {},
};
#undef UPDATE_FILE_ENTRY
const CvControlBinding updateFileBindings[] = {
    {KindEditUnticked, "%s", &updateFileVars[0]},
    {KindEdit, "%s", &updateFileVars[1]},
    {KindEditUnticked, "%s", &updateFileVars[2]},
    {KindEdit, "%s", &updateFileVars[3]},
    {KindComboBox, "%s", &updateFileVars[4]},
    {KindComboBox, "%s", &updateFileVars[5]},
    {KindEdit, "%i{n1x12l2}", &updateFileVars[6]},
    {KindEdit, "%i{n1x2l1}", &updateFileVars[7]},
    {KindEditUnticked, "%s", &updateFileVars[8]},
    {KindComboBox, "%s", &updateFileVars[9]},
    {},
};

const CvSNMPVar cpuUtilizationVars[] = {
    {PEN_OID(".12.1.1.6.1"), "Five Seconds (%)", SyntaxInteger, AccessReadOnly},
    {PEN_OID(".12.1.1.6.2"), "One Minute (%)", SyntaxInteger, AccessReadOnly},
    {PEN_OID(".12.1.1.6.3"), "Five Minutes (%)", SyntaxInteger, AccessReadOnly},
    {},
};
const CvControlBinding cpuUtilizationBindings[] = {
    {KindEditUnticked, "%i", &cpuUtilizationVars[0]},
    {KindEditUnticked, "%i", &cpuUtilizationVars[1]},
    {KindEditUnticked, "%i", &cpuUtilizationVars[2]},
    {},
};

const CvSNMPVar firmwareInfoVars[] = {
    {PEN_OID(".12.1.2.7.1.1"), "Image Id", SyntaxInteger, AccessNotAccessible},
    {PEN_OID(".12.1.2.7.1.2"), "Version", SyntaxDisplayString, AccessReadOnly},
    {PEN_OID(".12.1.2.7.1.3"), "Size (bytes)", SyntaxInteger, AccessReadOnly},
    {PEN_OID(".12.1.2.7.1.4"), "Update Time", SyntaxDisplayString, AccessReadOnly},
    {PEN_OID(".12.1.2.7.1.5"), "From", SyntaxDisplayString, AccessReadOnly},
    {PEN_OID(".12.1.2.7.1.6"), "Boot Image", SyntaxInteger, AccessReadOnly,
        Options::Of<bootImages>()},
    {},
};
const CvControlBinding firmwareInfoBindings[] = {
    {KindEditUnticked, "%s", &firmwareInfoVars[0]},
    {KindEditUnticked, "%s", &firmwareInfoVars[1]},
    {KindEditUnticked, "%i", &firmwareInfoVars[2]},
    {KindEditUnticked, "%s", &firmwareInfoVars[3]},
    {KindEditUnticked, "%s", &firmwareInfoVars[4]},
    {KindEditUnticked, "%s", &firmwareInfoVars[5]},
    {},
};

const CvSNMPVar severityVars[] = {
    {PEN_OID(".12.1.2.8.1"), "Trap Severity", SyntaxInteger, AccessReadWrite,
        Options::Of<severities>()},
    {PEN_OID(".12.1.2.8.2"), "Log Severity", SyntaxInteger, AccessReadWrite,
        Options::Of<severities>()},
    {},
};
const CvControlBinding severityBindings[] = {
    {KindComboBox, "%s", &severityVars[0]},
    {KindComboBox, "%s", &severityVars[1]},
    {},
};

// Time Management
const CvSNMPVar currentTimeVars[] = {
    {PEN_OID(".12.10.1"), "Current Time", SyntaxDateTime, AccessReadOnly},
    {PEN_OID(".12.10.2"), "Boot Time", SyntaxDateTime, AccessReadOnly},
    {PEN_OID(".12.10.3"), "Time Source", SyntaxInteger, AccessReadOnly, Options::Of<timeSources>()},
    {PEN_OID(".12.10.4"), "Time Zone Offset(+hh:mm)", SyntaxDisplayString, AccessReadWrite},
    {PEN_OID(".12.10.5"), "Clock Format", SyntaxInteger, AccessReadWrite,
        Options::Of<clockFormats>()},
    {},
};
const CvControlBinding currentTimeBindings[] = {
    {KindEditUnticked, "%s", &currentTimeVars[0]},
    {KindEditUnticked, "%s", &currentTimeVars[1]},
    {KindEditUnticked, "%s", &currentTimeVars[2]},
    {KindEdit, "%s", &currentTimeVars[3]},
    {KindComboBox, "%s", &currentTimeVars[4]},
    {},
};

const CvSNMPVar networkTimeVars[] = {
    {PEN_OID(".12.10.11.1"), "SNTP State", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {PEN_OID(".12.10.11.2"), "Primary Server", SyntaxIpAddress, AccessReadWrite},
    {PEN_OID(".12.10.11.3"), "Secondary Server", SyntaxIpAddress, AccessReadWrite},
    {PEN_OID(".12.10.11.4"), "Poll Interval[30-99999]", SyntaxInteger, AccessReadWrite},
    {PEN_OID(".12.10.11.5"), "Synchronisation", SyntaxInteger, AccessReadOnly,
        Options::Of<syncStates>()},
    {},
};
const CvControlBinding networkTimeBindings[] = {
    {KindComboBox, "%s", &networkTimeVars[0]},
    {KindEdit, "%s", &networkTimeVars[1]},
    {KindEdit, "%s", &networkTimeVars[2]},
    {KindEdit, "%i{n30x99999l5}", &networkTimeVars[3]},
    {KindEditUnticked, "%s", &networkTimeVars[4]},
    {},
};

// IF-MIB: the ifXTable walked together with ifIndex of the ifTable.
#define IFX_ENTRY(column) "1.3.6.1.2.1.31.1.1.1." #column
const CvSNMPVar ifXTableVars[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", SyntaxInteger, AccessReadOnly},
    {IFX_ENTRY(1), "Name", SyntaxDisplayString, AccessReadOnly},
    {IFX_ENTRY(2), "InMulticastPkts", SyntaxCounter, AccessReadOnly},
    {IFX_ENTRY(3), "InBroadcastPkts", SyntaxCounter, AccessReadOnly},
    {IFX_ENTRY(4), "OutMulticastPkts", SyntaxCounter, AccessReadOnly},
    {IFX_ENTRY(5), "OutBroadcastPkts", SyntaxCounter, AccessReadOnly},
    {IFX_ENTRY(6), "HCInOctets", SyntaxCounter64, AccessReadOnly},
    {IFX_ENTRY(7), "HCInUcastPkts", SyntaxCounter64, AccessReadOnly},
    {IFX_ENTRY(8), "HCInMulticastPkts", SyntaxCounter64, AccessReadOnly},
    {IFX_ENTRY(9), "HCInBroadcastPkts", SyntaxCounter64, AccessReadOnly},
    {IFX_ENTRY(10), "HCOutOctets", SyntaxCounter64, AccessReadOnly},
    {IFX_ENTRY(11), "HCOutUcastPkts", SyntaxCounter64, AccessReadOnly},
    {IFX_ENTRY(12), "HCOutMulticastPkts", SyntaxCounter64, AccessReadOnly},
    {IFX_ENTRY(13), "HCOutBroadcastPkts", SyntaxCounter64, AccessReadOnly},
    {IFX_ENTRY(14), "LinkUpDownTrapEnable", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled12()},
    {IFX_ENTRY(15), "HighSpeed", SyntaxGauge, AccessReadOnly},
    {IFX_ENTRY(16), "PromiscuousMode", SyntaxInteger, AccessReadOnly, &Options::TrueFalse()},
    {IFX_ENTRY(17), "ConnectorPresent", SyntaxInteger, AccessReadOnly, &Options::TrueFalse()},
    {IFX_ENTRY(18), "Alias", SyntaxDisplayString, AccessReadWrite},
    {IFX_ENTRY(19), "ifCounterDiscontinuityTime", SyntaxTimeTicks, AccessReadOnly},
    {},
};
#undef IFX_ENTRY
const CvControlBinding ifXTableBindings[] = {
    {KindEditUnticked, "%i", &ifXTableVars[0]},
    {KindEditUnticked, "%s", &ifXTableVars[1]},
    {KindEditUnticked, "%i", &ifXTableVars[2]},
    {KindEditUnticked, "%i", &ifXTableVars[3]},
    {KindEditUnticked, "%i", &ifXTableVars[4]},
    {KindEditUnticked, "%i", &ifXTableVars[5]},
    {KindEditUnticked, "%i", &ifXTableVars[6]},
    {KindEditUnticked, "%i", &ifXTableVars[7]},
    {KindEditUnticked, "%i", &ifXTableVars[8]},
    {KindEditUnticked, "%i", &ifXTableVars[9]},
    {KindEditUnticked, "%i", &ifXTableVars[10]},
    {KindEditUnticked, "%i", &ifXTableVars[11]},
    {KindEditUnticked, "%i", &ifXTableVars[12]},
    {KindEditUnticked, "%i", &ifXTableVars[13]},
    {KindComboBox, "%s", &ifXTableVars[14]},
    {KindEditUnticked, "%i", &ifXTableVars[15]},
    {KindEditUnticked, "%s", &ifXTableVars[16]},
    {KindEditUnticked, "%s", &ifXTableVars[17]},
    {KindEdit, "%s", &ifXTableVars[18]},
    {KindEditUnticked, "%s", &ifXTableVars[19]},
    {},
};
} // namespace

const CvFormDescriptor BasicConfigurationForms[] = {
    {
        .menuPath = "Basic Configuration > Device Management > Device Information",
        .title = "Device Information",
        .variables = deviceInfoVars,
        .listKind = SVT_SV,
        .bindings = deviceInfoBindings,
    },
    {
        .menuPath = "Basic Configuration > Device Management > Device Module Information",
        .title = "Device Module Information",
        .variables = moduleInfoVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = moduleInfoBindings,
        .adjust = {.flags = AdjustCaption},
    },
    {
        .menuPath = "Basic Configuration > Device Management > Layer2 Control",
        .title = "Device Control",
        .variables = deviceControlVars,
        .listKind = SVT_SV,
        .bindings = deviceControlBindings,
        .adjust = {.heightPlus = 10},
    },
    {
        .menuPath = "Basic Configuration > Device Management > Alarm Control",
        .title = "Alarm Control",
        .variables = alarmControlVars,
        .listKind = SVT_SV,
        .bindings = alarmControlBindings,
    },
    {
        .menuPath = "Basic Configuration > Device Management > System Log > System Log Control",
        .title = "System Log Control",
        .variables = sysLogControlVars,
        .listKind = SVT_SV,
        .bindings = sysLogControlBindings,
    },
    {
        .menuPath = "Basic Configuration > Equipment Management > Unit Table",
        .title = "Unit Table",
        .variables = unitTableVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = unitTableBindings,
        .adjust = {.height = 450, .heightScaled = true},
    },
    {
        .menuPath = "Basic Configuration > Equipment Management > Power Table",
        .title = "Power Table",
        .variables = powerTableVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = powerTableBindings,
        .adjust = {.height = 450, .heightScaled = true},
    },
    {
        .menuPath = "Basic Configuration > Equipment Management > Fan Information",
        .title = "Fan Information",
        .variables = fanInfoVars,
        .listKind = MVT_FMV,
        .indexCount = 2,
        .bindings = nullptr,
        .adjust = {.height = 450, .heightScaled = true},
    },
    {
        .menuPath = "Basic Configuration > Agent Management > MIB Capabilities",
        .title = "Mib Capabilities",
        .variables = mibCapabilitiesVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = mibCapabilitiesBindings,
        .adjust = {.height = 450, .heightScaled = true, .widthPlus = 100},
    },
    {
        .menuPath = "Basic Configuration > Agent Management > Basic Configuration",
        .title = "Basic Configuration",
        .variables = agentBasicVars,
        .listKind = SVT_SV,
        .bindings = agentBasicBindings,
    },
    {
        .menuPath = "Basic Configuration > Agent Management > Agent Supported Update Files",
        .title = "Agent Supported Update Files",
        .variables = updateFileVars,
        .listKind = MVT_UMV,
        .indexCount = 1,
        .bindings = updateFileBindings,
    },
    {
        .menuPath = "Basic Configuration > Agent Management > CPU Utilization",
        .title = "CPU Utilization Table",
        .variables = cpuUtilizationVars,
        .listKind = SVT_SV,
        .bindings = cpuUtilizationBindings,
    },
    {
        .menuPath = "Basic Configuration > Agent Management > Dual Image Information",
        .title = "Firmware Information Table",
        .variables = firmwareInfoVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = firmwareInfoBindings,
    },
    {
        .menuPath = "Basic Configuration > Agent Management > System Serverity Control",
        .title = "System Serverity Control Management",
        .variables = severityVars,
        .listKind = SVT_SV,
        .bindings = severityBindings,
        .adjust = {.flags = AdjustCaption},
    },
    {
        .menuPath = "Basic Configuration > Time Management > System Time",
        .title = "Current Time",
        .variables = currentTimeVars,
        .listKind = SVT_SV,
        .bindings = currentTimeBindings,
    },
    {
        .menuPath = "Basic Configuration > Time Management > Network Time",
        .title = "Network Time",
        .variables = networkTimeVars,
        .listKind = SVT_SV,
        .bindings = networkTimeBindings,
    },
    {
        .menuPath = "Basic Configuration > IF-MIB > IfX Table",
        .title = "IfX Table",
        .variables = ifXTableVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = ifXTableBindings,
        .adjust = {.height = 450, .controlsPlus = 40},
    },
    {},
};
