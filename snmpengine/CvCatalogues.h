#pragma once

#include "CvMessageTable.h"

#include <QTime>

// The seven message tables of the module, each replaceable at start-up by a
// catalogue file under the module directory, and the mapping from library
// results to the engine's negative codes.

enum class Catalogue {
    Common, // "(CvCommon)"       errmsg\common.err
    Snmp, // "(SNMP)"           errmsg\snmp.err
    SnmpV3, // "(SNMPv3)"         errmsg\snmpv3.err
    SnmpV3Usm, // "(SNMPv3USM)"      errmsg\snmpusm.err
    SnmpClass, // "(SNMPClass)"      errmsg\snmpclass.err
    CvSnmp, // "(CvSNMP++)"       errmsg\cvsnmp.err
    StatusTemplates, // result-line templates, errmsg\snmp.msg
};

inline constexpr Catalogue AllCatalogues[] = {
    Catalogue::Common,
    Catalogue::Snmp,
    Catalogue::SnmpV3,
    Catalogue::SnmpV3Usm,
    Catalogue::SnmpClass,
    Catalogue::CvSnmp,
    Catalogue::StatusTemplates,
};

CvMessageTable &CatalogueTable(Catalogue table);

// The file of a table relative to the module directory, with '\'.
QString CatalogueFileName(Catalogue table);

// Replaces a table from a catalogue file; see CvMessageTable::Load.
bool LoadCatalogue(Catalogue table, const QString &fileName);

// The message of an engine code: 0, -1..-18, -101..-118, -201..-217,
// -301..-314, -401..-423, -501..-530; any other code gives the text of -528.
QString MessageOf(int code);

// The engine code of an SNMP library result (0 success, 1..18 PDU error
// status, -1402..-1418 message processing, 1401..1414 user-based security,
// -1..-23 class errors); anything else is -528.
int MapLibraryResult(int result);

// Throws CvException with MessageOf(code).
[[noreturn]] void RaiseEngine(int code);

// Said once per switch when it refused a bulk read and its tables are read
// one row per request from then on.
inline constexpr const char *BulkRefusedNotice
    = "The switch does not answer bulk reads: its tables are read one row per request from now "
      "on, which is slower";

// Entry 0 of the status-line templates for reads, entry 1 for writes.
QString StatusTemplate(bool write);

// Fills a status-line template: "[ERROR]" with the message, "[VARLIST]" with
// the list's name and "[TIME]" with the time as "hh:nn:ss ampm". With an
// empty name, everything from just after "[ERROR]" up to and including
// "[VARLIST]" is dropped.
QString FillStatusTemplate(
    const QString &templ, const QString &message, const QString &varListName, const QTime &time);

// "hh:nn:ss ampm": 12-hour clock with the locale's morning and afternoon markers.
QString StatusTime(const QTime &time);

namespace EngineCode {
inline constexpr int Ok = 0;
inline constexpr int SessionFailed = -506;
inline constexpr int BootsLoadFailed = -507;
inline constexpr int BootsSaveFailed = -508;
inline constexpr int BadAddress = -509;
inline constexpr int SingleValueGetNext = -510;
inline constexpr int BadSyntax = -511;
inline constexpr int NullInExpression = -512;
inline constexpr int BadSyntaxInExpression = -513;
inline constexpr int BadKeyCount = -514;
inline constexpr int BadListKind = -515;
inline constexpr int BadPartialSyntax = -517;
inline constexpr int BadPartialValue = -518;
inline constexpr int PartialOutOfRange = -519;
inline constexpr int NoOptionList = -520;
inline constexpr int BadControlType = -521;
inline constexpr int TooFewControls = -522;
inline constexpr int NoStartTime = -523;
inline constexpr int Unknown = -528;
// A walk step answered, in a column, with an OID not past the one asked
// from: the agent went back or stood still, and the walk ends there.
inline constexpr int OutOfOrder = -529;
// Ours, after the described codes: a display string with a character
// beyond Latin-1, which the switch's octets cannot carry.
inline constexpr int NotLatin1 = -530;
} // namespace EngineCode
