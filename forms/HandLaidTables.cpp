#include "HandLaidTables.h"

#include "MainMenuTable.h"
#include "acl/AclVariables.h"
#include "auth/AuthVariables.h"
#include "bridge/BridgeVariables.h"
#include "filtering/FilteringVariables.h"
#include "ports/PortVariables.h"
#include "relay/RelayVariables.h"
#include "system/SystemVariables.h"
#include "vlan/VlanVariables.h"

#include <QStringList>

const CvHandLaidTable HandLaidTables[] = {
    // VLAN
    {"TVLanGeneralInfoForm", QBridgeBaseVars, SVT_SV, 0},
    {"TVlanStaticForm", StaticVlanVars, MVT_UMV, 1},
    {"TVLanPortInfomationForm", PortVlanVars, MVT_FMV, 1},
    {"TProtocolVlanForm", ProtocolVlanVars, MVT_UMV, 1},
    // Authentication
    {"TMd5InformationForm", Md5KeyVars, MVT_UMV, 1},
    {"TSystemLogHostForm", LogHostVars, MVT_UMV, 1},
    {"TMSInformationForm", MemberSwitchVars, MVT_UMV, 1},
    {"TLoginMethodListForm", LoginMethodVars, MVT_UMV, 1},
    {"TEnableMethodForm", EnableMethodVars, MVT_UMV, 1},
    {"TServerInformationForm", ServerInfoVars, MVT_UMV, 2},
    // Layer 2 Management
    {"TPortMirrorForm", MirrorVars, SVT_SV, 0},
    {"TPortTrunkForm", TrunkVars, MVT_UMV, 1},
    {"TTrafficSegmentationForm", SegmentationVars, MVT_UMV, 1},
    // Access control
    {"TEthernetMaskInformationForm", EthernetMaskVars, MVT_UMV, 1},
    {"TEthernetInformationRuleForm", EthernetRuleVars, MVT_UMV, 2},
    {"TIPMaskInformationForm", IpMaskVars, MVT_UMV, 1},
    {"TIPRuleForm", IpRuleVars, MVT_UMV, 2},
    {"TUserMaskInfoForm", UserMaskVars, MVT_UMV, 1},
    {"TUserDefinedInformationRuleForm", UserRuleVars, MVT_UMV, 2},
    {"TIPv6MaskInformationForm", Ipv6MaskVars, MVT_UMV, 1},
    {"TIPv6RuleForm", Ipv6RuleVars, MVT_UMV, 2},
    // Bridge
    {"TPBridgeConfigForm", TrafficClassVars, SVT_SV, 0},
    {"TGARPForm", PortGarpVars, MVT_FMV, 1},
    // Multicast forwarding and static filtering
    {"TTpGroupDestinationForwardedForm", TpGroupVars, MVT_UMV, 2},
    {"TMulticastForwardingInformationForm", ForwardAllVars, MVT_FMV, 1},
    {"TForwardUnregisteredInformationForm", ForwardUnregisteredVars, MVT_FMV, 1},
    {"TMulticastFilterInformationForm", StaticMulticastVars, MVT_UMV, 3},
    {"TUnicastFilterInformationForm", StaticUnicastVars, MVT_UMV, 3},
    // System and security
    {"TSummerTimeConfigForm", SummerStatusVars, SVT_SV, 0},
    {"TSummerTimeConfigForm", SummerAnnualVars, SVT_SV, 0},
    {"TSummerTimeConfigForm", SummerRepeatVars, SVT_SV, 0},
    {"TCommunityStringTableForm", CommunityVars, MVT_UMV, 1, true},
    // Layer 3 relay and routing
    {"TBOOTCtrlTableForm", BootpRelayVars, MVT_FMV, 2},
    {"TRouteRedistributForm", RedistributionVars, MVT_UMV, 2},
    {},
};

QString MenuPathOfWindow(const QString &windowClass)
{
    QStringList path; // the captions down to the entry read last
    for (std::size_t i = 0; i < MainMenuTableSize; ++i) {
        const MenuEntry &e = MainMenuTable[i];
        path.resize(qMin<qsizetype>(path.size(), e.depth));
        while (path.size() < e.depth)
            path.append(QString());
        path.append(QString::fromUtf8(e.caption ? e.caption : "").trimmed());
        if ((e.kind == MenuKind::Window || e.kind == MenuKind::Generated) && e.arg
            && windowClass == QLatin1String(e.arg))
            return path.join(QStringLiteral(" > "));
    }
    return {};
}
