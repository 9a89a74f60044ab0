#pragma once

#include <QString>

class QWidget;

// Names that screen readers read for the controls of a window.

// "Unit 2 port 5": the name of a port's button on a front panel and of its
// box in a stack port grid.
QString PortAccessibleName(int unit, int port);

// True for a control whose value the operator changes: an edit that is not
// read-only, a combo box, a spin box, a slider, a check box or radio button.
bool IsOperatorControl(const QWidget *widget);

// Gives every operator control under root that has no accessible name the
// text of its label: the label beside or above it in its layout (grid, form
// or box), which also becomes the label's buddy; failing that, a check box's
// or radio button's own caption, or the title of the group box it sits in.
// Controls named already keep their names, so it may run again after more
// controls were made. A combo box needs this: on Linux its name would
// otherwise be its current text.
void NameControlsByLabels(QWidget *root);
