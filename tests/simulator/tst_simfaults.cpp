// trvsim's command line: fault switches, refused arguments and signals.

#include "SimHarness.h"

using namespace simtest;

namespace {
const QString sysName = QStringLiteral("1.3.6.1.2.1.1.5.0");
}

class TstSimFaults : public QObject
{
    Q_OBJECT

private slots:
    void refusedArguments_data();
    void refusedArguments();
    void endsCleanly_data();
    void endsCleanly();
    void delay();
    void dropEverything();
    void dropIsDeterministic();
    void silentAfter();
    void ledOctets_data();
    void ledOctets();

private:
    // One get with a single try; true when answered.
    bool answered(Simulator &sim, const QString &timeout = "0.4")
    {
        const auto r = tools.run(
            "snmpget", {"-v2c", "-c", "kestra", "-r0", "-t", timeout, sim.address(), sysName});
        return r.exitCode == 0 && !r.value(sysName).isEmpty();
    }
    QString dropPattern(const QString &seed)
    {
        Simulator sim;
        if (!sim.start({"--stack", "1:TRM6140QL*", "--drop-percent", "50", "--seed-random", seed}))
            return {};
        QString pattern;
        for (int i = 0; i < 16; ++i)
            pattern += answered(sim, "0.3") ? '+' : '-';
        return pattern;
    }

    Tools tools;
};

void TstSimFaults::refusedArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("not loopback") << QStringList {"--listen", "10.0.0.1:16161"};
    QTest::newRow("any address") << QStringList {"--listen", "0.0.0.0:16161"};
    QTest::newRow("no port") << QStringList {"--listen", "127.0.0.1"};
    QTest::newRow("port too large") << QStringList {"--listen", "127.0.0.1:70000"};
    QTest::newRow("host name") << QStringList {"--listen", "example.invalid:161"};
    QTest::newRow("unit 13") << QStringList {"--stack", "13:TRV-8170QL"};
    QTest::newRow("unit 0") << QStringList {"--stack", "0:TRV-8170QL"};
    QTest::newRow("unit twice") << QStringList {"--stack", "1:TRV-8170QL,1:TRM6140QL*"};
    QTest::newRow("no model") << QStringList {"--stack", "1"};
    QTest::newRow("negative delay") << QStringList {"--delay-ms", "-5"};
    QTest::newRow("drop over 100") << QStringList {"--drop-percent", "101"};
    QTest::newRow("led octets not a number") << QStringList {"--led-octets", "x"};
    QTest::newRow("unknown option") << QStringList {"--bogus", "1"};
    QTest::newRow("missing value") << QStringList {"--stack"};
}

void TstSimFaults::refusedArguments()
{
    QFETCH(QStringList, args);
    QCOMPARE(refusedExitCode(QStringList {"--listen", "127.0.0.1:0"} + args), 2);
}

void TstSimFaults::endsCleanly_data()
{
    QTest::addColumn<int>("sig");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void TstSimFaults::endsCleanly()
{
    QFETCH(int, sig);
    Simulator sim;
    QVERIFY(sim.start({"--delay-ms", "5000"}));
    // A request still waiting for its delayed answer does not hold it up.
    QProcess pending;
    pending.start("snmpget", {"-v2c", "-c", "kestra", "-r0", "-t", "8", sim.address(), sysName});
    QVERIFY(pending.waitForStarted());
    QTest::qWait(300);
    // Nonzero also when a sanitizer build finds it leaving memory behind.
    const int code = sim.stop(sig);
    QVERIFY2(code == 0, qPrintable(sim.errors()));
    pending.kill();
    pending.waitForFinished();
}

void TstSimFaults::delay()
{
    Simulator sim;
    QVERIFY(sim.start({"--delay-ms", "1500"}));
    QVERIFY(!answered(sim, "0.5"));
    QVERIFY(answered(sim, "5"));
    // Sets are answered late too, and take effect.
    const auto r = tools.run("snmpset",
        {"-v2c", "-c", "marlowe", "-r0", "-t", "5", sim.address(), sysName, "s", "slow"});
    QCOMPARE(r.exitCode, 0);
    const auto g
        = tools.run("snmpget", {"-v2c", "-c", "kestra", "-r0", "-t", "5", sim.address(), sysName});
    QCOMPARE(QString::fromLatin1(hexOctets(g.value(sysName))), QStringLiteral("slow"));
}

void TstSimFaults::dropEverything()
{
    Simulator sim;
    QVERIFY(sim.start({"--drop-percent", "100"}));
    for (int i = 0; i < 3; ++i)
        QVERIFY(!answered(sim));
    Simulator none;
    QVERIFY(none.start({"--drop-percent", "0"}));
    for (int i = 0; i < 3; ++i)
        QVERIFY(answered(none));
}

// The same seed drops the same requests; about half of them.
void TstSimFaults::dropIsDeterministic()
{
    const QString first = dropPattern("7");
    QCOMPARE(first.size(), 16);
    QCOMPARE(dropPattern("7"), first);
    QVERIFY2(first.contains('+') && first.contains('-'), qPrintable(first));
}

void TstSimFaults::silentAfter()
{
    Simulator sim;
    QVERIFY(sim.start({"--silent-after", "3"}));
    QString pattern;
    for (int i = 0; i < 5; ++i)
        pattern += answered(sim) ? '+' : '-';
    QCOMPARE(pattern, QStringLiteral("+++--"));
    QCOMPARE(sim.stop(), 0);
}

void TstSimFaults::ledOctets_data()
{
    QTest::addColumn<QString>("limit");
    QTest::addColumn<int>("length");
    QTest::newRow("cut to 50") << "50" << 50;
    QTest::newRow("cut to 0") << "0" << 0;
    QTest::newRow("longer than the string") << "200" << 108;
}

void TstSimFaults::ledOctets()
{
    QFETCH(QString, limit);
    QFETCH(int, length);
    Simulator sim;
    QVERIFY(sim.start({"--stack", "1:TRV-8170QL", "--led-octets", limit}));
    const QString led = oid("1.3.6.1.4.1.PEN.12.11.1.9.4.1.6.1");
    const auto r = tools.run("snmpget", sim.v2c() << led);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(hexOctets(r.value(led)).size(), length);
}

QTEST_GUILESS_MAIN(TstSimFaults)
#include "tst_simfaults.moc"
