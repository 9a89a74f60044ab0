#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Secrets reach the module and its view programs on standard input, never on
// a command line, where every local user could read them.

// Standard input to its end, or its first limit + 1 bytes when it holds more.
QByteArray ReadStandardInput(qsizetype limit);

// Overwrites the bytes of a buffer that held a secret, then empties it. A
// buffer shared with another owner is only let go: that copy is its owner's
// to wipe.
void WipeBytes(QByteArray &bytes);
void WipeText(QString &text);

// The module's switch that takes more parameters from standard input, one a
// line, in its place: trv8170ql-connect hands the communities over this way.
inline constexpr const char *ParametersOnStdinSwitch = "--parameters-on-stdin";
inline constexpr qsizetype MaxParameterInputBytes = 64 * 1024;

// parameters with the switch replaced by the lines of input (a line end of
// "\n" or "\r\n"; empty lines are left out). Unchanged without the switch.
QStringList WithParametersFromInput(const QStringList &parameters, const QByteArray &input);
