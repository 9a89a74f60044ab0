#include "CvException.h"
#include "CvSNMPVarList.h"
#include "CvValueCodec.h"
#include "CvValueTexts.h"
#include "ValuePrinting.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

constexpr CvIntOption statusOptions[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const CvOptionList statusList(statusOptions);
constexpr CvTextOption authOptions[]
    = {{"1.3.6.1.6.3.10.1.1.1", "None"}, {"1.3.6.1.6.3.10.1.1.3", "SHA"}, {nullptr, nullptr}};
const CvOptionList authList(authOptions, CvOptionList::TextValues);

CvSNMPVarList oneVariable(qint32 syntax, const CvOptionList *options = nullptr)
{
    CvSNMPVarList list;
    CvSNMPVariable v;
    v.oid = "1.3.6.1.4.1.9.9";
    v.syntax = syntax;
    v.access = AccessReadWrite;
    v.options = options;
    list.vars.append(v);
    return list;
}

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

CvSNMPValue octets(const char *hexText)
{
    return CvSNMPValue::FromOctets(CvSNMPValue::OctetString, hex(hexText));
}

QByteArray doubleOctets(double d)
{
    QByteArray o(8, '\0');
    quint64 bits;
    std::memcpy(&bits, &d, 8);
    for (int k = 0; k < 8; ++k)
        o[k] = char(bits >> (8 * k)); // least significant first
    return o;
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

class TstValueCodec : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { SetHostResolver({}); }

    void roundTrip_data();
    void roundTrip();
    void storesBindings_data();
    void storesBindings();
    void loadsTexts_data();
    void loadsTexts();
    void unknownSyntaxFails_data();
    void unknownSyntaxFails();
    void badTextsFail();
    void resolvesHostNames();
    void mapsThroughOptions();
    void timeTicksTexts_data();
    void timeTicksTexts();
    void bcDateTimeTexts_data();
    void bcDateTimeTexts();
};

// clang-format off
void TstValueCodec::roundTrip_data()
{
    QTest::addColumn<int>("syntax");
    QTest::addColumn<QString>("text");
    const QList<QPair<int, QStringList>> forms = {
        {SyntaxBoolean, {"true", "false"}},
        {SyntaxInteger, {"0", "-5", "2147483647", "-2147483648"}},
        {SyntaxBitString, {"", "00", "001AFF", QString(192, 'F'), "8000000000000001"}},
        {SyntaxOctetString, {"", "0A0B", "00"}},
        {SyntaxNull, {"(NULL)"}},
        {SyntaxObjectId, {"1.3.6.1.2.1.1.1.0", "0.0", "1.3.6.1.4.1.4294967295"}},
        {SyntaxIpAddress, {"192.168.1.1", "0.0.0.0", "255.255.255.255"}},
        {SyntaxCounter, {"0", "4294967295"}},
        {SyntaxGauge, {"123"}},
        {SyntaxTimeTicks,
            {"0:00:00.00", "2:03:04.05", "23:59:59.99", "1 day 0:00:00.00", "1 day 2:03:04.05",
                "2 days, 0:00:00.01", "497 days, 2:27:52.95"}},
        {SyntaxOpaque, {"DEADBEEF"}},
        {SyntaxNsapAddress, {"10.0.0.1"}},
        {SyntaxCounter64, {"0", "18446744073709551615", "4294967296"}},
        {SyntaxUInteger, {"4294967295", "1"}},
        {SyntaxDouble,
            {"0", "3.14159", "-0.5", "1234567.125", "0.000123", "123456789012345",
                "0.000000000000000000001"}},
        {SyntaxMacAddress, {"001A2B3C4D5E", "FFFFFFFFFFFF"}},
        {SyntaxDateTime,
            {"2003-5-26,13:30:15.0,+8:0", "2003-5-26,13:30:15.0", "1999-12-31,23:59:59.9,-5:30",
                "0-0-0,0:0:0.0", "65535-12-31,23:59:60.9,+14:0"}},
        {SyntaxBcDateTime,
            {"2003/05/26 01:30:15 pm", "2003/05/26 12:00:00 am", "2003/05/26 12:00:00 pm",
                "1899/12/30 12:00:00 am", "1850/01/01 06:00:00 am", "1899/12/29 11:59:59 pm",
                "9999/12/31 11:59:59 pm", "0001/01/01 12:00:00 am"}},
        {SyntaxDisplayString, {"", "Port 1", QString::fromUtf8("Gr\u00fc\u00dfe \u00e9t\u00e9")}},
    };
    for (const auto &[syntax, texts] : forms) {
        for (const QString &text : texts)
            QTest::addRow("%d %s", syntax, qPrintable(text.left(40))) << syntax << text;
    }
}
// clang-format on

void TstValueCodec::roundTrip()
{
    QFETCH(int, syntax);
    QFETCH(QString, text);
    CvSNMPVarList list = oneVariable(syntax);
    list.Var(0).value = text;
    const CvSNMPValue value = LoadValue(list, 0);
    list.Var(0).value = "something else";
    StoreValue(list, 0, value);
    QCOMPARE(list.Var(0).value, text);
}

// clang-format off
void TstValueCodec::storesBindings_data()
{
    QTest::addColumn<int>("syntax");
    QTest::addColumn<CvSNMPValue>("value");
    QTest::addColumn<QString>("text");
    using V = CvSNMPValue;
    QTest::newRow("integer -5") << 2 << V::FromInteger(-5) << "-5";
    QTest::newRow("counter max") << 65 << V::FromUnsigned(V::Counter32, 4294967295u)
                                 << "4294967295";
    QTest::newRow("octets 00 1A FF") << 4 << octets("001aff") << "001AFF";
    QTest::newRow("empty octet string") << 4 << octets("") << "";
    QTest::newRow("boolean 7") << 1 << V::FromInteger(7) << "true";
    QTest::newRow("one day") << 67 << V::FromUnsigned(V::TimeTicks, 8640000) << "1 day 0:00:00.00";
    QTest::newRow("two days and a centisecond")
        << 67 << V::FromUnsigned(V::TimeTicks, 17280001) << "2 days, 0:00:00.01";
    QTest::newRow("date and time with zone")
        << 74 << octets("07d3051a0d1e0f002b0800") << "2003-5-26,13:30:15.0,+8:0";
    QTest::newRow("date and time, zone 0:0")
        << 74 << octets("07d3051a0d1e0f002b0000") << "2003-5-26,13:30:15.0";
    QTest::newRow("date and time, odd direction")
        << 74 << octets("07d3051a0d1e0f00200800") << "2003-5-26,13:30:15.0";
    QTest::newRow("display string stops at zero") << 76 << octets("61620063") << "ab";
    QTest::newRow("double from the first 8 of 9")
        << 72 << V::FromOctets(V::OctetString, doubleOctets(-1.5) + "x") << "-1.5";
    QTest::newRow("bcdatetime 1.25")
        << 75 << V::FromOctets(V::OctetString, doubleOctets(1.25)) << "1899/12/31 06:00:00 am";

    // Values that carry nothing printable.
    QTest::newRow("short double") << 72 << octets("00000000000004") << "(NULL)";
    QTest::newRow("short date and time") << 74 << octets("07d3051a0d1e0f002b08") << "(NULL)";
    QTest::newRow("short bcdatetime") << 75 << octets("00000000000004") << "(NULL)";
    QTest::newRow("empty double") << 72 << octets("") << "(NULL)";
    QTest::newRow("bcdatetime not a number")
        << 75 << V::FromOctets(V::OctetString, doubleOctets(std::nan(""))) << "(NULL)";
    QTest::newRow("bcdatetime beyond year 9999")
        << 75 << V::FromOctets(V::OctetString, doubleOctets(3e6)) << "(NULL)";
    QTest::newRow("three-octet address")
        << 64 << V::FromOctets(V::IpAddress, hex("0a0000")) << "(NULL)";
    QTest::newRow("empty oid") << 6 << V::FromOid({}) << "(NULL)";
    QTest::newRow("integer given octets") << 2 << octets("01") << "(NULL)";
    QTest::newRow("null for integer") << 2 << V::FromNull() << "(NULL)";
    QTest::newRow("null syntax") << 5 << V::FromInteger(1) << "(NULL)";
    QTest::newRow("noSuchInstance integer") << 2 << V::FromNull(V::NoSuchInstance) << "(NULL)";
    QTest::newRow("noSuchObject timeticks") << 67 << V::FromNull(V::NoSuchObject) << "(NULL)";
    QTest::newRow("endOfMibView octets") << 4 << V::FromNull(V::EndOfMibView) << "";
    QTest::newRow("noSuchInstance bits") << 3 << V::FromNull(V::NoSuchInstance) << "";
    QTest::newRow("noSuchInstance display") << 76 << V::FromNull(V::NoSuchInstance) << "";
}
// clang-format on

void TstValueCodec::storesBindings()
{
    QFETCH(int, syntax);
    QFETCH(CvSNMPValue, value);
    CvSNMPVarList list = oneVariable(syntax);
    StoreValue(list, 0, value);
    QTEST(list.Var(0).value, "text");
}

// clang-format off
void TstValueCodec::loadsTexts_data()
{
    QTest::addColumn<int>("syntax");
    QTest::addColumn<QString>("text");
    QTest::addColumn<CvSNMPValue>("value");
    using V = CvSNMPValue;
    QTest::newRow("true") << 1 << "true" << V::FromInteger(1);
    QTest::newRow("True is not true") << 1 << "True" << V::FromInteger(0);
    QTest::newRow("any other text is false") << 1 << "yes" << V::FromInteger(0);
    QTest::newRow("leading digits") << 2 << "  -12abc" << V::FromInteger(-12);
    QTest::newRow("no digits") << 2 << "abc" << V::FromInteger(0);
    QTest::newRow("integer saturates") << 2 << "99999999999" << V::FromInteger(2147483647);
    QTest::newRow("integer saturates low")
        << 2 << "-99999999999" << V::FromInteger(std::numeric_limits<qint32>::min());
    QTest::newRow("1A2 gives 01 A2") << 4 << "1A2" << octets("01a2");
    QTest::newRow("spaces and case") << 4 << "1a 2B" << octets("1a2b");
    QTest::newRow("non-hex counts 0") << 4 << "zz1g" << octets("0010");
    QTest::newRow("opaque travels as octet string") << 68 << "0102" << octets("0102");
    QTest::newRow("gauge from negative") << 66 << "-1" << V::FromUnsigned(V::Gauge32, 0);
    QTest::newRow("gauge saturates")
        << 66 << "5000000000" << V::FromUnsigned(V::Gauge32, 4294967295u);
    QTest::newRow("timeticks") << 67 << "1 day 2:03:04.05"
                               << V::FromUnsigned(V::TimeTicks, 8640000 + 720000 + 18000 + 405);
    QTest::newRow("counter64") << 70 << "18446744073709551615"
                               << V::FromCounter64(18446744073709551615ull);
    QTest::newRow("oid with leading dot") << 6 << ".1.3.6" << V::FromOid({1, 3, 6});
    QTest::newRow("date and time west")
        << 74 << "2003-5-26,13:30:15.0,-5:30" << octets("07d3051a0d1e0f002d051e");
    QTest::newRow("bcdatetime") << 75 << "1899/12/31 06:00:00 am"
                                << V::FromOctets(V::OctetString, doubleOctets(1.25));
    QTest::newRow("bcdatetime 24-hour")
        << 75 << "1899/12/31 18:00" << V::FromOctets(V::OctetString, doubleOctets(1.75));
    QTest::newRow("bcdatetime date only")
        << 75 << "1899/12/31" << V::FromOctets(V::OctetString, doubleOctets(1.0));
    QTest::newRow("display string in latin-1")
        << 76 << QString::fromUtf8("caf\u00e9") << octets("636166e9");
    QTest::newRow("(NULL) integer") << 2 << "(NULL)" << V::FromNull();
    QTest::newRow("(NULL) octets") << 4 << "(NULL)" << V::FromNull();
    QTest::newRow("(NULL) address") << 64 << "(NULL)" << V::FromNull();
    QTest::newRow("(NULL) unknown syntax") << 99 << "(NULL)" << V::FromNull();
}
// clang-format on

void TstValueCodec::loadsTexts()
{
    QFETCH(int, syntax);
    QFETCH(QString, text);
    CvSNMPVarList list = oneVariable(syntax);
    list.Var(0).value = text;
    QTEST(LoadValue(list, 0), "value");
}

// clang-format off
void TstValueCodec::unknownSyntaxFails_data()
{
    QTest::addColumn<int>("syntax");
    for (int s : {0, 7, 63, 77, 193, 198, -1})
        QTest::addRow("%d", s) << s;
}
// clang-format on

void TstValueCodec::unknownSyntaxFails()
{
    QFETCH(int, syntax);
    CvSNMPVarList list = oneVariable(syntax);
    list.Var(0).value = "1";
    try {
        LoadValue(list, 0);
        QFAIL("loaded");
    } catch (const CvException &e) {
        QCOMPARE(e.code(), -511);
        QCOMPARE(e.message(), QString("(CvSNMP++) Bad SNMP syntax!"));
    }
    QCOMPARE(codeOf([&] { StoreValue(list, 0, CvSNMPValue::FromInteger(1)); }), -511);
}

void TstValueCodec::badTextsFail()
{
    CvSNMPVarList list = oneVariable(SyntaxObjectId);
    for (const char *text : {"1.x.3", "1..3", "1.3.", "1.99999999999"}) {
        list.Var(0).value = text;
        QCOMPARE(codeOf([&] { LoadValue(list, 0); }), -511);
    }
    list = oneVariable(SyntaxBcDateTime);
    list.Var(0).value = "not a date";
    QCOMPARE(codeOf([&] { LoadValue(list, 0); }), -518);
    list.Var(0).value = "2003/02/30 01:00:00 pm";
    QCOMPARE(codeOf([&] { LoadValue(list, 0); }), -518);
    // A character the switch's octets cannot carry is not sent as "?".
    list = oneVariable(SyntaxDisplayString);
    list.Var(0).value = QString::fromUtf8("a\u20acb");
    QCOMPARE(codeOf([&] { LoadValue(list, 0); }), -530);
}

void TstValueCodec::resolvesHostNames()
{
    QStringList asked;
    SetHostResolver([&](const QString &host) -> std::optional<QByteArray> {
        asked.append(host);
        if (host == "switch-a")
            return hex("0a000009");
        return std::nullopt;
    });
    CvSNMPVarList list = oneVariable(SyntaxIpAddress);
    list.Var(0).value = "switch-a";
    QCOMPARE(LoadValue(list, 0), CvSNMPValue::FromOctets(CvSNMPValue::IpAddress, hex("0a000009")));
    list.Var(0).value = "1.2.3.4";
    LoadValue(list, 0);
    QCOMPARE(asked, QStringList {"switch-a"}); // a dotted quad is never looked up
    // Nor is a text a resolver would take for a shortened or hexadecimal
    // address: refused, not sent as an address nobody typed.
    for (const char *text :
        {"no-such-host", "", "1.2.3.256", "10.1.2", "167837954", "0x0a010203", "10.1.0x2"}) {
        list.Var(0).value = text;
        try {
            LoadValue(list, 0);
            QFAIL(text);
        } catch (const CvException &e) {
            QCOMPARE(e.code(), -509);
            QCOMPARE(e.message(), QString("(CvSNMP++) Invalid IP Address or DNS name!"));
        }
    }
    QCOMPARE(asked, QStringList({"switch-a", "no-such-host"}));
}

void TstValueCodec::mapsThroughOptions()
{
    CvSNMPVarList list = oneVariable(SyntaxInteger, &statusList);
    StoreValue(list, 0, CvSNMPValue::FromInteger(2));
    QCOMPARE(list.Var(0).value, QString("disabled"));
    StoreValue(list, 0, CvSNMPValue::FromInteger(7));
    QCOMPARE(list.Var(0).value, QString("7"));
    list.Var(0).value = "ENABLED";
    QCOMPARE(LoadValue(list, 0), CvSNMPValue::FromInteger(1));
    list.Var(0).value = "3";
    QCOMPARE(LoadValue(list, 0), CvSNMPValue::FromInteger(3));

    list = oneVariable(SyntaxObjectId, &authList);
    StoreValue(list, 0, CvSNMPValue::FromOid({1, 3, 6, 1, 6, 3, 10, 1, 1, 3}));
    QCOMPARE(list.Var(0).value, QString("SHA"));
    list.Var(0).value = "sha";
    QCOMPARE(LoadValue(list, 0), CvSNMPValue::FromOid({1, 3, 6, 1, 6, 3, 10, 1, 1, 3}));
}

// clang-format off
void TstValueCodec::timeTicksTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("centiseconds");
    QTest::newRow("one day and parts") << "1 day 2:03:04.05" << 8640000u + 720000 + 18000 + 405;
    QTest::newRow("days with comma") << "2 days, 0:00:00.01" << 17280001u;
    QTest::newRow("no colon or point") << "5" << 0u;
    QTest::newRow("days alone are no time") << "3 days" << 0u;
    QTest::newRow("seconds only") << "12.5" << 1205u;
    QTest::newRow("one colon") << "3:04.05" << 1080405u;
    QTest::newRow("no point") << "1:02:03" << 372300u;
    QTest::newRow("negative hours") << "-1:00:00.00" << 0u;
    QTest::newRow("capital Days") << "10 Days, 1:00:00.00" << 86760000u;
    QTest::newRow("saturates") << "999999 days, 0:00:00.00" << 4294967295u;
    QTest::newRow("huge part") << "99999999999999999999999:0:0.0" << 4294967295u;
    QTest::newRow("empty") << "" << 0u;
}
// clang-format on

void TstValueCodec::timeTicksTexts()
{
    QFETCH(QString, text);
    QFETCH(quint32, centiseconds);
    QCOMPARE(ParseTimeTicks(text), centiseconds);
}

// clang-format off
void TstValueCodec::bcDateTimeTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("days");
    QTest::newRow("noon") << "1899/12/30 12:00:00 pm" << 0.5;
    QTest::newRow("pm marker") << "1899/12/31 06:00:00 PM" << 1.75;
    QTest::newRow("short marker") << "1899/12/31 6:00 p" << 1.75;
    QTest::newRow("before day zero") << "1899/12/29 06:00:00 am" << -1.25;
    QTest::newRow("single digits") << "1900/1/1" << 2.0;
}
// clang-format on

void TstValueCodec::bcDateTimeTexts()
{
    QFETCH(QString, text);
    QFETCH(double, days);
    const auto parsed = DaysFromText(text);
    QVERIFY(parsed.has_value());
    QCOMPARE(*parsed, days);
}

QTEST_GUILESS_MAIN(TstValueCodec)
#include "tst_valuecodec.moc"
