#include "Ber.h"
#include "CvBootCounter.h"
#include "CvCatalogues.h"
#include "CvException.h"
#include "CvSNMPRequest.h"
#include "CvSNMPSession.h"
#include "CvSnmpTransport.h"
#include "SimulatorProcess.h"
#include "UdpRelay.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>
#include <QUdpSocket>
#include <QtTest>

#include <optional>

namespace {
const QString pen = QString::number(TRV_PEN);
// Unit table, column 1 (unit id) of unit 1.
CvOid unitId()
{
    return *ParseOid(QStringLiteral("1.3.6.1.4.1.%1.12.11.1.9.4.1.1.1").arg(pen));
}
} // namespace

class TstTransport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { CvSnmpTransport::instance().CloseAll(); }
    void versionsAndUsers_data();
    void versionsAndUsers();
    void changedPassPhraseTakesEffect();
    void immediateFailures_data();
    void immediateFailures();
    void timeoutKeepsEventLoopRunning_data();
    void timeoutKeepsEventLoopRunning();
    void cancelledRequestReachesNothing();
    void errorStatusAndEndOfMib();
    void reportOnCommunitySessionIsInvalidPdu();
    void getBulk_data();
    void getBulk();
    void bootsCounter();
    void bootsCounterWritersStartingTogether();
    void contextEngineIdGoesAsItsText();
    void agentRestartAndNewEngine();
    void hostNameLookedUpOnce();
    void passPhrasesStayOutOfSessionKeys();

private:
    CvSnmpTarget target(quint8 version) const;
    std::optional<CvSnmpResponse> exchange(const CvSnmpTarget &t, CvPduType type,
        QList<CvSnmpBinding> bindings, int *immediate = nullptr, int waitMs = 10000);
    std::unique_ptr<SimulatorProcess> m_sim;
};

void TstTransport::initTestCase()
{
    QTemporaryDir dir;
    StartSession(dir.path());
    // A first start in an empty folder runs with boots 1, as the file says.
    QCOMPARE(CvBootCounter::Load(dir.filePath(CvBootCounter::FileName), LocalEngineId), 1u);
    QCOMPARE(CvSnmpTransport::instance().LocalEngineBoots(), 1u);
    m_sim = std::make_unique<SimulatorProcess>();
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
}

CvSnmpTarget TstTransport::target(quint8 version) const
{
    CvSnmpTarget t;
    t.address = m_sim->address();
    t.port = m_sim->port();
    t.version = version;
    t.community = QStringLiteral("kestra");
    t.timeoutCs = 100;
    t.retries = 1;
    return t;
}

std::optional<CvSnmpResponse> TstTransport::exchange(const CvSnmpTarget &t, CvPduType type,
    QList<CvSnmpBinding> bindings, int *immediate, int waitMs)
{
    auto got = std::make_shared<std::optional<CvSnmpResponse>>();
    int failed = 0;
    const quint64 h = CvSnmpTransport::instance().Send(
        t, type, bindings, [got](const CvSnmpResponse &r) { *got = r; }, &failed);
    if (immediate)
        *immediate = failed;
    if (failed)
        return std::nullopt;
    QElapsedTimer clock;
    clock.start();
    while (!got->has_value() && clock.elapsed() < waitMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    CvSnmpTransport::instance().Cancel(h);
    return *got;
}

void TstTransport::versionsAndUsers_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("user");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("auth");
    QTest::addColumn<int>("priv");
    QTest::addColumn<QString>("authPass");
    QTest::addColumn<QString>("privPass");
    QTest::addColumn<int>("result");
    QTest::newRow("v1") << 0 << "" << 0 << 0 << 0 << ""
                        << "" << 0;
    QTest::newRow("v2c") << 1 << "" << 0 << 0 << 0 << ""
                         << "" << 0;
    QTest::newRow("noauthuser") << 3 << "noauthuser" << 1 << 1 << 1 << ""
                                << "" << 0;
    QTest::newRow("md5user") << 3 << "md5user" << 2 << 2 << 1 << "authpass123"
                             << "" << 0;
    QTest::newRow("shauser") << 3 << "shauser" << 2 << 3 << 1 << "authpass123"
                             << "" << 0;
    QTest::newRow("md5desuser") << 3 << "md5desuser" << 3 << 2 << 2 << "authpass123"
                                << "privpass123" << 0;
    QTest::newRow("shaaesuser") << 3 << "shaaesuser" << 3 << 3 << 4 << "authpass123"
                                << "privpass123" << 0;
    QTest::newRow("sha256aesuser") << 3 << "sha256aesuser" << 3 << 5 << 4 << "authpass123"
                                   << "privpass123" << 0;
    QTest::newRow("wrong auth pass phrase") << 3 << "shauser" << 2 << 3 << 1 << "wrongpass99"
                                            << "" << 1408;
    QTest::newRow("unknown user") << 3 << "nobody" << 1 << 1 << 1 << ""
                                  << "" << 1404;
    QTest::newRow("wrong privacy pass phrase is silence")
        << 3 << "shaaesuser" << 3 << 3 << 4 << "authpass123"
        << "wrongpriv99" << -5;
}

void TstTransport::versionsAndUsers()
{
    QFETCH(int, version);
    QFETCH(QString, user);
    QFETCH(int, level);
    QFETCH(int, auth);
    QFETCH(int, priv);
    QFETCH(QString, authPass);
    QFETCH(QString, privPass);
    QFETCH(int, result);
    CvSnmpTarget t = target(quint8(version));
    t.securityName = user;
    t.securityLevel = level;
    t.authProtocol = auth;
    t.privProtocol = priv;
    t.authPassword = authPass;
    t.privPassword = privPass;
    t.timeoutCs = result == -5 ? 20 : 100;
    const auto r = exchange(t, CvPduType::Get, {{unitId(), {}}});
    QVERIFY(r.has_value());
    QCOMPARE(r->result, result);
    if (result == 0) {
        QCOMPARE(r->bindings.size(), 1);
        QCOMPARE(r->bindings[0].oid, unitId());
        QCOMPARE(r->bindings[0].value.signedNumber().value_or(-1), 1);
        QCOMPARE(r->agentAddress, m_sim->address());
        QCOMPARE(r->agentPort, m_sim->port());
    }
    if (result == 1408)
        QCOMPARE(
            MessageOf(MapLibraryResult(r->result)), QString("(SNMPv3USM) Authentication failure!"));
}

void TstTransport::changedPassPhraseTakesEffect()
{
    CvSnmpTarget t = target(3);
    t.securityName = QStringLiteral("md5user");
    t.securityLevel = 2;
    t.authProtocol = 2;
    t.authPassword = QStringLiteral("notthepass1");
    auto r = exchange(t, CvPduType::Get, {{unitId(), {}}});
    QVERIFY(r.has_value());
    QCOMPARE(r->result, 1408);
    t.authPassword = QStringLiteral("authpass123");
    r = exchange(t, CvPduType::Get, {{unitId(), {}}});
    QVERIFY(r.has_value());
    QCOMPARE(r->result, 0);
    t.authPassword = QStringLiteral("notthepass2");
    r = exchange(t, CvPduType::Get, {{unitId(), {}}});
    QVERIFY(r.has_value());
    QCOMPARE(r->result, 1408);
}

void TstTransport::immediateFailures_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("auth");
    QTest::addColumn<int>("priv");
    QTest::addColumn<QString>("authPass");
    QTest::addColumn<QString>("contextEngine");
    QTest::addColumn<int>("result");
    QTest::newRow("unresolvable") << "no.such.host.invalid" << 1 << 0 << 0 << 0 << ""
                                  << "" << -18;
    QTest::newRow("bad dotted address") << "10.1.2.300" << 1 << 0 << 0 << 0 << ""
                                        << "" << -18;
    QTest::newRow("3DES not available") << "127.0.0.1" << 3 << 3 << 3 << 3 << "authpass123"
                                        << "" << 1413;
    QTest::newRow("IDEA not available") << "127.0.0.1" << 3 << 3 << 3 << 9 << "authpass123"
                                        << "" << 1413;
    QTest::newRow("auth protocol unknown") << "127.0.0.1" << 3 << 2 << 8 << 1 << "authpass123"
                                           << "" << 1412;
    QTest::newRow("short pass phrase") << "127.0.0.1" << 3 << 2 << 3 << 1 << "short"
                                       << "" << 1401;
    // An engine ID has 5 to 32 octets.
    QTest::newRow("context engine ID of 4 octets")
        << "127.0.0.1" << 3 << 3 << 3 << 4 << "authpass123"
        << "ab12" << -1406;
    QTest::newRow("context engine ID of 33 octets")
        << "127.0.0.1" << 3 << 3 << 3 << 4 << "authpass123" << QString(33, 'e') << -1406;
}

void TstTransport::immediateFailures()
{
    QFETCH(QString, address);
    QFETCH(int, version);
    QFETCH(int, level);
    QFETCH(int, auth);
    QFETCH(int, priv);
    QFETCH(QString, authPass);
    QFETCH(QString, contextEngine);
    QFETCH(int, result);
    CvSnmpTarget t = target(quint8(version));
    t.address = address;
    t.contextEngineId = contextEngine;
    t.securityName = QStringLiteral("shaaesuser");
    t.securityLevel = level;
    t.authProtocol = auth;
    t.privProtocol = priv;
    t.authPassword = authPass;
    t.privPassword = QStringLiteral("privpass123");
    int immediate = 0;
    // An SNMPv3 failure may come only once the engine is known: either way
    // it must be the same code.
    const auto r = exchange(t, CvPduType::Get, {{unitId(), {}}}, &immediate);
    QCOMPARE(immediate ? immediate : (r ? r->result : 0), result);
    if (result == -1406)
        QCOMPARE(MessageOf(MapLibraryResult(result)), QString("(SNMPv3) Invalid EngineID!"));
}

void TstTransport::timeoutKeepsEventLoopRunning_data()
{
    QTest::addColumn<int>("version");
    QTest::newRow("v2c") << 1;
    QTest::newRow("v3 engine discovery") << 3;
}

void TstTransport::timeoutKeepsEventLoopRunning()
{
    QFETCH(int, version);
    CvSnmpTarget t = target(quint8(version));
    t.port = SimulatorProcess::silentPort();
    t.securityName = QStringLiteral("noauthuser");
    t.securityLevel = 1;
    t.timeoutCs = 20; // two tries of 200 ms
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(10);
    QElapsedTimer clock;
    clock.start();
    int immediate = 0;
    auto got = std::make_shared<std::optional<CvSnmpResponse>>();
    CvSnmpTransport::instance().Send(
        t, CvPduType::Get, {{unitId(), {}}}, [got](const CvSnmpResponse &r) { *got = r; },
        &immediate);
    QCOMPARE(immediate, 0);
    QVERIFY(clock.elapsed() < 100); // sending never waits for the agent
    QTRY_VERIFY_WITH_TIMEOUT(got->has_value(), 5000);
    QCOMPARE((*got)->result, -5);
    QVERIFY2(clock.elapsed() >= 350, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(ticks > 10);
    QCOMPARE(MessageOf(MapLibraryResult((*got)->result)),
        QString("(SNMPClass) SNMP request timed out!"));
}

void TstTransport::cancelledRequestReachesNothing()
{
    CvSnmpTarget t = target(1);
    t.port = SimulatorProcess::silentPort();
    t.timeoutCs = 10;
    auto called = std::make_shared<bool>(false);
    const auto mark = [called](const CvSnmpResponse &) { *called = true; };
    int immediate = 0;
    CvSnmpTransport &transport = CvSnmpTransport::instance();
    const quint64 h = transport.Send(t, CvPduType::Get, {{unitId(), {}}}, mark, &immediate);
    QVERIFY(transport.IsPending(h));
    transport.Cancel(h);
    QVERIFY(!transport.IsPending(h));
    QTest::qWait(600);
    QVERIFY(!*called);
    QCOMPARE(transport.PendingCount(), 0);

    // A live agent's answer to a cancelled request is dropped too, and the
    // next request on the same session is answered as usual.
    const quint64 h2
        = transport.Send(target(1), CvPduType::Get, {{unitId(), {}}}, mark, &immediate);
    transport.Cancel(h2);
    QTRY_COMPARE_WITH_TIMEOUT(transport.PendingCount(), 0, 5000);
    QTest::qWait(50);
    QVERIFY(!*called);
    const auto r = exchange(target(1), CvPduType::Get, {{unitId(), {}}});
    QVERIFY(r.has_value());
    QCOMPARE(r->result, 0);
}

void TstTransport::errorStatusAndEndOfMib()
{
    // A set of the read-only unit id with the write community.
    CvSnmpTarget t = target(1);
    t.community = QStringLiteral("marlowe");
    auto r = exchange(t, CvPduType::Set, {{unitId(), CvSNMPValue::FromInteger(7)}});
    QVERIFY(r.has_value());
    QCOMPARE(r->result, 17); // notWritable
    QCOMPARE(r->errorIndex, 1);
    QCOMPARE(MessageOf(MapLibraryResult(r->result)),
        QString("(SNMP) Cannot create/set variable, Not Writable!"));

    // get-next past the last object: v1 noSuchName echoing the OID, v2c
    // endOfMibView. The simulator serves objects beyond the enterprises
    // arc (snmpModules), so the OID is taken under the last top-level arc.
    const CvOid last {2, 999};
    r = exchange(target(0), CvPduType::GetNext, {{last, {}}});
    QVERIFY(r.has_value());
    QCOMPARE(r->result, 2);
    QCOMPARE(r->bindings.value(0).oid, last);
    r = exchange(target(1), CvPduType::GetNext, {{last, {}}});
    QVERIFY(r.has_value());
    QCOMPARE(r->result, 0);
    QCOMPARE(r->bindings.value(0).value.tag(), CvSNMPValue::EndOfMibView);
}

// An agent that answers an SNMPv2c request with a report PDU (the request
// sent back under the report tag): a malformed answer, not an SNMPv3
// security failure.
void TstTransport::reportOnCommunitySessionIsInvalidPdu()
{
    QUdpSocket agent;
    QVERIFY(agent.bind(QHostAddress::LocalHost, 0));
    QObject::connect(&agent, &QUdpSocket::readyRead, &agent, [&agent] {
        while (agent.hasPendingDatagrams()) {
            QHostAddress from;
            quint16 port = 0;
            QByteArray d(int(agent.pendingDatagramSize()), '\0');
            agent.readDatagram(d.data(), d.size(), &from, &port);
            qsizetype pos = 0, length = 0;
            // message sequence, version, community: the PDU tag follows
            if (!Ber::readHeader(d, pos, length))
                continue;
            for (int skip = 0; skip < 2; ++skip) {
                if (!Ber::readHeader(d, pos, length))
                    break;
                pos += length;
            }
            if (pos >= d.size())
                continue;
            d[pos] = char(0xA8);
            agent.writeDatagram(d, from, port);
        }
    });
    CvSnmpTarget t = target(1);
    t.address = QStringLiteral("127.0.0.1");
    t.port = agent.localPort();
    const auto r = exchange(t, CvPduType::Get, {{unitId(), {}}});
    QVERIFY(r.has_value());
    QCOMPARE(MessageOf(MapLibraryResult(r->result)), QString("(SNMPClass) Invalid Pdu!"));
}

void TstTransport::getBulk_data()
{
    QTest::addColumn<int>("version");
    QTest::newRow("v2c") << 1;
    QTest::newRow("v3") << 3;
}

// One non-repeater and two columns of three repetitions: seven bindings,
// the repetitions interleaved column by column as the agent walks them.
void TstTransport::getBulk()
{
    QFETCH(int, version);
    CvSnmpTarget t = target(quint8(version));
    t.securityName = QStringLiteral("noauthuser");
    const CvOid upTime {1, 3, 6, 1, 2, 1, 1, 3};
    const CvOid descr {1, 3, 6, 1, 2, 1, 2, 2, 1, 2};
    const CvOid type {1, 3, 6, 1, 2, 1, 2, 2, 1, 3};
    std::optional<CvSnmpResponse> got;
    QEventLoop loop;
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    int immediate = 0;
    CvSnmpTransport::instance().SendBulk(
        t, {{upTime, {}}, {descr, {}}, {type, {}}}, 1, 3,
        [&](const CvSnmpResponse &r) {
            got = r;
            loop.quit();
        },
        &immediate);
    QCOMPARE(immediate, 0);
    loop.exec();
    QVERIFY(got.has_value());
    QCOMPARE(got->result, 0);
    QCOMPARE(got->bindings.size(), 7);
    QCOMPARE(got->bindings[0].oid, upTime + CvOid {0});
    for (int r = 0; r < 3; ++r) {
        QCOMPARE(got->bindings[1 + 2 * r].oid.mid(0, descr.size()), descr);
        QCOMPARE(got->bindings[2 + 2 * r].oid.mid(0, type.size()), type);
        QCOMPARE(got->bindings[1 + 2 * r].oid.last(), got->bindings[2 + 2 * r].oid.last());
    }
    QVERIFY(got->bindings[3].oid.last() > got->bindings[1].oid.last());

    // SNMPv1 has no get-bulk: refused before anything is sent.
    CvSnmpTransport::instance().SendBulk(target(0), {{descr, {}}}, 0, 3, {}, &immediate);
    QVERIFY(immediate != 0);
}

void TstTransport::bootsCounter()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(CvBootCounter::FileName);
    const QByteArray id("CvSNMP_PP_Application");
    QCOMPARE(CvBootCounter::Load(file, id), 0u);
    CvBootCounter::Save(file, id, 1);
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), CvBootCounter::EncodeEngineId(id) + " 1\n");
    f.close();
    QVERIFY(CvBootCounter::EncodeEngineId(id).startsWith("DCGF")); // 'C' 0x43, 'v' 0x76

    // Other engines' lines and comments stay where they are.
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("# counters\nABCD 7\n" + CvBootCounter::EncodeEngineId(id) + " 41\nEFGH 9\n");
    f.close();
    QCOMPARE(CvBootCounter::Load(file, id), 41u);
    CvBootCounter::Save(file, id, 42);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(
        f.readAll(), "# counters\nABCD 7\n" + CvBootCounter::EncodeEngineId(id) + " 42\nEFGH 9\n");
    f.close();
    QVERIFY(!QFile::exists(file + ".tmp"));

    // A damaged count is -507; a folder that cannot be written is -508.
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(CvBootCounter::EncodeEngineId(id) + " many\n");
    f.close();
    try {
        CvBootCounter::Load(file, id);
        QFAIL("no exception");
    } catch (const CvException &e) {
        QCOMPARE(e.code(), -507);
    }
    try {
        CvBootCounter::Save(dir.filePath("missing/dir/counter"), id, 1);
        QFAIL("no exception");
    } catch (const CvException &e) {
        QCOMPARE(e.code(), -508);
        QCOMPARE(e.message(), QString("(CvSNMP++) Error when saving SNMP engine boots counter!"));
    }

    // Every start of the session adds one, with or without a final separator.
    QVERIFY(QFile::remove(file));
    StartSession(dir.path() + "/");
    QCOMPARE(CvBootCounter::Load(file, id), 1u);
    StartSession(dir.path());
    QCOMPARE(CvBootCounter::Load(file, id), 2u);
}

// The module and its views start together and all count the boots up in
// one file: every count-up is kept, and so is every other engine's line.
void TstTransport::bootsCounterWritersStartingTogether()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(CvBootCounter::FileName);
    const QByteArray shared(LocalEngineId);
    constexpr int Writers = 6;
    constexpr int Rounds = 25;
    QList<QString> failures;
    QMutex failuresLock;
    std::vector<std::unique_ptr<QThread>> threads;
    for (int w = 0; w < Writers; ++w) {
        threads.emplace_back(QThread::create([&, w] {
            const QByteArray own = "writer-" + QByteArray::number(w);
            try {
                for (int r = 0; r < Rounds; ++r) {
                    CvBootCounter::CountUp(file, shared);
                    CvBootCounter::CountUp(file, own);
                }
            } catch (const CvException &e) {
                const QMutexLocker locked(&failuresLock);
                failures.append(e.message());
            }
        }));
    }
    for (auto &t : threads)
        t->start();
    for (auto &t : threads)
        QVERIFY(t->wait(120000));
    QCOMPARE(failures, QList<QString>());
    QCOMPARE(CvBootCounter::Load(file, shared), quint32(Writers * Rounds));
    for (int w = 0; w < Writers; ++w)
        QCOMPARE(CvBootCounter::Load(file, "writer-" + QByteArray::number(w)), quint32(Rounds));
    // Nothing but the counter is left in the folder.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList {CvBootCounter::FileName});
}

// The context engine ID is text: its octets go on the request as they are,
// not read as hexadecimal digits.
void TstTransport::contextEngineIdGoesAsItsText()
{
    UdpRelay relay(m_sim->port());
    QList<QByteArray> requests;
    relay.onRequest = [&requests](const QByteArray &d) { requests.append(d); };
    CvSnmpTarget t = target(3);
    t.port = relay.port();
    t.securityName = QStringLiteral("shauser"); // no privacy: the PDU is readable
    t.securityLevel = 2;
    t.authProtocol = 3;
    t.authPassword = QStringLiteral("authpass123");
    const QByteArray engine = "ctx-engine:7/x";
    t.contextEngineId = QString::fromLatin1(engine);
    const auto r = exchange(t, CvPduType::Get, {{unitId(), {}}});
    QVERIFY(r.has_value());
    QCOMPARE(r->result, 0);
    const QByteArray field = char(0x04) + QByteArray(1, char(engine.size())) + engine;
    bool sent = false;
    for (const QByteArray &d : std::as_const(requests))
        sent = sent || d.contains(field);
    QVERIFY2(sent,
        qPrintable(QString("%1 requests, none with the context engine ID").arg(requests.size())));
}

// An agent that restarts counts its boots up: the first SNMPv3 request
// after it draws a notInTimeWindow report, which the library answers by
// sending again. An agent that comes back with another engine ID is found
// again. Neither may reach the operator as an error.
void TstTransport::agentRestartAndNewEngine()
{
    QTemporaryDir runtime;
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const auto restoreRuntime = qScopeGuard([&] { qputenv("XDG_RUNTIME_DIR", oldRuntime); });
    const quint16 port = SimulatorProcess::silentPort();
    CvSnmpTarget t = target(3);
    t.port = port;
    t.securityName = QStringLiteral("shaaesuser");
    t.securityLevel = 3;
    t.authProtocol = 3;
    t.privProtocol = 4;
    t.authPassword = QStringLiteral("authpass123");
    t.privPassword = QStringLiteral("privpass123");
    const auto getUnit = [&] {
        const auto r = exchange(t, CvPduType::Get, {{unitId(), {}}});
        return r ? r->result : -999;
    };
    {
        SimulatorProcess first({}, port);
        QVERIFY2(first.isReady(), qPrintable(first.errorText()));
        QCOMPARE(getUnit(), 0);
    }
    {
        SimulatorProcess restarted({}, port);
        QVERIFY2(restarted.isReady(), qPrintable(restarted.errorText()));
        QCOMPARE(getUnit(), 0);
        QCOMPARE(getUnit(), 0);
    }
    // The agent's engine directory goes: it comes back with a new engine
    // ID. Its report to the old one is unreadable, so the first request
    // times out; the next one finds the new engine.
    QVERIFY(QDir(runtime.path()).removeRecursively());
    SimulatorProcess replaced({}, port);
    QVERIFY2(replaced.isReady(), qPrintable(replaced.errorText()));
    const int first = getUnit();
    QVERIFY2(first == 0 || first == CvSnmpResult::Timeout, qPrintable(QString::number(first)));
    QCOMPARE(getUnit(), 0);
    QCOMPARE(getUnit(), 0);
}

// A host name is resolved once for many requests, and a name that does
// not resolve ends the request with the catalogued address error.
void TstTransport::hostNameLookedUpOnce()
{
    CvSnmpTransport &transport = CvSnmpTransport::instance();
    CvSnmpTarget t = target(1);
    t.address = QStringLiteral("localhost");
    const quint64 before = transport.HostLookups();
    for (int k = 0; k < 20; ++k) {
        const auto r = exchange(t, CvPduType::Get, {{unitId(), {}}});
        QVERIFY(r.has_value());
        QCOMPARE(r->result, 0);
        QCOMPARE(r->agentAddress, QStringLiteral("localhost"));
    }
    QCOMPARE(transport.HostLookups() - before, 1u);

    t.address = QStringLiteral("no-such-switch.invalid");
    int immediate = 0;
    const auto r = exchange(t, CvPduType::Get, {{unitId(), {}}}, &immediate);
    const int code = immediate ? immediate : (r ? r->result : 0);
    QCOMPARE(MessageOf(RequestCode(code)), QString("(CvSNMP++) Invalid IP Address or DNS name!"));
}

void TstTransport::passPhrasesStayOutOfSessionKeys()
{
    CvSnmpTarget t = target(3);
    t.securityName = QStringLiteral("shaaesuser");
    t.securityLevel = 3;
    t.authPassword = QStringLiteral("authpass123");
    t.privPassword = QStringLiteral("privpass123");
    const QString key = CvSnmpTransport::SessionKey(t, QStringLiteral("udp:127.0.0.1:161"));
    QVERIFY(!key.contains(t.authPassword));
    QVERIFY(!key.contains(t.privPassword));
    // Other pass phrases are another session.
    CvSnmpTarget other = t;
    other.privPassword = QStringLiteral("privpass124");
    QVERIFY(key != CvSnmpTransport::SessionKey(other, QStringLiteral("udp:127.0.0.1:161")));
    other = t;
    other.authPassword = QStringLiteral("authpass12");
    other.privPassword = QStringLiteral("3privpass123");
    QVERIFY(key != CvSnmpTransport::SessionKey(other, QStringLiteral("udp:127.0.0.1:161")));
}

QTEST_GUILESS_MAIN(TstTransport)
#include "tst_transport.moc"
