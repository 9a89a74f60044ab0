// The MIB view programs: one executable answering to the six family names
// the module starts ("MIB", "IFMib", "EthernetLike", "Rmon", "Bridge",
// "Layer3"). Started by the module, the command line names the view and
// the module's process, the session comes on standard input, and the view
// ends with the module; started by hand, the command line carries the agent
// as the module's own does, its port with any version.
#include "CvException.h"
#include "CvSNMPSession.h"
#include "CvSnmpTransport.h"
#include "HelpKey.h"
#include "ModuleDirectories.h"
#include "ViewLaunch.h"
#include "ViewSession.h"
#include "ViewWindow.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

#include <cstdio>
#include <optional>

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

// With $TRV_VIEW_REPORT naming a file, every finished poll appends a line
// per section, "VIEW<tab>SECTION<tab>ROWS", so a script or a test can tell
// what the window shows without looking at it.
void reportPolls(ViewWindow &window, const ViewDefinition &view)
{
    const QString file = qEnvironmentVariable("TRV_VIEW_REPORT");
    if (file.isEmpty())
        return;
    QObject::connect(&window.poller(), &ViewPoller::Finished, &window, [&window, &view, file] {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Append))
            return;
        const ViewPoller &poller = window.poller();
        for (int s = 0; s < poller.SectionCount(); ++s) {
            const ViewModel &model = *poller.Model(s);
            out.write(QStringLiteral("%1\t%2\t%3\n")
                          .arg(QLatin1String(view.argument), QLatin1String(model.section().title))
                          .arg(model.rowCount())
                          .toUtf8());
        }
    });
}

} // namespace

int main(int argc, char *argv[])
{
    // The help needs no display: it is answered before the toolkit starts.
    {
        QStringList line;
        for (int k = 1; k < argc; ++k)
            line.append(QString::fromLocal8Bit(argv[k]));
        if (AsksForHelp(line)) {
            const QString name = QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName();
            std::fputs(qPrintable(ViewHelp(name)), stdout);
            return 0;
        }
    }
    QApplication app(argc, argv);
    InstallHelpKey();
    QStringList parameters = QCoreApplication::arguments();
    // The name it was started under, through a link or a copy.
    const QString program = QFileInfo(parameters.takeFirst()).completeBaseName();

    // The line is read before anything is written (the engine's boots
    // counter), so a line that cannot be used leaves no trace.
    const ModuleDirectories dirs = ReadModuleDirectories(false);
    LoadCatalogues(dirs.ModuleDirectory);
    CvSNMPSessionDefaults defaults = InitialSessionDefaults();
    std::optional<QByteArray> session;
    if (parameters.contains(QLatin1String(SessionOnStdinSwitch)))
        session = ReadStandardInput(MaxViewSessionBytes);
    const ViewLaunch launch
        = ReadViewLaunch(program, parameters, dirs.ConfigDirectory, defaults, session);
    if (session)
        WipeBytes(*session);
    if (!launch.view)
        return refuse(program, launch.error);
    // Started by the module, the view lives as long as the module: it ends
    // with it, or does not open when the module has gone already.
    std::optional<ProcessWatch> module;
    if (launch.endWith) {
        module.emplace(*launch.endWith);
        if (!module->WatchedIsRunning())
            return 0;
        QObject::connect(&*module, &ProcessWatch::Ended, &app, &QCoreApplication::quit);
    }
    try {
        StartSession(QString());
    } catch (const CvException &e) {
        return refuse(program, e.message());
    }
    SessionDefaults() = defaults;

    int rc = 0;
    {
        ViewWindow window(*launch.view, ViewTarget(SessionDefaults()), launch.state.AgentAddress);
        reportPolls(window, *launch.view);
        window.show();
        window.Refresh();
        rc = app.exec();
    }
    CvSnmpTransport::instance().CloseAll();
    return rc;
}
