// Stack discovery against the simulator and against a fake agent whose unit
// table holds rows the simulator never reports.

#include "CvSNMPRequest2Leds.h"
#include "CvSNMPSession.h"
#include "FakeAgent.h"
#include "FakeMainWindow.h"
#include "PortButton.h"
#include "SimulatorProcess.h"
#include "StackDiscovery.h"
#include "TPanelForm.h"
#include "UnitTableAgent.h"
#include "UnitTableBinding.h"

#include <QContextMenuEvent>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using Unit = UnitTableAgent::Unit;
Q_DECLARE_METATYPE(QList<Unit>)

namespace {

Unit unit(quint32 id, const QString &model, int ports = 24, bool exists = true)
{
    Unit u;
    u.id = id;
    u.model = model;
    u.ports = ports;
    u.exists = exists;
    return u;
}

QStringList classNames(const QList<QWidget *> &panels)
{
    QStringList names;
    for (const QWidget *panel : panels)
        names.append(QString::fromLatin1(panel->metaObject()->className()));
    return names;
}

QList<int> tagsOf(const QList<QAbstractButton *> &buttons)
{
    QList<int> tags;
    for (const QAbstractButton *b : buttons)
        tags.append(PortNumberOf(b));
    return tags;
}

QList<int> unitNumbers(const QList<QWidget *> &panels)
{
    QList<int> units;
    for (QWidget *panel : panels)
        units.append(static_cast<TPanelForm *>(panel)->UnitNumber());
    return units;
}

// Units first to last, each of model.
QList<Unit> units(quint32 first, quint32 last, const QString &model = QStringLiteral("TRV-8170QL"))
{
    QList<Unit> list;
    for (quint32 id = first; id <= last; ++id)
        list.append(unit(id, model));
    return list;
}

QList<int> range(int first, int last)
{
    QList<int> numbers;
    for (int n = first; n <= last; ++n)
        numbers.append(n);
    return numbers;
}

// A right click on the button as the toolkit delivers it.
void rightClick(QAbstractButton *button)
{
    QContextMenuEvent event(
        QContextMenuEvent::Mouse, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(button, &event);
}

} // namespace

class TstDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void twoUnitsFromTheSimulator();
    void unitRows_data();
    void unitRows();
    void agentThatDoesNotAnswer();
    void refusedUnitWalk_data();
    void refusedUnitWalk();
    void unitTableOutsideTheStack_data();
    void unitTableOutsideTheStack();
    void addressThatDoesNotResolve_data();
    void addressThatDoesNotResolve();
    void captionThatIsNoNumber();

private:
    void useAgent(quint16 port);

    QTemporaryDir m_dir;
    std::unique_ptr<SimulatorProcess> m_sim;
    UnitTableAgent m_agent;
};

void TstDiscovery::initTestCase()
{
    StartSession(m_dir.path());
    m_sim
        = std::make_unique<SimulatorProcess>(QStringList {"--stack", "1:TRV-8170QL,2:TRM6140QL*"});
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
}

void TstDiscovery::init()
{
    SessionDefaults() = InitialSessionDefaults();
    SessionDefaults().security.version = 1;
    m_agent.setFailing(false);
}

void TstDiscovery::useAgent(quint16 port)
{
    SessionDefaults().device.address = QStringLiteral("127.0.0.1");
    SessionDefaults().device.port = port;
}

void TstDiscovery::twoUnitsFromTheSimulator()
{
    useAgent(m_sim->port());
    FakeMainWindow main;
    DiscoverStack(main);

    QCOMPARE(main.window.windowTitle(), QStringLiteral("127.0.0.1"));
    QCOMPARE(main.unitList->topLevelItemCount(), 2);
    QCOMPARE(classNames(main.panels), QStringList({"TPanelTRV8170QLForm", "TPanelTRM6140QLForm"}));
    QCOMPARE(main.panels.at(0)->geometry(), QRect(0, 0, 780, 89));
    QCOMPARE(main.panels.at(1)->geometry(), QRect(0, 92, 780, 89));
    QCOMPARE(main.window.height(), 249);
    QCOMPARE(main.window.width(), 792);
    // The scroll box's content holds both panels.
    QVERIFY(main.panelParent->rect().contains(main.panels.at(1)->geometry()));
    QCOMPARE(main.modelNames.size(), 10);
    QCOMPARE(main.rmonReads, 1);

    QCOMPARE(tagsOf(main.portButtons), range(1, 48) + range(65, 88));
    QCOMPARE(main.portButtons.first()->objectName(), QStringLiteral("SpeedButton1"));
    QCOMPARE(main.portButtons.last()->parent(), main.panels.at(1));

    // Each panel reads its own unit's LEDs and shows its own badge.
    auto *second = static_cast<TPanelForm *>(main.panels.at(1));
    QCOMPARE(second->LedBinding()->request.varList.instance, QStringLiteral("2"));
    const auto *badge = second->findChild<QLabel *>(QStringLiteral("StackImage"));
    QVERIFY(badge);
    QCOMPARE(badge->pixmap().toImage(), main.badges.at(1).toImage());

    // The port menu opens on the button clicked.
    QAbstractButton *button = main.portButtons.at(60);
    rightClick(button);
    QTRY_VERIFY(main.menu->isVisible());
    QCOMPARE(PopupComponent(main.menu), button);
    main.menu->hide();
}

void TstDiscovery::unitRows_data()
{
    QTest::addColumn<QList<Unit>>("units");
    QTest::addColumn<QStringList>("classes");
    QTest::addColumn<QList<int>>("ports"); // the tags of all port buttons
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("width");

    QTest::newRow("a not-exist row ends the stack")
        << QList<Unit> {unit(1, "TRV-8170QL", 50), unit(2, "TRV-8170QL", 50, false),
               unit(3, "TRV-8140QL", 26)}
        << QStringList {"TPanelTRV8170QLForm"} << range(1, 48) << 89 + 68 << 792;
    QTest::newRow("unit 3 on a 48-port panel")
        << QList<Unit> {unit(3, "TRV8170QL", 50)} << QStringList {"TPanelTRV8170QLForm"}
        << range(129, 176) << 89 + 68 << 792;
    QTest::newRow("models without a window of their own")
        << QList<Unit> {unit(1, "TRV-8170QL ", 50), unit(2, "trv-8170ql", 24),
               unit(3, "TRM-6140QL", 26), unit(4, "TRV8140PQL", 26)}
        << QStringList {"TPanelGenericForm", "TPanelGenericForm", "TPanelGenericForm",
               "TPanelTRV8140PQLForm"}
        << range(1, 50) + range(65, 88) + range(129, 154) + range(193, 216) << 3 * 92 + 89 + 68
        << 792;
    QTest::newRow("every model of the table")
        << QList<Unit> {unit(1, "TRV-8140PQL"), unit(2, "TRM-6140QLI"), unit(3, "TRM-6140QL*"),
               unit(4, "TRM6140QL"), unit(5, "TRV-8140QL")}
        << QStringList {"TPanelTRV8140PQLForm", "TPanelTRM6140QLiForm", "TPanelTRM6140QLForm",
               "TPanelTRM6140QLForm", "TPanelTRV8140PQLForm"}
        << range(1, 24) + range(65, 88) + range(129, 152) + range(193, 216) + range(257, 280)
        << 4 * 92 + 89 + 68 << 792;
    QTest::newRow("a unit without ports")
        << QList<Unit> {unit(1, "XR-100", 0)} << QStringList {"TPanelGenericForm"} << QList<int> {}
        << 89 + 68 << 792;
    // 32 columns do not fit into 780 pixels: the window widens to the panel.
    QTest::newRow("a 64-port unit")
        << QList<Unit> {unit(1, "XR-6400", 64), unit(2, "TRV-8170QL", 50)}
        << QStringList {"TPanelGenericForm", "TPanelTRV8170QLForm"} << range(1, 112) << 92 + 89 + 68
        << 96 + 31 * 26 + 23 + 6 + 10;
}

void TstDiscovery::unitRows()
{
    QFETCH(QList<Unit>, units);
    QFETCH(QStringList, classes);
    QFETCH(QList<int>, ports);
    QFETCH(int, height);
    QFETCH(int, width);

    m_agent.setUnits(units);
    useAgent(m_agent.port());
    FakeMainWindow main;
    DiscoverStack(main);

    QCOMPARE(classNames(main.panels), classes);
    QCOMPARE(tagsOf(main.portButtons), ports);
    QCOMPARE(main.window.height(), height);
    QCOMPARE(main.window.width(), width);
    for (int k = 0; k < main.panels.size(); ++k) {
        auto *panel = static_cast<TPanelForm *>(main.panels.at(k));
        QCOMPARE(panel->y(), 92 * k);
        QCOMPARE(panel->UnitNumber(), int(units.at(k).id));
        // A panel of no model of its own is named after the unit's model.
        if (classes.at(k) == QLatin1String("TPanelGenericForm"))
            QCOMPARE(panel->windowTitle(), units.at(k).model);
    }
    // The menu is attached after the loop, also when it stopped early.
    if (!main.portButtons.isEmpty()) {
        rightClick(main.portButtons.last());
        QTRY_VERIFY(main.menu->isVisible());
        QCOMPARE(PopupComponent(main.menu), main.portButtons.last());
        main.menu->hide();
    }
    QCOMPARE(main.rmonReads, 1);
    QVERIFY(main.note->isHidden());
}

void TstDiscovery::agentThatDoesNotAnswer()
{
    useAgent(SimulatorProcess::silentPort());
    SessionDefaults().timeout = 20;
    FakeMainWindow main;
    DiscoverStack(main);

    QVERIFY2(main.status->text().startsWith("Get: (SNMPClass) SNMP request timed out!"),
        qPrintable(main.status->text()));
    QCOMPARE(main.panels.size(), 0);
    QCOMPARE(main.portButtons.size(), 0);
    QCOMPARE(main.window.height(), FakeMainWindow::StartHeight);
    QCOMPARE(main.rmonReads, 1);
}

// clang-format off
void TstDiscovery::refusedUnitWalk_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("errorIndex");
    QTest::newRow("v2c noSuchName") << 1 << 1;
    QTest::newRow("v1 noSuchName naming no binding") << 0 << 99;
}
// clang-format on

// An agent that refuses every step is no empty stack.
void TstDiscovery::refusedUnitWalk()
{
    QFETCH(int, version);
    QFETCH(int, errorIndex);
    FakeAgent agent(FakeAgent::Mode::NoSuchName, {1, 3, 6, 1, 4, 1, 9});
    agent.setErrorIndex(errorIndex);
    useAgent(agent.port());
    SessionDefaults().security.version = quint8(version);
    // One refused get-next, not a refused get-bulk asked again row by row.
    SessionDefaults().getBulk = false;
    FakeMainWindow main;
    DiscoverStack(main);

    QVERIFY2(main.status->text().startsWith("Get: (SNMP) Variable does not exist!"),
        qPrintable(main.status->text()));
    QCOMPARE(main.panels.size(), 0);
    QCOMPARE(agent.requests(), 1);
    QCOMPARE(main.rmonReads, 1);
}

// clang-format off
void TstDiscovery::unitTableOutsideTheStack_data()
{
    QTest::addColumn<QList<Unit>>("table");
    QTest::addColumn<int>("walkFailsAfter");
    QTest::addColumn<QList<int>>("panels");
    QTest::addColumn<QString>("line"); // how the first status panel begins
    QTest::addColumn<QString>("note"); // the rows left out, in the note panel
    QTest::addColumn<int>("steps"); // get-next requests at most

    const QString ok = QStringLiteral("Get: (CvSNMP++) Ok!");
    QTest::newRow("units 0, 13 and 4294967295")
        << QList<Unit> {unit(0, "TRV-8170QL"), unit(1, "TRV-8170QL"), unit(2, "TRM6140QL*"),
               unit(13, "TRV-8170QL"), unit(4294967295u, "TRV-8170QL")}
        << -1 << QList<int> {1, 2} << ok
        << "Units outside 1 to 12 left out: 0, 13 (the table was read no further)." << 4;
    QTest::newRow("unit 4294967295 is no unit -1")
        << QList<Unit> {unit(3, "TRV-8170QL"), unit(4294967295u, "TRV-8170QL")} << -1
        << QList<int> {3} << ok
        << "Units outside 1 to 12 left out: 4294967295 (the table was read no further)." << 2;
    QTest::newRow("a few thousand units")
        << units(1, 3000) << -1 << range(1, 12) << ok
        << "Units outside 1 to 12 left out: 13 (the table was read no further)." << 13;
    QTest::newRow("a unit table that never passes a unit")
        << QList<Unit> {Unit {5, true, "TRV-8170QL", 50, QByteArray(108, '\x03'), 5000}} << -1
        << QList<int> {5} << ok
        << "31 more rows of units already read left out (units 5). The unit table was read no "
           "further than its first 32 rows." << UnitTableBinding::MaxRows;
    QTest::newRow("a failure after a row left out")
        << units(0, 4) << 2 << QList<int> {1}
        << "Get: (SNMP) Cannot perform operation, General Error!"
        << "Units outside 1 to 12 left out: 0." << 3;
}
// clang-format on

// A stack has units 1 to 12: rows of other units get no panel and no LED
// poll, the walk goes no further than the stack, and a status panel of its
// own says what was left out beside the walk's own result.
void TstDiscovery::unitTableOutsideTheStack()
{
    QFETCH(QList<Unit>, table);
    QFETCH(int, walkFailsAfter);
    QFETCH(QList<int>, panels);
    QFETCH(QString, line);
    QFETCH(QString, note);
    QFETCH(int, steps);

    UnitTableAgent agent;
    agent.setUnits(table);
    agent.setFailingWalkAfter(walkFailsAfter);
    useAgent(agent.port());
    // The scripted agent counts and fails get-next steps, one row each.
    SessionDefaults().getBulk = false;
    FakeMainWindow main;
    // The panels' LED reads write their own lines there next.
    QString walkLine;
    main.onBinding = [&main, &walkLine](CvSNMPRequest2Edits *binding) {
        QObject::connect(binding, &CvSNMPRequest2Controls::OnReadDone, binding,
            [&main, &walkLine] { walkLine = main.status->text(); });
    };
    DiscoverStack(main);

    QCOMPARE(unitNumbers(main.panels), panels);
    QCOMPARE(main.unitList->topLevelItemCount(), panels.size());
    QVERIFY2(walkLine.startsWith(line), qPrintable(walkLine));
    QCOMPARE(main.note->text(), note);
    QVERIFY(!main.note->isHidden());
    QVERIFY2(
        agent.getNextRequests() <= steps, qPrintable(QString::number(agent.getNextRequests())));
    QCOMPARE(main.rmonReads, 1);

    // The port grids read the list again when it is empty: the units of
    // the stack, no other row.
    agent.setFailingWalkAfter(-1);
    main.unitList->clear();
    QVERIFY(main.UnitListBinding()->Read());
    QTRY_VERIFY_WITH_TIMEOUT(!main.UnitListBinding()->IsBusy(), 10000);
    QStringList inStack;
    for (const Unit &u : std::as_const(table))
        if (u.id >= 1 && u.id <= 12)
            inStack.append(QString::number(u.id));
    QStringList listed;
    for (int r = 0; r < main.unitList->topLevelItemCount(); ++r)
        listed.append(main.unitList->topLevelItem(r)->text(0));
    QCOMPARE(listed, inStack);
}

void TstDiscovery::addressThatDoesNotResolve_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("empty, refused at once") << QString();
    // Looked up without blocking: the walk has started when it fails.
    QTest::newRow("host name that does not resolve") << QStringLiteral("no-such-switch.invalid");
}

void TstDiscovery::addressThatDoesNotResolve()
{
    QFETCH(QString, address);
    useAgent(m_agent.port());
    SessionDefaults().device.address = address;
    FakeMainWindow main;
    main.agentAddress = address;
    DiscoverStack(main);

    QCOMPARE(main.status->text(), QString::fromLatin1(UnitInformationFailed));
    QCOMPARE(main.panels.size(), 0);
    QCOMPARE(main.window.height(), FakeMainWindow::StartHeight);
    QCOMPARE(main.rmonReads, 1);
}

// Unit ids decode from the instance as numbers; a caption that is not one
// can only come from a list another reader changed, so the test changes it
// as the read ends.
void TstDiscovery::captionThatIsNoNumber()
{
    m_agent.setUnits(
        {unit(1, "TRV-8170QL", 50), unit(2, "TRV-8170QL", 50), unit(3, "TRV-8170QL", 50)});
    useAgent(m_agent.port());
    FakeMainWindow main;
    main.onBinding = [&main](CvSNMPRequest2Edits *binding) {
        QObject::connect(binding, &CvSNMPRequest2Controls::OnReadDone, binding,
            [&main] { main.unitList->topLevelItem(1)->setText(0, QStringLiteral("2x")); });
    };
    DiscoverStack(main);

    QCOMPARE(main.panels.size(), 1);
    QCOMPARE(main.status->text(), QStringLiteral("'2x' is not a valid integer value"));
    // No port menu, but clicks still reach the main window.
    QAbstractButton *button = main.portButtons.at(4);
    rightClick(button);
    QCoreApplication::processEvents();
    QVERIFY(!main.menu->isVisible());
    QCOMPARE(PopupComponent(main.menu), nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(main.clicks, QList<QAbstractButton *> {button});
    QCOMPARE(main.rmonReads, 1);
}

QTEST_MAIN(TstDiscovery)
#include "tst_discovery.moc"
