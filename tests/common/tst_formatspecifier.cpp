#include "CvException.h"
#include "CvFormatSpecifier.h"

#include <QtTest>

#include <cfloat>

class TstFormatSpecifier : public QObject
{
    Q_OBJECT

private slots:
    void parses_data();
    void parses();
    void refuses_data();
    void refuses();
    void splitsFormats_data();
    void splitsFormats();
    void countsEdits_data();
    void countsEdits();
};

// clang-format off
void TstFormatSpecifier::parses_data()
{
    QTest::addColumn<QString>("specifier");
    QTest::addColumn<char>("type");
    QTest::addColumn<char>("delimiter");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<int>("flags");
    QTest::addColumn<char>("exitChar");
    QTest::addColumn<int>("width");

    const double i32min = -2147483648.0, i32max = 2147483647.0, u32max = 4294967295.0;
    QTest::newRow("%s") << "%s" << 's' << char(0) << 0.0 << 0.0 << 0 << 0 << char(0) << 0;
    QTest::newRow("%i full range")
        << "%i" << 'i' << char(0) << i32min << i32max << 0 << 0 << char(0) << 0;
    QTest::newRow("%i{} empty block")
        << "%i{}" << 'i' << char(0) << i32min << i32max << 0 << 0 << char(0) << 0;
    QTest::newRow("%u range") << "%u" << 'u' << char(0) << 0.0 << u32max << 0 << 0 << char(0) << 0;
    QTest::newRow("%f default") << "%f" << 'f' << char(0) << DBL_MIN << DBL_MAX << 0 << 0 << char(0)
                                << 0;
    QTest::newRow("vlan id") << "%i{n1x4094l4}" << 'i' << char(0) << 1.0 << 4094.0 << 4 << 0
                             << char(0) << 0;
    QTest::newRow("advance") << "%i{n0x16777214l8a}" << 'i' << char(0) << 0.0 << 16777214.0 << 8
                             << 1 << char(0) << 0;
    QTest::newRow("%s{n1x208l3}") << "%s{n1x208l3}" << 's' << char(0) << 1.0 << 208.0 << 3 << 0
                                  << char(0) << 0;
    QTest::newRow("number list, all flags")
        << "%n,{n1x4094l4fn}" << 'n' << ',' << 1.0 << 4094.0 << 4 << 6 << char(0) << 0;
    QTest::newRow("three flags") << "%s{l3afn}" << 's' << char(0) << 0.0 << 0.0 << 3 << 7 << char(0)
                                 << 0;
    QTest::newRow("number list default range")
        << "%n." << 'n' << '.' << 0.0 << u32max << 0 << 0 << char(0) << 0;
    QTest::newRow("negative and real bounds")
        << "%f{n-1.5x2.25}" << 'f' << char(0) << -1.5 << 2.25 << 0 << 0 << char(0) << 0;
    QTest::newRow("width and exit char")
        << "%i{w80e.}" << 'i' << char(0) << i32min << i32max << 0 << 0 << '.' << 80;
    QTest::newRow("flag then option")
        << "%i{l5nx10}" << 'i' << char(0) << i32min << 10.0 << 5 << 4 << char(0) << 0;
}
// clang-format on

void TstFormatSpecifier::parses()
{
    QFETCH(QString, specifier);
    QFETCH(char, type);
    QFETCH(char, delimiter);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(int, maxLength);
    QFETCH(int, flags);
    QFETCH(char, exitChar);
    QFETCH(int, width);
    const CvFormatSpecifier spec = CvFormatSpecifier::Parse(specifier);
    QCOMPARE(spec.type, type);
    QCOMPARE(spec.delimiter, delimiter);
    QCOMPARE(spec.minimum, minimum);
    QCOMPARE(spec.maximum, maximum);
    QCOMPARE(spec.maxLength, maxLength);
    QCOMPARE(int(spec.flags), flags);
    QCOMPARE(spec.exitChar, exitChar);
    QCOMPARE(spec.width, width);
}

// clang-format off
void TstFormatSpecifier::refuses_data()
{
    QTest::addColumn<QString>("specifier");
    QTest::newRow("empty") << "";
    QTest::newRow("only %") << "%";
    QTest::newRow("no %") << "i{n1}";
    QTest::newRow("unknown type %x") << "%x";
    QTest::newRow("%n without delimiter") << "%n";
    QTest::newRow("text after type") << "%iabc";
    QTest::newRow("block not closed") << "%i{n1";
    QTest::newRow("only opening brace") << "%i{";
    QTest::newRow("text after block") << "%i{n1}x";
    QTest::newRow("unknown option") << "%i{q1}";
    QTest::newRow("minimum without number") << "%i{nx5}";
    QTest::newRow("length without digits") << "%s{la}";
    QTest::newRow("exit without character") << "%s{e}";
    QTest::newRow("digit after length flag") << "%i{l5n1}";
    QTest::newRow("fourth flag is an option") << "%i{l5afnn}";
    QTest::newRow("block after space") << "%i {n1}";
}
// clang-format on

void TstFormatSpecifier::refuses()
{
    QFETCH(QString, specifier);
    try {
        CvFormatSpecifier::Parse(specifier);
        QFAIL("accepted");
    } catch (const CvException &e) {
        QCOMPARE(e.code(), -2);
        QCOMPARE(
            e.message(), QStringLiteral("(CvCommon) Bad format specifier of edit's constraint!"));
    }
}

// clang-format off
void TstFormatSpecifier::splitsFormats_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("parts");
    QTest::newRow("four edits") << "%i%i%i%i" << QStringList {"%i", "%i", "%i", "%i"};
    QTest::newRow("with blocks") << "%u{l3}%s{l32}" << QStringList {"%u{l3}", "%s{l32}"};
    QTest::newRow("text before the first %") << "ab%i" << QStringList {"ab", "%i"};
    QTest::newRow("one") << "%n,{l4}" << QStringList {"%n,{l4}"};
    QTest::newRow("empty") << "" << QStringList {};
}
// clang-format on

void TstFormatSpecifier::splitsFormats()
{
    QFETCH(QString, format);
    QFETCH(QStringList, parts);
    QCOMPARE(SplitFormat(format), parts);
}

// clang-format off
void TstFormatSpecifier::countsEdits_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("count");
    QTest::newRow("four") << "%i%i%i%i" << 4;
    QTest::newRow("every type") << "%s%h%i%u%f%n," << 6;
    QTest::newRow("unknown type not counted") << "%x%i" << 1;
    QTest::newRow("trailing %") << "%i%" << 1;
}
// clang-format on

void TstFormatSpecifier::countsEdits()
{
    QFETCH(QString, format);
    QFETCH(int, count);
    QCOMPARE(CountFormatEdits(format), count);
}

QTEST_GUILESS_MAIN(TstFormatSpecifier)
#include "tst_formatspecifier.moc"
