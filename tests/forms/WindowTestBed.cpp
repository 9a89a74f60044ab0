#include "WindowTestBed.h"

#include "FormTesting.h"
#include "HandLaidWindows.h"

#include <QDir>

void RegisterHandLaidWindows();

QString WindowTestBed::StartBed(const QStringList &simulatorArgs)
{
    if (!QDir::setCurrent(m_dir.path()))
        return QStringLiteral("cannot work in ") + m_dir.path();
    StartSession(m_dir.path());
    m_sim = std::make_unique<SimulatorProcess>(simulatorArgs);
    if (!m_sim->isReady())
        return m_sim->errorText();
    RegisterHandLaidWindows();
    return {};
}

void WindowTestBed::ResetBed()
{
    PointSessionAt(*m_sim);
    BindUnitList(m_main);
}
