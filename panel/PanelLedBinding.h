#pragma once

#include "CvSNMPRequest2Leds.h"

// The LED binding of a front panel. It paints like any LED binding, but its
// blink timer rests while no pass could change an LED: when nothing blinks,
// or once blinking LEDs stay lit for the rest of the poll period. The next
// read that brings a blinking LED starts it again. A stack of twelve panels
// would otherwise wake the program two hundred times a second for nothing.
class PanelLedBinding : public CvSNMPRequest2Leds
{
    Q_OBJECT

public:
    explicit PanelLedBinding(QWidget *owner);

signals:
    // After each read has set the LEDs, or they were turned off.
    void LedsRead();

public:
    void ResetLeds() override;

protected:
    void AddRow() override;

private:
    bool anyBlinking() const;
    void restWhenSteady();
};
