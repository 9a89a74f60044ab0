// Soak run of the module: the real main window, started with a command line
// as the program starts it, against a 12-unit trvsim stack that drops and
// delays answers. Every registered window command is opened in turn,
// Refresh and Stop are pressed while the window reads, and the window is
// closed; after the time is up the main window is closed as the operator
// does. The last two lines are
//
//   soak_rss_growth_mb=X   resident memory growth after the warm-up pass
//   soak_failures=N        hangs, windows left open (crashes: bench/shell/soak)
//
//   bench_soak [--seconds N] [--drop-percent P] [--delay-ms N] [--stack S]
//              [--seed S] [--close-limit-ms N] [--verbose] [--no-stacks]
#include "CvConvertError.h"
#include "CvException.h"
#include "CvSnmpTransport.h"
#include "ModuleWindows.h"
#include "SimulatorProcess.h"
#include "SoakDriver.h"
#include "SoakGuard.h"
#include "TMainForm.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <random>

namespace {

const char *const defaultStack = "1:TRV-8170QL,2:TRM6140QL*,3:TRV-8140QL,4:TRM-6140QLI,"
                                 "5:TRV-8170QL,6:TRV-8140PQL,7:TRM6140QL,8:TRV8170QL,"
                                 "9:TRM-6140QL*,10:TRV8140PQL,11:TRV-8170QL,12:TRM-6140QL";

bool writeFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

int setupFailed(const QString &text)
{
    std::printf("soak: cannot start: %s\n", qPrintable(text));
    SoakGuard::PrintSummary(-1, 1);
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption seconds("seconds", "Length of the run, warm-up included.", "N", "300");
    const QCommandLineOption drop("drop-percent", "Requests the agent drops.", "P", "5");
    const QCommandLineOption delay("delay-ms", "Delay of every answer.", "N", "100");
    const QCommandLineOption stack("stack", "The simulated stack.", "S", defaultStack);
    const QCommandLineOption seed("seed", "Seed of the soak's choices and the drops.", "S");
    const QCommandLineOption limit("close-limit-ms", "Time a window has to close.", "N", "6000");
    const QCommandLineOption verbose("verbose", "A line per window.");
    const QCommandLineOption noStacks("no-stacks", "No gdb stacks on crashes and hangs.");
    parser.addOptions({seconds, drop, delay, stack, seed, limit, verbose, noStacks});
    parser.process(app);

    SoakGuard::Install(!parser.isSet(noStacks));
    SoakDriver::Options options;
    options.seconds = parser.value(seconds).toInt();
    options.closeLimitMs = parser.value(limit).toInt();
    options.seed = parser.isSet(seed) ? parser.value(seed).toUInt() : std::random_device()();
    options.verbose = parser.isSet(verbose);

    if (qEnvironmentVariableIsEmpty("TRV_BIN_DIR"))
        qputenv("TRV_BIN_DIR", QCoreApplication::applicationDirPath().toLocal8Bit());
    SimulatorProcess sim({QStringLiteral("--stack"), parser.value(stack),
        QStringLiteral("--drop-percent"), parser.value(drop), QStringLiteral("--delay-ms"),
        parser.value(delay), QStringLiteral("--seed-random"), QString::number(options.seed)});
    if (!sim.isReady())
        return setupFailed(QStringLiteral("trvsim: ") + sim.errorText());
    std::printf("soak: trvsim on %s:%u, drop %s %%, delay %s ms\n", qPrintable(sim.address()),
        unsigned(sim.port()), qPrintable(parser.value(drop)), qPrintable(parser.value(delay)));

    // The module's settings store and configuration file, in a folder of
    // the run's own that is also its working directory.
    QTemporaryDir dir;
    const QString conf = dir.filePath(QStringLiteral("conf"));
    if (!dir.isValid() || !QDir().mkpath(conf) || !QDir::setCurrent(dir.path()))
        return setupFailed(QStringLiteral("no working directory"));
    const QString store = dir.filePath(QStringLiteral("registry.ini"));
    if (!writeFile(store,
            QStringLiteral("[\\SOFTWARE\\Corvane\\Vantrel5.1\\MibFile]\nPath=%1/\n")
                .arg(conf)
                .toUtf8())
        || !writeFile(conf + QStringLiteral("/127.0.0.1.cfg"),
            QStringLiteral("[Program Information]\nAgentPort=%1\nVersion=1\nSecurityModel=3\n"
                           "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n")
                .arg(sim.port())
                .toUtf8()))
        return setupFailed(QStringLiteral("cannot write the settings store"));
    qputenv("TRV_REGISTRY", store.toLocal8Bit());

    // As the program starts: commands registered, then the main window.
    RegisterModuleWindows();
    SoakGuard::SetActivity(QStringLiteral("starting the main window"));
    std::unique_ptr<TMainForm> form;
    try {
        form = std::make_unique<TMainForm>(QStringList {QStringLiteral("/I127.0.0.1"),
            QStringLiteral("/Rkestra"), QStringLiteral("/Wmarlowe")});
    } catch (const CvConvertError &e) {
        return setupFailed(e.message());
    } catch (const CvException &e) {
        return setupFailed(e.message());
    }
    if (form->StartupEnded())
        return setupFailed(QStringLiteral("the module ended its start-up"));
    form->show();

    SoakGuard::StartWatchdog(20);
    SoakDriver driver(*form, options);
    driver.Start();
    app.exec();

    SoakGuard::SetActivity(QStringLiteral("destroying the main window"));
    form.reset();
    CvSnmpTransport::instance().CloseAll();
    SoakGuard::PrintMessageCounts();
    QDir::setCurrent(QDir::tempPath());
    const int failures = SoakGuard::Failures();
    SoakGuard::PrintSummary(driver.EndKb(), failures);
    return failures == 0 ? 0 : 1;
}
