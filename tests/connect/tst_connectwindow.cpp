// The connect window against the simulator: Connect hands the switch to the
// module, whose main window opens with the stack's front panels; the next
// start lists the switch without any of its secrets in a file; remembered
// secrets come back from the keyring; a switch that does not answer leaves
// nothing behind.
#include "AccessibleNames.h"
#include "ModuleLauncher.h"
#include "RecentSwitches.h"
#include "SecretInput.h"
#include "SecretStore.h"
#include "SimulatorProcess.h"
#include "TConnectForm.h"
#include "TMainForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// The keyring stand-in: items in memory, answered from the event loop as
// the keyring answers from another process.
class MemorySecretStore : public SecretStore
{
public:
    void read(const QString &address, ReadDone done) override
    {
        ++reads;
        const std::optional<QByteArray> item
            = items.contains(address) ? std::optional(items[address]) : std::nullopt;
        QTimer::singleShot(
            0, [item, done] { done(item ? DecodeSecrets(*item) : std::nullopt, QString()); });
    }
    void write(const QString &address, const SwitchSecrets &secrets, Done done) override
    {
        items.insert(address, EncodeSecrets(secrets));
        QTimer::singleShot(0, [done] { done(QString()); });
    }
    void forget(const QString &address, Done done) override
    {
        items.remove(address);
        QTimer::singleShot(0, [done] { done(QString()); });
    }

    QMap<QString, QByteArray> items;
    int reads = 0;
};

// The module as it would start from the hand-over, in this process: the
// parameter lines on its input become its parameters, and its main window
// is made in the configuration directory, its working directory.
class InProcessModule : public ModuleLauncher
{
public:
    bool launch(ModuleHandover &handover, QString *) override
    {
        parameters = WithParametersFromInput(handover.arguments(), handover.parameterInput);
        WipeBytes(handover.parameterInput);
        if (!QDir::setCurrent(handover.configDirectory))
            return false;
        form = std::make_unique<TMainForm>(parameters);
        return true;
    }

    QStringList parameters;
    std::unique_ptr<TMainForm> form;
};

template <typename T> T *child(QWidget &w, const char *name)
{
    T *found = w.findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning("no %s", name);
    return found;
}

void type(QWidget &w, const char *name, const QString &text)
{
    if (auto *edit = child<QLineEdit>(w, name)) {
        edit->clear();
        QTest::keyClicks(edit, text);
    }
}

// Files below dir holding any of the texts.
QStringList filesHolding(const QString &dir, const QList<QByteArray> &texts)
{
    QStringList holding;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray contents = f.readAll();
        for (const QByteArray &t : texts)
            if (contents.contains(t))
                holding.append(f.fileName());
    }
    return holding;
}

} // namespace

class TstConnectWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void connectOpensTheStackAndKeepsNoSecret();
    void rememberedSecretsComeFromTheKeyring();
    void silentAgentLeavesNothingSaved();

private:
    // A new configuration directory for one case, not made yet.
    QString freshConfigDirectory();
    // Fills the fields of an SNMPv2c session with the simulator's port.
    void fill(TConnectForm &form, const QString &readCommunity);
    bool connectAndWait(TConnectForm &form);

    QTemporaryDir m_dir;
    std::unique_ptr<SimulatorProcess> m_sim;
    MemorySecretStore m_keyring;
    InProcessModule m_module;
    int m_cases = 0;
};

void TstConnectWindow::initTestCase()
{
    m_sim
        = std::make_unique<SimulatorProcess>(QStringList {"--stack", "1:TRV-8170QL,2:TRM6140QL*"});
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
    // The package's settings store: the switches' files are read from the
    // working directory.
    QFile store(m_dir.filePath("registry.ini"));
    QVERIFY(store.open(QIODevice::WriteOnly));
    store.write("[\\SOFTWARE\\Corvane\\Vantrel5.1\\MibFile]\nPath=\n");
    store.close();
    qputenv("TRV_REGISTRY", store.fileName().toLocal8Bit());
}

QString TstConnectWindow::freshConfigDirectory()
{
    m_module.form.reset();
    m_keyring.items.clear();
    return m_dir.filePath(QStringLiteral("config-%1/trv8170ql").arg(++m_cases));
}

void TstConnectWindow::fill(TConnectForm &form, const QString &readCommunity)
{
    type(form, "AddressEdit", "127.0.0.1");
    auto *port = child<QSpinBox>(form, "PortSpin");
    port->clear();
    QTest::keyClicks(port, QString::number(m_sim->port()));
    auto *version = child<QComboBox>(form, "VersionCombo");
    version->setCurrentIndex(version->findText("SNMPv2c"));
    type(form, "ReadCommunityEdit", readCommunity);
    type(form, "WriteCommunityEdit", "marlowe");
}

bool TstConnectWindow::connectAndWait(TConnectForm &form)
{
    QTest::mouseClick(child<QPushButton>(form, "ConnectBtn"), Qt::LeftButton);
    QElapsedTimer t;
    t.start();
    while (form.IsBusy() && t.elapsed() < 30000)
        QTest::qWait(20);
    return !form.IsBusy();
}

void TstConnectWindow::connectOpensTheStackAndKeepsNoSecret()
{
    const QString config = freshConfigDirectory();
    {
        TConnectForm form(m_keyring, m_module, config);
        form.show();
        QCOMPARE(form.windowTitle(), QString("Connect to a Switch"));
        // Every field the operator changes is named for screen readers, the
        // visible ones after their labels.
        QStringList names;
        for (QWidget *w : form.findChildren<QWidget *>()) {
            // A spin box's edit and a combo box's parts are parts of it; the
            // list's scroll bars are the list's.
            if (!IsOperatorControl(w) || qobject_cast<QScrollBar *>(w)
                || qobject_cast<QSpinBox *>(w->parentWidget())
                || qobject_cast<QComboBox *>(w->parentWidget()))
                continue;
            QVERIFY2(!w->accessibleName().isEmpty(), w->metaObject()->className());
            if (w->isVisible())
                names << w->accessibleName();
        }
        for (const char *name : {"Address", "Port", "Version", "Read community", "Write community"})
            QVERIFY2(names.contains(name), name);
        QVERIFY(!names.contains("User"));
        QVERIFY(!child<QCheckBox>(form, "RememberSecretsCheck")->isChecked());
        QVERIFY(child<QPushButton>(form, "ConnectBtn")->isDefault());

        fill(form, "kestra");
        QVERIFY(connectAndWait(form));
        QVERIFY2(m_module.form, qPrintable(child<QLabel>(form, "DiagnosisLabel")->text()));
        QVERIFY(!form.isVisible());
    }
    // The module read its port from the file and the communities from its
    // input, and found both units.
    QCOMPARE(m_module.parameters, QStringList({"/I127.0.0.1", "/Rkestra", "/Wmarlowe"}));
    QVERIFY(m_module.form->Startup().ConfigFound);
    QCOMPARE(SessionDefaults().device.port, m_sim->port());
    QCOMPARE(m_module.form->PanelWindows().size(), 2);

    // The next start lists the switch; no file holds a community, and the
    // folder and files are the operator's alone.
    TConnectForm next(m_keyring, m_module, config);
    auto *recent = child<QListWidget>(next, "RecentList");
    QCOMPARE(recent->count(), 1);
    QVERIFY2(
        recent->item(0)->text().startsWith("127.0.0.1 port"), qPrintable(recent->item(0)->text()));
    QCOMPARE(filesHolding(config, {"kestra", "marlowe"}), QStringList());
    QVERIFY(m_keyring.items.isEmpty());
    QCOMPARE(QFileInfo(config).permissions() & 0x0777, QFile::Permissions(0x0700));
    for (const char *file : {"/127.0.0.1.cfg", "/recent-switches"})
        QCOMPARE(QFileInfo(config + file).permissions() & 0x0777, QFile::Permissions(0x0600));
}

void TstConnectWindow::rememberedSecretsComeFromTheKeyring()
{
    const QString config = freshConfigDirectory();
    {
        TConnectForm form(m_keyring, m_module, config);
        form.show();
        fill(form, "kestra");
        child<QCheckBox>(form, "RememberSecretsCheck")->click();
        QVERIFY(connectAndWait(form));
        QVERIFY(m_module.form);
    }
    QCOMPARE(filesHolding(config, {"kestra", "marlowe"}), QStringList());
    QVERIFY(m_keyring.items.contains("127.0.0.1"));

    // Picked from the list on the next start, the switch comes with its
    // communities from the keyring.
    m_module.form.reset();
    TConnectForm next(m_keyring, m_module, config);
    next.show();
    QVERIFY(QTest::qWaitForWindowExposed(&next));
    auto *recent = child<QListWidget>(next, "RecentList");
    QCOMPARE(recent->count(), 1);
    auto *read = child<QLineEdit>(next, "ReadCommunityEdit");
    QCOMPARE(read->text(), QString("public"));
    QTest::mouseClick(
        recent->viewport(), Qt::LeftButton, {}, recent->visualItemRect(recent->item(0)).center());
    QTRY_VERIFY_WITH_TIMEOUT(!next.IsBusy(), 10000);
    QCOMPARE(m_keyring.reads, 1);
    QCOMPARE(read->text(), QString("kestra"));
    QCOMPARE(child<QLineEdit>(next, "WriteCommunityEdit")->text(), QString("marlowe"));
    QCOMPARE(child<QSpinBox>(next, "PortSpin")->value(), int(m_sim->port()));
    auto *remember = child<QCheckBox>(next, "RememberSecretsCheck");
    QVERIFY(remember->isChecked());

    // Unticked, the keyring forgets them when the switch connects again.
    remember->click();
    QVERIFY(connectAndWait(next));
    QVERIFY(m_module.form);
    QVERIFY(m_keyring.items.isEmpty());
    QVERIFY(!RecentSwitches::Load(config).value(0).secretsRemembered);
}

// A wrong community: the agent stays silent, the window says why within
// the check's time-out and keeps the fields; no file is written and the
// keyring is not asked to remember.
void TstConnectWindow::silentAgentLeavesNothingSaved()
{
    const QString config = freshConfigDirectory();
    TConnectForm form(m_keyring, m_module, config);
    form.setCheckTimeout(500);
    form.show();
    fill(form, "wrong");
    child<QCheckBox>(form, "RememberSecretsCheck")->click();
    QVERIFY(connectAndWait(form));
    QVERIFY(!m_module.form);
    QVERIFY(form.isVisible());
    const QString note = child<QLabel>(form, "DiagnosisLabel")->text();
    QVERIFY2(note.contains(QString("No answer from 127.0.0.1 port %1").arg(m_sim->port())),
        qPrintable(note));
    QVERIFY2(note.contains("(SNMPClass) SNMP request timed out!"), qPrintable(note));
    QCOMPARE(child<QLineEdit>(form, "ReadCommunityEdit")->text(), QString("wrong"));
    QVERIFY(child<QPushButton>(form, "ConnectBtn")->isEnabled());
    for (const char *file : {"/127.0.0.1.cfg", "/recent-switches"})
        QVERIFY2(!QFileInfo::exists(config + file), file);
    QVERIFY(m_keyring.items.isEmpty());
}

QTEST_MAIN(TstConnectWindow)
#include "tst_connectwindow.moc"
