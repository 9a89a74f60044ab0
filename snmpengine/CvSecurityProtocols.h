#pragma once

#include <QString>

#include <span>

// The SNMPv3 protocols the engine's SNMP library can use, by the module's
// codes (1 is none), with the name a command line takes ("sha224") and the
// caption a window offers ("SHA-224"). 3DES (3) and IDEA (9) are not in the
// library.
struct CvSecurityProtocol
{
    qint32 code;
    const char *option;
    const char *caption;
};

std::span<const CvSecurityProtocol> AuthProtocols();
std::span<const CvSecurityProtocol> PrivProtocols();

// The code of a command-line name, in either case ("SHA" or "sha", as
// Net-SNMP's tools take them); 0 for a name none has.
qint32 ProtocolCode(std::span<const CvSecurityProtocol> protocols, const QString &option);
