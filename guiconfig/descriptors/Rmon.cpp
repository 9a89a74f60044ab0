#include "DescriptorData.h"

// RMON: the switch's RMON state and the RMON2 probe configuration group.
namespace {
const CvIntOption resetControls[]
    = {{1, "running"}, {2, "warmBoot"}, {3, "coldBoot"}, {0, nullptr}};
const CvIntOption downloadActions[]
    = {{1, "notDownloading"}, {2, "downloadToPROM"}, {3, "downloadToRAM"}, {0, nullptr}};
const CvIntOption downloadStates[] = {{1, "downloadSuccess"}, {2, "downloadStatusUnknown"},
    {3, "downloadGeneralError"}, {4, "downloadNoResponseFromServer"}, {5, "downloadChecksumError"},
    {6, "downloadIncompatibleImage"}, {7, "downloadTftpFileNotFound"},
    {8, "downloadTftpAccessViolation"}, {0, nullptr}};

const CvSNMPVar rmonControlVars[] = {
    {PEN_OID(".11.59.8.2.1.2.3"), "RMON State", SyntaxInteger, AccessReadWrite,
        &Options::Other123()},
    {},
};
const CvControlBinding rmonControlBindings[] = {
    {KindComboBox, "%s", &rmonControlVars[0]},
    {},
};

// RMON2-MIB probeConfig (RFC 2021), 1.3.6.1.2.1.16.19.1 to .9.
const CvSNMPVar probeConfigVars[] = {
    {"1.3.6.1.2.1.16.19.1", "Probe Capabilities", SyntaxBitString, AccessReadOnly},
    {"1.3.6.1.2.1.16.19.2", "Software Revision", SyntaxDisplayString, AccessReadOnly},
    {"1.3.6.1.2.1.16.19.3", "Hardware Revision", SyntaxDisplayString, AccessReadOnly},
    {"1.3.6.1.2.1.16.19.4", "Date and Time", SyntaxDateTime, AccessReadWrite},
    {"1.3.6.1.2.1.16.19.5", "Reset Control", SyntaxInteger, AccessReadWrite,
        Options::Of<resetControls>()},
    {"1.3.6.1.2.1.16.19.6", "Download File", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.2.1.16.19.7", "Download TFTP Server", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.2.1.16.19.8", "Download Action", SyntaxInteger, AccessReadWrite,
        Options::Of<downloadActions>()},
    {"1.3.6.1.2.1.16.19.9", "Download Status", SyntaxInteger, AccessReadOnly,
        Options::Of<downloadStates>()},
    {},
};
const CvControlBinding probeConfigBindings[] = {
    {KindEditUnticked, "%s", &probeConfigVars[0]},
    {KindEditUnticked, "%s", &probeConfigVars[1]},
    {KindEditUnticked, "%s", &probeConfigVars[2]},
    {KindEdit, "%s", &probeConfigVars[3]},
    {KindComboBox, "%s", &probeConfigVars[4]},
    {KindEdit, "%s", &probeConfigVars[5]},
    {KindEdit, "%s", &probeConfigVars[6]},
    {KindComboBox, "%s", &probeConfigVars[7]},
    {KindEditUnticked, "%s", &probeConfigVars[8]},
    {},
};
} // namespace

const CvFormDescriptor RmonForms[] = {
    {
        .menuPath = "RMON > RMON Control",
        .title = "RMON Control",
        .variables = rmonControlVars,
        .listKind = SVT_SV,
        .bindings = rmonControlBindings,
        .adjust = {.flags = AdjustCloseHook},
    },
    {
        .menuPath = "RMON > Probe Config > Probe Basic Information",
        .title = "Probe Basic Information",
        .variables = probeConfigVars,
        .listKind = SVT_SV,
        .bindings = probeConfigBindings,
        .adjust = {.widthPlus = 40, .controlsPlus = 40, .controlsScaled = true},
    },
    {},
};
