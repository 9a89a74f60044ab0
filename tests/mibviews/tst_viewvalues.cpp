// What a view shows: value texts by column kind, decoded indexes, CSV
// fields, and the rows a poll keeps or drops.
#include "ViewModel.h"
#include "ViewValues.h"

#include <QtTest>

namespace {
const CvIntOption upDown[] = {{1, "up"}, {2, "down"}, {0, nullptr}};
const CvIntOption capabilities[] = {{0, "leaf"}, {1, "prune"}, {3, "mtrace"}, {0, nullptr}};
const CvIntOption lsaType[] = {{1, "routerLink"}, {2, "networkLink"}, {0, nullptr}};

CvSNMPValue octets(const char *hex, CvSNMPValue::Tag tag = CvSNMPValue::OctetString)
{
    return CvSNMPValue::FromOctets(tag, QByteArray::fromHex(hex));
}
} // namespace

class TstViewValues : public QObject
{
    Q_OBJECT

private slots:
    void valueTexts_data();
    void valueTexts();
    void indexes_data();
    void indexes();
    void csvFields();
    void completePollDropsRowsItDidNotSee();
};

void TstViewValues::valueTexts_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<CvSNMPValue>("value");
    QTest::addColumn<QString>("text");
    using K = ViewKind;
    QTest::newRow("enumeration by name") << int(K::Enum) << CvSNMPValue::FromInteger(2) << "down";
    QTest::newRow("unnamed value as number") << int(K::Enum) << CvSNMPValue::FromInteger(7) << "7";
    QTest::newRow("ticks as a duration")
        << int(K::Ticks) << CvSNMPValue::FromUnsigned(CvSNMPValue::TimeTicks, 9000012)
        << "1 day 1:00:00.12";
    QTest::newRow("MAC") << int(K::Mac) << octets("02545201000A") << "02:54:52:01:00:0A";
    QTest::newRow("MAC of another length in hex") << int(K::Mac) << octets("0254") << "02 54";
    QTest::newRow("IP address") << int(K::Ip) << octets("0A5A5A5A", CvSNMPValue::IpAddress)
                                << "10.90.90.90";
    QTest::newRow("bits by name") << int(K::Bits) << octets("D0") << "leaf, prune, mtrace";
    QTest::newRow("hundredths") << int(K::Hundredths) << CvSNMPValue::FromInteger(1234) << "12.34";
    QTest::newRow("text") << int(K::Text) << octets("6C61622031") << "lab 1";
    QTest::newRow("text with control octets in hex") << int(K::Text) << octets("0001") << "00 01";
    QTest::newRow("text ended by zero octets") << int(K::Text) << octets("657468300000") << "eth0";
    QTest::newRow("counter64") << int(K::Counter) << CvSNMPValue::FromCounter64(5000000000ull)
                               << "5000000000";
    QTest::newRow("missing object")
        << int(K::Number) << CvSNMPValue::FromNull(CvSNMPValue::NoSuchObject) << "n/a";
    QTest::newRow("OID") << int(K::Oid) << CvSNMPValue::FromOid({1, 3, 6, 1, 2, 1, 2, 2, 1, 1, 5})
                         << "1.3.6.1.2.1.2.2.1.1.5";
}

void TstViewValues::valueTexts()
{
    QFETCH(int, kind);
    QFETCH(CvSNMPValue, value);
    QFETCH(QString, text);
    const ViewColumn column {"1", "x", ViewKind(kind), nullptr,
        ViewKind(kind) == ViewKind::Bits ? capabilities : upDown};
    QCOMPARE(ValueText(column, value), text);
}

void TstViewValues::indexes_data()
{
    QTest::addColumn<QList<quint32>>("arcs");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("address, named type, text") << QList<quint32> {10, 1, 2, 3, 2, 3, 97, 98, 99}
                                               << QStringList {"10.1.2.3", "networkLink", "abc"};
    QTest::newRow("too short") << QList<quint32> {10, 1, 2} << QStringList();
    QTest::newRow("octet above 255") << QList<quint32> {10, 1, 2, 300, 1, 0} << QStringList();
    QTest::newRow("left over") << QList<quint32> {10, 1, 2, 3, 1, 0, 9} << QStringList();
}

void TstViewValues::indexes()
{
    QFETCH(QList<quint32>, arcs);
    QFETCH(QStringList, texts);
    static const ViewIndexPart parts[] = {{"a", ViewIndexKind::IndexIp},
        {"t", ViewIndexKind::IndexInteger, lsaType}, {"n", ViewIndexKind::IndexText}, {}};
    const auto decoded = DecodeIndex(parts, arcs.constData(), arcs.size());
    QCOMPARE(decoded.has_value(), !texts.isEmpty());
    if (!decoded)
        return;
    QStringList got;
    for (const ViewIndexValue &v : *decoded)
        got << v.text;
    QCOMPARE(got, texts);
}

void TstViewValues::csvFields()
{
    QCOMPARE(CsvField("plain"), QString("plain"));
    QCOMPARE(CsvField("a,b"), QString("\"a,b\""));
    QCOMPARE(CsvField("say \"hi\""), QString("\"say \"\"hi\"\"\""));
}

// A complete poll drops the rows it did not see; a poll cut short keeps
// them, as it cannot tell.
void TstViewValues::completePollDropsRowsItDidNotSee()
{
    static const ViewColumn columns[] = {{"2", "c", ViewKind::Number}, {}};
    static const ViewIndexPart index[] = {{"i", ViewIndexKind::IndexInteger}, {}};
    static const ViewSection section {"t", "1.3.6.1.9", index, columns};
    ViewModel model(section);
    const CvOid column = model.RequestOids().first();
    const auto poll = [&](QList<quint32> rows, bool complete) {
        model.BeginPoll();
        for (quint32 r : rows)
            model.Store(0, column + CvOid {r}, CvSNMPValue::FromInteger(int(r)), {});
        model.EndPoll(complete);
    };
    poll({3, 1, 2}, true);
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.Text(0, 0), QString("1")); // index order, whatever the order found
    poll({1, 3}, false);
    QCOMPARE(model.rowCount(), 3);
    poll({1, 3}, true);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.RowOf({2}), -1);
    QCOMPARE(model.Text(model.RowOf({3}), 0), QString("3"));
}

QTEST_GUILESS_MAIN(TstViewValues)
#include "tst_viewvalues.moc"
