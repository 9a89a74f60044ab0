// trv8170ql-config against the simulator: a save, changes in several
// windows made with Net-SNMP's snmpset, the comparison naming exactly those
// in words, the restore's order and its result, and a failed step that
// stops the rest.

#include "CvRestorePlan.h"
#include "CvSnapshotObjects.h"
#include "NetSnmpAgent.h"
#include "SimulatorProcess.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Pen = QStringLiteral("1.3.6.1.4.1.32473");
const QString AgingTime = Pen + QStringLiteral(".11.59.8.2.1.2.5.0");
const QString Vlan1Untagged = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.4.1");
const QString RuleStatus = Pen + QStringLiteral(".12.9.2.1.1.15.1.2");
const QString TrunkState = Pen + QStringLiteral(".11.59.8.2.9.3.1.7.1");

struct Run
{
    int code = -1;
    QString out;
    QString err;
};

} // namespace

class TstSnapshot : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void commandsAreNoSettings_data();
    void commandsAreNoSettings();
    void managementAccessAskedFirst_data();
    void managementAccessAskedFirst();
    void saveChangeCompareRestore();
    void movingAPortJoinsBeforeItLeaves();
    void comparingFilesAndExitCodes();
    void failedStepStopsTheRest();
    void netSnmpTargetAndAccessTables();

private:
    Run config(QStringList arguments, const QByteArray &input = {});
    void snmpset(const QStringList &bindings);
    QString save(const QString &name);
    static QStringList withoutTime(const QString &path);

    std::unique_ptr<SimulatorProcess> m_sim;
    QTemporaryDir m_dir;
};

void TstSnapshot::init()
{
    if (QTest::currentTestFunction() == QLatin1String("commandsAreNoSettings")
        || QTest::currentTestFunction() == QLatin1String("managementAccessAskedFirst")
        || QTest::currentTestFunction() == QLatin1String("netSnmpTargetAndAccessTables"))
        return;
    m_sim = std::make_unique<SimulatorProcess>();
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
}

void TstSnapshot::commandsAreNoSettings_data()
{
    QTest::addColumn<QString>("oid");
    QTest::addColumn<bool>("setting");
    QTest::newRow("save configuration") << Pen + QStringLiteral(".12.1.2.2.0") << false;
    QTest::newRow("file transfer start") << Pen + QStringLiteral(".12.1.2.1.1.10.1") << false;
    QTest::newRow("load certificate") << Pen + QStringLiteral(".12.7.2.4.0") << false;
    QTest::newRow("delete FDB entries") << Pen + QStringLiteral(".11.59.8.2.7.2.4.0") << false;
    QTest::newRow("reset control") << QStringLiteral("1.3.6.1.2.1.16.19.5.0") << false;
    QTest::newRow("download action") << QStringLiteral("1.3.6.1.2.1.16.19.8.0") << false;
    // Settings beside them stay.
    QTest::newRow("password encryption") << Pen + QStringLiteral(".12.1.2.3.0") << true;
    QTest::newRow("file transfer protocol") << Pen + QStringLiteral(".12.1.2.1.1.5.1") << true;
    QTest::newRow("trunk state") << Pen + QStringLiteral(".11.59.8.2.9.3.1.7.1") << true;
}

// A command (save, reboot, download, flush) is neither saved nor restored,
// not even from a file that holds it.
void TstSnapshot::commandsAreNoSettings()
{
    QFETCH(QString, oid);
    QFETCH(bool, setting);
    const CvSnapshotTable *table = nullptr;
    int column = 0;
    QString instance;
    QCOMPARE(FindSnapshotColumn(oid, &table, &column, &instance), setting);

    CvSnapshot saved;
    CvSnapshotValue v;
    v.oid = oid;
    v.syntax = SyntaxInteger;
    v.raw = QStringLiteral("2");
    DescribeSnapshotValue(v);
    saved.values.append(v);
    const CvSnapshotComparison comparison = CompareSnapshots(saved, CvSnapshot());
    QCOMPARE(comparison.differences.size(), 1);
    const QList<CvRestoreStep> steps = PlanRestore(comparison, {}, {});
    QCOMPARE(steps.size(), setting ? 1 : 0);
}

namespace {

// A snapshot of "OID raw" lines, each value described from the catalogue.
CvSnapshot snapshotOf(const QStringList &lines)
{
    CvSnapshot s;
    for (const QString &line : lines) {
        CvSnapshotValue v;
        v.oid = line.section(QLatin1Char(' '), 0, 0);
        v.raw = line.section(QLatin1Char(' '), 1);
        const CvSnapshotTable *table = nullptr;
        int column = 0;
        QString instance;
        if (FindSnapshotColumn(v.oid, &table, &column, &instance))
            v.syntax = table->columns.at(column).syntax;
        DescribeSnapshotValue(v);
        s.values.append(v);
    }
    s.Sort();
    return s;
}

const QString Static = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.");
const QString Pvid = QStringLiteral("1.3.6.1.2.1.17.7.1.4.5.1.1.");
// The IP interfaces "System" (VLAN default, ID 1) and "lab" (VLAN v20).
const QString IpIf = Pen + QStringLiteral(".11.59.8.3.2.1.1.1.");
const QString System = QStringLiteral(".6.83.121.115.116.101.109");
const QString Lab = QStringLiteral(".3.108.97.98");

// Ports 1-8 as one octet's hex, the rest of the list empty.
QString ports(const char *first)
{
    return QString::fromLatin1(first) + QStringLiteral("000000");
}

// The switch now: VLAN 1 (the "System" interface's) holds ports 1-8, VLAN 20
// port 3 (its PVID), VLAN 30 none; port 5's PVID is VLAN 1.
QStringList switchNow()
{
    return {Static + QStringLiteral("1.1 default"), Static + QStringLiteral("2.1 ") + ports("FF"),
        Static + QStringLiteral("4.1 ") + ports("FF"), Static + QStringLiteral("5.1 1"),
        Static + QStringLiteral("1.20 v20"), Static + QStringLiteral("2.20 ") + ports("20"),
        Static + QStringLiteral("4.20 ") + ports("20"), Static + QStringLiteral("5.20 1"),
        Static + QStringLiteral("1.30 v30"), Static + QStringLiteral("2.30 ") + ports("00"),
        Static + QStringLiteral("4.30 ") + ports("00"), Static + QStringLiteral("5.30 1"),
        Pvid + QStringLiteral("3 20"), Pvid + QStringLiteral("5 1"),
        IpIf + QStringLiteral("2") + System + QStringLiteral(" 10.90.90.90"),
        IpIf + QStringLiteral("4") + System + QStringLiteral(" default"),
        IpIf + QStringLiteral("7") + System + QStringLiteral(" 1"),
        IpIf + QStringLiteral("2") + Lab + QStringLiteral(" 10.1.1.1"),
        IpIf + QStringLiteral("4") + Lab + QStringLiteral(" v20"),
        IpIf + QStringLiteral("7") + Lab + QStringLiteral(" 1")};
}

} // namespace

void TstSnapshot::managementAccessAskedFirst_data()
{
    QTest::addColumn<QString>("host");
    // Lines of the switch replaced (or, ending in " -", removed) in the file.
    QTest::addColumn<QStringList>("file");
    // A step asked about by hand, standing for any reason (by its text).
    QTest::addColumn<QString>("asked");
    // The steps left out unconfirmed: "step text|why", in plan order.
    QTest::addColumn<QStringList>("left");
    const QString at = QStringLiteral("10.90.90.90");
    QTest::newRow("interface address")
        << at << QStringList {IpIf + QStringLiteral("2") + System + QStringLiteral(" 10.90.90.91")}
        << QString()
        << QStringList {QStringLiteral("set IP Address to 10.90.90.91|IP interface this session")};
    QTest::newRow("port leaves the management VLAN")
        << at
        << QStringList {Static + QStringLiteral("2.1 ") + ports("DF"),
               Static + QStringLiteral("4.1 ") + ports("DF")}
        << QString()
        << QStringList {QStringLiteral("VLAN ID 1: set Untagged Ports|VLAN 1, which"),
               QStringLiteral("VLAN ID 1: set Egress Ports|VLAN 1, which")};
    QTest::newRow("port leaves another VLAN")
        << at
        << QStringList {Static + QStringLiteral("2.20 ") + ports("00"),
               Static + QStringLiteral("4.20 ") + ports("00")}
        << QString() << QStringList();
    QTest::newRow("unknown address: every interface's VLAN")
        << QStringLiteral("127.0.0.1")
        << QStringList {Static + QStringLiteral("2.20 ") + ports("00"),
               Static + QStringLiteral("4.20 ") + ports("00")}
        << QString()
        << QStringList {QStringLiteral("VLAN ID 20: set Untagged Ports|VLAN 20, which"),
               QStringLiteral("VLAN ID 20: set Egress Ports|VLAN 20, which")};
    QTest::newRow("management VLAN renamed")
        << at << QStringList {Static + QStringLiteral("1.1 mgmt")} << QString()
        << QStringList {QStringLiteral("VLAN ID 1: set VLAN Name to mgmt|VLAN 1, which")};
    QTest::newRow("management VLAN removed")
        << at
        << QStringList {Static + QStringLiteral("1.1 -"), Static + QStringLiteral("2.1 -"),
               Static + QStringLiteral("4.1 -"), Static + QStringLiteral("5.1 -")}
        << QString() << QStringList {QStringLiteral("VLAN ID 1: remove the row|VLAN 1, which")};
    // Port 5 to VLAN 20: it joins, its PVID leaves VLAN 1 (asked), and its
    // leaves of VLAN 1 are asked about for themselves.
    QTest::newRow("PVID moved off the management VLAN")
        << at
        << QStringList {Static + QStringLiteral("2.1 ") + ports("F7"),
               Static + QStringLiteral("4.1 ") + ports("F7"),
               Static + QStringLiteral("2.20 ") + ports("28"),
               Static + QStringLiteral("4.20 ") + ports("28"), Pvid + QStringLiteral("5 20")}
        << QString()
        << QStringList {QStringLiteral("PortNumber 5: set PortVLANID to 20|out of VLAN 1"),
               QStringLiteral("VLAN ID 1: set Untagged Ports|VLAN 1, which"),
               QStringLiteral("VLAN ID 1: set Egress Ports|VLAN 1, which")};
    // Port 3 from VLAN 20 to VLAN 30 with the join left out: its PVID
    // stays and it does not leave VLAN 20.
    QTest::newRow("join left out takes PVID and leave")
        << at
        << QStringList {Static + QStringLiteral("2.20 ") + ports("00"),
               Static + QStringLiteral("4.20 ") + ports("00"),
               Static + QStringLiteral("2.30 ") + ports("20"),
               Static + QStringLiteral("4.30 ") + ports("20"), Pvid + QStringLiteral("3 30"),
               Pvid + QStringLiteral("5 30")}
        << QStringLiteral("VLAN ID 30: add ports to Untagged")
        << QStringList {QStringLiteral("VLAN ID 30: add ports to Untagged|asked"),
               QStringLiteral("PortNumber 3: set PortVLANID to 30|new VLAN would not hold it"),
               QStringLiteral("PortNumber 5: set PortVLANID to 30|out of VLAN 1"),
               QStringLiteral("VLAN ID 20: set Untagged Ports|would join no other VLAN"),
               QStringLiteral("VLAN ID 20: set Egress Ports|would join no other VLAN")};
}

// What the session reaches the switch through is asked about first: the IP
// interface of its address and that interface's VLAN; a step left out
// unconfirmed takes with it the steps that would fail or cut a port off
// without it.
void TstSnapshot::managementAccessAskedFirst()
{
    QFETCH(QString, host);
    QFETCH(QStringList, file);
    QFETCH(QString, asked);
    QFETCH(QStringList, left);
    const QStringList now = switchNow();
    QStringList saved = now;
    for (const QString &line : file) {
        const QString oid = line.section(QLatin1Char(' '), 0, 0) + QLatin1Char(' ');
        saved.removeIf([&oid](const QString &l) { return l.startsWith(oid); });
        if (!line.endsWith(QLatin1String(" -")))
            saved.append(line);
    }
    const CvSnapshot current = snapshotOf(now);
    CvRestoreGuard guard;
    guard.communities = {QStringLiteral("private")};
    GuardManagementInterface(guard, current, host);
    QList<CvRestoreStep> steps
        = PlanRestore(CompareSnapshots(snapshotOf(saved), current), {}, guard);
    QVERIFY(!steps.isEmpty());
    for (CvRestoreStep &step : steps)
        if (!asked.isEmpty() && step.text.contains(asked))
            step.access = QStringLiteral("asked");
    QStringList actual;
    for (const CvLeftOutStep &l : UnconfirmedSteps(steps))
        actual << steps.at(l.step).text + QLatin1Char('|') + l.why;
    QVERIFY2(actual.size() == left.size(), qPrintable(actual.join(QLatin1Char('\n'))));
    for (int i = 0; i < left.size(); ++i)
        QVERIFY2(actual.at(i).contains(left.at(i).section(QLatin1Char('|'), 0, 0))
                && actual.at(i)
                       .section(QLatin1Char('|'), 1)
                       .contains(left.at(i).section(QLatin1Char('|'), 1)),
            qPrintable(actual.join(QLatin1Char('\n'))));
}

Run TstSnapshot::config(QStringList arguments, const QByteArray &input)
{
    // The simulator's session, unless the command names another or compares
    // two files.
    const bool twoFiles
        = arguments.first() == QLatin1String("diff") && QFile::exists(arguments.last());
    if (!twoFiles && !arguments.contains(QLatin1String("--port")))
        arguments << QStringLiteral("--port") << QString::number(m_sim->port())
                  << QStringLiteral("--read") << QStringLiteral("kestra")
                  << QStringLiteral("--write") << QStringLiteral("marlowe");
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.path());
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("TRV_BIN_DIR") + QStringLiteral("/trv8170ql-config"), arguments);
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(120000))
        return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
        QString::fromUtf8(p.readAllStandardError())};
}

void TstSnapshot::snmpset(const QStringList &bindings)
{
    QString error;
    QVERIFY2(m_sim->snmpset(bindings, &error), qPrintable(error));
}

QString TstSnapshot::save(const QString &name)
{
    const QString path = m_dir.filePath(name);
    const Run r = config({QStringLiteral("save"), m_sim->address(), QStringLiteral("-o"), path});
    if (r.code != 0)
        qWarning() << r.err;
    return r.code == 0 ? path : QString();
}

QStringList TstSnapshot::withoutTime(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    lines.removeIf([](const QString &l) { return l.startsWith(QLatin1String("# time: ")); });
    return lines;
}

void TstSnapshot::saveChangeCompareRestore()
{
    const QString first = save(QStringLiteral("first.txt"));
    QVERIFY(!first.isEmpty());
    QVERIFY(withoutTime(first).size() > 100);

    // A scalar, a VLAN's port list (port 1:14 leaves VLAN 1's untagged
    // ports), a new access rule and a trunk deleted.
    QByteArray untagged = QByteArray::fromHex("FFFFFFFFFFFFC000FFFFFF0000000000FFFFFFC0");
    untagged.resize(96, '\0');
    untagged[1] = char(0xFB);
    snmpset({AgingTime, QStringLiteral("i"), QStringLiteral("400"), Vlan1Untagged,
        QStringLiteral("x"), QString::fromLatin1(untagged.toHex())});
    snmpset({RuleStatus, QStringLiteral("i"), QStringLiteral("4")});
    snmpset({TrunkState, QStringLiteral("i"), QStringLiteral("6")});

    const Run diff = config({QStringLiteral("diff"), first, m_sim->address()});
    QCOMPARE(diff.code, 1);
    QCOMPARE(diff.out.trimmed().split(QLatin1Char('\n')),
        QStringList({QStringLiteral("Basic Configuration > Device Management > Layer2 Control"),
            QStringLiteral("  MAC Address Aging Time[10-1000000] 400, was 300"),
            QStringLiteral("VLAN > 802.1Q > 802.1Q VLAN > Static Table"),
            QStringLiteral("  VLAN ID 1: Untagged Ports 1:14 removed"),
            QStringLiteral("Layer 2 Management > Port Management > Port Trunk Table"),
            QStringLiteral("  row 'Index 1' removed"),
            QStringLiteral(
                "Layer 2 Management > Access Control Information > Ethernet Information Rule"),
            QStringLiteral("  row 'Mask ID 1, Access ID 2' added")}));

    // The order: the trunk made first, with its saved columns; the port
    // joins before the other value; the new rule removed last.
    const Run plan
        = config({QStringLiteral("restore"), first, m_sim->address(), QStringLiteral("--dry-run")});
    QCOMPARE(plan.code, 0);
    QStringList steps = plan.out.split(QLatin1Char('\n'));
    steps.removeIf([](const QString &l) { return l.isEmpty() || !l.front().isDigit(); });
    QCOMPARE(steps.size(), 4);
    QVERIFY2(steps.at(0).contains(QLatin1String("Port Trunk Table, Index 1: create the row")),
        qPrintable(steps.at(0)));
    QVERIFY2(plan.out.contains(TrunkState + QStringLiteral("=createAndGo, ") + Pen
                 + QStringLiteral(".11.59.8.2.9.3.1.2.1=uplink")),
        qPrintable(plan.out));
    QVERIFY(steps.at(1).contains(QLatin1String("add ports to Untagged Ports")));
    QVERIFY(steps.at(2).contains(QLatin1String("MAC Address Aging Time")));
    QVERIFY(steps.at(3).contains(QLatin1String("Access ID 2: remove the row")));
    // A dry run sends nothing.
    QCOMPARE(config({QStringLiteral("diff"), first, m_sim->address()}).out, diff.out);

    const Run restore
        = config({QStringLiteral("restore"), first, m_sim->address(), QStringLiteral("--yes")});
    QVERIFY2(restore.code == 0, qPrintable(restore.out + restore.err));
    QVERIFY(!restore.out.contains(QLatin1String("Still different")));
    const Run again = config({QStringLiteral("diff"), first, m_sim->address()});
    QCOMPARE(again.code, 0);
    QCOMPARE(again.out, QString());

    const QString second = save(QStringLiteral("second.txt"));
    QCOMPARE(withoutTime(second), withoutTime(first));
}

// A file that has port 1:14 in VLAN 30 (untagged, its PVID) where the
// switch has it in VLAN 1: the port joins VLAN 30, then takes it as PVID,
// then leaves VLAN 1; a dry run sends nothing.
void TstSnapshot::movingAPortJoinsBeforeItLeaves()
{
    const QString vlan30 = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.5.30");
    snmpset({vlan30, QStringLiteral("i"), QStringLiteral("4")});
    const QString path = save(QStringLiteral("move.txt"));
    QVERIFY(!path.isEmpty());
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    f.close();
    // Port 1:14 is bit 0x04 of the second octet.
    const auto movePort = [](QString &line, bool join) {
        const qsizetype at = line.lastIndexOf(QLatin1Char(' ')) + 1;
        QByteArray ports = QByteArray::fromHex(line.mid(at).toLatin1());
        ports[1] = char(join ? quint8(ports.at(1)) | 0x04 : quint8(ports.at(1)) & ~0x04);
        line = line.left(at) + QString::fromLatin1(ports.toHex().toUpper());
    };
    int edited = 0;
    for (QString &line : lines) {
        for (const char *column : {".2.", ".4."}) {
            const QString oid = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1") + QLatin1String(column);
            if (line.contains(QStringLiteral("| ") + oid + QStringLiteral("1 ")))
                movePort(line, false), ++edited;
            if (line.contains(QStringLiteral("| ") + oid + QStringLiteral("30 ")))
                movePort(line, true), ++edited;
        }
        if (line.contains(QStringLiteral("| 1.3.6.1.2.1.17.7.1.4.5.1.1.14 "))) {
            line = line.left(line.lastIndexOf(QLatin1Char(' ')) + 1) + QStringLiteral("30");
            ++edited;
        }
    }
    QCOMPARE(edited, 5);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(lines.join(QLatin1Char('\n')).toUtf8());
    f.close();

    const Run plan
        = config({QStringLiteral("restore"), path, m_sim->address(), QStringLiteral("--dry-run")});
    QCOMPARE(plan.code, 0);
    QStringList steps = plan.out.split(QLatin1Char('\n'));
    steps.removeIf([](const QString &l) { return l.isEmpty() || !l.front().isDigit(); });
    QCOMPARE(steps.size(), 5);
    for (int i : {0, 1})
        QVERIFY2(steps.at(i).contains(QLatin1String("VLAN ID 30: add ports to"))
                && steps.at(i).contains(QLatin1String("1:14")),
            qPrintable(steps.at(i)));
    QVERIFY2(steps.at(2).contains(QLatin1String("PortNumber 14: set PortVLANID to 30")),
        qPrintable(steps.at(2)));
    QVERIFY2(steps.at(3).contains(QLatin1String("VLAN ID 1: set Untagged Ports")),
        qPrintable(steps.at(3)));
    QVERIFY2(steps.at(4).contains(QLatin1String("VLAN ID 1: set Egress Ports")),
        qPrintable(steps.at(4)));
    QCOMPARE(config({QStringLiteral("diff"), path, m_sim->address()}).code, 1);
}

void TstSnapshot::comparingFilesAndExitCodes()
{
    const QString first = save(QStringLiteral("a.txt"));
    QVERIFY(!first.isEmpty());
    QCOMPARE(config({QStringLiteral("diff"), first, first}).code, 0);
    snmpset({AgingTime, QStringLiteral("i"), QStringLiteral("500")});
    const QString second = save(QStringLiteral("b.txt"));
    const Run files = config({QStringLiteral("diff"), first, second});
    QCOMPARE(files.code, 1);
    QVERIFY2(files.out.contains(QLatin1String("MAC Address Aging Time[10-1000000] 500, was 300")),
        qPrintable(files.out));
    QCOMPARE(config({QStringLiteral("diff"), m_dir.filePath(QStringLiteral("none.txt")),
                        m_sim->address()})
                 .code,
        2);
    QCOMPARE(config({QStringLiteral("diff"), first, QStringLiteral("127.0.0.1"),
                        QStringLiteral("--port"), QString::number(SimulatorProcess::silentPort()),
                        QStringLiteral("--read"), QStringLiteral("kestra")})
                 .code,
        2);
}

void TstSnapshot::failedStepStopsTheRest()
{
    const QString first = save(QStringLiteral("c.txt"));
    QVERIFY(!first.isEmpty());
    snmpset({AgingTime, QStringLiteral("i"), QStringLiteral("400")});
    snmpset({RuleStatus, QStringLiteral("i"), QStringLiteral("4")});
    // The file asks for an aging time the agent refuses: that step fails,
    // and the rule after it is not removed.
    QFile f(first);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(f.readAll());
    f.close();
    text.replace(
        AgingTime + QStringLiteral(" integer 300"), AgingTime + QStringLiteral(" integer 5"));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text.toUtf8());
    f.close();
    const Run restore
        = config({QStringLiteral("restore"), first, m_sim->address(), QStringLiteral("--yes")});
    QCOMPARE(restore.code, 2);
    QVERIFY2(restore.out.contains(QLatin1String("FAILED: Basic Configuration")),
        qPrintable(restore.out));
    QVERIFY(!restore.out.contains(QLatin1String("done: Layer 2 Management > Access Control")));
    QVERIFY(restore.out.contains(QLatin1String("row 'Mask ID 1, Access ID 2' added")));
}

// Against Net-SNMP's snmpd, through an SNMPv3 user: target, group, access
// and view rows changed, removed and added behind the program's back are
// listed in words and restored; the group row of the user this session
// reaches the agent through is left as it is, and said to be, until the
// restore is confirmed with --confirm-access. snmpd holds no community
// table: the file names it once as not held.
void TstSnapshot::netSnmpTargetAndAccessTables()
{
    NetSnmpAgent agent(QStringLiteral("kestra"), QStringLiteral("marlowe"),
        {QStringLiteral("createUser ops SHA opsauthpass AES opsprivpass"),
            QStringLiteral("group gops usm ops"), QStringLiteral("group gspare usm nobody"),
            QStringLiteral("view vall included .1"),
            QStringLiteral("access gops \"\" usm authPriv exact vall vall none"),
            QStringLiteral("access gspare \"\" usm authPriv exact vall vall none")});
    QVERIFY2(agent.isReady(), qPrintable(agent.errorText()));
    const auto set = [&agent](const QStringList &bindings) {
        QString output;
        const bool ok = agent.tool(QStringLiteral("snmpset"),
            {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("marlowe")}, bindings,
            &output);
        if (!ok)
            qWarning() << output;
        return ok;
    };
    const QString target = QStringLiteral("1.3.6.1.6.3.12.1.2.1.%1.110.109.115"); // IMPLIED "nms"
    const QString group = QStringLiteral("1.3.6.1.6.3.16.1.2.1.%1.3.%2");
    const QString alice = QStringLiteral("5.97.108.105.99.101");
    const QString ops = QStringLiteral("3.111.112.115");
    // galice, context "", USM, authNoPriv
    const QString access = QStringLiteral("1.3.6.1.6.3.16.1.4.1.%1.6.103.97.108.105.99.101.0.3.2");
    // view "valice" subtree 1.3.6.1.2.1; view "vbob" subtree 1.3.6.1.4
    const QString view
        = QStringLiteral("1.3.6.1.6.3.16.1.5.2.1.%1.6.118.97.108.105.99.101.6.1.3.6.1.2.1");
    const QString bob = QStringLiteral("1.3.6.1.6.3.16.1.5.2.1.%1.4.118.98.111.98.5.1.3.6.1.4");
    const QString i = QStringLiteral("i"), s = QStringLiteral("s");
    QVERIFY(set({target.arg(2), QStringLiteral("o"), QStringLiteral("1.3.6.1.6.1.1"), target.arg(3),
        QStringLiteral("x"), QStringLiteral("7f00000100a2"), target.arg(6), s,
        QStringLiteral("trap"), target.arg(7), s, QStringLiteral("p1"), target.arg(9), i,
        QStringLiteral("4")}));
    QVERIFY(set({group.arg(3).arg(alice), s, QStringLiteral("galice"), group.arg(5).arg(alice), i,
        QStringLiteral("4")}));
    QVERIFY(set({access.arg(9), i, QStringLiteral("4"), access.arg(5), s, QStringLiteral("vall")}));
    QVERIFY(set({view.arg(6), i, QStringLiteral("4"), view.arg(4), i, QStringLiteral("1")}));

    // The pass phrases come on standard input, never on the command line.
    const QByteArray phrases("opsauthpass\nopsprivpass\n");
    const QStringList session {QStringLiteral("127.0.0.1"), QStringLiteral("--port"),
        QString::number(agent.port()), QStringLiteral("--v3"), QStringLiteral("ops"),
        QStringLiteral("--auth"), QStringLiteral("SHA"), QStringLiteral("--priv"),
        QStringLiteral("AES")};
    const QString path = m_dir.filePath(QStringLiteral("snmpd.txt"));
    const Run saved = config(QStringList {QStringLiteral("save")} + session
            + QStringList {QStringLiteral("--secrets"), QStringLiteral("-o"), path},
        phrases);
    QVERIFY2(saved.code == 0, qPrintable(saved.err));
    const QStringList lines = withoutTime(path);
    QCOMPARE(std::count_if(lines.begin(), lines.end(),
                 [](const QString &l) {
                     return l.startsWith(QLatin1String("# not held by the agent: "))
                         && l.endsWith(QLatin1String("Community String Table"));
                 }),
        1);

    QVERIFY(set({target.arg(4), i, QStringLiteral("3000"), target.arg(6), s,
        QStringLiteral("trap audit")}));
    // The agent takes a new transport address only while the row is out of
    // service; the restore has to do the same.
    QVERIFY(set({target.arg(9), i, QStringLiteral("2")}));
    QVERIFY(set({target.arg(3), QStringLiteral("x"), QStringLiteral("7f00000100a3")}));
    QVERIFY(set({target.arg(9), i, QStringLiteral("1")}));
    QVERIFY(set({group.arg(3).arg(alice), s, QStringLiteral("gspare")}));
    QVERIFY(set({access.arg(9), i, QStringLiteral("6")}));
    QVERIFY(set({view.arg(4), i, QStringLiteral("2")}));
    QVERIFY(set({bob.arg(6), i, QStringLiteral("4")}));
    // The session's own user moves to a group of the same rights.
    QVERIFY(set({group.arg(3).arg(ops), s, QStringLiteral("gspare")}));

    const QStringList diff {QStringLiteral("diff"), path};
    const Run changed = config(diff + session, phrases);
    QCOMPARE(changed.code, 1);
    const QString groups = QStringLiteral("SNMP V3 > View-base Access Control Mode > ");
    QCOMPARE(changed.out.trimmed().split(QLatin1Char('\n')),
        QStringList({QStringLiteral("SNMP V3 > SNMP Target MIB > Target Address Table"),
            QStringLiteral(
                "  snmpTargetAddrName nms: snmpTargetAddrTAddress 7F00000100A3, was 7F00000100A2"),
            QStringLiteral("  snmpTargetAddrName nms: snmpTargetAddrTimeout 3000, was 1500"),
            QStringLiteral("  snmpTargetAddrName nms: snmpTargetAddrTagList trap audit, was trap"),
            groups + QStringLiteral("Security Group Table"),
            QStringLiteral(
                "  vacmSecurityModel USM, vacmSecurityName ops: vacmGroupName gspare, was gops"),
            QStringLiteral("  vacmSecurityModel USM, vacmSecurityName alice: vacmGroupName "
                           "gspare, was galice"),
            groups + QStringLiteral("Access Table"),
            QStringLiteral("  row 'vacmGroupName galice, vacmAccessContextPrefix , "
                           "vacmAccessSecurityModel USM, vacmAccessSecurityLevel authNoPriv' "
                           "removed"),
            groups + QStringLiteral("View MIB Tree Family Table"),
            QStringLiteral("  row 'vacmViewTreeFamilyViewName vbob, vacmViewTreeFamilySubtree "
                           "1.3.6.1.4' added"),
            QStringLiteral("  vacmViewTreeFamilyViewName valice, vacmViewTreeFamilySubtree "
                           "1.3.6.1.2.1: vacmViewTreeFamilyType excluded, was included")}));

    // Without the confirmation everything but the user's own group row is
    // restored, and the program says what it left out.
    const QStringList restore {QStringLiteral("restore"), path};
    const Run first = config(restore + session + QStringList {QStringLiteral("--yes")}, phrases);
    QCOMPARE(first.code, 1);
    QVERIFY2(first.err.contains(QLatin1String("vacmSecurityName ops: set vacmGroupName to gops")),
        qPrintable(first.err));
    QVERIFY(!first.out.contains(QLatin1String("done: ") + groups
        + QLatin1String("Security Group Table, vacmSecurityModel USM, vacmSecurityName ops")));
    QString group3;
    QVERIFY(agent.tool(QStringLiteral("snmpget"),
        {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("kestra"),
            QStringLiteral("-Oqv")},
        {group.arg(3).arg(ops)}, &group3));
    QCOMPARE(group3.trimmed(), QStringLiteral("\"gspare\""));
    const Run left = config(diff + session, phrases);
    QCOMPARE(left.code, 1);
    QCOMPARE(left.out.trimmed().split(QLatin1Char('\n')),
        QStringList({groups + QStringLiteral("Security Group Table"),
            QStringLiteral(
                "  vacmSecurityModel USM, vacmSecurityName ops: vacmGroupName gspare, was gops")}));

    // Confirmed, it is sent, and the agent holds the file again.
    const Run second = config(restore + session
            + QStringList {QStringLiteral("--yes"), QStringLiteral("--confirm-access")},
        phrases);
    QVERIFY2(second.code == 0, qPrintable(second.out + second.err));
    const Run again = config(diff + session, phrases);
    QCOMPARE(again.code, 0);
    QCOMPARE(again.out, QString());
}

QTEST_GUILESS_MAIN(TstSnapshot)
#include "tst_snapshot.moc"
