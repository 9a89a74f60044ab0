#include "CvBinaryString.h"
#include "CvDateTime.h"
#include "CvException.h"
#include "CvNumList.h"
#include "CvPath.h"
#include "CvScan.h"

#include <QDateTime>
#include <QtTest>

class TstValueTypes : public QObject
{
    Q_OBJECT

private slots:
    void binaryString_data();
    void binaryString();
    void dateTimeText_data();
    void dateTimeText();
    void dateTimeOctets();
    void dateTimeNow();
    void numListParse_data();
    void numListParse();
    void numListLookups();
    void joinPath_data();
    void joinPath();
    void scanFormat_data();
    void scanFormat();
    void leadingReal_data();
    void leadingReal();
};

void TstValueTypes::binaryString_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QByteArray>("octets");
    QTest::newRow("odd digit ignored, mixed case") << "0aFf1" << QByteArray("\x0a\xff", 2);
    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("one digit") << "7" << QByteArray();
    QTest::newRow("non-hex counts 0") << "g1z2" << QByteArray("\x01\x02", 2);
    QTest::newRow("port list head") << "80000000" << QByteArray("\x80\0\0\0", 4);
}

void TstValueTypes::binaryString()
{
    QFETCH(QString, hex);
    QFETCH(QByteArray, octets);
    const CvBinaryString b(hex);
    QCOMPARE(b.data(), octets);
    QCOMPARE(b.length(), quint32(octets.size()));
    CvBinaryString copy("FFFFFFFF");
    b.CopyTo(copy);
    QCOMPARE(copy.data(), octets);
}

void TstValueTypes::dateTimeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<char>("direction");
    QTest::addColumn<int>("utcHours");
    QTest::addColumn<int>("utcMinutes");
    QTest::newRow("west of utc") << "2003-5-26,13:30:15.0,-5:30"
                                 << "2003-5-26,13:30:15.0,-5:30" << '-' << 5 << 30;
    QTest::newRow("east of utc") << "2003-5-26,13:30:15.0,+8:0"
                                 << "2003-5-26,13:30:15.0,+8:0" << '+' << 8 << 0;
    QTest::newRow("zone 0:0 not printed") << "2003-5-26,13:30:15.0,+0:0"
                                          << "2003-5-26,13:30:15.0" << '+' << 0 << 0;
    QTest::newRow("no zone") << "2003-5-26,13:30:15.0"
                             << "2003-5-26,13:30:15.0" << '+' << 0 << 0;
    QTest::newRow("padded fields") << "2003-05-06,01:02:03.4"
                                   << "2003-5-6,1:2:3.4" << '+' << 0 << 0;
    QTest::newRow("bad zone falls back") << "2003-5-26,13:30:15.0,x"
                                         << "2003-5-26,13:30:15.0" << '+' << 0 << 0;
    QTest::newRow("partial text") << "2003-5"
                                  << "2003-5-0,0:0:0.0" << '+' << 0 << 0;
    QTest::newRow("garbage") << "hello"
                             << "0-0-0,0:0:0.0" << '+' << 0 << 0;
    QTest::newRow("huge numbers keep low bits") << "99999999999-300-1,0:0:0.0"
                                                << "59391-44-1,0:0:0.0" << '+' << 0 << 0;
}

void TstValueTypes::dateTimeText()
{
    QFETCH(QString, text);
    QFETCH(QString, printed);
    QFETCH(char, direction);
    QFETCH(int, utcHours);
    QFETCH(int, utcMinutes);
    const CvDateTime dt(text);
    QCOMPARE(dt.ToText(), printed);
    QCOMPARE(dt.direction, direction);
    QCOMPARE(int(dt.utcHours), utcHours);
    QCOMPARE(int(dt.utcMinutes), utcMinutes);
}

void TstValueTypes::dateTimeOctets()
{
    const CvDateTime dt("2003-5-26,13:30:15.7,-5:30");
    const QByteArray wire = dt.ToOctets();
    QCOMPARE(wire, QByteArray("\x07\xd3\x05\x1a\x0d\x1e\x0f\x07-\x05\x1e", 11));
    CvDateTime back("1-1-1,1:1:1.1");
    QVERIFY(back.FromOctets(wire));
    QCOMPARE(back.ToText(), dt.ToText());
    QVERIFY(!back.FromOctets(wire.left(10)));
    QCOMPARE(back.ToText(), dt.ToText()); // a short value changes nothing

    CvDateTime swapped = dt;
    swapped.SwapYear();
    QCOMPARE(swapped.year, quint16(0xd307));
    swapped.SwapYear();
    QCOMPARE(swapped.year, quint16(2003));
}

void TstValueTypes::dateTimeNow()
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    const CvDateTime now;
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);
    const QDateTime got(
        QDate(now.year, now.month, now.day), QTime(now.hour, now.minutes, now.seconds));
    QVERIFY2(
        got >= before.addMSecs(-before.time().msec()) && got <= after, qPrintable(now.ToText()));
    QCOMPARE(int(now.deciSeconds), 0);
    QCOMPARE(now.direction, '+');
    QCOMPARE(int(now.utcHours) + int(now.utcMinutes), 0);
}

void TstValueTypes::numListParse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<char>("delimiter");
    QTest::addColumn<QList<qint32>>("items");
    QTest::newRow("empty") << "" << ',' << QList<qint32> {};
    QTest::newRow("empty item is 0") << "1,2,,3" << ',' << QList<qint32> {1, 2, 0, 3};
    QTest::newRow("fraction dropped") << "12.7,3" << ',' << QList<qint32> {12, 3};
    QTest::newRow("default delimiter") << "10.20.30" << '.' << QList<qint32> {10, 20, 30};
    QTest::newRow("trailing delimiter") << "5," << ',' << QList<qint32> {5, 0};
    QTest::newRow("letters enter the formula") << "1a" << ',' << QList<qint32> {59};
    QTest::newRow("wraps like a register") << "4294967297" << ',' << QList<qint32> {1};
}

void TstValueTypes::numListParse()
{
    QFETCH(QString, text);
    QFETCH(char, delimiter);
    QFETCH(QList<qint32>, items);
    CvNumList list;
    list.delimiter = delimiter;
    QCOMPARE(list.CountItems(text), int(items.size()));
    list.Parse(text);
    QCOMPARE(list.items(), items);
}

void TstValueTypes::numListLookups()
{
    CvUNumList list;
    list.delimiter = ',';
    list.Parse("4094,1,4294967295");
    QCOMPARE(list.count(), 3);
    QCOMPARE(list.IndexOf(1u), 1);
    QCOMPARE(list.IndexOf(7u), -1);
    QCOMPARE(list.Item(2), 4294967295u);
    QVERIFY(list.AllWithin(1, 4294967295u));
    QVERIFY(!list.AllWithin(1, 4094)); // compared unsigned: no wrap to -1
    try {
        list.Item(3);
        QFAIL("no exception");
    } catch (const CvException &e) {
        QCOMPARE(e.code(), -12);
    }
    list.Parse("");
    QCOMPARE(list.count(), 0);
    QVERIFY(list.AllWithin(5, 6));
}

void TstValueTypes::joinPath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("joined");
    QTest::newRow("no folder") << ""
                               << "CvSNMP_PP_BootCounter"
                               << "CvSNMP_PP_BootCounter";
    QTest::newRow("without separator") << "C:\\mod"
                                       << "f"
                                       << "C:\\mod\\f";
    QTest::newRow("with separator") << "C:\\mod\\"
                                    << "f"
                                    << "C:\\mod\\f";
}

void TstValueTypes::joinPath()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, joined);
    QCOMPARE(JoinPath(folder, name), joined);
}

void TstValueTypes::scanFormat_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<qint64>>("fields");
    QTest::newRow("all fields") << QByteArray("12-3") << 2 << QList<qint64> {12, 3};
    QTest::newRow("blanks and signs") << QByteArray(" -12- +3") << 2 << QList<qint64> {-12, 3};
    QTest::newRow("literal mismatch") << QByteArray("12+3") << 1 << QList<qint64> {12};
    QTest::newRow("no digits") << QByteArray("-") << 0 << QList<qint64> {};
    QTest::newRow("saturates") << QByteArray("999999999999999999999999999-1") << 2
                               << QList<qint64> {-1 /* at least 1e17 */, 1};
}

void TstValueTypes::scanFormat()
{
    QFETCH(QByteArray, text);
    QFETCH(int, count);
    QFETCH(QList<qint64>, fields);
    qint64 got[2] = {};
    QCOMPARE(ScanFormat(text, "%d-%d", got, 2), count);
    for (int k = 0; k < count; ++k) {
        if (fields[k] == -1)
            QVERIFY(got[k] >= 100000000000000000);
        else
            QCOMPARE(got[k], fields[k]);
    }
}

void TstValueTypes::leadingReal_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("consumed");
    QTest::newRow("integer") << QByteArray("42") << 42.0 << 2;
    QTest::newRow("leading part") << QByteArray(" 1.5e2abc") << 150.0 << 6;
    QTest::newRow("dangling exponent") << QByteArray("3e") << 3.0 << 1;
    QTest::newRow("dot only") << QByteArray(".") << 0.0 << 0;
    QTest::newRow("fraction only") << QByteArray("-.5") << -0.5 << 3;
    QTest::newRow("no number") << QByteArray("abc") << 0.0 << 0;
    QTest::newRow("not infinity") << QByteArray("inf") << 0.0 << 0;
    QTest::newRow("not hexadecimal") << QByteArray("0x10") << 0.0 << 1;
}

void TstValueTypes::leadingReal()
{
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    QFETCH(int, consumed);
    qsizetype n = -1;
    QCOMPARE(LeadingReal(text, &n), value);
    QCOMPARE(int(n), consumed);
}

QTEST_GUILESS_MAIN(TstValueTypes)
#include "tst_valuetypes.moc"
