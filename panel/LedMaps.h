#pragma once

#include "CvSNMPLedColorMapList.h"
#include "PanelLayout.h"

// The two colour maps of the front panels, built once and kept for the
// whole run. Their content is the same; the TRM fronts use the first for
// LedPanel1 and LedPanel3 and the second for everything else, the other
// fronts the second throughout.
const CvSNMPLedColorMapList &FirstLedMap();
const CvSNMPLedColorMapList &SecondLedMap();
const CvSNMPLedColorMapList &LedMapOf(LedMap map);
