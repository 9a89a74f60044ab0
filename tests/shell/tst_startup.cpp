#include "CvConvertError.h"
#include "ExternalView.h"
#include "ModuleDirectories.h"
#include "ProcessWatch.h"
#include "SecretInput.h"
#include "StartupParameters.h"
#include "ViewSession.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
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
    void viewProgramNeverFromTheSearchPath();
    void inputReachesTheStartedProgram();
    void viewSessionTexts_data();
    void viewSessionTexts();
    void viewSessionRefused_data();
    void viewSessionRefused();
    void parametersFromInput_data();
    void parametersFromInput();

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
    QTest::addColumn<bool>("bulk");
    QTest::newRow("codes shifted by one")
        << v3File << QStringList {"/I10.90.90.90", "/Rx"} << 3 << 3 << 4 << ""
        << ""
        << "admin" << true;
    QTest::newRow("0 keeps the defaults")
        << v1File << QStringList {"/I10.90.90.90", "/Rx"} << 1 << 1 << 1 << ""
        << ""
        << "" << true;
    QTest::newRow("command line codes unshifted")
        << QByteArray() << QStringList {"/I10.90.90.90", "/v3", "/l2", "/a5", "/p4", "/nbob"} << 2
        << 5 << 4 << ""
        << ""
        << "bob" << true;
    QTest::newRow("the file applies again before each parameter")
        << v3File << QStringList {"/I10.90.90.90", "/l1", "/nbob"} << 3 << 3 << 4 << ""
        << ""
        << "bob" << true;
    QTest::newRow("empty engine id clears /d")
        << (v3File + "ContextEngineID=\r\nContextName=\r\n")
        << QStringList {"/I10.90.90.90", "/d8000", "/cctx", "/Rx"} << 3 << 3 << 4 << ""
        << "ctx"
        << "admin" << true;
    QTest::newRow("GetBulk=0 walks with get-next")
        << (v1File + "GetBulk=0\r\n") << QStringList {"/I10.90.90.90", "/Rx"} << 1 << 1 << 1 << ""
        << ""
        << "" << false;
    QTest::newRow("GetBulk=1 keeps get-bulk")
        << (v1File + "GetBulk=1\r\n") << QStringList {"/I10.90.90.90", "/Rx"} << 1 << 1 << 1 << ""
        << ""
        << "" << true;
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
    QFETCH(bool, bulk);
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
    QCOMPARE(m_defaults.getBulk, bulk);
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
    QTest::addColumn<QString>("family");
    QTest::newRow("v1 RMON history") << "/TRmon_History" << QByteArray() << "Rmon";
    QTest::newRow("IF-MIB family") << "/TIFMib_LastChangeTable" << QByteArray() << "IFMib";
    QTest::newRow("v3 from the file") << "/TMIB_Info" << v3File << "MIB";
    QTest::newRow("no underscore") << "/TNothing" << QByteArray() << "";
}

// The view's command line names the view, and the module's process to end
// with, and nothing secret; its session is
// the module's own, less the write community (and the read community in
// SNMPv3, which needs none).
void TstStartup::viewCommand()
{
    QFETCH(QString, view);
    QFETCH(QByteArray, file);
    QFETCH(QString, family);
    if (!file.isEmpty())
        writeConfig("10.1.1.1", file);
    ApplyParameters({"/I10.1.1.1", "/Rpub lic", "/Wpriv"}, configDir(), m_state, m_defaults);
    const ViewCommand command = MakeViewCommand(view, m_state, m_defaults);
    QCOMPARE(command.family, family);
    QCOMPARE(command.arguments,
        QStringList(
            {view, "--session-on-stdin", "--end-with=" + ProcessIdentity::Self().ToText()}));
    const auto session = ViewSession::FromJson(command.session);
    QVERIFY(session);
    QCOMPARE(session->agentAddress, QString("10.1.1.1"));
    const bool v3 = !file.isEmpty();
    QCOMPARE(session->defaults.device.port, quint16(v3 ? 1161 : 161));
    QCOMPARE(session->defaults.security.version, quint8(v3 ? 3 : 0));
    QCOMPARE(session->defaults.security.readCommunity, QString(v3 ? "" : "pub lic"));
    QCOMPARE(session->defaults.security.writeCommunity, QString());
    QCOMPARE(session->defaults.security.authPassword, QString(v3 ? "authpass123" : ""));
    QCOMPARE(session->defaults.security.privProtocol, v3 ? 4 : 1);
    QVERIFY(!command.session.contains("priv\""));
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

// The family program comes from the module's directory, else from the one
// the settings store names; one on the search path is never started, nor a
// file that cannot be run.
void TstStartup::viewProgramNeverFromTheSearchPath()
{
    const QString own = m_dir.filePath("module");
    const QString stored = m_dir.filePath("stored");
    const QString path = m_dir.filePath("path");
    for (const QString &d : {own, stored, path})
        QDir().mkpath(d);
    const auto program = [](const QString &file, bool executable) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n");
        f.close();
        if (executable)
            f.setPermissions(f.permissions() | QFile::ExeOwner | QFile::ExeUser);
    };
    program(own + "/Rmon", true);
    program(stored + "/Rmon", true);
    program(path + "/Rmon", true);
    program(own + "/Bridge", false);
    program(stored + "/Bridge", true);
    program(path + "/Layer3", true);
    program(path + "/MIB", true);
    const QString store = m_dir.filePath("programs.ini");
    QFile f(store);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(("[\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\vantrel51.exe]\nPath="
        + stored + "/\n")
                .toUtf8());
    f.close();
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", path.toLocal8Bit());
    qputenv("TRV_REGISTRY", store.toLocal8Bit());
    const auto restore = qScopeGuard([&] {
        qputenv("PATH", oldPath);
        qunsetenv("TRV_REGISTRY");
    });
    QCOMPARE(ViewProgram("Rmon", own), own + "/Rmon");
    QCOMPARE(ViewProgram("Bridge", own), stored + "/Bridge");
    QCOMPARE(ViewProgram("Layer3", own), QString());
    QCOMPARE(ViewProgram("../path/MIB", own), QString());
    // A store that names no directory leaves the module's own alone.
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.close();
    QCOMPARE(ViewProgram("Bridge", own), QString());
    QCOMPARE(ViewProgram("MIB", own), QString());
}

// The detached program reads what it is handed on its standard input, to
// its end, and finds nothing else open there.
void TstStartup::inputReachesTheStartedProgram()
{
    const QString out = m_dir.filePath("received");
    QFile::remove(out);
    const QByteArray input = "{\"authPassword\":\"x/vault99\"}\n" + QByteArray(20000, 'p');
    QVERIFY(StartWithInput(
        "/bin/sh", {"-c", "cat > \"$0.part\" && mv \"$0.part\" \"$0\"", out}, input));
    QDeadlineTimer deadline(20000);
    while (!QFileInfo::exists(out) && !deadline.hasExpired())
        QThread::msleep(20);
    QFile f(out);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), input);
}

void TstStartup::viewSessionTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("slashes") << "x/vault99/Iate9";
    QTest::newRow("blanks and quotes") << "priv \"pass\" phrase ";
    QTest::newRow("backslash and braces") << "a\\b{c}[d],e:f";
    QTest::newRow("not ASCII") << QString::fromUtf8("pässwört-密码");
    QTest::newRow("empty") << "";
}

// Every text of a session reaches the view as it is.
void TstStartup::viewSessionTexts()
{
    QFETCH(QString, text);
    ViewSession s;
    s.agentAddress = "switch-" + text;
    s.defaults = InitialSessionDefaults();
    s.defaults.device.address = text;
    s.defaults.device.port = 65535;
    s.defaults.security.version = 3;
    s.defaults.security.readCommunity = text;
    s.defaults.security.securityName = text;
    s.defaults.security.authPassword = text;
    s.defaults.security.privPassword = text + text;
    s.defaults.security.authProtocol = -7;
    s.defaults.security.privProtocol = 21;
    s.defaults.scope.contextName = text;
    s.defaults.scope.contextEngineId = text;
    s.defaults.timeout = 4000000000u;
    s.defaults.getBulk = false;
    const QByteArray json = s.ToJson();
    const auto back = ViewSession::FromJson(json);
    QVERIFY(back);
    QCOMPARE(back->ToJson(), json);
    QCOMPARE(back->defaults.security.privPassword, text + text);
    QCOMPARE(back->defaults.timeout, 4000000000u);
    QCOMPARE(back->defaults.security.authProtocol, -7);
    QCOMPARE(back->defaults.getBulk, false);
}

void TstStartup::viewSessionRefused_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("error");
    ViewSession s;
    s.agentAddress = "10.1.1.1";
    s.defaults = InitialSessionDefaults();
    s.defaults.security.authPassword = "secret/one";
    s.defaults.security.privPassword = "secret two";
    const QByteArray good = s.ToJson();
    const auto with = [&good](const char *from, const char *to) {
        QByteArray j = good;
        return j.replace(from, to);
    };
    QTest::newRow("not JSON") << QByteArray("{\"authPassword\":\"secret/one\"")
                              << "the session is not a JSON object";
    QTest::newRow("array") << QByteArray("[\"secret two\"]") << "the session is not a JSON object";
    QTest::newRow("port too large") << with("\"port\":161", "\"port\":70000")
                                    << "the session's \"port\" is missing or not usable";
    QTest::newRow("port a fraction") << with("\"port\":161", "\"port\":16.5")
                                     << "the session's \"port\" is missing or not usable";
    QTest::newRow("pass phrase missing") << with("\"authPassword\"",
        "\"authPass\"") << "the session's \"authPassword\" is missing or not usable";
    QTest::newRow("community a number") << with("\"community\":\"kestra\"", "\"community\":5")
                                        << "the session's \"community\" is missing or not usable";
    QTest::newRow("no time-out") << with("\"timeout\":100", "\"timeout\":0")
                                 << "the session's \"timeout\" is missing or not usable";
    QTest::newRow("too long") << QByteArray(MaxViewSessionBytes + 1, ' ') + good
                              << "the session is too long";
}

// What cannot be used is refused with the field's name, never a value.
void TstStartup::viewSessionRefused()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, error);
    QString why;
    QVERIFY(!ViewSession::FromJson(json, &why));
    QCOMPARE(why, error);
}

void TstStartup::parametersFromInput_data()
{
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("result");
    QTest::newRow("in its place") << QStringList {"/I10.1.1.1", "--parameters-on-stdin", "/v1"}
                                  << QByteArray("/Rread comm\r\n\n/Wx/vault99\n")
                                  << QStringList {
                                         "/I10.1.1.1", "/Rread comm", "/Wx/vault99", "/v1"};
    QTest::newRow("no last line end") << QStringList {"--parameters-on-stdin"}
                                      << QByteArray("/I10.1.1.1") << QStringList {"/I10.1.1.1"};
    QTest::newRow("without the switch")
        << QStringList {"/I10.1.1.1"} << QByteArray("/Rignored") << QStringList {"/I10.1.1.1"};
}

void TstStartup::parametersFromInput()
{
    QFETCH(QStringList, parameters);
    QFETCH(QByteArray, input);
    QFETCH(QStringList, result);
    QCOMPARE(WithParametersFromInput(parameters, input), result);
}

QTEST_GUILESS_MAIN(TstStartup)
#include "tst_startup.moc"
