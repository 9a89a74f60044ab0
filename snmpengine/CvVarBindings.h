#pragma once

#include "CvSNMPValue.h"
#include "CvSNMPVarList.h"

#include <QList>
#include <QString>

// Which variables of a list go into a request PDU, under which OIDs, in
// list order. The k-th binding of a response belongs to the k-th binding
// selected here.
enum class CvPduPurpose {
    FirstRead, // get, or the first get-next of a walk
    WalkStep, // a further get-next of a walk (table kinds only)
    Write, // set
};

struct CvVarBinding
{
    int varIndex = 0;
    QString oid;
    CvSNMPValue value; // writes only: the variable's value text converted
};

// First read: every readable variable, kind 0 as base + ".0", kinds 1..3
// as base; their last OIDs are emptied. Walk step: every readable variable
// whose column has not ended, under its last OID (its base when it has
// none); kinds 0 and 1 throw -510. Write: every sendable variable that has
// a value (IsAbsentValue) except the index variables of kinds 2 and 3, kind 0 as
// base + ".0", kind 1 as base, kinds 2 and 3 as base + "." + the row's index
// suffix, each with its value from LoadValue. A kind above 3 throws -515.
QList<CvVarBinding> SelectBindings(CvSNMPVarList &list, CvPduPurpose purpose);
