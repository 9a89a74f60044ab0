#include "CvConvertError.h"
#include "ExternalView.h"
#include "ModuleDirectories.h"
#include "StartupParameters.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TstStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void parameterLoop_data();
    void parameterLoop();
    void configFile_data();
    void configFile();
    void conversionErrors_data();
    void conversionErrors();
    void directories_data();
    void directories();
    void viewCommand_data();
    void viewCommand();
    void viewStatus_data();
    void viewStatus();
    void viewProgramFoundBesideTheModuleFirst();

private:
    void writeConfig(const QString &address, const QByteArray &body);
    QString configDir() const { return m_dir.path() + "/conf/"; }
    QTemporaryDir m_dir;
    StartupState m_state;
    CvSNMPSessionDefaults m_defaults;
};

void TstStartup::init()
{
    QDir(configDir()).removeRecursively();
    QDir().mkpath(configDir());
    m_state = StartupState();
    m_defaults = InitialSessionDefaults();
}

void TstStartup::writeConfig(const QString &address, const QByteArray &body)
{
    QFile f(configDir() + address + ".cfg");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Program Information]\r\n" + body);
}

static const QByteArray v1File
    = "AgentPort=161\r\nVersion=1\r\nSecurityModel=3\r\nSecurityLevel=0\r\n"
      "AuthProtocol=0\r\nPrivProtocol=0\r\n";
static const QByteArray v3File
    = "AgentPort=1161\r\nVersion=3\r\nSecurityModel=3\r\nSecurityLevel=2\r\n"
      "SecurityName=admin\r\nAuthProtocol=2\r\nPrivProtocol=3\r\n"
      "AuthPassword=authpass123\r\nPrivPassword=privpass123\r\n";

void TstStartup::parameterLoop_data()
{
    QTest::addColumn<QStringList>("params");
    QTest::addColumn<QByteArray>("file"); // for 10.90.90.90; empty: none
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("read");
    QTest::addColumn<QString>("write");
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("port");

    const QStringList basic {"/I10.90.90.90", "/Rpub", "/Wpriv"};
    QTest::newRow("no file") << basic << QByteArray() << "10.90.90.90"
                             << "pub"
                             << "priv" << 0 << 161;
    QTest::newRow("file version 1") << basic << v1File << "10.90.90.90"
                                    << "pub"
                                    << "priv" << 1 << 161;
    QTest::newRow("/v3 last wins")
        << QStringList {"/I10.90.90.90", "/Rpub", "/v3"} << v1File << "10.90.90.90"
        << "pub"
        << "marlowe" << 3 << 161;
    QTest::newRow("/v3 first is overwritten by the file")
        << QStringList {"/I10.90.90.90", "/v3", "/Rpub"} << v1File << "10.90.90.90"
        << "pub"
        << "marlowe" << 1 << 161;
    QTest::newRow("switch anywhere")
        << QStringList {"/I10.90.90.90", "x/Rabc"} << QByteArray() << "10.90.90.90"
        << "abc"
        << "marlowe" << 0 << 161;
    QTest::newRow("/t ignored outside v3")
        << QStringList {"/I10.90.90.90", "/t1161"} << QByteArray() << "10.90.90.90"
        << "kestra"
        << "marlowe" << 0 << 161;
    QTest::newRow("/t with /v3 in force")
        << QStringList {"/I10.90.90.90", "/v3", "/t1161"} << QByteArray() << "10.90.90.90"
        << "kestra"
        << "marlowe" << 3 << 1161;
    QTest::newRow("/t after file version 3")
        << QStringList {"/I10.90.90.90", "/t2000"} << v3File << "10.90.90.90"
        << "kestra"
        << "marlowe" << 3 << 2000;
    QTest::newRow("low 8 bits of the version")
        << QStringList {"/I1.2.3.4", "/v257"} << QByteArray() << "1.2.3.4"
        << "kestra"
        << "marlowe" << 1 << 161;
    QTest::newRow("only the first of /R /W /v")
        << QStringList {"/I1.2.3.4", "/Wone/Rtwo"} << QByteArray() << "1.2.3.4"
        << "two"
        << "marlowe" << 0 << 161;
    QTest::newRow("empty community") << QStringList {"/I1.2.3.4", "/R"} << QByteArray() << "1.2.3.4"
                                     << ""
                                     << "marlowe" << 0 << 161;
}

void TstStartup::parameterLoop()
{
    QFETCH(QStringList, params);
    QFETCH(QByteArray, file);
    QFETCH(QString, address);
    QFETCH(QString, read);
    QFETCH(QString, write);
    QFETCH(int, version);
    QFETCH(int, port);
    if (!file.isEmpty())
        writeConfig("10.90.90.90", file);
    ApplyParameters(params, configDir(), m_state, m_defaults);
    QCOMPARE(m_state.AgentAddress, address);
    QCOMPARE(m_defaults.device.address, address == "" ? QString("127.0.0.1") : address);
    QCOMPARE(m_defaults.security.readCommunity, read);
    QCOMPARE(m_defaults.security.writeCommunity, write);
    QCOMPARE(int(m_defaults.security.version), version);
    QCOMPARE(int(m_defaults.device.port), port);
    QCOMPARE(m_state.ConfigFound, !file.isEmpty());
}

void TstStartup::configFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("params");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("auth");
    QTest::addColumn<int>("priv");
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("name");
    QTest::newRow("codes shifted by one")
        << v3File << QStringList {"/I10.90.90.90", "/Rx"} << 3 << 3 << 4 << ""
        << ""
        << "admin";
    QTest::newRow("0 keeps the defaults")
        << v1File << QStringList {"/I10.90.90.90", "/Rx"} << 1 << 1 << 1 << ""
        << ""
        << "";
    QTest::newRow("command line codes unshifted")
        << QByteArray() << QStringList {"/I10.90.90.90", "/v3", "/l2", "/a5", "/p4", "/nbob"} << 2
        << 5 << 4 << ""
        << ""
        << "bob";
    QTest::newRow("the file applies again before each parameter")
        << v3File << QStringList {"/I10.90.90.90", "/l1", "/nbob"} << 3 << 3 << 4 << ""
        << ""
        << "bob";
    QTest::newRow("empty engine id clears /d")
        << (v3File + "ContextEngineID=\r\nContextName=\r\n")
        << QStringList {"/I10.90.90.90", "/d8000", "/cctx", "/Rx"} << 3 << 3 << 4 << ""
        << "ctx"
        << "admin";
}

void TstStartup::configFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, params);
    QFETCH(int, level);
    QFETCH(int, auth);
    QFETCH(int, priv);
    QFETCH(QString, engine);
    QFETCH(QString, context);
    QFETCH(QString, name);
    if (!file.isEmpty())
        writeConfig("10.90.90.90", file);
    ApplyParameters(params, configDir(), m_state, m_defaults);
    const CvSNMPSecurity &s = m_defaults.security;
    QCOMPARE(s.securityLevel, level);
    QCOMPARE(s.authProtocol, auth);
    QCOMPARE(s.privProtocol, priv);
    QCOMPARE(m_defaults.scope.contextEngineId, engine);
    QCOMPARE(m_defaults.scope.contextName, context);
    QCOMPARE(s.securityName, name);
    QCOMPARE(m_state.ConfigVersion,
        file.isEmpty()                   ? QString()
            : file.contains("Version=3") ? QString("3")
                                         : QString("1"));
}

void TstStartup::conversionErrors_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("params");
    QTest::addColumn<QString>("message");
    QTest::newRow("/v before /c is tested") << QByteArray() << QStringList {"/I1.1.1.1", "/cctx/vq"}
                                            << "'q' is not a valid integer value";
    QTest::newRow("missing SecurityLevel")
        << QByteArray("AgentPort=161\r\nVersion=1\r\nSecurityModel=3\r\n")
        << QStringList {"/I10.90.90.90", "/Rx"} << "'' is not a valid integer value";
    QTest::newRow("port not a number")
        << QByteArray("AgentPort=16x\r\n") << QStringList {"/I10.90.90.90", "/Rx"}
        << "'16x' is not a valid integer value";
    QTest::newRow("/t in v3 mode") << QByteArray() << QStringList {"/I1.1.1.1", "/v3", "/t1e3"}
                                   << "'1e3' is not a valid integer value";
}

void TstStartup::conversionErrors()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, params);
    QFETCH(QString, message);
    if (!file.isEmpty())
        writeConfig("10.90.90.90", file);
    try {
        ApplyParameters(params, configDir(), m_state, m_defaults);
        QFAIL("no exception");
    } catch (const CvConvertError &e) {
        QCOMPARE(e.message(), message);
    }
}

void TstStartup::directories_data()
{
    QTest::addColumn<QByteArray>("store");
    QTest::addColumn<QString>("module");
    QTest::addColumn<QString>("config");
    const QString help
        = QStringLiteral("[\\SOFTWARE\\Corvane\\Modules\\HelpPath]\n%1=").arg(HelpPathValueName());
    QTest::newRow("twenty characters")
        << (help + "C:\\abcdef\\trv817.hlp\n").toUtf8() << "C:\\abcde"
        << "";
    QTest::newRow("exe path") << QByteArray(
        "[\\SOFTWARE\\Corvane\\Vantrel5.1\\ExePath]\nPath=/opt/v/bin/\n")
                              << ""
                              << "/opt/v/bin/..\\Conf\\MBF\\";
    QTest::newRow("mib file wins")
        << QByteArray("[\\SOFTWARE\\Corvane\\Vantrel5.1\\ExePath]\nPath=/opt/v/bin/\n"
                      "[\\SOFTWARE\\Corvane\\Vantrel5.1\\MibFile]\nPath=/srv/conf/\n")
        << ""
        << "/srv/conf/";
    QTest::newRow("nothing") << QByteArray() << ""
                             << "";
    QTest::newRow("short help path") << (help + "short\n").toUtf8() << ""
                                     << "";
}

void TstStartup::directories()
{
    QFETCH(QByteArray, store);
    QFETCH(QString, module);
    QFETCH(QString, config);
    const QString file = m_dir.filePath(QString("reg-%1.ini").arg(QTest::currentDataTag()));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(store);
    f.close();
    qputenv("TRV_REGISTRY", file.toLocal8Bit());
    const ModuleDirectories dirs = ReadModuleDirectories();
    QCOMPARE(dirs.ModuleDirectory, module);
    QCOMPARE(dirs.ConfigDirectory, config);
    // The help path key exists afterwards.
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().contains("[\\SOFTWARE\\Corvane\\Modules\\HelpPath]"));
}

void TstStartup::viewCommand_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("command");
    QTest::newRow("v1 RMON history")
        << "/TRmon_History" << QByteArray() << "Rmon /I10.1.1.1 /Rpub lic /Wpriv /TRmon_History";
    QTest::newRow("IF-MIB family") << "/TIFMib_LastChangeTable" << QByteArray()
                                   << "IFMib /I10.1.1.1 /Rpub lic /Wpriv /TIFMib_LastChangeTable";
    QTest::newRow("v3 from the file") << "/TMIB_Info" << v3File
                                      << "MIB /I10.1.1.1 /Rpub lic /Wpriv /TMIB_Info /t1161 /v3 /d "
                                         "/m3 /nadmin /c /l3 /a3 /Aauthpass123 /p4 "
                                         "/Pprivpass123";
    QTest::newRow("no underscore")
        << "/TNothing" << QByteArray() << " /I10.1.1.1 /Rpub lic /Wpriv /TNothing";
}

void TstStartup::viewCommand()
{
    QFETCH(QString, view);
    QFETCH(QByteArray, file);
    QFETCH(QString, command);
    if (!file.isEmpty())
        writeConfig("10.1.1.1", file);
    ApplyParameters({"/I10.1.1.1", "/Rpub lic", "/Wpriv"}, configDir(), m_state, m_defaults);
    QCOMPARE(MakeViewCommand(view, m_state, m_defaults), command);
    // A blank in a community splits it into two parameters of the program.
    const QStringList parts = SplitCommandLine(command);
    const qsizetype read = parts.indexOf("/Rpub");
    QVERIFY(read > 0);
    QCOMPARE(parts.value(read - 1), QString("/I10.1.1.1"));
    QCOMPARE(parts.value(read + 1), QString("lic"));
}

void TstStartup::viewStatus_data()
{
    QTest::addColumn<QByteArray>("store");
    QTest::addColumn<QString>("status");
    QTest::newRow("host installed") << QByteArray(
        "[\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App "
        "Paths\\vantrel5.exe]\n") << "";
    QTest::newRow("openview without path")
        << QByteArray("[\\SOFTWARE\\Hewlett-Packard\\OpenView]\nOV_PATH=\n")
        << "OpenView : File Path Error!";
    QTest::newRow("openview with path")
        << QByteArray("[\\SOFTWARE\\Hewlett-Packard\\OpenView]\nOV_PATH=/ov\n") << "";
    QTest::newRow("nothing") << QByteArray() << "No Path!";
}

void TstStartup::viewStatus()
{
    QFETCH(QByteArray, store);
    QFETCH(QString, status);
    const QString file = m_dir.filePath(QString("view-%1.ini").arg(QTest::currentDataTag()));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(store);
    f.close();
    qputenv("TRV_REGISTRY", file.toLocal8Bit());
    QCOMPARE(ViewInstallationStatus(), status);
}

// The family program beside the module wins over one on the search path;
// a file that is not executable does not count; an unknown name stays as
// it is.
void TstStartup::viewProgramFoundBesideTheModuleFirst()
{
    const QString own = m_dir.filePath("module");
    const QString path = m_dir.filePath("path");
    QDir().mkpath(own);
    QDir().mkpath(path);
    const auto program = [](const QString &file, bool executable) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n");
        f.close();
        if (executable)
            f.setPermissions(f.permissions() | QFile::ExeOwner | QFile::ExeUser);
    };
    program(own + "/Rmon", true);
    program(path + "/Rmon", true);
    program(own + "/Bridge", false);
    program(path + "/Bridge", true);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", path.toLocal8Bit());
    const auto restore = qScopeGuard([&] { qputenv("PATH", oldPath); });
    QCOMPARE(ViewProgram("Rmon", own), own + "/Rmon");
    QCOMPARE(ViewProgram("Bridge", own), path + "/Bridge");
    QCOMPARE(ViewProgram("Layer3", own), QString("Layer3"));
}

QTEST_GUILESS_MAIN(TstStartup)
#include "tst_startup.moc"
