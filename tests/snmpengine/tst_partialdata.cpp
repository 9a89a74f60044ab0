#include "CvEditSplit.h"
#include "CvException.h"
#include "CvPartialData.h"
#include "CvSNMPVarList.h"

#include <QtTest>

namespace {

constexpr CvIntOption statusOptions[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const CvOptionList statusList(statusOptions);

CvSNMPVarList oneVariable(
    qint32 syntax, const QString &value, const CvOptionList *options = nullptr)
{
    CvSNMPVarList list;
    CvSNMPVariable v;
    v.oid = "1.3.6.1.4.1.9.3";
    v.syntax = syntax;
    v.access = AccessReadWrite;
    v.options = options;
    v.value = value;
    list.vars.append(v);
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

CvValuePart textPart(int offset, qint32 subSyntax, const QString &text)
{
    CvValuePart p;
    p.offset = offset;
    p.subSyntax = subSyntax;
    p.text = text;
    return p;
}

CvValuePart bitPart(const QList<int> &numbers, const QList<bool> &states)
{
    CvValuePart p;
    p.bitNumbers = numbers;
    p.bits = states;
    return p;
}

} // namespace

class TstPartialData : public QObject
{
    Q_OBJECT

private slots:
    void readsParts_data();
    void readsParts();
    void partErrors_data();
    void partErrors();
    void partRoundTrip_data();
    void partRoundTrip();
    void mergesParts_data();
    void mergesParts();
    void mergeErrors();
    void portListBits();
    void splitsValues_data();
    void splitsValues();
    void joinsEdits_data();
    void joinsEdits();
    void tooFewEdits_data();
    void tooFewEdits();
    void splitJoinRoundTrip_data();
    void splitJoinRoundTrip();
};

// clang-format off
void TstPartialData::readsParts_data()
{
    QTest::addColumn<int>("syntax");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("subSyntax");
    QTest::addColumn<QString>("text");
    QTest::newRow("uint16 at 2 of 00 00 01 02") << 4 << "00000102" << 2 << 198 << "258";
    QTest::newRow("int8 of FF") << 4 << "FF" << 0 << 194 << "-1";
    QTest::newRow("uint8 of FF") << 4 << "FF" << 0 << 195 << "255";
    QTest::newRow("int16 is signed") << 4 << "FFFE" << 0 << 197 << "-2";
    QTest::newRow("bool8 zero") << 4 << "00" << 0 << 193 << "false";
    QTest::newRow("bool8 two") << 4 << "02" << 0 << 193 << "true";
    QTest::newRow("bool16 low octet") << 4 << "0001" << 0 << 196 << "true";
    QTest::newRow("integer -2 low octet") << 2 << "-2" << 0 << 195 << "254";
    QTest::newRow("integer least significant first") << 2 << "258" << 0 << 198 << "513";
    QTest::newRow("counter64 low half") << 70 << "4294967298" << 0 << 66 << "2";
    QTest::newRow("counter64 high half") << 70 << "4294967298" << 4 << 66 << "1";
    QTest::newRow("address byte") << 64 << "10.1.2.3" << 3 << 195 << "3";
    QTest::newRow("timeticks as gauge") << 67 << "1 day 0:00:00.00" << 0 << 66 << "8640000";
    QTest::newRow("mac inside octets") << 4 << "0102030405060708" << 1 << 73 << "020304050607";
    QTest::newRow("rest of octets") << 4 << "AABBCCDD" << 2 << 4 << "CCDD";
    QTest::newRow("rest at the end") << 4 << "AABBCCDD" << 4 << 4 << "(NULL)";
    QTest::newRow("rest of a display string") << 76 << "abc" << 1 << 76 << "bc";
    QTest::newRow("display string at the end") << 76 << "abc" << 3 << 76 << "";
    QTest::newRow("year of a date") << 74 << "2003-5-26,13:30:15.0" << 0 << 198 << "2003";
    QTest::newRow("day of a date") << 74 << "2003-5-26,13:30:15.0" << 3 << 195 << "26";
    QTest::newRow("oid arc") << 6 << "1.3.6" << 4 << 66 << "3";
    QTest::newRow("oid tail as oid") << 6 << "1.3.6" << 4 << 6 << "3.6";
    QTest::newRow("double as bcdatetime") << 72 << "1.25" << 0 << 75 << "1899/12/31 06:00:00 am";
    QTest::newRow("date and time in octets")
        << 4 << "FF07D3051A0D1E0F002B0800" << 1 << 74 << "2003-5-26,13:30:15.0,+8:0";
    QTest::newRow("(NULL) value") << 2 << "(NULL)" << 0 << 195 << "(NULL)";
    QTest::newRow("(NULL) display part") << 4 << "(NULL)" << 0 << 76 << "";
    QTest::newRow("empty octets") << 4 << "" << 3 << 195 << "(NULL)";
    QTest::newRow("whole value unchanged") << 4 << "0a1" << 0 << 4 << "0a1";
}
// clang-format on

void TstPartialData::readsParts()
{
    QFETCH(int, syntax);
    QFETCH(QString, value);
    QFETCH(int, offset);
    QFETCH(int, subSyntax);
    const CvSNMPVarList list = oneVariable(syntax, value);
    QTEST(PartText(list, 0, offset, subSyntax), "text");
}

// clang-format off
void TstPartialData::partErrors_data()
{
    QTest::addColumn<int>("syntax");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("subSyntax");
    QTest::addColumn<int>("code");
    QTest::newRow("uint16 over the end") << 4 << "00000102" << 3 << 198 << -519;
    QTest::newRow("rest beyond the end") << 4 << "AABB" << 3 << 4 << -519;
    QTest::newRow("negative offset") << 4 << "AABB" << -1 << 195 << -519;
    QTest::newRow("mac of five octets") << 4 << "0102030405" << 0 << 73 << -519;
    QTest::newRow("oid part not whole arcs") << 4 << "010203" << 0 << 6 << -518;
    QTest::newRow("unknown sub-syntax") << 4 << "01" << 0 << 99 << -511;
    QTest::newRow("unknown variable syntax") << 99 << "01" << 0 << 195 << -511;
}
// clang-format on

void TstPartialData::partErrors()
{
    QFETCH(int, syntax);
    QFETCH(QString, value);
    QFETCH(int, offset);
    QFETCH(int, subSyntax);
    const CvSNMPVarList list = oneVariable(syntax, value);
    QTEST(codeOf([&] { PartText(list, 0, offset, subSyntax); }), "code");
}

// clang-format off
void TstPartialData::partRoundTrip_data()
{
    QTest::addColumn<int>("syntax");
    QTest::addColumn<QString>("text");
    const QList<QPair<int, QStringList>> forms = {
        {1, {"true", "false"}},
        {2, {"-2147483648", "0", "2147483647"}},
        {3, {"00FF"}},
        {4, {"0102030405"}},
        {6, {"1.3.6.1.4294967295"}},
        {64, {"10.0.0.1"}},
        {65, {"4294967295"}},
        {67, {"2 days, 0:00:00.01"}},
        {69, {"1.2.3.4"}},
        {70, {"18446744073709551615"}},
        {71, {"7"}},
        {72, {"-0.125", "3.14159"}},
        {73, {"001A2B3C4D5E"}},
        {74, {"2003-5-26,13:30:15.0,+8:0"}},
        {75, {"2003/05/26 01:30:15 pm"}},
        {76, {"switch"}},
        {193, {"true", "false"}},
        {194, {"-128", "0", "127"}},
        {195, {"0", "255"}},
        {196, {"true", "false"}},
        {197, {"-32768", "-1", "32767"}},
        {198, {"0", "65535"}},
    };
    for (const auto &[syntax, texts] : forms) {
        for (const QString &text : texts)
            QTest::addRow("%d %s", syntax, qPrintable(text)) << syntax << text;
    }
}
// clang-format on

void TstPartialData::partRoundTrip()
{
    QFETCH(int, syntax);
    QFETCH(QString, text);
    const QByteArray octets = OctetsOfText(syntax, text);
    if (PartWidth(syntax) != VariableWidth)
        QCOMPARE(octets.size(), PartWidth(syntax));
    QCOMPARE(TextOfOctets(syntax, octets), text);
}

// clang-format off
void TstPartialData::mergesParts_data()
{
    QTest::addColumn<int>("syntax");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QList<CvValuePart>>("parts");
    QTest::addColumn<QString>("after");
    QTest::newRow("byte inside keeps the rest")
        << 4 << "AABBCC" << QList {textPart(1, 195, "255")} << "AAFFCC";
    QTest::newRow("word past the end extends with zeros")
        << 4 << "AABB" << QList {textPart(4, 198, "258")} << "AABB00000102";
    QTest::newRow("uint8 saturates") << 4 << "00" << QList {textPart(0, 195, "300")} << "FF";
    QTest::newRow("int8 saturates") << 4 << "00" << QList {textPart(0, 194, "-300")} << "80";
    QTest::newRow("whole hex shorter replaces")
        << 4 << "AABBCC" << QList {textPart(0, 4, "11")} << "11";
    QTest::newRow("whole hex, then a byte")
        << 4 << "AABBCC" << QList {textPart(0, 4, "1122"), textPart(1, 195, "0")} << "1100";
    QTest::newRow("whole display string") << 76 << "abc" << QList {textPart(0, 76, "xy")} << "xy";
    QTest::newRow("whole oid") << 6 << "1.3.6.1" << QList {textPart(0, 6, "1.2")} << "1.2";
    // A display string starts from no octets: what precedes a part is zeros,
    // and the text ends at the first of them.
    QTest::newRow("display string part") << 76 << "abcdef" << QList {textPart(2, 76, "Z")} << "";
    QTest::newRow("byte of an integer") << 2 << "258" << QList {textPart(1, 195, "0")} << "2";
    QTest::newRow("integer from (NULL)") << 2 << "(NULL)" << QList {textPart(0, 2, "5")} << "5";
    QTest::newRow("address byte") << 64 << "10.0.0.1" << QList {textPart(3, 195, "9")}
                                  << "10.0.0.9";
    QTest::newRow("mac of six edits joined")
        << 73 << "000000000000" << QList {textPart(0, 73, "0A0B0C0D0E0F")} << "0A0B0C0D0E0F";
    QTest::newRow("bits rebuild their octets")
        << 3 << "FFFFFF" << QList {bitPart({0, 9}, {false, true})} << "0040FF";
    QTest::newRow("bits grow the value") << 3 << "" << QList {bitPart({15}, {true})} << "0001";
    QTest::newRow("bits at an offset") << 4 << "AA" << QList {[] {
        CvValuePart p = bitPart({0}, {true});
        p.offset = 2;
        return p;
    }()} << "AA0080";
    QTest::newRow("no parts keep the value") << 4 << "0A0B" << QList<CvValuePart> {} << "0A0B";
}
// clang-format on

void TstPartialData::mergesParts()
{
    QFETCH(int, syntax);
    QFETCH(QString, before);
    QFETCH(QList<CvValuePart>, parts);
    CvSNMPVarList list = oneVariable(syntax, before);
    MergeParts(list, 0, parts);
    QTEST(list.Var(0).value, "after");
}

void TstPartialData::mergeErrors()
{
    CvSNMPVarList list = oneVariable(SyntaxOctetString, "00");
    QCOMPARE(codeOf([&] { MergeParts(list, 0, {bitPart({-1}, {true})}); }), -519);
    QCOMPARE(codeOf([&] { MergeParts(list, 0, {textPart(-1, 195, "1")}); }), -519);
    QCOMPARE(codeOf([&] { MergeParts(list, 0, {textPart(0x7FFFFFFF, 195, "1")}); }), -519);
    QCOMPARE(codeOf([&] { MergeParts(list, 0, {bitPart({0x7FFFFFFF}, {true})}); }), -519);
    QCOMPARE(list.Var(0).value, QString("00"));

    // A double needs eight octets; one byte written into nothing is too few.
    list = oneVariable(SyntaxDouble, "(NULL)");
    QCOMPARE(codeOf([&] { MergeParts(list, 0, {textPart(0, 195, "1")}); }), -518);

    // Through the option lists: the variable's for a whole part, the part's
    // own otherwise.
    list = oneVariable(SyntaxInteger, "enabled", &statusList);
    MergeParts(list, 0, {textPart(0, SyntaxInteger, "disabled")});
    QCOMPARE(list.Var(0).value, QString("disabled"));
    CvValuePart byte = textPart(0, SyntaxUInt8, "enabled");
    byte.options = &statusList;
    MergeParts(list, 0, {byte});
    QCOMPARE(list.Var(0).value, QString("enabled"));
    QCOMPARE(PartText(list, 0, 0, SyntaxUInt8, &statusList), QString("enabled"));
    QCOMPARE(PartText(list, 0, 0, SyntaxUInt8), QString("1"));
}

void TstPartialData::portListBits()
{
    QList<int> all = ParseBitNumbers("0,9,767");
    QCOMPARE(all, (QList<int> {0, 9, 767}));
    all.clear();
    for (int b = 0; b < 768; ++b)
        all.append(b);

    QList<bool> states(768, false);
    states[0] = true;
    states[9] = true;
    states[767] = true;
    CvSNMPVarList list = oneVariable(SyntaxBitString, "(NULL)");
    MergeParts(list, 0, {bitPart(all, states)});
    const QString expected = "8040" + QString(186, '0') + "01";
    QCOMPARE(list.Var(0).value, expected);
    QCOMPARE(list.Var(0).value.size(), 192); // 96 octets

    QCOMPARE(BitsOf(list, 0, 0, all), states);
    QCOMPARE(BitsOf(list, 0, 1, {1, 2}), (QList<bool> {true, false}));
    QCOMPARE(codeOf([&] { BitsOf(list, 0, 0, {768}); }), -519);
    QCOMPARE(codeOf([&] { BitsOf(list, 0, 0, {-1}); }), -519);
    QCOMPARE(codeOf([&] { BitsOf(list, 0, 96, {0}); }), -519);
}

// clang-format off
void TstPartialData::splitsValues_data()
{
    QTest::addColumn<int>("syntax");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("edits");
    QTest::addColumn<bool>("leave");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("octets, spare edit")
        << 4 << "0A0B" << 3 << false << QStringList {"0A", "0B", ""};
    QTest::newRow("one edit holds all") << 4 << "0A0B" << 1 << false << QStringList {"0A0B"};
    QTest::newRow("(NULL) octets empty") << 4 << "(NULL)" << 2 << false << QStringList {"", ""};
    QTest::newRow("oid") << 6 << "1.3.6" << 4 << false << QStringList {"1", "3", "6", ""};
    QTest::newRow("address") << 64 << "10.0.0.1" << 4 << false << QStringList {"10", "0", "0", "1"};
    QTest::newRow("timeticks") << 67 << "1 day 2:03:04.05" << 5 << false
                               << QStringList {"1", "2", "3", "4", "5"};
    QTest::newRow("mac") << 73 << "001A2B3C4D5E" << 6 << false
                         << QStringList {"00", "1A", "2B", "3C", "4D", "5E"};
    QTest::newRow("date and time") << 74 << "2003-5-26,13:30:15.0,-5:30" << 10 << false
        << QStringList {"2003", "5", "26", "13", "30", "15", "0", "-", "5", "30"};
    QTest::newRow("bcdatetime") << 75 << "2003/05/26 01:30:15 pm" << 7 << false
                                << QStringList {"2003", "5", "26", "13", "30", "15", "0"};
    QTest::newRow("integer goes to the first edit")
        << 2 << "42" << 3 << false << QStringList {"42"};
    for (int s : {64, 67, 73, 74, 75})
        QTest::addRow("(NULL) leaves %d", s) << s << "(NULL)" << 10 << true << QStringList {};
}
// clang-format on

void TstPartialData::splitsValues()
{
    QFETCH(int, syntax);
    QFETCH(QString, text);
    QFETCH(int, edits);
    QFETCH(bool, leave);
    QFETCH(QStringList, pieces);
    const auto split = SplitForEdits(syntax, text, edits);
    QCOMPARE(!split.has_value(), leave);
    if (split)
        QCOMPARE(*split, pieces);
}

// clang-format off
void TstPartialData::joinsEdits_data()
{
    QTest::addColumn<int>("syntax");
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QString>("text");
    QTest::newRow("hex pieces padded") << 4 << QStringList {"A", "", "0B"} << "0A000B";
    // Edits beyond the value's octets are empty after a split and count as
    // zero octets when joined.
    QTest::newRow("spare hex edits") << 3 << QStringList {"80", "01", "", ""} << "80010000";
    QTest::newRow("mac") << 73 << QStringList {"00", "1A", "2B", "3C", "4D", "5E"}
                         << "001A2B3C4D5E";
    QTest::newRow("oid skips empty edits") << 6 << QStringList {"1", "3", "", "6"} << "1.3.6";
    QTest::newRow("address") << 64 << QStringList {"10", "0", "", "1", "7"} << "10.0.0.1";
    QTest::newRow("timeticks") << 67 << QStringList {"1", "2", "3", "4", "5"} << "1 day 2:03:04.05";
    QTest::newRow("timeticks carry")
        << 67 << QStringList {"0", "25", "0", "0", "0"} << "1 day 1:00:00.00";
    QTest::newRow("date and time")
        << 74 << QStringList {"2003", "5", "26", "13", "30", "15", "0", "+8", "8", "0"}
        << "2003-5-26,13:30:15.0,+8:0";
    QTest::newRow("date and time, empty direction")
        << 74 << QStringList {"2003", "5", "26", "13", "30", "15", "0", "", "8", "0"}
        << "2003-5-26,13:30:15.0,+8:0";
    QTest::newRow("bcdatetime") << 75 << QStringList {"2003", "5", "26", "13", "30", "15", "999"}
                                << "2003/05/26 01:30:15 pm";
    QTest::newRow("other syntax: first edit") << 2 << QStringList {"42", "x"} << "42";
    QTest::newRow("single edit as typed") << 4 << QStringList {"ABC"} << "ABC";
}
// clang-format on

void TstPartialData::joinsEdits()
{
    QFETCH(int, syntax);
    QFETCH(QStringList, edits);
    QTEST(JoinEdits(syntax, edits), "text");
}

// clang-format off
void TstPartialData::tooFewEdits_data()
{
    QTest::addColumn<int>("syntax");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("edits");
    QTest::newRow("3 octets in 2") << 4 << "0A0B0C" << 2;
    QTest::newRow("oid of 3 in 2") << 6 << "1.3.6" << 2;
    QTest::newRow("address in 3") << 64 << "10.0.0.1" << 3;
    QTest::newRow("timeticks in 4") << 67 << "0:00:00.00" << 4;
    QTest::newRow("mac in 5") << 73 << "001A2B3C4D5E" << 5;
    QTest::newRow("date in 9") << 74 << "2003-5-26,13:30:15.0" << 9;
    QTest::newRow("bcdatetime in 6") << 75 << "2003/05/26 01:30:15 pm" << 6;
    QTest::newRow("(NULL) address in 2") << 64 << "(NULL)" << 2;
}
// clang-format on

void TstPartialData::tooFewEdits()
{
    QFETCH(int, syntax);
    QFETCH(QString, text);
    QFETCH(int, edits);
    QCOMPARE(codeOf([&] { SplitForEdits(syntax, text, edits); }), -522);
    if (syntax != SyntaxOctetString && syntax != SyntaxObjectId && edits > 1)
        QCOMPARE(codeOf([&] { JoinEdits(syntax, QStringList(edits, "1")); }), -522);
    QCOMPARE(codeOf([&] { JoinEdits(syntax, {}); }), -522);
}

// clang-format off
void TstPartialData::splitJoinRoundTrip_data()
{
    QTest::addColumn<int>("syntax");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("edits");
    QTest::newRow("octets") << 4 << "00FF7F" << 3;
    QTest::newRow("bits") << 3 << "8001" << 2;
    QTest::newRow("oid, spare edits") << 6 << "1.3.6.1.2.1" << 8;
    QTest::newRow("address") << 64 << "192.168.100.254" << 4;
    QTest::newRow("timeticks") << 67 << "497 days, 2:27:52.95" << 5;
    QTest::newRow("mac") << 73 << "FFEEDDCCBBAA" << 6;
    QTest::newRow("date and time") << 74 << "1999-12-31,23:59:59.9,-5:30" << 10;
    QTest::newRow("bcdatetime") << 75 << "1850/01/01 06:00:00 am" << 7;
}
// clang-format on

void TstPartialData::splitJoinRoundTrip()
{
    QFETCH(int, syntax);
    QFETCH(QString, text);
    QFETCH(int, edits);
    const auto pieces = SplitForEdits(syntax, text, edits);
    QVERIFY(pieces.has_value());
    QCOMPARE(pieces->size(), edits);
    QCOMPARE(JoinEdits(syntax, *pieces), text);
}

QTEST_GUILESS_MAIN(TstPartialData)
#include "tst_partialdata.moc"
