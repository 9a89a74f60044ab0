#include "CvException.h"
#include "CvSNMPVarList.h"
#include "CvVarBindings.h"
#include "ValuePrinting.h"

#include <QtTest>

namespace {

constexpr CvIntOption statusOptions[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const CvOptionList statusList(statusOptions);

// Tables are constant data, as the windows' tables are.
constexpr CvSNMPVar scalars[] = {
    {"1.3.6.1.2.1.17.2.3", "Root cost", SyntaxInteger, AccessReadOnly},
    {"1.3.6.1.2.1.17.2.4", "Status", SyntaxInteger, AccessReadWrite, &statusList, "$0+1", nullptr,
        "a note"},
    {"1.3.6.1.2.1.17.2.5", "Secret", SyntaxDisplayString, AccessWriteOnly},
    {},
};

// A kind-3 table with two index objects, the second IMPLIED.
constexpr CvSNMPVar rows[] = {
    {"1.3.6.1.4.1.9.1.1", "Id", SyntaxGauge, AccessNotAccessible | AccessWriteOnly},
    {"1.3.6.1.4.1.9.1.2", "Name", SyntaxDisplayString, AccessNotAccessible | AccessImplied},
    {"1.3.6.1.4.1.9.1.3", "Ports", SyntaxBitString, AccessReadWrite},
    {"1.3.6.1.4.1.9.1.4", "Status", SyntaxInteger, AccessReadWrite, &statusList},
    {"1.3.6.1.4.1.9.1.5", "Hits", SyntaxCounter, AccessReadOnly},
    {},
};

constexpr CvSNMPVar empty[] = {{}};

QStringList oids(const QList<CvVarBinding> &bindings)
{
    QStringList list;
    for (const CvVarBinding &b : bindings)
        list.append(QString::number(b.varIndex) + " " + b.oid);
    return list;
}

int codeOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const CvException &e) {
        return e.code();
    }
    return 0;
}

} // namespace

class TstVarList : public QObject
{
    Q_OBJECT

private slots:
    void buildsFromTable();
    void emptyTableChangesNothing();
    void copiesAreDeep();
    void rangeChecked();
    void flagTests_data();
    void flagTests();
    void countsColumns();
    void keywordLists();
    void firstRead_data();
    void firstRead();
    void walkStep();
    void singleValueListsCannotWalk();
    void unknownKindFails();
    void writeKind0And1();
    void writeTableRowLeavesIndexesOut();
    void invalidFlagExcludesUntilCleared();
};

void TstVarList::buildsFromTable()
{
    const CvSNMPVarList list(rows, MVT_UMV, 2);
    QCOMPARE(list.Count(), 5);
    QCOMPARE(list.kind, quint8(MVT_UMV));
    QCOMPARE(list.indexCount, 2);
    QCOMPARE(list.instance, QString());
    QCOMPARE(list.name, QString());
    QCOMPARE(list.Var(3).oid, QString("1.3.6.1.4.1.9.1.4"));
    QCOMPARE(list.Var(3).label, QString("Status"));
    QCOMPARE(list.Var(3).options, &statusList);
    QCOMPARE(list.Var(3).value, QString());
    QCOMPARE(list.Var(3).lastOid, QString());

    const CvSNMPVarList s(scalars, SVT_SV, 0);
    QCOMPARE(s.Var(1).getExpression, std::optional<QString>("$0+1"));
    QCOMPARE(s.Var(1).setExpression, std::nullopt);
    QCOMPARE(s.Var(1).note, std::optional<QString>("a note"));
    QCOMPARE(s.Var(0).getExpression, std::nullopt);

    const CvSNMPVarList none;
    QCOMPARE(none.Count(), 0);
    QCOMPARE(none.kind, quint8(SVT_SV));
    QCOMPARE(none.indexCount, 0);
}

void TstVarList::emptyTableChangesNothing()
{
    CvSNMPVarList list(empty, MVT_FMV, 0);
    QCOMPARE(list.Count(), 0);
    list.Append(scalars);
    list.Append(empty);
    list.Append(nullptr);
    QCOMPARE(list.Count(), 3);
    list.Append(scalars);
    QCOMPARE(list.Count(), 6);
    QCOMPARE(list.Var(4).label, QString("Status"));
}

void TstVarList::copiesAreDeep()
{
    CvSNMPVarList list(rows, MVT_UMV, 2);
    list.instance = "7";
    list.name = " Rows";
    list.Var(2).value = "FF00";
    list.Var(2).lastOid = "1.3.6.1.4.1.9.1.3.7";

    CvSNMPVarList copy(list);
    CvSNMPVarList assigned;
    assigned = list;
    for (const CvSNMPVarList *c : {&copy, &assigned}) {
        QCOMPARE(c->Count(), 5);
        QCOMPARE(c->instance, QString("7"));
        QCOMPARE(c->name, QString(" Rows"));
        QCOMPARE(c->kind, quint8(MVT_UMV));
        QCOMPARE(c->indexCount, 2);
        QCOMPARE(c->Var(2).value, QString("FF00"));
        QCOMPARE(c->Var(2).lastOid, QString("1.3.6.1.4.1.9.1.3.7"));
    }
    copy.Var(2).value = "00";
    copy.Var(2).label = "changed";
    QCOMPARE(list.Var(2).value, QString("FF00"));
    QCOMPARE(list.Var(2).label, QString("Ports"));
    QCOMPARE(assigned.Var(2).value, QString("FF00"));

    // Installing a table anew, as a request does, drops the values.
    list = CvSNMPVarList(rows, MVT_UMV, 2);
    QCOMPARE(list.Var(2).value, QString());
    QCOMPARE(list.instance, QString());
}

void TstVarList::rangeChecked()
{
    CvSNMPVarList list(scalars, SVT_SV, 0);
    QCOMPARE(codeOf([&] { list.Var(3); }), -12);
    QCOMPARE(codeOf([&] { list.Var(-1); }), -12);
    QCOMPARE(codeOf([&] { list.IsReadable(3); }), -12);
}

// clang-format off
void TstVarList::flagTests_data()
{
    QTest::addColumn<int>("access");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("position"); // index count is 1
    QTest::addColumn<bool>("readable");
    QTest::addColumn<bool>("sendable");
    QTest::addColumn<bool>("implied");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("hidden");

    QTest::newRow("0 scalar") << 0 << 0 << 0 << false << false << false << false << false;
    QTest::newRow("0 table index") << 0 << 2 << 0 << false << true << false << false << false;
    QTest::newRow("0 table column") << 0 << 3 << 1 << false << false << false << false << false;
    QTest::newRow("1 index") << 1 << 2 << 0 << false << true << false << true << false;
    QTest::newRow("1 in a row list") << 1 << 1 << 0 << false << false << false << true << false;
    QTest::newRow("2 read-only") << 2 << 0 << 0 << true << false << false << true << false;
    QTest::newRow("4 write-only") << 4 << 0 << 0 << false << true << false << false << true;
    QTest::newRow("6 read-write") << 6 << 1 << 0 << true << true << false << true << false;
    QTest::newRow("8 derived") << 8 << 0 << 0 << false << false << false << true << false;
    QTest::newRow("16 hidden") << 16 << 0 << 0 << false << false << false << false << true;
    QTest::newRow("18 hidden readable") << 18 << 0 << 0 << true << false << false << false << true;
    QTest::newRow("38 invalid") << 38 << 0 << 0 << false << false << false << false << true;
    QTest::newRow("33 invalid index") << 33 << 2 << 0 << false << false << false << false << true;
    QTest::newRow("65 implied index") << 65 << 3 << 0 << false << true << true << true << false;
    QTest::newRow("12 write-only derived")
        << 12 << 0 << 0 << false << true << false << true << false;
    QTest::newRow("high bits ignored")
        << (0x100 | 2) << 0 << 0 << true << false << false << true << false;
    QTest::newRow("0x104 reads as 4")
        << (0x100 | 4) << 0 << 0 << false << true << false << false << true;
}
// clang-format on

void TstVarList::flagTests()
{
    QFETCH(int, access);
    QFETCH(int, kind);
    QFETCH(int, position);
    CvSNMPVarList list;
    list.kind = quint8(kind);
    list.indexCount = 1;
    list.vars = {CvSNMPVariable(), CvSNMPVariable()};
    list.Var(position).access = access;
    QTEST(list.IsReadable(position), "readable");
    QTEST(list.IsSendable(position), "sendable");
    QTEST(list.IsImplied(position), "implied");
    QTEST(list.IsShownColumn(position), "shown");
    QTEST(list.IsHiddenColumn(position), "hidden");
}

void TstVarList::countsColumns()
{
    CvSNMPVarList list(rows, MVT_UMV, 2);
    QCOMPARE(list.CountShownColumns(), 5);
    QCOMPARE(list.CountHiddenColumns(), 0);
    list.Var(4).access = AccessHidden | AccessReadOnly;
    list.Var(2).access |= AccessInvalid;
    QCOMPARE(list.CountShownColumns(), 3);
    QCOMPARE(list.CountHiddenColumns(), 2);
    const CvSNMPVarList s(scalars, SVT_SV, 0);
    QCOMPARE(s.CountShownColumns(), 2);
    QCOMPARE(s.CountHiddenColumns(), 1); // the write-only one
}

void TstVarList::keywordLists()
{
    QCOMPARE(KindKeywords().Count(), 4);
    QCOMPARE(KindKeywords().TextToValue("MVT_UMV"), QString("3"));
    QCOMPARE(SyntaxKeywords().Count(), 25);
    QCOMPARE(SyntaxKeywords().Item(0).text, QString("integer"));
    QCOMPARE(SyntaxKeywords().Item(11).text, QString("boolean"));
    QCOMPARE(SyntaxKeywords().Item(24).text, QString("uint16"));
    QCOMPARE(SyntaxKeywords().ValueToText("66"), QString("guage"));
    QCOMPARE(SyntaxKeywords().TextToValue("DisplayStr"), QString("76"));
    QCOMPARE(AccessKeywords().Count(), 7);
    QCOMPARE(AccessKeywords().ValueToText("6"), QString("readwrite"));
    QCOMPARE(AccessKeywords().ValueToText("64"), QString("64")); // IMPLIED has no keyword
}

// clang-format off
void TstVarList::firstRead_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("instance");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("scalars get .0")
        << 0 << "" << QStringList {"0 1.3.6.1.2.1.17.2.3.0", "1 1.3.6.1.2.1.17.2.4.0"};
    QTest::newRow("one row of port 5")
        << 1 << "5" << QStringList {"0 1.3.6.1.2.1.17.2.3.5", "1 1.3.6.1.2.1.17.2.4.5"};
    QTest::newRow("row list without instance")
        << 1 << "" << QStringList {"0 1.3.6.1.2.1.17.2.3", "1 1.3.6.1.2.1.17.2.4"};
    QTest::newRow("table walk starts at the columns")
        << 2 << "" << QStringList {"0 1.3.6.1.2.1.17.2.3", "1 1.3.6.1.2.1.17.2.4"};
    QTest::newRow("scalars with an instance")
        << 0 << "2" << QStringList {"0 1.3.6.1.2.1.17.2.3.2.0", "1 1.3.6.1.2.1.17.2.4.2.0"};
}
// clang-format on

void TstVarList::firstRead()
{
    QFETCH(int, kind);
    QFETCH(QString, instance);
    QFETCH(QStringList, expected);
    CvSNMPVarList list(scalars, quint8(kind), 0);
    list.instance = instance;
    list.Var(0).lastOid = "1.3.6.1.2.1.17.2.3.9";
    list.Var(2).lastOid = "untouched";
    const QList<CvVarBinding> bindings = SelectBindings(list, CvPduPurpose::FirstRead);
    QCOMPARE(oids(bindings), expected);
    QCOMPARE(list.Var(0).lastOid, QString());
    QCOMPARE(list.Var(2).lastOid, QString("untouched")); // not taken
    QVERIFY(bindings.first().value.isNull());
}

void TstVarList::walkStep()
{
    CvSNMPVarList list(rows, MVT_FMV, 2);
    list.Var(2).lastOid = "1.3.6.1.4.1.9.1.3.4.2.97.98";
    list.Var(3).lastOid = "1.3.6.1.4.1.9.1.4.4.2.97.98";
    list.Var(4).lastOid = "1.3.6.1.4.1.9.1.5.4.2.97.98";
    QCOMPARE(oids(SelectBindings(list, CvPduPurpose::WalkStep)),
        (QStringList {"2 1.3.6.1.4.1.9.1.3.4.2.97.98", "3 1.3.6.1.4.1.9.1.4.4.2.97.98",
            "4 1.3.6.1.4.1.9.1.5.4.2.97.98"}));
}

void TstVarList::singleValueListsCannotWalk()
{
    for (quint8 kind : {SVT_SV, MVT_SV}) {
        CvSNMPVarList list(scalars, kind, 0);
        try {
            SelectBindings(list, CvPduPurpose::WalkStep);
            QFAIL("a walk step was built");
        } catch (const CvException &e) {
            QCOMPARE(e.code(), -510);
            QCOMPARE(e.message(),
                QString("(CvSNMP++) Can't send get-next command for a SNMP "
                        "variable list with single value!"));
        }
    }
}

void TstVarList::unknownKindFails()
{
    CvSNMPVarList list(scalars, 4, 0);
    for (CvPduPurpose p : {CvPduPurpose::FirstRead, CvPduPurpose::WalkStep, CvPduPurpose::Write})
        QCOMPARE(codeOf([&] { SelectBindings(list, p); }), -515);
}

void TstVarList::writeKind0And1()
{
    CvSNMPVarList list(scalars, SVT_SV, 0);
    list.Var(1).value = "disabled";
    list.Var(2).value = "pw";
    QList<CvVarBinding> b = SelectBindings(list, CvPduPurpose::Write);
    QCOMPARE(oids(b), (QStringList {"1 1.3.6.1.2.1.17.2.4.0", "2 1.3.6.1.2.1.17.2.5.0"}));
    QCOMPARE(b.at(0).value, CvSNMPValue::FromInteger(2)); // through the option list
    QCOMPARE(b.at(1).value, CvSNMPValue::FromOctets(CvSNMPValue::OctetString, "pw"));

    list.kind = MVT_SV;
    list.instance = "5";
    b = SelectBindings(list, CvPduPurpose::Write);
    QCOMPARE(oids(b), (QStringList {"1 1.3.6.1.2.1.17.2.4.5", "2 1.3.6.1.2.1.17.2.5.5"}));
}

void TstVarList::writeTableRowLeavesIndexesOut()
{
    CvSNMPVarList list(rows, MVT_UMV, 2);
    list.Var(0).value = "4";
    list.Var(1).value = "ab";
    list.Var(2).value = "8000";
    list.Var(3).value = "enabled";
    list.Var(4).value = "12";
    const QList<CvVarBinding> b = SelectBindings(list, CvPduPurpose::Write);
    // Variable 0 is writable, yet as an index it travels in the OIDs only;
    // the IMPLIED string index has no length.
    QCOMPARE(oids(b), (QStringList {"2 1.3.6.1.4.1.9.1.3.4.97.98", "3 1.3.6.1.4.1.9.1.4.4.97.98"}));
    QCOMPARE(b.at(0).value,
        CvSNMPValue::FromOctets(CvSNMPValue::OctetString, QByteArray("\x80\x00", 2)));
    QCOMPARE(b.at(1).value, CvSNMPValue::FromInteger(1));
}

void TstVarList::invalidFlagExcludesUntilCleared()
{
    CvSNMPVarList list(scalars, SVT_SV, 0);
    list.Var(1).access |= AccessInvalid;
    QCOMPARE(oids(SelectBindings(list, CvPduPurpose::FirstRead)),
        QStringList {"0 1.3.6.1.2.1.17.2.3.0"});
    QCOMPARE(
        oids(SelectBindings(list, CvPduPurpose::Write)), QStringList {"2 1.3.6.1.2.1.17.2.5.0"});
    QVERIFY(!list.IsShownColumn(1));
    list.Var(1).access &= ~AccessInvalid;
    QCOMPARE(SelectBindings(list, CvPduPurpose::FirstRead).size(), 2);
    QCOMPARE(SelectBindings(list, CvPduPurpose::Write).size(), 2);
    QVERIFY(list.IsShownColumn(1));
}

QTEST_GUILESS_MAIN(TstVarList)
#include "tst_varlist.moc"
