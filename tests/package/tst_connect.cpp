// trv8170ql-connect in front of a stand-in module that records its command
// line and standard input: the communities never reach a command line, the
// files stay the operator's, and only privacy protocols that work are offered.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char *const standIn = "#!/bin/sh\n"
                            "printf '%s\\n' \"$@\" > \"$RECORD/arguments\"\n"
                            "cat > \"$RECORD/input\"\n";

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
    void communitiesOnStandardInput_data();
    void communitiesOnStandardInput();
    void filesForTheOperatorOnly();
    void tripleDesRefused();

private:
    // Runs the wrapper; its exit code, standard output and error in output.
    int connect(const QStringList &arguments, QString *output = nullptr);
    QString config() const { return m_dir.filePath("config/trv8170ql"); }
    QTemporaryDir m_dir;
};

void TstConnect::initTestCase()
{
    const QString wrapper = m_dir.filePath("trv8170ql-connect");
    QVERIFY(QFile::copy(
        qEnvironmentVariable("TRV_SOURCE_DIR") + "/packaging/trv8170ql-connect", wrapper));
    QFile module(m_dir.filePath("trv8170ql"));
    QVERIFY(module.open(QIODevice::WriteOnly));
    module.write(standIn);
    module.close();
    for (const QString &f : {wrapper, module.fileName()})
        QVERIFY(QFile::setPermissions(f, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

int TstConnect::connect(const QStringList &arguments, QString *output)
{
    QFile::remove(m_dir.filePath("arguments"));
    QFile::remove(m_dir.filePath("input"));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
    env.insert("RECORD", m_dir.path());
    p.setProcessEnvironment(env);
    p.setStandardInputFile(QProcess::nullDevice());
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(m_dir.filePath("trv8170ql-connect"), arguments);
    if (!p.waitForFinished(20000))
        return -1;
    if (output)
        *output = QString::fromLocal8Bit(p.readAll());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

void TstConnect::communitiesOnStandardInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::newRow("communities") << QStringList {"10.9.9.9", "--read", "ro/Rx", "--write", "rw/Wy"}
                                 << QByteArray("/Rro/Rx\n/Wrw/Wy\n");
    QTest::newRow("the last switch again")
        << QStringList {"--last"} << QByteArray("/Rro/Rx\n/Wrw/Wy\n");
    QTest::newRow("SNMPv3") << QStringList {"10.9.9.9", "--v3", "admin", "--auth", "sha", "--priv",
        "aes", "--auth-pass", "a/vb c", "--priv-pass", "p q/Ir"}
                            << QByteArray("/Rpublic\n/Wprivate\n");
    QTest::newRow("get-bulk off") << QStringList {"10.9.9.9", "--no-bulk"}
                                  << QByteArray("/Rpublic\n/Wprivate\n");
}

void TstConnect::communitiesOnStandardInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QString err;
    QCOMPARE(connect(arguments, &err), 0);
    QCOMPARE(
        contents(m_dir.filePath("arguments")), QByteArray("/I10.9.9.9\n--parameters-on-stdin\n"));
    QCOMPARE(contents(m_dir.filePath("input")), input);
    if (!arguments.contains("--last"))
        QCOMPARE(contents(config() + "/10.9.9.9.cfg").contains("\nGetBulk=0\n"),
            arguments.contains("--no-bulk"));
    if (arguments.contains("--v3")) {
        const QByteArray cfg = contents(config() + "/10.9.9.9.cfg");
        QVERIFY2(cfg.contains("\nAuthPassword=a/vb c\n"), cfg.constData());
        QVERIFY2(cfg.contains("\nPrivPassword=p q/Ir\n"), cfg.constData());
        QVERIFY2(cfg.contains("\nPrivProtocol=3\n"), cfg.constData());
    }
}

// The directory is the operator's alone and so is every file written in
// it, whatever was there before.
void TstConnect::filesForTheOperatorOnly()
{
    QVERIFY(QDir().mkpath(config()));
    QVERIFY(QFile::setPermissions(config(), QFileDevice::Permissions(0x7755)));
    for (const char *name : {"/10.9.9.9.cfg", "/10.9.9.9.cfg.new", "/last", "/last.new"}) {
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

// The module's SNMP library has no triple-DES: the wrapper says so and
// writes nothing.
void TstConnect::tripleDesRefused()
{
    const QString cfg = config() + "/10.1.1.1.cfg";
    QString err;
    QCOMPARE(connect({"10.1.1.1", "--v3", "admin", "--auth", "sha", "--priv", "3des", "--auth-pass",
                         "authpass123", "--priv-pass", "privpass123"},
                 &err),
        2);
    QVERIFY2(err.contains("3des is not supported"), qPrintable(err));
    QVERIFY(!QFileInfo::exists(cfg));
    QVERIFY(!QFileInfo::exists(m_dir.filePath("arguments")));
    QString usage;
    QCOMPARE(connect({"--help"}, &usage), 0);
    QVERIFY2(usage.contains("--priv        des, aes, aes192 or aes256"), qPrintable(usage));
}

QTEST_GUILESS_MAIN(TstConnect)
#include "tst_connect.moc"
