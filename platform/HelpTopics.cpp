#include "HelpTopics.h"

// Keyed by what a window is known by (see HelpKeysOf): its class, its menu
// path or a menu above it, its title. The order of the rows does not matter:
// the keys of a window come most specific first, so a window's own row wins
// over its menu's and over the rows of what every window of a kind shares.
const HelpTopic HelpTopicTable[] = {
    // Programs and windows of their own
    {"TMainForm", "panel.html"},
    {"TPanelForm", "panel.html#ports"},
    {"CommandFinder", "finder.html"},
    {"ViewWindow", "views.html"},
    {"Connect to a Switch", "start.html#connect-window"},
    {"TChangeJournalForm", "journal.html"},
    {"TUndoDialog", "journal.html#undo"},
    {"TSavedSettingsForm", "settings.html"},
    // Generated windows, by menu path
    {"Port menu", "panel.html#port-menu"},
    {"Basic Configuration", "menus.html#basic"},
    {"RMON", "menus.html#rmon"},
    {"Bridge", "menus.html#bridge"},
    {"VLAN > 802.1P", "vlans.html#priority"},
    {"VLAN > 802.1Q", "vlans.html#filtering"},
    {"VLAN", "vlans.html"},
    {"SNMP V3 > SNMP Engine", "snmpv3.html#engine"},
    {"SNMP V3 > Message Processing and Dispatching", "snmpv3.html#engine"},
    {"SNMP V3 > SNMP Target MIB", "snmpv3.html#targets"},
    {"SNMP V3 > User-based Security Model", "snmpv3.html#users"},
    {"SNMP V3 > View-base Access Control Mode > Security Group Table", "snmpv3.html#groups"},
    {"SNMP V3 > View-base Access Control Mode > Access Table", "snmpv3.html#access"},
    {"SNMP V3 > View-base Access Control Mode", "snmpv3.html#views"},
    {"SNMP V3 > Notifications", "snmpv3.html#notify"},
    {"SNMP V3 > Community", "snmpv3.html#communities"},
    {"SNMP V3", "snmpv3.html"},
    {"Security Management", "menus.html#security"},
    {"Layer 2 Management > Port Management > Trunk Basic Information", "ports.html#trunks"},
    {"Layer 2 Management > Port Management", "ports.html#port-tables"},
    {"Layer 2 Management > 802.3 ad", "ports.html#aggregation"},
    {"Layer 2 Management", "menus.html#layer2"},
    {"Layer 3 Management", "menus.html#layer3"},
    {"Single IP", "menus.html#single-ip"},
    // Hand-laid windows, by class
    {"TVlanStaticForm", "vlans.html#static"},
    {"TVLanCurrentTableForm", "vlans.html#current"},
    {"TVLanGeneralInfoForm", "vlans.html#bridge-settings"},
    {"TVLanPortInfomationForm", "vlans.html#bridge-settings"},
    {"TProtocolVlanForm", "vlans.html#protocol"},
    {"TPBridgeConfigForm", "vlans.html#priority"},
    {"TGARPForm", "vlans.html#priority"},
    {"TPortCapabilities8021dForm", "vlans.html#priority"},
    {"TTpGroupDestinationForwardedForm", "vlans.html#filtering"},
    {"TMulticastForwardingInformationForm", "vlans.html#filtering"},
    {"TForwardUnregisteredInformationForm", "vlans.html#filtering"},
    {"TUnicastFilterInformationForm", "vlans.html#filtering"},
    {"TMulticastFilterInformationForm", "vlans.html#filtering"},
    {"TPortMirrorForm", "mirroring.html"},
    {"TPortTrunkForm", "ports.html#trunks"},
    {"TTrafficSegmentationForm", "ports.html#segmentation"},
    {"TAggregatorPortTableForm", "ports.html#aggregation"},
    {"TEthernetMaskInformationForm", "acl.html#profiles"},
    {"TIPMaskInformationForm", "acl.html#profiles"},
    {"TUserMaskInfoForm", "acl.html#profiles"},
    {"TIPv6MaskInformationForm", "acl.html#profiles"},
    {"TEthernetInformationRuleForm", "acl.html#rules"},
    {"TIPRuleForm", "acl.html#rules"},
    {"TUserDefinedInformationRuleForm", "acl.html#rules"},
    {"TIPv6RuleForm", "acl.html#rules"},
    {"TCommunityStringTableForm", "snmpv3.html#communities"},
    {"TLoginMethodListForm", "menus.html#security"},
    {"TEnableMethodForm", "menus.html#security"},
    {"TServerInformationForm", "menus.html#security"},
    {"TDiagnosticsInformationForm", "menus.html#security"},
    {"TMacStatisticTableForm", "menus.html#security"},
    {"TSystemLogHostForm", "menus.html#basic"},
    {"TEquipmentBasicInfoForm", "menus.html#basic"},
    {"TSummerTimeConfigForm", "menus.html#basic"},
    {"TMd5InformationForm", "menus.html#layer3"},
    {"TBOOTCtrlTableForm", "menus.html#layer3"},
    {"TRouteRedistributForm", "menus.html#layer3"},
    {"TMSInformationForm", "menus.html#single-ip"},
    // What every window of a kind shares
    {"TConfigForm", "windows.html#generated"},
    {"THandLaidForm", "windows.html#hand-laid"},
};
const std::size_t HelpTopicCount = std::size(HelpTopicTable);

QString Help::PageFor(const QStringList &keys)
{
    for (const QString &key : keys)
        for (const HelpTopic &topic : HelpTopicTable)
            if (key == QLatin1String(topic.key))
                return QString::fromLatin1(topic.page);
    return QString::fromLatin1(ContentsPage);
}

QStringList Help::MenuPathKeys(const QString &menuPath)
{
    QStringList parts = menuPath.split(QStringLiteral(" > "), Qt::SkipEmptyParts);
    QStringList keys;
    while (!parts.isEmpty()) {
        keys.append(parts.join(QStringLiteral(" > ")));
        parts.removeLast();
    }
    return keys;
}
