#include "PanelLayout.h"

#include <QStringList>

#include <algorithm>

// The front panels in pixels. Column lefts, container positions and octet
// positions are the units' own; the art under panel/art draws the pictures
// from these same tables.

constexpr PanelLayout TRV8170QLLayout = {
    .className = "TPanelTRV8170QLForm",
    .picture = ":/panel/TRV8170QL.jpg",
    .caption = "TRV-8170QL",
    .captionRect = QRect(100, 3, 190, 17),
    .portCount = 48,
    .columnLefts = {100, 124, 148, 172, 196, 222, 250, 275, 303, 328, 354, 379, 404, 428, 453, 478,
        508, 532, 557, 583, 607, 632, 657, 682},
    .upperTop = 35,
    .lowerTop = 57,
    .tallUpperFromColumn = 12,
    .systemLeds = {QPoint(3, 20), QPoint(3, 34), QPoint(3, 47), QPoint(3, 62)},
    .ledRowCount = 3,
    .ledRows = {LedRowLayout {QRect(96, 24, 203, 7), 5, 2, 16, LedMap::Second},
        LedRowLayout {QRect(304, 24, 203, 7), 37, 2, 16, LedMap::Second},
        LedRowLayout {QRect(512, 24, 203, 7), 69, 2, 16, LedMap::Second}},
    .ledSize = 7,
    .ledGap = 6,
    .stackLedCount = 2,
    .stackLeds = {QPoint(60, 33), QPoint(77, 33)},
    .stackLedOctets = {104, 106},
    .hasBadge = true,
    .badge = QPoint(60, 59),
    .synchronousLeds = true,
};

constexpr PanelLayout TRV8140PQLLayout = {
    .className = "TPanelTRV8140PQLForm",
    .picture = ":/panel/TRV8140PQL.jpg",
    .caption = "TRV-8140PQL",
    .captionRect = QRect(652, 30, 120, 17),
    .portCount = 24,
    .columnLefts = {326, 351, 376, 401, 434, 459, 484, 509, 542, 567, 591, 616},
    .upperTop = 21,
    .lowerTop = 47,
    .systemLeds = {QPoint(44, 22), QPoint(44, 35), QPoint(44, 49), QPoint(44, 62)},
    .ledRowCount = 2,
    .ledRows = {LedRowLayout {QRect(150, 59, 163, 7), 5, 4, 12, LedMap::Second},
        LedRowLayout {QRect(150, 68, 163, 7), 7, 4, 12, LedMap::Second}},
    .ledSize = 7,
    .ledGap = 7,
    .stackLedCount = 2,
    .stackLeds = {QPoint(63, 47), QPoint(63, 72)},
    .stackLedOctets = {56, 58},
    .hasBadge = true,
    .badge = QPoint(85, 50),
    .synchronousLeds = true,
};

namespace {
// The TRM fronts share their ports and LED rows; odd rows use the first map.
constexpr std::array<int, PanelLayout::MaxColumns> trmColumns
    = {337, 362, 387, 412, 437, 462, 497, 522, 547, 572, 597, 622};
constexpr std::array<QPoint, 4> trmSystemLeds
    = {QPoint(95, 26), QPoint(95, 42), QPoint(95, 61), QPoint(95, 78)};
constexpr std::array<LedRowLayout, PanelLayout::MaxLedRows> trmLedRows
    = {LedRowLayout {QRect(150, 16, 128, 7), 4, 4, 12, LedMap::First},
        LedRowLayout {QRect(150, 37, 128, 7), 5, 4, 12, LedMap::Second},
        LedRowLayout {QRect(150, 54, 128, 7), 6, 4, 12, LedMap::First},
        LedRowLayout {QRect(150, 74, 128, 7), 7, 4, 12, LedMap::Second}};
constexpr QRect trmCaption(6, 6, 86, 16);
constexpr quint32 trmFace = 0x50565E;
} // namespace

constexpr PanelLayout TRM6140QLiLayout = {
    .className = "TPanelTRM6140QLiForm",
    .picture = ":/panel/TRM6140QLi.jpg",
    .caption = "TRM-6140QLI",
    .captionRect = trmCaption,
    .faceColour = trmFace,
    .portCount = 24,
    .columnLefts = trmColumns,
    .upperTop = 24,
    .lowerTop = 47,
    .systemLeds = trmSystemLeds,
    .ledRowCount = 4,
    .ledRows = trmLedRows,
    .ledSize = 5,
    .ledGap = 6,
    .stackLedCount = 6,
    .stackLeds = {QPoint(303, 34), QPoint(303, 53), QPoint(303, 72), QPoint(319, 34),
        QPoint(319, 53), QPoint(319, 72)},
    .stackLedOctets = {52, 54, 56, 58, 60, 62},
    .hasBadge = false,
    .badge = QPoint(),
    .synchronousLeds = false,
};

constexpr PanelLayout TRM6140QLLayout = {
    .className = "TPanelTRM6140QLForm",
    .picture = ":/panel/TRM6140QL.jpg",
    .caption = "TRM-6140QL",
    .captionRect = trmCaption,
    .faceColour = trmFace,
    .portCount = 24,
    .columnLefts = trmColumns,
    .upperTop = 24,
    .lowerTop = 47,
    .systemLeds = trmSystemLeds,
    .ledRowCount = 4,
    .ledRows = trmLedRows,
    .ledSize = 5,
    .ledGap = 6,
    .stackLedCount = 2,
    .stackLeds = {QPoint(287, 54), QPoint(287, 73)},
    .stackLedOctets = {52, 54},
    .hasBadge = true,
    .badge = QPoint(305, 56),
    .synchronousLeds = false,
};

// The 24-port front of the older TRM model, laid out like its successor.
constexpr PanelLayout TRM6040QLLayout = [] {
    PanelLayout layout = TRM6140QLLayout;
    layout.className = "TPanelTRM6040QLForm";
    layout.picture = ":/panel/TRM6040QL.jpg";
    layout.caption = "TRM-6040QL";
    return layout;
}();

constexpr std::array<const PanelLayout *, 5> PictureLayouts
    = {&TRV8170QLLayout, &TRV8140PQLLayout, &TRM6140QLiLayout, &TRM6140QLLayout, &TRM6040QLLayout};

PanelLayout GenericLayout(int portCount)
{
    // Columns 26 pixels apart carry two LEDs each, 13 apart: the LEDs of
    // the odd and the even port of the column, in rows of sixteen.
    constexpr int firstLeft = 96;
    constexpr int columnStep = 26;
    constexpr int ledsPerRow = 16;
    constexpr int ledStep = columnStep / 2;
    constexpr int margin = 6;

    PanelLayout layout = TRV8170QLLayout;
    layout.className = "TPanelGenericForm";
    layout.picture = nullptr;
    layout.caption = nullptr;
    layout.captionRect = QRect(100, 3, 300, 17);
    layout.portCount = std::clamp(portCount, 0, 2 * PanelLayout::MaxColumns);
    layout.tallUpperFromColumn = 0;
    layout.columnLefts = {};
    int right = 0;
    for (int c = 0; c < layout.columnCount(); ++c) {
        layout.columnLefts[std::size_t(c)] = firstLeft + c * columnStep;
        right = layout.columnLefts[std::size_t(c)] + PanelLayout::ButtonWidth;
    }
    layout.ledRowCount = (layout.portCount + ledsPerRow - 1) / ledsPerRow;
    layout.ledRows = {};
    layout.ledSize = 7;
    layout.ledGap = ledStep - layout.ledSize;
    for (int r = 0; r < layout.ledRowCount; ++r) {
        const int count = std::min(ledsPerRow, layout.portCount - r * ledsPerRow);
        const QRect row(firstLeft + r * ledsPerRow * ledStep, 24, ledsPerRow * ledStep - 5, 7);
        // Port p shows octet 5 + 2(p - 1), its second LED, in port order.
        layout.ledRows[std::size_t(r)] = {row, 5 + 2 * ledsPerRow * r, 2, count, LedMap::Second};
    }
    layout.stackLedCount = 0;
    layout.synchronousLeds = false;
    layout.width = std::max(layout.width, right + margin);
    return layout;
}

QString LedPositions(const LedRowLayout &row)
{
    QStringList positions;
    for (int k = 0; k < row.count; ++k)
        positions.append(QString::number(row.firstOctet + k * row.step));
    return positions.join(QLatin1Char(','));
}
