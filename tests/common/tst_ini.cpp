#include "CvIniDocument.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TstIni : public QObject
{
    Q_OBJECT

private slots:
    void readString_data();
    void readString();
    void unusableFiles_data();
    void unusableFiles();
    void longValueIsCut();
    void documentEditsRoundTrip();

private:
    QString write(const QByteArray &contents);
    QTemporaryDir m_dir;
    int m_files = 0;
};

QString TstIni::write(const QByteArray &contents)
{
    const QString name = m_dir.filePath(QString("f%1.cfg").arg(++m_files));
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly) || f.write(contents) != contents.size())
        qFatal("cannot write %s", qPrintable(name));
    return name;
}

static const QByteArray configFile = "; written by the host\r\n"
                                     "[Other]\r\n"
                                     "Version=9\r\n"
                                     "[Program Information]\r\n"
                                     "AgentPort = 1161 \r\n"
                                     "version=3\r\n"
                                     "Version=1\r\n"
                                     "ContextName=\r\n"
                                     "SecurityName=\t operator one \t\r\n"
                                     "AuthPassword=pa=ss;word\r\n"
                                     "no equals sign here\r\n"
                                     "[ program information ]\r\n"
                                     "PrivPassword=from second section\r\n"
                                     "AgentPort=9999\r\n";

void TstIni::readString_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("trimmed integer") << "Program Information"
                                     << "AgentPort"
                                     << "1161";
    QTest::newRow("key case, first wins") << "Program Information"
                                          << "VERSION"
                                          << "3";
    QTest::newRow("section case") << "PROGRAM INFORMATION"
                                  << "SecurityName"
                                  << "operator one";
    QTest::newRow("empty reads default") << "Program Information"
                                         << "ContextName"
                                         << "<default>";
    QTest::newRow("absent key") << "Program Information"
                                << "PrivProtocol"
                                << "<default>";
    QTest::newRow("absent section") << "Nowhere"
                                    << "AgentPort"
                                    << "<default>";
    QTest::newRow("equals and semicolon in value") << "Program Information"
                                                   << "AuthPassword"
                                                   << "pa=ss;word";
    QTest::newRow("other section") << "Other"
                                   << "Version"
                                   << "9";
    QTest::newRow("repeated section adds keys") << "Program Information"
                                                << "PrivPassword"
                                                << "from second section";
}

void TstIni::readString()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const CvIni ini(write(configFile));
    QCOMPARE(ini.ReadString(section, key, "<default>"), value);
}

void TstIni::unusableFiles_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("binary") << QByteArray("[Program Information]\nAgentPort=161\n\0\x01\x02", 40);
    QTest::newRow("huge") << (QByteArray("[Program Information]\nAgentPort=161\n")
        + QByteArray(CvIniDocument::MaxFileBytes, ';'));
    QTest::newRow("no sections") << QByteArray("AgentPort=161\n");
    QTest::newRow("unterminated section") << QByteArray("[Program Information\nAgentPort=161\n");
}

void TstIni::unusableFiles()
{
    QFETCH(QByteArray, contents);
    const QString name = write(contents);
    QCOMPARE(CvIni(name).ReadString("Program Information", "AgentPort", "none"), QString("none"));
    QCOMPARE(
        CvIni(m_dir.filePath("missing.cfg")).ReadString("Program Information", "AgentPort", "none"),
        QString("none"));
}

void TstIni::longValueIsCut()
{
    const QString name = write("[s]\nk=" + QByteArray(10000, 'x') + "\n");
    QCOMPARE(CvIni(name).ReadString("s", "k", "").size(), 4095);
}

void TstIni::documentEditsRoundTrip()
{
    CvIniDocument doc = CvIniDocument::Parse("[\\SOFTWARE\\A]\nPath=C:\\x\\\n");
    doc.AddSection("\\software\\a"); // same key in another case: nothing added
    doc.AddSection("\\SOFTWARE\\B");
    doc.SetValue("\\SOFTWARE\\A", "path", "D:\\y\\");
    doc.SetValue("\\SOFTWARE\\B", "1.3.6.1.4.1.32473.10.59.8", "C:\\mod\\trv8170ql.hlp");
    const CvIniDocument back = CvIniDocument::Parse(doc.Serialize());
    QCOMPARE(back.Value("\\SOFTWARE\\A", "Path").value_or("?"), QString("D:\\y\\"));
    QCOMPARE(back.Value("\\SOFTWARE\\B", "1.3.6.1.4.1.32473.10.59.8").value_or("?"),
        QString("C:\\mod\\trv8170ql.hlp"));
    QVERIFY(back.HasSection("\\SOFTWARE\\B"));
    QVERIFY(!back.HasSection("\\SOFTWARE"));
    QCOMPARE(QString::fromUtf8(back.Serialize()).count("[\\"), 2);
}

QTEST_GUILESS_MAIN(TstIni)
#include "tst_ini.moc"
