// Rows made and removed through the SNMP V3 windows that create rows, as
// their Add and Delete write them (status column and values from the
// descriptor), checked by a second read; and the SNMPv3 tables as the agent
// keeps them: users under its own engine ID, target masks beside targets.
#include "CatalogueRows.h"
#include "CvCatalogues.h"
#include "CvException.h"
#include "CvFormDescriptor.h"
#include "CvSNMPRequest.h"
#include "CvSNMPSession.h"
#include "SimulatorProcess.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
// A fresh request walks the whole table, as the window's Refresh does.
// The add dialog with the index, the given columns and the create value
// ticked; everything else is left out of the write.
const char targetAddresses[] = "SNMP V3 > SNMP Target MIB > Target Address Table";
const char targetParams[] = "SNMP V3 > SNMP Target MIB > Target Parameters";
const char securityGroups[] = "SNMP V3 > View-base Access Control Mode > Security Group Table";
const char accessRules[] = "SNMP V3 > View-base Access Control Mode > Access Table";
const char viewTrees[] = "SNMP V3 > View-base Access Control Mode > View MIB Tree Family Table";
const char notifications[] = "SNMP V3 > Notifications > Notify Table";
const char targetMasks[] = "SNMP V3 > Community > Target Address Table";
const char users[] = "SNMP V3 > User-based Security Model > User Table";
const char engine[] = "SNMP V3 > SNMP Engine";
} // namespace

class TstCatalogueRows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void addThenDelete_data();
    void addThenDelete();
    void targetMasksFollowTargets();
    void usersAreKeyedByTheAgentsEngineId();

private:
    std::unique_ptr<SimulatorProcess> m_sim;
    QTemporaryDir m_dir;
};

void TstCatalogueRows::initTestCase()
{
    StartSession(m_dir.path());
    m_sim = std::make_unique<SimulatorProcess>();
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
}

void TstCatalogueRows::init()
{
    PointSessionAt(*m_sim);
}

// clang-format off
void TstCatalogueRows::addThenDelete_data()
{
    QTest::addColumn<QString>("menuPath");
    QTest::addColumn<QStringList>("index");
    QTest::addColumn<ColumnValues>("values");

    // 10.90.90.3, UDP port 162; the implied name index has no length part.
    QTest::newRow("target address")
        << targetAddresses << QStringList {"nms-backup"}
        << ColumnValues {{1, "1.3.6.1.6.1.1"}, {2, "0A5A5A0300A2"}, {5, "trap"},
                         {6, "v2c-params"}};
    QTest::newRow("notification")
        << notifications << QStringList {"alarms"}
        << ColumnValues {{1, "alarms"}, {2, "inform"}};
    QTest::newRow("security group")
        << securityGroups << QStringList {"USM", "operator"}
        << ColumnValues {{2, "v3auth"}};
    QTest::newRow("target parameters")
        << targetParams << QStringList {"v1-params"}
        << ColumnValues {{1, "SNMPv1"}, {2, "SNMPv1"}, {3, "kestra"}, {4, "noAuthNoPriv"}};
    // An empty context prefix: a zero-length string in the index.
    QTest::newRow("access rule")
        << accessRules << QStringList {"v3auth", "", "USM", "authPriv"}
        << ColumnValues {{4, "all"}, {6, "all"}};
    QTest::newRow("view subtree")
        << viewTrees << QStringList {"restricted", "1.3.6.1.2.1.1"}
        << ColumnValues {{2, "excluded"}};
}
// clang-format on

void TstCatalogueRows::addThenDelete()
{
    QFETCH(QString, menuPath);
    QFETCH(QStringList, index);
    QFETCH(ColumnValues, values);
    const CvFormDescriptor &d = DescriptorAt(qPrintable(menuPath));
    QVERIFY(d.createValue && d.deleteValue);
    const QString key = index.join(QLatin1Char('|'));

    try {
        const Rows before = ReadTable(d);
        QVERIFY(!before.isEmpty());
        QVERIFY(!before.contains(key));

        AddRow(d, index, values);
        const Rows added = ReadTable(d);
        QCOMPARE(added.size(), before.size() + 1);
        QVERIFY2(added.contains(key), qPrintable(QStringList(added.keys()).join(", ")));
        const QStringList row = added.value(key);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            QCOMPARE(row.at(it.key()), it.value());
        QCOMPARE(row.at(d.createColumn), QStringLiteral("active"));

        DeleteRow(d, index);
        const Rows after = ReadTable(d);
        QVERIFY(!after.contains(key));
        QCOMPARE(after, before);
    } catch (const CvException &e) {
        QFAIL(qPrintable(QStringLiteral("%1 (%2)").arg(e.message()).arg(e.code())));
    }
}

// The community MIB's target masks augment the target table: a new target
// gets a mask row with the defaults, and loses it with the target.
void TstCatalogueRows::targetMasksFollowTargets()
{
    const CvFormDescriptor &targets = DescriptorAt(targetAddresses);
    const CvFormDescriptor &masks = DescriptorAt(targetMasks);
    try {
        const Rows before = ReadTable(masks);
        QCOMPARE(QStringList(before.keys()), QStringList(ReadTable(targets).keys()));
        QVERIFY(!before.contains("nms-lab"));

        AddRow(targets, {"nms-lab"}, {{1, "1.3.6.1.6.1.1"}, {2, "7F00000100A2"}, {6, "v3-params"}});
        const Rows added = ReadTable(masks);
        QCOMPARE(added.size(), before.size() + 1);
        QVERIFY(added.contains("nms-lab"));
        QCOMPARE(added.value("nms-lab").at(1), QString()); // no mask: exact address

        DeleteRow(targets, {"nms-lab"});
        QCOMPARE(ReadTable(masks), before);
    } catch (const CvException &e) {
        QFAIL(qPrintable(QStringLiteral("%1 (%2)").arg(e.message()).arg(e.code())));
    }
}

// The user table lists the agent's users under the engine ID the engine
// group reports, with the protocols each user was made with.
void TstCatalogueRows::usersAreKeyedByTheAgentsEngineId()
{
    try {
        CvSNMPRequest r;
        const CvFormDescriptor &e = DescriptorAt(engine);
        r.SetVarList(e.variables, e.listKind, e.indexCount);
        r.Get(true);
        const QString engineId = r.varList.Var(0).value;
        QVERIFY2(engineId.size() >= 10 && engineId.size() <= 64, qPrintable(engineId));

        const Rows rows = ReadTable(DescriptorAt(users));
        QStringList names;
        for (const QStringList &row : rows) {
            QCOMPARE(row.at(0), engineId);
            QCOMPARE(row.at(2), row.at(1)); // security name = user name
            names.append(row.at(1));
        }
        names.sort();
        QCOMPARE(names,
            QStringList(
                {"md5desuser", "md5user", "noauthuser", "sha256aesuser", "shaaesuser", "shauser"}));
        const QStringList sha256 = rows.value(engineId + "|sha256aesuser");
        QCOMPARE(sha256.at(3), QStringLiteral("usmHMAC192SHA256AuthProtocol"));
        QCOMPARE(sha256.at(4), QStringLiteral("usmAesCfb128Protocol"));
        const QStringList noAuth = rows.value(engineId + "|noauthuser");
        QCOMPARE(noAuth.at(3), QStringLiteral("usmNoAuthProtocol"));
        QCOMPARE(noAuth.at(4), QStringLiteral("usmNoPrivProtocol"));
    } catch (const CvException &e) {
        QFAIL(qPrintable(QStringLiteral("%1 (%2)").arg(e.message()).arg(e.code())));
    }
}

QTEST_GUILESS_MAIN(TstCatalogueRows)
#include "tst_catalogue_rows.moc"
