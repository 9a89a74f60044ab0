#pragma once

#include <QtGlobal>

// The entry of the stack's unit table (swUnitMgmtEntry) under the switch
// family's enterprise number: stack discovery walks its columns, and the
// connection check tells by its first row whether an agent is a stack of
// this family.
#define CV_UNIT_TABLE_ENTRY "1.3.6.1.4.1." QT_STRINGIFY(TRV_PEN) ".12.11.1.9.4.1"
