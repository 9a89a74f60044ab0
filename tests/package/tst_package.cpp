// The Debian package: built from the build tree, unpacked into a temporary
// root, checked for its layout, lintian and the desktop entry, and its
// module started through trv8170ql-connect against the unpacked trvsim.
#include "Ber.h"
#include "CvCatalogues.h"
#include "CvIniDocument.h"
#include "LocalPath.h"
#include "UdpRelay.h"

#include <QDir>
#include <QDirIterator>
#include <QEventLoop>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString output;
};

Run run(const QString &program, const QStringList &arguments, int timeoutMs = 120000,
    const QString &workingDirectory = {})
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (!workingDirectory.isEmpty())
        p.setWorkingDirectory(workingDirectory);
    p.start(program, arguments);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return {-1, QStringLiteral("%1 did not end: %2").arg(program, p.errorString())};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
        QString::fromLocal8Bit(p.readAll())};
}

QByteArray fileContents(const QString &fileName)
{
    QFile f(fileName);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Keeps the LED status strings of unit 1 that the agent's answers carry.
class LedWatch
{
public:
    explicit LedWatch(UdpRelay &relay)
    {
        relay.onAnswer = [this](const QByteArray &answer) { note(answer); };
    }

    const QSet<QByteArray> &leds() const { return m_leds; }
    std::function<void()> changed;

private:
    void note(const QByteArray &answer)
    {
        static const QByteArray oid
            = Ber::encodeOid({1, 3, 6, 1, 4, 1, TRV_PEN, 12, 11, 1, 9, 4, 1, 6, 1});
        const qsizetype at = answer.indexOf(oid);
        if (at < 0)
            return;
        qsizetype pos = at + oid.size(), length = 0;
        if (Ber::readHeader(answer, pos, length) != quint8(0x04) || length == 0)
            return;
        m_leds.insert(answer.mid(pos, length));
        if (changed)
            changed();
    }

    QSet<QByteArray> m_leds;
};

} // namespace

class TstPackage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void layout();
    void lintianAndDesktopEntry();
    void moduleShowsLiveLedsThroughWrapper_data();
    void moduleShowsLiveLedsThroughWrapper();

private:
    QString inRoot(const QString &path) const { return m_root + QLatin1Char('/') + path; }

    QTemporaryDir m_dir;
    QString m_deb;
    QString m_root;
};

void TstPackage::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const Run pack = run(QStringLiteral(TRV_CPACK),
        {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), m_dir.filePath("out")},
        240000, QStringLiteral(TRV_BUILD_DIR));
    QVERIFY2(pack.exitCode == 0, qPrintable(pack.output));
    const QStringList debs = QDir(m_dir.filePath("out")).entryList({QStringLiteral("*.deb")});
    QCOMPARE(debs.size(), 1);
    m_deb = m_dir.filePath("out/" + debs.first());
    m_root = m_dir.filePath("root");
    const Run unpack = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), m_deb, m_root});
    QVERIFY2(unpack.exitCode == 0, qPrintable(unpack.output));
}

void TstPackage::layout()
{
    // Programs: the module, the connect program and the view programs in the
    // private program directory, only the four commands in the system's.
    const QString programs = inRoot("usr/lib/trv8170ql/");
    QCOMPARE(QDir(inRoot("usr/bin")).entryList(QDir::Files | QDir::System),
        QStringList({"trv8170ql", "trv8170ql-config", "trv8170ql-connect", "trvsim"}));
    for (const char *program : {"usr/bin/trv8170ql", "usr/bin/trv8170ql-connect", "usr/bin/trvsim",
             "usr/bin/trv8170ql-config", "usr/lib/trv8170ql/trv8170ql",
             "usr/lib/trv8170ql/trv8170ql-connect-window", "usr/lib/trv8170ql/trv8170ql-config",
             "usr/lib/trv8170ql/mibviews"}) {
        const QFileInfo info(inRoot(program));
        QVERIFY2(info.isFile() && info.isExecutable(), program);
    }
    QCOMPARE(QFileInfo(inRoot("usr/bin/trv8170ql")).canonicalFilePath(),
        QFileInfo(programs + "trv8170ql").canonicalFilePath());
    QCOMPARE(QFileInfo(inRoot("usr/bin/trv8170ql-config")).canonicalFilePath(),
        QFileInfo(programs + "trv8170ql-config").canonicalFilePath());
    for (const char *family : {"MIB", "IFMib", "EthernetLike", "Rmon", "Bridge", "Layer3"})
        QCOMPARE(QFileInfo(programs + family).canonicalFilePath(),
            QFileInfo(programs + "mibviews").canonicalFilePath());

    // The help file beside the module, the same file the settings store
    // names, whose directory is the module's; the help pages beside both.
    const QByteArray help = fileContents(QStringLiteral(TRV_SOURCE_DIR "/docs/trv8170ql.hlp"));
    QVERIFY(!help.isEmpty());
    QCOMPARE(fileContents(programs + "trv8170ql.hlp"), help);
    const QDir pages(QStringLiteral(TRV_SOURCE_DIR "/docs/help"));
    const QStringList pageFiles = pages.entryList({QStringLiteral("*.html")}, QDir::Files);
    QVERIFY(pageFiles.contains(QStringLiteral("index.html")));
    QCOMPARE(QDir(programs + "help").entryList({QStringLiteral("*.html")}, QDir::Files), pageFiles);
    for (const QString &page : pageFiles)
        QCOMPARE(fileContents(programs + "help/" + page), fileContents(pages.filePath(page)));
    const QString store = inRoot("etc/trv8170ql/registry.ini");
    const CvIniDocument doc = CvIniDocument::ReadFile(store);
    const auto helpPath = doc.Value(QStringLiteral("\\SOFTWARE\\Corvane\\Modules\\HelpPath"),
        QStringLiteral("1.3.6.1.4.1.%1.10.59.8").arg(TRV_PEN));
    QVERIFY(helpPath.has_value());
    QCOMPARE(fileContents(inRoot(*helpPath)), help);
    QVERIFY(QFileInfo(QFileInfo(inRoot(*helpPath)).dir().filePath("help/index.html")).isFile());
    QVERIFY(doc.Value(QStringLiteral("\\SOFTWARE\\Corvane\\Vantrel5.1\\MibFile"), "Path"));

    // The module directory that gives holds the message catalogues, each
    // the module's own table line for line; a table with a message of
    // several lines, which a file cannot give, stays built in.
    const QString moduleDirectory = inRoot(helpPath->chopped(12));
    int files = 0;
    for (Catalogue c : AllCatalogues) {
        const CvMessageTable &table = CatalogueTable(c);
        QStringList builtIn;
        for (int k = 0; k < table.BuiltInCount(); ++k)
            builtIn << table.Text(k);
        const QString file = moduleDirectory + LocalPath(CatalogueFileName(c));
        if (builtIn.join(QString()).contains(QLatin1Char('\n'))) {
            QVERIFY2(!QFileInfo::exists(file), qPrintable(file));
            continue;
        }
        QCOMPARE(CvMessageTable::ParseCatalogue(fileContents(file)), builtIn);
        ++files;
    }
    QVERIFY(files >= 6);

    // Every seed file of the simulator.
    const QStringList seeds
        = QDir(QStringLiteral(TRV_SOURCE_DIR "/simulator/data")).entryList({"*.sim"});
    QVERIFY(!seeds.isEmpty());
    QCOMPARE(QDir(inRoot("usr/share/trvsim")).entryList({"*.sim"}), seeds);

    // The store is a conffile; nothing lies outside the package's places.
    const QString control = m_dir.filePath("control");
    QCOMPARE(run("dpkg-deb", {"-e", m_deb, control}).exitCode, 0);
    QCOMPARE(fileContents(control + "/conffiles"), QByteArray("/etc/trv8170ql/registry.ini\n"));
    static const QRegularExpression allowed(
        "^(etc/trv8170ql/|usr/bin/|usr/lib/trv8170ql/|usr/share/(trv8170ql|trvsim|"
        "applications|icons/hicolor/scalable/apps|doc/trv8170ql|man/man1)/)");
    QDirIterator all(m_root, QDir::Files | QDir::System, QDirIterator::Subdirectories);
    while (all.hasNext()) {
        const QString file = QDir(m_root).relativeFilePath(all.next());
        QVERIFY2(allowed.match(file).hasMatch(), qPrintable(file));
    }

    // Dependencies from the libraries the programs link.
    const QString depends = run("dpkg-deb", {"-f", m_deb, "Depends"}).output;
    for (const char *runtime :
        {"libqt6widgets6", "libqt6charts6", "libqt6network6", "libsnmp", "libqt6keychain"})
        QVERIFY2(depends.contains(QLatin1String(runtime)), qPrintable(depends));
}

void TstPackage::lintianAndDesktopEntry()
{
    const Run lintian = run("lintian", {"--tag-display-limit", "0", m_deb}, 240000);
    const QStringList lines = lintian.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList errors;
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("E: ")))
            errors << line;
        else
            qInfo("%s", qPrintable(line));
    }
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));

    const QString entry = inRoot("usr/share/applications/trv8170ql.desktop");
    const Run validate = run("desktop-file-validate", {entry});
    QVERIFY2(validate.exitCode == 0 && validate.output.isEmpty(), qPrintable(validate.output));
    // Its commands and icon are in the package.
    const CvIniDocument desktop = CvIniDocument::ReadFile(entry);
    for (const char *section : {"Desktop Entry", "Desktop Action simulator"}) {
        const QString exec = desktop.Value(section, "Exec").value_or(QString());
        QVERIFY2(QFileInfo(inRoot("usr/bin/" + exec.section(' ', 0, 0))).isExecutable(),
            qPrintable(exec));
    }
    const QString icon = desktop.Value("Desktop Entry", "Icon").value_or(QString());
    QVERIFY(QFileInfo::exists(inRoot("usr/share/icons/hicolor/scalable/apps/" + icon + ".svg")));
}

void TstPackage::moduleShowsLiveLedsThroughWrapper_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("v2c") << QStringList({"--read", "kestra", "--write", "marlowe"});
    QTest::newRow("v3") << QStringList(
        {"--v3", "shauser", "--auth", "sha", "--auth-pass", "authpass123"});
}

void TstPackage::moduleShowsLiveLedsThroughWrapper()
{
    QFETCH(QStringList, options);
    // Nothing from the build tree or the test's own settings reaches the
    // unpacked programs.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"TRV_REGISTRY", "TRVSIM_DATA", "TRV_BIN_DIR"})
        env.remove(name);
    const QString home = m_dir.filePath(QString("home-%1").arg(QTest::currentDataTag()));
    QVERIFY(QDir().mkpath(home));
    env.insert("HOME", home);
    env.insert("XDG_CONFIG_HOME", home + "/.config");
    env.insert("QT_QPA_PLATFORM", "offscreen");

    QProcess sim;
    sim.setProcessEnvironment(env);
    sim.start(inRoot("usr/bin/trvsim"), {"--listen", "127.0.0.1:0"});
    QVERIFY(sim.waitForReadyRead(10000));
    const QString ready = QString::fromLatin1(sim.readLine()).trimmed();
    const QRegularExpressionMatch m
        = QRegularExpression("^ready 127\\.0\\.0\\.1:(\\d+)$").match(ready);
    QVERIFY2(m.hasMatch(), qPrintable(ready + sim.readAllStandardError()));
    UdpRelay relay(quint16(m.captured(1).toUInt()));
    LedWatch watch(relay);

    const bool hostStoreBefore = QFileInfo::exists("/etc/trv8170ql/registry.ini");

    // The port reaches the module only through the file the wrapper writes.
    QProcess module;
    module.setProcessEnvironment(env);
    module.setProcessChannelMode(QProcess::ForwardedChannels);
    module.start(inRoot("usr/bin/trv8170ql-connect"),
        QStringList({"127.0.0.1", "--port", QString::number(relay.port())}) + options);
    QVERIFY(module.waitForStarted(10000));

    // The first panel polls its LEDs every few seconds; two different
    // strings of unit 1 show them live.
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&module, &QProcess::finished, &loop, &QEventLoop::quit);
    watch.changed = [&] {
        if (watch.leds().size() >= 2)
            loop.quit();
    };
    limit.start(60000);
    if (watch.leds().size() < 2)
        loop.exec();
    watch.changed = nullptr;
    const bool running = module.state() == QProcess::Running;
    module.terminate();
    if (!module.waitForFinished(10000))
        module.kill();
    sim.terminate();
    sim.waitForFinished(10000);
    QVERIFY2(running, "the module ended early");
    QVERIFY2(watch.leds().size() >= 2,
        qPrintable(QString("%1 LED strings of unit 1").arg(watch.leds().size())));

    // The switch's file is for the operator only and holds no pass phrase.
    // The module read the settings store of the root it was unpacked in:
    // one of the system's would have been created for the help path key.
    const QString cfg = home + "/.config/trv8170ql/127.0.0.1.cfg";
    QCOMPARE(QFileInfo(cfg).permissions() & (QFile::ReadOther | QFile::ReadGroup),
        QFileDevice::Permissions());
    QVERIFY(!fileContents(cfg).contains("authpass123"));
    QCOMPARE(QFileInfo::exists("/etc/trv8170ql/registry.ini"), hostStoreBefore);
}

QTEST_GUILESS_MAIN(TstPackage)
#include "tst_package.moc"
