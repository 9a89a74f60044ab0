#pragma once

class QWidget;

// On a screen that is not at 96 pixels per inch (the main window's
// LargeFonts) a window grows by the main window's ScaleFactor in width and
// height. It is done once, just before the window first shows: it keeps the
// size its layout gave it until then, and nothing moves it, so the dialog
// still opens centred over its owner.
void ScaleForLargeFonts(QWidget &window);
