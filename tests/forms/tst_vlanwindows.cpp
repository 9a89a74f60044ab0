// The 802.1Q VLAN windows opened from their menu commands against the
// simulator; what the agent holds afterwards is read with requests of the
// test's own.
#include "CvSNMPRequest2Edits.h"
#include "CvSNMPSession.h"
#include "CvStandardOptions.h"
#include "FakeMainWindow.h"
#include "FormTesting.h"
#include "ListViews.h"
#include "SimulatorProcess.h"
#include "TProtocolVlanForm.h"
#include "TStackingPortUitForm.h"
#include "TVLanCurrentTableForm.h"
#include "TVLanGeneralInfoForm.h"
#include "TVLanPortInfomationForm.h"
#include "TVlanStaticForm.h"
#include "VlanVariables.h"
#include "WindowTestBed.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTreeWidget>

namespace {

constexpr const char *staticEntry = "1.3.6.1.2.1.17.7.1.4.3.1";

template <class T> T *child(QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void select(QWidget &window, const char *list, const QString &caption)
{
    auto *view = child<QTreeWidget>(window, list);
    QTreeWidgetItem *row = RowWithCaption(view, caption);
    if (row)
        ClickRow(view, row);
    else
        ClickBelowRows(view);
}

QMap<QString, QStringList> staticVlans()
{
    return ReadTable(StaticVlanVars, MVT_UMV, 1);
}

// The port lists of a static VLAN, from the agent.
QByteArray portList(const QString &vlan, int column)
{
    return Octets(staticVlans().value(vlan).value(column));
}

const QStringList defaultStack {
    "Unit1 TRV-8170QL:50", "Unit2 TRM6140QL*:24", "Unit3 TRV-8140PQL:26"};

} // namespace

class TstVlanWindows : public QObject, private WindowTestBed
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void staticTableShowsTheStackAndVlan1();
    void staticTableAddsSetsAndDeletes();
    void portListsReadInWords();
    void hiddenPortsSurviveARename_data();
    void hiddenPortsSurviveARename();
    void addCopiesTheRowShownUnderANewId();
    void shortPortListCanOnlyBeDeleted();
    void basicConfigureWritesGvrpAndReadsAgain();
    void portsInformationWritesOnePortAndReselectsIt();
    void protocolVlanSendsOnlyWhatApplies();
    void closingDuringASlowReadSendsNothingAfter();
};

void TstVlanWindows::initTestCase()
{
    const QString why = StartBed();
    QVERIFY2(why.isEmpty(), qPrintable(why));
}

// The windows read the unit list themselves: it starts empty.
void TstVlanWindows::init()
{
    ResetBed();
}

void TstVlanWindows::staticTableShowsTheStackAndVlan1()
{
    const QList<int> egress = SetBits(portList("1", StaticVlan::Egress));
    const QList<int> untagged = SetBits(portList("1", StaticVlan::Untagged));
    QCOMPARE(egress.size(), 50 + 24 + 26);
    RunFromMenu<TVlanStaticForm>("TVlanStaticForm", [&](TVlanStaticForm &w) {
        WAIT_IDLE(w);
        for (const TStackingPortUitForm *grid :
            {w.EgressGrid(), w.ForbiddenGrid(), w.UntaggedGrid()})
            QCOMPARE(ShownSheets(*grid), defaultStack);
        select(w, "LV_dot1qVlanStaticEntry", "1");
        QCOMPARE(CheckedBoxes(*w.EgressGrid()), egress);
        QCOMPARE(CheckedBoxes(*w.UntaggedGrid()), untagged);
        QVERIFY(CheckedBoxes(*w.ForbiddenGrid()).isEmpty());
        QCOMPARE(child<QLabel>(w, "ST_Count2")->text(), QString("1"));
    });
}

// A port list with the bits of unit:port pairs set, 96 octets.
QByteArray portListOf(const QList<QPoint> &ports)
{
    QByteArray octets(TStackingPortUitForm::PortListOctets, '\0');
    for (const QPoint &p : ports) {
        const int bit = (p.x() - 1) * 64 + p.y() - 1;
        octets[bit / 8] = char(quint8(octets.at(bit / 8)) | (0x80 >> (bit % 8)));
    }
    return octets;
}

int columnCaptioned(const QTreeWidget *list, const QString &caption)
{
    for (int c = 0; c < list->columnCount(); ++c)
        if (list->headerItem()->text(c) == caption)
            return c;
    return -1;
}

// The port lists of the VLAN lists read as unit:port ranges in their
// tooltips, ports a unit does not show (unit 2 has 24, there is no unit 5)
// listed and marked; the cells keep their text, and Ctrl+C copies the row
// with the lists in words.
void TstVlanWindows::portListsReadInWords()
{
    const QByteArray egress
        = portListOf({{1, 1}, {1, 2}, {1, 3}, {1, 5}, {2, 30}, {5, 1}, {2, 24}});
    const QString vlan = QString(staticEntry) + ".%1.30";
    QVERIFY(SnmpSet(*m_sim, vlan.arg(5), "i", "4"));
    const auto removeVlan = qScopeGuard([&] { SnmpSet(*m_sim, vlan.arg(5), "i", "6"); });
    QVERIFY(SnmpSet(*m_sim, vlan.arg(2), "x", QString::fromLatin1(egress.toHex())));
    QCOMPARE(portList("30", StaticVlan::Egress), egress);
    const QString words = "1:1-3, 1:5, 2:24, 2:30 (not shown), 5:1 (not shown)";

    RunFromMenu<TVlanStaticForm>("TVlanStaticForm", [&](TVlanStaticForm &w) {
        WAIT_IDLE(w);
        auto *list = child<QTreeWidget>(w, "LV_dot1qVlanStaticEntry");
        const int column = columnCaptioned(list, "Egress Ports");
        QVERIFY(column >= 0);
        QTreeWidgetItem *row = RowWithCaption(list, "30");
        QVERIFY(row);
        QCOMPARE(Octets(row->text(column)), egress);
        QCOMPARE(row->toolTip(column), words);
        // VLAN 1 holds every port the stack has.
        QCOMPARE(RowWithCaption(list, "1")->toolTip(column), QString("1:1-50, 2:1-24, 3:1-26"));

        list->setCurrentItem(row);
        QGuiApplication::clipboard()->clear();
        QTest::keySequence(list, QKeySequence::Copy);
        const QStringList cells = QGuiApplication::clipboard()->text().split('\t');
        QCOMPARE(cells.value(0), QString("30"));
        QCOMPARE(cells.value(column), words);
        QCOMPARE(cells.size(), list->columnCount());
    });
    RunFromMenu<TVLanCurrentTableForm>("TVLanCurrentTableForm", [&](TVLanCurrentTableForm &w) {
        WAIT_IDLE(w);
        auto *list = child<QTreeWidget>(w, "LV_dot1qVlanCurrentEntry");
        const int column = columnCaptioned(list, "CurrentEgressPorts");
        QVERIFY(column >= 0);
        int found = 0;
        for (int r = 0; r < list->topLevelItemCount(); ++r) {
            if (Octets(list->topLevelItem(r)->text(column)) != egress)
                continue;
            ++found;
            QCOMPARE(list->topLevelItem(r)->toolTip(column), words);
        }
        QCOMPARE(found, 1);
    });
}

void TstVlanWindows::staticTableAddsSetsAndDeletes()
{
    const int deletes = ReadScalar("1.3.6.1.2.1.17.7.1.4.1", SyntaxCounter).toInt();
    RunFromMenu<TVlanStaticForm>("TVlanStaticForm", [&](TVlanStaticForm &w) {
        WAIT_IDLE(w);
        auto *nextFree = child<QLabel>(w, "NextFreeLocalVlanIndex");
        const QString vlan = nextFree->text();
        QVERIFY(vlan.toInt() >= 2);
        child<QLineEdit>(w, "ED_VLANID")->setText(vlan);
        child<QLineEdit>(w, "ED_VLANName")->setText("lab");
        w.UntaggedGrid()->Port(1, 5)->click();
        QVERIFY(w.EgressGrid()->Port(1, 5)->isChecked());
        w.EgressGrid()->Port(2, 3)->click();
        child<QPushButton>(w, "AddBtn")->click();
        WAIT_IDLE(w);
        QCOMPARE(portList(vlan, StaticVlan::Egress).size(), 96);
        QCOMPARE(SetBits(portList(vlan, StaticVlan::Egress)), (QList<int> {4, 64 + 2}));
        QCOMPARE(SetBits(portList(vlan, StaticVlan::Untagged)), QList<int> {4});
        QCOMPARE(portList(vlan, StaticVlan::Forbidden), QByteArray(96, '\0'));
        QCOMPARE(nextFree->text(), ReadScalar("1.3.6.1.2.1.17.7.1.4.4", SyntaxInteger));
        QVERIFY(nextFree->text() != vlan);

        // Unticking one port and Set clears that bit only.
        select(w, "LV_dot1qVlanStaticEntry", vlan);
        QVERIFY(w.EgressGrid()->Port(2, 3)->isChecked());
        w.EgressGrid()->Port(2, 3)->click();
        child<QPushButton>(w, "SetBtn")->click();
        WAIT_IDLE(w);
        QCOMPARE(SetBits(portList(vlan, StaticVlan::Egress)), QList<int> {4});
        QCOMPARE(SetBits(portList(vlan, StaticVlan::Untagged)), QList<int> {4});

        // A forbidden egress port: the agent refuses, nothing changes.
        select(w, "LV_dot1qVlanStaticEntry", vlan);
        w.ForbiddenGrid()->Port(1, 5)->click();
        child<QPushButton>(w, "SetBtn")->click();
        WAIT_IDLE(w);
        const QString memo = child<QPlainTextEdit>(w, "Memo1")->toPlainText();
        QVERIFY2(memo.contains("Inconsistent Value"), qPrintable(memo));
        QCOMPARE(portList(vlan, StaticVlan::Forbidden), QByteArray(96, '\0'));
        QCOMPARE(SetBits(portList(vlan, StaticVlan::Egress)), QList<int> {4});

        // Delete destroys the selected row, whatever the ID field says.
        select(w, "LV_dot1qVlanStaticEntry", vlan);
        child<QLineEdit>(w, "ED_VLANID")->setText("1");
        child<QPushButton>(w, "DeleteBtn")->click();
        WAIT_IDLE(w);
        QVERIFY(!staticVlans().contains(vlan));
        QVERIFY(staticVlans().contains("1"));
        QCOMPARE(nextFree->text(), vlan);
        QVERIFY(!child<QPushButton>(w, "DeleteBtn")->isEnabled());
    });
    if (QTest::currentTestFailed())
        return;
    RunFromMenu<TVLanCurrentTableForm>("TVLanCurrentTableForm", [&](TVLanCurrentTableForm &w) {
        WAIT_IDLE(w);
        QCOMPARE(child<QLabel>(w, "VlanNumDeletes")->text(), QString::number(deletes + 1));
        QVERIFY(!child<QPushButton>(w, "SetBtn")->isVisible());
        auto *list = child<QTreeWidget>(w, "LV_dot1qVlanCurrentEntry");
        ClickRow(list, list->topLevelItem(0));
        QCOMPARE(child<QLabel>(w, "StaticText1")->text(), QString("1"));
        QCOMPARE(CheckedBoxes(*w.EgressGrid()).size(), 100);
    });
}

void TstVlanWindows::hiddenPortsSurviveARename_data()
{
    QTest::addColumn<bool>("unitList");
    QTest::newRow("a port beyond the ones shown") << true;
    QTest::newRow("no unit list") << false;
}

// A port the grids do not show, added with another tool, stays when the
// VLAN is renamed in the window.
void TstVlanWindows::hiddenPortsSurviveARename()
{
    QFETCH(bool, unitList);
    if (!unitList)
        FillUnitList(m_main, {});
    const QByteArray before = portList("1", StaticVlan::Egress);
    QByteArray egress = before;
    egress[59 / 8] = char(quint8(egress.at(59 / 8)) | (0x80u >> (59 % 8))); // unit 1 port 60
    const QString oid = QString(staticEntry) + ".2.1";
    QVERIFY(SnmpSet(*m_sim, oid, "x", QString::fromLatin1(egress.toHex())));
    const auto restore = qScopeGuard([&] {
        SnmpSet(*m_sim, oid, "x", QString::fromLatin1(before.toHex()));
        SnmpSet(*m_sim, QString(staticEntry) + ".1.1", "s", "default");
    });
    RunFromMenu<TVlanStaticForm>("TVlanStaticForm", [&](TVlanStaticForm &w) {
        WAIT_IDLE(w);
        QCOMPARE(ShownSheets(*w.EgressGrid()), unitList ? defaultStack : QStringList {});
        select(w, "LV_dot1qVlanStaticEntry", "1");
        child<QLineEdit>(w, "ED_VLANName")->setText("renamed");
        child<QPushButton>(w, "SetBtn")->click();
        WAIT_IDLE(w);
    });
    const QStringList row = staticVlans().value("1");
    QCOMPARE(row.value(StaticVlan::Name), QString("renamed"));
    QCOMPARE(Octets(row.value(StaticVlan::Egress)), egress);
}

// VLAN 1 shown, a new ID typed and Add: the new VLAN has the ports the
// sheets show as VLAN 1 has them, and none the sheets do not show (unit 1
// port 60, added with another tool); VLAN 1 keeps its ports.
void TstVlanWindows::addCopiesTheRowShownUnderANewId()
{
    const QByteArray before = portList("1", StaticVlan::Egress);
    const QByteArray untagged = portList("1", StaticVlan::Untagged);
    QByteArray egress = before;
    egress[59 / 8] = char(quint8(egress.at(59 / 8)) | (0x80u >> (59 % 8)));
    const QString oid = QString(staticEntry) + ".2.1";
    QVERIFY(SnmpSet(*m_sim, oid, "x", QString::fromLatin1(egress.toHex())));
    QString vlan;
    const auto restore = qScopeGuard([&] {
        SnmpSet(*m_sim, oid, "x", QString::fromLatin1(before.toHex()));
        if (!vlan.isEmpty())
            SnmpSet(*m_sim, QString(staticEntry) + ".5." + vlan, "i", "6");
    });
    RunFromMenu<TVlanStaticForm>("TVlanStaticForm", [&](TVlanStaticForm &w) {
        WAIT_IDLE(w);
        vlan = child<QLabel>(w, "NextFreeLocalVlanIndex")->text();
        QVERIFY(vlan.toInt() >= 2);
        select(w, "LV_dot1qVlanStaticEntry", "1");
        auto *id = child<QLineEdit>(w, "ED_VLANID");
        QVERIFY(!id->isReadOnly());
        // VLAN 1 exists: the agent refuses to make it, and what was typed
        // and ticked stays to be mended.
        const QList<int> ticked = CheckedBoxes(*w.EgressGrid());
        child<QLineEdit>(w, "ED_VLANName")->setText("copy");
        child<QPushButton>(w, "AddBtn")->click();
        WAIT_IDLE(w);
        QCOMPARE(id->text(), QString("1"));
        QCOMPARE(child<QLineEdit>(w, "ED_VLANName")->text(), QString("copy"));
        QCOMPARE(CheckedBoxes(*w.EgressGrid()), ticked);
        id->setText(vlan);
        child<QPushButton>(w, "AddBtn")->click();
        WAIT_IDLE(w);
        QVERIFY(id->text().isEmpty());
    });
    const QStringList row = staticVlans().value(vlan);
    QCOMPARE(row.value(StaticVlan::Name), QString("copy"));
    QCOMPARE(Octets(row.value(StaticVlan::Egress)), before);
    QCOMPARE(Octets(row.value(StaticVlan::Untagged)), untagged);
    QCOMPARE(Octets(row.value(StaticVlan::Forbidden)), QByteArray(96, '\0'));
    QCOMPARE(portList("1", StaticVlan::Egress), egress);
}

// VLAN 7 comes with port lists of 8 octets: nothing of VLAN 1 stays on
// screen under it and Set writes nothing for it, but it can be deleted:
// Delete sends its index and the destroy alone.
void TstVlanWindows::shortPortListCanOnlyBeDeleted()
{
    SimulatorProcess sim({"--short-vlan", "7:8"});
    QVERIFY2(sim.isReady(), qPrintable(sim.errorText()));
    PointSessionAt(sim);
    RunFromMenu<TVlanStaticForm>("TVlanStaticForm", [&](TVlanStaticForm &w) {
        WAIT_IDLE(w);
        select(w, "LV_dot1qVlanStaticEntry", "1");
        QVERIFY(!CheckedBoxes(*w.EgressGrid()).isEmpty());
        select(w, "LV_dot1qVlanStaticEntry", "7");
        for (const TStackingPortUitForm *grid :
            {w.EgressGrid(), w.ForbiddenGrid(), w.UntaggedGrid()})
            QVERIFY(CheckedBoxes(*grid).isEmpty());
        QVERIFY(child<QLineEdit>(w, "ED_VLANID")->text().isEmpty());
        QVERIFY(!child<QPushButton>(w, "SetBtn")->isEnabled());
        const int packets = AgentPackets();
        w.SetBtnClick();
        QCOMPARE(AgentPackets(), packets + 1);
        auto *remove = child<QPushButton>(w, "DeleteBtn");
        QVERIFY(remove->isEnabled());
        remove->click();
        WAIT_IDLE(w);
        const QString memo = child<QPlainTextEdit>(w, "Memo1")->toPlainText();
        QVERIFY2(!RowWithCaption(child<QTreeWidget>(w, "LV_dot1qVlanStaticEntry"), "7"),
            qPrintable(memo));
    });
    QVERIFY(!ReadTable(StaticVlanVars, MVT_UMV, 1).contains("7"));
    QVERIFY(ReadTable(StaticVlanVars, MVT_UMV, 1).contains("1"));
}

void TstVlanWindows::basicConfigureWritesGvrpAndReadsAgain()
{
    constexpr const char *gvrp = "1.3.6.1.2.1.17.7.1.1.5";
    // Opened while the agent does not answer, the window shows no state, and
    // a Set once the agent answers again leaves the agent's state alone.
    QCOMPARE(ReadScalar(gvrp, SyntaxInteger), QString("2"));
    SessionDefaults().device.port = SimulatorProcess::silentPort();
    SessionDefaults().timeout = 30;
    RunFromMenu<TVLanGeneralInfoForm>("TVLanGeneralInfoForm", [&](TVLanGeneralInfoForm &w) {
        WAIT_IDLE(w);
        QCOMPARE(child<QComboBox>(w, "GvrpStatus")->currentIndex(), -1);
        w.Request()->request.device.port = m_sim->port();
        child<QPushButton>(w, "SetBtn")->click();
        WAIT_IDLE(w);
    });
    ResetBed();
    QCOMPARE(ReadScalar(gvrp, SyntaxInteger), QString("2"));
    RunFromMenu<TVLanGeneralInfoForm>("TVLanGeneralInfoForm", [&](TVLanGeneralInfoForm &w) {
        WAIT_IDLE(w);
        QCOMPARE(child<QLabel>(w, "MaxVlanId")->text(), QString("4094"));
        auto *status = child<QComboBox>(w, "GvrpStatus");
        QCOMPARE(status->currentText(), QString("disabled"));
        status->setCurrentIndex(status->findText("enabled"));
        child<QPushButton>(w, "SetBtn")->click();
        WAIT_IDLE(w);
        QCOMPARE(ReadScalar(gvrp, SyntaxInteger), QString("1"));
        QCOMPARE(w.Request()->lastOperation, 0); // read after the write
        QCOMPARE(status->currentText(), QString("enabled"));
        status->setCurrentIndex(status->findText("disabled"));
        child<QPushButton>(w, "SetBtn")->click();
        WAIT_IDLE(w);
    });
    QCOMPARE(ReadScalar(gvrp, SyntaxInteger), QString("2"));
}

void TstVlanWindows::portsInformationWritesOnePortAndReselectsIt()
{
    const QMap<QString, QStringList> before = ReadTable(PortVlanVars, MVT_FMV, 1);
    QVERIFY(before.size() > 3);
    RunFromMenu<TVLanPortInfomationForm>(
        "TVLanPortInfomationForm", [&](TVLanPortInfomationForm &w) {
            WAIT_IDLE(w);
            auto *pvid = child<QLineEdit>(w, "PortVLanID");
            QVERIFY(!pvid->isEnabled());
            select(w, "LV_dot1qPortVlanEntry", "2");
            QVERIFY(pvid->isEnabled());
            pvid->setText("5");
            auto *frames = child<QComboBox>(w, "AcceptableFrameTypes");
            frames->setCurrentIndex(frames->findText("admitOnlyVLANTagged"));
            child<QPushButton>(w, "SetBtn")->click();
            WAIT_IDLE(w);
            QTRY_COMPARE(
                SelectedCaption(child<QTreeWidget>(w, "LV_dot1qPortVlanEntry")), QString("2"));
            QCOMPARE(pvid->text(), QString("5"));
            QVERIFY(pvid->isEnabled());
        });
    QMap<QString, QStringList> after = ReadTable(PortVlanVars, MVT_FMV, 1);
    SnmpSet(*m_sim, "1.3.6.1.2.1.17.7.1.4.5.1.1.2", "u", "1");
    SnmpSet(*m_sim, "1.3.6.1.2.1.17.7.1.4.5.1.2.2", "i", "1");
    QCOMPARE(after.value("2").value(PortVlan::Pvid), QString("5"));
    QCOMPARE(
        after.value("2").value(PortVlan::AcceptableFrameTypes), QString("admitOnlyVLANTagged"));
    after.remove("2");
    QMap<QString, QStringList> others = before;
    others.remove("2");
    QCOMPARE(after, others);
}

void TstVlanWindows::protocolVlanSendsOnlyWhatApplies()
{
    RunFromMenu<TProtocolVlanForm>("TProtocolVlanForm", [&](TProtocolVlanForm &w) {
        WAIT_IDLE(w);
        auto *index = child<QLineEdit>(w, "Index");
        auto *status = child<QComboBox>(w, "RowStatus");
        auto *add = child<QPushButton>(w, "Add");
        QCOMPARE(status->currentIndex(), RowStatusItem::CreateAndGo);
        const int packets = AgentPackets();
        const QList<std::pair<QString, QString>> refused {
            {"4095", "(CvCommon) Please enter a number between 1 and 4094!"},
            {"10", TProtocolVlanForm::IndexTaken},
            {"", TProtocolVlanForm::IndexMissing},
        };
        for (const auto &[typed, message] : refused) {
            index->setText(typed);
            QString text;
            AnswerMessageBox(&text);
            add->click();
            QCOMPARE(text, message);
        }
        index->setText("30");
        status->setCurrentIndex(RowStatusItem::Active);
        QString text;
        AnswerMessageBox(&text);
        add->click();
        QCOMPARE(text, QString(TProtocolVlanForm::NotCreateAndGo));
        QCOMPARE(AgentPackets(), packets + 1); // this read alone

        // An index alone: what nobody chose is not sent, the agent's
        // defaults stand.
        index->setText("31");
        status->setCurrentIndex(RowStatusItem::CreateAndGo);
        add->click();
        WAIT_IDLE(w);
        const QStringList made = ReadTable(ProtocolVlanVars, MVT_UMV, 1).value("31");
        QCOMPARE(made.value(ProtocolVlan::ProtocolType), QString("protocol-ip"));
        QCOMPARE(made.value(ProtocolVlan::Advertisement), QString("disabled"));
        QVERIFY(SnmpSet(*m_sim, QString("1.3.6.1.4.1.%1.12.16.1.1.1.7.31").arg(TRV_PEN), "i", "6"));
        index->setText("30");

        // Fields left from a user-defined protocol are not sent for another.
        status->setCurrentIndex(RowStatusItem::CreateAndGo);
        child<QLineEdit>(w, "Name")->setText("ipx-snap");
        auto *type = child<QComboBox>(w, "ProtocolType");
        type->setCurrentIndex(type->findText("protocol-ipxSnap"));
        QVERIFY(!child<QLineEdit>(w, "UserProtocol")->isEnabled());
        child<QLineEdit>(w, "UserProtocol")->setText("1234");
        auto *encap = child<QComboBox>(w, "Encap");
        encap->setCurrentIndex(encap->findText("snap"));
        add->click();
        WAIT_IDLE(w);
        QStringList row = ReadTable(ProtocolVlanVars, MVT_UMV, 1).value("30");
        QCOMPARE(row.value(ProtocolVlan::Name), QString("ipx-snap"));
        QCOMPARE(row.value(ProtocolVlan::ProtocolType), QString("protocol-ipxSnap"));
        QCOMPARE(row.value(ProtocolVlan::UserProtocol), QString("0"));
        QCOMPARE(row.value(ProtocolVlan::EncapType), QString("ethernet"));

        // Edit with createAndGo showing renames the row: no status is sent.
        select(w, "ListView1", "30");
        QVERIFY(!index->isEnabled() && !add->isEnabled());
        child<QLineEdit>(w, "Name")->setText("ipx-b");
        status->setCurrentIndex(RowStatusItem::CreateAndGo);
        child<QPushButton>(w, "Edit")->click();
        WAIT_IDLE(w);
        const QString bar = child<QStatusBar>(w, "StatusBar1")->currentMessage();
        QVERIFY2(!bar.contains("Inconsistent"), qPrintable(bar));
        row = ReadTable(ProtocolVlanVars, MVT_UMV, 1).value("30");
        QCOMPARE(row.value(ProtocolVlan::Name), QString("ipx-b"));

        select(w, "ListView1", "30");
        child<QPushButton>(w, "Delete")->click();
        WAIT_IDLE(w);
        QVERIFY(!ReadTable(ProtocolVlanVars, MVT_UMV, 1).contains("30"));
        QCOMPARE(child<QLabel>(w, "StaticText1")->text(), QString("2"));
    });
}

// The window closes while the first step of its walk waits for a slow
// answer: it waits for that answer and starts nothing after it.
void TstVlanWindows::closingDuringASlowReadSendsNothingAfter()
{
    SimulatorProcess slow({"--delay-ms", "500"});
    QVERIFY2(slow.isReady(), qPrintable(slow.errorText()));
    PointSessionAt(slow);
    FillUnitList(m_main, {{"1", "exist", "50", "TRV-8170QL"}});
    const int before = AgentPackets();
    qint64 closing = -1;
    RunFromMenu<TVlanStaticForm>("TVlanStaticForm", [&](TVlanStaticForm &w) {
        QTRY_VERIFY_WITH_TIMEOUT(w.Created() && w.TableRequest()->IsBusy(), 10000);
        // Buttons that would start a request do nothing while one runs.
        child<QLineEdit>(w, "ED_VLANID")->setText("99");
        child<QPushButton>(w, "AddBtn")->click();
        child<QPushButton>(w, "RefreshBtn")->click();
        QElapsedTimer t;
        t.start();
        w.close();
        closing = t.elapsed();
        QVERIFY(!w.AnyBusy());
    });
    QVERIFY(closing >= 0 && closing < 5000);
    QTest::qWait(1200); // a step sent after the close would be answered by now
    // The first step of the walk, the next free index and this read.
    QCOMPARE(AgentPackets(), before + 3);
    QVERIFY(!ReadTable(StaticVlanVars, MVT_UMV, 1).contains("99"));
}

QTEST_MAIN(TstVlanWindows)
#include "tst_vlanwindows.moc"
