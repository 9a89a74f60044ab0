// The generated windows of the "Single IP" menu: one switch (the
// commander) manages a group of switches through its own address. The
// switch's role and timers, what it reports of itself, the candidates it
// may take into its group, the groups it has heard of and its neighbours.
// The members of the group have a window of their own.
#include "DescriptorData.h"

namespace {
#define SIM_OID(rest) PEN_OID(".12.8.1" rest)

const CvIntOption roles[] = {{1, "candidate"}, {2, "member"}, {3, "commander"}, {0, nullptr}};

const CvSNMPVar controlVars[] = {
    {SIM_OID(".2.1"), "Single IP State", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {SIM_OID(".2.2"), "Role State", SyntaxInteger, AccessReadWrite, Options::Of<roles>()},
    {SIM_OID(".2.3"), "Discovery Interval (sec)[30-90]", SyntaxInteger, AccessReadWrite},
    {SIM_OID(".2.4"), "Hold Time (sec)[100-255]", SyntaxInteger, AccessReadWrite},
    {},
};
const CvControlBinding controlBindings[] = {
    {KindComboBox, "%s", &controlVars[0]},
    {KindComboBox, "%s", &controlVars[1]},
    {KindEdit, "%i{n30x90l2}", &controlVars[2]},
    {KindEdit, "%i{n100x255l3}", &controlVars[3]},
    {},
};

const CvSNMPVar myInformationVars[] = {
    {SIM_OID(".1.1"), "Version", SyntaxDisplayString, AccessReadOnly},
    {SIM_OID(".1.2"), "Firmware Version", SyntaxDisplayString, AccessReadOnly},
    {SIM_OID(".1.3"), "Capability", SyntaxDisplayString, AccessReadOnly},
    {},
};
const CvControlBinding myInformationBindings[] = {
    {KindEditUnticked, "%s", &myInformationVars[0]},
    {KindEditUnticked, "%s", &myInformationVars[1]},
    {KindEditUnticked, "%s", &myInformationVars[2]},
    {},
};

// A candidate carries the same facts as a member, by the id the commander
// gave it.
const CvSNMPVar candidateVars[] = {
    {SIM_OID(".4.1.1"), "Candidate ID", SyntaxInteger, AccessReadOnly},
    {SIM_OID(".4.1.2"), "Candidate Name", SyntaxDisplayString, AccessReadOnly},
    {SIM_OID(".4.1.3"), "Candidate MAC Addr", SyntaxMacAddress, AccessReadOnly},
    {SIM_OID(".4.1.4"), "Candidate Firmware Version", SyntaxDisplayString, AccessReadOnly},
    {SIM_OID(".4.1.5"), "Candidate Capability", SyntaxDisplayString, AccessReadOnly},
    {SIM_OID(".4.1.6"), "Candidate Platform", SyntaxDisplayString, AccessReadOnly},
    {SIM_OID(".4.1.7"), "Candidate Holdtime", SyntaxInteger, AccessReadOnly},
    {},
};
const CvControlBinding candidateBindings[] = {
    {KindEditUnticked, "%i", &candidateVars[0]},
    {KindEditUnticked, "%s", &candidateVars[1]},
    {KindEditUnticked, "%s", &candidateVars[2]},
    {KindEditUnticked, "%s", &candidateVars[3]},
    {KindEditUnticked, "%s", &candidateVars[4]},
    {KindEditUnticked, "%s", &candidateVars[5]},
    {KindEditUnticked, "%i", &candidateVars[6]},
    {},
};

// The groups whose commanders this switch hears, by group name.
const CvSNMPVar groupVars[] = {
    {SIM_OID(".5.1.1"), "Group Name", SyntaxDisplayString, AccessReadOnly},
    {SIM_OID(".5.1.2"), "Commander Name", SyntaxDisplayString, AccessReadOnly},
    {SIM_OID(".5.1.3"), "Commander MAC Addr", SyntaxMacAddress, AccessReadOnly},
    {SIM_OID(".5.1.4"), "Firmware Version", SyntaxDisplayString, AccessReadOnly},
    {SIM_OID(".5.1.5"), "Capability", SyntaxDisplayString, AccessReadOnly},
    {SIM_OID(".5.1.6"), "Platform", SyntaxDisplayString, AccessReadOnly},
    {SIM_OID(".5.1.7"), "Holdtime", SyntaxInteger, AccessReadOnly},
    {SIM_OID(".5.1.8"), "Member Number", SyntaxInteger, AccessReadOnly},
    {},
};
const CvControlBinding groupBindings[] = {
    {KindEditUnticked, "%s", &groupVars[0]},
    {KindEditUnticked, "%s", &groupVars[1]},
    {KindEditUnticked, "%s", &groupVars[2]},
    {KindEditUnticked, "%s", &groupVars[3]},
    {KindEditUnticked, "%s", &groupVars[4]},
    {KindEditUnticked, "%s", &groupVars[5]},
    {KindEditUnticked, "%i", &groupVars[6]},
    {KindEditUnticked, "%i", &groupVars[7]},
    {},
};

// The switches heard on the ports, by MAC address: the port and their role.
const CvSNMPVar neighborVars[] = {
    {SIM_OID(".6.1.1"), "Neighbor MAC Addr", SyntaxMacAddress, AccessReadOnly},
    {SIM_OID(".6.1.2"), "Port", SyntaxInteger, AccessReadOnly},
    {SIM_OID(".6.1.3"), "Role", SyntaxInteger, AccessReadOnly, Options::Of<roles>()},
    {},
};
const CvControlBinding neighborBindings[] = {
    {KindEditUnticked, "%s", &neighborVars[0]},
    {KindEditUnticked, "%i", &neighborVars[1]},
    {KindEditUnticked, "%s", &neighborVars[2]},
    {},
};
} // namespace

const CvFormDescriptor SingleIpForms[] = {
    {.menuPath = "Single IP > Single IP Control",
        .title = "Single IP Control",
        .variables = controlVars,
        .bindings = controlBindings,
        .adjust = {.flags = AdjustCaption}},
    {.menuPath = "Single IP > My Information",
        .title = "My Information",
        .variables = myInformationVars,
        .bindings = myInformationBindings,
        .adjust = {.flags = AdjustCaption}},
    {.menuPath = "Single IP > Candidate Switch",
        .title = "Candidate Switch",
        .variables = candidateVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = candidateBindings,
        .adjust = {.flags = AdjustCaption}},
    {.menuPath = "Single IP > Group Information",
        .title = "Group Information",
        .variables = groupVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = groupBindings,
        .adjust = {.flags = AdjustCaption}},
    {.menuPath = "Single IP > Neighbor Information",
        .title = "Single IP Neighbor Table",
        .variables = neighborVars,
        .listKind = MVT_FMV,
        .indexCount = 1,
        .bindings = neighborBindings,
        .adjust = {.flags = AdjustCaption}},
    {},
};
