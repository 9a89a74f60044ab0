#include "LocalPath.h"
#include "Registry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TstRegistry : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void storeFileName();
    void readsValuesOfExistingKeys();
    void missingKeysAndValues();
    void createAddsKeyOnce();
    void createNeverOverwritesDamagedStore();
    void createOnReadOnlyStoreStillOpens();
    void localPath();

private:
    void writeStore(const QByteArray &contents);
    QTemporaryDir m_dir;
    QString m_store;
};

void TstRegistry::init()
{
    static int n = 0;
    m_store = m_dir.filePath(QString("sub%1/registry.ini").arg(++n));
    qputenv("TRV_REGISTRY", m_store.toLocal8Bit());
}

void TstRegistry::writeStore(const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(m_store).absolutePath());
    QFile f(m_store);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contents);
}

void TstRegistry::storeFileName()
{
    QCOMPARE(Registry::StoreFileName(), m_store);
    qunsetenv("TRV_REGISTRY");
    QCOMPARE(Registry::StoreFileName(), QString("/etc/trv8170ql/registry.ini"));
    // A program in an installation's program directory reads the store of
    // that installation's root; any other the system's.
    QCOMPARE(
        Registry::StoreFileNameFor("/usr/lib/trv8170ql"), QString("/etc/trv8170ql/registry.ini"));
    QCOMPARE(Registry::StoreFileNameFor("/tmp/x/root/usr/lib/trv8170ql/"),
        QString("/tmp/x/root/etc/trv8170ql/registry.ini"));
    QCOMPARE(Registry::StoreFileNameFor("/tmp/x/root/usr/lib/trv8170ql/../trv8170ql"),
        QString("/tmp/x/root/etc/trv8170ql/registry.ini"));
    QCOMPARE(
        Registry::StoreFileNameFor("/home/ops/build/bin"), QString("/etc/trv8170ql/registry.ini"));
    QCOMPARE(Registry::StoreFileNameFor("/opt/notusr/lib/trv8170ql"),
        QString("/etc/trv8170ql/registry.ini"));
}

void TstRegistry::readsValuesOfExistingKeys()
{
    writeStore("[\\SOFTWARE\\Corvane\\Vantrel5.1\\ExePath]\n"
               "Path=/opt/vantrel/bin/\n"
               "[\\software\\corvane\\vantrel5.1\\mibfile]\n"
               "path=/home/operator/conf/\n");
    auto exe = RegistryKey::Open(Registry::ExePathKey);
    QVERIFY(exe.has_value());
    QCOMPARE(exe->ReadString("Path"), QString("/opt/vantrel/bin/"));
    auto mib = RegistryKey::Open(Registry::MibFileKey); // names match without case
    QVERIFY(mib.has_value());
    QVERIFY(mib->ValueExists("Path"));
    QCOMPARE(mib->ReadString("PATH"), QString("/home/operator/conf/"));
}

void TstRegistry::missingKeysAndValues()
{
    QVERIFY(!RegistryKey::Open(Registry::ExePathKey).has_value()); // no store at all
    writeStore("[\\SOFTWARE\\Hewlett-Packard\\OpenView]\n");
    QVERIFY(!RegistryKey::Open(Registry::ExePathKey).has_value());
    auto ov = RegistryKey::Open(Registry::OpenViewKey);
    QVERIFY(ov.has_value());
    QVERIFY(!ov->ValueExists("OV_PATH"));
    QCOMPARE(ov->ReadString("OV_PATH"), QString());
}

void TstRegistry::createAddsKeyOnce()
{
    writeStore("[\\SOFTWARE\\Corvane\\Vantrel5.1\\ExePath]\nPath=/opt/v/\n");
    auto help = RegistryKey::Open(Registry::HelpPathKey, true);
    QVERIFY(help.has_value());
    QCOMPARE(help->ReadString("1.3.6.1.4.1.32473.10.59.8"), QString());
    QVERIFY(RegistryKey::Open(Registry::HelpPathKey).has_value()); // now it exists
    QVERIFY(RegistryKey::Open(Registry::HelpPathKey, true).has_value());
    QFile f(m_store);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray contents = f.readAll();
    QCOMPARE(contents.count("HelpPath]"), 1);
    QVERIFY(contents.contains("Path=/opt/v/")); // what was there is kept
}

void TstRegistry::createNeverOverwritesDamagedStore()
{
    const QByteArray damaged("[\\SOFTWARE\\X]\nPath=1\n\0binary", 28);
    writeStore(damaged);
    QVERIFY(RegistryKey::Open(Registry::HelpPathKey, true).has_value());
    QFile f(m_store);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), damaged);
}

void TstRegistry::createOnReadOnlyStoreStillOpens()
{
    if (geteuid() == 0)
        QSKIP("root writes read-only files");
    writeStore("[\\SOFTWARE\\X]\n");
    QFile::setPermissions(m_store, QFile::ReadOwner);
    QFile::setPermissions(QFileInfo(m_store).absolutePath(), QFile::ReadOwner | QFile::ExeOwner);
    QVERIFY(RegistryKey::Open(Registry::HelpPathKey, true).has_value());
    QVERIFY(!RegistryKey::Open(Registry::HelpPathKey).has_value());
    QFile::setPermissions(
        QFileInfo(m_store).absolutePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TstRegistry::localPath()
{
    QCOMPARE(LocalPath("errmsg\\common.err"), QString("errmsg/common.err"));
    QCOMPARE(LocalPath("/opt/v/..\\Conf\\MBF\\10.90.90.90.cfg"),
        QString("/opt/v/../Conf/MBF/10.90.90.90.cfg"));
    QCOMPARE(LocalPath("plain"), QString("plain"));
}

QTEST_GUILESS_MAIN(TstRegistry)
#include "tst_registry.moc"
