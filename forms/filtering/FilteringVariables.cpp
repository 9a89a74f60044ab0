#include "FilteringVariables.h"

#include "CvStandardOptions.h"

namespace {
const CvIntOption filterStates[] = {{1, "other"}, {2, "invalid"}, {3, "permanent"},
    {4, "deleteOnReset"}, {5, "deleteOnTimeout"}, {0, nullptr}};

#define QBRIDGE(rest) "1.3.6.1.2.1.17.7.1" rest
} // namespace

const CvSNMPVar TpGroupVars[] = {
    {QBRIDGE(".4.2.1.2"), "VLAN ID", SyntaxGauge, AccessNotAccessible},
    {QBRIDGE(".2.3.1.1"), "GroupAddress", SyntaxMacAddress, AccessNotAccessible},
    {QBRIDGE(".2.3.1.2"), "EgressPorts", SyntaxOctetString, AccessReadOnly},
    {QBRIDGE(".2.3.1.3"), "GMRPLearntPorts", SyntaxOctetString, AccessReadOnly},
    {},
};

const CvSNMPVar ForwardAllVars[] = {
    {QBRIDGE(".4.2.1.2"), "VLAN ID", SyntaxGauge, AccessNotAccessible},
    {QBRIDGE(".2.4.1.1"), "AllPorts", SyntaxBitString, AccessReadOnly},
    {QBRIDGE(".2.4.1.2"), "StaticPorts", SyntaxBitString, AccessReadWrite},
    {QBRIDGE(".2.4.1.3"), "ForbiddenPorts", SyntaxBitString, AccessReadWrite},
    {},
};

const CvSNMPVar ForwardUnregisteredVars[] = {
    {QBRIDGE(".4.2.1.2"), "VLAN ID", SyntaxGauge, AccessNotAccessible},
    {QBRIDGE(".2.5.1.1"), "UnregisteredPorts", SyntaxOctetString, AccessReadOnly},
    {QBRIDGE(".2.5.1.2"), "UnregisteredStaticPorts", SyntaxOctetString, AccessReadWrite},
    {QBRIDGE(".2.5.1.3"), "UnregisteredForbiddenPorts", SyntaxOctetString, AccessReadWrite},
    {},
};

const CvSNMPVar StaticMulticastVars[] = {
    {QBRIDGE(".2.1.1.1"), "Index", SyntaxInteger, AccessNotAccessible},
    {QBRIDGE(".3.2.1.1"), "MacAddress", SyntaxMacAddress, AccessNotAccessible},
    {QBRIDGE(".3.2.1.2"), "ReceivePort", SyntaxInteger, AccessNotAccessible},
    {QBRIDGE(".3.2.1.3"), "EgressPorts", SyntaxBitString, AccessReadWrite},
    {QBRIDGE(".3.2.1.5"), "Status", SyntaxInteger, AccessReadWrite, Options::Of<filterStates>()},
    {},
};

const CvSNMPVar StaticUnicastVars[] = {
    {QBRIDGE(".2.1.1.1"), "Index", SyntaxInteger, AccessNotAccessible},
    {QBRIDGE(".3.1.1.1"), "UnicastAddress", SyntaxMacAddress, AccessNotAccessible},
    {QBRIDGE(".3.1.1.2"), "ReceivePort", SyntaxInteger, AccessNotAccessible},
    {QBRIDGE(".3.1.1.3"), "PortsUnicastAllowedToGoTo", SyntaxBitString, AccessReadWrite},
    {QBRIDGE(".3.1.1.4"), "Status", SyntaxInteger, AccessReadWrite, Options::Of<filterStates>()},
    {},
};
