#include "RelayVariables.h"

#include "CvStandardOptions.h"
#include "EnterpriseOid.h"

namespace {
const CvIntOption sourceProtocols[]
    = {{2, "rip"}, {3, "ospf"}, {4, "static"}, {5, "local"}, {0, nullptr}};
const CvIntOption destinationProtocols[] = {{2, "rip"}, {3, "ospf"}, {0, nullptr}};
const CvIntOption routeTypes[]
    = {{2, "all"}, {3, "type-1"}, {4, "type-2"}, {5, "internal"}, {6, "external"}, {7, "inter+E1"},
        {8, "inter+E2"}, {9, "extType1"}, {10, "extType2"}, {0, nullptr}};

#define BOOTP(column) PEN_OID(".11.59.8.3.3.1.4.1." #column)
#define REDISTRIBUTION(column) PEN_OID(".11.59.8.3.5.1." #column)
} // namespace

const CvSNMPVar BootpRelayVars[] = {
    {BOOTP(1), "Interface Name", SyntaxDisplayString, AccessNotAccessible},
    {BOOTP(2), "Bootp Server IP", SyntaxIpAddress, AccessNotAccessible},
    {BOOTP(3), "State", SyntaxInteger, AccessReadWrite, &Options::ValidInvalid()},
    {},
};

const CvSNMPVar RedistributionVars[] = {
    {REDISTRIBUTION(1), "Source Protocol", SyntaxInteger, AccessNotAccessible,
        Options::Of<sourceProtocols>()},
    {REDISTRIBUTION(2), "Destination Protocol", SyntaxInteger, AccessNotAccessible,
        Options::Of<destinationProtocols>()},
    {REDISTRIBUTION(3), "Type", SyntaxInteger, AccessReadWrite, Options::Of<routeTypes>()},
    {REDISTRIBUTION(4), "Metric", SyntaxInteger, AccessReadWrite},
    {REDISTRIBUTION(5), "RowStatus", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {},
};
