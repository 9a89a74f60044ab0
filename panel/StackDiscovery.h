#pragma once

class MainWindowState;

// Reads the stack's unit table into the main window's unit list, opens one
// front-panel window per present unit inside the main window, one below the
// other, starts their LED polling, wires their port buttons to the main
// window and reads the RMON state. Only units 1 to 12 are taken, the read
// is bounded in rows and time, and the rows left out are named in the note
// panel. Every error ends up as a line in the main window's status panel;
// discovery never ends the program.
void DiscoverStack(MainWindowState &main);

// The status text when the unit table cannot even be asked for.
inline constexpr const char *UnitInformationFailed = "Get Unit Information Failed";
