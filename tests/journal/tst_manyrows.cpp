// Several rows at once, through the real main window against the
// simulator: the Edit dialog of a generated table writes the ticked field
// to each selected row and nothing else, as one journal entry that one
// undo takes back; Delete asks once and removes each row; a dialog-edited
// window does the same through its own dialog; ports pressed together on
// the front panel open the port control rows selected.
#include "AuthVariables.h"
#include "CvChangeJournal.h"
#include "CvJournalUndo.h"
#include "CvSNMPRequest.h"
#include "CvSNMPRequest2Edits.h"
#include "FormTesting.h"
#include "GeneratedWindows.h"
#include "HandLaidWindows.h"
#include "ListViews.h"
#include "SimulatorProcess.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TMainForm.h"
#include "TMd5EditForm.h"
#include "TMd5InformationForm.h"
#include "TSNMPPanel.h"
#include "WindowWaits.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

QString portCtrl(int column, int port)
{
    return QStringLiteral("1.3.6.1.4.1.%1.11.59.8.2.3.2.1.%2.%3")
        .arg(TRV_PEN)
        .arg(column)
        .arg(port);
}
constexpr int FlowControl = 5; // column, and binding 4 of the window
constexpr int LockState = 6; // column, and binding 5
constexpr const char *disabled = "2";
constexpr const char *enabled = "3";

// A second request of the test's own: one port's column.
QString portValue(int column, int port)
{
    const QByteArray oid = portCtrl(column, port).section('.', 0, -2).toLatin1();
    const CvSNMPVar vars[] = {{oid.constData(), "v", SyntaxInteger, AccessReadOnly}, {}};
    CvSNMPRequest r;
    r.SetVarList(vars, MVT_SV, 0);
    r.varList.instance = QString::number(port);
    r.Get(true);
    return r.varList.Var(0).value;
}

QAction *findAction(QWidget *root, const QStringList &path)
{
    QList<QAction *> actions = root->actions();
    QAction *found = nullptr;
    for (const QString &caption : path) {
        found = nullptr;
        for (QAction *a : actions)
            if (a->text() == caption)
                found = a;
        if (!found)
            return nullptr;
        actions = found->menu() ? found->menu()->actions() : QList<QAction *>();
    }
    return found;
}

// Runs body on the next modal widget of class W from the event loop and
// closes it afterwards if body left it open; gives up after 15 s.
template <class W> void onModal(std::function<void(W &)> body, int tries = 750)
{
    QTimer::singleShot(20, [body = std::move(body), tries]() mutable {
        auto *window = qobject_cast<W *>(QApplication::activeModalWidget());
        if (!window) {
            if (tries > 0)
                onModal<W>(std::move(body), tries - 1);
            return;
        }
        const QPointer<W> guard(window);
        body(*window);
        if (guard && guard->isVisible())
            guard->close();
    });
}

// Answers the next message box with button, keeping its text.
void answerBox(QString *text, QMessageBox::StandardButton button)
{
    onModal<QMessageBox>([text, button](QMessageBox &box) {
        *text = box.text();
        box.button(button)->click();
    });
}

// A click on a row as the operator makes it, with Ctrl or Shift held.
void clickRow(QTreeWidget *list, QTreeWidgetItem *row, Qt::KeyboardModifiers keys = {})
{
    QVERIFY(list && row);
    list->scrollToItem(row);
    const QRect rect = list->visualItemRect(row);
    const QPoint at(std::min(rect.center().x(), list->viewport()->width() / 2), rect.center().y());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, keys, at);
}

QStringList selectedCaptions(const QTreeWidget *list)
{
    QStringList captions;
    for (int r = 0; r < list->topLevelItemCount(); ++r)
        if (list->topLevelItem(r)->isSelected())
            captions.append(list->topLevelItem(r)->text(0));
    return captions;
}

QAbstractButton *portButton(TMainForm &form, int port)
{
    for (QAbstractButton *b : form.PortButtons())
        if (b->property("tag").toInt() == port)
            return b;
    return nullptr;
}

QList<int> pressedPorts(TMainForm &form)
{
    QList<int> ports;
    for (QAbstractButton *b : form.PortButtons())
        if (b->isChecked())
            ports.append(b->property("tag").toInt());
    return ports;
}

// VLANs made and removed by a table window of the test's own.
const CvIntOption rowStates[] = {{1, "active"}, {2, "notInService"}, {3, "notReady"},
    {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"}, {0, nullptr}};
const CvOptionList &rowStatusOptions()
{
    static const CvOptionList list(rowStates);
    return list;
}
const CvSNMPVar vlanVars[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", SyntaxGauge, AccessNotAccessible},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Name", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Row Status", SyntaxInteger, AccessReadWrite,
        &rowStatusOptions()},
    {},
};
const CvControlBinding vlanBindings[] = {
    {KindEditUnticked, "%i{n1x4094l4}", &vlanVars[0]},
    {KindEdit, "%s", &vlanVars[1]},
    {KindComboBox, "%s", &vlanVars[2]},
    {},
};

// Makes a row of a table with createAndGo in its last variable.
void makeRow(const CvSNMPVar *vars, const QStringList &values)
{
    CvSNMPRequest r;
    r.SetVarList(vars, MVT_UMV, 1);
    for (int i = 0; i < values.size(); ++i)
        r.varList.Var(i).value = values.at(i);
    r.Set(false);
}

int lastEntryId()
{
    return int(CvChangeJournal::Instance().Entries().size());
}

} // namespace

class TstManyRows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void editWritesTheTickedFieldToEachRow();
    void deleteAsksOnceAndRemovesEachRow();
    void dialogEditedWindowEditsAndDeletesManyRows();
    void portsPressedTogetherOpenTheirRows();

private:
    std::unique_ptr<TMainForm> start();

    QTemporaryDir m_conf;
    std::unique_ptr<SimulatorProcess> m_sim;
};

void TstManyRows::initTestCase()
{
    StartSession(m_conf.path());
    m_sim = std::make_unique<SimulatorProcess>();
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
    QDir(m_conf.path()).mkpath("conf");
    QFile store(m_conf.filePath("registry.ini"));
    QVERIFY(store.open(QIODevice::WriteOnly));
    store.write(QStringLiteral("[\\SOFTWARE\\Corvane\\Vantrel5.1\\MibFile]\nPath=%1/\n")
                    .arg(m_conf.filePath("conf"))
                    .toUtf8());
    store.close();
    qputenv("TRV_REGISTRY", m_conf.filePath("registry.ini").toLocal8Bit());
    QFile cfg(m_conf.filePath("conf/127.0.0.1.cfg"));
    QVERIFY(cfg.open(QIODevice::WriteOnly));
    cfg.write(QStringLiteral("[Program Information]\nAgentPort=%1\nVersion=1\nSecurityModel=3\n"
                             "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n")
                  .arg(m_sim->port())
                  .toUtf8());
    cfg.close();
    RegisterGeneratedWindows();
    RegisterHandLaidWindows();
}

std::unique_ptr<TMainForm> TstManyRows::start()
{
    auto form = std::make_unique<TMainForm>(QStringList {"/I127.0.0.1", "/Rkestra", "/Wmarlowe"});
    form->show();
    form->activateWindow();
    return form;
}

// Five rows of the Port Control Table: the one field ticked goes to each
// of them and to no other row, the field they differ in comes up empty
// and unticked and stays as it was; one journal entry, which one undo
// takes back whole.
void TstManyRows::editWritesTheTickedFieldToEachRow()
{
    auto form = start();
    const QList<int> chosen = {3, 4, 5, 6, 7};
    for (int port = 2; port <= 8; ++port) {
        QVERIFY(SnmpSet(*m_sim, portCtrl(LockState, port), "i", disabled));
        QVERIFY(SnmpSet(*m_sim, portCtrl(FlowControl, port), "i", port == 5 ? enabled : disabled));
    }
    const int entries = lastEntryId();
    bool edited = false;
    onModal<TConfigForm>([&](TConfigForm &w) {
        QVERIFY(WaitIdle(w));
        QTreeWidget *list = w.tablePanel->listView;
        clickRow(list, RowWithCaption(list, "3"));
        clickRow(list, RowWithCaption(list, "7"), Qt::ShiftModifier);
        QCOMPARE(selectedCaptions(list), (QStringList {"3", "4", "5", "6", "7"}));
        QPushButton *edit = w.Body()->buttonBar->setButton;
        QVERIFY(edit->isEnabled());
        onModal<QDialog>([&](QDialog &dialog) {
            CvBindingList &b = w.Bindings();
            auto *flow = qobject_cast<QComboBox *>(b[4].control);
            auto *lock = qobject_cast<QComboBox *>(b[5].control);
            QCOMPARE(flow->currentIndex(), -1);
            QVERIFY(!b[4].includeBox->isChecked());
            QCOMPARE(lock->currentText(), QString("disabled"));
            QVERIFY(b[5].includeBox->isChecked());
            dialog.findChild<QPushButton *>("clearChecksButton")->click();
            b[5].includeBox->setChecked(true);
            lock->setCurrentIndex(lock->findText("enabled"));
            dialog.findChild<QPushButton *>("setCheckedButton")->click();
            QVERIFY(WaitIdle(w));
            const QStringList memo = dialog.findChild<QPlainTextEdit *>("messageMemo")
                                         ->toPlainText()
                                         .split('\n', Qt::SkipEmptyParts)
                                         .filter(QRegularExpression("^Set: "));
            QCOMPARE(memo.size(), chosen.size());
            for (qsizetype k = 0; k < chosen.size(); ++k)
                QVERIFY2(memo.at(k).contains(QString("Index %1: (CvSNMP++) Ok!").arg(chosen.at(k))),
                    qPrintable(memo.at(k)));
            edited = true;
        });
        edit->click();
        // The rows written are selected again once they are read.
        QCOMPARE(selectedCaptions(list), (QStringList {"3", "4", "5", "6", "7"}));
        QCOMPARE(RowWithCaption(list, "6")->text(LockState - 1), QString("enabled"));
    });
    findAction(form->menuWidget(), {"Layer 2 Management", "Port Management", "Port Control Table"})
        ->trigger();
    QVERIFY(edited);

    for (int port = 2; port <= 8; ++port) {
        QCOMPARE(portValue(LockState, port), QString(chosen.contains(port) ? enabled : disabled));
        QCOMPARE(portValue(FlowControl, port), QString(port == 5 ? enabled : disabled));
    }

    QCOMPARE(lastEntryId(), entries + 1);
    const CvJournalEntry entry = CvChangeJournal::Instance().Entries().constLast();
    QVERIFY2(entry.window.startsWith("Port Control Table"), qPrintable(entry.window));
    QCOMPARE(entry.requests.size(), chosen.size());
    for (qsizetype k = 0; k < chosen.size(); ++k) {
        const QList<CvJournalObject> &objects = entry.requests.at(k).objects;
        QCOMPARE(objects.size(), 1);
        QCOMPARE(objects.at(0).Name(), QString("Lock State (Index %1)").arg(chosen.at(k)));
        QCOMPARE(objects.at(0).BeforeText(), QString("disabled"));
    }

    const CvUndoPlan plan = PlanUndo(entry);
    QCOMPARE(plan.items.size(), chosen.size());
    for (const CvUndoItem &item : plan.items)
        QCOMPARE(item.state, CvUndoItem::State::Restore);
    QCOMPARE(RunUndo(entry, plan), QStringList());
    for (int port = 2; port <= 8; ++port)
        QCOMPARE(portValue(LockState, port), QString(disabled));
    QCOMPARE(CvChangeJournal::Instance().Entries().constLast().undoOf, entry.id);
}

// Delete with three rows selected: "No" leaves them; "Yes" after the one
// question removes exactly those, as one journal entry.
void TstManyRows::deleteAsksOnceAndRemovesEachRow()
{
    auto form = start();
    for (const char *id : {"61", "62", "63", "64"})
        makeRow(vlanVars, {id, QStringLiteral("doomed"), QStringLiteral("createAndGo")});
    CvFormDescriptor d;
    d.menuPath = "Test > VLANs";
    d.title = "VLANs";
    d.variables = vlanVars;
    d.bindings = vlanBindings;
    d.listKind = MVT_UMV;
    d.indexCount = 1;
    d.createColumn = 2;
    d.createValue = "createAndGo";
    d.deleteColumn = 2;
    d.deleteValue = "destroy";
    auto w = BuildGeneratedWindow(d);
    w->show();
    QVERIFY(WaitIdle(*w));
    QTreeWidget *list = w->tablePanel->listView;
    clickRow(list, RowWithCaption(list, "61"));
    clickRow(list, RowWithCaption(list, "62"), Qt::ControlModifier);
    clickRow(list, RowWithCaption(list, "64"), Qt::ControlModifier);
    QPushButton *del = w->Body()->buttonBar->deleteButton;
    QVERIFY(del->isEnabled());
    const auto vlans = [] { return ReadTable(vlanVars, MVT_UMV, 1).keys(); };

    const int entries = lastEntryId();
    QString question;
    answerBox(&question, QMessageBox::No);
    del->click();
    QCOMPARE(question, QString("Delete the 3 selected rows?"));
    QVERIFY(WaitIdle(*w));
    QCOMPARE(vlans(), (QStringList {"1", "61", "62", "63", "64"}));
    QCOMPARE(lastEntryId(), entries);

    answerBox(&question, QMessageBox::Yes);
    del->click();
    QVERIFY(WaitIdle(*w));
    QCOMPARE(vlans(), (QStringList {"1", "63"}));
    QCOMPARE(lastEntryId(), entries + 1);
    QCOMPARE(CvChangeJournal::Instance().Entries().constLast().requests.size(), 3);
    QStringList shown;
    for (int r = 0; r < list->topLevelItemCount(); ++r)
        shown.append(list->topLevelItem(r)->text(0));
    QCOMPARE(shown, (QStringList {"1", "63"}));
    const QString memo = w->Body()->messagePanel->memo->toPlainText();
    QVERIFY2(memo.contains("VLAN ID 64: (CvSNMP++) Ok!"), qPrintable(memo));
    w->close();
}

// The MD5 keys window edits and deletes two of three keys at once through
// its own dialog: the key they differ in comes up empty, the one typed
// goes to both, and the third key is left alone.
void TstManyRows::dialogEditedWindowEditsAndDeletesManyRows()
{
    auto form = start();
    makeRow(Md5KeyVars, {"21", "alpha", "createAndGo"});
    makeRow(Md5KeyVars, {"22", "beta", "createAndGo"});
    makeRow(Md5KeyVars, {"23", "gamma", "createAndGo"});
    const auto keys = [] { return ReadTable(Md5KeyVars, MVT_UMV, 1); };
    RunFromMenu<TMd5InformationForm>("TMd5InformationForm", [&](TMd5InformationForm &w) {
        WAIT_IDLE(w);
        auto *list = w.findChild<QTreeWidget *>("ListView1");
        TMd5EditForm &d = *w.EditDialog();
        clickRow(list, RowWithCaption(list, "21"));
        clickRow(list, RowWithCaption(list, "23"), Qt::ControlModifier);
        bool shown = false;
        onModal<TMd5EditForm>([&](TMd5EditForm &dialog) {
            shown = true;
            QCOMPARE(dialog.KeyEdit()->text(), QString());
            QCOMPARE(dialog.KeyIDEdit()->text(), QString());
            dialog.KeyEdit()->setText("shared");
            dialog.findChild<QPushButton *>("SetButton")->click();
        });
        w.findChild<QPushButton *>("EditButton")->click();
        QVERIFY(shown);
        WAIT_IDLE(w);
        QCOMPARE(keys().value("21").value(Md5Key::Key), QString("shared"));
        QCOMPARE(keys().value("22").value(Md5Key::Key), QString("beta"));
        QCOMPARE(keys().value("23").value(Md5Key::Key), QString("shared"));
        const QString memo = w.findChild<QPlainTextEdit *>("Memo1")->toPlainText();
        QVERIFY2(memo.contains("Key Id 23: (CvSNMP++) Ok!"), qPrintable(memo));

        clickRow(list, RowWithCaption(list, "21"));
        clickRow(list, RowWithCaption(list, "23"), Qt::ControlModifier);
        QString question;
        answerBox(&question, QMessageBox::Yes);
        w.findChild<QPushButton *>("DeleteButton")->click();
        QCOMPARE(question, QString("Delete the 2 selected rows?"));
        WAIT_IDLE(w);
        QVERIFY(!keys().contains("21"));
        QVERIFY(!keys().contains("23"));
        QCOMPARE(keys().value("22").value(Md5Key::Key), QString("beta"));
        QVERIFY(!RowWithCaption(list, "21") && RowWithCaption(list, "22"));
    });
}

// Ports pressed with Ctrl and Shift on the front panel: Port Configuration
// from the port menu of one of them opens the port control rows of all,
// selected and ready for Edit. A plain click presses one port again.
void TstManyRows::portsPressedTogetherOpenTheirRows()
{
    auto form = start();
    QTRY_VERIFY_WITH_TIMEOUT(portButton(*form, 9), 20000);
    QTest::mouseClick(portButton(*form, 3), Qt::LeftButton);
    QTest::mouseClick(portButton(*form, 5), Qt::LeftButton, Qt::ShiftModifier);
    QTest::mouseClick(portButton(*form, 9), Qt::LeftButton, Qt::ControlModifier);
    QTest::mouseClick(portButton(*form, 4), Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(pressedPorts(*form), (QList<int> {3, 5, 9}));

    QStringList selected;
    bool editable = false;
    onModal<TConfigForm>([&](TConfigForm &w) {
        QVERIFY(WaitIdle(w));
        selected = selectedCaptions(w.tablePanel->listView);
        editable = w.Body()->buttonBar->setButton->isEnabled();
    });
    QAbstractButton *port5 = portButton(*form, 5);
    emit port5->customContextMenuRequested(port5->rect().center());
    QMenu *menu = form->PortInfoPopupMenu();
    QAction *configuration = menu->findChild<QAction *>("PortConfiguration");
    QVERIFY(configuration);
    menu->hide();
    configuration->trigger();
    QCOMPARE(selected, (QStringList {"3", "5", "9"}));
    QVERIFY(editable);
    QCOMPARE(pressedPorts(*form), (QList<int> {3, 5, 9}));

    QTest::mouseClick(portButton(*form, 7), Qt::LeftButton);
    QCOMPARE(pressedPorts(*form), (QList<int> {7}));
}

QTEST_MAIN(TstManyRows)
#include "tst_manyrows.moc"
