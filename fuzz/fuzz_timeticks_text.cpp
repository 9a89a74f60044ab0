// Time-ticks texts: any text reads as some count of centiseconds, whose
// printed text reads back as the same count, whole and in five edits.
#include "CvEditSplit.h"
#include "CvValueTexts.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const quint32 t = ParseTimeTicks(text);
    const QString printed = TimeTicksText(t);
    if (ParseTimeTicks(printed) != t)
        __builtin_trap();
    const auto pieces = SplitForEdits(67, printed, 5);
    if (!pieces || JoinEdits(67, *pieces) != printed)
        __builtin_trap();
    // The raw bytes as a count.
    quint32 raw = 0;
    for (size_t k = 0; k < size && k < 4; ++k)
        raw = (raw << 8) | data[k];
    if (ParseTimeTicks(TimeTicksText(raw)) != raw)
        __builtin_trap();
    return 0;
}
