#include "CvSNMPLedColorMapList.h"

CvSNMPLedColorMapList::CvSNMPLedColorMapList(const CvLedColour *table, quint8 valueMask,
    quint8 blinkMask, qint32 offColour, qint32 missingColour)
    : valueMask(valueMask)
    , blinkMask(blinkMask)
    , offColour(offColour)
    , missingColour(missingColour)
{
    for (const CvLedColour *entry = table; entry && entry->colour != -1; ++entry)
        entries.append(*entry);
}

qint32 CvSNMPLedColorMapList::ColourOf(quint8 octet) const
{
    const quint8 value = octet & valueMask;
    for (const CvLedColour &entry : entries)
        if (entry.value == value)
            return entry.colour;
    return 0;
}
