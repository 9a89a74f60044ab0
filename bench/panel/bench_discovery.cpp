// Start-up of the module against a unit table far larger than any stack:
// the real main window, constructed as the program constructs it (stack
// discovery runs inside its construction), against a scripted agent on
// loopback serving ROWS unit rows (units 0 to ROWS - 2 and 4294967295).
// Prints one line
//
//   rows=N panels=P unit_walk_requests=W main_window_ms=T rss_growth_mb=M
//   idle_cpu_percent=C exit_ms=E            (on one line)
//
// T: from the start of the construction until the window is shown; M: the
// resident memory the shown window added; C: this process's CPU time
// (window and agent) over SECONDS of idle polling; E: the window's
// destruction. It measures, it never judges.
//
//   bench_discovery [ROWS] [SECONDS]     defaults 3000 and 5

#include "CvConvertError.h"
#include "CvException.h"
#include "CvSnmpTransport.h"
#include "ProcessMeasures.h"
#include "TMainForm.h"
#include "UnitTableAgent.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <optional>
#include <sys/resource.h>

namespace {

int fail(const QString &text)
{
    std::fprintf(stderr, "bench_discovery: %s\n", qPrintable(text));
    return 1;
}

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int rows = qMax(2, args.value(1, QStringLiteral("3000")).toInt());
    const int seconds = qMax(1, args.value(2, QStringLiteral("5")).toInt());

    UnitTableAgent agent;
    QList<UnitTableAgent::Unit> units;
    for (int id = 0; id < rows - 1; ++id)
        units.append(UnitTableAgent::Unit {quint32(id), true, QStringLiteral("TRV-8170QL"), 50});
    units.append(UnitTableAgent::Unit {4294967295u, true, QStringLiteral("TRV-8170QL"), 50});
    agent.setUnits(units);

    // The settings store names the configuration directory; its file for
    // 127.0.0.1 gives the agent's port and SNMPv2c.
    QTemporaryDir dir;
    const QString conf = dir.filePath(QStringLiteral("conf"));
    if (!dir.isValid() || !QDir().mkpath(conf) || !QDir::setCurrent(dir.path()))
        return fail(QStringLiteral("no working directory"));
    const QString store = dir.filePath(QStringLiteral("registry.ini"));
    if (!writeFile(store,
            QStringLiteral("[\\SOFTWARE\\Corvane\\Vantrel5.1\\MibFile]\nPath=%1/\n")
                .arg(conf)
                .toUtf8())
        || !writeFile(conf + QStringLiteral("/127.0.0.1.cfg"),
            QStringLiteral("[Program Information]\nAgentPort=%1\nVersion=1\nSecurityModel=3\n"
                           "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n"
                           // the scripted agent answers get-next only
                           "GetBulk=0\n")
                .arg(agent.port())
                .toUtf8()))
        return fail(QStringLiteral("cannot write the settings store"));
    qputenv("TRV_REGISTRY", store.toLocal8Bit());

    const double rssBefore = residentMb(QCoreApplication::applicationPid()).value_or(0);
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<TMainForm> form;
    try {
        form = std::make_unique<TMainForm>(QStringList {QStringLiteral("/I127.0.0.1"),
            QStringLiteral("/Rkestra"), QStringLiteral("/Wmarlowe")});
    } catch (const CvConvertError &e) {
        return fail(e.message());
    } catch (const CvException &e) {
        return fail(e.message());
    }
    if (form->StartupEnded())
        return fail(QStringLiteral("the module ended its start-up"));
    form->show();
    QCoreApplication::processEvents(); // the first paint
    const qint64 shownMs = clock.elapsed();
    const int walkRequests = agent.getNextRequests();
    const double rssShown = residentMb(QCoreApplication::applicationPid()).value_or(0);

    waitMs(1000); // the first LED reads
    const double cpuStart = cpuSeconds();
    clock.restart();
    waitMs(seconds * 1000);
    const double idlePercent
        = 100.0 * (cpuSeconds() - cpuStart) / (double(clock.elapsed()) / 1000.0);
    const qsizetype panels = form->PanelWindows().size();

    clock.restart();
    form.reset();
    const qint64 exitMs = clock.elapsed();
    CvSnmpTransport::instance().CloseAll();
    QDir::setCurrent(QDir::tempPath());

    std::printf("rows=%d panels=%lld unit_walk_requests=%d main_window_ms=%lld rss_growth_mb=%.1f "
                "idle_cpu_percent=%.2f exit_ms=%lld\n",
        rows, static_cast<long long>(panels), walkRequests, static_cast<long long>(shownMs),
        rssShown - rssBefore, idlePercent, static_cast<long long>(exitMs));
    return 0;
}
