// F1 in the windows of the module: each opens the help window at the page
// of that window or its family, through the one filter the program installs.
#include "GeneratedWindows.h"
#include "HandLaidWindows.h"
#include "HelpKey.h"
#include "HelpTopics.h"
#include "HelpWindow.h"
#include "ModuleSettings.h"
#include "SimulatorProcess.h"
#include "TMainForm.h"
#include "WindowCommands.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

class TstHelpKey : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyMenuWindowHasItsPage();
    void f1OpensThePageOfTheWindow_data();
    void f1OpensThePageOfTheWindow();
    void helpMenuAndF1InTheHelp();

private:
    std::unique_ptr<TMainForm> start();
    QTemporaryDir m_dir;
    std::unique_ptr<SimulatorProcess> m_sim;
};

void TstHelpKey::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_dir.path()));
    m_sim = std::make_unique<SimulatorProcess>(QStringList {"--stack", "1:TRV-8170QL"});
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
    QVERIFY(WriteModuleSettings(m_dir.path(), m_sim->port()));
    HelpWindow::SetPagesDirectory(qEnvironmentVariable("TRV_SOURCE_DIR") + "/docs/help");
    RegisterGeneratedWindows();
    RegisterHandLaidWindows();
    InstallHelpKey();
    InstallHelpKey(); // once is enough; a second call adds nothing
}

std::unique_ptr<TMainForm> TstHelpKey::start()
{
    return std::make_unique<TMainForm>(QStringList {"/I127.0.0.1", "/Rkestra", "/Wmarlowe"});
}

// Every window a menu command opens finds a page of its own or of its
// family, never only the contents.
void TstHelpKey::everyMenuWindowHasItsPage()
{
    const QStringList targets = WindowCommands::Targets();
    QVERIFY(targets.size() > 100);
    QStringList without;
    for (const QString &target : targets)
        if (Help::PageFor(Help::MenuPathKeys(target) << target) == Help::ContentsPage)
            without.append(target);
    QVERIFY2(without.isEmpty(), qPrintable(without.join(", ")));
}

void TstHelpKey::f1OpensThePageOfTheWindow_data()
{
    QTest::addColumn<QString>("command"); // the window command; empty: the main window
    QTest::addColumn<QString>("focus"); // where F1 is pressed; empty: the window itself
    QTest::addColumn<QString>("page");
    QTest::newRow("main window") << ""
                                 << ""
                                 << "panel.html";
    QTest::newRow("port of a front panel") << ""
                                           << "SpeedButton7"
                                           << "panel.html#ports";
    QTest::newRow("generated table window") << "SNMP V3 > User-based Security Model > User Table"
                                            << ""
                                            << "snmpv3.html#users";
    QTest::newRow("generated settings window, on a button")
        << "Layer 2 Management > Port Management > Jumbo Frame Ctrl"
        << "refreshButton"
        << "ports.html#port-tables";
    QTest::newRow("hand-laid VLAN window") << "TVlanStaticForm"
                                           << ""
                                           << "vlans.html#static";
    QTest::newRow("port grid of the VLAN window") << "TVlanStaticForm"
                                                  << "Port5"
                                                  << "vlans.html#static";
    QTest::newRow("access-control rule window") << "TIPRuleForm"
                                                << ""
                                                << "acl.html#rules";
}

void TstHelpKey::f1OpensThePageOfTheWindow()
{
    QFETCH(QString, command);
    QFETCH(QString, focus);
    QFETCH(QString, page);
    auto form = start();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    if (command.isEmpty()) {
        QWidget *w = focus.isEmpty() ? form.get() : form->findChild<QWidget *>(focus);
        QVERIFY(w);
        QTest::keyClick(w, Qt::Key_F1);
        const HelpWindow *help = HelpWindow::Instance();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->CurrentPage(), page);
        return;
    }

    // The window is modal: F1 is pressed while its command runs.
    const WindowCommands::Command open = WindowCommands::Find(command);
    QVERIFY(open);
    QString shown;
    bool ownedByModal = false;
    QElapsedTimer waited;
    waited.start();
    QTimer poll;
    poll.setInterval(20);
    connect(&poll, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        QWidget *w = focus.isEmpty() ? modal : modal->findChild<QWidget *>(focus);
        if (!w && waited.elapsed() < 20000)
            return; // a port grid is built once the window shows
        poll.stop();
        if (w) {
            QTest::keyClick(w, Qt::Key_F1);
            if (const HelpWindow *help = HelpWindow::Instance()) {
                shown = help->CurrentPage();
                // Only the modal window's own windows take input beside it.
                ownedByModal = help->parentWidget() == modal;
            }
        }
        modal->close();
    });
    poll.start();
    open();
    QCOMPARE(shown, page);
    QVERIFY(ownedByModal);
    // The window asked from is gone; the help stays, with the main window.
    const HelpWindow *help = HelpWindow::Instance();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->parentWidget(), form.get());
    QCOMPARE(help->CurrentPage(), page);
}

// The Help menu item opens the contents in the same single window; F1 in
// the help window itself opens nothing new.
void TstHelpKey::helpMenuAndF1InTheHelp()
{
    auto form = start();
    form->show();
    QAction *item = nullptr;
    for (QAction *a : form->findChildren<QAction *>())
        if (a->text() == "Help" && !a->menu())
            item = a;
    QVERIFY(item);
    item->trigger();
    HelpWindow *help = HelpWindow::Instance();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->CurrentPage(), QString(Help::ContentsPage));

    help->OpenPage("codes.html#file");
    auto *search = help->findChild<QLineEdit *>("HelpSearch");
    QVERIFY(search);
    QTest::keyClick(search, Qt::Key_F1);
    QCOMPARE(HelpWindow::Instance(), help);
    QCOMPARE(help->CurrentPage(), QString("codes.html#file"));

    QTest::keyClick(form.get(), Qt::Key_F1);
    QCOMPARE(HelpWindow::Instance(), help);
    QCOMPARE(help->CurrentPage(), QString("panel.html"));
    item->trigger();
    QCOMPARE(HelpWindow::Instance(), help);
    QCOMPARE(help->CurrentPage(), QString(Help::ContentsPage));
}

QTEST_MAIN(TstHelpKey)
#include "tst_helpkey.moc"
