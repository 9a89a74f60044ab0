// Rows made and removed through the TACACS+ windows that create rows: the
// server groups (a RowStatus table) and the servers of each group (a table
// whose status column takes "add" and "delete"). The writes are those of
// the windows' Add, Delete and Edit, checked by a second read.
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
// The row the index names gets the given column values; every other
// non-index variable is left out of the write.
const char serverGroups[] = "Security Management > TACACS+ > Server Group";
const char serverControl[] = "Security Management > TACACS+ > Server Control";
} // namespace

class TstCatalogueRowsSecurity : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void serverGroupAddThenDelete_data();
    void serverGroupAddThenDelete();
    void serverGroupDeleteOfMissingRowCreatesNothing();
    void serverGroupActivateOfMissingRowIsRefused();
    void serverControlAddThenDelete_data();
    void serverControlAddThenDelete();
    void serverControlDeleteOfMissingRowCreatesNothing();

private:
    const CvFormDescriptor *descriptor(const char *menuPath);
    std::unique_ptr<SimulatorProcess> m_sim;
    QTemporaryDir m_dir;
};

void TstCatalogueRowsSecurity::initTestCase()
{
    StartSession(m_dir.path());
    m_sim = std::make_unique<SimulatorProcess>();
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
}

void TstCatalogueRowsSecurity::init()
{
    PointSessionAt(*m_sim);
}

// The descriptor of a window that creates rows; null for any other.
const CvFormDescriptor *TstCatalogueRowsSecurity::descriptor(const char *menuPath)
{
    const CvFormDescriptor *d = FindFormDescriptor(QString::fromLatin1(menuPath));
    return d && d->createValue ? d : nullptr;
}

void TstCatalogueRowsSecurity::serverGroupAddThenDelete_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain name") << "noc";
    QTest::newRow("name sorting before every group") << "a";
    QTest::newRow("name of fifteen characters") << "group-fifteen15";
}

// A new group holds no server yet: every slot reads 0.0.0.0 and none.
void TstCatalogueRowsSecurity::serverGroupAddThenDelete()
{
    QFETCH(QString, name);
    const CvFormDescriptor *d = descriptor(serverGroups);
    QVERIFY(d);
    QCOMPARE(d->deleteValue, "destroy");
    try {
        const Rows before = ReadTable(*d);
        QVERIFY(before.contains(QStringLiteral("radius")));
        QVERIFY(!before.contains(name));

        AddRow(*d, {name});
        const Rows added = ReadTable(*d);
        QCOMPARE(added.size(), before.size() + 1);
        QVERIFY2(added.contains(name), qPrintable(QStringList(added.keys()).join(", ")));
        const QStringList row = added.value(name);
        QCOMPARE(row.at(0), name);
        for (int slot = 0; slot < 8; ++slot) {
            QCOMPARE(row.at(1 + 2 * slot), QStringLiteral("0.0.0.0"));
            QCOMPARE(row.at(2 + 2 * slot), QStringLiteral("none"));
        }
        QCOMPARE(row.at(d->createColumn), QStringLiteral("active"));

        WriteRow(*d, {name}, {{d->deleteColumn, QString::fromLatin1(d->deleteValue)}});
        QCOMPARE(ReadTable(*d), before); // the other groups are untouched
    } catch (const CvException &e) {
        QFAIL(qPrintable(QStringLiteral("%1 (%2)").arg(e.message()).arg(e.code())));
    }
}

// Deleting a group another manager already removed must not bring it back.
void TstCatalogueRowsSecurity::serverGroupDeleteOfMissingRowCreatesNothing()
{
    const CvFormDescriptor *d = descriptor(serverGroups);
    QVERIFY(d);
    try {
        const Rows before = ReadTable(*d);
        WriteRow(
            *d, {QStringLiteral("gone")}, {{d->deleteColumn, QString::fromLatin1(d->deleteValue)}});
        QCOMPARE(ReadTable(*d), before);
    } catch (const CvException &e) {
        QFAIL(qPrintable(QStringLiteral("%1 (%2)").arg(e.message()).arg(e.code())));
    }
}

// Only createAndGo makes a group; "active" on a missing name is refused.
void TstCatalogueRowsSecurity::serverGroupActivateOfMissingRowIsRefused()
{
    const CvFormDescriptor *d = descriptor(serverGroups);
    QVERIFY(d);
    const Rows before = ReadTable(*d);
    int code = 0;
    try {
        WriteRow(*d, {QStringLiteral("stray")}, {{d->createColumn, QStringLiteral("active")}});
    } catch (const CvException &e) {
        code = e.code();
    }
    QVERIFY(code != 0);
    QCOMPARE(ReadTable(*d), before);
}

void TstCatalogueRowsSecurity::serverControlAddThenDelete_data()
{
    QTest::addColumn<QStringList>("index");
    QTest::newRow("second server of a group")
        << QStringList {"tacacs+", "10.90.90.9", "tacacs-plus"};
    QTest::newRow("same address, other protocol") << QStringList {"radius", "10.90.90.5", "tacacs"};
    QTest::newRow("group sorting last") << QStringList {"zz-lab", "192.168.0.200", "xtacacs"};
}

// A server is added by writing "add"; the window offers no Delete, but its
// edit dialog writes "delete", which takes the server out again. The three
// index columns are not returned by the agent and read back from the row's
// instance.
void TstCatalogueRowsSecurity::serverControlAddThenDelete()
{
    QFETCH(QStringList, index);
    const CvFormDescriptor *d = descriptor(serverControl);
    QVERIFY(d);
    QVERIFY(!d->deleteValue);
    const QString key = index.join(QLatin1Char('|'));
    try {
        const Rows before = ReadTable(*d);
        QVERIFY(before.contains(QStringLiteral("tacacs+|10.90.90.8|tacacs-plus")));
        QVERIFY(!before.contains(key));

        AddRow(*d, index);
        const Rows added = ReadTable(*d);
        QCOMPARE(added.size(), before.size() + 1);
        QVERIFY2(added.contains(key), qPrintable(QStringList(added.keys()).join(", ")));
        QCOMPARE(added.value(key), index + QStringList {QStringLiteral("add")});

        WriteRow(*d, index, {{d->createColumn, QStringLiteral("delete")}});
        QCOMPARE(ReadTable(*d), before);
    } catch (const CvException &e) {
        QFAIL(qPrintable(QStringLiteral("%1 (%2)").arg(e.message()).arg(e.code())));
    }
}

void TstCatalogueRowsSecurity::serverControlDeleteOfMissingRowCreatesNothing()
{
    const CvFormDescriptor *d = descriptor(serverControl);
    QVERIFY(d);
    try {
        const Rows before = ReadTable(*d);
        WriteRow(*d,
            {QStringLiteral("radius"), QStringLiteral("10.90.90.77"), QStringLiteral("radius")},
            {{d->createColumn, QStringLiteral("delete")}});
        QCOMPARE(ReadTable(*d), before);
    } catch (const CvException &e) {
        QFAIL(qPrintable(QStringLiteral("%1 (%2)").arg(e.message()).arg(e.code())));
    }
}

QTEST_GUILESS_MAIN(TstCatalogueRowsSecurity)
#include "tst_catalogue_rows_security.moc"
