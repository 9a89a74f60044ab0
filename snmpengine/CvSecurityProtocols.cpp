#include "CvSecurityProtocols.h"

#include <array>

namespace {

constexpr std::array<CvSecurityProtocol, 6> authProtocols {{
    {2, "md5", "HMAC-MD5"},
    {3, "sha", "HMAC-SHA"},
    {4, "sha224", "SHA-224"},
    {5, "sha256", "SHA-256"},
    {6, "sha384", "SHA-384"},
    {7, "sha512", "SHA-512"},
}};

constexpr std::array<CvSecurityProtocol, 4> privProtocols {{
    {2, "des", "DES"},
    {4, "aes", "AES-128"},
    {20, "aes192", "AES-192"},
    {21, "aes256", "AES-256"},
}};

} // namespace

std::span<const CvSecurityProtocol> AuthProtocols()
{
    return authProtocols;
}

std::span<const CvSecurityProtocol> PrivProtocols()
{
    return privProtocols;
}

qint32 ProtocolCode(std::span<const CvSecurityProtocol> protocols, const QString &option)
{
    for (const CvSecurityProtocol &p : protocols)
        if (option.compare(QLatin1String(p.option), Qt::CaseInsensitive) == 0)
            return p.code;
    return 0;
}
