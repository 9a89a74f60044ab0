#pragma once

#include "CvSNMPVar.h"

// The stack's unit table as discovery reads it into the main window's unit
// list (kind 2, one index variable): the unit id is the row caption, and
// sub-item k holds variable k + 1.
extern const CvSNMPVar UnitTableVars[];
inline constexpr int UnitTableIndexCount = 1;

// Sub-items of a unit-list row that other code reads.
inline constexpr int UnitStateItem = 0; // "exist" or "not-exist"
inline constexpr int UnitPortRangeItem = 3;
inline constexpr int UnitModelItem = 7;

// The one-variable list of the LED bindings: the unit table's last record,
// read as one row (kind 1) with the unit number as instance.
const CvSNMPVar *LedStatusVars();
