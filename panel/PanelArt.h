#pragma once

#include "PanelLayout.h"

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// The drawings of the front panels. The pictures committed as resources
// are made by panel/art from DrawPanelFront, and the window of a model
// without a picture of its own draws its front at run time, so a front and
// the buttons and LEDs placed on it always agree.

// The connector of one port as its button shows it: an RJ-45 jack whose
// latch points away from the row's middle, its housing lit while pressed.
QPixmap PortConnectorPixmap(QSize size, bool upperRow, bool pressed);

// The front plate of a layout with its ports, LED windows and labels,
// captioned with the model name.
QImage DrawPanelFront(const PanelLayout &layout, const QString &caption);

// The regions of a front that the buttons and LEDs sit on: every port and
// every LED container. The picture tests compare them.
QList<QRect> FrontFeatureRects(const PanelLayout &layout);
