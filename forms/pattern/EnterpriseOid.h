#pragma once

#include <QtGlobal>

// An OID under the maker's enterprise number: PEN_OID(".12.16.1.1.1.2").
#ifndef PEN_OID
#define PEN_OID(rest) "1.3.6.1.4.1." QT_STRINGIFY(TRV_PEN) rest
#endif
