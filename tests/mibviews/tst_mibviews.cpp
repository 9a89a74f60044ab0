// The MIB view programs against trvsim: every view opened from the session
// the module hands over, the agent the module reaches, rates of counters
// (readable in a dark theme too), a 32-bit wrap, SNMPv1 walks, walks stopped
// or squeezed by tooBig, and command lines that cannot be used; the programs
// typed by hand, asked for help, and ending with the module that started
// them.
#include "Ber.h"
#include "CvSNMPSession.h"
#include "CvSnmpTransport.h"
#include "DarkTheme.h"
#include "ExternalView.h"
#include "ProcessWatch.h"
#include "RateChart.h"
#include "SimulatorProcess.h"
#include "ViewLaunch.h"
#include "ViewSession.h"
#include "ViewWindow.h"

#include <QNetworkDatagram>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>

namespace {

// Waits in an event loop for a poll to end; false on a time-out.
bool waitPoll(ViewPoller &poller, int timeoutMs = 20000)
{
    if (!poller.IsPolling())
        return true;
    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, [&loop] { loop.exit(1); });
    QObject::connect(&poller, &ViewPoller::Finished, &loop, [&loop] { loop.exit(0); });
    return loop.exec() == 0;
}

bool poll(ViewPoller &poller)
{
    poller.Poll();
    return waitPoll(poller);
}

void pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Column k of a section by the object's name.
int columnOf(const ViewModel &model, const char *name)
{
    for (int k = 0; k < model.RequestOids().size(); ++k)
        if (qstrcmp(model.Column(k).name, name) == 0)
            return k;
    return -1;
}

// An SNMPv2c agent serving INTEGER objects the test gives: get, get-next and
// get-bulk, with tooBig while more than `limit` repetitions are asked. From
// its answer `faultFrom` on (counted from 1) it may misanswer on purpose.
class ScriptedAgent : public QObject
{
public:
    enum class Fault {
        None,
        CutShort, // half the repetitions asked: the agent's right
        ExtraBinding, // one binding more than the answer should hold
        MissingBinding, // the last binding left out
        SwappedBindings, // the first two bindings change places
    };

    explicit ScriptedAgent(int limit = 1000)
        : m_limit(limit)
    {
        m_socket.bind(QHostAddress::LocalHost, 0);
        connect(&m_socket, &QUdpSocket::readyRead, this, &ScriptedAgent::answer);
    }
    quint16 port() const { return m_socket.localPort(); }
    void set(std::vector<quint32> oid, qint64 value) { m_objects[std::move(oid)] = value; }
    // Rows 1 to rows of a column, the value of row r being value(r).
    void addColumn(
        const std::vector<quint32> &column, int rows,
        const std::function<qint64(int)> &value = [](int r) { return r; })
    {
        for (int r = 1; r <= rows; ++r) {
            std::vector<quint32> oid = column;
            oid.push_back(quint32(r));
            set(oid, value(r));
        }
    }
    void setFault(Fault fault, int from)
    {
        m_fault = fault;
        m_faultFrom = from;
    }
    QList<int> asked; // the max-repetitions of every get-bulk

private:
    using Oid = std::vector<quint32>;

    void answer()
    {
        using namespace Ber;
        while (m_socket.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = m_socket.receiveDatagram();
            const QByteArray d = datagram.data();
            qsizetype pos = 0, len = 0;
            if (readHeader(d, pos, len) != 0x30 || readHeader(d, pos, len) != 0x02)
                continue;
            const QByteArray version = d.mid(pos, len);
            pos += len;
            if (readHeader(d, pos, len) != 0x04)
                continue;
            const QByteArray community = d.mid(pos, len);
            pos += len;
            const std::optional<quint8> pduTag = readHeader(d, pos, len);
            if ((pduTag != 0xA5 && pduTag != 0xA0 && pduTag != 0xA1)
                || readHeader(d, pos, len) != 0x02)
                continue;
            const QByteArray requestId = d.mid(pos, len);
            pos += len;
            readHeader(d, pos, len); // non-repeaters or error status
            pos += len;
            readHeader(d, pos, len); // max-repetitions or error index
            int reps = 0;
            for (qsizetype i = 0; i < len; ++i)
                reps = reps * 256 + quint8(d[pos + i]);
            pos += len;
            QList<Oid> names;
            qsizetype listLen = 0;
            readHeader(d, pos, listLen);
            const qsizetype end = pos + listLen;
            while (pos < end && readHeader(d, pos, len) == 0x30) {
                const qsizetype next = pos + len;
                if (readHeader(d, pos, len) == 0x06)
                    names.append(decodeOid(d.mid(pos, len)));
                pos = next;
            }
            if (pduTag == 0xA5)
                asked.append(reps);
            else
                reps = 1;
            ++m_answers;
            const bool faulty = m_fault != Fault::None && m_answers >= m_faultFrom;
            if (faulty && m_fault == Fault::CutShort)
                reps = (reps + 1) / 2;
            QList<QByteArray> bindings;
            int status = 0;
            if (pduTag == 0xA5 && reps > m_limit) {
                status = 1; // tooBig
            } else if (pduTag == 0xA0) {
                for (const Oid &name : std::as_const(names)) {
                    const auto it = m_objects.find(name);
                    bindings.append(it == m_objects.end()
                            ? tlv(0x30, encodeOid(name) + tlv(0x80, {}))
                            : tlv(0x30, encodeOid(name) + tlv(0x02, integerContent(it->second))));
                }
            } else {
                QList<Oid> cursors = names;
                for (int r = 0; r < reps; ++r) {
                    for (Oid &cursor : cursors) {
                        const auto it = m_objects.upper_bound(cursor);
                        if (it == m_objects.end()) {
                            bindings.append(tlv(0x30, encodeOid(cursor) + tlv(0x82, {})));
                            continue;
                        }
                        cursor = it->first;
                        bindings.append(
                            tlv(0x30, encodeOid(cursor) + tlv(0x02, integerContent(it->second))));
                    }
                }
            }
            if (faulty && !bindings.isEmpty()) {
                if (m_fault == Fault::ExtraBinding)
                    bindings.append(bindings.constLast());
                else if (m_fault == Fault::MissingBinding)
                    bindings.removeLast();
                else if (m_fault == Fault::SwappedBindings && bindings.size() > 1)
                    bindings.swapItemsAt(0, 1);
            }
            const QByteArray pdu = tlv(0x02, requestId) + tlv(0x02, integerContent(status))
                + tlv(0x02, integerContent(0)) + tlv(0x30, bindings.join());
            m_socket.writeDatagram(
                tlv(0x30, tlv(0x02, version) + tlv(0x04, community) + tlv(0xA2, pdu)),
                datagram.senderAddress(), quint16(datagram.senderPort()));
        }
    }

    QUdpSocket m_socket;
    std::map<Oid, qint64> m_objects;
    int m_limit;
    Fault m_fault = Fault::None;
    int m_faultFrom = 1;
    int m_answers = 0;
};

} // namespace

class TstMibViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { CvSnmpTransport::instance().CloseAll(); }
    void everyViewFromTheModulesSession_data();
    void everyViewFromTheModulesSession();
    void viewReachesTheModulesAgent_data();
    void viewReachesTheModulesAgent();
    void ratesAfterSecondPollAndChart();
    void counter32WrapGivesTheRate();
    void snmpV1WalksWithGetNext();
    void stopCutsTheWalkShort();
    void tooBigHalvesTheRepetitions();
    void answersThatDoNotFit_data();
    void answersThatDoNotFit();
    void interfaceCountersInSixtyFourBits_data();
    void interfaceCountersInSixtyFourBits();
    void agentRestartGivesNoRate();
    void absentMibsSaidSo();
    void failedSectionLeavesTheOthersRead();
    void unusableCommandLines_data();
    void unusableCommandLines();
    void handTypedLineReachesItsPort_data();
    void handTypedLineReachesItsPort();
    void helpOnTheTerminal_data();
    void helpOnTheTerminal();
    void viewEndsWithItsModule_data();
    void viewEndsWithItsModule();

private:
    // The configuration file the module and the program read for 127.0.0.1.
    void writeConfig(const QByteArray &body);
    // What the view reads when the module starts it with its parameters:
    // the module's start-up, the command it makes, the view's intake.
    ViewLaunch launchFromModule(const QString &view, const QStringList &moduleParameters,
        const QString &configDirectory, CvSNMPSessionDefaults &viewDefaults,
        QByteArray *moduleSession = nullptr);
    CvSnmpTarget v2cTarget(quint16 port) const;
    QTemporaryDir m_dir;
    std::unique_ptr<SimulatorProcess> m_sim;
};

void TstMibViews::initTestCase()
{
    StartSession(m_dir.path());
    m_sim = std::make_unique<SimulatorProcess>();
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
    QDir().mkpath(m_dir.filePath("conf"));
}

void TstMibViews::writeConfig(const QByteArray &body)
{
    QFile f(m_dir.filePath("conf/127.0.0.1.cfg"));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("[Program Information]\r\n" + body);
}

CvSnmpTarget TstMibViews::v2cTarget(quint16 port) const
{
    CvSNMPSessionDefaults d = InitialSessionDefaults();
    d.device.address = QStringLiteral("127.0.0.1");
    d.device.port = port;
    d.security.version = 1;
    return ViewTarget(d);
}

ViewLaunch TstMibViews::launchFromModule(const QString &view, const QStringList &moduleParameters,
    const QString &configDirectory, CvSNMPSessionDefaults &viewDefaults, QByteArray *moduleSession)
{
    StartupState module;
    CvSNMPSessionDefaults moduleDefaults = InitialSessionDefaults();
    ApplyParameters(moduleParameters, configDirectory, module, moduleDefaults);
    const ViewCommand command = MakeViewCommand("/T" + view, module, moduleDefaults);
    if (moduleSession)
        *moduleSession = ViewSession::FromModule(module, moduleDefaults).ToJson();
    viewDefaults = InitialSessionDefaults();
    return ReadViewLaunch(
        command.family, command.arguments, configDirectory, viewDefaults, command.session);
}

void TstMibViews::everyViewFromTheModulesSession_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<bool>("v3");
    QCOMPARE(AllViews().size(), 26);
    for (const ViewDefinition *v : AllViews()) {
        QTest::addRow("%s v2c", v->argument) << QString(v->argument) << false;
        QTest::addRow("%s v3", v->argument) << QString(v->argument) << true;
    }
}

// The module hands over the session of its own start-up; every section of
// every view shows rows or values, no error.
void TstMibViews::everyViewFromTheModulesSession()
{
    QFETCH(QString, view);
    QFETCH(bool, v3);
    const QByteArray port = QByteArray::number(m_sim->port());
    writeConfig(v3 ? "AgentPort=" + port
                + "\r\nVersion=3\r\nSecurityModel=3\r\nSecurityLevel=2\r\n"
                  "SecurityName=shaaesuser\r\nAuthProtocol=2\r\nPrivProtocol=3\r\n"
                  "AuthPassword=authpass123\r\nPrivPassword=privpass123\r\n"
                   : "AgentPort=" + port
                + "\r\nVersion=1\r\nSecurityModel=3\r\nSecurityLevel=0\r\n"
                  "AuthProtocol=0\r\nPrivProtocol=0\r\n");
    CvSNMPSessionDefaults defaults;
    const ViewLaunch launch = launchFromModule(
        view, {"/I127.0.0.1", "/Rkestra", "/Wmarlowe"}, m_dir.filePath("conf/"), defaults);
    QVERIFY2(launch.view, qPrintable(launch.error));
    QCOMPARE(QString(launch.view->argument), view);
    const CvSnmpTarget target = ViewTarget(defaults);
    QCOMPARE(target.version, quint8(v3 ? 3 : 1));
    QCOMPARE(target.port, m_sim->port());

    ViewPoller poller(*launch.view, target);
    QVERIFY(poll(poller));
    const ViewPollResult &result = poller.LastResult();
    QVERIFY2(result.complete, qPrintable(result.message));
    QCOMPARE(result.code, 0);
    for (int s = 0; s < poller.SectionCount(); ++s) {
        const ViewModel &model = *poller.Model(s);
        const QString section = model.section().title;
        QVERIFY2(model.rowCount() > 0, qPrintable(section + " has no rows"));
        // Every object the section reads is there, in some row.
        for (int k = 0; k < model.ColumnCount(); ++k) {
            bool found = false;
            for (int r = 0; r < (model.isTable() ? model.rowCount() : 1) && !found; ++r)
                found = model.HasValue(r, k);
            QVERIFY2(found, qPrintable(section + ": no value of " + model.Column(k).name));
        }
    }
}

void TstMibViews::viewReachesTheModulesAgent_data()
{
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<QByteArray>("file"); // none when empty
    const QByteArray port = QByteArray::number(m_sim->port());
    const QByteArray v3 = "Version=3\r\nSecurityModel=3\r\nSecurityLevel=2\r\n"
                          "AuthProtocol=2\r\nPrivProtocol=3\r\n";
    // "/v" and "/I" inside the pass phrases, and a blank.
    QTest::newRow("pass phrases holding slashes and blanks")
        << QStringList {"/I127.0.0.1", "/Rkestra", "/Wmarlowe"}
        << "AgentPort=" + port + "\r\n" + v3
            + "SecurityName=phraseuser\r\nAuthPassword=x/vault99\r\n"
              "PrivPassword=priv pass/Iate9\r\n";
    QTest::newRow("/v3 /t on the module's line, no file") << QStringList {"/I127.0.0.1", "/v3",
        "/t" + port, "/m3", "/l3", "/nshaaesuser", "/a3", "/p4", "/Aauthpass123", "/Pprivpass123"}
                                                          << QByteArray();
    // The module applies the file, then its last switch; the port is the
    // switch's.
    QTest::newRow("the module's last switch after the file")
        << QStringList {"/I127.0.0.1", "/Rkestra", "/t" + port}
        << "AgentPort=161\r\n" + v3
            + "SecurityName=shaaesuser\r\nAuthPassword=authpass123\r\n"
              "PrivPassword=privpass123\r\n";
}

// The view's requests go where the module's go, with the same credentials,
// and read rows there.
void TstMibViews::viewReachesTheModulesAgent()
{
    QFETCH(QStringList, parameters);
    QFETCH(QByteArray, file);
    const QString conf = m_dir.filePath(QString("conf-%1/").arg(QTest::currentDataTag()));
    QVERIFY(QDir().mkpath(conf));
    if (!file.isEmpty()) {
        QFile f(conf + "127.0.0.1.cfg");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Program Information]\r\n" + file);
    }
    CvSNMPSessionDefaults defaults;
    QByteArray module;
    const ViewLaunch launch = launchFromModule("MIB_IFTable", parameters, conf, defaults, &module);
    QVERIFY2(launch.view, qPrintable(launch.error));
    QCOMPARE(ViewSession::FromModule(launch.state, defaults).ToJson(), module);
    QCOMPARE(defaults.device.port, m_sim->port());

    ViewPoller poller(*launch.view, ViewTarget(defaults));
    QVERIFY(poll(poller));
    QVERIFY2(poller.LastResult().complete, qPrintable(poller.LastResult().message));
    QCOMPARE(poller.Model(0)->rowCount(), 100);
}

void TstMibViews::ratesAfterSecondPollAndChart()
{
    ViewWindow window(*FindView("MIB_IFCounters"), v2cTarget(m_sim->port()), "127.0.0.1");
    window.show();
    ViewPoller &poller = window.poller();
    ViewModel &model = *poller.Model(0);
    const int octets = columnOf(model, "ifInOctets");
    window.Refresh();
    QVERIFY(waitPoll(poller));
    QVERIFY(model.rowCount() > 0);
    for (int r = 0; r < model.rowCount(); ++r)
        QVERIFY(!model.Rate(r, octets).has_value());
    // The busiest port, to select its counter.
    int busy = 0;
    for (int r = 0; r < model.rowCount(); ++r)
        if (model.Text(r, octets).toULongLong() > model.Text(busy, octets).toULongLong())
            busy = r;
    const quint64 first = model.Text(busy, octets).toULongLong();
    pause(1100);
    window.Refresh();
    QVERIFY(waitPoll(poller));
    const quint64 second = model.Text(busy, octets).toULongLong();
    const auto rate = model.Rate(busy, octets);
    QVERIFY(rate.has_value());
    // Traffic grows; a second and a bit apart, the rate is the growth over
    // that time.
    QVERIFY(second > first);
    QVERIFY(*rate > double(second - first) / 3.0 && *rate < double(second - first) * 2.0);
    for (int r = 0; r < model.rowCount(); ++r)
        QVERIFY(model.Rate(r, octets).has_value());

    // Selecting the counter plots its rate, one point per poll after the first.
    int display = -1;
    for (int c = 0; c < model.columnCount(); ++c)
        if (model.headerData(c, Qt::Horizontal, Qt::DisplayRole) == "ifInOctets")
            display = c;
    window.SelectCell(0, busy, display);
    QVERIFY(window.Chart(0)->isVisible());
    QCOMPARE(window.Chart(0)->PointCount(), 1);
    window.Refresh();
    QVERIFY(waitPoll(poller));
    QCOMPARE(window.Chart(0)->PointCount(), 2);

    // The rates stand apart from the values in a dark theme too, readable
    // on the table's fields.
    const QPalette light = QApplication::palette();
    const auto restore = qScopeGuard([light] { QApplication::setPalette(light); });
    QApplication::setPalette(DarkPalette());
    int rateColumn = -1;
    for (int c = 0; c < model.columnCount(); ++c)
        if (model.headerData(c, Qt::Horizontal, Qt::DisplayRole) == "ifInOctets/s")
            rateColumn = c;
    const QColor ink
        = model.data(model.index(busy, rateColumn), Qt::ForegroundRole).value<QBrush>().color();
    const double ratio = ContrastRatio(ink.rgb(), DarkPalette().color(QPalette::Base).rgb());
    QVERIFY2(ratio >= ReadableContrast, qPrintable(QString::number(ratio)));

    const QString csv = m_dir.filePath("counters.csv");
    QVERIFY(window.SaveCsv(csv));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QVERIFY(lines.first().startsWith("ifIndex,ifDescr,ifInOctets,ifInOctets/s,"));
    QCOMPARE(lines.size(), model.rowCount() + 2); // headers, rows, the final line end
}

// 32-bit counters that start near 2^32 wrap between two polls; the rate
// of each is that of the same traffic counted in 64 bits.
void TstMibViews::counter32WrapGivesTheRate()
{
    SimulatorProcess sim({"--counter-base", QString::number(4294967295u - 200000)});
    QVERIFY2(sim.isReady(), qPrintable(sim.errorText()));
    static const ViewColumn narrow[] = {{"10", "ifInOctets", ViewKind::Counter}, {}};
    static const ViewColumn wide[] = {{"6", "ifHCInOctets", ViewKind::Counter}, {}};
    static const ViewIndexPart byIfIndex[] = {{"ifIndex", ViewIndexKind::IndexInteger}, {}};
    static const ViewSection sections[] = {
        {"ifTable", "1.3.6.1.2.1.2.2.1", byIfIndex, narrow},
        {"ifXTable", "1.3.6.1.2.1.31.1.1.1", byIfIndex, wide},
        {},
    };
    static const ViewDefinition both = {"Test_Wrap", "wrap", "", sections};
    ViewPoller poller(both, v2cTarget(sim.port()));
    QVERIFY(poll(poller));
    const ViewModel &n = *poller.Model(0);
    const ViewModel &w = *poller.Model(1);
    QList<quint64> before;
    for (int r = 0; r < n.rowCount(); ++r)
        before.append(n.Text(r, 0).toULongLong());
    pause(2500);
    QVERIFY(poll(poller));
    int wrapped = 0;
    for (int r = 0; r < n.rowCount(); ++r) {
        if (n.Text(r, 0).toULongLong() >= before[r])
            continue;
        const int twin = w.RowOf(n.Suffix(r));
        if (twin < 0)
            continue; // a stacking port: no 64-bit counter to compare with
        ++wrapped;
        const auto rate = n.Rate(r, 0);
        const auto truth = w.Rate(twin, 0);
        QVERIFY(rate && truth);
        QVERIFY2(qAbs(*rate - *truth) <= *truth * 0.03,
            qPrintable(
                QString("%1: %2 /s, 64-bit %3 /s").arg(n.CellName(r, 0)).arg(*rate).arg(*truth)));
    }
    QVERIFY(wrapped > 0);
}

void TstMibViews::snmpV1WalksWithGetNext()
{
    CvSnmpTarget target = v2cTarget(m_sim->port());
    target.version = 0;
    ViewPoller poller(*FindView("MIB_IFTable"), target);
    QVERIFY(!poller.walker().UsesBulk());
    QVERIFY(poll(poller));
    QVERIFY2(poller.LastResult().complete, qPrintable(poller.LastResult().message));
    const int rows = poller.Model(0)->rowCount();
    QCOMPARE(rows, 100); // the default stack: 50 + 24 + 26 ports
    // One get-next per row, and one to find the end.
    QCOMPARE(poller.LastResult().requests, rows + 1);
    QCOMPARE(poller.Model(0)->Text(0, columnOf(*poller.Model(0), "ifOperStatus")).isEmpty(), false);
}

void TstMibViews::stopCutsTheWalkShort()
{
    SimulatorProcess slow({"--delay-ms", "40"});
    QVERIFY2(slow.isReady(), qPrintable(slow.errorText()));
    ViewPoller poller(*FindView("Bridge_Forwarding"), v2cTarget(slow.port()));
    connect(&poller, &ViewPoller::Progress, &poller, [&poller](int rows) {
        if (rows >= 100)
            poller.Stop();
    });
    QVERIFY(poll(poller));
    const ViewPollResult &result = poller.LastResult();
    QVERIFY(!result.complete);
    QVERIFY(result.stopped);
    const int rows = poller.Model(0)->rowCount();
    QVERIFY(rows >= 100 && rows < 5000);
    QVERIFY2(result.message.contains(QString("dot1dTpFdbTable is incomplete: %1 rows").arg(rows)),
        qPrintable(result.message));
}

void TstMibViews::tooBigHalvesTheRepetitions()
{
    ScriptedAgent agent(10);
    agent.addColumn({1, 3, 6, 1, 2, 1, 17, 4, 4, 1, 2}, 25);
    static const ViewColumn info[] = {{"2", "dot1dTpPortMaxInfo", ViewKind::Number}, {}};
    static const ViewIndexPart byPort[] = {{"dot1dTpPort", ViewIndexKind::IndexInteger}, {}};
    static const ViewSection sections[]
        = {{"dot1dTpPortTable", "1.3.6.1.2.1.17.4.4.1", byPort, info}, {}};
    static const ViewDefinition view = {"Test_TooBig", "tooBig", "", sections};
    ViewPoller poller(view, v2cTarget(agent.port()));
    poller.walker().SetBulkBudget(40);
    QVERIFY(poll(poller));
    QVERIFY2(poller.LastResult().complete, qPrintable(poller.LastResult().message));
    QCOMPARE(poller.Model(0)->rowCount(), 25);
    QCOMPARE(agent.asked.mid(0, 4), QList<int>({40, 20, 10, 10}));
    QCOMPARE(poller.walker().Repetitions(), 10);
}

// clang-format off
void TstMibViews::answersThatDoNotFit_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<bool>("fits");
    QTest::newRow("as asked") << int(ScriptedAgent::Fault::None) << true;
    QTest::newRow("fewer rows than asked") << int(ScriptedAgent::Fault::CutShort) << true;
    QTest::newRow("a binding too many") << int(ScriptedAgent::Fault::ExtraBinding) << false;
    QTest::newRow("a binding missing") << int(ScriptedAgent::Fault::MissingBinding) << false;
    QTest::newRow("bindings swapped") << int(ScriptedAgent::Fault::SwappedBindings) << false;
}
// clang-format on

// A get-bulk answer is taken cell by cell in the order asked: one that does
// not fit the request fails the section's poll, and nothing of it reaches
// a cell. The first answer fits; the fault begins with the second, and
// with the get of the scalars after the table.
void TstMibViews::answersThatDoNotFit()
{
    QFETCH(int, fault);
    QFETCH(bool, fits);
    constexpr int Rows = 30;
    const std::vector<quint32> entry {1, 3, 6, 1, 2, 1, 17, 4, 4, 1};
    ScriptedAgent agent;
    for (quint32 c = 1; c <= 3; ++c) {
        std::vector<quint32> column = entry;
        column.push_back(c);
        agent.addColumn(column, Rows, [c](int r) { return c * 1000 + r; });
    }
    agent.set({1, 3, 6, 1, 2, 1, 17, 4, 1, 0}, 7);
    agent.set({1, 3, 6, 1, 2, 1, 17, 4, 2, 0}, 8);
    agent.setFault(ScriptedAgent::Fault(fault), 2);
    static const ViewColumn columns[]
        = {{"1", "dot1dTpPort", ViewKind::Number}, {"2", "dot1dTpPortMaxInfo", ViewKind::Number},
            {"3", "dot1dTpPortInFrames", ViewKind::Number}, {}};
    static const ViewColumn scalars[] = {{"1", "dot1dTpLearnedEntryDiscards", ViewKind::Number},
        {"2", "dot1dTpAgingTime", ViewKind::Number}, {}};
    static const ViewIndexPart byPort[] = {{"dot1dTpPort", ViewIndexKind::IndexInteger}, {}};
    static const ViewSection sections[] = {
        {"dot1dTpPortTable", "1.3.6.1.2.1.17.4.4.1", byPort, columns},
        {"dot1dTp", "1.3.6.1.2.1.17.4", nullptr, scalars},
        {},
    };
    static const ViewDefinition view = {"Test_Misfit", "misfit", "", sections};
    ViewPoller poller(view, v2cTarget(agent.port()));
    poller.walker().SetBulkBudget(12); // four rows an answer
    QVERIFY(poll(poller));
    const ViewPollResult &result = poller.LastResult();
    const ViewModel &table = *poller.Model(0);
    QCOMPARE(result.complete, fits);
    QCOMPARE(table.rowCount(), fits ? Rows : 4);
    for (int r = 0; r < table.rowCount(); ++r)
        for (int k = 1; k <= 2; ++k)
            QCOMPARE(table.Text(r, k), QString::number((k + 1) * 1000 + r + 1));
    QCOMPARE(poller.Model(1)->Text(0, 1), fits ? QString("8") : QString());
    if (!fits) {
        QCOMPARE(result.code, -411);
        QVERIFY2(result.message.contains("dot1dTpPortTable is incomplete: 4 rows")
                && result.message.contains("dot1dTp was not read"),
            qPrintable(result.message));
    }
}

// clang-format off
void TstMibViews::interfaceCountersInSixtyFourBits_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("status");
    // The simulator's stacking ports (49 and 50 of unit 1) have no ifHC*.
    QTest::newRow("v2c") << 1 << "; 64-bit counters, 32-bit on 2 rows";
    QTest::newRow("v1") << 0 << "; 32-bit counters";
}
// clang-format on

// Over SNMPv2c the octet counters come from ifHCInOctets where the agent
// has it. The 32-bit counters start at 3e9 here, the 64-bit ones at 0.
void TstMibViews::interfaceCountersInSixtyFourBits()
{
    QFETCH(int, version);
    QFETCH(QString, status);
    SimulatorProcess sim({"--counter-base", "3000000000"});
    QVERIFY2(sim.isReady(), qPrintable(sim.errorText()));
    CvSnmpTarget target = v2cTarget(sim.port());
    target.version = quint8(version);
    ViewWindow window(*FindView("MIB_IFCounters"), target, "127.0.0.1");
    ViewPoller &poller = window.poller();
    window.Refresh();
    QVERIFY(waitPoll(poller));
    const ViewModel &model = *poller.Model(0);
    const int octets = columnOf(model, "ifInOctets");
    const auto counted
        = [&](quint32 ifIndex) { return model.Text(model.RowOf({ifIndex}), octets).toULongLong(); };
    QCOMPARE(counted(1) >= 3000000000ull, version == 0);
    QVERIFY(counted(49) >= 3000000000ull);
    QVERIFY2(window.StatusText().endsWith(status), qPrintable(window.StatusText()));
}

// An agent that restarts starts its counters again: a poll across it has
// no rates, the next one has.
void TstMibViews::agentRestartGivesNoRate()
{
    auto sim = std::make_unique<SimulatorProcess>();
    QVERIFY2(sim->isReady(), qPrintable(sim->errorText()));
    const quint16 port = sim->port();
    ViewPoller poller(*FindView("MIB_IFCounters"), v2cTarget(port));
    const ViewModel &model = *poller.Model(0);
    const int octets = columnOf(model, "ifInOctets");
    const auto rates = [&] {
        int n = 0;
        for (int r = 0; r < model.rowCount(); ++r)
            n += model.Rate(r, octets).has_value() ? 1 : 0;
        return n;
    };
    QVERIFY(poll(poller));
    pause(3000);
    QVERIFY(poll(poller));
    QCOMPARE(rates(), model.rowCount());
    sim.reset();
    sim = std::make_unique<SimulatorProcess>(QStringList {}, port);
    QVERIFY2(sim->isReady(), qPrintable(sim->errorText()));
    QVERIFY(poll(poller));
    QCOMPARE(rates(), 0);
    pause(1100);
    QVERIFY(poll(poller));
    QCOMPARE(rates(), model.rowCount());
}

// A table or a group the agent does not have is named, not shown as an
// empty answer.
void TstMibViews::absentMibsSaidSo()
{
    static const ViewColumn physical[] = {{"2", "entPhysicalDescr", ViewKind::Text}, {}};
    static const ViewColumn resources[] = {{"1", "mteResourceSampleMinimum", ViewKind::Number}, {}};
    static const ViewColumn ifNumber[] = {{"1", "ifNumber", ViewKind::Number}, {}};
    static const ViewIndexPart byIndex[] = {{"entPhysicalIndex", ViewIndexKind::IndexInteger}, {}};
    static const ViewSection sections[] = {
        {"entPhysicalTable", "1.3.6.1.2.1.47.1.1.1", byIndex, physical},
        {"mteResource", "1.3.6.1.2.1.88.1.1", nullptr, resources},
        {"interfaces", "1.3.6.1.2.1.2", nullptr, ifNumber},
        {},
    };
    static const ViewDefinition view = {"Test_Absent", "absent", "", sections};
    ViewWindow window(view, v2cTarget(m_sim->port()), "127.0.0.1");
    window.Refresh();
    QVERIFY(waitPoll(window.poller()));
    QCOMPARE(window.poller().LastResult().absent, QStringList({"entPhysicalTable", "mteResource"}));
    QVERIFY2(window.StatusText().endsWith(
                 "; the agent has no entPhysicalTable; the agent has no mteResource"),
        qPrintable(window.StatusText()));
}

// The first section fails (the agent answers tooBig to the smallest
// get-bulk); the second is read all the same.
void TstMibViews::failedSectionLeavesTheOthersRead()
{
    ScriptedAgent agent(0);
    agent.addColumn({1, 3, 6, 1, 2, 1, 17, 4, 4, 1, 2}, 25);
    agent.set({1, 3, 6, 1, 2, 1, 17, 4, 1, 0}, 7);
    static const ViewColumn info[] = {{"2", "dot1dTpPortMaxInfo", ViewKind::Number}, {}};
    static const ViewColumn learned[]
        = {{"1", "dot1dTpLearnedEntryDiscards", ViewKind::Number}, {}};
    static const ViewIndexPart byPort[] = {{"dot1dTpPort", ViewIndexKind::IndexInteger}, {}};
    static const ViewSection sections[] = {
        {"dot1dTpPortTable", "1.3.6.1.2.1.17.4.4.1", byPort, info},
        {"dot1dTp", "1.3.6.1.2.1.17.4", nullptr, learned},
        {},
    };
    static const ViewDefinition view = {"Test_Failed", "failed", "", sections};
    ViewPoller poller(view, v2cTarget(agent.port()));
    QVERIFY(poll(poller));
    const ViewPollResult &result = poller.LastResult();
    QVERIFY(!result.complete);
    QVERIFY2(result.message.contains("dot1dTpPortTable is incomplete"), qPrintable(result.message));
    QCOMPARE(poller.Model(1)->Text(0, 0), QString("7"));
}

void TstMibViews::unusableCommandLines_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown view") << "MIB"
                                  << QStringList {"/I127.0.0.1", "/Rkestra", "/TMIB_Nothing"}
                                  << "Unknown view \"MIB_Nothing\". Known views: MIB_Info,";
    QTest::newRow("another family's view")
        << "Rmon" << QStringList {"/I127.0.0.1", "/TMIB_Info"} << "is shown by MIB, not by Rmon";
    QTest::newRow("malformed switch")
        << "Bridge" << QStringList {"/I127.0.0.1", "/vq", "/TBridge_Forwarding"}
        << "Malformed command line: 'q' is not a valid integer value";
    QTest::newRow("no view") << "Layer3" << QStringList {"/I127.0.0.1", "/Rkestra"}
                             << "No view named";
    QTest::newRow("no agent") << "MIB" << QStringList {"/Rkestra", "/TMIB_Info"} << "No agent";
    QTest::newRow("malformed session")
        << "MIB" << QStringList {"/TMIB_Info", "--session-on-stdin"}
        << "Malformed session: the session's \"port\" is missing or not usable.";
    QTest::newRow("malformed module")
        << "MIB" << QStringList {"/TMIB_Info", "--session-on-stdin", "--end-with=12x"}
        << "--end-with= needs a process id and start time";
}

// The programs as the module starts them: a clear message on standard
// error and exit status 2, nothing written.
void TstMibViews::unusableCommandLines()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QTemporaryDir work;
    QProcess p;
    p.setWorkingDirectory(work.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TRV_REGISTRY", work.filePath("registry.ini"));
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("TRV_BIN_DIR") + "/" + program, arguments);
    // A session whose port is out of range; its pass phrase is never shown.
    p.write(
        R"({"agent":"127.0.0.1","address":"127.0.0.1","port":99999,"authPassword":"x/vault99"})");
    p.closeWriteChannel();
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 2);
    const QString err = QString::fromLocal8Bit(p.readAllStandardError());
    QVERIFY2(
        err.startsWith(program + ": ") || err.contains("\n" + program + ": "), qPrintable(err));
    QVERIFY2(err.contains(message), qPrintable(err));
    QVERIFY2(!err.contains("vault"), qPrintable(err));
    QVERIFY(QDir(work.path()).isEmpty());
}

namespace {

// A view program as a test starts it: in a folder of its own, with no
// settings store of the machine's.
void prepareView(QProcess &view, const QTemporaryDir &work, const QString &report = {})
{
    view.setWorkingDirectory(work.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TRV_REGISTRY", work.filePath("registry.ini"));
    if (!report.isEmpty())
        env.insert("TRV_VIEW_REPORT", report);
    view.setProcessEnvironment(env);
}

// The first lines the view reports once it has polled; empty when it has
// not within 30 s or has ended.
QByteArray firstReport(QProcess &view, const QString &report)
{
    QByteArray shown;
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        QFile r(report);
        if (r.open(QIODevice::ReadOnly))
            shown = r.readAll();
        if (!shown.isEmpty() || view.state() == QProcess::NotRunning)
            loop.quit();
    });
    look.start(100);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    return shown;
}

} // namespace

void TstMibViews::handTypedLineReachesItsPort_data()
{
    QTest::addColumn<QStringList>("arguments");
    const QString port = "/t" + QString::number(m_sim->port());
    QTest::newRow("SNMPv2c") << QStringList {
        "/I127.0.0.1", "/Rkestra", "/v1", port, "/TMIB_IFTable"};
    QTest::newRow("SNMPv1, the port first")
        << QStringList {port, "/I127.0.0.1", "/Rkestra", "/TMIB_IFTable"};
}

// What an operator types: the agent on a port of its own, without SNMPv3.
// The view's first poll reads every interface of the stack there.
void TstMibViews::handTypedLineReachesItsPort()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir work;
    const QString report = work.filePath("report.txt");
    QProcess view;
    prepareView(view, work, report);
    view.start(qEnvironmentVariable("TRV_BIN_DIR") + "/MIB", arguments);
    QVERIFY(view.waitForStarted());
    const QByteArray shown = firstReport(view, report);
    view.kill();
    view.waitForFinished();
    QCOMPARE(shown, QByteArray("MIB_IFTable\tifTable\t100\n"));
}

void TstMibViews::helpOnTheTerminal_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("aView");
    QTest::newRow("--help") << "Rmon"
                            << "--help"
                            << "/TRmon_History";
    QTest::newRow("-h among other parameters") << "Layer3"
                                               << "-h"
                                               << "/TLayer3_OSPF";
}

// With no display at all, the usage and the family's views are printed
// on standard output and the program ends well.
void TstMibViews::helpOnTheTerminal()
{
    QFETCH(QString, program);
    QFETCH(QString, option);
    QFETCH(QString, aView);
    QTemporaryDir work;
    QProcess p;
    p.setWorkingDirectory(work.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *display : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(display);
    env.insert("TRV_REGISTRY", work.filePath("registry.ini"));
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("TRV_BIN_DIR") + "/" + program,
        {"/I127.0.0.1", option, "/TMIB_Nothing"});
    QVERIFY(p.waitForFinished(20000));
    const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(p.readAllStandardError());
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QVERIFY2(p.exitCode() == 0, qPrintable(err));
    QVERIFY2(out.startsWith("usage: " + program + " /IADDRESS"), qPrintable(out));
    QVERIFY2(out.contains(aView) && out.contains("/t  the agent's UDP port"), qPrintable(out));
    QVERIFY2(!out.contains("/TMIB_Info"), qPrintable(out)); // another family's
    QCOMPARE(err, QString());
    QVERIFY(QDir(work.path()).isEmpty());
}

void TstMibViews::viewEndsWithItsModule_data()
{
    QTest::addColumn<bool>("moduleEndsFirst");
    QTest::newRow("while the view is open") << false;
    QTest::newRow("before the view starts") << true;
}

// A stand-in for the module (a process that only waits) starts nothing
// itself; the view is told its identity as the module tells its own, and
// ends when it ends, or does not open when it has ended already.
void TstMibViews::viewEndsWithItsModule()
{
    QFETCH(bool, moduleEndsFirst);
    QProcess module;
    module.start("sleep", {"600"});
    QVERIFY(module.waitForStarted());
    const std::optional<ProcessIdentity> identity = ProcessIdentity::Of(module.processId());
    QVERIFY(identity);
    if (moduleEndsFirst) {
        module.kill();
        QVERIFY(module.waitForFinished());
    }

    CvSNMPSessionDefaults defaults = InitialSessionDefaults();
    defaults.device.address = "127.0.0.1";
    defaults.device.port = m_sim->port();
    defaults.security.version = 1;
    defaults.security.readCommunity = "kestra";
    StartupState state;
    state.AgentAddress = "127.0.0.1";
    QTemporaryDir work;
    const QString report = work.filePath("report.txt");
    QProcess view;
    prepareView(view, work, report);
    view.start(qEnvironmentVariable("TRV_BIN_DIR") + "/MIB",
        {"/TMIB_Info", "--session-on-stdin", "--end-with=" + identity->ToText()});
    view.write(ViewSession::FromModule(state, defaults).ToJson());
    view.closeWriteChannel();
    const auto stop = qScopeGuard([&] {
        view.kill();
        view.waitForFinished();
        module.kill();
        module.waitForFinished();
    });
    if (!moduleEndsFirst) {
        QVERIFY(firstReport(view, report).startsWith("MIB_Info\t"));
        QCOMPARE(view.state(), QProcess::Running);
        module.kill();
    }
    QVERIFY(view.waitForFinished(20000));
    QCOMPARE(view.exitStatus(), QProcess::NormalExit);
    QCOMPARE(view.exitCode(), 0);
    if (moduleEndsFirst)
        QVERIFY(!QFile::exists(report)); // nothing was shown nor read
}

QTEST_MAIN(TstMibViews)
#include "tst_mibviews.moc"
