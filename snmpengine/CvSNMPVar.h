#pragma once

#include "CvOptionList.h"

#include <QString>

#include <optional>
#include <type_traits>

// Syntax codes: how a value is converted between the wire and its text. The
// codes of the SMI base types are their ASN.1 tags; the others are ours.
// 1 and 193..198 are only meaningful for parts of an octet string.
enum CvSyntax : qint32 {
    SyntaxBoolean = 1,
    SyntaxInteger = 2,
    SyntaxBitString = 3,
    SyntaxOctetString = 4,
    SyntaxNull = 5,
    SyntaxObjectId = 6,
    SyntaxIpAddress = 64,
    SyntaxCounter = 65,
    SyntaxGauge = 66,
    SyntaxTimeTicks = 67,
    SyntaxOpaque = 68,
    SyntaxNsapAddress = 69, // sent and read as an IpAddress
    SyntaxCounter64 = 70,
    SyntaxUInteger = 71,
    SyntaxDouble = 72, // 8 octets, IEEE-754, least significant first
    SyntaxMacAddress = 73, // 6 octets
    SyntaxDateTime = 74, // 11 octets, SNMPv2 DateAndTime
    SyntaxBcDateTime = 75, // 8 octets, days since 30 December 1899 as a double
    SyntaxDisplayString = 76, // octets shown as characters
    SyntaxBool8 = 193,
    SyntaxInt8 = 194,
    SyntaxUInt8 = 195,
    SyntaxBool16 = 196,
    SyntaxInt16 = 197,
    SyntaxUInt16 = 198,
};

// The flags word of a variable; the tests read its low byte.
enum CvAccess : qint32 {
    AccessNotAccessible = 1, // index object: decoded from the instance part
    AccessReadOnly = 2,
    AccessWriteOnly = 4,
    AccessReadWrite = 6,
    AccessDerived = 8,
    AccessHidden = 16,
    AccessInvalid = 32, // left out of reads, writes and columns
    AccessImplied = 64, // last index of an INDEX clause marked IMPLIED
};

// List kinds.
enum CvListKind : quint8 {
    SVT_SV = 0, // scalar group: instance ".0"
    MVT_SV = 1, // one row of a table, named by the list's instance
    MVT_FMV = 2, // whole table, rows not created by the window
    MVT_UMV = 3, // whole table, rows created and destroyed by the window
};

// One record of a window's static variable table. Tables are constexpr
// arrays ended by a record whose oid is null ({}):
//
//   constexpr CvSNMPVar ifXTable[] = {
//       {"1.3.6.1.2.1.31.1.1.1.1", "Name", SyntaxDisplayString, AccessReadOnly},
//       {"1.3.6.1.2.1.31.1.1.1.18", "Alias", SyntaxDisplayString, AccessReadWrite},
//       {},
//   };
//
// options points to a static option list that lives for the whole run.
struct CvSNMPVar
{
    const char *oid = nullptr;
    const char *label = nullptr;
    qint32 syntax = 0;
    qint32 access = 0;
    const CvOptionList *options = nullptr;
    const char *getExpression = nullptr;
    const char *setExpression = nullptr;
    const char *note = nullptr;
};
static_assert(std::is_trivially_copyable_v<CvSNMPVar>);

// Whether a value text stands for no value: "(NOTDONE)" (the walk found no
// instance) or "(NULL)" (the agent returned none). Such a variable is
// never written.
bool IsAbsentValue(const QString &text);

// A variable of a variable list: a copy of its record with the run-time
// value text and the OID last requested or received for it. Expressions
// and note keep the record's distinction between absent and empty.
struct CvSNMPVariable
{
    QString oid;
    QString label;
    qint32 syntax = 0;
    qint32 access = 0;
    const CvOptionList *options = nullptr; // not owned
    std::optional<QString> getExpression;
    std::optional<QString> setExpression;
    std::optional<QString> note;
    QString value; // display text; "(NULL)" or "(NOTDONE)" when there is none
    QString lastOid; // empty before the first read
    // A step of the running walk found the column ended: later steps leave
    // it out and the rows read after it have no value for it.
    bool columnLeft = false;

    static CvSNMPVariable FromRecord(const CvSNMPVar &record);

    quint8 flags() const { return quint8(access & 0xFF); }
};

// The keyword lists of kinds ("SVT_SV", ...), syntaxes ("integer", ...) and
// access flags ("notaccess", ...), integer option lists in table order, for
// tools that describe variables as text. Built on first use.
const CvOptionList &KindKeywords();
const CvOptionList &SyntaxKeywords();
const CvOptionList &AccessKeywords();
