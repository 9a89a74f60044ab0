#pragma once

#include <QByteArray>
#include <QString>

// The SNMPv3 engine boots counter file: one line per engine ID, the ID
// written as two characters per octet ('@' + high half, '@' + low half),
// a blank, then the boots count in decimal; lines starting with '#' are
// comments. Lines of other engines are kept as they are.
namespace CvBootCounter {

inline constexpr const char *FileName = "CvSNMP_PP_BootCounter";
inline constexpr quint32 MaxBoots = 2147483647; // snmpEngineBoots stops here

QByteArray EncodeEngineId(const QByteArray &engineId);

// The boots count stored for the engine; 0 when the file or its line is
// missing. Throws CvException -507 when the file exists but cannot be read
// or the engine's line does not hold a count.
quint32 Load(const QString &fileName, const QByteArray &engineId);

// Writes the engine's line in place of the old one (or at the end) through
// a temporary file of its own beside it, flushed to disk and renamed over
// the file, so a crash never leaves a half-written counter. Throws
// CvException -508 on failure.
void Save(const QString &fileName, const QByteArray &engineId, quint32 boots);

// Load and Save of the count plus one (it stops at MaxBoots), as one step
// no other program's count-up interleaves with: the counter file's folder
// is locked meanwhile. Returns the new count; throws as Load and Save do.
quint32 CountUp(const QString &fileName, const QByteArray &engineId);

} // namespace CvBootCounter
