#pragma once

#include <QStringList>

class QWidget;

// F1 opens the help page of the window it is pressed in, in every window of
// the program: one filter on the application, installed once at start by
// each program's main. Shift+F1 and F1 inside the help window are left alone.
void InstallHelpKey();

// The keys by which the help topics know the widget w: for w and each widget
// it lies in, up through the windows that own its window, the menu path and
// title of a window, then class names (most derived first) and object name.
QStringList HelpKeysOf(const QWidget *w);
