#pragma once

#include "CvSNMPValue.h"

#include <algorithm>

// OIDs as walks compare them, sub-identifier by sub-identifier.

// oid lies strictly below prefix (a column's values below its column).
inline bool OidUnder(const CvOid &prefix, const CvOid &oid)
{
    return oid.size() > prefix.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

// a comes after b in the lexicographic order of the MIB.
inline bool OidAfter(const CvOid &a, const CvOid &b)
{
    return std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end());
}
