// Hexadecimal texts from edits and agents: octets by the described rules,
// and the text printed from octets reads back as the same octets, whole
// and split over edits.
#include "CvEditSplit.h"
#include "CvException.h"
#include "CvValueTexts.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray octets = OctetsFromHex(text);
    const qsizetype digits = text.size() - text.count(QLatin1Char(' '));
    if (octets.size() != (digits + 1) / 2)
        __builtin_trap();
    const QString printed = HexText(octets);
    if (OctetsFromHex(printed) != octets)
        __builtin_trap();
    try {
        const auto pieces = SplitForEdits(4, printed, int(octets.size()) + 1);
        if (!pieces
            || JoinEdits(4, pieces->mid(0, octets.size() ? octets.size() : 1))
                != (octets.isEmpty() ? QString() : printed))
            __builtin_trap();
    } catch (const CvException &) {
        __builtin_trap();
    }
    // Raw bytes as octets print as two digits each.
    const QByteArray raw(reinterpret_cast<const char *>(data), qsizetype(size));
    if (OctetsFromHex(HexText(raw)) != raw)
        __builtin_trap();
    return 0;
}
