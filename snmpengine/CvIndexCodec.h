#pragma once

#include "CvSNMPValue.h"
#include "CvSNMPVarList.h"

// Index values in the instance part of table OIDs, one encoding per syntax:
//
//   1 boolean             one sub-identifier, not 0 = "true"
//   2 integer             one, the 32 bits of the signed value
//   65, 66, 71            one, unsigned
//   3, 4, 68, 76          length n, then n octets; last IMPLIED: no length,
//                         all remaining sub-identifiers
//   6 OID                 length n, then n sub-identifiers; last IMPLIED: no
//                         length, all remaining ones
//   64, 69 address        four octets
//   67 timeticks          one, centiseconds
//   70 counter64          two: high 32 bits, then low 32 bits
//   72, 75 double         two: low 32 bits of the IEEE-754 double, then high
//   73 MAC address        six octets (a value shorter than six encodes to
//                         nothing)
//   74 DateAndTime        eleven octets
//   5 null                none
//
// "Last IMPLIED" is the last index variable (position indexCount - 1) with
// the IMPLIED flag. Values pass the variable's option list as everywhere.

// The instance sub-identifiers of variable i's value, and the same as
// dotted text. Throws -511 for other syntaxes and for an OID value that is
// not dotted decimal.
CvOid EncodeIndexOid(const CvSNMPVarList &list, int i);
QString EncodeIndex(const CvSNMPVarList &list, int i);

// Sets variable i's value from the front of an OID suffix ("3.97.98.99.7")
// and returns the rest ("7"; empty when all was used). Never reads past the
// suffix: a suffix that is not dotted decimal, that ends before the value
// does, whose length sub-identifier is larger than what remains, or that has
// an octet above 255, is the engine error -514.
QString DecodeIndex(CvSNMPVarList &list, int i, const QString &suffix);

// The instance part naming the current row of a table list: the encodings
// of the index variables 0 .. indexCount-1, joined by "." (an index that
// encodes to nothing adds nothing). Throws -514 when indexCount does not fit
// the list.
QString RowIndexSuffix(const CvSNMPVarList &list);
