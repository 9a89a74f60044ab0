// Reading trvsim: the unit table, LED strings, walk order, protocol versions
// and SNMPv3 users, checked with Net-SNMP's command-line tools.

#include "SimHarness.h"

using namespace simtest;

namespace {

const QString unitEntry = QStringLiteral("1.3.6.1.4.1.PEN.12.11.1.9.4.1");

QList<int> oidParts(const QString &text)
{
    QList<int> parts;
    for (const auto &p : text.split(QLatin1Char('.')))
        parts.append(p.toInt());
    return parts;
}

} // namespace

class TstSimWalk : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void unitTable_data();
    void unitTable();
    void ledStrings();
    void ledStringsFollowLinks();
    void getNextOrder_data();
    void getNextOrder();
    void fullWalkIsOrdered();
    void endOfMib_data();
    void endOfMib();
    void missingInstances_data();
    void missingInstances();
    void v3Users_data();
    void v3Users();
    void v3Refused_data();
    void v3Refused();
    void ipv6Listen();
    void engineGroupAndStatistics();
    void clockIsUtcNow();

private:
    Tools tools;
    Simulator shared; // for the cases that only read
};

void TstSimWalk::initTestCase()
{
    QVERIFY(shared.start({"--stack", "1:TRV-8170QL,2:TRM6140QL*"}));
}

void TstSimWalk::unitTable_data()
{
    QTest::addColumn<QString>("stack");
    // unit:ports:model:mode, in walk order
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("two units") << "1:TRV-8170QL,2:TRM6140QL*"
                               << QStringList {"1:50:TRV-8170QL:4", "2:24:TRM6140QL*:5"};
    QTest::newRow("default stack")
        << QString() << QStringList {"1:50:TRV-8170QL:4", "2:24:TRM6140QL*:5", "3:26:TRV-8140QL:5"};
    QTest::newRow("stand-alone, unordered spec")
        << "3:TRV-8140PQL" << QStringList {"3:26:TRV-8140PQL:3"};
    QTest::newRow("gap in unit numbers")
        << "5:TRM-6140QLI,2:TRV8170QL" << QStringList {"2:50:TRV8170QL:4", "5:24:TRM-6140QLI:5"};
    QStringList twelve, spec;
    const QStringList models {"TRV-8170QL", "TRV-8140QL", "TRM-6140QL", "TRM6140QL*"};
    const int ports[] = {50, 26, 24, 24};
    for (int u = 1; u <= 12; ++u) {
        spec << QStringLiteral("%1:%2").arg(u).arg(models[(u - 1) % 4]);
        twelve << QStringLiteral("%1:%2:%3:%4")
                      .arg(u)
                      .arg(ports[(u - 1) % 4])
                      .arg(models[(u - 1) % 4])
                      .arg(u == 1 ? 4 : 5);
    }
    QTest::newRow("twelve units") << spec.join(QLatin1Char(',')) << twelve;
}

void TstSimWalk::unitTable()
{
    QFETCH(QString, stack);
    QFETCH(QStringList, expected);
    Simulator sim;
    QVERIFY(sim.start(stack.isEmpty() ? QStringList {} : QStringList {"--stack", stack}));
    const auto walk = tools.run("snmpwalk", sim.v2c() << oid(unitEntry));
    QCOMPARE(walk.exitCode, 0);
    const QString e = oid(unitEntry) + QLatin1Char('.');
    QStringList got;
    QSet<QByteArray> macs;
    int totalPorts = 0;
    for (const auto &b : walk.bindings()) {
        if (!b.first.startsWith(e + "1."))
            continue;
        const QString u = b.first.mid(e.size() + 2);
        QCOMPARE(b.second, u); // the id column shows the index
        QCOMPARE(walk.value(e + "2." + u), QStringLiteral("1")); // exist
        const int range = walk.value(e + "5." + u).toInt();
        QCOMPARE(walk.value(e + "4." + u).toInt(), (u.toInt() - 1) * 64 + 1);
        const QByteArray mac = hexOctets(walk.value(e + "3." + u));
        QCOMPARE(mac.size(), 6);
        macs.insert(mac);
        totalPorts += range;
        got << QStringLiteral("%1:%2:%3:%4")
                   .arg(u)
                   .arg(range)
                   .arg(QString::fromLatin1(hexOctets(walk.value(e + "10." + u))))
                   .arg(walk.value(e + "8." + u));
    }
    QCOMPARE(got, expected);
    QCOMPARE(macs.size(), expected.size());

    // Every port of the stack is an interface; the default VLAN holds them all.
    const auto counts = tools.run("snmpget",
        sim.v2c() << "1.3.6.1.2.1.2.1.0"
                  << "1.3.6.1.2.1.17.7.1.4.3.1.2.1");
    QCOMPARE(counts.value("1.3.6.1.2.1.2.1.0").toInt(), totalPorts);
    const QByteArray egress = hexOctets(counts.value("1.3.6.1.2.1.17.7.1.4.3.1.2.1"));
    QCOMPARE(egress.size(), 96);
    int members = 0;
    for (int bit = 0; bit < 768; ++bit)
        members += (static_cast<unsigned char>(egress[bit / 8]) >> (7 - bit % 8)) & 1;
    QCOMPARE(members, totalPorts);
}

// Each model's LED string covers its highest LED position; octets carry a
// colour in bits 0-2 and the blink bit 7; activity changes over time.
void TstSimWalk::ledStrings()
{
    Simulator sim;
    QVERIFY(sim.start({"--stack", "1:TRV-8170QL,2:TRM-6140QLI,3:TRV-8140PQL,4:TRM6140QL*"}));
    const QString led = oid(unitEntry + ".6.");
    const QMap<int, int> highest {{1, 106}, {2, 62}, {3, 58}, {4, 54}};
    QMap<int, QByteArray> first;
    for (auto it = highest.begin(); it != highest.end(); ++it) {
        const auto r = tools.run("snmpget", sim.v2c() << led + QString::number(it.key()));
        const QByteArray s = hexOctets(r.value(led + QString::number(it.key())));
        QVERIFY2(s.size() > it.value(),
            qPrintable(QStringLiteral("unit %1: %2 octets").arg(it.key()).arg(s.size())));
        QCOMPARE(static_cast<unsigned char>(s[0]), 0x02); // power on
        QCOMPARE(static_cast<unsigned char>(s[1]), it.key() == 1 ? 0x02 : 0x06); // master
        for (unsigned char c : s) {
            QVERIFY2((c & 0x78) == 0, qPrintable(QString::number(c, 16)));
            QVERIFY((c & 7) >= 2 && (c & 7) <= 6);
        }
        QCOMPARE(static_cast<unsigned char>(s[it.value()]), 0x02); // stacked: stacking LED on
        first[it.key()] = s;
    }
    // Links come and go with traffic: some octet changes within a few seconds.
    bool changed = false;
    for (int i = 0; i < 20 && !changed; ++i) {
        QTest::qWait(500);
        const auto r = tools.run("snmpget", sim.v2c() << led + "1");
        changed = hexOctets(r.value(led + "1")) != first[1];
    }
    QVERIFY(changed);

    // A single unit is not stacked: its stacking LEDs are off.
    Simulator alone;
    QVERIFY(alone.start({"--stack", "1:TRV-8170QL"}));
    const auto r = tools.run("snmpget", alone.v2c() << led + "1");
    const QByteArray s = hexOctets(r.value(led + "1"));
    QCOMPARE(static_cast<unsigned char>(s[104]), 0x06);
    QCOMPARE(static_cast<unsigned char>(s[106]), 0x06);
}

// The LED link octet, ifOperStatus and the port information link status
// describe the same link, and an administratively disabled port is down.
void TstSimWalk::ledStringsFollowLinks()
{
    Simulator sim;
    QVERIFY(sim.start({"--stack", "1:TRV-8170QL"}));
    const QString led = oid(unitEntry + ".6.1");
    const QString portInfo = oid("1.3.6.1.4.1.PEN.11.59.8.2.3.1.1.3.");
    QStringList args = sim.v2c() << led;
    for (int p = 1; p <= 20; ++p)
        args << QStringLiteral("1.3.6.1.2.1.2.2.1.8.%1").arg(p) << portInfo + QString::number(p);
    const auto r = tools.run("snmpget", args);
    QCOMPARE(r.exitCode, 0);
    const QByteArray s = hexOctets(r.value(led));
    int up = 0;
    for (int p = 1; p <= 20; ++p) {
        const bool ledOn = static_cast<unsigned char>(s[4 + 2 * (p - 1)]) != 0x06;
        const bool operUp = r.value(QStringLiteral("1.3.6.1.2.1.2.2.1.8.%1").arg(p)) == "1";
        QCOMPARE(operUp, ledOn);
        QCOMPARE(r.value(portInfo + QString::number(p)), QString(operUp ? "2" : "3"));
        up += operUp;
    }
    QVERIFY(up > 0 && up < 20);

    // Disable every port by the port control table: all link LEDs go off.
    QStringList set = sim.v2c("marlowe");
    for (int p = 1; p <= 50; ++p)
        set << oid("1.3.6.1.4.1.PEN.11.59.8.2.3.2.1.3.%1").arg(p) << "i"
            << "2";
    QCOMPARE(tools.run("snmpset", set).exitCode, 0);
    const QByteArray dark = hexOctets(tools.run("snmpget", sim.v2c() << led).value(led));
    for (int p = 1; p <= 50; ++p)
        QCOMPARE(static_cast<unsigned char>(dark[4 + 2 * (p - 1)]), 0x06);
}

void TstSimWalk::getNextOrder_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("next");
    QTest::newRow("before the root") << "1.3"
                                     << "1.3.6.1.2.1.1.1.0";
    QTest::newRow("scalar object") << "1.3.6.1.2.1.1.1"
                                   << "1.3.6.1.2.1.1.1.0";
    QTest::newRow("scalar instance") << "1.3.6.1.2.1.1.1.0"
                                     << "1.3.6.1.2.1.1.2.0";
    QTest::newRow("past a scalar") << "1.3.6.1.2.1.1.7.0.5"
                                   << "1.3.6.1.2.1.2.1.0";
    QTest::newRow("gap between units") << "1.3.6.1.2.1.2.2.1.2.50"
                                       << "1.3.6.1.2.1.2.2.1.2.65";
    QTest::newRow("inside a gap") << "1.3.6.1.2.1.2.2.1.2.51.7"
                                  << "1.3.6.1.2.1.2.2.1.2.65";
    QTest::newRow("end of a column") << "1.3.6.1.2.1.2.2.1.2.200"
                                     << "1.3.6.1.2.1.2.2.1.3.1";
    QTest::newRow("not-accessible columns skipped") << "1.3.6.1.2.1.17.7.1.4.2.1.1"
                                                    << "1.3.6.1.2.1.17.7.1.4.2.1.3.0.1";
    QTest::newRow("mac index, mid table") << "1.3.6.1.2.1.17.7.1.2.2.1.2.1.2.0.94.0.1.0"
                                          << "1.3.6.1.2.1.17.7.1.2.2.1.2.1.2.0.94.0.1.1";
    QTest::newRow("mac index, last row") << "1.3.6.1.2.1.17.7.1.2.2.1.2.1.2.0.94.0.19.136"
                                         << "1.3.6.1.2.1.17.7.1.2.2.1.3.1.2.0.94.0.0.1";
    QTest::newRow("vendor table") << oid("1.3.6.1.4.1.PEN.12.11.1.9.4.1.6.0")
                                  << oid("1.3.6.1.4.1.PEN.12.11.1.9.4.1.6.1");
}

void TstSimWalk::getNextOrder()
{
    QFETCH(QString, from);
    QFETCH(QString, next);
    Simulator &sim = shared;
    const auto r = tools.run("snmpgetnext", sim.v2c() << from);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.bindings().value(0).first, next);
}

// A whole walk, with get-bulk turned into get-next by the agent: strictly
// increasing OIDs and every expected row.
void TstSimWalk::fullWalkIsOrdered()
{
    Simulator sim;
    QVERIFY(sim.start());
    const auto r = tools.run("snmpbulkwalk",
        sim.v2c() << "-Cr50"
                  << "-Cc"
                  << "1.3.6.1");
    QCOMPARE(r.exitCode, 0);
    const auto bindings = r.bindings();
    QList<int> previous;
    int fdb = 0, ifDescr = 0, portVlans = 0;
    for (const auto &b : bindings) {
        const auto parts = oidParts(b.first);
        QVERIFY2(std::lexicographical_compare(
                     previous.begin(), previous.end(), parts.begin(), parts.end()),
            qPrintable(b.first));
        previous = parts;
        fdb += b.first.startsWith("1.3.6.1.2.1.17.7.1.2.2.1.2.");
        ifDescr += b.first.startsWith("1.3.6.1.2.1.2.2.1.2.");
        portVlans += b.first.startsWith("1.3.6.1.2.1.17.7.1.4.5.1.1.");
    }
    QCOMPARE(fdb, 5000);
    QCOMPARE(ifDescr, 50 + 24 + 26);
    QCOMPARE(portVlans, 50 + 24 + 26);
}

void TstSimWalk::endOfMib_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("expected");
    QTest::newRow("v1") << "1"
                        << "noSuchName";
    QTest::newRow("v2c") << "2c"
                         << "No more variables left in this MIB View";
}

void TstSimWalk::endOfMib()
{
    QFETCH(QString, version);
    QFETCH(QString, expected);
    Simulator sim;
    QVERIFY(sim.start({"--stack", "1:TRV-8170QL,2:TRM6140QL*"}));
    // Nothing of the data lies after 1.3.6.1.9, yet the agent's registration
    // covers it.
    const QString last = QStringLiteral("1.3.6.1.9");
    const auto r = tools.run("snmpgetnext",
        QStringList {"-v" + version, "-c", "kestra", "-r0", "-t2", sim.address(), last});
    QVERIFY2((r.out + r.err).contains(expected), qPrintable(r.out + r.err));
    if (version == "1")
        QVERIFY2(r.err.contains(last), qPrintable(r.err)); // the request's OID is echoed
    // A v1 walk of the table ends there and returns all its rows.
    const auto walk = tools.run("snmpwalk", sim.v1() << oid(unitEntry));
    QCOMPARE(walk.exitCode, 0);
    QCOMPARE(walk.bindings().size(), 14 * 2);
}

void TstSimWalk::missingInstances_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("v2");
    QTest::newRow("missing row") << "1.3.6.1.2.1.2.2.1.2.51"
                                 << "No Such Instance";
    QTest::newRow("scalar without .0") << "1.3.6.1.2.1.1.5"
                                       << "No Such Instance";
    QTest::newRow("unknown object") << "1.3.6.1.2.1.99.1.0"
                                    << "No Such Object";
    QTest::newRow("not-accessible column") << "1.3.6.1.2.1.17.7.1.4.2.1.2.0.1"
                                           << "No Such Object";
}

void TstSimWalk::missingInstances()
{
    QFETCH(QString, name);
    QFETCH(QString, v2);
    Simulator &sim = shared;
    const auto r2 = tools.run("snmpget", sim.v2c() << name);
    QVERIFY2(r2.out.contains(v2), qPrintable(r2.out));
    const auto r1 = tools.run("snmpget", sim.v1() << name);
    QCOMPARE(r1.reason(), QStringLiteral("noSuchName"));
}

void TstSimWalk::v3Users_data()
{
    QTest::addColumn<QStringList>("security");
    const QStringList noAuth {"-l", "noAuthNoPriv"};
    QTest::newRow("noauthuser") << (QStringList {"-u", "noauthuser"} + noAuth);
    QTest::newRow("md5user") << QStringList {
        "-u", "md5user", "-l", "authNoPriv", "-a", "MD5", "-A", "authpass123"};
    QTest::newRow("shauser") << QStringList {
        "-u", "shauser", "-l", "authNoPriv", "-a", "SHA", "-A", "authpass123"};
    QTest::newRow("md5desuser") << QStringList {"-u", "md5desuser", "-l", "authPriv", "-a", "MD5",
        "-A", "authpass123", "-x", "DES", "-X", "privpass123"};
    QTest::newRow("shaaesuser") << QStringList {"-u", "shaaesuser", "-l", "authPriv", "-a", "SHA",
        "-A", "authpass123", "-x", "AES", "-X", "privpass123"};
    QTest::newRow("sha256aesuser") << QStringList {"-u", "sha256aesuser", "-l", "authPriv", "-a",
        "SHA-256", "-A", "authpass123", "-x", "AES", "-X", "privpass123"};
}

// Every user walks and writes.
void TstSimWalk::v3Users()
{
    QFETCH(QStringList, security);
    Simulator &sim = shared;
    const QStringList v3 = QStringList {"-v3", "-r0", "-t2"} + security << sim.address();
    const auto walk = tools.run("snmpwalk", QStringList(v3) << "1.3.6.1.2.1.1");
    QCOMPARE(walk.exitCode, 0);
    QCOMPARE(walk.bindings().size(), 7);
    QCOMPARE(QString::fromLatin1(hexOctets(walk.value("1.3.6.1.2.1.1.5.0"))).isEmpty(), false);
    const QString contact = QStringLiteral("set by ") + security.at(1);
    const auto set = tools.run("snmpset",
        QStringList(v3) << "1.3.6.1.2.1.1.4.0"
                        << "s" << contact);
    QCOMPARE(set.exitCode, 0);
    const auto get = tools.run("snmpget", QStringList(v3) << "1.3.6.1.2.1.1.4.0");
    QCOMPARE(QString::fromLatin1(hexOctets(get.value("1.3.6.1.2.1.1.4.0"))), contact);
}

void TstSimWalk::v3Refused_data()
{
    QTest::addColumn<QStringList>("security");
    QTest::addColumn<QString>("expected");
    QTest::newRow("wrong auth pass phrase, SHA+AES") << QStringList {"-u", "shaaesuser", "-l",
        "authPriv", "-a", "SHA", "-A", "authpass124", "-x", "AES", "-X", "privpass123"}
                                                     << "Authentication failure";
    QTest::newRow("wrong auth pass phrase, MD5")
        << QStringList {"-u", "md5user", "-l", "authNoPriv", "-a", "MD5", "-A", "wrongpass"}
        << "Authentication failure";
    QTest::newRow("wrong auth protocol") << QStringList {"-u", "sha256aesuser", "-l", "authNoPriv",
        "-a", "SHA", "-A", "authpass123"} << "Authentication failure";
    QTest::newRow("unknown user") << QStringList {"-u", "nobody", "-l", "noAuthNoPriv"}
                                  << "Unknown user name";
    QTest::newRow("level below the user's") << QStringList {"-u", "md5desuser", "-l", "authNoPriv",
        "-a", "MD5", "-A", "authpass123"} << "authorizationError";
}

void TstSimWalk::v3Refused()
{
    QFETCH(QStringList, security);
    QFETCH(QString, expected);
    Simulator &sim = shared;
    const auto r = tools.run("snmpget",
        QStringList {"-v3", "-r0", "-t2"} + security << sim.address() << "1.3.6.1.2.1.1.1.0");
    QVERIFY2((r.err + r.out).contains(expected), qPrintable(r.err + r.out));
    QVERIFY(r.value("1.3.6.1.2.1.1.1.0").isEmpty());
}

void TstSimWalk::ipv6Listen()
{
    QProcess p;
    p.start(binDir() + "/trvsim", {"--listen", "[::1]:0", "--stack", "1:TRV-8170QL"});
    QVERIFY(p.waitForStarted());
    QVERIFY(p.waitForReadyRead(10000));
    const QString line = QString::fromLatin1(p.readLine()).trimmed();
    if (!line.startsWith("ready [::1]:")) {
        p.kill();
        p.waitForFinished();
        QSKIP("no IPv6 loopback on this machine");
    }
    const QString address = "udp6:" + line.mid(6);
    const auto r = tools.run(
        "snmpget", {"-v2c", "-c", "kestra", "-r0", "-t2", address, "1.3.6.1.2.1.1.5.0"});
    p.terminate();
    p.waitForFinished();
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(
        QString::fromLatin1(hexOctets(r.value("1.3.6.1.2.1.1.5.0"))), QStringLiteral("trvsim"));
}

// The engine group and the USM statistics are the library's own: a request
// for an unknown user counts, and the user table is keyed by the engine ID.
void TstSimWalk::engineGroupAndStatistics()
{
    Simulator &sim = shared;
    const QString engineId = "1.3.6.1.6.3.10.2.1.1.0";
    const QString unknownUsers = "1.3.6.1.6.3.15.1.1.3.0";
    const auto before
        = tools.run("snmpget", sim.v2c() << engineId << "1.3.6.1.6.3.10.2.1.2.0" << unknownUsers);
    QCOMPARE(before.exitCode, 0);
    const QByteArray id = hexOctets(before.value(engineId));
    QVERIFY2(id.size() >= 5 && id.size() <= 32, qPrintable(before.out));
    QVERIFY(before.value("1.3.6.1.6.3.10.2.1.2.0").toInt() >= 1);

    const auto refused = tools.run("snmpget",
        {"-v3", "-r0", "-t2", "-l", "noAuthNoPriv", "-u", "nobody", sim.address(),
            "1.3.6.1.2.1.1.5.0"});
    QVERIFY(refused.exitCode != 0);
    const auto after = tools.run("snmpget", sim.v2c() << unknownUsers);
    QVERIFY(after.value(unknownUsers).toUInt() > before.value(unknownUsers).toUInt());

    const auto users = tools.run("snmpwalk", sim.v2c() << "1.3.6.1.6.3.15.1.2.2.1.3");
    QCOMPARE(users.bindings().size(), 6);
    QString prefix = "1.3.6.1.6.3.15.1.2.2.1.3." + QString::number(id.size());
    for (char c : id)
        prefix += "." + QString::number(static_cast<unsigned char>(c));
    for (const auto &b : users.bindings())
        QVERIFY2(b.first.startsWith(prefix + "."), qPrintable(b.first));
}

// The switch's clock reads as a DateAndTime in UTC.
void TstSimWalk::clockIsUtcNow()
{
    Simulator &sim = shared;
    const QString current = oid("1.3.6.1.4.1.PEN.12.10.1.0");
    const auto r = tools.run("snmpget", sim.v2c() << current);
    const QByteArray t = hexOctets(r.value(current));
    QCOMPARE(t.size(), 11);
    const auto octet = [&](int i) { return static_cast<unsigned char>(t[i]); };
    const QDateTime read(QDate(octet(0) * 256 + octet(1), octet(2), octet(3)),
        QTime(octet(4), octet(5), octet(6)), Qt::UTC);
    QCOMPARE(octet(8), static_cast<unsigned char>('+'));
    QVERIFY2(qAbs(read.secsTo(QDateTime::currentDateTimeUtc())) < 120, qPrintable(read.toString()));
}

QTEST_GUILESS_MAIN(TstSimWalk)
#include "tst_simwalk.moc"
