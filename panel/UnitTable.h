#pragma once

#include "CvSNMPVar.h"
#include "MainWindowState.h"

// The stack's unit table as discovery reads it into the main window's unit
// list (kind 2, one index variable): the unit id is the row caption, and
// sub-item k holds variable k + 1.
extern const CvSNMPVar UnitTableVars[];
inline constexpr int UnitTableIndexCount = 1;

// The sub-items of a unit-list row that other code reads are named with the
// main-window state (MainWindowState.h).

// The one-variable list of the LED bindings: the unit table's last record,
// read as one row (kind 1) with the unit number as instance.
const CvSNMPVar *LedStatusVars();
