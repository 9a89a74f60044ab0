// The menu commands of every hand-laid window, by menu family.
#include "HandLaidWindows.h"
#include "acl/TEthernetInformationRuleForm.h"
#include "acl/TEthernetMaskInformationForm.h"
#include "acl/TIPMaskInformationForm.h"
#include "acl/TIPRuleForm.h"
#include "acl/TIPv6MaskInformationForm.h"
#include "acl/TIPv6RuleForm.h"
#include "acl/TUserDefinedInformationRuleForm.h"
#include "acl/TUserMaskInfoForm.h"
#include "auth/TEnableMethodForm.h"
#include "auth/TLoginMethodListForm.h"
#include "auth/TMSInformationForm.h"
#include "auth/TMd5InformationForm.h"
#include "auth/TServerInformationForm.h"
#include "auth/TSystemLogHostForm.h"
#include "bridge/TGARPForm.h"
#include "bridge/TPBridgeConfigForm.h"
#include "bridge/TPortCapabilities8021dForm.h"
#include "filtering/TForwardUnregisteredInformationForm.h"
#include "filtering/TMulticastFilterInformationForm.h"
#include "filtering/TMulticastForwardingInformationForm.h"
#include "filtering/TTpGroupDestinationForwardedForm.h"
#include "filtering/TUnicastFilterInformationForm.h"
#include "ports/TAggregatorPortTableForm.h"
#include "ports/TPortMirrorForm.h"
#include "ports/TPortTrunkForm.h"
#include "ports/TTrafficSegmentationForm.h"
#include "relay/TBOOTCtrlTableForm.h"
#include "relay/TRouteRedistributForm.h"
#include "system/TCommunityStringTableForm.h"
#include "system/TDot1xStatisticsForm.h"
#include "system/TEquipmentBasicInfoForm.h"
#include "system/TSummerTimeConfigForm.h"
#include "vlan/TProtocolVlanForm.h"
#include "vlan/TVLanCurrentTableForm.h"
#include "vlan/TVLanGeneralInfoForm.h"
#include "vlan/TVLanPortInfomationForm.h"
#include "vlan/TVlanStaticForm.h"

void RegisterHandLaidWindows()
{
    using namespace HandLaidWindows;
    // VLAN
    Register<TVlanStaticForm>("TVlanStaticForm");
    Register<TVLanCurrentTableForm>("TVLanCurrentTableForm");
    Register<TVLanGeneralInfoForm>("TVLanGeneralInfoForm");
    Register<TVLanPortInfomationForm>("TVLanPortInfomationForm");
    Register<TProtocolVlanForm>("TProtocolVlanForm");
    // Authentication
    Register<TMd5InformationForm>("TMd5InformationForm");
    Register<TSystemLogHostForm>("TSystemLogHostForm");
    Register<TMSInformationForm>("TMSInformationForm");
    Register<TLoginMethodListForm>("TLoginMethodListForm");
    Register<TEnableMethodForm>("TEnableMethodForm");
    Register<TServerInformationForm>("TServerInformationForm");
    // System
    Register<TEquipmentBasicInfoForm>("TEquipmentBasicInfoForm");
    // Layer 2 Management
    Register<TPortMirrorForm>("TPortMirrorForm");
    Register<TPortTrunkForm>("TPortTrunkForm");
    Register<TTrafficSegmentationForm>("TTrafficSegmentationForm");
    Register<TAggregatorPortTableForm>("TAggregatorPortTableForm");
    // Access control
    Register<TEthernetMaskInformationForm>("TEthernetMaskInformationForm");
    Register<TIPMaskInformationForm>("TIPMaskInformationForm");
    Register<TIPRuleForm>("TIPRuleForm");
    Register<TEthernetInformationRuleForm>("TEthernetInformationRuleForm");
    Register<TUserMaskInfoForm>("TUserMaskInfoForm");
    Register<TIPv6MaskInformationForm>("TIPv6MaskInformationForm");
    Register<TUserDefinedInformationRuleForm>("TUserDefinedInformationRuleForm");
    Register<TIPv6RuleForm>("TIPv6RuleForm");
    // Bridge
    Register<TPBridgeConfigForm>("TPBridgeConfigForm");
    Register<TGARPForm>("TGARPForm");
    Register<TPortCapabilities8021dForm>("TPortCapabilities8021dForm");
    // Multicast forwarding and static filtering
    Register<TTpGroupDestinationForwardedForm>("TTpGroupDestinationForwardedForm");
    Register<TMulticastForwardingInformationForm>("TMulticastForwardingInformationForm");
    Register<TForwardUnregisteredInformationForm>("TForwardUnregisteredInformationForm");
    Register<TMulticastFilterInformationForm>("TMulticastFilterInformationForm");
    Register<TUnicastFilterInformationForm>("TUnicastFilterInformationForm");
    // System, security and 802.1X
    Register<TSummerTimeConfigForm>("TSummerTimeConfigForm");
    Register<TCommunityStringTableForm>("TCommunityStringTableForm");
    Register<TDiagnosticsInformationForm>("TDiagnosticsInformationForm");
    Register<TMacStatisticTableForm>("TMacStatisticTableForm");
    // Layer 3 relay and routing
    Register<TBOOTCtrlTableForm>("TBOOTCtrlTableForm");
    Register<TRouteRedistributForm>("TRouteRedistributForm");
}
