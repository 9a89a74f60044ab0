#pragma once

#include <QDir>

#include <functional>

class MainWindowState;

// Runs the event loop until condition holds or ms have passed.
bool WaitFor(const std::function<bool()> &condition, int ms);

// The pictures of what shows over the windows, grabbed from the screen
// with the main window or panel under them.
// A port of unit 2 resting under the mouse, its details read twice so the
// rate shows: docs/port-tooltip.png.
bool ShootPortTooltip(MainWindowState &main, const QDir &out);
// The main window with the command finder open on "static":
// docs/command-finder.png. The agent is the simulator on port.
bool ShootCommandFinder(quint16 port, const QDir &out);
