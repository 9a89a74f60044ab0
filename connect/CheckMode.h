#pragma once

#include <QStringList>

// The connect program's "--check": whether the switch that the module
// would reach with these parameters answers, for trv8170ql-connect to know
// before it keeps a switch as the last one. The parameters are the
// module's own (/IADDRESS --parameters-on-stdin, the secrets on standard
// input), the switch's configuration file is read from the working
// directory, as the module reads it there. The diagnosis goes to standard
// error. Returns 0 when the agent answered, 1 when it did not, 2 when the
// parameters do not read.
int RunCheckMode(const QStringList &parameters, int timeoutMs);
