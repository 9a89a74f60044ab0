// trv8170ql-connect in front of a stand-in module and connect program that
// record their command lines and standard input: the secrets never reach a
// command line or a file, the files stay the operator's, a switch whose
// agent does not answer is not kept, and options that cannot work are
// refused before anything is written.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using Environment = QMap<QString, QString>;

namespace {

const char *const standIn = R"(#!/bin/sh
printf '%s\n' "$@" > "$RECORD/arguments"
cat > "$RECORD/input"
)";

// The connect program: without arguments the window; its check records what
// it was given and the switch's file it reads, and answers as CHECK_RC says.
const char *const connectStandIn = R"(#!/bin/sh
if [ "$1" != --check ]; then
    echo "$@" > "$RECORD/window"
    exit 0
fi
printf '%s\n' "$@" > "$RECORD/check-arguments"
cat > "$RECORD/check-input"
cat "./${2#/I}.cfg" > "$RECORD/check-cfg"
[ "${CHECK_RC:-0}" = 0 ] || echo "No answer from the stand-in" >&2
exit "${CHECK_RC:-0}"
)";

QByteArray contents(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstConnect : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void secretsOnStandardInput_data();
    void secretsOnStandardInput();
    void unansweredSwitchNotKept();
    void filesForTheOperatorOnly();
    void refusedBeforeAnythingIsWritten_data();
    void refusedBeforeAnythingIsWritten();
    void windowWithoutArguments_data();
    void windowWithoutArguments();

private:
    // Runs the wrapper; its exit code, standard output and error in output.
    // env: variables set for it, an empty value unsets one.
    // typed: what standard input holds (nothing by default, no terminal).
    int connect(const QStringList &arguments, QString *output = nullptr,
        const Environment &env = {}, const QByteArray &typed = {});
    QString config() const { return m_dir.filePath("config/trv8170ql"); }
    QByteArray recorded(const char *name) const { return contents(m_dir.filePath(name)); }
    QTemporaryDir m_dir;
};

void TstConnect::initTestCase()
{
    const QString wrapper = m_dir.filePath("trv8170ql-connect");
    QVERIFY(QFile::copy(
        qEnvironmentVariable("TRV_SOURCE_DIR") + "/packaging/trv8170ql-connect", wrapper));
    QStringList programs {wrapper};
    for (const auto &[name, text] : {std::pair {"trv8170ql", standIn},
             std::pair {"trv8170ql-connect-window", connectStandIn}}) {
        QFile f(m_dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
        programs << f.fileName();
    }
    for (const QString &f : programs)
        QVERIFY(QFile::setPermissions(f, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

int TstConnect::connect(
    const QStringList &arguments, QString *output, const Environment &env, const QByteArray &typed)
{
    for (const char *name :
        {"arguments", "input", "window", "check-arguments", "check-input", "check-cfg"})
        QFile::remove(m_dir.filePath(name));
    QProcess p;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
    environment.insert("RECORD", m_dir.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    for (auto it = env.begin(); it != env.end(); ++it) {
        if (it.value().isEmpty())
            environment.remove(it.key());
        else
            environment.insert(it.key(), it.value());
    }
    p.setProcessEnvironment(environment);
    const QString typedFile = m_dir.filePath("typed");
    QFile f(typedFile);
    if (!f.open(QIODevice::WriteOnly) || f.write(typed) != typed.size())
        return -1;
    f.close();
    p.setStandardInputFile(typedFile);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(m_dir.filePath("trv8170ql-connect"), arguments);
    if (!p.waitForFinished(20000))
        return -1;
    if (output)
        *output = QString::fromLocal8Bit(p.readAll());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

// The module and the check get the same secrets on standard input; the file
// they read holds none. A pass phrase may hold a switch that the module
// tests after its own.
void TstConnect::secretsOnStandardInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("typed");
    QTest::newRow("communities") << QStringList {"10.9.9.9", "--read", "ro/Rx", "--write", "rw/Wy"}
                                 << QByteArray("/Rro/Rx\n/Wrw/Wy\n") << QByteArray();
    // No file keeps the communities: the last switch's are asked for again.
    QTest::newRow("the last switch again")
        << QStringList {"--last"} << QByteArray("/Rro2/Rx\n/Wrw2/Wy\n")
        << QByteArray("ro2/Rx\nrw2/Wy\n");
    QTest::newRow("SNMPv3") << QStringList {"10.9.9.9", "--v3", "admin", "--auth", "sha", "--priv",
        "aes", "--auth-pass", "a/Pb c/ad", "--priv-pass", "p q/pr"}
                            << QByteArray("/Rpublic\n/Wprivate\n/Aa/Pb c/ad\n/Pp q/pr\n")
                            << QByteArray();
    QTest::newRow("get-bulk off") << QStringList {"10.9.9.9", "--no-bulk"}
                                  << QByteArray("/Rpublic\n/Wprivate\n") << QByteArray();
}

void TstConnect::secretsOnStandardInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, typed);
    QString err;
    QCOMPARE(connect(arguments, &err, {}, typed), 0);
    QCOMPARE(recorded("arguments"), QByteArray("/I10.9.9.9\n--parameters-on-stdin\n"));
    QCOMPARE(recorded("input"), input);
    QCOMPARE(
        recorded("check-arguments"), QByteArray("--check\n/I10.9.9.9\n--parameters-on-stdin\n"));
    QCOMPARE(recorded("check-input"), input);
    const QByteArray cfg = contents(config() + "/10.9.9.9.cfg");
    QCOMPARE(recorded("check-cfg"), cfg);
    QVERIFY2(!cfg.contains("Password"), cfg.constData());
    // The last switch is named, never its secrets.
    QCOMPARE(contents(config() + "/last"), QByteArray("10.9.9.9\n"));
    if (!arguments.contains("--last"))
        QCOMPARE(cfg.contains("\nGetBulk=0\n"), arguments.contains("--no-bulk"));
    if (arguments.contains("--v3")) {
        QVERIFY2(cfg.contains("\nVersion=3\n"), cfg.constData());
        QVERIFY2(cfg.contains("\nSecurityLevel=2\n"), cfg.constData());
        QVERIFY2(cfg.contains("\nPrivProtocol=3\n"), cfg.constData());
    }
}

// Settings whose agent does not answer replace neither the switch's file
// nor the last switch, and the module is not started.
void TstConnect::unansweredSwitchNotKept()
{
    QCOMPARE(connect({"10.9.9.9", "--read", "good"}), 0);
    const QByteArray cfg = contents(config() + "/10.9.9.9.cfg");
    const QByteArray last = contents(config() + "/last");
    QString err;
    QCOMPARE(
        connect({"10.9.9.9", "--read", "bad", "--port", "1161"}, &err, {{"CHECK_RC", "1"}}), 1);
    QVERIFY2(err.contains("No answer from the stand-in"), qPrintable(err));
    QVERIFY2(err.contains("nothing was saved"), qPrintable(err));
    QVERIFY(recorded("check-cfg").contains("\nAgentPort=1161\n"));
    QVERIFY(!QFileInfo::exists(m_dir.filePath("arguments")));
    QCOMPARE(contents(config() + "/10.9.9.9.cfg"), cfg);
    QCOMPARE(contents(config() + "/last"), last);
    QCOMPARE(QDir(config()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList({"10.9.9.9.cfg", "last"}));
}

// The directory is the operator's alone and so is every file written in
// it, whatever was there before.
void TstConnect::filesForTheOperatorOnly()
{
    QVERIFY(QDir().mkpath(config()));
    QVERIFY(QFile::setPermissions(config(), QFileDevice::Permissions(0x7755)));
    for (const char *name : {"/10.9.9.9.cfg", "/last", "/last.new"}) {
        QFile f(config() + name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(f.setPermissions(QFileDevice::Permissions(0x6644)));
    }
    QCOMPARE(connect({"10.9.9.9", "--read", "ro", "--v3", "admin", "--auth", "md5", "--auth-pass",
                 "authpass123"}),
        0);
    const auto operatorOnly
        = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    QCOMPARE(QFileInfo(config()).permissions(), operatorOnly | QFile::ExeOwner | QFile::ExeUser);
    QCOMPARE(QFileInfo(config() + "/10.9.9.9.cfg").permissions(), operatorOnly);
    QCOMPARE(QFileInfo(config() + "/last").permissions(), operatorOnly);
}

void TstConnect::refusedBeforeAnythingIsWritten_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QString v3only = "only with --v3 USER";
    QTest::newRow("--auth without --v3") << QStringList {"10.1.1.1", "--auth", "sha"} << v3only;
    QTest::newRow("--priv without --v3") << QStringList {"10.1.1.1", "--priv", "aes"} << v3only;
    QTest::newRow("--auth-pass without --v3")
        << QStringList {"10.1.1.1", "--auth-pass", "authpass123"} << v3only;
    QTest::newRow("--priv-pass without --v3")
        << QStringList {"10.1.1.1", "--v1", "--priv-pass", "privpass123"} << v3only;
    QTest::newRow("--context without --v3") << QStringList {"10.1.1.1", "--context", "c"} << v3only;
    // The module's SNMP library has no triple-DES.
    QTest::newRow("3des") << QStringList {"10.1.1.1", "--v3", "admin", "--auth", "sha", "--priv",
        "3des", "--auth-pass", "authpass123", "--priv-pass", "privpass123"}
                          << "3des is not supported";
    // The module would read these lines as another switch.
    QTest::newRow("pass phrase holding /v") << QStringList {"10.1.1.1", "--v3", "admin", "--auth",
        "sha", "--auth-pass", "abc/vdefgh"} << "authentication pass phrase cannot contain /v";
    QTest::newRow("write community holding /R")
        << QStringList {"10.1.1.1", "--write", "rw/Rx"} << "write community cannot contain /R";
}

void TstConnect::refusedBeforeAnythingIsWritten()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QString err;
    QCOMPARE(connect(arguments, &err), 2);
    QVERIFY2(err.contains(message), qPrintable(err));
    QVERIFY(!QFileInfo::exists(config() + "/10.1.1.1.cfg"));
    for (const char *record : {"arguments", "check-arguments", "window"})
        QVERIFY2(!QFileInfo::exists(m_dir.filePath(record)), record);
    QString usage;
    QCOMPARE(connect({"--help"}, &usage), 0);
    QVERIFY2(usage.contains("--priv        des, aes, aes192 or aes256"), qPrintable(usage));
}

// Without arguments the connect window opens; without a desktop session the
// wrapper says what it needs instead of letting Qt abort.
void TstConnect::windowWithoutArguments_data()
{
    QTest::addColumn<Environment>("env");
    QTest::addColumn<int>("exitCode");
    const Environment none {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}};
    QTest::newRow("desktop") << Environment {} << 0;
    QTest::newRow("no display") << none << 2;
    Environment wayland = none;
    wayland.insert("WAYLAND_DISPLAY", "wayland-0");
    QTest::newRow("Wayland") << wayland << 0;
}

void TstConnect::windowWithoutArguments()
{
    QFETCH(Environment, env);
    QFETCH(int, exitCode);
    QString err;
    QCOMPARE(connect({}, &err, env), exitCode);
    QCOMPARE(QFileInfo::exists(m_dir.filePath("window")), exitCode == 0);
    QVERIFY(!QFileInfo::exists(m_dir.filePath("arguments")));
    if (exitCode != 0)
        QVERIFY2(err.contains("need a graphical desktop session"), qPrintable(err));
    // A switch named on the command line needs the desktop as well.
    QCOMPARE(connect({"10.1.1.1"}, &err, env), exitCode);
    QCOMPARE(QFileInfo::exists(m_dir.filePath("arguments")), exitCode == 0);
}

QTEST_GUILESS_MAIN(TstConnect)
#include "tst_connect.moc"
