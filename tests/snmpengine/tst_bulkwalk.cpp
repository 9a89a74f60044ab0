// Table walks with get-bulk: the rows and values equal those of the walk of
// one get-next per row, over the simulator and over Net-SNMP's snmpd, for
// dense and sparse tables and tables that end inside an answer; Stop
// between rows of one answer; the repetitions adapting to tooBig and to
// answers cut short; an agent refusing get-bulk read with get-next; and on
// the wire, what a window's walk sends under each version.

#include "CvCatalogues.h"
#include "CvException.h"
#include "CvSNMPRequest2Edits.h"
#include "FakeAgent.h"
#include "NetSnmpAgent.h"
#include "SimulatorProcess.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// The simulator's first 100 interfaces (a dense table spanning answers).
const CvSNMPVar interfaces[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", SyntaxInteger, AccessNotAccessible},
    {"1.3.6.1.2.1.2.2.1.2", "Descr", SyntaxDisplayString, AccessReadOnly},
    {"1.3.6.1.2.1.2.2.1.3", "Type", SyntaxInteger, AccessReadOnly},
    {"1.3.6.1.2.1.2.2.1.8", "OperStatus", SyntaxInteger, AccessReadOnly},
    {},
};
// The simulator's ifXTable: the stacking ports hold no ifHC* columns.
const CvSNMPVar interfacesX[] = {
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", SyntaxDisplayString, AccessReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.6", "HCInOctets", SyntaxCounter64, AccessReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.15", "HighSpeed", SyntaxGauge, AccessReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.11", "HCOutUcastPkts", SyntaxCounter64, AccessReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", SyntaxDisplayString, AccessReadOnly},
    {},
};
// Target addresses: the simulator's first row holds no tag list, its third
// no time-out; of snmpd's, the first (notReady) no parameters.
const CvSNMPVar targets[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Name", SyntaxDisplayString, AccessNotAccessible | AccessImplied},
    {"1.3.6.1.6.3.12.1.2.1.4", "Timeout", SyntaxInteger, AccessReadOnly},
    {"1.3.6.1.6.3.12.1.2.1.6", "Tags", SyntaxDisplayString, AccessReadOnly},
    {"1.3.6.1.6.3.12.1.2.1.7", "Params", SyntaxDisplayString, AccessReadOnly},
    {"1.3.6.1.6.3.12.1.2.1.5", "Retries", SyntaxInteger, AccessReadOnly},
    {},
};
// snmpd's registered MIB modules: a dense table of a dozen rows.
const CvSNMPVar registry[] = {
    {"1.3.6.1.2.1.1.9.1.1", "Index", SyntaxInteger, AccessNotAccessible},
    {"1.3.6.1.2.1.1.9.1.2", "Id", SyntaxObjectId, AccessReadOnly},
    {"1.3.6.1.2.1.1.9.1.3", "Descr", SyntaxDisplayString, AccessReadOnly},
    {"1.3.6.1.2.1.1.9.1.4", "UpTime", SyntaxTimeTicks, AccessReadOnly},
    {},
};
// FakeAgent's table under 1.3.6.1.4.1.9.9.1, columns 2 and 3.
const CvSNMPVar scripted[] = {
    {"1.3.6.1.4.1.9.9.1.1", "Row", SyntaxInteger, AccessNotAccessible},
    {"1.3.6.1.4.1.9.9.1.2", "A", SyntaxInteger, AccessReadOnly},
    {"1.3.6.1.4.1.9.9.1.3", "B", SyntaxInteger, AccessReadOnly},
    {},
};
const CvSNMPVar inPackets[] = {
    {"1.3.6.1.2.1.11.1", "snmpInPkts", SyntaxCounter, AccessReadOnly},
    {},
};

enum class Agent { Simulator, NetSnmp };
enum class Table { Dense, SparseX, Targets, Registry };

const CvSNMPVar *variables(Table t)
{
    switch (t) {
    case Table::Dense:
        return interfaces;
    case Table::SparseX:
        return interfacesX;
    case Table::Targets:
        return targets;
    default:
        return registry;
    }
}

// A row as its values, counters only as there or not: they grow between
// two walks.
QString rowText(const CvSNMPVarList &list)
{
    QStringList values;
    for (const CvSNMPVariable &var : list.vars)
        values << (var.syntax == SyntaxCounter64 && var.value != "(NOTDONE)" ? "n" : var.value);
    return values.join(':');
}

struct Walk
{
    QStringList rows;
    int code = 0;
    QList<int> lastOfAnswer; // the rows after which the next step needed a request
};

// Walks to the end, or until the row limit, synchronously or through
// GetAsync as a window does.
Walk walk(CvSNMPRequest &r, bool asynchronous, int limit = 0)
{
    Walk w;
    if (!asynchronous) {
        try {
            for (bool more = r.Get(true); more; more = r.Get(false)) {
                w.rows << rowText(r.varList);
                if (!r.HasBufferedStep())
                    w.lastOfAnswer << int(w.rows.size());
            }
        } catch (const CvException &e) {
            w.code = e.code();
        }
        return w;
    }
    QObject owner;
    bool done = false;
    CvSNMPCompletion step = [&](const CvSNMPError &e, CvSNMPVarList &list) {
        if (e.code != 0 || e.finished) {
            w.code = e.code;
            done = true;
            return;
        }
        w.rows << rowText(list);
        if (!e.rowsFollow)
            w.lastOfAnswer << int(w.rows.size());
        if (limit > 0 && w.rows.size() == limit) {
            r.running = false;
            done = true;
        }
        r.GetAsync(step, &owner, false); // nothing once running is false
    };
    r.GetAsync(step, &owner, true);
    if (!QTest::qWaitFor([&] { return done && r.outstanding == 0; }, 20000))
        w.code = 1;
    QTest::qWait(50); // a step sent after the stop would be answered by now
    return w;
}

} // namespace

class TstBulkWalk : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { CvSnmpTransport::instance().CloseAll(); }
    void init();
    void bulkReadsWhatGetNextReads_data();
    void bulkReadsWhatGetNextReads();
    void stopBetweenRowsOfAnAnswer_data();
    void stopBetweenRowsOfAnAnswer();
    void repetitionsFollowTheAgent_data();
    void repetitionsFollowTheAgent();
    void outOfOrderRunStopsTheWalk();
    void refusedBulkFallsBackToGetNext_data();
    void refusedBulkFallsBackToGetNext();
    void windowWalkOnTheWire_data();
    void windowWalkOnTheWire();

private:
    void point(quint16 port, int version);
    int packets(quint16 port);
    void makeSnmpdTargets();

    QTemporaryDir m_dir;
    std::unique_ptr<SimulatorProcess> m_sim;
    std::unique_ptr<NetSnmpAgent> m_snmpd;
};

void TstBulkWalk::initTestCase()
{
    StartSession(m_dir.path());
    m_sim = std::make_unique<SimulatorProcess>();
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
    m_snmpd = std::make_unique<NetSnmpAgent>("kestra", "marlowe");
    QVERIFY2(m_snmpd->isReady(), qPrintable(m_snmpd->errorText()));
    makeSnmpdTargets();
}

// Three target rows made with snmpset: the first by createAndWait without
// its parameters (notReady), the others complete.
void TstBulkWalk::makeSnmpdTargets()
{
    const auto oid = [](int column, const QString &row) {
        QStringList name;
        for (QChar c : row)
            name << QString::number(c.unicode());
        return QString("1.3.6.1.6.3.12.1.2.1.%1.%2").arg(column).arg(name.join('.'));
    };
    for (const auto &[row, status, port] :
        {std::tuple {"nms-a", 5, "00a2"}, {"nms-b", 4, "00a3"}, {"nms-c", 4, "00a4"}}) {
        QStringList set {oid(9, row), "i", QString::number(status), oid(2, row), "o",
            "1.3.6.1.6.1.1", oid(3, row), "x", QString("7f000001") + port, oid(6, row), "s",
            QString("tag-") + row};
        if (status == 4)
            set << oid(7, row) << "s" << QString("params-") + row;
        QString out;
        QVERIFY2(m_snmpd->tool("snmpset", {"-v2c", "-c", "marlowe"}, set, &out), qPrintable(out));
    }
}

void TstBulkWalk::init()
{
    CvWalkExchange::ForgetAgents();
    point(m_sim->port(), 1);
}

void TstBulkWalk::point(quint16 port, int version)
{
    CvSNMPSessionDefaults &d = SessionDefaults();
    d = InitialSessionDefaults();
    d.device.address = QStringLiteral("127.0.0.1");
    d.device.port = port;
    d.security.version = quint8(version);
    if (version == 3) {
        d.security.securityModel = 3;
        d.security.securityName = "sha256aesuser";
        d.security.securityLevel = 3;
        d.security.authProtocol = 5;
        d.security.privProtocol = 4;
        d.security.authPassword = "authpass123";
        d.security.privPassword = "privpass123";
    }
}

// The agent's count of the messages it received, this read included.
int TstBulkWalk::packets(quint16 port)
{
    CvSNMPRequest count;
    count.SetVarList(inPackets, SVT_SV, 0);
    count.device.port = port;
    count.security.version = 1;
    count.security.readCommunity = "kestra";
    count.Get(true);
    return count.varList.Var(0).value.toInt();
}

// clang-format off
void TstBulkWalk::bulkReadsWhatGetNextReads_data()
{
    QTest::addColumn<int>("agent");
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("asynchronous");
    QTest::addColumn<int>("bulkRequests"); // 0: only fewer than the get-next walk's
    QTest::newRow("dense, synchronous") << int(Agent::Simulator) << int(Table::Dense) << 1 << false << 0;
    QTest::newRow("dense, asynchronous") << int(Agent::Simulator) << int(Table::Dense) << 1 << true << 0;
    QTest::newRow("sparse ifX, asynchronous") << int(Agent::Simulator) << int(Table::SparseX) << 1 << true << 0;
    QTest::newRow("sparse, ends in the answer") << int(Agent::Simulator) << int(Table::Targets) << 1 << false << 1;
    QTest::newRow("sparse, SNMPv3") << int(Agent::Simulator) << int(Table::Targets) << 3 << true << 1;
    QTest::newRow("snmpd sparse, ends in the answer") << int(Agent::NetSnmp) << int(Table::Targets) << 1 << true << 1;
    QTest::newRow("snmpd dense") << int(Agent::NetSnmp) << int(Table::Registry) << 1 << false << 0;
}
// clang-format on

void TstBulkWalk::bulkReadsWhatGetNextReads()
{
    QFETCH(int, agent);
    QFETCH(int, table);
    QFETCH(int, version);
    QFETCH(bool, asynchronous);
    QFETCH(int, bulkRequests);
    const quint16 port = Agent(agent) == Agent::Simulator ? m_sim->port() : m_snmpd->port();
    point(port, version);
    const auto counted = [&](bool bulk) {
        const int before = packets(port);
        CvSNMPRequest r;
        r.SetVarList(variables(Table(table)), MVT_FMV, Table(table) == Table::SparseX ? 0 : 1);
        r.bulk = bulk;
        const Walk w = walk(r, asynchronous);
        return std::pair {w, packets(port) - before - 1};
    };
    const auto [next, nextRequests] = counted(false);
    const auto [bulk, requests] = counted(true);
    QCOMPARE(next.code, 0);
    QCOMPARE(bulk.code, 0);
    QVERIFY(next.rows.size() >= 3);
    QCOMPARE(bulk.rows, next.rows);
    if (version != 3) // SNMPv3 may add an engine discovery
        QCOMPARE(nextRequests, next.rows.size() + 1);
    if (bulkRequests > 0)
        QCOMPARE(requests, bulkRequests);
    else
        QVERIFY2(requests * 3 <= nextRequests, qPrintable(QString::number(requests)));
}

// clang-format off
void TstBulkWalk::stopBetweenRowsOfAnAnswer_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("requests");
    QTest::addColumn<QList<int>>("lastOfAnswer");
    QTest::newRow("inside the first answer") << 3 << 1 << QList<int>();
    QTest::newRow("at its last row") << 10 << 1 << QList<int>({10});
    QTest::newRow("inside the second") << 12 << 2 << QList<int>({10});
}
// clang-format on

// The first answer holds ten rows: a walk stopped after some of them sends
// nothing more, and the rows it had shown are those of the table.
void TstBulkWalk::stopBetweenRowsOfAnAnswer()
{
    QFETCH(int, limit);
    QFETCH(int, requests);
    QFETCH(QList<int>, lastOfAnswer);
    CvSNMPRequest all;
    all.SetVarList(interfaces, MVT_FMV, 1);
    all.bulk = false;
    const Walk whole = walk(all, false);

    const int before = packets(m_sim->port());
    CvSNMPRequest r;
    r.SetVarList(interfaces, MVT_FMV, 1);
    const Walk w = walk(r, true, limit);
    QCOMPARE(packets(m_sim->port()) - before - 1, requests);
    QCOMPARE(w.rows, whole.rows.mid(0, limit));
    QCOMPARE(w.lastOfAnswer, lastOfAnswer);
    QCOMPARE(r.outstanding, 0);
}

// clang-format off
void TstBulkWalk::repetitionsFollowTheAgent_data()
{
    QTest::addColumn<int>("tooBigAbove");
    QTest::addColumn<int>("maxBindings");
    QTest::addColumn<QList<int>>("asked"); // max-repetitions of the first walk's requests
    QTest::addColumn<int>("next"); // of the second walk's first
    QTest::newRow("tooBig halves") << 4 << 0 << QList<int>({10, 5, 2, 2, 2}) << 2;
    QTest::newRow("cut short") << 0 << 7 << QList<int>({10, 3, 3, 3, 3}) << 3;
    QTest::newRow("whole and fast: grows") << 0 << 0 << QList<int>({10, 20}) << 40;
}
// clang-format on

void TstBulkWalk::repetitionsFollowTheAgent()
{
    QFETCH(int, tooBigAbove);
    QFETCH(int, maxBindings);
    QFETCH(QList<int>, asked);
    QFETCH(int, next);
    FakeAgent::Table table;
    table.entry = {1, 3, 6, 1, 4, 1, 9, 9, 1};
    table.columns = {2, 3};
    table.rows = 25;
    table.holes[3] = {1, 7}; // column B starts late
    table.tooBigAbove = tooBigAbove;
    table.maxBindings = maxBindings;
    FakeAgent agent(table);
    point(agent.port(), 1);
    CvSNMPRequest r;
    r.SetVarList(scripted, MVT_FMV, 1);
    r.bulk = false;
    const Walk expected = walk(r, false);
    QCOMPARE(expected.rows.size(), 25);
    QCOMPARE(expected.rows.first(), "1:2001:(NOTDONE)");
    const qsizetype nextRequests = agent.asked().size();

    r.bulk = true;
    const Walk w = walk(r, true);
    QCOMPARE(w.code, 0);
    QCOMPARE(w.rows, expected.rows);
    QList<int> repetitions;
    for (const FakeAgent::Asked &a : agent.asked().mid(nextRequests)) {
        QCOMPARE(a.pdu, quint8(0xA5));
        repetitions << a.maxRepetitions;
    }
    QCOMPARE(repetitions.mid(0, asked.size()), asked);
    const qsizetype first = agent.asked().size();
    QCOMPARE(walk(r, false).rows, expected.rows);
    QCOMPARE(agent.asked().at(first).maxRepetitions, next);
}

// An answer in its column that does not come after the OID it answers
// stops the walk with an error, the rows read before it kept.
void TstBulkWalk::outOfOrderRunStopsTheWalk()
{
    FakeAgent agent(FakeAgent::Mode::DecreasingOid, {1, 3, 6, 1, 4, 1, 9, 9});
    point(agent.port(), 1);
    static const CvSNMPVar column[]
        = {{"1.3.6.1.4.1.9.9", "Value", SyntaxInteger, AccessReadOnly}, {}};
    CvSNMPRequest r;
    r.SetVarList(column, MVT_FMV, 0);
    for (bool asynchronous : {false, true}) {
        const Walk w = walk(r, asynchronous);
        QCOMPARE(w.rows, QStringList({"1"}));
        QCOMPARE(w.code, EngineCode::OutOfOrder);
    }
}

// clang-format off
void TstBulkWalk::refusedBulkFallsBackToGetNext_data()
{
    QTest::addColumn<int>("bulk");
    QTest::newRow("answers get-bulk with genErr") << int(FakeAgent::Bulk::Refuse);
    QTest::newRow("does not answer get-bulk") << int(FakeAgent::Bulk::Drop);
}
// clang-format on

// The window's status line says so once; the first walk is complete, and
// from then on the agent is asked with get-next alone.
void TstBulkWalk::refusedBulkFallsBackToGetNext()
{
    QFETCH(int, bulk);
    FakeAgent::Table table;
    table.entry = {1, 3, 6, 1, 4, 1, 9, 9, 1};
    table.columns = {2, 3};
    table.rows = 5;
    table.bulk = FakeAgent::Bulk(bulk);
    FakeAgent agent(table);
    point(agent.port(), 1);
    SessionDefaults().timeout = 20;
    QWidget window;
    QTreeWidget list(&window);
    QLabel status(&window);
    CvSNMPRequest2Edits binding(&window);
    binding.SetVarList(scripted, MVT_FMV, 1);
    binding.BindListView(&list, false);
    binding.SetMessageTarget(&status);
    QStringList lines;
    connect(&binding, &CvSNMPRequest2Controls::OnReadDone, this, [&] { lines << status.text(); });
    for (int read = 0; read < 2; ++read) {
        binding.Read();
        QTRY_VERIFY_WITH_TIMEOUT(!binding.IsBusy(), 10000);
        QCOMPARE(list.topLevelItemCount(), 5);
        QCOMPARE(list.topLevelItem(4)->text(1), "2005");
    }
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].contains(BulkRefusedNotice), qPrintable(lines[0]));
    QVERIFY2(lines[1].contains(MessageOf(0)), qPrintable(lines[1]));
    QList<quint8> pdus;
    for (const FakeAgent::Asked &a : agent.asked())
        pdus << a.pdu;
    // The get-bulk (and its retry, unanswered), then the six get-next
    // steps of each walk.
    const qsizetype bulks = pdus.count(0xA5);
    QCOMPARE(bulks, FakeAgent::Bulk(bulk) == FakeAgent::Bulk::Drop ? 2 : 1);
    QCOMPARE(pdus.mid(bulks), QList<quint8>(12, 0xA1));
}

// clang-format off
void TstBulkWalk::windowWalkOnTheWire_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("getBulk"); // the switch's setting
    QTest::addColumn<QList<int>>("asked"); // max-repetitions, or -1 for a get-next
    QTest::addColumn<QList<int>>("shown"); // rows in the list as each request came
    // A get-next per row and one to find the end; under SNMPv1 the end of
    // the agent's view is noSuchName, and the other column is asked again.
    QTest::newRow("SNMPv1") << 0 << true << QList<int>(27, -1) << QList<int>();
    QTest::newRow("SNMPv2c") << 1 << true << QList<int>({10, 20}) << QList<int>({0, 10});
    QTest::newRow("SNMPv2c, GetBulk=0") << 1 << false << QList<int>(26, -1) << QList<int>();
}
// clang-format on

// A window's list binding walks 25 rows: with get-bulk its list shows the
// rows of an answer, in one insertion, before the next request goes out;
// the get-next walk sends exactly the described PDUs, one get-next of both
// columns per row.
void TstBulkWalk::windowWalkOnTheWire()
{
    QFETCH(int, version);
    QFETCH(bool, getBulk);
    QFETCH(QList<int>, asked);
    QFETCH(QList<int>, shown);
    FakeAgent::Table table;
    table.entry = {1, 3, 6, 1, 4, 1, 9, 9, 1};
    table.columns = {2, 3};
    table.rows = 25;
    FakeAgent agent(table);
    point(agent.port(), version);
    SessionDefaults().getBulk = getBulk;
    QWidget window;
    QTreeWidget list(&window);
    CvSNMPRequest2Edits binding(&window);
    binding.SetVarList(scripted, MVT_FMV, 1);
    binding.BindListView(&list, false);
    QSignalSpy insertions(list.model(), &QAbstractItemModel::rowsInserted);
    QList<int> rowsWhenAsked;
    connect(&agent, &FakeAgent::requestArrived, this,
        [&] { rowsWhenAsked << list.topLevelItemCount(); });
    binding.Read();
    QTRY_VERIFY_WITH_TIMEOUT(!binding.IsBusy(), 10000);
    QCOMPARE(list.topLevelItemCount(), 25);
    QCOMPARE(list.topLevelItem(24)->text(2), "3025");
    QList<int> sent;
    for (const FakeAgent::Asked &a : agent.asked())
        sent << (a.pdu == 0xA5 ? a.maxRepetitions : a.pdu == 0xA1 ? -1 : 0);
    QCOMPARE(sent, asked);
    if (!shown.isEmpty())
        QCOMPARE(rowsWhenAsked, shown);
    QVERIFY2(insertions.size() <= asked.size(), qPrintable(QString::number(insertions.size())));
}

QTEST_MAIN(TstBulkWalk)
#include "tst_bulkwalk.moc"
