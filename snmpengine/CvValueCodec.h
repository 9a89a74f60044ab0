#pragma once

#include "CvSNMPValue.h"
#include "CvSNMPVarList.h"

// Conversions between a variable's value text and the value of a variable
// binding. Texts are display texts: on the way to the wire they are first
// mapped to raw values through the variable's option list, on the way back
// raw values are mapped to display texts. "(NULL)" stands for no value in
// every syntax. A syntax the conversion does not know is the engine error
// -511.

// Sets variable i's value text from a response binding. A binding without
// a printable value (an exception such as noSuchInstance, NULL, or a value
// of the wrong kind or too short for the syntax) gives "(NULL)"; "" for the
// hexadecimal syntaxes 3, 4, 68, 73 and for display strings.
void StoreValue(CvSNMPVarList &list, int i, const CvSNMPValue &value);

// The value of a request binding made from variable i's value text.
// Unsigned 32-bit syntaxes travel as Gauge32, the octet-based ones as
// OCTET STRING, "(NULL)" as NULL. Throws -509 for an address that does not
// resolve, -511 for an OID text that is not dotted decimal and -518 for a
// date-time text that does not read as one.
CvSNMPValue LoadValue(const CvSNMPVarList &list, int i);

// The same without a list or option mapping: raw text by syntax.
QString TextFromValue(qint32 syntax, const CvSNMPValue &value);
CvSNMPValue ValueFromText(qint32 syntax, const QString &rawText);

// Variable i's value mapped from display text to raw value, and a raw text
// mapped to the variable's display text (unchanged without an option list).
QString RawValue(const CvSNMPVariable &var);
QString DisplayValue(const CvSNMPVariable &var, const QString &rawText);

// Whether the engine has a conversion for the syntax code (1..6, 64..76 for
// whole values; partial data adds 193..198).
bool IsValueSyntax(qint32 syntax);
