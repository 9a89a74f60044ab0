#pragma once

// What the tests of the hand-laid windows share: a session pointed at a
// simulator, the unit list of a fake main window, the agent read with a
// request of the test's own, and a window run from its menu command with
// the test's steps inside its modal loop.
#include "HandLaidWindows.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QtTest>

#include <functional>

class FakeMainWindow;
class SimulatorProcess;
class QTreeWidget;
class QTreeWidgetItem;
class TStackingPortUitForm;
struct CvSNMPVar;

// SNMPv2c to the simulator, read community "kestra", write "marlowe".
void PointSessionAt(const SimulatorProcess &sim);

// The main window's unit list: a binding that reads the simulator's unit
// table into it (left empty, so a window reads it), or rows given here
// (id, state, port range, model) and no binding.
void BindUnitList(FakeMainWindow &main);
void FillUnitList(FakeMainWindow &main, const QList<QStringList> &units);

// A table read with a fresh request: the values of every variable by the
// text of the first index.
QMap<QString, QStringList> ReadTable(const CvSNMPVar *vars, quint8 kind, int indexCount);
QString ReadScalar(const char *oid, qint32 syntax);
// The messages the agent has received so far (its own answer included).
int AgentPackets();
// The octets of a hexadecimal value text.
QByteArray Octets(const QString &hex);
// The set bits of octets, as box numbers of a port grid.
QList<int> SetBits(const QByteArray &octets);

// The unit sheets a grid shows, as "caption:ports shown", and the boxes
// ticked.
QStringList ShownSheets(const TStackingPortUitForm &grid);
QList<int> CheckedBoxes(const TStackingPortUitForm &grid);

// Net-SNMP's snmpset with the write community: one OID, type and value.
bool SnmpSet(
    const SimulatorProcess &sim, const QString &oid, const QString &type, const QString &value);

// Answers the next message box with OK, keeping its text; gives up after
// tries looks 20 ms apart, or as soon as the asking test function failed or
// ended.
void AnswerMessageBox(QString *text, int tries = 250);

// Presses and releases the mouse on a row of the list, as the operator
// clicks it (the row is scrolled into sight first); the windows take
// selections the program makes for no click.
void ClickRow(QTreeWidget *list, QTreeWidgetItem *row);
// Clicks the list below its last row, which leaves no row selected.
void ClickBelowRows(QTreeWidget *list);

// Waits until the window has made its first requests and none is busy.
#define WAIT_IDLE(window) QTRY_VERIFY_WITH_TIMEOUT((window).Created() && !(window).AnyBusy(), 20000)

// Runs the menu command of className with body inside the window's modal
// loop; the window is closed after the body, however it ended.
template <class Window> void RunFromMenu(const char *className, std::function<void(Window &)> body)
{
    bool ran = false;
    QTimer::singleShot(0, [&] {
        const QPointer<Window> window = HandLaidWindows::Instance<Window>();
        if (!window)
            return;
        ran = true;
        body(*window);
        if (window)
            window->close();
    });
    const WindowCommands::Command command = WindowCommands::Find(QString::fromLatin1(className));
    QVERIFY2(command, className);
    command();
    QVERIFY(ran);
    QVERIFY(!HandLaidWindows::Instance<Window>());
}
