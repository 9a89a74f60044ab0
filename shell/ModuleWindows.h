#pragma once

// Registers the menu command of every window the module offers: the
// generated windows and those with a fixed layout. The program calls it
// before the main window builds its menu; tools that drive the real main
// window call it too, so they see the same commands.
void RegisterModuleWindows();
