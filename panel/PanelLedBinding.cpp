#include "PanelLedBinding.h"

#include <algorithm>

PanelLedBinding::PanelLedBinding(QWidget *owner)
    : CvSNMPRequest2Leds(owner)
{
    // Connected after the painting pass, so it sees that pass's count.
    connect(&blinkTimer, &QTimer::timeout, this, &PanelLedBinding::restWhenSteady);
}

bool PanelLedBinding::anyBlinking() const
{
    return std::any_of(leds.begin(), leds.end(), [](const Led &led) { return led.blinking; });
}

void PanelLedBinding::AddRow()
{
    CvSNMPRequest2Leds::AddRow();
    if (anyBlinking() && !blinkTimer.isActive())
        blinkTimer.start();
    emit LedsRead();
}

// A failed read or the end of polling turns every LED off.
void PanelLedBinding::ResetLeds()
{
    CvSNMPRequest2Leds::ResetLeds();
    emit LedsRead();
}

// From the pass after blinkLimit on, every blinking LED shows its colour
// until the next read: later passes would paint the same.
void PanelLedBinding::restWhenSteady()
{
    if (!anyBlinking() || blinkTicks > blinkLimit + 1)
        blinkTimer.stop();
}
