#pragma once

// The option lists that generated and hand-laid windows share, and the
// template that turns any static option table into a list built once.
#include "CvOptionList.h"

namespace Options {
// The option list of a static table, built on first use:
// Options::Of<unitModes>() for {value, text} pairs, OfTexts for text values.
template <const CvIntOption *Table> const CvOptionList *Of()
{
    static const CvOptionList list(Table);
    return &list;
}
template <const CvTextOption *Table> const CvOptionList *OfTexts()
{
    static const CvOptionList list(Table, CvOptionList::TextValues);
    return &list;
}

const CvOptionList &EnabledDisabled(); // 2 disabled, 3 enabled
const CvOptionList &Other123(); // 1 other, 2 disabled, 3 enabled
const CvOptionList &TrueFalse(); // 1 true, 2 false
const CvOptionList &EnabledDisabled12(); // 1 enabled, 2 disabled
const CvOptionList &StorageType(); // 1 other .. 5 readOnly
const CvOptionList &ValidInvalid(); // 2 invalid, 3 valid

// RowStatus, values 1 to 6 in this order: "active", "notInService",
// "notReady", "createAndGo", "createAndWait", "destroy". The static VLAN
// table spells the same values with capitals ("Active" .. "Destroy").
const CvOptionList &RowStatus();
const CvOptionList &RowStatusCapitals();
} // namespace Options

// Positions in both RowStatus lists, as windows select them in a combo box.
namespace RowStatusItem {
inline constexpr int Active = 0;
inline constexpr int NotInService = 1;
inline constexpr int NotReady = 2;
inline constexpr int CreateAndGo = 3;
inline constexpr int Destroy = 5;
} // namespace RowStatusItem
