#include "AuthVariables.h"

#include "CvStandardOptions.h"
#include "EnterpriseOid.h"

namespace {
const CvIntOption facilities[] = {{0, "local0"}, {1, "local1"}, {2, "local2"}, {3, "local3"},
    {4, "local4"}, {5, "local5"}, {6, "local6"}, {7, "local7"}, {0, nullptr}};
const CvIntOption severities[] = {{1, "all"}, {2, "warning"}, {3, "informational"}, {0, nullptr}};

#define MD5_KEY(column) PEN_OID(".11.59.8.3.4.1." #column)
#define LOG_HOST(column) PEN_OID(".12.12.2.1." #column)
} // namespace

const CvSNMPVar Md5KeyVars[] = {
    {MD5_KEY(1), "Key Id", SyntaxInteger, AccessNotAccessible},
    {MD5_KEY(2), "Key", SyntaxDisplayString, AccessReadWrite},
    {MD5_KEY(3), "Status", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {},
};

const CvSNMPVar LogHostVars[] = {
    {LOG_HOST(1), "swSysLogServerIndex", SyntaxInteger, AccessNotAccessible},
    {LOG_HOST(2), "swSysLogServerIPAddress", SyntaxIpAddress, AccessReadWrite},
    {LOG_HOST(3), "swSysLogServerFacility", SyntaxInteger, AccessReadWrite,
        Options::Of<facilities>()},
    {LOG_HOST(4), "swSysLogServerSeverity", SyntaxInteger, AccessReadWrite,
        Options::Of<severities>()},
    {LOG_HOST(5), "swSysLogServerUDPPort", SyntaxInteger, AccessReadWrite},
    {LOG_HOST(6), "swSysLogServerState", SyntaxInteger, AccessReadWrite, &Options::Other123()},
    {LOG_HOST(7), "swSysLogServerRowStatus", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {},
};

#define MEMBER(column) PEN_OID(".12.8.1.3.1." #column)

const CvSNMPVar MemberSwitchVars[] = {
    {MEMBER(1), "Member ID", SyntaxInteger, AccessNotAccessible},
    {MEMBER(2), "Member Name", SyntaxDisplayString, AccessReadOnly},
    {MEMBER(3), "Member MAC Addr", SyntaxMacAddress, AccessReadOnly},
    {MEMBER(4), "Member Firmware Version", SyntaxDisplayString, AccessReadOnly},
    {MEMBER(5), "Member Capability", SyntaxDisplayString, AccessReadOnly},
    {MEMBER(6), "Member Platform", SyntaxDisplayString, AccessReadOnly},
    {MEMBER(7), "Member Holdtime", SyntaxInteger, AccessReadOnly},
    {MEMBER(8), "Member Candidate Source", SyntaxInteger, AccessReadWrite},
    {MEMBER(9), "Member Password", SyntaxDisplayString, AccessReadWrite},
    {MEMBER(10), "Member Row Status", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {},
};

const CvSNMPVar MemberEditVars[] = {
    {MEMBER(1), "Member ID", SyntaxInteger, AccessNotAccessible},
    {MEMBER(8), "Member Candidate Source", SyntaxInteger, AccessReadWrite},
    {MEMBER(9), "Member Password", SyntaxDisplayString, AccessReadWrite},
    {MEMBER(10), "Member Row Status", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {},
};

namespace {
const CvIntOption loginMethods[] = {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"},
    {4, "radius"}, {5, "server-group"}, {6, "local"}, {8, "none"}, {9, "other"}, {0, nullptr}};
const CvIntOption enableMethods[]
    = {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "server-group"},
        {7, "local-enable"}, {8, "none"}, {9, "other"}, {0, nullptr}};
const CvIntOption serverProtocols[]
    = {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {0, nullptr}};

#define LOGIN(column) PEN_OID(".12.5.3.1." #column)
#define ENABLE(column) PEN_OID(".12.5.4.1." #column)
#define SERVER(column) PEN_OID(".12.5.10.1." #column)
} // namespace

const CvSNMPVar LoginMethodVars[] = {
    {LOGIN(1), "AAC Login Method List Name", SyntaxDisplayString, AccessNotAccessible},
    {LOGIN(2), "Method1 Type", SyntaxInteger, AccessReadWrite, Options::Of<loginMethods>()},
    {LOGIN(3), "Method1 ServerGroup", SyntaxDisplayString, AccessReadWrite},
    {LOGIN(4), "Method2 Type", SyntaxInteger, AccessReadWrite, Options::Of<loginMethods>()},
    {LOGIN(5), "Method2 ServerGroup", SyntaxDisplayString, AccessReadWrite},
    {LOGIN(6), "Method3 Type", SyntaxInteger, AccessReadWrite, Options::Of<loginMethods>()},
    {LOGIN(7), "Method3 ServerGroup", SyntaxDisplayString, AccessReadWrite},
    {LOGIN(8), "Method4 Type", SyntaxInteger, AccessReadWrite, Options::Of<loginMethods>()},
    {LOGIN(9), "Method4 ServerGroup", SyntaxDisplayString, AccessReadWrite},
    {LOGIN(10), "MethodList RowStatus", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {},
};

const CvSNMPVar EnableMethodVars[] = {
    {ENABLE(1), "Enable MethodList Name", SyntaxDisplayString, AccessNotAccessible},
    {ENABLE(2), "Enable Method1 Type", SyntaxInteger, AccessReadWrite,
        Options::Of<enableMethods>()},
    {ENABLE(3), "Enable Method1 ServerGroup", SyntaxDisplayString, AccessReadWrite},
    {ENABLE(4), "Enable Method2 Type", SyntaxInteger, AccessReadWrite,
        Options::Of<enableMethods>()},
    {ENABLE(5), "Enable Method2 ServerGroup", SyntaxDisplayString, AccessReadWrite},
    {ENABLE(6), "Enable Method3 Type", SyntaxInteger, AccessReadWrite,
        Options::Of<enableMethods>()},
    {ENABLE(7), "Enable Method3 ServerGroup", SyntaxDisplayString, AccessReadWrite},
    {ENABLE(8), "Enable Method4 Type", SyntaxInteger, AccessReadWrite,
        Options::Of<enableMethods>()},
    {ENABLE(9), "Enable Method4 ServerGroup", SyntaxDisplayString, AccessReadWrite},
    {ENABLE(10), "Enable MethodList RowStatus", SyntaxInteger, AccessReadWrite,
        &Options::RowStatus()},
    {},
};

const CvSNMPVar ServerInfoVars[] = {
    {SERVER(1), "Server IP", SyntaxIpAddress, AccessNotAccessible},
    {SERVER(2), "Server AuthProtocol", SyntaxInteger, AccessNotAccessible,
        Options::Of<serverProtocols>()},
    {SERVER(3), "Server AuthPort", SyntaxInteger, AccessReadWrite},
    {SERVER(4), "Server AuthKey", SyntaxDisplayString, AccessReadWrite},
    {SERVER(5), "Server Timeout", SyntaxInteger, AccessReadWrite},
    {SERVER(6), "Server RetryCount", SyntaxInteger, AccessReadWrite},
    {SERVER(7), "Server RowStatus", SyntaxInteger, AccessReadWrite, &Options::RowStatus()},
    {},
};
