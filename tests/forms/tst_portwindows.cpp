// The port-group windows (mirror, trunk, segmentation, 802.3ad ports)
// opened from their menu commands against the simulator; what the agent
// holds afterwards is read with requests of the test's own.
#include "CvException.h"
#include "CvSNMPRequest2Edits.h"
#include "CvSNMPSession.h"
#include "FakeMainWindow.h"
#include "FormTesting.h"
#include "ListViews.h"
#include "PortVariables.h"
#include "SimulatorProcess.h"
#include "TAggregatorPortTableForm.h"
#include "TBridgePortTableForm.h"
#include "TPBridgeConfigForm.h"
#include "TPortMirrorForm.h"
#include "TPortTrunkForm.h"
#include "TStackingPortUitForm.h"
#include "TTrafficSegmentationForm.h"
#include "WindowTestBed.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTreeWidget>

namespace {

template <class T> T *child(QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

#define MIRROR(n) "1.3.6.1.4.1." QT_STRINGIFY(TRV_PEN) ".11.59.8.2.10." #n

QString mirrorTarget()
{
    return ReadScalar(MIRROR(1), SyntaxInteger);
}

QList<int> mirrorSources(bool ingress)
{
    return SetBits(Octets(ReadScalar(ingress ? MIRROR(2) : MIRROR(3), SyntaxOctetString)));
}

// Clicks a button and answers the message box it raises inside the click,
// if any: the text of that box, empty when there was none.
QString clickAnswering(QPushButton *button)
{
    QString text;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    poll.start();
    button->click();
    return text;
}

// Types a target and presses Set; the text of the box it raised, if any.
QString setTarget(TPortMirrorForm &w, const QString &unit, const QString &port)
{
    child<QLineEdit>(w, "UnitEdit")->setText(unit);
    child<QLineEdit>(w, "PortEdit")->setText(port);
    return clickAnswering(child<QPushButton>(w, "BT_Set"));
}

} // namespace

class TstPortWindows : public QObject, private WindowTestBed
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void mirrorWritesTargetSourcesAndState();
    void mirrorTargetMustBeAShownPort_data();
    void mirrorTargetMustBeAShownPort();
    void unitAndPortEditsTakeDigitsOnly();
    void trunkAddChecksMembersOverTheStackAndDeleteRemoves();
    void agentKeepsTrunksApart_data();
    void agentKeepsTrunksApart();
    void trunkRefreshWithARowSelectedWalksOnce();
    void segmentationWritesTheSelectedPortOnly();
    void lacpStatesShowMostSignificantBitFirst();
    void trafficClassSetWritesTheSwitchAlone();
    void bridgePortTablesRefreshAfterEveryRead_data();
    void bridgePortTablesRefreshAfterEveryRead();
};

void TstPortWindows::initTestCase()
{
    // Unit 4 puts ports above 208 into the stack.
    const QString why
        = StartBed(QStringList {"--stack", "1:TRV-8170QL,2:TRM6140QL*,3:TRV-8140QL,4:TRV-8170QL"});
    QVERIFY2(why.isEmpty(), qPrintable(why));
}

void TstPortWindows::init()
{
    ResetBed();
}

void TstPortWindows::mirrorWritesTargetSourcesAndState()
{
    RunFromMenu<TPortMirrorForm>("TPortMirrorForm", [&](TPortMirrorForm &w) {
        WAIT_IDLE(w);
        QVERIFY(w.windowTitle().startsWith("Port Mirror Table:"));
        // No source port: refused before the target is looked at.
        const int packets = AgentPackets();
        QCOMPARE(setTarget(w, "2", "5"), QString(TPortMirrorForm::SourcesEmpty));
        w.IngressGrid()->Port(1, 3)->click();
        w.EgressGrid()->Port(2, 1)->click();
        child<QCheckBox>(w, "CK_Status")->setChecked(true);
        // The target among the sources: refused, nothing sent.
        w.EgressGrid()->Port(2, 5)->click();
        QCOMPARE(setTarget(w, "2", "5"), QString(TPortMirrorForm::TargetIsSource));
        QCOMPARE(AgentPackets(), packets + 1);
        w.EgressGrid()->Port(2, 5)->click();
        QCOMPARE(setTarget(w, "2", "5"), QString());
        WAIT_IDLE(w);
    });
    QCOMPARE(mirrorTarget(), QString("69"));
    QCOMPARE(mirrorSources(true), QList<int> {2});
    QCOMPARE(mirrorSources(false), QList<int> {64});
    QCOMPARE(ReadScalar(MIRROR(4), SyntaxInteger), QString("3"));

    // Read back split as written; a Set without changes writes it again.
    RunFromMenu<TPortMirrorForm>("TPortMirrorForm", [&](TPortMirrorForm &w) {
        WAIT_IDLE(w);
        QCOMPARE(child<QLineEdit>(w, "UnitEdit")->text(), QString("2"));
        QCOMPARE(child<QLineEdit>(w, "PortEdit")->text(), QString("5"));
        QVERIFY(w.IngressGrid()->Port(1, 3)->isChecked());
        child<QPushButton>(w, "BT_Set")->click();
        WAIT_IDLE(w);
    });
    QCOMPARE(mirrorTarget(), QString("69"));

    // The agent keeps a target out of its sources even when asked directly.
    QVERIFY(!SnmpSet(*m_sim, MIRROR(1) ".0", "i", "3"));
    QCOMPARE(mirrorTarget(), QString("69"));
}

void TstPortWindows::mirrorTargetMustBeAShownPort_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("target");
    QTest::newRow("last port of unit 4") << "4"
                                         << "50"
                                         << ""
                                         << "242";
    QTest::newRow("last port of unit 2") << "2"
                                         << "24"
                                         << ""
                                         << "88";
    QTest::newRow("beyond unit 2's ports") << "2"
                                           << "25"
                                           << "PortEdit"
                                           << "";
    QTest::newRow("a unit not in the stack") << "5"
                                             << "1"
                                             << "UnitEdit"
                                             << "";
    QTest::newRow("unit 0") << "0"
                            << "1"
                            << "UnitEdit"
                            << "";
    QTest::newRow("port 0") << "1"
                            << "0"
                            << "PortEdit"
                            << "";
}

void TstPortWindows::mirrorTargetMustBeAShownPort()
{
    QFETCH(QString, unit);
    QFETCH(QString, port);
    QFETCH(QString, refusal);
    QFETCH(QString, target);
    const QString before = mirrorTarget();
    RunFromMenu<TPortMirrorForm>("TPortMirrorForm", [&](TPortMirrorForm &w) {
        WAIT_IDLE(w);
        if (!w.IngressGrid()->Port(1, 1)->isChecked())
            w.IngressGrid()->Port(1, 1)->click();
        const QString text = setTarget(w, unit, port);
        WAIT_IDLE(w);
        QCOMPARE(text, refusal.isEmpty() ? QString() : QString(TPortMirrorForm::InvalidTarget));
        if (!refusal.isEmpty())
            QCOMPARE(w.focusWidget(), child<QWidget>(w, qPrintable(refusal)));
    });
    QCOMPARE(mirrorTarget(), target.isEmpty() ? before : target);
}

// Backspace edits, letters are refused, typed or pasted.
void TstPortWindows::unitAndPortEditsTakeDigitsOnly()
{
    RunFromMenu<TPortMirrorForm>("TPortMirrorForm", [&](TPortMirrorForm &w) {
        WAIT_IDLE(w);
        for (const char *name : {"UnitEdit", "PortEdit"}) {
            auto *edit = child<QLineEdit>(w, name);
            edit->setText("12");
            edit->setFocus();
            edit->end(false);
            QTest::keyClick(edit, Qt::Key_Backspace);
            QCOMPARE(edit->text(), QString("1"));
            QTest::keyClick(edit, Qt::Key_A);
            edit->insert("x7");
            QCOMPARE(edit->text(), QString("1"));
            edit->insert("4");
            QCOMPARE(edit->text(), QString("14"));
        }
    });
}

#define TRUNK_STATE "1.3.6.1.4.1." QT_STRINGIFY(TRV_PEN) ".11.59.8.2.9.3.1.7"

QMap<QString, QStringList> trunks()
{
    return ReadTable(TrunkVars, MVT_UMV, 1);
}

// Ticks exactly the ports given of the member grid.
void tickMembers(TPortTrunkForm &w, const QList<QPair<int, int>> &ports)
{
    w.MemberGrid()->UncheckAll();
    for (const auto &[unit, port] : ports)
        w.MemberGrid()->Port(unit, port)->setChecked(true);
}

QList<QPair<int, int>> unitPorts(int unit, int first, int last)
{
    QList<QPair<int, int>> ports;
    for (int p = first; p <= last; ++p)
        ports.append({unit, p});
    return ports;
}

void TstPortWindows::trunkAddChecksMembersOverTheStackAndDeleteRemoves()
{
    const QMap<QString, QStringList> before = trunks();
    QVERIFY(before.contains("1") && !before.contains("2"));
    RunFromMenu<TPortTrunkForm>("TPortTrunkForm", [&](TPortTrunkForm &w) {
        WAIT_IDLE(w);
        QVERIFY(w.windowTitle().startsWith("Port Trunk Table :"));
        auto *list = child<QTreeWidget>(w, "LV_PortTrunk");
        QCOMPARE(list->topLevelItemCount(), 1);
        auto *add = child<QPushButton>(w, "BT_Set");
        child<QLineEdit>(w, "ED_Index")->setText("2");
        child<QLineEdit>(w, "ED_Name")->setText("backup");
        child<QLineEdit>(w, "UnitEdit")->setText("1");
        child<QLineEdit>(w, "PortEdit")->setText("3");
        child<QComboBox>(w, "Combo_Type")->setCurrentText("static");

        // Nine members of unit 1, or eight there and one on unit 2: refused
        // before anything is sent, the ninth in port order unticked.
        const QList<QList<QPair<int, int>>> nines {unitPorts(1, 3, 11),
            unitPorts(1, 3, 10) + unitPorts(2, 1, 1), unitPorts(1, 3, 7) + unitPorts(2, 1, 4)};
        for (const QList<QPair<int, int>> &nine : nines) {
            tickMembers(w, nine);
            const int packets = AgentPackets();
            QCOMPARE(clickAnswering(add), QString(TPortTrunkForm::OverEight));
            QCOMPARE(AgentPackets(), packets + 1);
            QVERIFY(!w.MemberGrid()->Port(nine.last().first, nine.last().second)->isChecked());
        }
        tickMembers(w, {{1, 4}, {1, 5}});
        QCOMPARE(clickAnswering(add), QString(TPortTrunkForm::MasterUnchecked));
        tickMembers(w, unitPorts(1, 3, 5));
        QCOMPARE(clickAnswering(add), QString());
        WAIT_IDLE(w);
        QCOMPARE(list->topLevelItemCount(), 2);
        QVERIFY(child<QLineEdit>(w, "ED_Index")->isEnabled());

        // Ports beyond 208 are ports like the others.
        child<QLineEdit>(w, "ED_Index")->setText("3");
        child<QLineEdit>(w, "UnitEdit")->setText("4");
        child<QLineEdit>(w, "PortEdit")->setText("49");
        tickMembers(w, unitPorts(4, 49, 50));
        QCOMPARE(clickAnswering(add), QString());
        WAIT_IDLE(w);
        QCOMPARE(list->topLevelItemCount(), 3);
    });
    QMap<QString, QStringList> after = trunks();
    QCOMPARE(after.value("1"), before.value("1"));
    const QStringList row = after.value("2");
    QCOMPARE(row.value(Trunk::Name), QString("backup"));
    QCOMPARE(row.value(Trunk::Master), QString("3"));
    QCOMPARE(SetBits(Octets(row.value(Trunk::Members))), (QList<int> {2, 3, 4}));
    QCOMPARE(row.value(Trunk::State), QString("enable"));
    QCOMPARE(after.value("3").value(Trunk::Master), QString("241"));
    QCOMPARE(SetBits(Octets(after.value("3").value(Trunk::Members))), (QList<int> {240, 241}));

    // A selected group shows its master split and its state; Set writes
    // the state chosen, Delete takes the group away.
    RunFromMenu<TPortTrunkForm>("TPortTrunkForm", [&](TPortTrunkForm &w) {
        WAIT_IDLE(w);
        auto *list = child<QTreeWidget>(w, "LV_PortTrunk");
        auto *state = child<QComboBox>(w, "ComboBox1");
        for (const QString &next : {"disable", "enable"}) {
            ClickRow(list, RowWithCaption(list, "1"));
            QCOMPARE(child<QLineEdit>(w, "UnitEdit")->text(), QString("1"));
            QCOMPARE(child<QLineEdit>(w, "PortEdit")->text(), QString("41"));
            QCOMPARE(state->currentText(), QString(next == "enable" ? "disable" : "enable"));
            state->setCurrentText(next);
            QCOMPARE(clickAnswering(child<QPushButton>(w, "SetBtn")), QString());
            WAIT_IDLE(w);
            QCOMPARE(trunks().value("1").value(Trunk::State), next);
        }
        ClickRow(list, list->topLevelItem(1));
        QVERIFY(!child<QLineEdit>(w, "ED_Index")->isEnabled());
        QCOMPARE(child<QLineEdit>(w, "ED_Index")->text(), QString("2"));
        QCOMPARE(child<QLineEdit>(w, "PortEdit")->text(), QString("3"));
        QCOMPARE(child<QComboBox>(w, "ComboBox1")->currentText(), QString("enable"));
        QCOMPARE(clickAnswering(child<QPushButton>(w, "BT_Delete")), QString());
        WAIT_IDLE(w);
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(child<QLineEdit>(w, "ED_Index")->text(), QString());
        ClickRow(list, RowWithCaption(list, "3"));
        QCOMPARE(child<QLineEdit>(w, "UnitEdit")->text(), QString("4"));
        QCOMPARE(clickAnswering(child<QPushButton>(w, "BT_Delete")), QString());
        WAIT_IDLE(w);
        QCOMPARE(list->topLevelItemCount(), 1);
    });
    after = trunks();
    QVERIFY(!after.contains("2") && !after.contains("3"));
    QCOMPARE(after.value("1"), before.value("1"));
}

// Creates a trunk with a request of the test's own, as any manager could:
// true when the agent took it.
bool agentCreatesTrunk(int index, int master, const QList<int> &boxes)
{
    QByteArray octets(TStackingPortUitForm::PortListOctets, '\0');
    for (int box : boxes)
        octets[box / 8] = char(octets.at(box / 8) | (0x80 >> box % 8));
    CvSNMPRequest request;
    request.SetVarList(TrunkVars, MVT_UMV, 1);
    CvSNMPVarList &vars = request.varList;
    vars.Var(Trunk::Index).value = QString::number(index);
    vars.Var(Trunk::Master).value = QString::number(master);
    vars.Var(Trunk::Members).value = QString::fromLatin1(octets.toHex().toUpper());
    vars.Var(Trunk::Type).value = "static";
    vars.Var(Trunk::State).value = "createAndGo";
    try {
        request.Set(false);
        return true;
    } catch (const CvException &) {
        return false;
    }
}

void TstPortWindows::agentKeepsTrunksApart_data()
{
    QTest::addColumn<int>("master");
    QTest::addColumn<QList<int>>("boxes");
    QTest::addColumn<bool>("taken");
    QTest::newRow("two members") << 3 << QList<int> {2, 3} << true;
    QTest::newRow("eight members") << 3 << QList<int> {2, 3, 4, 5, 6, 7, 8, 9} << true;
    QTest::newRow("nine members") << 3 << QList<int> {2, 3, 4, 5, 6, 7, 8, 9, 10} << false;
    QTest::newRow("one member") << 3 << QList<int> {2} << false;
    QTest::newRow("master not a member") << 5 << QList<int> {2, 3} << false;
    QTest::newRow("a member of trunk 1") << 3 << QList<int> {2, 43} << false;
    QTest::newRow("beyond unit 2's ports") << 3 << QList<int> {2, 64 + 24} << false;
    QTest::newRow("a unit not in the stack") << 3 << QList<int> {2, 4 * 64} << false;
}

// Whatever sends them, the agent refuses trunks it could not run and
// leaves its table as it was.
void TstPortWindows::agentKeepsTrunksApart()
{
    QFETCH(int, master);
    QFETCH(QList<int>, boxes);
    QFETCH(bool, taken);
    const QMap<QString, QStringList> before = trunks();
    QCOMPARE(agentCreatesTrunk(5, master, boxes), taken);
    const QMap<QString, QStringList> after = trunks();
    if (!taken) {
        QCOMPARE(after, before);
        return;
    }
    QCOMPARE(SetBits(Octets(after.value("5").value(Trunk::Members))), boxes);
    QCOMPARE(after.value("5").value(Trunk::Flooding), QString::number(master));
    QVERIFY(SnmpSet(*m_sim, TRUNK_STATE ".5", "i", "6"));
    QCOMPARE(trunks(), before);
}

// On a slow agent, Refresh with a row selected walks the table once, as
// with none selected, and the list holds every trunk when it is done.
void TstPortWindows::trunkRefreshWithARowSelectedWalksOnce()
{
    SimulatorProcess slow({"--stack", "1:TRV-8170QL,2:TRM6140QL*", "--delay-ms", "150"});
    QVERIFY2(slow.isReady(), qPrintable(slow.errorText()));
    PointSessionAt(slow);
    BindUnitList(m_main);
    const auto back = qScopeGuard([this] { ResetBed(); });
    QVERIFY(agentCreatesTrunk(5, 3, {2, 3}));
    // snmpInPkts, the count's own read included each time.
    const auto packets = [] { return ReadScalar("1.3.6.1.2.1.11.1", SyntaxCounter).toInt(); };
    RunFromMenu<TPortTrunkForm>("TPortTrunkForm", [&](TPortTrunkForm &w) {
        WAIT_IDLE(w);
        auto *list = child<QTreeWidget>(w, "LV_PortTrunk");
        auto *refresh = child<QPushButton>(w, "BT_Get");
        QCOMPARE(list->topLevelItemCount(), 2);
        int before = packets();
        refresh->click();
        WAIT_IDLE(w);
        const int walk = packets() - before;
        QVERIFY(walk > 0);
        for (const char *trunk : {"1", "5"}) {
            ClickRow(list, RowWithCaption(list, trunk));
            QVERIFY(!child<QLineEdit>(w, "ED_Index")->isEnabled());
            before = packets();
            refresh->click();
            WAIT_IDLE(w);
            QCOMPARE(packets() - before, walk);
            QCOMPARE(list->topLevelItemCount(), 2);
        }
    });
}

QList<int> forwardPorts(const QString &port)
{
    return SetBits(Octets(
        ReadTable(SegmentationVars, MVT_UMV, 1).value(port).value(Segmentation::ForwardPorts)));
}

void TstPortWindows::segmentationWritesTheSelectedPortOnly()
{
    const QList<int> before = forwardPorts("2");
    QVERIFY(before.contains(4));
    RunFromMenu<TTrafficSegmentationForm>(
        "TTrafficSegmentationForm", [&](TTrafficSegmentationForm &w) {
            WAIT_IDLE(w);
            auto *list = child<QTreeWidget>(w, "LV_TrafficForward");
            auto *set = child<QPushButton>(w, "BT_Set");
            // Nothing selected yet: Set sends nothing.
            int packets = AgentPackets();
            QCOMPARE(clickAnswering(set), QString());
            QCOMPARE(AgentPackets(), packets + 1);

            ClickRow(list, list->topLevelItem(1));
            QCOMPARE(child<QLineEdit>(w, "Combo_Unit")->text(), QString("1"));
            QCOMPARE(child<QLineEdit>(w, "Combo_Port")->text(), QString("2"));
            w.ForwardGrid()->Port(1, 5)->click();
            QCOMPARE(clickAnswering(set), QString());
            WAIT_IDLE(w);

            // While the list is read again, Refresh and Set wait; Stop ends
            // the walk and Refresh runs again.
            auto *refresh = child<QPushButton>(w, "BT_Get");
            for (QPushButton *button : {refresh, set}) {
                refresh->click();
                QVERIFY(w.AnyBusy());
                QCOMPARE(clickAnswering(button), QString(TTrafficSegmentationForm::NotComplete));
                child<QPushButton>(w, "StopBtn")->click();
                WAIT_IDLE(w);
            }
            QCOMPARE(clickAnswering(refresh), QString());
            WAIT_IDLE(w);
            // The port shown before Refresh is not written to.
            packets = AgentPackets();
            QCOMPARE(clickAnswering(set), QString());
            QCOMPARE(AgentPackets(), packets + 1);
        });
    QList<int> expected = before;
    expected.removeAll(4);
    QCOMPARE(forwardPorts("2"), expected);
    QCOMPARE(forwardPorts("3"), before);
}

// Port 1/1's state octets, as the agent has them, tick the boxes of their
// set bits: bit 0 (0x80) is the first box of each tab.
void TstPortWindows::lacpStatesShowMostSignificantBitFirst()
{
    const QStringList row = ReadTable(LacpPortVars, MVT_FMV, 1).value("1");
    QList<int> expected;
    for (int tab = 0; tab < 4; ++tab)
        for (int bit : SetBits(Octets(row.value(LacpPort::ActorAdminState + tab))))
            expected.append(tab * 8 + bit);
    QCOMPARE(expected.size(), 2 + 5 + 2 + 5);
    RunFromMenu<TAggregatorPortTableForm>(
        "TAggregatorPortTableForm", [&](TAggregatorPortTableForm &w) {
            WAIT_IDLE(w);
            QVERIFY(child<QPushButton>(w, "GetBtn")->isEnabled());
            auto *list = child<QTreeWidget>(w, "ListView1");
            list->setCurrentItem(list->topLevelItem(0));
            QList<int> ticked;
            for (int k = 0; k < w.StateBoxes().size(); ++k)
                if (w.StateBoxes().at(k)->isChecked())
                    ticked.append(k);
            QCOMPARE(ticked, expected);
            QCOMPARE(w.StateBoxes().at(0)->text(), QString("lacpActivity"));
        });
}

#define EXT_BASE(n) "1.3.6.1.2.1.17.6.1.1." #n

// Set sends the traffic-class switch and nothing else: the capabilities
// are read-only and are not read again by it.
void TstPortWindows::trafficClassSetWritesTheSwitchAlone()
{
    QCOMPARE(ReadScalar(EXT_BASE(2), SyntaxInteger), QString("1"));
    RunFromMenu<TPBridgeConfigForm>("TPBridgeConfigForm", [&](TPBridgeConfigForm &w) {
        WAIT_IDLE(w);
        QCOMPARE(w.windowTitle(), QString("802.1P Basic Configure"));
        QCOMPARE(child<QLabel>(w, "Edit_DeviceCapabilities")->text(), QString("F2"));
        auto *state = child<QComboBox>(w, "TrafficClassesState");
        QCOMPARE(state->currentText(), QString("true"));
        state->setCurrentText("false");
        const int packets = AgentPackets();
        child<QPushButton>(w, "BT_Set")->click();
        WAIT_IDLE(w);
        QCOMPARE(AgentPackets(), packets + 2);
    });
    QCOMPARE(ReadScalar(EXT_BASE(2), SyntaxInteger), QString("2"));
    QCOMPARE(ReadScalar(EXT_BASE(1), SyntaxOctetString), QString("F2"));
}

void TstPortWindows::bridgePortTablesRefreshAfterEveryRead_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("listName");
    QTest::addColumn<QString>("firstRow");
    QTest::newRow("GARP") << "TGARPForm"
                          << "LV_dot1dPortGarpEntry"
                          << "1,20,60,1000";
    QTest::newRow("capabilities") << "TPortCapabilities8021dForm"
                                  << "LV_dot1dPortCapabilitiesEntry"
                                  << "1,E0";
}

// Refresh reads the table again after a read that ended well, twice in a
// row, and after one that failed.
void TstPortWindows::bridgePortTablesRefreshAfterEveryRead()
{
    QFETCH(QString, className);
    QFETCH(QString, listName);
    QFETCH(QString, firstRow);
    QPointer<TBridgePortTableForm> opened;
    const auto body = [&](TBridgePortTableForm *w) {
        WAIT_IDLE(*w);
        auto *list = child<QTreeWidget>(*w, qPrintable(listName));
        auto *memo = child<QPlainTextEdit>(*w, "Memo1");
        auto *refresh = child<QPushButton>(*w, "RefreshBtn");
        const int rows = list->topLevelItemCount();
        QCOMPARE(rows, 50 + 24 + 26 + 50);
        QStringList first;
        for (int c = 0; c < list->columnCount(); ++c)
            first.append(list->topLevelItem(0)->text(c));
        QCOMPARE(first.join(','), firstRow);

        CvSNMPRequest &request = w->Request()->request;
        const quint16 agent = request.device.port;
        const QList<quint16> agents {agent, agent, SimulatorProcess::silentPort(), agent};
        for (int k = 0; k < agents.size(); ++k) {
            const quint16 port = agents.at(k);
            request.device.port = port;
            request.timeout = 20;
            request.retries = 0;
            memo->clear();
            refresh->click();
            QVERIFY2(w->AnyBusy(), qPrintable(QString("Refresh %1 did not read").arg(k + 1)));
            WAIT_IDLE(*w);
            if (port == agent) {
                QCOMPARE(list->topLevelItemCount(), rows);
                QCOMPARE(child<QLabel>(*w, "ST_Count")->text(), QString::number(rows));
                QVERIFY2(memo->toPlainText().contains("Ok!"), qPrintable(memo->toPlainText()));
            } else {
                QVERIFY(!memo->toPlainText().contains("Ok!"));
            }
        }
    };
    QTimer::singleShot(0, [&] {
        opened = qobject_cast<TBridgePortTableForm *>(QApplication::activeModalWidget());
        if (!opened)
            return;
        body(opened);
        if (opened)
            opened->close();
    });
    const WindowCommands::Command command = WindowCommands::Find(className);
    QVERIFY(command);
    command();
    QVERIFY(opened.isNull());
}

QTEST_MAIN(TstPortWindows)
#include "tst_portwindows.moc"
