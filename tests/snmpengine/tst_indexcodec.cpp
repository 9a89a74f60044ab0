#include "CvException.h"
#include "CvIndexCodec.h"
#include "CvSNMPVarList.h"

#include <QtTest>

namespace {

constexpr CvIntOption statusOptions[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const CvOptionList statusList(statusOptions);

// A table list whose index variables have the given syntaxes; the last one
// may be IMPLIED. One ordinary column follows the indexes.
CvSNMPVarList tableOf(const QList<int> &syntaxes, bool lastImplied = false)
{
    CvSNMPVarList list;
    list.kind = MVT_FMV;
    list.indexCount = int(syntaxes.size());
    for (int k = 0; k < syntaxes.size(); ++k) {
        CvSNMPVariable v;
        v.oid = QString("1.3.6.1.4.1.9.2.%1").arg(k + 1);
        v.syntax = syntaxes.at(k);
        v.access = AccessNotAccessible;
        if (lastImplied && k == syntaxes.size() - 1)
            v.access |= AccessImplied;
        list.vars.append(v);
    }
    CvSNMPVariable column;
    column.oid = "1.3.6.1.4.1.9.2.99";
    column.syntax = SyntaxInteger;
    column.access = AccessReadWrite;
    list.vars.append(column);
    return list;
}

int decodeCode(int syntax, const QString &suffix, bool implied = false)
{
    CvSNMPVarList list = tableOf({syntax}, implied);
    try {
        DecodeIndex(list, 0, suffix);
    } catch (const CvException &e) {
        return e.code();
    }
    return 0;
}

} // namespace

class TstIndexCodec : public QObject
{
    Q_OBJECT

private slots:
    void encodes_data();
    void encodes();
    void decodes_data();
    void decodes();
    void roundTrip_data();
    void roundTrip();
    void neverReadsPastTheSuffix_data();
    void neverReadsPastTheSuffix();
    void rowSuffixJoinsIndexes();
    void decodesIndexesInOrder();
    void impliedOnlyForTheLastIndex();
    void mapsThroughOptions();
    void unknownSyntaxFails();
};

// clang-format off
void TstIndexCodec::encodes_data()
{
    QTest::addColumn<int>("syntax");
    QTest::addColumn<bool>("implied");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("boolean true") << 1 << false << "true" << "1";
    QTest::newRow("boolean other") << 1 << false << "yes" << "0";
    QTest::newRow("negative integer") << 2 << false << "-1" << "4294967295";
    QTest::newRow("gauge") << 66 << false << "4294967295" << "4294967295";
    QTest::newRow("3 octets") << 4 << false << "616263" << "3.97.98.99";
    QTest::newRow("3 octets implied") << 4 << true << "616263" << "97.98.99";
    QTest::newRow("empty octets") << 4 << false << "" << "0";
    QTest::newRow("(NULL) octets") << 3 << false << "(NULL)" << "0";
    QTest::newRow("display string implied") << 76 << true << "ab" << "97.98";
    QTest::newRow("double 2.0") << 72 << false << "2" << "0.1073741824";
    QTest::newRow("bcdatetime 2.0") << 75 << false << "1900/01/01 12:00:00 am" << "0.1073741824";
    QTest::newRow("integer") << 2 << false << "42" << "42";
    QTest::newRow("display string") << 76 << false << "ab" << "2.97.98";
    QTest::newRow("oid") << 6 << false << "1.3.6" << "3.1.3.6";
    QTest::newRow("oid implied") << 6 << true << "1.3.6" << "1.3.6";
    QTest::newRow("address") << 64 << false << "10.0.0.1" << "10.0.0.1";
    QTest::newRow("timeticks") << 67 << false << "1 day 0:00:00.00" << "8640000";
    QTest::newRow("counter64") << 70 << false << "4294967298" << "1.2";
    QTest::newRow("mac") << 73 << false << "001A2B3C4D5E" << "0.26.43.60.77.94";
    QTest::newRow("date and time") << 74 << false << "2003-5-26,13:30:15.0,+8:0"
                                   << "7.211.5.26.13.30.15.0.43.8.0";
    QTest::newRow("short mac encodes to nothing") << 73 << false << "001A2B" << "";
    QTest::newRow("null") << 5 << false << "(NULL)" << "";
}
// clang-format on

void TstIndexCodec::encodes()
{
    QFETCH(int, syntax);
    QFETCH(bool, implied);
    QFETCH(QString, value);
    CvSNMPVarList list = tableOf({syntax}, implied);
    list.Var(0).value = value;
    QTEST(EncodeIndex(list, 0), "suffix");
}

// clang-format off
void TstIndexCodec::decodes_data()
{
    QTest::addColumn<int>("syntax");
    QTest::addColumn<bool>("implied");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("rest");
    QTest::newRow("boolean") << 1 << false << "5.7" << "true" << "7";
    QTest::newRow("octets") << 4 << false << "3.97.98.99.7" << "616263" << "7";
    QTest::newRow("empty octets") << 3 << false << "0.5" << "" << "5";
    QTest::newRow("bcdatetime out of range") << 75 << false << "0.2146435072" << "(NULL)" << "";
    QTest::newRow("null takes nothing") << 5 << false << "1.2" << "(NULL)" << "1.2";
    QTest::newRow("leading dot") << 2 << false << ".8.9" << "8" << "9";
}
// clang-format on

void TstIndexCodec::decodes()
{
    QFETCH(int, syntax);
    QFETCH(bool, implied);
    QFETCH(QString, suffix);
    CvSNMPVarList list = tableOf({syntax}, implied);
    const QString rest = DecodeIndex(list, 0, suffix);
    QTEST(list.Var(0).value, "value");
    QTEST(rest, "rest");
}

// clang-format off
void TstIndexCodec::roundTrip_data()
{
    QTest::addColumn<int>("syntax");
    QTest::addColumn<bool>("implied");
    QTest::addColumn<QString>("value");
    const QList<std::tuple<int, bool, QString>> rows = {
        {1, false, "true"},
        {1, false, "false"},
        {2, false, "-2147483648"},
        {2, false, "2147483647"},
        {65, false, "0"},
        {66, false, "4294967295"},
        {3, false, "8000000000000001"},
        {4, false, ""},
        {4, true, "00FF"},
        {68, false, "0102"},
        {76, false, "public"},
        {76, true, "v3user"},
        {6, false, "1.3.6.1.6.3.10.1.1.3"},
        {6, true, "0.0"},
        {64, false, "255.255.255.255"},
        {69, false, "0.0.0.0"},
        {67, false, "497 days, 2:27:52.95"},
        {70, false, "18446744073709551615"},
        {72, false, "-1234.5"},
        {72, false, "0.1"},
        {73, false, "FFFFFFFFFFFF"},
        {74, false, "2003-5-26,13:30:15.0"},
        {75, false, "2003/05/26 01:30:15 pm"},
        {5, false, "(NULL)"},
    };
    for (const auto &[syntax, implied, value] : rows)
        QTest::addRow("%d%s %s", syntax, implied ? " implied" : "", qPrintable(value))
            << syntax << implied << value;
}
// clang-format on

void TstIndexCodec::roundTrip()
{
    QFETCH(int, syntax);
    QFETCH(bool, implied);
    QFETCH(QString, value);
    CvSNMPVarList list = tableOf({syntax}, implied);
    list.Var(0).value = value;
    const QString suffix = EncodeIndex(list, 0);
    list.Var(0).value = "changed";
    QCOMPARE(DecodeIndex(list, 0, suffix), QString());
    QCOMPARE(list.Var(0).value, value);
}

// clang-format off
void TstIndexCodec::neverReadsPastTheSuffix_data()
{
    QTest::addColumn<int>("syntax");
    QTest::addColumn<bool>("implied");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("empty integer") << 2 << false << "";
    QTest::newRow("length beyond the rest") << 4 << false << "5.97.98";
    QTest::newRow("huge length") << 4 << false << "4294967295.1";
    QTest::newRow("octet above 255") << 4 << false << "2.97.256";
    QTest::newRow("implied octet above 255") << 76 << true << "97.1000";
    QTest::newRow("oid length beyond the rest") << 6 << false << "3.1.3";
    QTest::newRow("address too short") << 64 << false << "10.0.0";
    QTest::newRow("address octet above 255") << 64 << false << "10.0.0.300";
    QTest::newRow("mac too short") << 73 << false << "1.2.3.4.5";
    QTest::newRow("date too short") << 74 << false << "7.211.5.26.13.30.15.0.43.8";
    QTest::newRow("counter64 needs two") << 70 << false << "1";
    QTest::newRow("double needs two") << 72 << false << "1";
    QTest::newRow("not dotted decimal") << 2 << false << "1.a";
    QTest::newRow("empty arc") << 2 << false << "1..2";
    QTest::newRow("sub-identifier beyond 32 bits") << 2 << false << "4294967296";
    QTest::newRow("trailing dot") << 66 << false << "7.";
}
// clang-format on

void TstIndexCodec::neverReadsPastTheSuffix()
{
    QFETCH(int, syntax);
    QFETCH(bool, implied);
    QFETCH(QString, suffix);
    QCOMPARE(decodeCode(syntax, suffix, implied), -514);
}

void TstIndexCodec::rowSuffixJoinsIndexes()
{
    CvSNMPVarList list
        = tableOf({SyntaxGauge, SyntaxOctetString, SyntaxNull, SyntaxDisplayString}, true);
    list.Var(0).value = "12";
    list.Var(1).value = "0A0B0C";
    list.Var(2).value = "(NULL)";
    list.Var(3).value = "ab";
    QCOMPARE(RowIndexSuffix(list), QString("12.3.10.11.12.97.98"));
    list.indexCount = 6;
    try {
        RowIndexSuffix(list);
        QFAIL("index count beyond the list");
    } catch (const CvException &e) {
        QCOMPARE(e.code(), -514);
        QCOMPARE(e.message(), QString("(CvSNMP++) Bad key count of SNMP variable list!"));
    }
}

void TstIndexCodec::decodesIndexesInOrder()
{
    CvSNMPVarList list = tableOf({SyntaxGauge, SyntaxOctetString, SyntaxDisplayString}, true);
    QString rest = "12.3.10.11.12.97.98";
    for (int k = 0; k < list.indexCount; ++k)
        rest = DecodeIndex(list, k, rest);
    QCOMPARE(rest, QString());
    QCOMPARE(list.Var(0).value, QString("12"));
    QCOMPARE(list.Var(1).value, QString("0A0B0C"));
    QCOMPARE(list.Var(2).value, QString("ab"));
}

void TstIndexCodec::impliedOnlyForTheLastIndex()
{
    // The IMPLIED flag on an index that is not the last one changes nothing.
    CvSNMPVarList list = tableOf({SyntaxOctetString, SyntaxInteger});
    list.Var(0).access |= AccessImplied;
    list.Var(0).value = "61";
    QCOMPARE(EncodeIndex(list, 0), QString("1.97"));
    QCOMPARE(DecodeIndex(list, 0, "1.97.5"), QString("5"));
}

void TstIndexCodec::mapsThroughOptions()
{
    CvSNMPVarList list = tableOf({SyntaxInteger});
    list.Var(0).options = &statusList;
    list.Var(0).value = "disabled";
    QCOMPARE(EncodeIndex(list, 0), QString("2"));
    DecodeIndex(list, 0, "1");
    QCOMPARE(list.Var(0).value, QString("enabled"));
}

void TstIndexCodec::unknownSyntaxFails()
{
    CvSNMPVarList list = tableOf({SyntaxUInt8});
    list.Var(0).value = "1";
    for (const auto &f : {std::function<void()>([&] { EncodeIndex(list, 0); }),
             std::function<void()>([&] { DecodeIndex(list, 0, "1"); })}) {
        try {
            f();
            QFAIL("no error");
        } catch (const CvException &e) {
            QCOMPARE(e.code(), -511);
        }
    }
}

QTEST_GUILESS_MAIN(TstIndexCodec)
#include "tst_indexcodec.moc"
