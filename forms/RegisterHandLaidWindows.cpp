// The menu commands of every hand-laid window, by menu family.
#include "HandLaidWindows.h"
#include "ports/TAggregatorPortTableForm.h"
#include "ports/TPortMirrorForm.h"
#include "ports/TTrafficSegmentationForm.h"
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
    // Layer 2 Management
    Register<TPortMirrorForm>("TPortMirrorForm");
    Register<TTrafficSegmentationForm>("TTrafficSegmentationForm");
    Register<TAggregatorPortTableForm>("TAggregatorPortTableForm");
}
