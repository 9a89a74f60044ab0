#include "MainWindowState.h"

namespace {
MainWindowState *registered = nullptr;
}

MainWindowState *MainWindowState::instance()
{
    return registered;
}

void MainWindowState::setInstance(MainWindowState *state)
{
    registered = state;
}
