#pragma once

#include "CvSNMPVarList.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Parts of a value: a control may show only the octets of a variable that
// start at a byte offset, read by a sub-syntax (a byte, a 16-bit word, a
// 32-bit number, a bit list inside an octet string ...). The value is turned
// into octets by the variable's own syntax, the part is cut out and turned
// into text by the sub-syntax; writing back copies the part's octets over
// the value's.
//
// Octet layouts: 32- and 64-bit numbers least significant octet first,
// 16-bit numbers most significant first, doubles as IEEE-754 least
// significant first, addresses and date-times in wire order.

// Octets of a part of this syntax: 1, 2, 64..67, 69, 71 take 4; 70, 72, 75
// take 8; 73 takes 6; 74 takes 11; 193..195 one; 196..198 two; NULL none;
// 3, 4, 6, 68 and 76 take the rest of the value (VariableWidth). Throws
// -511 for other codes.
inline constexpr int VariableWidth = -1;
int PartWidth(qint32 syntax);

// The octets of a raw value text by syntax; "(NULL)" gives none. Throws
// -511 for an unknown syntax, -509 for an address that does not resolve.
QByteArray OctetsOfText(qint32 syntax, const QString &rawText);
// The raw text of octets by syntax: no octets give "(NULL)" ("" for display
// strings); fewer octets than the syntax's width throw -518, and so does an
// OID part whose length is no multiple of 4. Octets past the width are not
// read.
QString TextOfOctets(qint32 syntax, const QByteArray &octets);

// The text a control bound to a part of variable i shows. A binding of
// offset 0 whose sub-syntax is the variable's own shows the whole value,
// mapped by options or, without them, by the variable's option list. A part
// past the end of the value throws -519.
QString PartText(const CvSNMPVarList &list, int i, int offset, qint32 subSyntax,
    const CvOptionList *options = nullptr);

// One control's contribution when the controls of a variable are written
// back: a text read by subSyntax, or, when bitNumbers is not empty, a bit
// list whose bits take the states in bits (same length).
struct CvValuePart
{
    int offset = 0;
    qint32 subSyntax = 0;
    const CvOptionList *options = nullptr; // display -> raw for the text
    QString text;
    QList<int> bitNumbers;
    QList<bool> bits;
};

// Writes the parts into variable i's value, in order. Octets no part covers
// keep their old value; a bit list rebuilds the octets it spans from its own
// bits. A part that covers a whole value of variable length (hexadecimal,
// OID, display string) replaces it, so a shorter text does not keep the old
// tail. Throws -519 for a negative offset or bit number, and for a part or
// bit that would reach beyond 65535 octets, the most an SNMP octet string
// holds.
void MergeParts(CvSNMPVarList &list, int i, const QList<CvValuePart> &parts);

// Bit b of a bit list is octet b / 8 under the mask 0x80 >> (b % 8): bit 0
// is the top bit of the first octet, and port p of a port list is bit p - 1.
// The states of the listed bits of variable i's octets from offset on;
// throws -519 for a bit beyond the octets.
QList<bool> BitsOf(const CvSNMPVarList &list, int i, int offset, const QList<int> &bitNumbers);
bool BitOf(const QByteArray &octets, int bit); // throws -519 beyond the end
void SetBit(QByteArray &octets, int bit, bool on); // grows with zero octets

// Decimal bit numbers separated by ",".
QList<int> ParseBitNumbers(const QString &text);
