#pragma once

#include "CvSNMPRequest2Leds.h"

#include <QString>

#include <vector>

class TPanelForm;

// What a front panel offers an operator who does not use the mouse or does
// not see the panel: names for its port buttons, LEDs and badge, a port
// description in words of what its LEDs show, and keys for the ports.

// The state a port's LEDs show, in words: "No link" when every LED of the
// port is off, else "Link", ", traffic" while one blinks, and the colour of
// each LED; empty for a port without LEDs. leds are the port's LEDs in
// octet order; blinking is the state read, not the phase of the blink.
QString DescribePortLeds(const std::vector<const CvSNMPRequest2Leds::Led *> &leds);

// Names the panel, its picture, badge, LEDs and port buttons for its unit
// number and makes the port buttons keyboard controls: one tab stop per
// panel (the port last focused there), arrow keys between the ports of a
// unit and on to the units above and below, Home and End, Enter presses a
// port as Space does, and the context-menu key or Shift+F10 opens the port
// menu of the focused port. Runs once the unit number and the LEDs are set.
void NamePanelParts(TPanelForm &panel);

// Brings each port button's description and each LED's in line with what
// the LEDs show now. A description changes only when its words do, so a
// screen reader hears a port when its state changes, not at every poll.
void DescribePanelPorts(TPanelForm &panel);
