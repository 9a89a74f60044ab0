#include "LedMaps.h"

namespace {
CvSNMPLedColorMapList frontPanelMap()
{
    return CvSNMPLedColorMapList(FrontPanelLedColours, FrontPanelValueMask, FrontPanelBlinkMask,
        FrontPanelOffColour, FrontPanelMissingColour);
}
} // namespace

const CvSNMPLedColorMapList &FirstLedMap()
{
    static const CvSNMPLedColorMapList map = frontPanelMap();
    return map;
}

const CvSNMPLedColorMapList &SecondLedMap()
{
    static const CvSNMPLedColorMapList map = frontPanelMap();
    return map;
}

const CvSNMPLedColorMapList &LedMapOf(LedMap map)
{
    return map == LedMap::First ? FirstLedMap() : SecondLedMap();
}
