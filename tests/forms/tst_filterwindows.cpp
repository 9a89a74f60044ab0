// The multicast forwarding and static filtering windows opened from their
// menu commands against the simulator; what the agent holds afterwards is
// read with requests of the test's own.
#include "CvSNMPRequest2Edits.h"
#include "CvSNMPSession.h"
#include "FakeMainWindow.h"
#include "FilteringVariables.h"
#include "FormTesting.h"
#include "ListViews.h"
#include "SimulatorProcess.h"
#include "TForwardUnregisteredInformationForm.h"
#include "TMulticastFilterInformationForm.h"
#include "TMulticastForwardingInformationForm.h"
#include "TStackingPortUitForm.h"
#include "TTpGroupDestinationForwardedForm.h"
#include "TUnicastFilterInformationForm.h"
#include "WindowTestBed.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

template <class T> T *child(QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void select(QTreeWidget *list, const QString &caption)
{
    if (QTreeWidgetItem *row = RowWithCaption(list, caption))
        ClickRow(list, row);
    else
        ClickBelowRows(list);
}

// The rows of a table with three indexes, by the text of the second (the
// MAC address).
QMap<QString, QStringList> entries(const CvSNMPVar *vars)
{
    CvSNMPRequest r;
    r.SetVarList(vars, MVT_UMV, 3);
    QMap<QString, QStringList> rows;
    for (bool more = r.Get(true); more; more = r.Get(false)) {
        QStringList values;
        for (int i = 0; i < r.varList.Count(); ++i)
            values.append(r.varList.Var(i).value);
        rows.insert(r.varList.Var(1).value, values);
    }
    return rows;
}

QList<int> portsOf(const QStringList &row, int column)
{
    return SetBits(Octets(row.value(column)));
}

// Unit 2 port 5: bit (2 - 1) * 64 + 5 - 1.
constexpr int unit2Port5 = 68;

// Pressing a write button without a selected row is refused in a box and
// sends nothing.
void refusedWithoutSelection(QPushButton *button)
{
    const int packets = AgentPackets();
    QString text;
    AnswerMessageBox(&text);
    button->click();
    QCOMPARE(text, QString("Choose the item first."));
    QCOMPARE(AgentPackets(), packets + 1); // this read alone
}

} // namespace

class TstFilterWindows : public QObject, private WindowTestBed
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void forwardSetsWriteTheSelectedVlan_data();
    void forwardSetsWriteTheSelectedVlan();
    void learnedGroupsShowOnlyWhileSelected();
    void multicastFilterSetWritesTheEntryNamed();
    void unicastDeleteRestoresTheMaskedColumn();
};

void TstFilterWindows::initTestCase()
{
    const QString why = StartBed();
    QVERIFY2(why.isEmpty(), qPrintable(why));
}

void TstFilterWindows::init()
{
    ResetBed();
}

void TstFilterWindows::forwardSetsWriteTheSelectedVlan_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("entry");
    QTest::newRow("forward all") << "TMulticastForwardingInformationForm"
                                 << "1.3.6.1.2.1.17.7.1.2.4.1";
    QTest::newRow("forward unregistered") << "TForwardUnregisteredInformationForm"
                                          << "1.3.6.1.2.1.17.7.1.2.5.1";
}

// The grids follow the selection; Set without a VLAN sends nothing, with
// VLAN 1 it adds exactly the box ticked to its static ports.
void TstFilterWindows::forwardSetsWriteTheSelectedVlan()
{
    QFETCH(QString, className);
    QFETCH(QString, entry);
    const CvSNMPVar *vars = className == "TMulticastForwardingInformationForm"
        ? ForwardAllVars
        : ForwardUnregisteredVars;
    const auto agentPorts = [&](int column) {
        return SetBits(Octets(ReadTable(vars, MVT_FMV, 1).value("1").value(column)));
    };
    const QList<int> statics = agentPorts(2);
    const QList<int> forbidden = agentPorts(3);
    QVERIFY(!statics.contains(unit2Port5));
    const auto restore = qScopeGuard([&] {
        QByteArray octets(96, '\0');
        for (int bit : statics)
            octets[bit / 8] = char(quint8(octets.at(bit / 8)) | (0x80u >> (bit % 8)));
        SnmpSet(*m_sim, entry + ".2.1", "x", QString::fromLatin1(octets.toHex()));
    });
    const auto body = [&](TForwardPortSetsForm &w) {
        WAIT_IDLE(w);
        auto *list = child<QTreeWidget>(w, "LV_dot1qForwardUnregisteredEntry");
        QVERIFY(list->topLevelItemCount() >= 1);
        QVERIFY(!w.StaticGrid()->Port(2, 5)->isEnabled());
        refusedWithoutSelection(child<QPushButton>(w, "SetBtn"));

        select(list, "1");
        QCOMPARE(CheckedBoxes(*w.StaticGrid()), statics);
        QCOMPARE(CheckedBoxes(*w.ForbiddenGrid()), forbidden);
        QCOMPARE(CheckedBoxes(*w.InUseGrid()), agentPorts(1));
        QVERIFY(w.StaticGrid()->Port(2, 5)->isEnabled());
        QVERIFY(!w.InUseGrid()->Port(2, 5)->isEnabled());
        w.StaticGrid()->Port(2, 5)->click();
        child<QPushButton>(w, "SetBtn")->click();
        WAIT_IDLE(w);
        QList<int> expected = statics;
        expected.append(unit2Port5);
        std::sort(expected.begin(), expected.end());
        QCOMPARE(agentPorts(2), expected);
        QCOMPARE(agentPorts(3), forbidden);
        // The VLAN written is shown again, as the agent has it now.
        QTRY_COMPARE(SelectedCaption(list), QString("1"));
        QCOMPARE(CheckedBoxes(*w.StaticGrid()), expected);
        QVERIFY(CheckedBoxes(*w.InUseGrid()).contains(unit2Port5));

        // A static port cannot also be forbidden: the agent refuses, nothing
        // changes.
        w.ForbiddenGrid()->Port(2, 5)->click();
        child<QPushButton>(w, "SetBtn")->click();
        WAIT_IDLE(w);
        const QString memo = child<QPlainTextEdit>(w, "Memo1")->toPlainText();
        QVERIFY2(memo.contains("Inconsistent Value"), qPrintable(memo));
        QCOMPARE(agentPorts(3), forbidden);
        QCOMPARE(agentPorts(2), expected);

        child<QPushButton>(w, "RefreshBtn")->click();
        WAIT_IDLE(w);
        QVERIFY(CheckedBoxes(*w.StaticGrid()).isEmpty());
        QVERIFY(!w.StaticGrid()->Port(2, 5)->isEnabled());
    };
    if (className == "TMulticastForwardingInformationForm")
        RunFromMenu<TMulticastForwardingInformationForm>(qPrintable(className), body);
    else
        RunFromMenu<TForwardUnregisteredInformationForm>(qPrintable(className), body);
}

// The seeded group of VLAN 1 is listed by VLAN and address; its grids are
// enabled and filled only while it is selected.
void TstFilterWindows::learnedGroupsShowOnlyWhileSelected()
{
    RunFromMenu<TTpGroupDestinationForwardedForm>(
        "TTpGroupDestinationForwardedForm", [&](TTpGroupDestinationForwardedForm &w) {
            WAIT_IDLE(w);
            auto *list = child<QTreeWidget>(w, "LV_dot1qTpGroupEntry");
            QTreeWidgetItem *first = list->topLevelItem(0);
            QVERIFY(first);
            QCOMPARE(first->text(0), QString("1"));
            QCOMPARE(first->text(1), QString("01005E000001"));
            QVERIFY(!w.EgressGrid()->Port(1, 1)->isEnabled());
            ClickRow(list, first);
            QCOMPARE(CheckedBoxes(*w.EgressGrid()), (QList<int> {0, 1, 2, 3, 66}));
            QCOMPARE(CheckedBoxes(*w.LearntGrid()), (QList<int> {1, 66}));
            QVERIFY(w.EgressGrid()->Port(1, 1)->isEnabled());
            ClickBelowRows(list);
            QVERIFY(CheckedBoxes(*w.EgressGrid()).isEmpty());
            QVERIFY(!w.LearntGrid()->Port(1, 2)->isEnabled());
        });
}

// Set writes the entry that VID, MAC address and the selected entry's
// receive port name: with no entry selected a new one for any port (0), with
// 01005E000182 (receive port 3) selected and another address typed a new
// one for port 3, with 01005E000181 selected that entry itself.
void TstFilterWindows::multicastFilterSetWritesTheEntryNamed()
{
    const QString address = "01005E000181";
    const QList<int> before = portsOf(entries(StaticMulticastVars).value(address), 3);
    QCOMPARE(before, (QList<int> {0, 1}));
    const QString entry = "1.3.6.1.2.1.17.7.1.3.2.1";
    const auto restore = qScopeGuard([&] {
        SnmpSet(*m_sim, entry + ".3.1.1.0.94.0.1.129.0", "x", QString("C0") + QString(190, '0'));
        SnmpSet(*m_sim, entry + ".5.1.1.0.94.0.1.2.0", "i", "2");
        SnmpSet(*m_sim, entry + ".5.1.1.0.94.0.1.131.3", "i", "2");
    });
    RunFromMenu<TMulticastFilterInformationForm>(
        "TMulticastFilterInformationForm", [&](TMulticastFilterInformationForm &w) {
            WAIT_IDLE(w);
            auto *list = child<QTreeWidget>(w, "LV_dot1qStaticMulticastEntry");
            auto *vid = child<QLineEdit>(w, "ED_MulticastVID");
            auto *mac = child<QLineEdit>(w, "ED_MACAddress");
            auto *status = child<QComboBox>(w, "Status");
            auto *set = child<QPushButton>(w, "SetBtn");
            QVERIFY(!vid->isReadOnly() && !mac->isReadOnly());
            vid->setText("1");
            mac->setText("01005E000102");
            w.PortGrid()->Port(2, 5)->click();
            status->setCurrentIndex(status->findText("permanent"));
            set->click();
            WAIT_IDLE(w);
            QStringList row = entries(StaticMulticastVars).value("01005E000102");
            QVERIFY2(!row.isEmpty(), qPrintable(child<QPlainTextEdit>(w, "Memo1")->toPlainText()));
            QCOMPARE(row.value(StaticFilter::ReceivePort), QString("0"));
            QCOMPARE(portsOf(row, 3), QList<int> {unit2Port5});

            const auto pick = [list](const QString &mac) {
                const QList<QTreeWidgetItem *> rows
                    = list->findItems(mac, Qt::MatchExactly, StaticFilter::Address);
                QVERIFY2(rows.size() == 1, qPrintable(mac));
                list->setCurrentItem(rows.first());
            };
            pick("01005E000182");
            QCOMPARE(mac->text(), QString("01005E000182"));
            mac->setText("01005E000183");
            set->click();
            WAIT_IDLE(w);
            row = entries(StaticMulticastVars).value("01005E000183");
            QCOMPARE(row.value(StaticFilter::ReceivePort), QString("3"));
            QCOMPARE(portsOf(row, 3), (QList<int> {2, 64}));
            QCOMPARE(
                entries(StaticMulticastVars).value("01005E000182").value(StaticFilter::ReceivePort),
                QString("3"));

            pick(address);
            QCOMPARE(mac->text(), address);
            QCOMPARE(CheckedBoxes(*w.PortGrid()), before);
            w.PortGrid()->Port(2, 5)->click();
            set->click();
            WAIT_IDLE(w);
            row = entries(StaticMulticastVars).value(address);
            QCOMPARE(portsOf(row, 3), (QList<int> {0, 1, unit2Port5}));
            QCOMPARE(row.value(StaticFilter::Status), QString("permanent"));

            // Refresh empties the pane even though the list is the same.
            select(list, "1");
            child<QPushButton>(w, "RefreshBtn")->click();
            WAIT_IDLE(w);
            QVERIFY(CheckedBoxes(*w.PortGrid()).isEmpty());
            QVERIFY(mac->text().isEmpty());
            QVERIFY(status->currentText().isEmpty());
        });
}

// Delete sends the selected entry's status alone; when the agent does not
// answer, the allowed ports are still read and listed afterwards, and the
// next Delete works.
void TstFilterWindows::unicastDeleteRestoresTheMaskedColumn()
{
    const QString entry = "1.3.6.1.2.1.17.7.1.3.1.1";
    for (const char *mac : {"0.0.94.0.83.1", "0.0.94.0.83.2"}) {
        const QString index = QString("1.%1.0").arg(mac);
        QVERIFY(SnmpSet(*m_sim, entry + ".4." + index, "i", "3"));
        QVERIFY(SnmpSet(*m_sim, entry + ".3." + index, "x", "20" + QString(190, '0')));
    }
    const auto cleanup = qScopeGuard([&] {
        SnmpSet(*m_sim, entry + ".4.1.0.0.94.0.83.1.0", "i", "2");
        SnmpSet(*m_sim, entry + ".4.1.0.0.94.0.83.2.0", "i", "2");
    });
    SimulatorProcess silent({"--silent-after", "0"});
    QVERIFY2(silent.isReady(), qPrintable(silent.errorText()));
    RunFromMenu<TUnicastFilterInformationForm>(
        "TUnicastFilterInformationForm", [&](TUnicastFilterInformationForm &w) {
            WAIT_IDLE(w);
            auto *list = child<QTreeWidget>(w, "LV_dot1qStaticUnicastEntry");
            auto *remove = child<QPushButton>(w, "DeleteBtn");
            QCOMPARE(list->topLevelItemCount(), 2);
            refusedWithoutSelection(remove);

            ClickRow(list, list->topLevelItem(1));
            QCOMPARE(child<QLineEdit>(w, "UnicastAddress")->text(), QString("00005E005302"));
            remove->click();
            WAIT_IDLE(w);
            QCOMPARE(entries(StaticUnicastVars).keys(), QStringList {"00005E005301"});
            QVERIFY(child<QLineEdit>(w, "UnicastAddress")->text().isEmpty());

            ClickRow(list, list->topLevelItem(0));
            CvSNMPRequest &request = w.Request()->request;
            const quint16 port = request.device.port;
            request.device.port = silent.port();
            remove->click();
            WAIT_IDLE(w);
            const QString memo = child<QPlainTextEdit>(w, "Memo1")->toPlainText();
            QVERIFY2(memo.contains("Set: (SNMPClass) SNMP request timed out!"), qPrintable(memo));
            QVERIFY(CheckedBoxes(*w.PortGrid()).isEmpty());

            request.device.port = port;
            child<QPushButton>(w, "RefreshBtn")->click();
            WAIT_IDLE(w);
            QCOMPARE(list->topLevelItem(0)->text(3).left(2), QString("20"));
            ClickRow(list, list->topLevelItem(0));
            QCOMPARE(CheckedBoxes(*w.PortGrid()), QList<int> {2});
            remove->click();
            WAIT_IDLE(w);
            QCOMPARE(list->topLevelItemCount(), 0);
        });
    QVERIFY(entries(StaticUnicastVars).isEmpty());
}

QTEST_MAIN(TstFilterWindows)
#include "tst_filterwindows.moc"
