#include "DescriptorData.h"

// The port menu of the front panels: one row of the port information and
// port control tables, named by the port the menu was opened on. The Layer 2
// port windows show the same tables whole.
namespace {
const CvIntOption linkStates[] = {{1, "other"}, {2, "link-pass"}, {3, "link-fail"}, {0, nullptr}};
const CvIntOption nwayStates[]
    = {{1, "link-down"}, {2, "half-10Mbps"}, {3, "full-10Mbps"}, {4, "half-100Mbps"},
        {5, "full-100Mbps"}, {6, "half-1Gigabps"}, {7, "full-1Gigabps"}, {0, nullptr}};
const CvIntOption mediumTypes[] = {{1, "copper"}, {2, "fiber"}, {0, nullptr}};
const CvIntOption nwaySettings[]
    = {{1, "other"}, {2, "nway-enabled"}, {3, "nway-disabled-10Mbps-Half"},
        {4, "nway-disabled-10Mbps-Full"}, {5, "nway-disabled-100Mbps-Half"},
        {6, "nway-disabled-100Mbps-Full"}, {7, "nway-disabled-1Gigabps-Half"},
        {8, "nway-disabled-1Gigabps-Full"}, {9, "nway-disabled-1Gigabps-Full-master"},
        {10, "nway-disabled-1Gigabps-Full-slave"}, {0, nullptr}};
} // namespace

#define PORT_INFO_ENTRY(column) PEN_OID(".11.59.8.2.3.1.1." #column)
const CvSNMPVar PortInformationVars[] = {
    {PORT_INFO_ENTRY(1), "Index", SyntaxInteger, AccessReadOnly},
    {PORT_INFO_ENTRY(2), "Unit Index", SyntaxInteger, AccessReadOnly},
    {PORT_INFO_ENTRY(3), "Link Status", SyntaxInteger, AccessReadOnly, Options::Of<linkStates>()},
    {PORT_INFO_ENTRY(4), "Nway Status", SyntaxInteger, AccessReadOnly, Options::Of<nwayStates>()},
    {PORT_INFO_ENTRY(5), "Medium Type", SyntaxInteger, AccessReadOnly, Options::Of<mediumTypes>()},
    {},
};
#undef PORT_INFO_ENTRY
const CvControlBinding PortInformationBindings[] = {
    {KindEditUnticked, "%s", &PortInformationVars[0]},
    {KindEditUnticked, "%s", &PortInformationVars[1]},
    {KindEditUnticked, "%s", &PortInformationVars[2]},
    {KindEditUnticked, "%s", &PortInformationVars[3]},
    {KindEditUnticked, "%s", &PortInformationVars[4]},
    {},
};

#define PORT_CTRL_ENTRY(column) PEN_OID(".11.59.8.2.3.2.1." #column)
const CvSNMPVar PortControlVars[] = {
    {PORT_CTRL_ENTRY(1), "Index", SyntaxInteger, AccessReadOnly},
    {PORT_CTRL_ENTRY(2), "Unit Index", SyntaxInteger, AccessReadOnly},
    {PORT_CTRL_ENTRY(3), "Admin State", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {PORT_CTRL_ENTRY(4), "Nway State", SyntaxInteger, AccessReadWrite, Options::Of<nwaySettings>()},
    {PORT_CTRL_ENTRY(5), "Flow Control State", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {PORT_CTRL_ENTRY(6), "Lock State", SyntaxInteger, AccessReadWrite, &Options::EnabledDisabled()},
    {PORT_CTRL_ENTRY(7), "MAC Notify State", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {},
};
#undef PORT_CTRL_ENTRY
const CvControlBinding PortControlBindings[] = {
    {KindEditUnticked, "%s", &PortControlVars[0]},
    {KindEditUnticked, "%s", &PortControlVars[1]},
    {KindComboBox, "%s", &PortControlVars[2]},
    {KindComboBox, "%s", &PortControlVars[3]},
    {KindComboBox, "%s", &PortControlVars[4]},
    {KindComboBox, "%s", &PortControlVars[5]},
    {KindComboBox, "%s", &PortControlVars[6]},
    {},
};

const CvFormDescriptor PortMenuForms[] = {
    {
        .menuPath = "Port menu > Port Information",
        .title = "Port Information Table",
        .variables = PortInformationVars,
        .listKind = MVT_SV,
        .bindings = PortInformationBindings,
        .adjust = {.widthPlus = 50, .controlsPlus = 50, .controlsScaled = true},
    },
    {
        .menuPath = "Port menu > Port Configuration",
        .title = "Port Configuration",
        .variables = PortControlVars,
        .listKind = MVT_SV,
        .bindings = PortControlBindings,
        .adjust = {.widthPlus = 80, .controlsPlus = 80, .controlsScaled = true},
    },
    {},
};
