// Writing trvsim: row creation and removal, the error status of each kind
// of bad set, all-or-nothing sets and the state file.

#include "SimHarness.h"

using namespace simtest;

namespace {

const QString staticEntry = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1");
const QString currentEntry = QStringLiteral("1.3.6.1.2.1.17.7.1.4.2.1");
const QString numDeletes = QStringLiteral("1.3.6.1.2.1.17.7.1.4.1.0");
const QString numVlans = QStringLiteral("1.3.6.1.2.1.17.7.1.1.4.0");
const QString nextFree = QStringLiteral("1.3.6.1.2.1.17.7.1.4.4.0");
const QString routeEntry = QStringLiteral("1.3.6.1.4.1.PEN.11.59.8.3.2.5.1");
const QString rmonState = QStringLiteral("1.3.6.1.4.1.PEN.11.59.8.2.1.2.3.0");
const QString portCtrlEntry = QStringLiteral("1.3.6.1.4.1.PEN.11.59.8.2.3.2.1");
const QString protocolVlanEntry = QStringLiteral("1.3.6.1.4.1.PEN.12.16.1.1.1");

QString col(const QString &entry, int column, const QString &index)
{
    return oid(entry) + QStringLiteral(".%1.").arg(column) + index;
}

// createAndGo of a VLAN with its name and port lists.
QStringList vlanCreate(int vid, const QString &name, const QString &egress, const QString &untagged)
{
    const QString v = QString::number(vid);
    return {col(staticEntry, 1, v), "s", name, col(staticEntry, 2, v), "x", egress,
        col(staticEntry, 4, v), "x", untagged, col(staticEntry, 5, v), "i", "4"};
}

} // namespace

class TstSimSet : public QObject
{
    Q_OBJECT

private slots:
    void vlanLifecycle();
    void createAndWait();
    void protocolVlanFromDefaultsAndShortLists();
    void errorStatus_data();
    void errorStatus();
    void allOrNothing();
    void validInvalidRows();
    void stateFileRoundTrip();
    void badStateFileIsRefused();

private:
    ToolResult set(
        Simulator &sim, const QStringList &varbinds, const QString &community = "marlowe")
    {
        return tools.run("snmpset", sim.v2c(community) + varbinds);
    }
    ToolResult get(Simulator &sim, const QStringList &names)
    {
        return tools.run("snmpget", sim.v2c() + names);
    }

    Tools tools;
};

void TstSimSet::vlanLifecycle()
{
    Simulator sim;
    QVERIFY(sim.start({"--stack", "1:TRV-8170QL,2:TRM6140QL*"}));
    const QString egress = portList({{1, 1}, {1, 2}, {1, 50}, {2, 24}});
    const QString untagged = portList({{1, 1}, {2, 24}});
    const auto before = get(sim, {numVlans, numDeletes, nextFree});
    QCOMPARE(before.value(numVlans), QStringLiteral("1"));
    QCOMPARE(before.value(nextFree), QStringLiteral("2"));

    QCOMPARE(set(sim, vlanCreate(2, "office", egress, untagged)).exitCode, 0);
    const auto row = get(sim,
        {col(staticEntry, 1, "2"), col(staticEntry, 2, "2"), col(staticEntry, 4, "2"),
            col(staticEntry, 5, "2"), col(currentEntry, 3, "0.2"), col(currentEntry, 4, "0.2"),
            col(currentEntry, 5, "0.2"), col(currentEntry, 6, "0.2"), numVlans, nextFree});
    QCOMPARE(row.exitCode, 0);
    QCOMPARE(QString::fromLatin1(hexOctets(row.value(col(staticEntry, 1, "2")))),
        QStringLiteral("office"));
    QCOMPARE(hexOctets(row.value(col(staticEntry, 2, "2"))).toHex(), egress.toLatin1());
    QCOMPARE(hexOctets(row.value(col(staticEntry, 4, "2"))).toHex(), untagged.toLatin1());
    QCOMPARE(row.value(col(staticEntry, 5, "2")), QStringLiteral("1")); // active
    // The switch shows the new VLAN in its current table.
    QCOMPARE(row.value(col(currentEntry, 3, "0.2")), QStringLiteral("2"));
    QCOMPARE(hexOctets(row.value(col(currentEntry, 4, "0.2"))).toHex(), egress.toLatin1());
    QCOMPARE(hexOctets(row.value(col(currentEntry, 5, "0.2"))).toHex(), untagged.toLatin1());
    QCOMPARE(row.value(col(currentEntry, 6, "0.2")), QStringLiteral("2")); // permanent
    QCOMPARE(row.value(numVlans), QStringLiteral("2"));
    QCOMPARE(row.value(nextFree), QStringLiteral("3"));

    // Changing the ports of an active VLAN reaches the current table.
    const QString fewer = portList({{1, 1}});
    QCOMPARE(set(sim, {col(staticEntry, 2, "2"), "x", fewer, col(staticEntry, 4, "2"), "x", fewer})
                 .exitCode,
        0);
    QCOMPARE(hexOctets(get(sim, {col(currentEntry, 4, "0.2")}).value(col(currentEntry, 4, "0.2")))
                 .toHex(),
        fewer.toLatin1());

    QCOMPARE(set(sim, {col(staticEntry, 5, "2"), "i", "6"}).exitCode, 0);
    const auto after
        = get(sim, {col(staticEntry, 5, "2"), col(currentEntry, 3, "0.2"), numVlans, numDeletes});
    QVERIFY(after.value(col(staticEntry, 5, "2")).contains("No Such Instance"));
    QVERIFY(after.value(col(currentEntry, 3, "0.2")).contains("No Such Instance"));
    QCOMPARE(after.value(numVlans), QStringLiteral("1"));
    QCOMPARE(after.value(numDeletes), QStringLiteral("1"));
    // Destroying a row that is not there changes nothing.
    QCOMPARE(set(sim, {col(staticEntry, 5, "2"), "i", "6"}).exitCode, 0);
    QCOMPARE(get(sim, {numDeletes}).value(numDeletes), QStringLiteral("1"));
}

void TstSimSet::createAndWait()
{
    Simulator sim;
    QVERIFY(sim.start());
    QCOMPARE(set(sim, {col(staticEntry, 5, "7"), "i", "5"}).exitCode, 0);
    auto r = get(
        sim, {col(staticEntry, 5, "7"), col(staticEntry, 1, "7"), col(currentEntry, 3, "0.7")});
    QCOMPARE(r.value(col(staticEntry, 5, "7")), QStringLiteral("2")); // notInService
    QCOMPARE(r.value(col(staticEntry, 1, "7")), QStringLiteral("\"\"")); // default name
    QVERIFY(r.value(col(currentEntry, 3, "0.7")).contains("No Such Instance"));
    QCOMPARE(set(sim, {col(staticEntry, 1, "7"), "s", "lab", col(staticEntry, 5, "7"), "i", "1"})
                 .exitCode,
        0);
    r = get(sim, {col(staticEntry, 5, "7"), col(currentEntry, 3, "0.7")});
    QCOMPARE(r.value(col(staticEntry, 5, "7")), QStringLiteral("1"));
    QCOMPARE(r.value(col(currentEntry, 3, "0.7")), QStringLiteral("7"));
    // Taking it out of service removes it from the current table.
    QCOMPARE(set(sim, {col(staticEntry, 5, "7"), "i", "2"}).exitCode, 0);
    r = get(sim, {col(currentEntry, 3, "0.7"), numDeletes});
    QVERIFY(r.value(col(currentEntry, 3, "0.7")).contains("No Such Instance"));
    QCOMPARE(r.value(numDeletes), QStringLiteral("1"));
}

// A protocol VLAN row made from its index and status alone; a VLAN whose
// port lists the switch answers short, written whole.
void TstSimSet::protocolVlanFromDefaultsAndShortLists()
{
    Simulator sim;
    QVERIFY(sim.start({"--short-vlan", "7:8"}));
    QCOMPARE(set(sim, {col(protocolVlanEntry, 7, "100"), "i", "4"}).exitCode, 0);
    QStringList columns;
    for (int c = 2; c <= 7; ++c)
        columns.append(col(protocolVlanEntry, c, "100"));
    const auto row = get(sim, columns);
    QStringList values;
    for (const QString &c : columns)
        values.append(row.value(c));
    QCOMPARE(values, (QStringList {"\"\"", "2", "2", "0", "1", "1"}));
    QVERIFY(set(sim, {col(protocolVlanEntry, 7, "100"), "i", "4"}).exitCode != 0); // exists

    const QString egress7 = col(staticEntry, 2, "7");
    QCOMPARE(hexOctets(get(sim, {egress7}).value(egress7)).toHex(), QByteArray("f000000000000000"));
    QCOMPARE(
        hexOctets(get(sim, {col(staticEntry, 2, "1")}).value(col(staticEntry, 2, "1"))).size(), 96);
    // The agent keeps the whole list written; only the answer is short.
    const QString whole = portList({{1, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 1}});
    QCOMPARE(set(sim, {egress7, "x", whole}).exitCode, 0);
    QCOMPARE(hexOctets(get(sim, {egress7}).value(egress7)).toHex(), QByteArray("f000000000000000"));
    const QString current7 = col(currentEntry, 4, "0.7");
    QCOMPARE(hexOctets(get(sim, {current7}).value(current7)).toHex(), whole.toLatin1());
}

void TstSimSet::errorStatus_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("community");
    QTest::addColumn<QStringList>("varbinds");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("failed"); // OID named in the answer

    const QString all = portList({{1, 1}, {1, 2}});
    const QString one = portList({{1, 1}});
    const QString other = portList({{1, 3}});
    const QString v1Name = col(staticEntry, 1, "1");
    auto row = [](const char *name) -> QTestData & {
        return QTest::newRow(name) << QStringLiteral("2c") << QStringLiteral("marlowe");
    };

    row("wrongType") << QStringList {v1Name, "i", "3"} << "wrongType" << v1Name;
    row("wrongLength, short port list") << QStringList {col(staticEntry, 2, "1"), "x", "FFFF"}
                                        << "wrongLength" << col(staticEntry, 2, "1");
    row("wrongLength, long name") << QStringList {v1Name, "s", QString(33, 'n')} << "wrongLength"
                                  << v1Name;
    row("wrongValue, outside enumeration")
        << QStringList {oid(rmonState), "i", "7"} << "wrongValue" << oid(rmonState);
    row("wrongValue, outside range")
        << QStringList {"1.3.6.1.2.1.17.7.1.4.5.1.1.3", "u", "4095"} << "wrongValue"
        << "1.3.6.1.2.1.17.7.1.4.5.1.1.3";
    row("wrongValue, notReady") << QStringList {col(staticEntry, 5, "1"), "i", "3"} << "wrongValue"
                                << col(staticEntry, 5, "1");
    row("notWritable, read-only scalar")
        << QStringList {"1.3.6.1.2.1.1.1.0", "s", "x"} << "notWritable"
        << "1.3.6.1.2.1.1.1.0";
    row("notWritable, read-only column")
        << QStringList {"1.3.6.1.2.1.2.2.1.8.1", "i", "2"} << "notWritable"
        << "1.3.6.1.2.1.2.2.1.8.1";
    row("notWritable, unknown object")
        << QStringList {"1.3.6.1.2.1.99.1.0", "i", "1"} << "notWritable"
        << "1.3.6.1.2.1.99.1.0";
    row("noCreation, port not in stack") << QStringList {col(portCtrlEntry, 3, "700"), "i", "2"}
                                         << "noCreation" << col(portCtrlEntry, 3, "700");
    row("noCreation, VLAN id out of range") << QStringList {col(staticEntry, 5, "4095"), "i", "4"}
                                            << "noCreation" << col(staticEntry, 5, "4095");
    row("noCreation, scalar instance")
        << QStringList {"1.3.6.1.2.1.1.5.1", "s", "x"} << "noCreation"
        << "1.3.6.1.2.1.1.5.1";
    row("inconsistentName, row without status") << QStringList {col(staticEntry, 1, "30"), "s", "x"}
                                                << "inconsistentName" << col(staticEntry, 1, "30");
    row("inconsistentValue, untagged not egress")
        << (QStringList {col(staticEntry, 2, "30"), "x", one, col(staticEntry, 4, "30"), "x", other,
               col(staticEntry, 5, "30"), "i", "4"})
        << "inconsistentValue" << col(staticEntry, 2, "30");
    row("inconsistentValue, untagged added to existing VLAN")
        << QStringList {col(staticEntry, 4, "1"), "x", portList({{1, 1}, {1, 60}})}
        << "inconsistentValue" << col(staticEntry, 4, "1");
    row("inconsistentValue, forbidden egress port")
        << (QStringList {col(staticEntry, 2, "30"), "x", all, col(staticEntry, 3, "30"), "x", one,
               col(staticEntry, 5, "30"), "i", "4"})
        << "inconsistentValue" << col(staticEntry, 2, "30");
    row("inconsistentValue, createAndGo on existing row") << QStringList {col(staticEntry, 5, "1"),
        "i", "4"} << "inconsistentValue" << col(staticEntry, 5, "1");
    row("inconsistentValue, active on missing row") << QStringList {col(staticEntry, 5, "31"), "i",
        "1"} << "inconsistentValue" << col(staticEntry, 5, "31");
    QTest::newRow("noAccess, read community")
        << "2c"
        << "kestra" << QStringList {v1Name, "s", "x"} << "noAccess" << v1Name;
    // SNMPv1 has only the older error statuses.
    QTest::newRow("v1 badValue") << "1"
                                 << "marlowe" << QStringList {v1Name, "i", "3"} << "badValue"
                                 << v1Name;
    QTest::newRow("v1 noSuchName")
        << "1"
        << "marlowe" << QStringList {"1.3.6.1.2.1.1.1.0", "s", "x"} << "noSuchName"
        << "1.3.6.1.2.1.1.1.0";
}

void TstSimSet::errorStatus()
{
    QFETCH(QString, version);
    QFETCH(QString, community);
    QFETCH(QStringList, varbinds);
    QFETCH(QString, reason);
    QFETCH(QString, failed);
    Simulator sim;
    QVERIFY(sim.start({"--stack", "1:TRV-8170QL,2:TRM6140QL*"}));
    const auto r = tools.run("snmpset",
        QStringList {"-v" + version, "-c", community, "-r0", "-t2", sim.address()} + varbinds);
    QVERIFY(r.exitCode != 0);
    QCOMPARE(r.reason(), reason);
    QVERIFY2(
        r.err.contains("Failed object: ." + failed) || r.err.contains("Failed object: " + failed),
        qPrintable(r.err));
    // Nothing changed: the default VLAN is as seeded and no VLAN 30 exists.
    const auto check = get(sim,
        {col(staticEntry, 1, "1"), col(staticEntry, 4, "1"), col(staticEntry, 5, "30"),
            oid(rmonState)});
    QCOMPARE(QString::fromLatin1(hexOctets(check.value(col(staticEntry, 1, "1")))),
        QStringLiteral("default"));
    QVERIFY(check.value(col(staticEntry, 5, "30")).contains("No Such Instance"));
    QCOMPARE(check.value(oid(rmonState)), QStringLiteral("3"));
}

// One bad variable fails the whole request, wherever it stands.
void TstSimSet::allOrNothing()
{
    Simulator sim;
    QVERIFY(sim.start());
    const QString location = "1.3.6.1.2.1.1.6.0";
    const QString before = get(sim, {location}).value(location);
    const auto r = set(sim,
        QStringList {location, "s", "moved"} + vlanCreate(40, "a", portList({{1, 1}}), portList({}))
            + vlanCreate(41, "b", portList({{1, 1}}), portList({{1, 2}})));
    QCOMPARE(r.reason(), QStringLiteral("inconsistentValue"));
    const auto after = get(sim, {location, col(staticEntry, 5, "40"), col(staticEntry, 5, "41")});
    QCOMPARE(after.value(location), before);
    QVERIFY(after.value(col(staticEntry, 5, "40")).contains("No Such Instance"));
    QVERIFY(after.value(col(staticEntry, 5, "41")).contains("No Such Instance"));
    // The same request without the bad row succeeds as a whole.
    QCOMPARE(set(sim,
                 QStringList {location, "s", "moved"}
                     + vlanCreate(40, "a", portList({{1, 1}}), portList({})))
                 .exitCode,
        0);
    const auto done = get(sim, {location, col(staticEntry, 5, "40")});
    QCOMPARE(QString::fromLatin1(hexOctets(done.value(location))), QStringLiteral("moved"));
    QCOMPARE(done.value(col(staticEntry, 5, "40")), QStringLiteral("1"));
}

// Tables whose status column takes "valid"/"invalid" (or permanent/invalid).
void TstSimSet::validInvalidRows()
{
    Simulator sim;
    QVERIFY(sim.start());
    const QString route = "10.1.0.0.255.255.0.0.1"; // destination, mask, primary
    const QString status = col(routeEntry, 6, route);
    const QString hop = col(routeEntry, 4, route);
    // Without the status column the row cannot be made.
    QCOMPARE(set(sim, {hop, "a", "10.90.90.1"}).reason(), QStringLiteral("inconsistentName"));
    QCOMPARE(set(sim, {hop, "a", "10.90.90.1", status, "i", "3"}).exitCode, 0);
    auto r = get(sim, {hop, status, col(routeEntry, 5, route), col(routeEntry, 1, route)});
    QCOMPARE(r.value(status), QStringLiteral("3"));
    QCOMPARE(r.value(col(routeEntry, 5, route)), QStringLiteral("1")); // default metric
    QCOMPARE(r.value(col(routeEntry, 1, route)), QStringLiteral("10.1.0.0"));
    // A writable index column takes only its own value.
    QCOMPARE(set(sim, {col(routeEntry, 3, route), "i", "2"}).reason(),
        QStringLiteral("inconsistentValue"));
    QCOMPARE(set(sim, {col(routeEntry, 3, route), "i", "1"}).exitCode, 0);
    QCOMPARE(set(sim, {status, "i", "2"}).exitCode, 0);
    QVERIFY(get(sim, {status}).value(status).contains("No Such Instance"));

    // Static unicast entries: permanent creates, invalid removes; index is
    // FDB id, MAC address and receive port.
    const QString entry = "1.3.6.1.2.1.17.7.1.3.1.1";
    const QString idx = "1.2.0.94.170.0.1.0";
    QCOMPARE(set(sim, {col(entry, 3, idx), "x", portList({{1, 5}}), col(entry, 4, idx), "i", "3"})
                 .exitCode,
        0);
    auto rowsOf = [&] {
        QStringList names;
        for (const auto &b : tools.run("snmpwalk", sim.v2c() << entry).bindings())
            if (b.first.startsWith(entry + "."))
                names << b.first;
        return names;
    };
    QCOMPARE(rowsOf(), (QStringList {col(entry, 3, idx), col(entry, 4, idx)}));
    QCOMPARE(get(sim, {col(entry, 4, idx)}).value(col(entry, 4, idx)), QStringLiteral("3"));
    QCOMPARE(set(sim, {col(entry, 4, idx), "i", "2"}).exitCode, 0);
    QCOMPARE(rowsOf(), QStringList());
}

void TstSimSet::stateFileRoundTrip()
{
    QTemporaryDir dir;
    const QString state = dir.filePath("switch.state");
    const QString sysName = "1.3.6.1.2.1.1.5.0";
    const QString admin = col(portCtrlEntry, 3, "67"); // unit 2 port 3
    const QString priority = oid("1.3.6.1.4.1.PEN.12.11.1.9.4.1.14.2");
    const QString defaultRoute = col(routeEntry, 6, "0.0.0.0.0.0.0.0.1");
    const QString egress = portList({{1, 4}, {2, 3}});
    {
        Simulator sim;
        QVERIFY(sim.start({"--stack", "1:TRV-8170QL,2:TRM6140QL*", "--state", state}));
        QCOMPARE(
            set(sim, vlanCreate(50, "saved \"quoted\"", egress, portList({{2, 3}}))).exitCode, 0);
        QCOMPARE(
            set(sim, {sysName, "s", "core-1", admin, "i", "2", priority, "i", "9"}).exitCode, 0);
        QCOMPARE(set(sim, {defaultRoute, "i", "2"}).exitCode, 0);
        QVERIFY(QFile::exists(state));
        QCOMPARE(sim.stop(), 0);
    }
    QCOMPARE(QDir(dir.path()).entryList({"*.tmp*"}, QDir::Files), QStringList());
    {
        Simulator sim;
        QVERIFY(sim.start({"--stack", "1:TRV-8170QL,2:TRM6140QL*", "--state", state}));
        const auto r = get(sim,
            {sysName, admin, priority, defaultRoute, col(staticEntry, 1, "50"),
                col(staticEntry, 2, "50"), col(currentEntry, 4, "0.50"),
                col(portCtrlEntry, 3, "66")});
        QCOMPARE(QString::fromLatin1(hexOctets(r.value(sysName))), QStringLiteral("core-1"));
        QCOMPARE(r.value(admin), QStringLiteral("2"));
        QCOMPARE(r.value(col(portCtrlEntry, 3, "66")), QStringLiteral("3"));
        QCOMPARE(r.value(priority), QStringLiteral("9"));
        QVERIFY(r.value(defaultRoute).contains("No Such Instance"));
        QCOMPARE(QString::fromLatin1(hexOctets(r.value(col(staticEntry, 1, "50")))),
            QStringLiteral("saved \"quoted\""));
        QCOMPARE(hexOctets(r.value(col(staticEntry, 2, "50"))).toHex(), egress.toLatin1());
        QCOMPARE(hexOctets(r.value(col(currentEntry, 4, "0.50"))).toHex(), egress.toLatin1());
        QCOMPARE(sim.stop(), 0);
    }
    // A smaller stack takes what still applies from the same state.
    Simulator small;
    QVERIFY(small.start({"--stack", "1:TRV-8170QL", "--state", state}));
    const auto r = get(small, {sysName, col(staticEntry, 5, "50"), admin});
    QCOMPARE(QString::fromLatin1(hexOctets(r.value(sysName))), QStringLiteral("core-1"));
    QCOMPARE(r.value(col(staticEntry, 5, "50")), QStringLiteral("1"));
    QVERIFY(r.value(admin).contains("No Such Instance"));
}

void TstSimSet::badStateFileIsRefused()
{
    QTemporaryDir dir;
    const QString state = dir.filePath("broken.state");
    QFile f(state);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("row dot1qVlanStaticTable 9 dot1qVlanStaticRowStatus=7 noSuchColumn=1\n");
    f.close();
    QCOMPARE(refusedExitCode({"--listen", "127.0.0.1:0", "--state", state}), 2);
}

QTEST_GUILESS_MAIN(TstSimSet)
#include "tst_simset.moc"
