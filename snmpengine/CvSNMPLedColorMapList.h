#pragma once

#include <QList>

// One pair of a static colour-map table; a table ends with colour -1.
// Colours are 0x00BBGGRR, red in the low byte.
struct CvLedColour
{
    quint8 value;
    qint32 colour;
};

// Maps the octet of one LED to its colour: the bits of valueMask select
// the colour, any bit of blinkMask makes the LED blink.
class CvSNMPLedColorMapList
{
public:
    CvSNMPLedColorMapList(const CvLedColour *table, quint8 valueMask, quint8 blinkMask,
        qint32 offColour, qint32 missingColour);

    // The first entry whose value is octet AND valueMask; black when none.
    qint32 ColourOf(quint8 octet) const;
    bool IsBlinking(quint8 octet) const { return (octet & blinkMask) != 0; }

    quint8 valueMask;
    quint8 blinkMask;
    qint32 offColour; // off, reset, and the dark phase of blinking
    qint32 missingColour; // an LED beyond the end of the value; -1 = error
    QList<CvLedColour> entries;
};

// The front panels' map: low three bits 0, 1 white, 2, 3 green, 4 blue,
// 5 red, 6, 7 black; top bit blinking; off black; a missing LED white.
inline constexpr CvLedColour FrontPanelLedColours[] = {
    {0, 0xFFFFFF},
    {1, 0xFFFFFF},
    {2, 0x00FF00},
    {3, 0x00FF00},
    {4, 0xFF0000},
    {5, 0x0000FF},
    {0, -1},
};
inline constexpr quint8 FrontPanelValueMask = 7;
inline constexpr quint8 FrontPanelBlinkMask = 128;
inline constexpr qint32 FrontPanelOffColour = 0;
inline constexpr qint32 FrontPanelMissingColour = 0xFFFFFF;
