// Rows made and removed through the Layer 3 windows that create rows: the
// writes are those of the windows' Add and Delete (status column and value
// from the descriptor), checked by a second read of the table.
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
// The key of the row the list's variables name, as the index columns show it.
// A fresh request walks the whole table, as the window's Refresh does.
// The add dialog with every field the operator filled in ticked: the index
// values, the given columns and the create value in the status column. The
// fields left empty are unticked and not sent.
// Delete: the index addresses the row, only the status column is written.
const char staticRoutes[] = "Layer 3 Management > IP Management > IP Static Routing Table";
const char dnsTable[] = "Layer 3 Management > DNS Ctrl Table";
const char hostTable[] = "Layer 3 Management > OSPF (RFC1850) > Host Table";
const char vrrpAddresses[] = "Layer 3 Management > VRRP (RFC2787) > Virtual Route Address";
} // namespace

class TstCatalogueRowsLayer3 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void addThenDelete_data();
    void addThenDelete();
    void deleteOfMissingRowCreatesNothing_data();
    void deleteOfMissingRowCreatesNothing();
    void columnWithoutCreateValueMakesNoRow_data();
    void columnWithoutCreateValueMakesNoRow();

private:
    std::unique_ptr<SimulatorProcess> m_sim;
    QTemporaryDir m_dir;
};

void TstCatalogueRowsLayer3::initTestCase()
{
    StartSession(m_dir.path());
    m_sim = std::make_unique<SimulatorProcess>();
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
}

void TstCatalogueRowsLayer3::init()
{
    PointSessionAt(*m_sim);
}

// clang-format off
void TstCatalogueRowsLayer3::addThenDelete_data()
{
    QTest::addColumn<QString>("menuPath");
    QTest::addColumn<QStringList>("index");
    QTest::addColumn<ColumnValues>("values");
    QTest::addColumn<QString>("statusAfterAdd");

    QTest::newRow("static route, backup")
        << staticRoutes << QStringList {"172.16.0.0", "255.255.0.0", "backup"}
        << ColumnValues {{3, "10.90.90.250"}, {4, "5"}} << "valid";
    QTest::newRow("DNS host")
        << dnsTable << QStringList {"printer.example.net", "10.90.90.40"}
        << ColumnValues {} << "valid";
    QTest::newRow("OSPF host")
        << hostTable << QStringList {"10.90.90.92", "4"}
        << ColumnValues {{2, "20"}, {3, "0.0.0.1"}} << "active";
    QTest::newRow("VRRP address")
        << vrrpAddresses << QStringList {"1", "2", "10.90.90.101"}
        << ColumnValues {} << "active";
}
// clang-format on

void TstCatalogueRowsLayer3::addThenDelete()
{
    QFETCH(QString, menuPath);
    QFETCH(QStringList, index);
    QFETCH(ColumnValues, values);
    QFETCH(QString, statusAfterAdd);
    const CvFormDescriptor *d = FindFormDescriptor(menuPath);
    QVERIFY(d);
    QVERIFY(d->createValue && d->deleteValue);
    const QString key = index.join(QLatin1Char('|'));

    try {
        const Rows before = ReadTable(*d);
        QVERIFY(!before.isEmpty());
        QVERIFY(!before.contains(key));

        AddRow(*d, index, values);
        const Rows added = ReadTable(*d);
        QCOMPARE(added.size(), before.size() + 1);
        QVERIFY2(added.contains(key), qPrintable(QStringList(added.keys()).join(", ")));
        const QStringList row = added.value(key);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            QCOMPARE(row.at(it.key()), it.value());
        QCOMPARE(row.at(d->createColumn), statusAfterAdd);

        DeleteRow(*d, index);
        const Rows after = ReadTable(*d);
        QVERIFY(!after.contains(key));
        QCOMPARE(after, before); // the other rows are untouched
    } catch (const CvException &e) {
        QFAIL(qPrintable(QStringLiteral("%1 (%2)").arg(e.message()).arg(e.code())));
    }
}

// clang-format off
void TstCatalogueRowsLayer3::deleteOfMissingRowCreatesNothing_data()
{
    QTest::addColumn<QString>("menuPath");
    QTest::addColumn<QStringList>("index");

    QTest::newRow("static route") << staticRoutes
        << QStringList {"172.17.0.0", "255.255.0.0", "primary"};
    QTest::newRow("DNS host") << dnsTable << QStringList {"nobody.example.net", "10.90.90.41"};
    QTest::newRow("OSPF host") << hostTable << QStringList {"10.90.90.93", "0"};
    QTest::newRow("VRRP address") << vrrpAddresses << QStringList {"1", "1", "10.90.90.102"};
}
// clang-format on

// Deleting a row that is already gone (another manager removed it between
// two reads) must not bring it back with default values.
void TstCatalogueRowsLayer3::deleteOfMissingRowCreatesNothing()
{
    QFETCH(QString, menuPath);
    QFETCH(QStringList, index);
    const CvFormDescriptor *d = FindFormDescriptor(menuPath);
    QVERIFY(d);
    try {
        const Rows before = ReadTable(*d);
        DeleteRow(*d, index);
        QCOMPARE(ReadTable(*d), before);
    } catch (const CvException &e) {
        QFAIL(qPrintable(QStringLiteral("%1 (%2)").arg(e.message()).arg(e.code())));
    }
}

// clang-format off
void TstCatalogueRowsLayer3::columnWithoutCreateValueMakesNoRow_data()
{
    QTest::addColumn<QString>("menuPath");
    QTest::addColumn<QStringList>("index");
    QTest::addColumn<ColumnValues>("values");

    QTest::newRow("static route next hop") << staticRoutes
        << QStringList {"172.18.0.0", "255.255.0.0", "primary"}
        << ColumnValues {{3, "10.90.90.250"}};
    QTest::newRow("OSPF host metric") << hostTable << QStringList {"10.90.90.94", "0"}
        << ColumnValues {{2, "7"}};
}
// clang-format on

// An Edit of a row that no longer exists writes its columns without the
// create value: the agent refuses it and no half-made row appears.
void TstCatalogueRowsLayer3::columnWithoutCreateValueMakesNoRow()
{
    QFETCH(QString, menuPath);
    QFETCH(QStringList, index);
    QFETCH(ColumnValues, values);
    const CvFormDescriptor *d = FindFormDescriptor(menuPath);
    QVERIFY(d);

    const Rows before = ReadTable(*d);
    CvSNMPRequest r;
    r.SetVarList(d->variables, d->listKind, d->indexCount);
    for (int i = 0; i < r.varList.Count(); ++i) {
        CvSNMPVariable &v = r.varList.Var(i);
        if (i < d->indexCount)
            v.value = index.at(i);
        else if (values.contains(i))
            v.value = values.value(i);
        else
            v.access = AccessInvalid;
    }
    int code = 0;
    try {
        r.Set(false);
    } catch (const CvException &e) {
        code = e.code();
    }
    QVERIFY(code != 0);
    QCOMPARE(ReadTable(*d), before);
}

QTEST_GUILESS_MAIN(TstCatalogueRowsLayer3)
#include "tst_catalogue_rows_layer3.moc"
