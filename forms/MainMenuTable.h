#pragma once

#include <cstddef>

// The main window's menu as data: one entry per line of the tree, in order,
// with its depth. A submenu's items follow it at the next depth.
enum class MenuKind {
    Submenu,
    Separator,
    View, // a standard MIB view in the host's MIB browser; arg = view argument
    Generated, // a generated configuration window; arg = its menu path ("A > B > C")
    Window, // a window with a fixed layout; arg = its class name
    Exit,
    Help,
};

struct MenuEntry
{
    int depth;
    MenuKind kind;
    const char *caption;
    const char *arg;
};

extern const MenuEntry MainMenuTable[];
extern const std::size_t MainMenuTableSize;
