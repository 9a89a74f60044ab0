#include "CvSNMPRequest2Edits.h"
#include "GeneratedWindows.h"
#include "HandLaidWindows.h"
#include "MenuActions.h"
#include "ModuleSettings.h"
#include "NetSnmpAgent.h"
#include "PortButton.h"
#include "ProcessWatch.h"
#include "SimulatorProcess.h"
#include "TAboutForm.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TMainForm.h"
#include "TPanelForm.h"
#include "TSNMPPanel.h"
#include "TStackingPortUitForm.h"
#include "TVlanStaticForm.h"
#include "WindowCommands.h"
#include "WindowWaits.h"

#include <QAction>
#include <QComboBox>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

#include <csignal>
#include <unistd.h>

namespace {

// The requests discovery of the silent stack sends: the unit-table walk,
// one LED read per panel and the RMON state.
constexpr int SilentStackRequests = 10;

// The menu as the operator sees it: two blanks of indent per level, "-"
// for a separator. Trailing and double blanks in captions are meant.
const char *const expectedMenu = R"(Basic Configuration
  Device Management
    System Information
    Device Information
    Device Module Information
    Layer2 Control
    Alarm Control
    System Log
      System Log Control
      System Log Host
  Equipment Management
    Basic Information
    Unit Table
    Power Table
    Fan Information
  Agent Management
    MIB Capabilities
    Basic Configuration
    Agent Supported Update Files
    CPU Utilization
    Dual Image Information
    System Serverity Control
  Time Management
    System Time
    Network Time
    Daylight Saving Time
  -
  IF-MIB
    General Table
    IfX Table
  MIB II
    IF Table
    IF Counters
    -
    IP Counters
    IP Routing
    IP Address Table
    -
    ICMP Counters
    UDP Counters
    SNMP Counters
  dot3 Statistics
  Exit
RMON
  RMON Control
  Statistics
  History
  Alarm/Event
  Probe Config
    Probe Basic Information
Bridge
  Spanning Tree Algorithm
  802.1d 
    Information
  Spanning Tree
    STP Control 
    Configuration Identification
    Instance Information
    Port State Information
    Port MSTP Information
  Transparent Bridge
    Forwarding Table
    Port Counters
VLAN
  802.1P
    Basic Configure
    Priority Information
      Default User Priorities of Each Port
      Regenerated User Priorities
      User Priorities To Traffic Class
      Port Outbound Access Priorities
    GARP
    Port Capability
  802.1Q
    802.1Q Bridge
      Basic Configure
      Ports Information
    Forwarding/Filtering
      Unicast Forwarding Information
      Tp Group Destination Forwarded
      Multicast Forwarding Information
      Forward Unregistered Information
    802.1Q VLAN 
      Static Table
      Current Table
    Static Filtering 
      Unicast Information
      Multicast Information
  Protocol VLAN
SNMP V3
  SNMP Engine
  Message Processing and Dispatching
  SNMP Target MIB
    General Information
    Target Address Table
    Target Parameters
  User-based Security Model
    Statistics
    User Table
  View-base Access Control Mode
    Security Group Table
    Access Table
    View MIB Tree Family Table
  Notifications
    Notify Table
  Community
    Community String Table
    Target Address Table
Security Management
  Authentication Mode Setting
  -
  802.1X
    Configuration
    Port Configuration
    Port Statistics
    Port Diagnostics
    Port Session Statistics
    -
    Mac Base Authentication
      State Table
      Diagnostics Information
      EAP Over Land  Frames Statistic Table
      Session Information
  Radius Management
    Radius Server Table
    Authentication Information
    Authentication Table
    Accounting Control
      Basic Information
      Server Table
  TACACS+
    TACACS+ Control
    -
    TACACS+ Information
    Login Method Control
    Login Information
    Enable Method Control
    Server Group
    Server Information
    Server Control
  -
  SSH
    SSH Management
    -
    Encryption Algorithm
    Authentication Method
    HMAC Algorithm
    Public Key Algorithm
  SSL
    SSL Management
    Certificate File Information
Layer 2 Management
  Port Management
    Jumbo Frame Ctrl
    Port Information Table
    Port Control Table
    Trunk Basic Information
    Port Trunk Table
    Port Mirror Table
    Port Security Table
    Delete Control
  QoS Management
    Basic Configuration
    Bandwidth Control Table
    SchedulingTable
    802.1p User Priority Table
    802.1p Default Priority Table
  -
  IGMP Snooping
    Basic Information 
    Control Table
    Query Information
    Group Information 
  -
  Traffic Control Table
  Traffic Segmentation Table 
  Access Control Information
    Ethernet Mask Information
    Ethernet Information Rule
    IP Mask Information
    IP Rule
    User Defined Mask Information
    User Defined Information Rule
    IPv6 Mask Information
    IPv6 Rule
  802.3 ad
    Aggregator Table
    Aggregator Port Table
Layer 3 Management
  Device Ctrl
  MD5 Information 
  IP Management
    IP Control Management
    IP Control Table
    IP Forwarding Table
    IP Static Routing Table
  -
  BOOTP Basic Configuration
  BOOTP Ctrl Table
  DNS Basic Configuration
  DNS Ctrl Table
  -
  Route Redistribution Table
  CIDR (RFC2096)
  RIP2 (RFC1724)
  OSPF (RFC1850)
    OSPF General
    Area Info
    Lsdb  Info
    Neighbor Info
    Interface Table
    Virtual Interface Table
    Host Table
    Route Preference
  VRRP (RFC2787)
    VRRP Control
    -
    VRRP Operation
    Virtual Route Address
    VRRP Error Statistics
    Virtual Route Statistics
  -
  IpMroute
  DVMRP
  PIM
    PIM Info
  -
  IGMP Interface Table
  IGMP Cache Table
  IGMP Src List Table
Single IP
  Single IP Control
  My Information
  Member Switch
  Candidate Switch
  Group Information
  Neighbor Information
Help
  Help
  About)";

void walk(const QMenu *menu, int depth, QStringList &lines)
{
    for (QAction *action : menu->actions()) {
        const QString indent(depth * 2, QLatin1Char(' '));
        if (action->isSeparator()) {
            lines.append(indent + "-");
            continue;
        }
        lines.append(indent + action->text());
        if (action->menu())
            walk(action->menu(), depth + 1, lines);
    }
}

// Answers the next message box with the given button and keeps its text.
void answerNextMessageBox(QMessageBox::StandardButton button, QString *text)
{
    QTimer::singleShot(50, [button, text] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                if (text)
                    *text = box->windowTitle() + "|" + box->text();
                box->button(button)->click();
                return;
            }
        }
        answerNextMessageBox(button, text);
    });
}

// The arguments of every process of this user, by process id.
QMap<qint64, QByteArray> commandLines()
{
    QMap<qint64, QByteArray> lines;
    const QFileInfoList entries = QDir("/proc").entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        bool isPid = false;
        const qint64 pid = entry.fileName().toLongLong(&isPid);
        if (!isPid || entry.ownerId() != ::getuid())
            continue;
        QFile f(entry.filePath() + "/cmdline");
        if (f.open(QIODevice::ReadOnly))
            lines.insert(pid, f.readAll());
    }
    return lines;
}

// The files below dir, and those in the temporary folder changed since
// since, that hold any of the texts.
QStringList filesHolding(const QString &dir, const QDateTime &since, const QList<QByteArray> &texts)
{
    QStringList holding;
    const auto check = [&](const QFileInfo &info) {
        if (!info.isFile() || info.size() > 4 * 1024 * 1024)
            return;
        QFile f(info.filePath());
        if (!f.open(QIODevice::ReadOnly))
            return;
        const QByteArray contents = f.readAll();
        for (const QByteArray &t : texts)
            if (contents.contains(t)) {
                holding.append(info.filePath());
                return;
            }
    };
    QDirIterator below(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (below.hasNext())
        check(QFileInfo(below.next()));
    QDirIterator temp(QDir::tempPath(), QDir::Files | QDir::Hidden);
    while (temp.hasNext()) {
        const QFileInfo info(temp.next());
        if (info.lastModified() >= since && info.ownerId() == ::getuid())
            check(info);
    }
    return holding;
}

} // namespace

class TstMainForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void menuTreeAsDescribed();
    void rmonItemsFollowTheState_data();
    void rmonItemsFollowTheState();
    void rmonControlWindowGreysTheRmonItems();
    void vlanWindowsOpenFromTheMenu();
    void exitAsksFirst();
    void everyMenuInSight();
    void tallStackScrollsOnTheScreen();
    void closeDuringTheRmonRead();
    void exitFromASilentStackEndsInTime();
    void diagnosisBesideTheStatusLine_data();
    void diagnosisBesideTheStatusLine();
    void aboutShowsLongVersion();
    void noParameters();
    void everyMenuItemEnabled();
    void portMenuPressesItsPort();
    void portsPressedTogetherOpenTheirRows();
    void viewFromTheMenuSeesNoSecretOnAnyCommandLine();
    void commandFinderRunsTheMenuItem();

private:
    std::unique_ptr<TMainForm> start();
    void setRmonState(int value);
    bool writeConfig(quint16 port);
    QTemporaryDir m_dir;
    std::unique_ptr<SimulatorProcess> m_sim;
};

void TstMainForm::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_dir.path()));
    m_sim
        = std::make_unique<SimulatorProcess>(QStringList {"--stack", "1:TRV-8170QL,2:TRM6140QL*"});
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
    QVERIFY(WriteModuleSettings(m_dir.path(), m_sim->port()));
}

bool TstMainForm::writeConfig(quint16 port)
{
    return WriteAgentConfig(m_dir.path(), port);
}

std::unique_ptr<TMainForm> TstMainForm::start()
{
    return std::make_unique<TMainForm>(QStringList {"/I127.0.0.1", "/Rkestra", "/Wmarlowe"});
}

void TstMainForm::setRmonState(int value)
{
    const int rc = QProcess::execute("snmpset",
        {"-v2c", "-c", "marlowe", QString("127.0.0.1:%1").arg(m_sim->port()),
            QString("1.3.6.1.4.1.%1.11.59.8.2.1.2.3.0").arg(TRV_PEN), "i", QString::number(value)});
    QCOMPARE(rc, 0);
}

void TstMainForm::menuTreeAsDescribed()
{
    auto form = start();
    QStringList lines;
    for (QAction *top : form->menuWidget()->actions()) {
        lines.append(top->text());
        walk(top->menu(), 1, lines);
    }
    const QStringList expected = QString::fromUtf8(expectedMenu).split('\n');
    for (qsizetype k = 0; k < qMax(lines.size(), expected.size()); ++k)
        QCOMPARE(lines.value(k), expected.value(k));
    QCOMPARE(form->width(), 792);
    QCOMPARE(form->windowTitle(), QString("127.0.0.1"));
    // A registered window command is what its menu item runs.
    int opened = 0;
    WindowCommands::Register("TGARPForm", [&opened] { ++opened; });
    auto again = start();
    QAction *garp = FindMenuAction(again->menuWidget(), {"VLAN", "802.1P", "GARP"});
    QVERIFY(garp && garp->isEnabled());
    garp->trigger();
    QCOMPARE(opened, 1);
}

void TstMainForm::rmonItemsFollowTheState_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("enabledBefore");
    QTest::addColumn<bool>("enabledAfter");
    QTest::newRow("disabled") << 2 << "disabled" << true << false;
    QTest::newRow("enabled") << 3 << "enabled" << false << true;
    QTest::newRow("no option text keeps them") << 1 << "1" << false << false;
}

void TstMainForm::rmonItemsFollowTheState()
{
    QFETCH(int, value);
    QFETCH(QString, label);
    QFETCH(bool, enabledBefore);
    QFETCH(bool, enabledAfter);
    setRmonState(3);
    auto form = start();
    const QStringList items {"Statistics", "History", "Alarm/Event"};
    for (const QString &item : items)
        FindMenuAction(form->menuWidget(), {"RMON", item})->setEnabled(enabledBefore);
    setRmonState(value);
    form->ReadRmonState();
    QCOMPARE(form->findChild<QLabel *>("ST_RmonState")->text(), label);
    for (const QString &item : items)
        QCOMPARE(FindMenuAction(form->menuWidget(), {"RMON", item})->isEnabled(), enabledAfter);
    setRmonState(3);
}

// The generated "RMON Control" window, opened from the menu: disabling RMON
// there and closing the window greys the three RMON views.
void TstMainForm::rmonControlWindowGreysTheRmonItems()
{
    setRmonState(3);
    RegisterGeneratedWindows();
    auto form = start();
    const QStringList items {"Statistics", "History", "Alarm/Event"};
    for (const QString &item : items)
        QVERIFY(FindMenuAction(form->menuWidget(), {"RMON", item})->isEnabled());
    QAction *control = FindMenuAction(form->menuWidget(), {"RMON", "RMON Control"});
    QVERIFY(control && control->isEnabled());
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto *window = qobject_cast<TConfigForm *>(QApplication::activeModalWidget());
        if (!window)
            return;
        shown = true;
        // The window closes however the checks end, so the menu command returns.
        const auto closeWindow = qScopeGuard([window] { window->close(); });
        QVERIFY(WaitIdle(*window));
        auto *state = qobject_cast<QComboBox *>(window->Bindings()[0].control);
        QCOMPARE(state->currentText(), QString("enabled"));
        state->setCurrentIndex(state->findText("disabled"));
        window->Body()->buttonBar->setCheckedButton->click();
        QVERIFY(WaitIdle(*window));
    });
    control->trigger();
    QVERIFY(shown);
    for (const QString &item : items)
        QVERIFY(!FindMenuAction(form->menuWidget(), {"RMON", item})->isEnabled());
    setRmonState(3);
}

// The hand-laid VLAN windows registered before the menu is built: their
// items are enabled and Static Table opens on the stack the main window found.
void TstMainForm::vlanWindowsOpenFromTheMenu()
{
    RegisterHandLaidWindows();
    auto form = start();
    const QList<QStringList> items {{"VLAN", "802.1Q", "802.1Q VLAN ", "Static Table"},
        {"VLAN", "802.1Q", "802.1Q VLAN ", "Current Table"},
        {"VLAN", "802.1Q", "802.1Q Bridge", "Basic Configure"},
        {"VLAN", "802.1Q", "802.1Q Bridge", "Ports Information"}, {"VLAN", "Protocol VLAN"}};
    for (const QStringList &item : items) {
        QAction *action = FindMenuAction(form->menuWidget(), item);
        QVERIFY2(action && action->isEnabled(), qPrintable(item.join(" > ")));
    }
    QStringList sheets;
    QTimer::singleShot(0, [&] {
        const QPointer<TVlanStaticForm> window = HandLaidWindows::Instance<TVlanStaticForm>();
        if (!window)
            return;
        const auto closeWindow = qScopeGuard([window] {
            if (window)
                window->close();
        });
        QTRY_VERIFY_WITH_TIMEOUT(window->Created() && !window->AnyBusy(), 15000);
        const QTabWidget *tabs = window->EgressGrid()->UnitPageControl();
        for (int k = 0; k < tabs->count(); ++k)
            if (tabs->isTabVisible(k))
                sheets.append(tabs->tabText(k));
    });
    FindMenuAction(form->menuWidget(), items.first())->trigger();
    QCOMPARE(sheets, (QStringList {"Unit1 TRV-8170QL", "Unit2 TRM6140QL*"}));
}

void TstMainForm::exitAsksFirst()
{
    auto form = start();
    form->show();
    QString text;
    answerNextMessageBox(QMessageBox::Cancel, &text);
    QVERIFY(!form->close());
    QCOMPARE(text, QString("Confirm|Exit TRV-8170QL Management Module"));
    QVERIFY(form->isVisible());
    QVERIFY(form->UnitListBinding());

    answerNextMessageBox(QMessageBox::Ok, &text);
    QAction *exit = FindMenuAction(form->menuWidget(), {"Basic Configuration", "Exit"});
    exit->trigger();
    QVERIFY(!form->isVisible());
    QVERIFY(!form->UnitListBinding());
}

// At the window's width of 792 the menus wrap into more rows instead of
// hiding behind an extension arrow; the client area below keeps its size.
void TstMainForm::everyMenuInSight()
{
    auto form = start();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QCOMPARE(form->width(), 792);
    QWidget *menu = form->menuWidget();
    QCOMPARE(menu->width(), 792);
    const QRect menuArea(menu->mapTo(form.get(), QPoint()), menu->size());
    auto *scroll = form->findChild<QScrollArea *>("ScrollBox1");
    QList<QMenuBar *> bars = menu->findChildren<QMenuBar *>();
    if (auto *bar = qobject_cast<QMenuBar *>(menu))
        bars.prepend(bar);
    QCOMPARE(menu->actions().size(), 10);
    for (QAction *top : menu->actions()) {
        int shown = 0;
        for (QMenuBar *bar : std::as_const(bars)) {
            if (!bar->isVisible() || !bar->actions().contains(top))
                continue;
            ++shown;
            const QRect item = bar->actionGeometry(top);
            QVERIFY2(!item.isEmpty() && bar->rect().contains(item), qPrintable(top->text()));
            const auto *extension = bar->findChild<QWidget *>("qt_menubar_ext_button");
            QVERIFY2(!extension || !extension->isVisible(), qPrintable(top->text()));
            QVERIFY(menuArea.contains(QRect(bar->mapTo(form.get(), QPoint()), bar->size())));
        }
        QCOMPARE(shown, 1);
    }
    // Every panel of the stack is in view under the menu, and no band is
    // left empty below the last one: the status bar follows it.
    QCOMPARE(scroll->y(), menuArea.bottom() + 1);
    QVERIFY(!form->PanelWindows().isEmpty());
    QCOMPARE(scroll->height(), form->PanelWindows().constLast()->geometry().bottom() + 1);
    QCOMPARE(form->statusBar()->y(), scroll->geometry().bottom() + 1);
    QVERIFY(!scroll->verticalScrollBar()->isVisible());
}

// Twelve units are taller than the screen: the window takes the screen's
// height, stays on it, and the panels scroll, each one reachable, with
// neither the status bar nor the panels' width given up for it.
void TstMainForm::tallStackScrollsOnTheScreen()
{
    QStringList units;
    for (int u = 1; u <= 12; ++u)
        units.append(QString("%1:%2").arg(u).arg(u % 2 ? "TRV-8170QL" : "TRM6140QL*"));
    SimulatorProcess tall({"--stack", units.join(',')});
    QVERIFY2(tall.isReady(), qPrintable(tall.errorText()));
    QVERIFY(writeConfig(tall.port()));
    const auto restore = qScopeGuard([this] { writeConfig(m_sim->port()); });
    auto form = start();
    QCOMPARE(form->PanelWindows().size(), 12);
    const QWidget *last = form->PanelWindows().constLast();
    const QRect screen = form->screen()->availableGeometry();
    if (last->geometry().bottom() < screen.height())
        QSKIP("the screen holds twelve units");
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));

    // Top to bottom on the screen, the status bar included.
    const QRect frame = form->frameGeometry();
    QVERIFY2(frame.top() >= screen.top() && frame.bottom() <= screen.bottom(),
        qPrintable(QString("frame %1..%2").arg(frame.top()).arg(frame.bottom())));
    auto *scroll = form->findChild<QScrollArea *>("ScrollBox1");
    QCOMPARE(form->statusBar()->geometry().bottom(), form->rect().bottom());
    QVERIFY(form->statusBar()->isVisible());
    QVERIFY(scroll->verticalScrollBar()->isVisible());
    QVERIFY(!scroll->horizontalScrollBar()->isVisible());
    for (const QWidget *panel : std::as_const(form->PanelWindows())) {
        scroll->ensureWidgetVisible(const_cast<QWidget *>(panel), 0, 0);
        const QRect shown(panel->mapTo(scroll->viewport(), QPoint()), panel->size());
        QVERIFY2(scroll->viewport()->rect().contains(shown),
            qPrintable(QString("unit %1").arg(form->PanelWindows().indexOf(panel) + 1)));
    }
}

// Closing the window while its synchronous RMON read waits for a silent
// agent: the binding stays until the read has returned, then goes.
void TstMainForm::closeDuringTheRmonRead()
{
    auto form = start();
    form->show();
    auto *binding = form->findChild<CvSNMPRequest2Edits *>("RmonStateBinding");
    QVERIFY(binding);
    binding->request.device.port = SimulatorProcess::silentPort();
    const QPointer<CvSNMPRequest2Edits> guard(binding);
    bool reading = true;
    bool goneWhileReading = false;
    connect(binding, &QObject::destroyed, [&] { goneWhileReading = reading; });
    answerNextMessageBox(QMessageBox::Ok, nullptr);
    QTimer::singleShot(300, form.get(), [&] { form->close(); });
    form->ReadRmonState();
    reading = false;
    QVERIFY(!goneWhileReading);
    QVERIFY(!form->isVisible());
    form.reset();
    QVERIFY(!guard);
}

// Four units, and the agent goes silent after discovery: when Exit is
// confirmed every panel waits for an answer to its poll. The panels stop
// together and share one bounded wait instead of waiting one after the
// other while the rest keep polling.
void TstMainForm::exitFromASilentStackEndsInTime()
{
    SimulatorProcess silent({"--stack", "1:TRV-8170QL,2:TRM6140QL*,3:TRV-8140PQL,4:TRM-6040QL",
        "--silent-after", QString::number(SilentStackRequests)});
    QVERIFY2(silent.isReady(), qPrintable(silent.errorText()));
    QVERIFY(writeConfig(silent.port()));
    const auto restore = qScopeGuard([this] { writeConfig(m_sim->port()); });
    auto form = start();
    QCOMPARE(form->PanelWindows().size(), 4);
    form->show();

    // Exit once every panel has polled again, from within whatever wait
    // runs then, as a click would.
    QElapsedTimer clock;
    bool closed = false;
    QTimer::singleShot(TPanelForm::PollInterval * 10 + 500, form.get(), [&] {
        answerNextMessageBox(QMessageBox::Ok, nullptr);
        clock.start();
        closed = form->close();
    });
    QTRY_VERIFY_WITH_TIMEOUT(closed, 60000);
    form.reset();
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed < CvSNMPRequest::DestroyWaitMs + 2000,
        qPrintable(QString("closing took %1 ms").arg(elapsed)));
}

void TstMainForm::diagnosisBesideTheStatusLine_data()
{
    QTest::addColumn<QString>("agent");
    QTest::addColumn<QString>("community");
    QTest::addColumn<QString>("diagnosis"); // %1 stands for the agent's port
    QTest::newRow("silent agent")
        << "sim"
        << "wrongcommunity"
        << "No answer from 127.0.0.1 port %1 in 1 s: the address or port may be wrong, an "
           "SNMPv1/v2c agent ignores a wrong community without answering, or a firewall drops "
           "SNMP";
    QTest::newRow("agent of another family")
        << "snmpd"
        << "kestra"
        << "This agent is not a stack of this switch family: only the standard-MIB windows apply";
}

// No panel opened: the main window says why, and the status line keeps
// the text of the read that failed.
void TstMainForm::diagnosisBesideTheStatusLine()
{
    QFETCH(QString, agent);
    QFETCH(QString, community);
    QFETCH(QString, diagnosis);
    std::unique_ptr<NetSnmpAgent> snmpd;
    quint16 port = m_sim->port();
    if (agent == "snmpd") {
        snmpd = std::make_unique<NetSnmpAgent>("kestra", "marlowe");
        QVERIFY2(snmpd->isReady(), qPrintable(snmpd->errorText()));
        port = snmpd->port();
    }
    QVERIFY(writeConfig(port));
    const auto restore = qScopeGuard([this] { writeConfig(m_sim->port()); });
    TMainForm form({"/I127.0.0.1", "/R" + community, "/Wmarlowe"});
    form.show();
    QVERIFY(form.PanelWindows().isEmpty());
    const QString statusLine = form.StatusPanel()->text();
    QVERIFY(!statusLine.isEmpty());
    QLabel *shown = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT(
        (shown = form.findChild<QLabel *>("ConnectionDiagnosis")) && shown->isVisible(), 15000);
    QCOMPARE(shown->text(), diagnosis.contains("%1") ? diagnosis.arg(port) : diagnosis);
    QCOMPARE(form.StatusPanel()->text(), statusLine);
}

void TstMainForm::aboutShowsLongVersion()
{
    TAboutForm about;
    about.show();
    auto *version = about.findChild<QLabel *>("VersionLabel");
    QCOMPARE(version->text(), TAboutForm::VersionLine());
    auto *ok = about.findChild<QPushButton *>("BT_Ok");
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(version->text(), TAboutForm::VersionLine());
    QTest::keyClick(ok, Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier);
    QCOMPARE(version->text(), TAboutForm::LongVersionLine());
    QVERIFY(version->text().contains("build"));
    QVERIFY(about.findChild<QLabel *>("Image2")->isVisible());
}

void TstMainForm::noParameters()
{
    QString text;
    answerNextMessageBox(QMessageBox::Ok, &text);
    TMainForm form({});
    QVERIFY(form.StartupEnded());
    QVERIFY(text.endsWith("|No parameter input"));
}

namespace {
void collectDisabled(const QMenu *menu, const QString &path, QStringList &disabled)
{
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QString item = path + " > " + action->text();
        if (action->menu())
            collectDisabled(action->menu(), item, disabled);
        else if (!action->isEnabled())
            disabled.append(item);
    }
}
} // namespace

// With every window of the module registered, no item of the menu is
// disabled for want of its window.
void TstMainForm::everyMenuItemEnabled()
{
    setRmonState(3);
    RegisterGeneratedWindows();
    RegisterHandLaidWindows();
    auto form = start();
    QStringList disabled;
    for (QAction *top : form->menuWidget()->actions())
        if (top->menu())
            collectDisabled(top->menu(), top->text(), disabled);
        else if (!top->isEnabled())
            disabled.append(top->text());
    QVERIFY2(disabled.isEmpty(), qPrintable(disabled.join('\n')));
}

// Either item of the port menu leaves pressed the port it was opened on,
// and only that one, before its window opens.
void TstMainForm::portMenuPressesItsPort()
{
    auto form = start();
    QWidget panel;
    QList<QPushButton *> ports;
    for (int k = 0; k < 3; ++k) {
        auto *port = new QPushButton(QString::number(k + 1), &panel);
        port->setCheckable(true);
        AttachPortMenu(port, form->PortInfoPopupMenu());
        form->PortButtons().append(port);
        ports.append(port);
    }
    const auto pressed = [&] {
        QList<int> down;
        for (int k = 0; k < ports.size(); ++k)
            if (ports.at(k)->isChecked())
                down.append(k);
        return down;
    };
    QMenu *menu = form->PortInfoPopupMenu();
    QList<int> atOpen;
    for (const char *item : {"Port Information", "Port Configuration"}) {
        const QString target = QString("Port menu > ") + item;
        const WindowCommands::Command real = WindowCommands::Find(target);
        const auto restore = qScopeGuard([&] { WindowCommands::Register(target, real); });
        WindowCommands::Register(target, [&] { atOpen = pressed(); });
        atOpen = {-1};
        form->PortButtonClick(ports.at(0));
        emit ports.at(2)->customContextMenuRequested(QPoint(1, 1));
        QAction *action = menu->findChild<QAction *>(QString(item).remove(' '));
        QVERIFY(action);
        action->trigger();
        menu->close();
        QCOMPARE(atOpen, QList<int> {2});
        QCOMPARE(pressed(), QList<int> {2});
    }
    form->PortButtons().clear();
}

// Ports pressed with Shift and Ctrl on the front panel: Port Configuration
// from the port menu of one of them opens the port control rows of all,
// selected and ready for Edit, and leaves them pressed; a plain click
// presses one port again.
void TstMainForm::portsPressedTogetherOpenTheirRows()
{
    QVERIFY(writeConfig(m_sim->port()));
    RegisterGeneratedWindows();
    auto form = start();
    const auto port = [&](int number) {
        for (QAbstractButton *b : form->PortButtons())
            if (PortNumberOf(b) == number)
                return b;
        return static_cast<QAbstractButton *>(nullptr);
    };
    const auto pressed = [&] {
        QList<int> down;
        for (QAbstractButton *b : form->PortButtons())
            if (b->isChecked())
                down.append(PortNumberOf(b));
        return down;
    };
    QVERIFY(port(9));
    QTest::mouseClick(port(3), Qt::LeftButton);
    QTest::mouseClick(port(5), Qt::LeftButton, Qt::ShiftModifier);
    QTest::mouseClick(port(9), Qt::LeftButton, Qt::ControlModifier);
    QTest::mouseClick(port(4), Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(pressed(), (QList<int> {3, 5, 9}));

    QStringList selected;
    bool editable = false;
    QTimer::singleShot(0, [&] {
        auto *window = qobject_cast<TConfigForm *>(QApplication::activeModalWidget());
        if (!window)
            return;
        const auto closeWindow = qScopeGuard([window] { window->close(); });
        QVERIFY(WaitIdle(*window));
        QTreeWidget *list = window->tablePanel->listView;
        for (int r = 0; r < list->topLevelItemCount(); ++r)
            if (list->topLevelItem(r)->isSelected())
                selected.append(list->topLevelItem(r)->text(0));
        editable = window->Body()->buttonBar->setButton->isEnabled();
    });
    emit port(5)->customContextMenuRequested(QPoint(1, 1));
    QMenu *menu = form->PortInfoPopupMenu();
    menu->close();
    menu->findChild<QAction *>("PortConfiguration")->trigger();
    QCOMPARE(selected, (QStringList {"3", "5", "9"}));
    QVERIFY(editable);
    QCOMPARE(pressed(), (QList<int> {3, 5, 9}));

    QTest::mouseClick(port(7), Qt::LeftButton);
    QCOMPARE(pressed(), QList<int> {7});
}

// The module runs SNMPv3 with pass phrases and communities of its own, one
// holding "/", one holding blanks; a view opened from the menu shows the
// simulator's rows, and no process the module started, nor any file, holds
// a secret.
void TstMainForm::viewFromTheMenuSeesNoSecretOnAnyCommandLine()
{
    const QList<QByteArray> secrets {
        "x/vault99", "priv pass/Iate9", "read/Rcomm", "write comm unity"};
    const QDateTime since = QDateTime::currentDateTime().addSecs(-2);
    QFile cfg(m_dir.filePath("conf/127.0.0.1.cfg"));
    QVERIFY(cfg.open(QIODevice::WriteOnly));
    cfg.write(QStringLiteral("[Program Information]\nAgentPort=%1\nVersion=3\nSecurityModel=3\n"
                             "SecurityLevel=2\nSecurityName=phraseuser\nAuthProtocol=2\n"
                             "PrivProtocol=3\nAuthPassword=x/vault99\n"
                             "PrivPassword=priv pass/Iate9\n")
                  .arg(m_sim->port())
                  .toUtf8());
    cfg.close();
    // The view programs are in the directory the store names; the test
    // program's own holds none.
    const QString store = m_dir.filePath("views.ini");
    QFile f(store);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("[\\SOFTWARE\\Corvane\\Vantrel5.1\\MibFile]\nPath=%1/\n"
                           "[\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App "
                           "Paths\\vantrel51.exe]\nPath=%2/\n")
                .arg(m_dir.filePath("conf"), qEnvironmentVariable("TRV_BIN_DIR"))
                .toUtf8());
    f.close();
    const QString report = m_dir.filePath("view-report.txt");
    QFile::remove(report);
    qputenv("TRV_REGISTRY", store.toLocal8Bit());
    qputenv("TRV_VIEW_REPORT", report.toLocal8Bit());
    qint64 view = 0;
    const auto restore = qScopeGuard([&] {
        qputenv("TRV_REGISTRY", m_dir.filePath("registry.ini").toLocal8Bit());
        qunsetenv("TRV_VIEW_REPORT");
        writeConfig(m_sim->port());
        if (view > 0)
            ::kill(pid_t(view), SIGTERM);
    });
    const QMap<qint64, QByteArray> before = commandLines();

    auto form = std::make_unique<TMainForm>(
        QStringList {"/I127.0.0.1", "/Rread/Rcomm", "/Wwrite comm unity"});
    QCOMPARE(SessionDefaults().security.version, quint8(3));
    QAction *counters
        = FindMenuAction(form->menuWidget(), {"Basic Configuration", "MIB II", "IF Counters"});
    QVERIFY(counters);
    counters->trigger();

    // The view reports each poll of its window.
    QByteArray shown;
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        QFile r(report);
        if (r.open(QIODevice::ReadOnly))
            shown = r.readAll();
        if (!shown.isEmpty())
            loop.quit();
    });
    check.start(100);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    // The stack's 50 and 24 ports.
    QVERIFY2(shown.startsWith("MIB_IFCounters\tifTable counters\t74\n"), shown.constData());

    const QMap<qint64, QByteArray> after = commandLines();
    QStringList leaks;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        for (const QByteArray &secret : secrets)
            if (it->contains(secret))
                leaks.append(QString::number(it.key()));
        if (!before.contains(it.key()) && it->contains("/TMIB_IFCounters"))
            view = it.key();
    }
    QCOMPARE(leaks, QStringList());
    QVERIFY(view > 0);
    const QList<QByteArray> arguments = after.value(view).split('\0');
    QCOMPARE(arguments.value(0), qEnvironmentVariable("TRV_BIN_DIR").toLocal8Bit() + "/MIB");
    // The view is told the module's process, to end with it.
    QCOMPARE(arguments.mid(1),
        QList<QByteArray>({"/TMIB_IFCounters", "--session-on-stdin",
            "--end-with=" + ProcessIdentity::Self().ToText().toLatin1(), ""}));
    // Nor does its environment hold one.
    QFile environment(QString("/proc/%1/environ").arg(view));
    QVERIFY(environment.open(QIODevice::ReadOnly));
    const QByteArray env = environment.readAll();
    for (const QByteArray &secret : secrets)
        QVERIFY(!env.contains(secret));
    // No file holds a secret but the switch's configuration file.
    QStringList files = filesHolding(m_dir.path(), since, secrets);
    files.removeAll(cfg.fileName());
    QCOMPARE(files, QStringList());
}

// Ctrl+K, words of the menu path, Enter: the command's own menu action
// runs, so "static table" opens the VLAN Static Form. A disabled command
// (an RMON view while RMON is off) is listed and refused; the menu keeps
// its items.
void TstMainForm::commandFinderRunsTheMenuItem()
{
    RegisterHandLaidWindows();
    setRmonState(2);
    const auto restore = qScopeGuard([this] { setRmonState(3); });
    auto form = start();
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_K, Qt::ControlModifier);
    auto *finder = form->findChild<QWidget *>("CommandFinder");
    QVERIFY(finder);
    QTRY_VERIFY(finder->isVisible());
    auto *edit = finder->findChild<QLineEdit *>("CommandFinderEdit");
    auto *list = finder->findChild<QListWidget *>("CommandFinderList");
    QVERIFY(edit && list);
    QVERIFY(!edit->accessibleName().isEmpty() && !list->accessibleName().isEmpty());

    QAction *statistics = FindMenuAction(form->menuWidget(), {"RMON", "Statistics"});
    QVERIFY(statistics && !statistics->isEnabled());
    QTest::keyClicks(edit, "rmon");
    QCOMPARE(list->currentItem()->text(), QString("RMON > RMON Control"));
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(list->currentItem()->text(), QString("RMON > Statistics"));
    QSignalSpy triggered(statistics, &QAction::triggered);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::qWait(50);
    QCOMPARE(triggered.count(), 0);
    QVERIFY(finder->isVisible());

    edit->clear();
    QTest::keyClicks(edit, "static table");
    QCOMPARE(list->currentItem()->text(), QString("VLAN > 802.1Q > 802.1Q VLAN > Static Table"));
    QString caption;
    QTimer watch;
    watch.setInterval(20);
    connect(&watch, &QTimer::timeout, [&] {
        const QPointer<TVlanStaticForm> window = HandLaidWindows::Instance<TVlanStaticForm>();
        if (!window || !window->Created() || window->AnyBusy())
            return;
        caption = window->windowTitle();
        window->close();
    });
    watch.start();
    QTest::keyClick(edit, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!caption.isEmpty(), 20000);
    QCOMPARE(caption, QString("VLAN Static Form"));
    QVERIFY(!finder->isVisible());
    QTRY_VERIFY(!HandLaidWindows::Instance<TVlanStaticForm>());
    QStringList lines;
    for (QAction *top : form->menuWidget()->actions()) {
        lines.append(top->text());
        walk(top->menu(), 1, lines);
    }
    QCOMPARE(lines.join('\n'), QString::fromUtf8(expectedMenu));
}

QTEST_MAIN(TstMainForm)
#include "tst_mainform.moc"
