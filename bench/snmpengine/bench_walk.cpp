// Walks the 5000-row dot1qTpFdbTable of a private trvsim twice per round:
// with the engine (asynchronous, one get-next per row carrying the row's
// port and status columns as a window reads them, rows into a bound list
// view) and with Net-SNMP's snmpwalk of the port column (the same number of
// get-next requests), and prints walk_ratio = engine time / snmpwalk time
// of the best round of each as its last line.
//
//   bench_walk [ROUNDS] [--no-view]
//       ROUNDS default 5; trvsim is taken from beside this program,
//       snmpwalk from PATH. --no-view walks without a list view, to tell
//       the request path's share from the list view's.

#include "CvCatalogues.h"
#include "CvException.h"
#include "CvSNMPRequest2Edits.h"
#include "CvSNMPSession.h"
#include "SimulatorProcess.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

namespace {

const char *const tpFdbPort = "1.3.6.1.2.1.17.7.1.2.2.1.2";

const CvSNMPVar fdbTable[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB Id", SyntaxGauge, AccessNotAccessible},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "Address", SyntaxMacAddress, AccessNotAccessible},
    {tpFdbPort, "Port", SyntaxInteger, AccessReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", SyntaxInteger, AccessReadOnly},
    {},
};

int fail(const QString &text)
{
    std::fprintf(stderr, "bench_walk: %s\n", qPrintable(text));
    return 1;
}

// One engine walk into the list view; milliseconds, or -1 on an error.
double engineWalk(CvSNMPRequest2Edits &binding, QTreeWidget &view, int &rows)
{
    view.clear();
    QEventLoop loop;
    CvSNMPError result;
    const auto done = QObject::connect(&binding, &CvSNMPRequest2Edits::OnReadDone, &loop,
        [&](CvSNMPRequest2Controls *, const CvSNMPError &error) {
            result = error;
            loop.quit();
        });
    QElapsedTimer clock;
    clock.start();
    binding.Read();
    if (binding.IsBusy())
        loop.exec();
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    QObject::disconnect(done);
    rows = binding.rowCount;
    return result.code == 0 ? ms : -1;
}

// One snmpwalk of the port column; milliseconds, or -1 on an error.
double snmpWalk(const QString &program, const QString &agent, const QString &scratch, int &rows)
{
    QProcess walk;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // No MIB files, no configuration, nothing persisted outside scratch.
    env.insert(QStringLiteral("MIBS"), QString());
    env.insert(QStringLiteral("SNMPCONFPATH"), scratch);
    env.insert(QStringLiteral("SNMP_PERSISTENT_DIR"), scratch);
    walk.setProcessEnvironment(env);
    const QString output = scratch + QStringLiteral("/walk.txt");
    walk.setStandardOutputFile(output);
    const QStringList args {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("kestra"),
        QStringLiteral("-r"), QStringLiteral("1"), QStringLiteral("-t"), QStringLiteral("2"),
        QStringLiteral("-On"), agent, QString::fromLatin1(tpFdbPort)};
    QElapsedTimer clock;
    clock.start();
    walk.start(program, args);
    if (!walk.waitForFinished(120000) || walk.exitStatus() != QProcess::NormalExit
        || walk.exitCode() != 0)
        return -1;
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    QFile file(output);
    rows = 0;
    if (file.open(QIODevice::ReadOnly))
        rows = int(file.readAll().count('\n'));
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const bool withView = !args.contains(QStringLiteral("--no-view"));
    int rounds = 5;
    for (const QString &arg : args)
        if (arg.toInt() > 0)
            rounds = arg.toInt();

    const QString snmpwalk = QStandardPaths::findExecutable(QStringLiteral("snmpwalk"));
    if (snmpwalk.isEmpty())
        return fail(QStringLiteral("snmpwalk is not on the PATH"));
    QTemporaryDir scratch;
    const SimulatorProcess sim;
    if (!sim.isReady())
        return fail(QStringLiteral("trvsim did not start: ") + sim.errorText());
    const quint16 port = sim.port();

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *view = new QTreeWidget(&window);
    auto *panel = new QLabel(&window);
    layout->addWidget(view);
    layout->addWidget(panel);
    window.resize(640, 480);
    window.show();

    try {
        StartSession(scratch.path());
        CvSNMPSessionDefaults &defaults = SessionDefaults();
        defaults.device.address = QStringLiteral("127.0.0.1");
        defaults.device.port = port;
        defaults.security.version = 1; // SNMPv2c, as snmpwalk -v2c
        defaults.getBulk = false; // one get-next per row, as snmpwalk

        CvSNMPRequest2Edits binding(&window);
        binding.SetVarList(fdbTable, MVT_FMV, 2);
        if (withView)
            binding.BindListView(view, false);
        binding.SetMessageTarget(panel);
        const QString agent = QStringLiteral("127.0.0.1:%1").arg(port);

        // One walk of each first: the engine opens its library session, the
        // agent and the page cache warm up.
        int engineRows = 0;
        int walkRows = 0;
        engineWalk(binding, *view, engineRows);
        snmpWalk(snmpwalk, agent, scratch.path(), walkRows);

        double engineBest = -1;
        double walkBest = -1;
        for (int i = 1; i <= rounds; ++i) {
            const double e = engineWalk(binding, *view, engineRows);
            const double w = snmpWalk(snmpwalk, agent, scratch.path(), walkRows);
            std::printf("round %d: engine %.1f ms (%d rows), snmpwalk %.1f ms (%d rows)\n", i, e,
                engineRows, w, walkRows);
            std::fflush(stdout);
            if (e < 0 || w < 0 || engineRows != walkRows || engineRows == 0)
                return fail(QStringLiteral("a walk failed or the walks differ: ") + panel->text());
            engineBest = engineBest < 0 ? e : std::min(engineBest, e);
            walkBest = walkBest < 0 ? w : std::min(walkBest, w);
        }
        std::printf("engine_best_ms=%.1f\nsnmpwalk_best_ms=%.1f\n", engineBest, walkBest);
        std::printf("walk_ratio=%.2f\n", engineBest / walkBest);
    } catch (const CvException &e) {
        return fail(e.message());
    }
    return 0;
}
