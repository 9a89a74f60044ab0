#include "BridgeVariables.h"

#include "CvStandardOptions.h"

#define BRIDGE(rest) "1.3.6.1.2.1.17" rest

const CvSNMPVar DeviceCapabilityVars[] = {
    {BRIDGE(".6.1.1.1"), "DeviceCapabilities", SyntaxBitString, AccessReadOnly},
    {},
};

const CvSNMPVar TrafficClassVars[] = {
    {BRIDGE(".6.1.1.2"), "TrafficClassesEnabled", SyntaxInteger, AccessReadWrite,
        &Options::TrueFalse()},
    {},
};

const CvSNMPVar PortGarpVars[] = {
    {BRIDGE(".1.4.1.1"), "PortNumber", SyntaxInteger, AccessNotAccessible},
    {BRIDGE(".6.1.3.1.1.1"), "GARPJoinTime", SyntaxInteger, AccessReadWrite},
    {BRIDGE(".6.1.3.1.1.2"), "GARPLeaveTime", SyntaxInteger, AccessReadWrite},
    {BRIDGE(".6.1.3.1.1.3"), "GARPLeaveAllTime", SyntaxInteger, AccessReadWrite},
    {},
};

const CvSNMPVar PortCapabilityVars[] = {
    {BRIDGE(".1.4.1.1"), "PortNumber", SyntaxInteger, AccessNotAccessible},
    {BRIDGE(".6.1.1.4.1.1"), "dot1dPortCapabilities", SyntaxBitString, AccessReadOnly},
    {},
};
