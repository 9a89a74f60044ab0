// The change journal against the simulator, through the real main window:
// changes made in a generated window, the VLAN Static Table and the
// Protocol VLAN window are journalled with the values the switch held;
// undo sets back what still holds what was written and names what does
// not; Save As writes what the window lists, and nothing else appears
// under the working folder or the home folder.
#include "CvChangeJournal.h"
#include "CvException.h"
#include "CvJournalUndo.h"
#include "CvSNMPRequest.h"
#include "CvSNMPSession.h"
#include "FormTesting.h"
#include "GeneratedWindows.h"
#include "HandLaidWindows.h"
#include "JournalMessages.h"
#include "ListViews.h"
#include "MenuActions.h"
#include "ModuleSettings.h"
#include "SimulatorProcess.h"
#include "TChangeJournalForm.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TMainForm.h"
#include "TProtocolVlanForm.h"
#include "TSNMPPanel.h"
#include "TSavedSettingsForm.h"
#include "TStackingPortUitForm.h"
#include "TUndoDialog.h"
#include "TVlanStaticForm.h"
#include "VlanVariables.h"
#include "WindowWaits.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDirIterator>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

constexpr const char *staticEntry = "1.3.6.1.2.1.17.7.1.4.3.1";

QString penOid(const char *rest)
{
    return QStringLiteral("1.3.6.1.4.1.%1%2").arg(TRV_PEN).arg(QLatin1String(rest));
}

const QString jumbo = penOid(".11.59.8.2.3.3");

// Once a modal window of class W is up, runs body on it from the event
// loop and closes it afterwards if body left it open; gives up after tries
// looks 20 ms apart, or as soon as the asking test function failed or ended.
template <class W>
void onModal(
    std::function<void(W &)> body, int tries = 750, QByteArray asker = QTest::currentTestFunction())
{
    QTimer::singleShot(20, [body = std::move(body), tries, asker]() mutable {
        if (QTest::currentTestFailed() || asker != QTest::currentTestFunction())
            return;
        QWidget *modal = QApplication::activeModalWidget();
        // A message where W was awaited fails the test instead of hanging it.
        if (auto *box = qobject_cast<QMessageBox *>(modal); box && !qobject_cast<W *>(modal)) {
            const QByteArray text = box->text().toUtf8();
            box->close();
            QTest::qFail(("unexpected message: " + text).constData(), __FILE__, __LINE__);
            return;
        }
        auto *window = qobject_cast<W *>(modal);
        if (!window) {
            if (tries > 0)
                onModal<W>(std::move(body), tries - 1, asker);
            return;
        }
        const QPointer<W> guard(window);
        body(*window);
        if (guard && guard->isVisible())
            guard->close();
    });
}

// Every file below dir, relative to it.
QStringList filesBelow(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(dir).relativeFilePath(it.next()));
    files.sort();
    return files;
}

QByteArray portListOf(const QList<int> &unit1Ports)
{
    QByteArray octets(TStackingPortUitForm::PortListOctets, '\0');
    for (int p : unit1Ports)
        octets[(p - 1) / 8] = char(quint8(octets.at((p - 1) / 8)) | (0x80 >> ((p - 1) % 8)));
    return octets;
}

QByteArray egressOf(const QString &vlan)
{
    return Octets(ReadTable(StaticVlanVars, MVT_UMV, 1).value(vlan).value(StaticVlan::Egress));
}

QMap<QString, QStringList> protocolVlans()
{
    return ReadTable(ProtocolVlanVars, MVT_UMV, 1);
}

// The rows the journal window shows, as its cells: an entry of one object
// is one row, the objects of a larger one are its children under its time
// and window.
QList<QStringList> shownRows(const QTreeWidget *list)
{
    QList<QStringList> rows;
    const auto cells = [](const QTreeWidgetItem *item) {
        QStringList c;
        for (int k = 0; k < 6; ++k)
            c.append(item->text(k));
        return c;
    };
    for (int k = 0; k < list->topLevelItemCount(); ++k) {
        const QTreeWidgetItem *item = list->topLevelItem(k);
        if (item->isHidden())
            continue;
        if (item->childCount() == 0)
            rows.append(cells(item));
        for (int c = 0; c < item->childCount(); ++c) {
            QStringList row = cells(item->child(c));
            row[0] = item->text(0);
            row[1] = item->text(1);
            rows.append(row);
        }
    }
    return rows;
}

// The object rows of an entry row, by object name: before, after, result.
QMap<QString, QStringList> objectsOf(const QTreeWidgetItem *entry)
{
    QMap<QString, QStringList> objects;
    const auto add = [&](const QTreeWidgetItem *row) {
        objects.insert(row->text(2), {row->text(3), row->text(4), row->text(5)});
    };
    if (entry->childCount() == 0)
        add(entry);
    for (int c = 0; c < entry->childCount(); ++c)
        add(entry->child(c));
    return objects;
}

QTreeWidgetItem *undoRow(TUndoDialog &dialog, const QString &object)
{
    const auto *list = dialog.findChild<QTreeWidget *>("UndoList");
    for (int k = 0; k < list->topLevelItemCount(); ++k)
        if (list->topLevelItem(k)->text(0) == object)
            return list->topLevelItem(k);
    return nullptr;
}

// A CSV line split into its cells; quoted cells may hold commas and quotes.
QStringList csvCells(const QString &line)
{
    QStringList cells;
    QString cell;
    bool quoted = false;
    for (qsizetype k = 0; k < line.size(); ++k) {
        const QChar c = line.at(k);
        if (quoted && c == '"' && k + 1 < line.size() && line.at(k + 1) == '"') {
            cell += '"';
            ++k;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            cells.append(cell);
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells.append(cell);
    return cells;
}

CvJournalObject scalarObject(const QString &oid, const char *label, int before, int sent)
{
    CvJournalObject o;
    o.oid = *ParseOid(oid + ".0");
    o.label = QString::fromLatin1(label);
    o.before = CvSNMPValue::FromInteger(before);
    o.sent = CvSNMPValue::FromInteger(sent);
    return o;
}

} // namespace

class TstJournal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void changesAreJournalledAndUndone();
    void deletedRowIsMadeAgain();
    void savedJournalMatchesAndNothingElseIsWritten();
    void undoSetsBackOnlyWhatTheAgentTook();

private:
    std::unique_ptr<TMainForm> start();
    void setJumbo(TMainForm &form, const QString &state);

    QTemporaryDir m_work; // the working folder
    QTemporaryDir m_home;
    QTemporaryDir m_conf; // the settings store and the switch's file
    QTemporaryDir m_saves;
    std::unique_ptr<SimulatorProcess> m_sim;
};

void TstJournal::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_work.path()));
    StartSession(m_conf.path());
    qputenv("HOME", m_home.path().toLocal8Bit());
    for (const char *xdg : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qunsetenv(xdg);
    m_sim = std::make_unique<SimulatorProcess>();
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
    QVERIFY(WriteModuleSettings(m_conf.path(), m_sim->port()));
    RegisterGeneratedWindows();
    RegisterHandLaidWindows();
}

std::unique_ptr<TMainForm> TstJournal::start()
{
    auto form = std::make_unique<TMainForm>(QStringList {"/I127.0.0.1", "/Rkestra", "/Wmarlowe"});
    form->show();
    form->activateWindow();
    return form;
}

// Sets the jumbo frame state in its generated window, as the operator does.
void TstJournal::setJumbo(TMainForm &form, const QString &state)
{
    bool set = false;
    onModal<TConfigForm>([&](TConfigForm &w) {
        QVERIFY(WaitIdle(w));
        auto *combo = qobject_cast<QComboBox *>(w.Bindings()[0].control);
        QVERIFY(combo);
        combo->setCurrentIndex(combo->findText(state));
        w.Body()->buttonBar->setCheckedButton->click();
        QVERIFY(WaitIdle(w));
        set = true;
    });
    FindMenuAction(form.menuWidget(), {"Layer 2 Management", "Port Management", "Jumbo Frame Ctrl"})
        ->trigger();
    QVERIFY(set);
}

void TstJournal::changesAreJournalledAndUndone()
{
    auto form = start();
    const qsizetype entries = CvChangeJournal::Instance().Entries().size();

    // A Set in a generated window.
    QCOMPARE(ReadScalar(qPrintable(jumbo), SyntaxInteger), QString("2"));
    setJumbo(*form, "enabled");
    QCOMPARE(ReadScalar(qPrintable(jumbo), SyntaxInteger), QString("3"));

    // A port more in VLAN 20 of the Static Table.
    const QString vlan20 = QString(staticEntry) + ".%1.20";
    const QByteArray ports = portListOf({1, 2, 3});
    const QByteArray morePorts = portListOf({1, 2, 3, 7});
    QVERIFY(SnmpSet(*m_sim, vlan20.arg(5), "i", "4"));
    QVERIFY(SnmpSet(*m_sim, vlan20.arg(2), "x", QString::fromLatin1(ports.toHex())));
    onModal<TVlanStaticForm>([&](TVlanStaticForm &w) {
        WAIT_IDLE(w);
        auto *list = w.findChild<QTreeWidget *>("LV_dot1qVlanStaticEntry");
        ClickRow(list, RowWithCaption(list, "20"));
        w.EgressGrid()->Port(1, 7)->click();
        w.findChild<QPushButton *>("SetBtn")->click();
        WAIT_IDLE(w);
    });
    FindMenuAction(form->menuWidget(), {"VLAN", "802.1Q", "802.1Q VLAN ", "Static Table"})
        ->trigger();
    QCOMPARE(egressOf("20"), morePorts);

    // An Add in a hand-laid window.
    QVERIFY(!protocolVlans().contains("40"));
    onModal<TProtocolVlanForm>([&](TProtocolVlanForm &w) {
        WAIT_IDLE(w);
        w.findChild<QLineEdit *>("Index")->setText("40");
        w.findChild<QLineEdit *>("Name")->setText("journal");
        w.findChild<QPushButton *>("Add")->click();
        WAIT_IDLE(w);
    });
    FindMenuAction(form->menuWidget(), {"VLAN", "Protocol VLAN"})->trigger();
    QCOMPARE(protocolVlans().value("40").value(ProtocolVlan::Name), QString("journal"));

    const QString changes = QString("Changes: %1").arg(entries + 3);
    QCOMPARE(form->findChild<QLabel *>("ChangeCountPanel")->text(), changes);
    const QString ok = "(CvSNMP++) Ok!";
    bool shown = false;
    onModal<TChangeJournalForm>([&](TChangeJournalForm &journal) {
        auto *list = journal.findChild<QTreeWidget *>("JournalList");
        auto *undo = journal.findChild<QPushButton *>("UndoBtn");
        QCOMPARE(list->topLevelItemCount(), entries + 3);
        // Newest first, each with the value the switch held before.
        const QTreeWidgetItem *added = list->topLevelItem(0);
        QCOMPARE(added->text(1), QString("Protocol VLAN"));
        QCOMPARE(
            objectsOf(added).value("Name (Index 40)"), (QStringList {"no row", "journal", ok}));
        QCOMPARE(objectsOf(added).value("Row Status (Index 40)"),
            (QStringList {"no row", "createAndGo", ok}));
        QTreeWidgetItem *vlan = list->topLevelItem(1);
        QCOMPARE(vlan->text(1), QString("VLAN Static Form"));
        QCOMPARE(vlan->text(2), QString("5 objects (VLAN ID 20)"));
        QCOMPARE(objectsOf(vlan).value("Egress Ports (VLAN ID 20)"),
            (QStringList {"1:1-3", "1:1-3, 1:7", ok}));
        QCOMPARE(objectsOf(vlan).value("Untagged Ports (VLAN ID 20)"),
            (QStringList {"no ports", "no ports", ok}));
        const QTreeWidgetItem *set = list->topLevelItem(2);
        QCOMPARE(set->text(1), QString("Jumbo Frame Ctrl"));
        QCOMPARE(
            objectsOf(set).value("Jumbo Frame State"), (QStringList {"disabled", "enabled", ok}));

        // Undo of the VLAN change sets back the one list it changed.
        ClickRow(list, vlan);
        bool asked = false;
        onModal<TUndoDialog>([&](TUndoDialog &dialog) {
            asked = true;
            QCOMPARE(dialog.findChild<QLabel *>("UndoSummary")->text(),
                QString(JournalMessages::StillHolds));
            const QTreeWidgetItem *egress = undoRow(dialog, "Egress Ports (VLAN ID 20)");
            QVERIFY(egress);
            QCOMPARE(egress->checkState(0), Qt::Checked);
            QCOMPARE(egress->text(1), QString("1:1-3, 1:7"));
            QCOMPARE(egress->text(2), QString("1:1-3"));
            QVERIFY(
                !(undoRow(dialog, "VLAN Name (VLAN ID 20)")->flags() & Qt::ItemIsUserCheckable));
            dialog.findChild<QPushButton *>("UndoWriteBtn")->click();
        });
        undo->click();
        QVERIFY(asked);
        QCOMPARE(egressOf("20"), ports);
        QCOMPARE(list->topLevelItemCount(), entries + 4);
        QCOMPARE(list->topLevelItem(0)->text(1), QString("Undo: VLAN Static Form"));
        QCOMPARE(objectsOf(list->topLevelItem(0)).value("Egress Ports (VLAN ID 20)"),
            (QStringList {"1:1-3, 1:7", "1:1-3", ok}));

        // The new row's name changed behind the module's back: undo names
        // it and writes nothing unless it is ticked.
        QVERIFY(SnmpSet(*m_sim, penOid(".12.16.1.1.1.2.40"), "s", "other"));
        ClickRow(list, list->topLevelItem(1));
        asked = false;
        onModal<TUndoDialog>([&](TUndoDialog &dialog) {
            asked = true;
            QCOMPARE(dialog.findChild<QLabel *>("UndoSummary")->text(),
                QString(JournalMessages::HoldsOther).arg("Name (Index 40)"));
            QCOMPARE(undoRow(dialog, "Row Status (Index 40)")->checkState(0), Qt::Unchecked);
            QVERIFY(!dialog.findChild<QPushButton *>("UndoWriteBtn")->isEnabled());
            dialog.findChild<QPushButton *>("CancelBtn")->click();
        });
        undo->click();
        QVERIFY(asked);
        QCOMPARE(protocolVlans().value("40").value(ProtocolVlan::Name), QString("other"));
        QCOMPARE(list->topLevelItemCount(), entries + 4);

        // Ticked, the row the Add made is removed.
        onModal<TUndoDialog>([&](TUndoDialog &dialog) {
            undoRow(dialog, "Row Status (Index 40)")->setCheckState(0, Qt::Checked);
            dialog.findChild<QPushButton *>("UndoWriteBtn")->click();
        });
        undo->click();
        QVERIFY(!protocolVlans().contains("40"));
        QCOMPARE(list->topLevelItem(0)->text(1), QString("Undo: Protocol VLAN"));
        shown = true;
    });
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_J, Qt::ControlModifier);
    QVERIFY(shown);
}

// A VLAN deleted in the Static Table is made again by undo, with the
// values the window had read for it.
void TstJournal::deletedRowIsMadeAgain()
{
    auto form = start();
    const QString vlan21 = QString(staticEntry) + ".%1.21";
    const QByteArray ports = portListOf({4, 5});
    QVERIFY(SnmpSet(*m_sim, vlan21.arg(5), "i", "4"));
    QVERIFY(SnmpSet(*m_sim, vlan21.arg(1), "s", "doomed"));
    QVERIFY(SnmpSet(*m_sim, vlan21.arg(2), "x", QString::fromLatin1(ports.toHex())));
    onModal<TVlanStaticForm>([&](TVlanStaticForm &w) {
        WAIT_IDLE(w);
        auto *list = w.findChild<QTreeWidget *>("LV_dot1qVlanStaticEntry");
        ClickRow(list, RowWithCaption(list, "21"));
        w.findChild<QPushButton *>("DeleteBtn")->click();
        WAIT_IDLE(w);
    });
    FindMenuAction(form->menuWidget(), {"VLAN", "802.1Q", "802.1Q VLAN ", "Static Table"})
        ->trigger();
    QVERIFY(!ReadTable(StaticVlanVars, MVT_UMV, 1).contains("21"));
    bool asked = false;
    onModal<TChangeJournalForm>([&](TChangeJournalForm &journal) {
        auto *list = journal.findChild<QTreeWidget *>("JournalList");
        QCOMPARE(objectsOf(list->topLevelItem(0)).value("Status (VLAN ID 21)"),
            (QStringList {"Active", "Destroy", "(CvSNMP++) Ok!"}));
        ClickRow(list, list->topLevelItem(0));
        onModal<TUndoDialog>([&](TUndoDialog &dialog) {
            asked = true;
            const QTreeWidgetItem *row = undoRow(dialog, "Status (VLAN ID 21)");
            QVERIFY(row);
            QCOMPARE(row->text(1), QString("no row"));
            QCOMPARE(row->checkState(0), Qt::Checked);
            dialog.findChild<QPushButton *>("UndoWriteBtn")->click();
        });
        journal.findChild<QPushButton *>("UndoBtn")->click();
    });
    // The journal has a row of its own in the command finder.
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_K, Qt::ControlModifier);
    auto *finder = form->findChild<QWidget *>("CommandFinder");
    QTRY_VERIFY(finder->isVisible());
    auto *find = finder->findChild<QLineEdit *>("CommandFinderEdit");
    QTest::keyClicks(find, "change journal");
    QCOMPARE(finder->findChild<QListWidget *>("CommandFinderList")->currentItem()->text(),
        QString("Change Journal"));
    QTest::keyClick(find, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(asked, 20000);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    const QStringList made = ReadTable(StaticVlanVars, MVT_UMV, 1).value("21");
    QCOMPARE(made.value(StaticVlan::Name), QString("doomed"));
    QCOMPARE(Octets(made.value(StaticVlan::Egress)), ports);

    // The main window's other key of its own, beside Ctrl+J: saved settings,
    // whose restores are journal entries.
    bool saved = false;
    onModal<TSavedSettingsForm>([&](TSavedSettingsForm &) { saved = true; });
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(saved);
}

// Copy and Save As give what the window lists; a Save As cancelled writes
// nothing, and one made writes the file chosen and nothing else, neither
// the toolkit's settings nor anything in the working folder.
void TstJournal::savedJournalMatchesAndNothingElseIsWritten()
{
    auto form = start();
    setJumbo(*form, ReadScalar(qPrintable(jumbo), SyntaxInteger) == "3" ? "disabled" : "enabled");
    const QStringList work = filesBelow(m_work.path());
    const QStringList home = filesBelow(m_home.path());
    const QString file = m_saves.filePath("journal.csv");
    bool shown = false;
    onModal<TChangeJournalForm>([&](TChangeJournalForm &journal) {
        auto *list = journal.findChild<QTreeWidget *>("JournalList");
        const QList<QStringList> rows = shownRows(list);
        QVERIFY(!rows.isEmpty());
        // The filter keeps the changes holding its text, in any column.
        auto *filter = journal.findChild<QLineEdit *>("FilterEdit");
        QTest::keyClicks(filter, "jumbo frame");
        const QList<QStringList> jumboRows = shownRows(list);
        QVERIFY(!jumboRows.isEmpty());
        for (const QStringList &row : jumboRows)
            QCOMPARE(row.at(2), QString("Jumbo Frame State"));
        filter->clear();
        QTest::keyClicks(filter, "no such change");
        QVERIFY(shownRows(list).isEmpty());
        filter->clear();
        QCOMPARE(shownRows(list), rows);

        QApplication::clipboard()->clear();
        QTest::keySequence(list, QKeySequence::Copy);
        QStringList copied = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(copied.value(0), QString("Time\tWindow\tObject\tBefore\tAfter\tResult"));
        QCOMPARE(copied.size(), rows.size() + 1);
        for (qsizetype k = 0; k < rows.size(); ++k)
            QCOMPARE(copied.at(k + 1), rows.at(k).join('\t'));

        auto *saveAs = journal.findChild<QPushButton *>("SaveAsBtn");
        onModal<QFileDialog>([](QFileDialog &dialog) { dialog.reject(); });
        saveAs->click();
        QCOMPARE(filesBelow(m_home.path()), home);

        onModal<QFileDialog>([&](QFileDialog &dialog) {
            // The operator types the name where the journal goes.
            dialog.setDirectory(m_saves.path());
            auto *name = dialog.findChild<QLineEdit *>("fileNameEdit");
            QVERIFY(name);
            name->setText("journal");
            static_cast<QDialog &>(dialog).accept(); // as its Save button does
        });
        saveAs->click();
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QStringList lines
            = QString::fromUtf8(saved.readAll()).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0), QString("Time,Window,Agent,Object,Before,After,Result"));
        QCOMPARE(lines.size(), rows.size() + 1);
        const QString agent = QString("127.0.0.1:%1").arg(m_sim->port());
        for (qsizetype k = 0; k < rows.size(); ++k) {
            QStringList cells = csvCells(lines.at(k + 1));
            QCOMPARE(cells.takeAt(2), agent);
            QCOMPARE(cells, rows.at(k));
        }
        shown = true;
    });
    QTest::mouseClick(form->findChild<QLabel *>("ChangeCountPanel"), Qt::LeftButton);
    QVERIFY(shown);
    QCOMPARE(filesBelow(m_home.path()), home);
    QCOMPARE(filesBelow(m_work.path()), work);
    QCOMPARE(filesBelow(m_saves.path()), QStringList {"journal.csv"});
}

// One action, two requests: the agent takes the first and refuses the
// second for its second object. The refusal is told on the object it
// names, and undo sets back the first request's object alone.
void TstJournal::undoSetsBackOnlyWhatTheAgentTook()
{
    const QString fan = penOid(".11.59.8.2.1.3.3");
    CvSNMPSessionDefaults &s = SessionDefaults();
    s.device.address = m_sim->address();
    s.device.port = m_sim->port();
    s.security.version = 1;
    s.security.readCommunity = "kestra";
    s.security.writeCommunity = "marlowe";
    const QString jumboBefore = ReadScalar(qPrintable(jumbo), SyntaxInteger);
    const int before = jumboBefore.toInt();
    const int other = before == 2 ? 3 : 2;
    QCOMPARE(ReadScalar(qPrintable(fan), SyntaxInteger), QString("3"));
    int id = 0;
    {
        const CvOperatorAction action("Two requests");
        CvSNMPRequest request;
        request.SetObjects({scalarObject(jumbo, "Jumbo", before, other)});
        QVERIFY_THROWS_EXCEPTION(CvException,
            request.SetObjects(
                {scalarObject(fan, "Fan", 3, 2), scalarObject(jumbo, "Jumbo", other, 9)}));
        id = int(CvChangeJournal::Instance().Entries().size());
    }
    const CvJournalEntry entry = *CvChangeJournal::Instance().Find(id);
    QCOMPARE(entry.window, QString("Two requests"));
    QCOMPARE(entry.requests.size(), 2);
    const QList<CvJournalObject> &refused = entry.requests.at(1).objects;
    QCOMPARE(refused.at(1).result, entry.requests.at(1).message);
    QCOMPARE(refused.at(0).result, QString(JournalText::RefusedBecauseOf).arg("Jumbo"));
    QCOMPARE(QString::number(other), ReadScalar(qPrintable(jumbo), SyntaxInteger));

    const CvUndoPlan plan = PlanUndo(entry);
    QCOMPARE(plan.items.size(), 1);
    QCOMPARE(plan.items.at(0).name, QString("Jumbo"));
    QCOMPARE(plan.items.at(0).state, CvUndoItem::State::Restore);
    QCOMPARE(RunUndo(entry, plan), QStringList());
    QCOMPARE(ReadScalar(qPrintable(jumbo), SyntaxInteger), jumboBefore);
    QCOMPARE(ReadScalar(qPrintable(fan), SyntaxInteger), QString("3"));
    const CvJournalEntry &undo = CvChangeJournal::Instance().Entries().constLast();
    QCOMPARE(undo.undoOf, id);
    QCOMPARE(undo.requests.size(), 1);
}

QTEST_MAIN(TstJournal)
#include "tst_journal.moc"
