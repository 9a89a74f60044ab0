#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>

// Which of the two front-panel colour maps an LED row uses. Both have the
// same content; the TRM fronts keep their odd rows on a map of their own.
enum class LedMap { First, Second };

// One container of port LEDs: where it sits and which octets of the LED
// status string its LEDs show (first, first + step, ... count of them).
struct LedRowLayout
{
    QRect geometry;
    int firstOctet = 0;
    int step = 0;
    int count = 0;
    LedMap map = LedMap::Second;
};

// Everything that sets one model's front panel apart: sizes and positions
// in pixels relative to the window, the LED octet positions, whether it
// shows a unit badge and whether its LED reads block. One generic window
// class builds itself from it; the pictures are drawn from the same data.
struct PanelLayout
{
    static constexpr int MaxColumns = 32; // 64 ports, the most a unit numbers
    static constexpr int MaxLedRows = 4;
    static constexpr int MaxStackLeds = 6;

    const char *className = nullptr;
    const char *picture = nullptr; // resource path; null: drawn at run time
    const char *caption = nullptr; // the model name the picture prints
    QRect captionRect;
    quint32 faceColour = 0x2C3440; // 0xRRGGBB of the front plate
    int width = 780;
    int height = 89;

    // Port buttons: button 2k-1 is the upper, 2k the lower port of column k.
    int portCount = 0;
    std::array<int, MaxColumns> columnLefts {};
    int upperTop = 0;
    int lowerTop = 0;
    int tallUpperFromColumn = 0; // 1-based; 0: every upper button 22 high

    // Power, master, console and redundant-power LED containers (7 x 7).
    std::array<QPoint, 4> systemLeds {};

    // Port LED rows, LedPanel1 ... in order.
    int ledRowCount = 0;
    std::array<LedRowLayout, MaxLedRows> ledRows {};
    int ledSize = 7;
    int ledGap = 6;

    // Stacking-port LED containers (7 x 7), SIOPanel1 ... in order.
    int stackLedCount = 0;
    std::array<QPoint, MaxStackLeds> stackLeds {};
    std::array<int, MaxStackLeds> stackLedOctets {};

    bool hasBadge = false;
    QPoint badge; // Panel1, 26 x 23, holding StackImage

    bool synchronousLeds = false;

    static constexpr int ButtonWidth = 23;
    static constexpr int UpperHeight = 22;
    static constexpr int LowerHeight = 23;
    static constexpr int LedContainerSize = 7;
    static constexpr QSize BadgeSize {26, 23};

    constexpr int columnCount() const { return (portCount + 1) / 2; }
    // The geometry of port button i (1-based).
    constexpr QRect portButton(int i) const
    {
        const int column = (i + 1) / 2;
        const bool upper = i % 2 == 1;
        const int left = columnLefts[std::size_t(column - 1)];
        if (!upper)
            return QRect(left, lowerTop, ButtonWidth, LowerHeight);
        const bool tall = tallUpperFromColumn > 0 && column >= tallUpperFromColumn;
        return QRect(left, upperTop, ButtonWidth, tall ? LowerHeight : UpperHeight);
    }
    static constexpr QRect ledContainer(QPoint at)
    {
        return QRect(at, QSize(LedContainerSize, LedContainerSize));
    }
};

// The layouts of the front panels, one per window class.
extern const PanelLayout TRV8170QLLayout;
extern const PanelLayout TRV8140PQLLayout;
extern const PanelLayout TRM6140QLiLayout;
extern const PanelLayout TRM6140QLLayout;
extern const PanelLayout TRM6040QLLayout;

// Every layout that has a picture of its own, in the order above.
extern const std::array<const PanelLayout *, 5> PictureLayouts;

// A front for a unit whose model no window class knows: port buttons for
// its port count (clamped to 0..64) in pairs of columns, one LED per port
// in rows of sixteen, wider than 780 pixels when the ports need it.
PanelLayout GenericLayout(int portCount);

// The octet positions of a row as AddLedRow takes them: "5,7,9".
QString LedPositions(const LedRowLayout &row);
