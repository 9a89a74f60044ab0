#include "DescriptorData.h"

// SNMP V3: the agent's engine (RFC 3411), message processing statistics
// (RFC 3412), targets and notifications (RFC 3413), users (RFC 3414), access
// control (RFC 3415) and the source masks of targets (RFC 3584).
namespace {
// SnmpSecurityModel: 0 any, then the models of RFC 3411.
const CvIntOption securityModels[]
    = {{0, "any"}, {1, "SNMPv1"}, {2, "SNMPv2c"}, {3, "USM"}, {0, nullptr}};
const CvIntOption securityLevels[]
    = {{1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}, {0, nullptr}};
const CvIntOption notifyTypes[] = {{1, "trap"}, {2, "inform"}, {0, nullptr}};
// SnmpMessageProcessingModel: the models of RFC 3411.
const CvIntOption mpModels[]
    = {{0, "SNMPv1"}, {1, "SNMPv2c"}, {2, "SNMPv2u"}, {3, "SNMPv3"}, {0, nullptr}};
const CvIntOption viewTypes[] = {{1, "included"}, {2, "excluded"}, {0, nullptr}};
// Authentication protocols of RFC 3414 and RFC 7860, privacy protocols of
// RFC 3414 and RFC 3826.
const CvTextOption authProtocols[] = {{"1.3.6.1.6.3.10.1.1.1", "usmNoAuthProtocol"},
    {"1.3.6.1.6.3.10.1.1.2", "usmHMACMD5AuthProtocol"},
    {"1.3.6.1.6.3.10.1.1.3", "usmHMACSHAAuthProtocol"},
    {"1.3.6.1.6.3.10.1.1.4", "usmHMAC128SHA224AuthProtocol"},
    {"1.3.6.1.6.3.10.1.1.5", "usmHMAC192SHA256AuthProtocol"},
    {"1.3.6.1.6.3.10.1.1.6", "usmHMAC256SHA384AuthProtocol"},
    {"1.3.6.1.6.3.10.1.1.7", "usmHMAC384SHA512AuthProtocol"}, {nullptr, nullptr}};
const CvTextOption privProtocols[] = {{"1.3.6.1.6.3.10.1.2.1", "usmNoPrivProtocol"},
    {"1.3.6.1.6.3.10.1.2.2", "usmDESPrivProtocol"},
    {"1.3.6.1.6.3.10.1.2.4", "usmAesCfb128Protocol"}, {nullptr, nullptr}};

// SNMP-FRAMEWORK-MIB snmpEngine group.
const CvSNMPVar engineVars[] = {
    {"1.3.6.1.6.3.10.2.1.1", "snmpEngineID", SyntaxOctetString, AccessReadOnly},
    {"1.3.6.1.6.3.10.2.1.2", "snmpEngineBoots", SyntaxInteger, AccessReadOnly},
    {"1.3.6.1.6.3.10.2.1.3", "snmpEngineTime", SyntaxInteger, AccessReadOnly},
    {"1.3.6.1.6.3.10.2.1.4", "snmpEngineMaxMessageSize", SyntaxInteger, AccessReadOnly},
    {},
};
const CvControlBinding engineBindings[] = {
    {KindEditUnticked, "%s", &engineVars[0]},
    {KindEditUnticked, "%i", &engineVars[1]},
    {KindEditUnticked, "%i", &engineVars[2]},
    {KindEditUnticked, "%i", &engineVars[3]},
    {},
};

// SNMP-MPD-MIB snmpMPDStats.
const CvSNMPVar mpdStatsVars[] = {
    {"1.3.6.1.6.3.11.2.1.1", "snmpUnknownSecurityModels", SyntaxCounter, AccessReadOnly},
    {"1.3.6.1.6.3.11.2.1.2", "snmpInvalidMsgs", SyntaxCounter, AccessReadOnly},
    {"1.3.6.1.6.3.11.2.1.3", "snmpUnknownPDUHandlers", SyntaxCounter, AccessReadOnly},
    {},
};
const CvControlBinding mpdStatsBindings[] = {
    {KindEditUnticked, "%i", &mpdStatsVars[0]},
    {KindEditUnticked, "%i", &mpdStatsVars[1]},
    {KindEditUnticked, "%i", &mpdStatsVars[2]},
    {},
};

// SNMP-TARGET-MIB scalars.
const CvSNMPVar targetGeneralVars[] = {
    {"1.3.6.1.6.3.12.1.1", "snmpTargetSpinLock", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.4", "snmpUnavailableContexts", SyntaxCounter, AccessReadOnly},
    {"1.3.6.1.6.3.12.1.5", "snmpUnknownContexts", SyntaxCounter, AccessReadOnly},
    {},
};
const CvControlBinding targetGeneralBindings[] = {
    {KindEdit, "%i", &targetGeneralVars[0]},
    {KindEditUnticked, "%i", &targetGeneralVars[1]},
    {KindEditUnticked, "%i", &targetGeneralVars[2]},
    {},
};

// snmpTargetAddrTable, INDEX { IMPLIED snmpTargetAddrName }. The name is
// typed into the add dialog, so its edit is writable but unticked.
#define ADDR_ENTRY(column) "1.3.6.1.6.3.12.1.2.1." #column
const CvSNMPVar targetAddrVars[] = {
    {ADDR_ENTRY(1), "snmpTargetAddrName", SyntaxDisplayString, AccessNotAccessible | AccessImplied},
    {ADDR_ENTRY(2), "snmpTargetAddrTDomain", SyntaxObjectId, AccessReadWrite},
    {ADDR_ENTRY(3), "snmpTargetAddrTAddress", SyntaxBitString, AccessReadWrite},
    {ADDR_ENTRY(4), "snmpTargetAddrTimeout", SyntaxInteger, AccessReadWrite},
    {ADDR_ENTRY(5), "snmpTargetAddrRetryCount", SyntaxInteger, AccessReadWrite},
    {ADDR_ENTRY(6), "snmpTargetAddrTagList", SyntaxDisplayString, AccessReadWrite},
    {ADDR_ENTRY(7), "snmpTargetAddrParams", SyntaxDisplayString, AccessReadWrite},
    {ADDR_ENTRY(8), "snmpTargetAddrStorageType", SyntaxInteger, AccessReadWrite,
        &Options::StorageType()},
    {ADDR_ENTRY(9), "snmpTargetAddrRowStatus", SyntaxInteger, AccessReadWrite,
        &Options::RowStatus()},
    {},
};
const CvControlBinding targetAddrBindings[] = {
    {KindEditUnticked, "%s", &targetAddrVars[0]},
    {KindEdit, "%s", &targetAddrVars[1]},
    {KindEdit, "%s", &targetAddrVars[2]},
    {KindEdit, "%i", &targetAddrVars[3]},
    {KindEdit, "%i", &targetAddrVars[4]},
    {KindEdit, "%s", &targetAddrVars[5]},
    {KindEdit, "%s", &targetAddrVars[6]},
    {KindComboBox, "%s", &targetAddrVars[7]},
    {KindComboBox, "%s", &targetAddrVars[8]},
    {},
};

// snmpTargetParamsTable, INDEX { IMPLIED snmpTargetParamsName }: the
// message processing model, security model, name and level of each
// parameter set. The message processing model has no default on an agent:
// a row made without it stays notReady, so Add starts from SNMPv2c.
const CvSNMPVar targetParamsVars[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "snmpTargetParamsName", SyntaxDisplayString,
        AccessNotAccessible | AccessImplied},
    {"1.3.6.1.6.3.12.1.3.1.2", "snmpTargetParamsMPModel", SyntaxInteger, AccessReadWrite,
        Options::Of<mpModels>()},
    {"1.3.6.1.6.3.12.1.3.1.3", "snmpTargetParamsSecurityModel", SyntaxInteger, AccessReadWrite,
        Options::Of<securityModels>()},
    {"1.3.6.1.6.3.12.1.3.1.4", "snmpTargetParamsSecurityName", SyntaxDisplayString,
        AccessReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.5", "snmpTargetParamsSecurityLevel", SyntaxInteger, AccessReadWrite,
        Options::Of<securityLevels>()},
    {"1.3.6.1.6.3.12.1.3.1.7", "snmpTargetParamsRowStatus", SyntaxInteger, AccessReadWrite,
        &Options::RowStatus()},
    {},
};
const CvControlBinding targetParamsBindings[] = {
    {KindEditUnticked, "%s", &targetParamsVars[0]},
    {KindComboBox, "%s", &targetParamsVars[1], "SNMPv2c"},
    {KindComboBox, "%s", &targetParamsVars[2]},
    {KindEdit, "%s", &targetParamsVars[3]},
    {KindComboBox, "%s", &targetParamsVars[4]},
    {KindComboBox, "%s", &targetParamsVars[5]},
    {},
};

// SNMP-USER-BASED-SM-MIB usmStats.
const CvSNMPVar usmStatsVars[] = {
    {"1.3.6.1.6.3.15.1.1.1", "usmStatsUnsupportedSecLevels", SyntaxCounter, AccessReadOnly},
    {"1.3.6.1.6.3.15.1.1.2", "usmStatsNotInTimeWindows", SyntaxCounter, AccessReadOnly},
    {"1.3.6.1.6.3.15.1.1.3", "usmStatsUnknownUserNames", SyntaxCounter, AccessReadOnly},
    {"1.3.6.1.6.3.15.1.1.4", "usmStatsUnknownEngineIDs", SyntaxCounter, AccessReadOnly},
    {"1.3.6.1.6.3.15.1.1.5", "usmStatsWrongDigests", SyntaxCounter, AccessReadOnly},
    {"1.3.6.1.6.3.15.1.1.6", "usmStatsDecryptionErrors", SyntaxCounter, AccessReadOnly},
    {},
};
const CvControlBinding usmStatsBindings[] = {
    {KindEditUnticked, "%i", &usmStatsVars[0]},
    {KindEditUnticked, "%i", &usmStatsVars[1]},
    {KindEditUnticked, "%i", &usmStatsVars[2]},
    {KindEditUnticked, "%i", &usmStatsVars[3]},
    {KindEditUnticked, "%i", &usmStatsVars[4]},
    {KindEditUnticked, "%i", &usmStatsVars[5]},
    {},
};

// usmUserTable, INDEX { usmUserEngineID, usmUserName }.
#define USER_ENTRY(column) "1.3.6.1.6.3.15.1.2.2.1." #column
const CvSNMPVar userVars[] = {
    {USER_ENTRY(1), "usmUserEngineID", SyntaxOctetString, AccessNotAccessible},
    {USER_ENTRY(2), "usmUserName", SyntaxDisplayString, AccessNotAccessible},
    {USER_ENTRY(3), "usmUserSecurityName", SyntaxDisplayString, AccessReadOnly},
    {USER_ENTRY(5), "usmUserAuthProtocol", SyntaxObjectId, AccessReadWrite,
        Options::OfTexts<authProtocols>()},
    {USER_ENTRY(8), "usmUserPrivProtocol", SyntaxObjectId, AccessReadWrite,
        Options::OfTexts<privProtocols>()},
    {USER_ENTRY(13), "usmUserStatus", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {},
};
#undef USER_ENTRY
const CvControlBinding userBindings[] = {
    {KindEditUnticked, "%s", &userVars[0]},
    {KindEditUnticked, "%s", &userVars[1]},
    {KindEditUnticked, "%s", &userVars[2]},
    {KindComboBox, "%s", &userVars[3]},
    {KindComboBox, "%s", &userVars[4]},
    {KindComboBox, "%s", &userVars[5]},
    {},
};

// vacmSecurityToGroupTable, INDEX { vacmSecurityModel, vacmSecurityName }.
const CvSNMPVar securityGroupVars[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "vacmSecurityModel", SyntaxInteger, AccessNotAccessible,
        Options::Of<securityModels>()},
    {"1.3.6.1.6.3.16.1.2.1.2", "vacmSecurityName", SyntaxDisplayString, AccessNotAccessible},
    {"1.3.6.1.6.3.16.1.2.1.3", "vacmGroupName", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.16.1.2.1.5", "vacmSecurityToGroupStatus", SyntaxInteger, AccessReadWrite,
        &Options::RowStatus()},
    {},
};
const CvControlBinding securityGroupBindings[] = {
    {KindEditUnticked, "%s", &securityGroupVars[0]},
    {KindEditUnticked, "%s", &securityGroupVars[1]},
    {KindEdit, "%s", &securityGroupVars[2]},
    {KindComboBox, "%s", &securityGroupVars[3]},
    {},
};

// vacmAccessTable, INDEX { vacmGroupName, vacmAccessContextPrefix,
// vacmAccessSecurityModel, vacmAccessSecurityLevel }; the group name is the
// column of vacmSecurityToGroupTable.
#define ACCESS_ENTRY(column) "1.3.6.1.6.3.16.1.4.1." #column
const CvSNMPVar accessVars[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "vacmGroupName", SyntaxDisplayString, AccessNotAccessible},
    {ACCESS_ENTRY(1), "vacmAccessContextPrefix", SyntaxDisplayString, AccessNotAccessible},
    {ACCESS_ENTRY(2), "vacmAccessSecurityModel", SyntaxInteger, AccessNotAccessible,
        Options::Of<securityModels>()},
    {ACCESS_ENTRY(3), "vacmAccessSecurityLevel", SyntaxInteger, AccessNotAccessible,
        Options::Of<securityLevels>()},
    {ACCESS_ENTRY(5), "vacmAccessReadViewName", SyntaxDisplayString, AccessReadWrite},
    {ACCESS_ENTRY(6), "vacmAccessWriteViewName", SyntaxDisplayString, AccessReadWrite},
    {ACCESS_ENTRY(7), "vacmAccessNotifyViewName", SyntaxDisplayString, AccessReadWrite},
    {ACCESS_ENTRY(9), "vacmAccessStatus", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {},
};
#undef ACCESS_ENTRY
const CvControlBinding accessBindings[] = {
    {KindEditUnticked, "%s", &accessVars[0]},
    {KindEditUnticked, "%s", &accessVars[1]},
    {KindEditUnticked, "%s", &accessVars[2]},
    {KindEditUnticked, "%s", &accessVars[3]},
    {KindEdit, "%s", &accessVars[4]},
    {KindEdit, "%s", &accessVars[5]},
    {KindEdit, "%s", &accessVars[6]},
    {KindComboBox, "%s", &accessVars[7]},
    {},
};

// vacmViewTreeFamilyTable, INDEX { vacmViewTreeFamilyViewName,
// vacmViewTreeFamilySubtree }.
#define VIEW_ENTRY(column) "1.3.6.1.6.3.16.1.5.2.1." #column
const CvSNMPVar viewTreeVars[] = {
    {VIEW_ENTRY(1), "vacmViewTreeFamilyViewName", SyntaxDisplayString, AccessNotAccessible},
    {VIEW_ENTRY(2), "vacmViewTreeFamilySubtree", SyntaxObjectId, AccessNotAccessible},
    {VIEW_ENTRY(4), "vacmViewTreeFamilyType", SyntaxInteger, AccessReadWrite,
        Options::Of<viewTypes>()},
    {VIEW_ENTRY(6), "vacmViewTreeFamilyStatus", SyntaxInteger, AccessReadWrite,
        &Options::RowStatus()},
    {},
};
#undef VIEW_ENTRY
const CvControlBinding viewTreeBindings[] = {
    {KindEditUnticked, "%s", &viewTreeVars[0]},
    {KindEditUnticked, "%s", &viewTreeVars[1]},
    {KindComboBox, "%s", &viewTreeVars[2]},
    {KindComboBox, "%s", &viewTreeVars[3]},
    {},
};

// snmpNotifyTable, INDEX { IMPLIED snmpNotifyName }.
#define NOTIFY_ENTRY(column) "1.3.6.1.6.3.13.1.1.1." #column
const CvSNMPVar notifyVars[] = {
    {NOTIFY_ENTRY(1), "snmpNotifyName", SyntaxDisplayString, AccessNotAccessible | AccessImplied},
    {NOTIFY_ENTRY(2), "snmpNotifyTag", SyntaxDisplayString, AccessReadWrite},
    {NOTIFY_ENTRY(3), "snmpNotifyType", SyntaxInteger, AccessReadWrite, Options::Of<notifyTypes>()},
    {NOTIFY_ENTRY(4), "snmpNotifyStorageType", SyntaxInteger, AccessReadWrite,
        &Options::StorageType()},
    {NOTIFY_ENTRY(5), "snmpNotifyRowStatus", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {},
};
#undef NOTIFY_ENTRY
const CvControlBinding notifyBindings[] = {
    {KindEditUnticked, "%s", &notifyVars[0]},
    {KindEdit, "%s", &notifyVars[1]},
    {KindComboBox, "%s", &notifyVars[2]},
    {KindComboBox, "%s", &notifyVars[3]},
    {KindComboBox, "%s", &notifyVars[4]},
    {},
};

// snmpTargetAddrExtTable (SNMP-COMMUNITY-MIB) augments snmpTargetAddrEntry:
// the source address mask of each target.
const CvSNMPVar targetAddrExtVars[] = {
    {ADDR_ENTRY(1), "snmpTargetAddrName", SyntaxDisplayString, AccessNotAccessible | AccessImplied},
    {"1.3.6.1.6.3.18.1.2.1.1", "snmpTargetAddrTMask", SyntaxOctetString, AccessReadWrite},
    {},
};
#undef ADDR_ENTRY
const CvControlBinding targetAddrExtBindings[] = {
    {KindEditUnticked, "%s", &targetAddrExtVars[0]},
    {KindEdit, "%s", &targetAddrExtVars[1]},
    {},
};
} // namespace

const CvFormDescriptor SnmpV3Forms[] = {
    {
        .menuPath = "SNMP V3 > SNMP Engine",
        .title = "SNMP Engine",
        .variables = engineVars,
        .listKind = SVT_SV,
        .bindings = engineBindings,
    },
    {
        .menuPath = "SNMP V3 > Message Processing and Dispatching",
        .title = "Message Processingand Dispatching",
        .variables = mpdStatsVars,
        .listKind = SVT_SV,
        .bindings = mpdStatsBindings,
    },
    {
        .menuPath = "SNMP V3 > SNMP Target MIB > General Information",
        .title = "General Information",
        .variables = targetGeneralVars,
        .listKind = SVT_SV,
        .bindings = targetGeneralBindings,
    },
    {
        .menuPath = "SNMP V3 > SNMP Target MIB > Target Address Table",
        .title = "Target Address Table",
        .variables = targetAddrVars,
        .listKind = MVT_UMV,
        .indexCount = 1,
        .bindings = targetAddrBindings,
        .createColumn = 8,
        .createValue = "createAndGo",
        .deleteColumn = 8,
        .deleteValue = "destroy",
    },
    {
        .menuPath = "SNMP V3 > SNMP Target MIB > Target Parameters",
        .title = "Target Parameters",
        .variables = targetParamsVars,
        .listKind = MVT_UMV,
        .indexCount = 1,
        .bindings = targetParamsBindings,
        .createColumn = 5,
        .createValue = "createAndGo",
        .deleteColumn = 5,
        .deleteValue = "destroy",
        .adjust = {.flags = AdjustNoRowEdit},
    },
    {
        .menuPath = "SNMP V3 > User-based Security Model > Statistics",
        .title = "Statistics",
        .variables = usmStatsVars,
        .listKind = SVT_SV,
        .bindings = usmStatsBindings,
    },
    {
        .menuPath = "SNMP V3 > User-based Security Model > User Table",
        .title = "User Table",
        .variables = userVars,
        .listKind = MVT_FMV,
        .indexCount = 2,
        .bindings = userBindings,
        .adjust = {.flags = AdjustNoRowEdit},
    },
    {
        .menuPath = "SNMP V3 > View-base Access Control Mode > Security Group Table",
        .title = "Security Group Table",
        .variables = securityGroupVars,
        .listKind = MVT_UMV,
        .indexCount = 2,
        .bindings = securityGroupBindings,
        .createColumn = 3,
        .createValue = "createAndGo",
        .deleteColumn = 3,
        .deleteValue = "destroy",
        .adjust = {.controlsPlus = 70, .controlsScaled = true, .flags = AdjustNoRowEdit},
    },
    {
        .menuPath = "SNMP V3 > View-base Access Control Mode > Access Table",
        .title = "Access Table",
        .variables = accessVars,
        .listKind = MVT_UMV,
        .indexCount = 4,
        .bindings = accessBindings,
        .createColumn = 7,
        .createValue = "createAndGo",
        .deleteColumn = 7,
        .deleteValue = "destroy",
        .adjust = {.flags = AdjustNoRowEdit},
    },
    {
        .menuPath = "SNMP V3 > View-base Access Control Mode > View MIB Tree Family Table",
        .title = "View MIB Tree Family Table",
        .variables = viewTreeVars,
        .listKind = MVT_FMV,
        .indexCount = 2,
        .bindings = viewTreeBindings,
        .createColumn = 3,
        .createValue = "createAndGo",
        .deleteColumn = 3,
        .deleteValue = "destroy",
        .adjust = {.flags = AdjustNoRowEdit},
    },
    {
        .menuPath = "SNMP V3 > Notifications > Notify Table",
        .title = "Notify Table",
        .variables = notifyVars,
        .listKind = MVT_UMV,
        .indexCount = 1,
        .bindings = notifyBindings,
        .createColumn = 4,
        .createValue = "createAndGo",
        .deleteColumn = 4,
        .deleteValue = "destroy",
    },
    {
        .menuPath = "SNMP V3 > Community > Target Address Table",
        .title = "Target Address Table",
        .variables = targetAddrExtVars,
        .listKind = MVT_UMV,
        .indexCount = 1,
        .bindings = targetAddrExtBindings,
        .adjust = {.flags = AdjustNoRowEdit},
    },
    {},
};
