#pragma once

#include "FakeMainWindow.h"
#include "SimulatorProcess.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// What every window test holds: a working folder made current (the session
// keeps its files there), the simulator, and a stand-in main window.
class WindowTestBed
{
protected:
    // For initTestCase: the folder, the session and the simulator started
    // with simulatorArgs; every hand-laid window registered. Empty, or why
    // it could not start.
    QString StartBed(const QStringList &simulatorArgs = {});
    // For init: the session pointed at the simulator and the main window's
    // unit list bound to it, left empty for the windows to read.
    void ResetBed();

    QTemporaryDir m_dir;
    FakeMainWindow m_main;
    std::unique_ptr<SimulatorProcess> m_sim;
};
