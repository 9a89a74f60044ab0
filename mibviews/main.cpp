// The MIB view programs: one executable answering to the six family names
// the module starts ("MIB", "IFMib", "EthernetLike", "Rmon", "Bridge",
// "Layer3"), with the module's command line.
#include "CvException.h"
#include "CvSNMPSession.h"
#include "CvSnmpTransport.h"
#include "ModuleDirectories.h"
#include "ViewLaunch.h"
#include "ViewWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include <cstdio>

namespace {
// Exit status of a command line that cannot be used.
constexpr int UsageError = 2;

int refuse(const QString &caption, const QString &message)
{
    std::fprintf(
        stderr, "%s: %s\n%s\n", qPrintable(caption), qPrintable(message), qPrintable(ViewUsage()));
    // Started by the module, the operator sees no standard error.
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"))
        QMessageBox::critical(nullptr, caption, message);
    return UsageError;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStringList parameters = QCoreApplication::arguments();
    // The name it was started under, through a link or a copy.
    const QString program = QFileInfo(parameters.takeFirst()).completeBaseName();

    // The line is read before anything is written (the engine's boots
    // counter), so a line that cannot be used leaves no trace.
    const ModuleDirectories dirs = ReadModuleDirectories(false);
    LoadCatalogues(dirs.ModuleDirectory);
    CvSNMPSessionDefaults defaults = InitialSessionDefaults();
    const ViewLaunch launch = ReadViewLaunch(program, parameters, dirs.ConfigDirectory, defaults);
    if (!launch.view)
        return refuse(program, launch.error);
    try {
        StartSession(QString());
    } catch (const CvException &e) {
        return refuse(program, e.message());
    }
    SessionDefaults() = defaults;

    int rc = 0;
    {
        ViewWindow window(*launch.view, ViewTarget(SessionDefaults()), launch.state.AgentAddress);
        window.show();
        window.Refresh();
        rc = app.exec();
    }
    CvSnmpTransport::instance().CloseAll();
    return rc;
}
