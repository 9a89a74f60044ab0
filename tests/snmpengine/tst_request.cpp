#include "CvCatalogues.h"
#include "CvException.h"
#include "CvSNMPRequest.h"
#include "FakeAgent.h"
#include "SimulatorProcess.h"
#include "WakeCounter.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
#define PEN_OID(rest) "1.3.6.1.4.1." QT_STRINGIFY(TRV_PEN) rest

const CvSNMPVar systemGroup[] = {
    {"1.3.6.1.2.1.1.5", "Name", SyntaxDisplayString, AccessReadWrite},
    {PEN_OID(".11.59.8.2.1.2.3"), "RMON", SyntaxInteger, AccessReadWrite},
    {},
};
const CvSNMPVar ifXRow[] = {
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", SyntaxDisplayString, AccessReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", SyntaxDisplayString, AccessReadWrite},
    {},
};
// The unit table with its index decoded from the OIDs, not requested.
const CvSNMPVar unitTable[] = {
    {PEN_OID(".12.11.1.9.4.1.1"), "Unit", SyntaxInteger, AccessNotAccessible},
    {PEN_OID(".12.11.1.9.4.1.5"), "Ports", SyntaxInteger, AccessReadOnly},
    {PEN_OID(".12.11.1.9.4.1.10"), "Model", SyntaxDisplayString, AccessReadOnly},
    {},
};
// The last column the simulator serves: the end of its MIB view.
// The last column of the simulator's last table: its walk meets the end of
// the MIB view (noSuchName in SNMPv1). Keep it the last object served.
const CvSNMPVar lastColumn[] = {
    {"1.3.6.1.6.3.18.1.2.1.0", "Name", SyntaxDisplayString, AccessNotAccessible | AccessImplied},
    {"1.3.6.1.6.3.18.1.2.1.2", "MMS", SyntaxInteger, AccessReadOnly},
    {"1.3.6.1.6.3.18.1.2.1.1", "TMask", SyntaxOctetString, AccessReadOnly},
    {},
};
// The target address table as the simulator holds it, sparse: no tag list
// in its first row ("nms-collector"), no time-out in "nms-syslog".
const CvSNMPVar targetAddresses[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Name", SyntaxDisplayString, AccessNotAccessible | AccessImplied},
    {"1.3.6.1.6.3.12.1.2.1.4", "Timeout", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.5", "Retries", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.6", "Tags", SyntaxDisplayString, AccessReadWrite},
    {},
};
const CvSNMPVar inPackets[] = {
    {"1.3.6.1.2.1.11.1", "snmpInPkts", SyntaxCounter, AccessReadOnly},
    {},
};
// The unit table read as if it had two indexes: its one-arc rows cannot
// be decoded.
const CvSNMPVar unitTwoKeys[] = {
    {PEN_OID(".12.11.1.9.4.1.1"), "Unit", SyntaxInteger, AccessNotAccessible},
    {PEN_OID(".12.11.1.9.4.1.2"), "Other", SyntaxInteger, AccessNotAccessible},
    {PEN_OID(".12.11.1.9.4.1.10"), "Model", SyntaxDisplayString, AccessReadOnly},
    {},
};
const CvSNMPVar vlanStatic[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VID", SyntaxGauge, AccessNotAccessible},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Name", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress", SyntaxBitString, AccessReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged", SyntaxBitString, AccessReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", SyntaxInteger, AccessReadWrite},
    {},
};
const CvSNMPVar derived[] = {
    {"1.3.6.1.9.1", "A", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.9.2", "B", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.9.3", "Text", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.9.4", "Sum", SyntaxInteger, AccessDerived, nullptr, "$0+$1*2"},
    {"1.3.6.1.9.5", "Ticks", SyntaxTimeTicks, AccessReadWrite},
    {},
};

QString portList(std::initializer_list<int> bits)
{
    QByteArray octets(96, '\0');
    for (int b : bits)
        octets[b / 8] = char(quint8(octets[b / 8]) | (0x80 >> (b % 8)));
    return QString::fromLatin1(octets.toHex().toUpper());
}

struct Walk
{
    QStringList rows;
    int code = 0;
};
} // namespace

class TstRequest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { CvSnmpTransport::instance().CloseAll(); }
    void init();
    void scalarsAndRowInEveryVersion_data();
    void scalarsAndRowInEveryVersion();
    void walkDecodesIndexAndEndsAtNextColumn();
    void v1WalkEndsAtEndOfMib_data();
    void v1WalkEndsAtEndOfMib();
    void sparseTableWalk_data();
    void sparseTableWalk();
    void asynchronousWalkAndStop();
    void undecodableRowKeepsList_data();
    void undecodableRowKeepsList();
    void createAndDestroyRow();
    void writeErrorsKeepList_data();
    void writeErrorsKeepList();
    void engineErrors_data();
    void engineErrors();
    void timeoutMessage();
    void misbehavingAgentStopsWalk_data();
    void misbehavingAgentStopsWalk();
    void refusalIsNoEnd_data();
    void refusalIsNoEnd();
    void destroyWithUnansweredRequest();
    void substituteAndDerived();
    void outOfScopeRules_data();
    void outOfScopeRules();

private:
    void useVersion(int version);
    Walk walk(CvSNMPRequest &r, int column);
    std::unique_ptr<SimulatorProcess> m_sim;
    QTemporaryDir m_dir;
};

void TstRequest::initTestCase()
{
    StartSession(m_dir.path());
    m_sim = std::make_unique<SimulatorProcess>();
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
}

void TstRequest::init()
{
    CvWalkExchange::ForgetAgents();
    CvSNMPSessionDefaults &d = SessionDefaults();
    d = InitialSessionDefaults();
    d.device.address = m_sim->address();
    d.device.port = m_sim->port();
    d.security.version = 1;
}

void TstRequest::useVersion(int version)
{
    CvSNMPSecurity &s = SessionDefaults().security;
    s.version = quint8(version == 4 ? 3 : version);
    if (version >= 3) {
        s.securityModel = 3;
        s.securityName = version == 3 ? "noauthuser" : "sha256aesuser";
        s.securityLevel = version == 3 ? 1 : 3;
        s.authProtocol = 5;
        s.privProtocol = 4;
        s.authPassword = "authpass123";
        s.privPassword = "privpass123";
    }
}

Walk TstRequest::walk(CvSNMPRequest &r, int column)
{
    Walk w;
    try {
        for (bool more = r.Get(true); more; more = r.Get(false))
            w.rows.append(r.varList.Var(0).value + ":" + r.varList.Var(column).value);
    } catch (const CvException &e) {
        w.code = e.code();
    }
    return w;
}

// clang-format off
void TstRequest::scalarsAndRowInEveryVersion_data()
{
    QTest::addColumn<int>("version");
    QTest::newRow("v1") << 0;
    QTest::newRow("v2c") << 1;
    QTest::newRow("v3 noAuthNoPriv") << 3;
    QTest::newRow("v3 authPriv") << 4;
}
// clang-format on

void TstRequest::scalarsAndRowInEveryVersion()
{
    QFETCH(int, version);
    useVersion(version);
    CvSNMPRequest scalars;
    scalars.SetVarList(systemGroup, SVT_SV, 0);
    QCOMPARE(scalars.Get(true), false);
    QVERIFY(!scalars.varList.Var(0).value.isEmpty());
    QVERIFY(scalars.varList.Var(0).value != "(NULL)");
    QCOMPARE(scalars.varList.Var(1).value, QString("3"));
    QCOMPARE(scalars.varList.Var(1).lastOid, QString(PEN_OID(".11.59.8.2.1.2.3.0")));

    // Write a new system name and read it back through another request.
    const QString name = QString("switch-v%1").arg(version);
    scalars.varList.Var(0).value = name;
    QCOMPARE(scalars.Set(false), false);
    CvSNMPRequest check;
    check.SetVarList(systemGroup, SVT_SV, 0);
    check.Get(true);
    QCOMPARE(check.varList.Var(0).value, name);

    CvSNMPRequest row;
    row.SetVarList(ifXRow, MVT_SV, 0);
    row.varList.instance = "5";
    QCOMPARE(row.Get(true), false);
    QCOMPARE(row.varList.Var(1).lastOid, QString("1.3.6.1.2.1.31.1.1.1.18.5"));
    QVERIFY(!row.varList.Var(0).value.isEmpty());
}

void TstRequest::walkDecodesIndexAndEndsAtNextColumn()
{
    CvSNMPRequest r;
    r.SetVarList(unitTable, MVT_FMV, 1);
    const Walk w = walk(r, 2);
    QCOMPARE(w.code, 0);
    QCOMPARE(w.rows, QStringList({"1:TRV-8170QL", "2:TRM6140QL*", "3:TRV-8140QL"}));
    // The index was decoded, never requested: its last OID is made from the row.
    QCOMPARE(r.varList.Var(0).value, QString("3"));
    QCOMPARE(r.varList.Var(0).lastOid, QString(PEN_OID(".12.11.1.9.4.1.1.3")));
    // After the walk the columns' values show the step past the table.
    QCOMPARE(r.varList.Var(1).value, QString("(NOTDONE)"));
}

// clang-format off
void TstRequest::v1WalkEndsAtEndOfMib_data()
{
    QTest::addColumn<int>("version");
    QTest::newRow("v1 noSuchName echo") << 0;
    QTest::newRow("v2c endOfMibView") << 1;
}
// clang-format on

void TstRequest::v1WalkEndsAtEndOfMib()
{
    QFETCH(int, version);
    useVersion(version);
    CvSNMPRequest r;
    r.SetVarList(lastColumn, MVT_FMV, 1);
    const Walk w = walk(r, 1);
    QCOMPARE(w.code, 0);
    // The last row holds no MMS: that column meets the end of the view a
    // row before the other, which still reads its last row.
    QCOMPARE(w.rows,
        QStringList(
            {"nms-collector:484", "nms-inform:1472", "nms-syslog:484", "nms-trap:(NOTDONE)"}));
    QCOMPARE(r.varList.Var(2).value, QString("(NOTDONE)"));
}

// clang-format off
void TstRequest::sparseTableWalk_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("asynchronous");
    QTest::addColumn<int>("requests"); // of the walk
    QTest::newRow("v1") << 0 << false << 5;
    QTest::newRow("v2c") << 1 << false << 1;
    QTest::newRow("v2c asynchronous") << 1 << true << 1;
    QTest::newRow("v3") << 3 << false << 1;
}
// clang-format on

// Each row shows its own values, a column without a value in a row is
// absent there; under SNMPv1 every row costs one PDU, under SNMPv2c and v3
// one get-bulk holds the whole table.
void TstRequest::sparseTableWalk()
{
    QFETCH(int, version);
    QFETCH(bool, asynchronous);
    QFETCH(int, requests);
    const auto packets = [] {
        CvSNMPRequest count;
        count.SetVarList(inPackets, SVT_SV, 0);
        count.security.version = 1;
        count.Get(true);
        return count.varList.Var(0).value.toInt();
    };
    useVersion(version);
    const int before = packets();
    CvSNMPRequest r;
    r.SetVarList(targetAddresses, MVT_FMV, 1);
    QStringList rows;
    const auto row = [&r] {
        QStringList values;
        for (const CvSNMPVariable &var : std::as_const(r.varList.vars))
            values << var.value;
        return values.join(':');
    };
    if (asynchronous) {
        QObject owner;
        bool done = false;
        std::function<void(const CvSNMPError &, CvSNMPVarList &)> step;
        step = [&](const CvSNMPError &e, CvSNMPVarList &) {
            QCOMPARE(e.code, 0);
            if (e.finished) {
                done = true;
                return;
            }
            rows << row();
            r.GetAsync(step, &owner, false);
        };
        r.GetAsync(step, &owner, true);
        QTRY_VERIFY_WITH_TIMEOUT(done, 10000);
    } else {
        for (bool more = r.Get(true); more; more = r.Get(false))
            rows << row();
    }
    QCOMPARE(rows,
        QStringList({"nms-collector:2000:3:(NOTDONE)", "nms-inform:3000:3:inform",
            "nms-syslog:(NOTDONE):5:syslog", "nms-trap:1500:3:trap"}));
    // The walk, then the count's own read. (SNMPv3 may add a discovery
    // exchange.)
    if (version < 3)
        QCOMPARE(packets() - before, requests + 1);
}

void TstRequest::asynchronousWalkAndStop()
{
    CvSNMPRequest r;
    r.SetVarList(unitTable, MVT_FMV, 1);
    QObject owner;
    QStringList rows;
    QList<CvSNMPError> errors;
    bool stopAfterFirst = false;
    CvSNMPCompletion step = [&](const CvSNMPError &e, CvSNMPVarList &list) {
        errors.append(e);
        if (e.code != 0 || e.finished)
            return;
        rows.append(list.Var(0).value);
        if (stopAfterFirst)
            r.running = false;
        r.GetAsync(step, &owner, false);
    };
    r.GetAsync(step, &owner, true);
    QCOMPARE(r.outstanding, 1);
    QTRY_VERIFY_WITH_TIMEOUT(!errors.isEmpty() && errors.last().finished, 5000);
    QCOMPARE(rows, QStringList({"1", "2", "3"}));
    QCOMPARE(errors.last().code, 0);
    QCOMPARE(errors.last().message, QString("(CvSNMP++) Ok!"));
    QCOMPARE(errors.last().agentAddress, m_sim->address());
    QCOMPARE(r.outstanding, 0);

    // Stop after the first row: no further step is sent.
    rows.clear();
    errors.clear();
    stopAfterFirst = true;
    r.GetAsync(step, &owner, true);
    QTRY_COMPARE_WITH_TIMEOUT(r.outstanding, 0, 5000);
    QTest::qWait(100);
    QCOMPARE(rows, QStringList({"1"}));
    QCOMPARE(errors.size(), 1);
    r.running = true;

    // An owner that is gone gets no completion.
    auto gone = std::make_unique<QObject>();
    bool called = false;
    r.GetAsync([&](const CvSNMPError &, CvSNMPVarList &) { called = true; }, gone.get(), true);
    gone.reset();
    QTRY_COMPARE_WITH_TIMEOUT(r.outstanding, 0, 5000);
    QVERIFY(!called);
}

void TstRequest::undecodableRowKeepsList_data()
{
    QTest::addColumn<bool>("asynchronous");
    QTest::newRow("synchronous") << false;
    QTest::newRow("asynchronous") << true;
}

void TstRequest::undecodableRowKeepsList()
{
    QFETCH(bool, asynchronous);
    CvSNMPRequest r;
    r.SetVarList(unitTwoKeys, MVT_FMV, 2);
    const QStringList values {"7", "8", "old model"};
    for (int i = 0; i < 3; ++i)
        r.varList.Var(i).value = values.at(i);
    const QString from = PEN_OID(".12.11.1.9.4.1.10");
    r.varList.Var(2).lastOid = from;

    // The column's value and last OID are stored and the first index is
    // decoded before the second is found missing: all of it is undone.
    int code = 0;
    if (asynchronous) {
        QObject owner;
        std::optional<CvSNMPError> error;
        r.GetAsync([&](const CvSNMPError &e, CvSNMPVarList &) { error = e; }, &owner, false);
        QTRY_VERIFY_WITH_TIMEOUT(error.has_value(), 5000);
        QVERIFY(error->finished);
        code = error->code;
    } else {
        try {
            r.Get(false);
        } catch (const CvException &e) {
            code = e.code();
        }
    }
    QCOMPARE(code, EngineCode::BadKeyCount);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(r.varList.Var(i).value, values.at(i));
    QCOMPARE(r.varList.Var(2).lastOid, from);
    QCOMPARE(r.varList.Var(0).lastOid, QString());

    // Read with one index, the next step asks from the same place again.
    r.varList.indexCount = 1;
    QCOMPARE(r.Get(false), true);
    QCOMPARE(r.varList.Var(2).lastOid, from + ".1");
    QCOMPARE(r.varList.Var(0).value, QString("1"));
}

void TstRequest::createAndDestroyRow()
{
    CvSNMPRequest r;
    r.SetVarList(vlanStatic, MVT_UMV, 1);
    r.varList.Var(0).value = "100";
    r.varList.Var(1).value = "engineering";
    r.varList.Var(2).value = portList({0, 1, 64});
    r.varList.Var(3).value = portList({0});
    r.varList.Var(4).value = "4"; // createAndGo
    QCOMPARE(r.Set(false), false);
    QCOMPARE(r.varList.Var(4).value, QString("4")); // the list is as it was

    Walk w = walk(r, 1);
    QCOMPARE(w.code, 0);
    QVERIFY2(w.rows.contains("100:engineering"), qPrintable(w.rows.join(' ')));

    // Destroy by writing only the status of row 100.
    r.varList.Var(0).value = "100";
    const QStringList values {"100", "6"};
    r.Set(false, "0,4", &values);
    QCOMPARE(r.varList.Var(1).access & AccessInvalid, 0); // exclusions were for that write only
    w = walk(r, 1);
    QVERIFY(!w.rows.contains("100:engineering"));
    QVERIFY(w.rows.contains("1:default"));
}

// clang-format off
void TstRequest::writeErrorsKeepList_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("untagged");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("refused"); // the variable the error index names
    QTest::newRow("untagged not egress") << 1 << portList({5}) << -112 << "Name";
    QTest::newRow("short port list") << 1 << QString("80") << -108 << "Untagged";
    QTest::newRow("v1 maps to an older status") << 0 << QString("80") << -103 << "Untagged";
}
// clang-format on

void TstRequest::writeErrorsKeepList()
{
    QFETCH(int, version);
    QFETCH(QString, untagged);
    QFETCH(int, code);
    QFETCH(QString, refused);
    useVersion(version);
    CvSNMPRequest r;
    r.SetVarList(vlanStatic, MVT_UMV, 1);
    r.varList.Var(0).value = "200";
    r.varList.Var(1).value = "bad";
    r.varList.Var(2).value = portList({0});
    r.varList.Var(3).value = untagged;
    r.varList.Var(4).value = "4";
    try {
        r.Set(false);
        QFAIL("no exception");
    } catch (const CvException &e) {
        QCOMPARE(e.code(), code);
        // The catalogued text, and the label of the binding refused.
        QCOMPARE(e.message(), MessageOf(code) + " (" + refused + ")");
    }
    QCOMPARE(r.varList.Var(3).value, untagged);
    // The same from an asynchronous write.
    QObject owner;
    std::optional<CvSNMPError> error;
    r.SetAsync([&](const CvSNMPError &e, CvSNMPVarList &) { error = e; }, &owner, false);
    QTRY_VERIFY_WITH_TIMEOUT(error.has_value(), 5000);
    QCOMPARE(error->message, MessageOf(code) + " (" + refused + ")");
}

// clang-format off
void TstRequest::engineErrors_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("first");
    QTest::addColumn<int>("code");
    QTest::newRow("walk step of scalars") << "127.0.0.1" << 0 << false << -510;
    QTest::newRow("walk step of one row") << "127.0.0.1" << 1 << false << -510;
    QTest::newRow("unknown kind") << "127.0.0.1" << 4 << true << -515;
    QTest::newRow("bad address") << "999.1.1.1" << 0 << true << -509;
}
// clang-format on

void TstRequest::engineErrors()
{
    QFETCH(QString, address);
    QFETCH(int, kind);
    QFETCH(bool, first);
    QFETCH(int, code);
    SessionDefaults().device.address = address;
    CvSNMPRequest r;
    r.SetVarList(systemGroup, quint8(kind), 0);
    for (bool async : {false, true}) {
        try {
            if (async)
                r.GetAsync({}, nullptr, first);
            else
                r.Get(first);
            QFAIL("no exception");
        } catch (const CvException &e) {
            QCOMPARE(e.code(), code);
        }
        QCOMPARE(r.outstanding, 0);
    }
}

void TstRequest::timeoutMessage()
{
    SessionDefaults().device.port = SimulatorProcess::silentPort();
    SessionDefaults().timeout = 10;
    CvSNMPRequest r;
    r.SetVarList(systemGroup, SVT_SV, 0);
    QElapsedTimer clock;
    clock.start();
    try {
        r.Get(true);
        QFAIL("no exception");
    } catch (const CvException &e) {
        QCOMPARE(e.code(), -405);
        QCOMPARE(e.message(), QString("(SNMPClass) SNMP request timed out!"));
    }
    QVERIFY(clock.elapsed() >= 180); // one try and one retry
    QCOMPARE(r.varList.Var(0).value, QString());
}

// clang-format off
void TstRequest::misbehavingAgentStopsWalk_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("repeated OID") << int(FakeAgent::Mode::RepeatOid);
    QTest::newRow("decreasing OID") << int(FakeAgent::Mode::DecreasingOid);
}
// clang-format on

// An answer in the column but not past the OID asked from stops the walk
// with its own error, the row before it read; it is not the column's end.
void TstRequest::misbehavingAgentStopsWalk()
{
    QFETCH(int, mode);
    FakeAgent agent(FakeAgent::Mode(mode), {1, 3, 6, 1, 4, 1, 9, 9});
    SessionDefaults().device.port = agent.port();
    static const CvSNMPVar column[] = {
        {"1.3.6.1.4.1.9.9", "Value", SyntaxInteger, AccessReadOnly},
        {},
    };
    CvSNMPRequest r;
    r.SetVarList(column, MVT_FMV, 0);
    r.bulk = false; // the get-bulk walk: tst_bulkwalk
    const Walk w = walk(r, 0);
    QCOMPARE(w.code, EngineCode::OutOfOrder);
    QCOMPARE(w.rows.size(), 1);
    QCOMPARE(agent.requests(), 2);

    QObject owner;
    CvSNMPError last;
    int rows = 0;
    CvSNMPCompletion step = [&](const CvSNMPError &e, CvSNMPVarList &) {
        last = e;
        if (e.code == 0 && !e.finished) {
            ++rows;
            r.GetAsync(step, &owner, false);
        }
    };
    r.GetAsync(step, &owner, true);
    QTRY_VERIFY_WITH_TIMEOUT(last.finished, 5000);
    QCOMPARE(rows, 1);
    QCOMPARE(last.code, EngineCode::OutOfOrder);
    QVERIFY2(last.message.contains("out of order"), qPrintable(last.message));
}

// clang-format off
void TstRequest::refusalIsNoEnd_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("errorIndex");
    QTest::addColumn<int>("code");
    QTest::newRow("v1, each column at the end of the view") << 0 << 1 << 0;
    QTest::newRow("v2c noSuchName") << 1 << 1 << -102;
    QTest::newRow("v1, index past the bindings") << 0 << 99 << -102;
    QTest::newRow("v1, index 0") << 0 << 0 << -102;
}
// clang-format on

// An agent refusing every get-next with noSuchName. Only SNMPv1 ends a
// walk that way, and only for a column the error index names.
void TstRequest::refusalIsNoEnd()
{
    QFETCH(int, version);
    QFETCH(int, errorIndex);
    QFETCH(int, code);
    FakeAgent agent(FakeAgent::Mode::NoSuchName, {1, 3, 6, 1, 4, 1, 9, 9});
    agent.setErrorIndex(errorIndex);
    SessionDefaults().device.port = agent.port();
    useVersion(version);
    static const CvSNMPVar columns[] = {
        {"1.3.6.1.4.1.9.9.1", "A", SyntaxInteger, AccessReadOnly},
        {"1.3.6.1.4.1.9.9.2", "B", SyntaxInteger, AccessReadOnly},
        {},
    };
    CvSNMPRequest r;
    r.SetVarList(columns, MVT_FMV, 0);
    const Walk w = walk(r, 0);
    QCOMPARE(w.code, code);
    QCOMPARE(w.rows, QStringList());
}

void TstRequest::destroyWithUnansweredRequest()
{
    SessionDefaults().device.port = SimulatorProcess::silentPort();
    SessionDefaults().timeout = 1000; // ten seconds a try: still unanswered when destroyed
    auto called = std::make_shared<bool>(false);
    QObject owner;
    QElapsedTimer clock;
    WakeCounter wakes;
    {
        CvSNMPRequest r;
        r.SetVarList(systemGroup, SVT_SV, 0);
        r.GetAsync(
            [called](const CvSNMPError &, CvSNMPVarList &) { *called = true; }, &owner, true);
        clock.start();
    }
    const qint64 waited = clock.elapsed();
    QVERIFY2(
        waited >= CvSNMPRequest::DestroyWaitMs - 50 && waited < CvSNMPRequest::DestroyWaitMs + 1000,
        qPrintable(QString::number(waited)));
    // It waited asleep: the event processor's ticks wake it fifty times a
    // second, a spin thousands of times.
    QVERIFY2(wakes.count() < 2000, qPrintable(QString("%1 wake-ups").arg(wakes.count())));
    QTest::qWait(100);
    QVERIFY(!*called);
    QVERIFY(
        CvSnmpTransport::instance().PendingCount() >= 1); // still out there, but it reaches nothing
}

void TstRequest::substituteAndDerived()
{
    static const CvIntOption onOff[] = {{1, "on"}, {2, "off"}, {0, nullptr}};
    static const CvOptionList onOffList(onOff);
    CvSNMPRequest r;
    r.SetVarList(derived, SVT_SV, 0);
    r.varList.Var(0).value = "5";
    r.varList.Var(1).value = "7";
    r.varList.Var(2).value = "a$1b";
    r.varList.Var(4).value = "1 day 0:00:00.01";
    QCOMPARE(r.Substitute("$0+$1", false, '$'), QString("5+7"));
    QCOMPARE(r.Substitute("$4", false, '$'), QString("8640001"));
    // A value holding the marker is inserted once, never expanded again.
    QCOMPARE(r.Substitute("$2=$2", true, '$'), QString("\"a$1b\"=\"a$1b\""));
    QVERIFY(r.Evaluate("$0=5&$2<>\"\""));
    QVERIFY(!r.RowPasses("$1=8"));
    r.rowFilter = "$0<>5";
    QVERIFY(!r.RowPasses(""));
    r.ComputeDerived(3, true);
    QCOMPARE(r.varList.Var(3).value, QString("19"));

    for (const auto &[expression, code] : {std::pair {"$2+1", -513}, std::pair {"$9", -12}}) {
        try {
            r.Substitute(expression, false, '$');
            QFAIL("no exception");
        } catch (const CvException &e) {
            QCOMPARE(e.code(), code);
        }
    }
    r.varList.Var(0).value = "(NULL)";
    try {
        r.ComputeDerived(3, true);
        QFAIL("no exception");
    } catch (const CvException &e) {
        QCOMPARE(e.code(), -512);
        QCOMPARE(e.message(), QString("(CvSNMP++) Null value in the expression!"));
    }
    // The raw value of an enumerated variable is what enters the expression.
    r.varList.Var(0).options = &onOffList;
    r.varList.Var(0).value = "off";
    QCOMPARE(r.Substitute("$0", false, '$'), QString("2"));
}

// clang-format off
void TstRequest::outOfScopeRules_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("lastOid");
    QTest::addColumn<QString>("received");
    QTest::addColumn<bool>("out");
    QTest::newRow("next row") << 2 << "1.3.6.1.2.1.2.2.1.1.4" << "1.3.6.1.2.1.2.2.1.1.5" << false;
    QTest::newRow("first row") << 2 << "" << "1.3.6.1.2.1.2.2.1.1.1" << false;
    QTest::newRow("next column") << 2 << "1.3.6.1.2.1.2.2.1.1.9" << "1.3.6.1.2.1.2.2.1.2.1" << true;
    QTest::newRow("column 10 is not column 1") << 2 << "" << "1.3.6.1.2.1.2.2.1.10.1" << true;
    QTest::newRow("repeat") << 3 << "1.3.6.1.2.1.2.2.1.1.5" << "1.3.6.1.2.1.2.2.1.1.5" << true;
    QTest::newRow("backwards") << 3 << "1.3.6.1.2.1.2.2.1.1.10" << "1.3.6.1.2.1.2.2.1.1.9" << true;
    QTest::newRow("numeric, not text order") << 2 << "1.3.6.1.2.1.2.2.1.1.9" << "1.3.6.1.2.1.2.2.1.1.10" << false;
    QTest::newRow("deeper than the last") << 2 << "1.3.6.1.2.1.2.2.1.1.5" << "1.3.6.1.2.1.2.2.1.1.5.1" << false;
    QTest::newRow("shorter than the last") << 2 << "1.3.6.1.2.1.2.2.1.1.5.1" << "1.3.6.1.2.1.2.2.1.1.5" << true;
    QTest::newRow("largest arcs") << 2 << "1.3.6.1.2.1.2.2.1.1.4294967294" << "1.3.6.1.2.1.2.2.1.1.4294967295" << false;
    QTest::newRow("largest arc going back") << 2 << "1.3.6.1.2.1.2.2.1.1.4294967295" << "1.3.6.1.2.1.2.2.1.1.7" << true;
    QTest::newRow("leading dot on the last") << 2 << ".1.3.6.1.2.1.2.2.1.1.9" << "1.3.6.1.2.1.2.2.1.1.10" << false;
    QTest::newRow("prefix alone") << 2 << "" << "1.3.6.1.2.1.2.2.1.1" << true;
    QTest::newRow("never for one row") << 1 << "1.3.6.1.2.1.2.2.1.1.5" << "1.3.6.1.2.1.2.2.1.2.1" << false;
}
// clang-format on

void TstRequest::outOfScopeRules()
{
    QFETCH(int, kind);
    QFETCH(QString, lastOid);
    QFETCH(QString, received);
    QFETCH(bool, out);
    CvSNMPRequest r;
    r.SetVarList(systemGroup, quint8(kind), 0);
    QCOMPARE(r.IsOutOfScope("1.3.6.1.2.1.2.2.1.1", lastOid, received), out);
}

QTEST_GUILESS_MAIN(TstRequest)
#include "tst_request.moc"
