// Walks the 5000-entry dot1dTpFdbTable of a private trvsim with the view
// programs' engine (get-bulk, the three columns side by side, values into
// the view's model with rates and decoded indexes) and with Net-SNMP's
// snmpbulkwalk of the same entry, asking for as many values per request,
// so both send the same number of get-bulk requests for the same 15000
// values. Prints view_walk_ratio = engine time / snmpbulkwalk time of the
// best round of each as its last line.
//
//   bench_viewwalk [ROUNDS]
//       ROUNDS default 5; trvsim is taken from beside this program,
//       snmpbulkwalk from PATH.

#include "CvException.h"
#include "CvSNMPSession.h"
#include "SimulatorProcess.h"
#include "ViewLaunch.h"
#include "ViewPoller.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

const char *const fdbEntry = "1.3.6.1.2.1.17.4.3.1";

const CvIntOption fdbStatus[]
    = {{1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}, {0, nullptr}};
const ViewIndexPart byAddress[] = {{"dot1dTpFdbAddress", ViewIndexKind::IndexMac}, {}};
// The whole entry, as snmpbulkwalk reads it: the address column as well.
const ViewColumn entryColumns[] = {
    {"1", "dot1dTpFdbAddress", ViewKind::Mac},
    {"2", "dot1dTpFdbPort", ViewKind::Number},
    {"3", "dot1dTpFdbStatus", ViewKind::Enum, nullptr, fdbStatus},
    {},
};
const ViewSection entrySections[] = {{"dot1dTpFdbTable", fdbEntry, byAddress, entryColumns}, {}};
const ViewDefinition wholeEntry = {"Bench_FdbEntry", "dot1dTpFdbEntry", "", entrySections};

int fail(const QString &text)
{
    std::fprintf(stderr, "bench_viewwalk: %s\n", qPrintable(text));
    return 1;
}

// One poll of the view; milliseconds, or -1 when it failed.
double engineWalk(ViewPoller &poller, int &values)
{
    QEventLoop loop;
    QTimer::singleShot(120000, &loop, [&loop] { loop.exit(1); });
    const auto done
        = QObject::connect(&poller, &ViewPoller::Finished, &loop, [&loop] { loop.exit(0); });
    QElapsedTimer clock;
    clock.start();
    poller.Poll();
    const bool finished = loop.exec() == 0;
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    QObject::disconnect(done);
    const ViewModel &model = *poller.Model(0);
    values = model.rowCount() * int(model.RequestOids().size());
    return finished && poller.LastResult().complete ? ms : -1;
}

double bulkWalk(const QString &program, const QString &agent, int perRequest,
    const QString &scratch, int &values)
{
    QProcess walk;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MIBS"), QString());
    env.insert(QStringLiteral("SNMPCONFPATH"), scratch);
    env.insert(QStringLiteral("SNMP_PERSISTENT_DIR"), scratch);
    walk.setProcessEnvironment(env);
    const QString output = scratch + QStringLiteral("/walk.txt");
    walk.setStandardOutputFile(output);
    const QStringList args {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("kestra"),
        QStringLiteral("-r"), QStringLiteral("1"), QStringLiteral("-t"), QStringLiteral("2"),
        QStringLiteral("-Cr%1").arg(perRequest), QStringLiteral("-On"), agent,
        QString::fromLatin1(fdbEntry)};
    QElapsedTimer clock;
    clock.start();
    walk.start(program, args);
    if (!walk.waitForFinished(120000) || walk.exitStatus() != QProcess::NormalExit
        || walk.exitCode() != 0)
        return -1;
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    QFile file(output);
    values = 0;
    if (file.open(QIODevice::ReadOnly))
        values = int(file.readAll().count('\n'));
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int rounds = 5;
    for (const QString &arg : app.arguments().mid(1))
        if (arg.toInt() > 0)
            rounds = arg.toInt();
    const QString snmpbulkwalk = QStandardPaths::findExecutable(QStringLiteral("snmpbulkwalk"));
    if (snmpbulkwalk.isEmpty())
        return fail(QStringLiteral("snmpbulkwalk is not on the PATH"));
    QTemporaryDir scratch;
    const SimulatorProcess sim;
    if (!sim.isReady())
        return fail(QStringLiteral("trvsim did not start: ") + sim.errorText());
    const quint16 port = sim.port();

    try {
        StartSession(scratch.path());
        CvSNMPSessionDefaults defaults = InitialSessionDefaults();
        defaults.device.address = QStringLiteral("127.0.0.1");
        defaults.device.port = port;
        defaults.security.version = 1; // SNMPv2c, as snmpbulkwalk -v2c
        ViewPoller entry(wholeEntry, ViewTarget(defaults));
        ViewPoller view(*FindView(QStringLiteral("Bridge_Forwarding")), ViewTarget(defaults));
        const QString agent = QStringLiteral("127.0.0.1:%1").arg(port);
        // Values per request as the engine asks them: its repetitions over
        // the three columns.
        int engineValues = 0;
        int walkValues = 0;
        engineWalk(entry, engineValues);
        const int perRequest = entry.walker().Repetitions() * 3;
        bulkWalk(snmpbulkwalk, agent, perRequest, scratch.path(), walkValues);
        int viewValues = 0;
        engineWalk(view, viewValues);

        double engineBest = -1;
        double walkBest = -1;
        double viewBest = -1;
        for (int i = 1; i <= rounds; ++i) {
            const double e = engineWalk(entry, engineValues);
            const double w = bulkWalk(snmpbulkwalk, agent, perRequest, scratch.path(), walkValues);
            const double v = engineWalk(view, viewValues);
            std::printf("round %d: engine %.1f ms (%d values, %d requests), snmpbulkwalk -Cr%d "
                        "%.1f ms (%d values), view %.1f ms\n",
                i, e, engineValues, entry.LastResult().requests, perRequest, w, walkValues, v);
            std::fflush(stdout);
            if (e < 0 || w < 0 || v < 0 || engineValues != walkValues || engineValues < 15000)
                return fail(QStringLiteral("a walk failed or the walks differ: ")
                    + entry.LastResult().message);
            engineBest = engineBest < 0 ? e : std::min(engineBest, e);
            walkBest = walkBest < 0 ? w : std::min(walkBest, w);
            viewBest = viewBest < 0 ? v : std::min(viewBest, v);
        }
        std::printf("engine_best_ms=%.1f\nsnmpbulkwalk_best_ms=%.1f\nview_best_ms=%.1f\n",
            engineBest, walkBest, viewBest);
        std::printf("view_walk_ratio=%.2f\n", engineBest / walkBest);
    } catch (const CvException &e) {
        return fail(e.message());
    }
    return 0;
}
