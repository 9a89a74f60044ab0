#include "PortVariables.h"

#include "CvStandardOptions.h"
#include "EnterpriseOid.h"

namespace {
const CvIntOption trunkTypes[] = {{2, "static"}, {3, "lacp"}, {0, nullptr}};
const CvIntOption trunkStates[] = {{1, "enable"}, {2, "disable"}, {4, "createAndGo"},
    {5, "createAndWait"}, {6, "destroy"}, {0, nullptr}};

#define L2(rest) PEN_OID(".11.59.8.2" rest)
#define AGG_PORT(column) PEN_OID(".12.4.1.2.1.1." #column)
} // namespace

const CvSNMPVar MirrorVars[] = {
    {L2(".10.1"), "swL2MirrorLogicTargetPort", SyntaxInteger, AccessReadWrite},
    {L2(".10.2"), "swL2MirrorPortSourceIngress", SyntaxOctetString, AccessReadWrite},
    {L2(".10.3"), "swL2MirrorPortSourceEgress", SyntaxOctetString, AccessReadWrite},
    {L2(".10.4"), "swL2MirrorPortState", SyntaxInteger, AccessReadWrite,
        &Options::EnabledDisabled()},
    {},
};

const CvSNMPVar TrunkVars[] = {
    {L2(".9.3.1.1"), "Index", SyntaxInteger, AccessReadOnly},
    {L2(".9.3.1.2"), "Name", SyntaxDisplayString, AccessReadWrite},
    {L2(".9.3.1.3"), "Master Port", SyntaxInteger, AccessReadWrite},
    {L2(".9.3.1.4"), "Member", SyntaxBitString, AccessReadWrite},
    {L2(".9.3.1.5"), "Flooding Port", SyntaxInteger, AccessReadOnly},
    {L2(".9.3.1.6"), "Trunk Type", SyntaxInteger, AccessReadWrite, Options::Of<trunkTypes>()},
    {L2(".9.3.1.7"), "Trunk State", SyntaxInteger, AccessReadWrite, Options::Of<trunkStates>()},
    {},
};

const CvSNMPVar SegmentationVars[] = {
    {L2(".14.1.1.1"), "swL2TrafficSegPort", SyntaxInteger, AccessReadOnly},
    {L2(".14.1.1.2"), "swL2TrafficSegForwardPorts", SyntaxOctetString, AccessReadWrite},
    {},
};

const CvSNMPVar LacpPortVars[] = {
    {AGG_PORT(1), "Port Index", SyntaxInteger, AccessReadOnly},
    {AGG_PORT(2), "Actor System Priority", SyntaxInteger, AccessReadOnly},
    {AGG_PORT(3), "Actor System ID", SyntaxMacAddress, AccessReadOnly},
    {AGG_PORT(4), "Actor Admin Key", SyntaxInteger, AccessReadOnly},
    {AGG_PORT(5), "Actor Oper Key", SyntaxInteger, AccessReadOnly},
    {AGG_PORT(6), "Partner Admin System Priority", SyntaxInteger, AccessReadOnly},
    {AGG_PORT(7), "Partner Oper System Priority", SyntaxInteger, AccessReadOnly},
    {AGG_PORT(8), "Partner Admin System ID", SyntaxMacAddress, AccessReadOnly},
    {AGG_PORT(9), "Partner Oper System ID", SyntaxMacAddress, AccessReadOnly},
    {AGG_PORT(10), "Partner Admin Key", SyntaxInteger, AccessReadOnly},
    {AGG_PORT(11), "Partner Oper Key", SyntaxInteger, AccessReadOnly},
    {AGG_PORT(12), "Selected Agg ID", SyntaxInteger, AccessReadOnly},
    {AGG_PORT(13), "Attached Agg ID", SyntaxInteger, AccessReadOnly},
    {AGG_PORT(14), "Actor Port", SyntaxInteger, AccessReadOnly},
    {AGG_PORT(15), "Actor Port Priority", SyntaxInteger, AccessReadOnly},
    {AGG_PORT(16), "Partner Admin Port", SyntaxInteger, AccessReadOnly},
    {AGG_PORT(17), "Partner Oper Port", SyntaxInteger, AccessReadOnly},
    {AGG_PORT(18), "Partner Admin Port Priority", SyntaxInteger, AccessReadOnly},
    {AGG_PORT(19), "Partner Oper Port Priority", SyntaxInteger, AccessReadOnly},
    {AGG_PORT(20), "Actor Admin State", SyntaxBitString, AccessReadOnly},
    {AGG_PORT(21), "Actor Oper State", SyntaxBitString, AccessReadOnly},
    {AGG_PORT(22), "Partner Admin State", SyntaxBitString, AccessReadOnly},
    {AGG_PORT(23), "Partner Oper State", SyntaxBitString, AccessReadOnly},
    {AGG_PORT(24), "Aggregate Or Individual", SyntaxInteger, AccessReadOnly, &Options::TrueFalse()},
    {},
};
