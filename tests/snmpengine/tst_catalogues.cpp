#include "CvCatalogues.h"
#include "CvException.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TstCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void builtInTables_data();
    void builtInTables();
    void libraryResults_data();
    void libraryResults();
    void fullReplacement();
    void blankLinesDoNotShift();
    void shortFileKeepsBuiltInTail();
    void unusableFilesKeepBuiltIn_data();
    void unusableFilesKeepBuiltIn();
    void longLinesReadInFull();
    void raiseCarriesCodeAndText();
    void statusLine_data();
    void statusLine();

private:
    QString write(const QByteArray &contents);
    QTemporaryDir m_dir;
    int m_files = 0;
};

QString TstCatalogues::write(const QByteArray &contents)
{
    const QString name = m_dir.filePath(QString("c%1.err").arg(++m_files));
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly) || f.write(contents) != contents.size())
        qFatal("cannot write %s", qPrintable(name));
    return name;
}

void TstCatalogues::cleanup()
{
    for (Catalogue c : AllCatalogues)
        CatalogueTable(c).Reset();
}

void TstCatalogues::builtInTables_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("ok") << 0 << "(CvSNMP++) Ok!";
    QTest::newRow("common bad operand") << -1 << "(CvCommon) Bad logic operand!";
    QTest::newRow("common specifier")
        << -2 << "(CvCommon) Bad format specifier of edit's constraint!";
    QTest::newRow("too big") << -101 << "(SNMP) Response PDU Too Big!";
    QTest::newRow("inconsistent name")
        << -118 << "(SNMP) Cannot create variable, Inconsistent Name!";
    QTest::newRow("v3 first") << -201 << "(SNMPv3) Unsupported Security Model!";
    QTest::newRow("v3 last") << -217 << "(SNMPv3) Report sent!";
    QTest::newRow("usm unknown name") << -304 << "(SNMPv3USM) Unknown SecurityName!";
    QTest::newRow("usm auth failure") << -308 << "(SNMPv3USM) Authentication failure!";
    QTest::newRow("usm last") << -314 << "(SNMPv3USM) Address error!";
    QTest::newRow("timeout") << -405 << "(SNMPClass) SNMP request timed out!";
    QTest::newRow("class -9 kept") << -409 << "(SNMPClass)Unknown error code!";
    QTest::newRow("class transport") << -420 << "(SNMP Class) Transport is not supported!";
    QTest::newRow("class last") << -423 << "(SNMPClass) Blocked Mode Shutdown!";
    QTest::newRow("bad address") << -509 << "(CvSNMP++) Invalid IP Address or DNS name!";
    QTest::newRow("key count") << -514 << "(CvSNMP++) Bad key count of SNMP variable list!";
    QTest::newRow("unknown") << -528 << "(CvSNMP++) Unknown error code!";
    QTest::newRow("outside every range") << -600 << "(CvSNMP++) Unknown error code!";
    QTest::newRow("gap between ranges") << -119 << "(CvSNMP++) Unknown error code!";
    QTest::newRow("positive") << 5 << "(CvSNMP++) Unknown error code!";
}

void TstCatalogues::builtInTables()
{
    QFETCH(int, code);
    QFETCH(QString, message);
    QCOMPARE(MessageOf(code), message);
}

void TstCatalogues::libraryResults_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("code");
    QTest::newRow("success") << 0 << 0;
    QTest::newRow("usm success") << 1400 << 0;
    QTest::newRow("mp success") << -1401 << 0;
    QTest::newRow("noSuchName") << 2 << -102;
    QTest::newRow("inconsistentName") << 18 << -118;
    QTest::newRow("status 19 unknown") << 19 << -528;
    QTest::newRow("mp first") << -1402 << -201;
    QTest::newRow("mp last") << -1418 << -217;
    QTest::newRow("mp past") << -1419 << -528;
    QTest::newRow("usm first") << 1401 << -301;
    QTest::newRow("usm auth failure") << 1408 << -308;
    QTest::newRow("usm last") << 1414 << -314;
    QTest::newRow("usm past") << 1415 << -528;
    QTest::newRow("class first") << -1 << -401;
    QTest::newRow("timeout") << -5 << -405;
    QTest::newRow("class last") << -23 << -423;
    QTest::newRow("class past") << -24 << -528;
}

void TstCatalogues::libraryResults()
{
    QFETCH(int, result);
    QFETCH(int, code);
    QCOMPARE(MapLibraryResult(result), code);
    if (result == 2)
        QCOMPARE(MessageOf(code), QString("(SNMP) Variable does not exist!"));
}

void TstCatalogues::fullReplacement()
{
    QByteArray file;
    for (int k = 0; k <= 28; ++k)
        file += "  line " + QByteArray::number(k + 1) + " kept  inner  spaces\r\n";
    QVERIFY(LoadCatalogue(Catalogue::CvSnmp, write(file)));
    QCOMPARE(MessageOf(0), QString("  line 1 kept  inner  spaces"));
    QCOMPARE(MessageOf(-509), QString("  line 10 kept  inner  spaces"));
    QCOMPARE(MessageOf(-528), QString("  line 29 kept  inner  spaces"));
    QCOMPARE(MessageOf(-700), QString("  line 29 kept  inner  spaces"));
    // Other tables are untouched.
    QCOMPARE(MessageOf(-405), QString("(SNMPClass) SNMP request timed out!"));
}

void TstCatalogues::blankLinesDoNotShift()
{
    QVERIFY(LoadCatalogue(Catalogue::Snmp, write("\n  \t\nToo big\n\n\x01\x02\nNo such\n\n")));
    QCOMPARE(MessageOf(-101), QString("Too big"));
    QCOMPARE(MessageOf(-102), QString("No such"));
}

void TstCatalogues::shortFileKeepsBuiltInTail()
{
    QVERIFY(LoadCatalogue(Catalogue::SnmpV3Usm, write("Fehler!\nKonfigurationsdatei!\n")));
    QCOMPARE(MessageOf(-301), QString("Fehler!"));
    QCOMPARE(MessageOf(-302), QString("Konfigurationsdatei!"));
    QCOMPARE(MessageOf(-303), QString("(SNMPv3USM) Unsupported SecurityLevel!"));
    QCOMPARE(MessageOf(-314), QString("(SNMPv3USM) Address error!"));
}

void TstCatalogues::unusableFilesKeepBuiltIn_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("only blank lines") << QByteArray(" \r\n\t\n\n") << true;
    QTest::newRow("too large") << QByteArray(CvMessageTable::MaxCatalogueBytes + 1, 'x') << true;
}

void TstCatalogues::unusableFilesKeepBuiltIn()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, exists);
    const QString name = exists ? write(contents) : m_dir.filePath("absent.err");
    QVERIFY(!LoadCatalogue(Catalogue::Common, name));
    QCOMPARE(MessageOf(-1), QString("(CvCommon) Bad logic operand!"));
}

void TstCatalogues::longLinesReadInFull()
{
    const QByteArray longLine(5000, 'm');
    QVERIFY(LoadCatalogue(Catalogue::SnmpClass, write("first\n" + longLine + "\nthird")));
    QCOMPARE(MessageOf(-402), QString::fromLatin1(longLine));
    QCOMPARE(MessageOf(-403), QString("third"));
}

void TstCatalogues::raiseCarriesCodeAndText()
{
    QVERIFY(
        LoadCatalogue(Catalogue::SnmpClass, write(QByteArray("a\nb\nc\nd\n\xe9tai expir\xe9\n"))));
    try {
        RaiseEngine(MapLibraryResult(-5));
        QFAIL("no exception");
    } catch (const CvException &e) {
        QCOMPARE(e.code(), -405);
        QCOMPARE(
            e.message(), QString::fromUtf8("\xc3\xa9tai expir\xc3\xa9")); // Latin-1 file decoded
        QCOMPARE(QByteArray(e.what()), e.message().toUtf8());
    }
}

void TstCatalogues::statusLine_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("line");
    QTest::newRow("read with name")
        << false << "dot1qVlanStaticTable"
        << "Get: (CvSNMP++) Ok! Request:dot1qVlanStaticTable. Receive at 01:05:09 PM.";
    QTest::newRow("write without name") << true << ""
                                        << "Set: (CvSNMP++) Ok!. Receive at 01:05:09 PM.";
}

void TstCatalogues::statusLine()
{
    QFETCH(bool, write);
    QFETCH(QString, name);
    QFETCH(QString, line);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(FillStatusTemplate(StatusTemplate(write), MessageOf(0), name, QTime(13, 5, 9)), line);
    QCOMPARE(StatusTime(QTime(0, 0, 1)), QString("12:00:01 AM"));
    QCOMPARE(StatusTime(QTime(12, 30, 0)), QString("12:30:00 PM"));
}

QTEST_GUILESS_MAIN(TstCatalogues)
#include "tst_catalogues.moc"
