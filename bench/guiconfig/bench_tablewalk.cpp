// Opens two long tables of a 12-unit stack (600 ports) the way an operator
// does, through their generated windows (offscreen), against a simulator
// that answers every request late, and prints for each how long the window
// took to show its whole table, how many requests it sent, and two ratios:
// to the walk of one get-next per row (measured the same way, get-bulk
// switched off) and to the lower bound, the round trips the table's bytes
// need at the agent's largest message, times the delay.
//
//   bench_tablewalk [--delay-ms N] [--version 1|2c] [--skip-get-next]
//       Each window is opened once untimed first; without a delay the
//       best of five openings counts.
//       --delay-ms       the simulator's answer delay (default 100)
//       --version        SNMPv2c (default) or 1 (always get-next)
//       --skip-get-next  measure the get-bulk walk only; the get-next ratio
//                        is then estimated as (rows + 1) x delay
//
// The simulator is taken from beside this program. Nothing is asserted.

#include "Ber.h"
#include "CvException.h"
#include "CvSNMPRequest2Edits.h"
#include "CvSNMPSession.h"
#include "CvSnmpTransport.h"
#include "FakeMainWindow.h"
#include "GeneratedWindows.h"
#include "MainWindowState.h"
#include "SimulatorProcess.h"
#include "TConfigForm.h"
#include "TSNMPPanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <cmath>
#include <cstdio>
#include <optional>

namespace {

const char *const Tables[] = {
    "Layer 2 Management > Port Management > Port Control Table",
    "Basic Configuration > IF-MIB > IfX Table",
};

// The largest message the simulator sends: its transport's limit, the
// largest UDP payload.
constexpr int AgentMessageBytes = 65507;

QStringList stackOfTwelve()
{
    QStringList units;
    for (int u = 1; u <= 12; ++u)
        units << QStringLiteral("%1:TRV-8170QL").arg(u);
    return {QStringLiteral("--stack"), units.join(QLatin1Char(','))};
}

void useAgent(const SimulatorProcess &sim, int version, bool bulk)
{
    CvSNMPSessionDefaults &d = SessionDefaults();
    d = InitialSessionDefaults();
    d.device.address = sim.address();
    d.device.port = sim.port();
    d.security.version = quint8(version);
    d.timeout = 500; // five seconds a try: a slow answer is no failure here
    d.getBulk = bulk;
}

// The agent's count of the messages it received.
std::optional<qint64> inPackets()
{
    static const CvSNMPVar snmpInPkts[] = {
        {"1.3.6.1.2.1.11.1", "snmpInPkts", SyntaxCounter, AccessReadOnly},
        {},
    };
    try {
        CvSNMPRequest count;
        count.SetVarList(snmpInPkts, SVT_SV, 0);
        count.Get(true);
        return count.varList.Var(0).value.toLongLong();
    } catch (const CvException &) {
        return std::nullopt;
    }
}

struct Opening
{
    double seconds = -1;
    int rows = 0;
    qint64 requests = -1;
    QString result;
};

// Opens the window as its menu command does and waits for its first read
// to end.
Opening openWindow(const CvFormDescriptor &descriptor)
{
    Opening o;
    const std::optional<qint64> before = inPackets();
    std::unique_ptr<TConfigForm> form = BuildGeneratedWindow(descriptor);
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    CvSNMPRequest2Edits *request = form->activeRequest;
    QObject::connect(request, &CvSNMPRequest2Controls::OnReadDone, &loop,
        [&](CvSNMPRequest2Controls *, const CvSNMPError &e) {
            o.result = e.message;
            loop.quit();
        });
    QElapsedTimer clock;
    clock.start();
    form->show();
    limit.start(600000);
    loop.exec();
    o.seconds = double(clock.nsecsElapsed()) / 1e9;
    o.rows = form->tablePanel->listView->topLevelItemCount();
    form->close();
    form.reset();
    const std::optional<qint64> after = inPackets();
    if (before && after)
        o.requests = *after - *before - 1; // the count's own read is counted too
    return o;
}

// The encoded size of one variable binding as the agent sends it.
qsizetype bindingBytes(const CvSnmpBinding &b)
{
    using namespace Ber;
    const std::vector<quint32> name(b.oid.begin(), b.oid.end());
    const CvSNMPValue &v = b.value;
    QByteArray value;
    if (v.octets())
        value = tlv(quint8(v.tag()), *v.octets());
    else if (v.oid())
        value = encodeOid(std::vector<quint32>(v.oid()->begin(), v.oid()->end()));
    else if (v.tag() == CvSNMPValue::Counter64)
        value = tlv(quint8(v.tag()), QByteArray(v.unsignedNumber().value_or(0) >> 56 ? 9 : 8, 0));
    else if (v.signedNumber())
        value = tlv(quint8(v.tag()), integerContent(*v.signedNumber()));
    else
        value = tlv(quint8(v.tag()), {});
    return tlv(0x30, encodeOid(name) + value).size();
}

// The bytes of every value of the table's readable columns, read column by
// column straight from a simulator that does not wait.
qint64 tableBytes(const CvFormDescriptor &descriptor, const SimulatorProcess &quick)
{
    CvSnmpTarget target;
    target.address = quick.address();
    target.port = quick.port();
    target.version = 1;
    target.community = QStringLiteral("kestra");
    qint64 bytes = 0;
    for (const CvSNMPVar *v = descriptor.variables; v && v->oid; ++v) {
        if (!(v->access & AccessReadOnly) || (v->access & AccessInvalid))
            continue;
        const CvOid column = ParseOid(QString::fromLatin1(v->oid)).value_or(CvOid());
        CvOid from = column;
        for (bool more = true; more;) {
            QEventLoop loop;
            CvSnmpResponse answer;
            int immediate = 0;
            CvSnmpTransport::instance().SendBulk(
                target, {{from, {}}}, 0, 50,
                [&](const CvSnmpResponse &r) {
                    answer = r;
                    loop.quit();
                },
                &immediate);
            if (immediate != 0)
                return -1;
            loop.exec();
            if (answer.result != 0 || answer.bindings.isEmpty())
                return -1;
            for (const CvSnmpBinding &b : std::as_const(answer.bindings)) {
                const bool inColumn = b.oid.size() > column.size()
                    && std::equal(column.begin(), column.end(), b.oid.begin());
                if (!inColumn || b.value.isException()) {
                    more = false;
                    break;
                }
                bytes += bindingBytes(b);
                from = b.oid;
            }
        }
    }
    return bytes;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int delay = 100;
    int version = 1;
    bool compare = true;
    const QStringList args = app.arguments().mid(1);
    for (qsizetype k = 0; k < args.size(); ++k) {
        if (args[k] == QLatin1String("--delay-ms") && k + 1 < args.size())
            delay = args[++k].toInt();
        else if (args[k] == QLatin1String("--version") && k + 1 < args.size())
            version = args[++k] == QLatin1String("1") ? 0 : 1;
        else if (args[k] == QLatin1String("--skip-get-next"))
            compare = false;
    }

    QTemporaryDir scratch;
    const SimulatorProcess slow(
        stackOfTwelve() + QStringList {QStringLiteral("--delay-ms"), QString::number(delay)});
    const SimulatorProcess quick(stackOfTwelve());
    if (!slow.isReady() || !quick.isReady()) {
        std::fprintf(stderr, "bench_tablewalk: trvsim did not start: %s\n",
            qPrintable(slow.errorText() + quick.errorText()));
        return 1;
    }
    FakeMainWindow main;
    MainWindowState::setInstance(&main);
    try {
        StartSession(scratch.path());
    } catch (const CvException &e) {
        std::fprintf(stderr, "bench_tablewalk: %s\n", qPrintable(e.message()));
        return 1;
    }
    std::printf("simulator: 12 units of 50 ports, every answer %d ms late, SNMP%s\n", delay,
        version == 0 ? "v1" : "v2c");
    for (const char *path : Tables) {
        const CvFormDescriptor *descriptor = FindFormDescriptor(QString::fromLatin1(path));
        if (!descriptor) {
            std::fprintf(stderr, "bench_tablewalk: no window %s\n", path);
            return 1;
        }
        // The window once against the quick simulator first: the first
        // opening of a window pays for more than its walk.
        useAgent(quick, version, true);
        openWindow(*descriptor);
        // Without a delay a walk takes milliseconds: the best of five.
        const int rounds = delay == 0 ? 5 : 1;
        const auto best = [&](bool bulk) {
            useAgent(slow, version, bulk);
            Opening o = openWindow(*descriptor);
            for (int k = 1; k < rounds; ++k) {
                const Opening again = openWindow(*descriptor);
                if (again.seconds < o.seconds)
                    o = again;
            }
            return o;
        };
        const Opening bulk = best(true);
        std::optional<Opening> next;
        if (compare && version != 0)
            next = best(false);
        const qint64 bytes = tableBytes(*descriptor, quick);
        const double nextSeconds = next ? next->seconds : double(bulk.rows + 1) * delay / 1000.0;
        const double roundTrips = std::ceil(double(bytes) / AgentMessageBytes);
        const double bound = roundTrips * delay / 1000.0;
        std::printf("\n%s: %d rows, %lld bytes of values (%.0f messages of %d bytes)\n",
            descriptor->title, bulk.rows, static_cast<long long>(bytes), roundTrips,
            AgentMessageBytes);
        std::printf("  as opened:      %7.2f s  %5lld requests  %s\n", bulk.seconds,
            static_cast<long long>(bulk.requests), qPrintable(bulk.result));
        if (next)
            std::printf("  get-next walk:  %7.2f s  %5lld requests  %d rows\n", next->seconds,
                static_cast<long long>(next->requests), next->rows);
        std::printf("  ratio to the get-next walk%s: %.3f\n", next ? "" : " (estimated)",
            bulk.seconds / nextSeconds);
        if (bound > 0)
            std::printf("  ratio to the lower bound (%.2f s): %.1f\n", bound, bulk.seconds / bound);
        else
            std::printf("  ratio to the lower bound: none without a delay\n");
        std::fflush(stdout);
    }
    return 0;
}
