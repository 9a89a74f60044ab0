// Generated windows driven through their buttons and dialogs against the
// simulator; what the agent holds afterwards is checked with a second
// request of its own.
#include "CatalogueRows.h"
#include "CvChangeJournal.h"
#include "CvJournalUndo.h"
#include "CvSNMPRequest.h"
#include "CvSNMPRequest2Edits.h"
#include "CvSNMPSession.h"
#include "FakeMainWindow.h"
#include "GeneratedWindows.h"
#include "SimulatorProcess.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TPanelContainer.h"
#include "TSNMPLayoutAdapter.h"
#include "TSNMPPanel.h"
#include "WakeCounter.h"
#include "WindowWaits.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace {
const CvIntOption trapStates[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const CvOptionList &trapOptions()
{
    static const CvOptionList list(trapStates);
    return list;
}
const CvIntOption rowStates[] = {{1, "active"}, {2, "notInService"}, {3, "notReady"},
    {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"}, {0, nullptr}};
const CvOptionList &rowStatusOptions()
{
    static const CvOptionList list(rowStates);
    return list;
}

const CvSNMPVar systemVars[] = {
    {"1.3.6.1.2.1.1.1", "Description", SyntaxDisplayString, AccessReadOnly},
    {"1.3.6.1.2.1.1.5", "Name", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.2.1.1.6", "Location", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.2.1.1.4", "Contact", SyntaxDisplayString, AccessReadWrite},
    {},
};
const CvControlBinding systemBindings[] = {
    {KindEditUnticked, "%s", &systemVars[0]},
    {KindEdit, "%s", &systemVars[1]},
    {KindEdit, "%s", &systemVars[2]},
    {KindEdit, "%s", &systemVars[3]},
    {},
};

// A writable integer shown in a bounded edit.
#define PEN_OID(rest) "1.3.6.1.4.1." QT_STRINGIFY(TRV_PEN) rest
const CvSNMPVar rmonVars[] = {
    {PEN_OID(".11.59.8.2.1.2.3"), "Rmon State", SyntaxInteger, AccessReadWrite},
    {},
};
const CvControlBinding rmonBindings[] = {
    {KindEdit, "%i{n2x3l1}", &rmonVars[0]},
    {},
};

// Edits whose lengths are shorter than values the agent may hold.
const CvSNMPVar limitedVars[] = {
    {"1.3.6.1.2.1.1.6", "Location", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.2.1.17.4.2", "Aging Time", SyntaxInteger, AccessReadWrite},
    {},
};
const CvControlBinding limitedBindings[] = {
    {KindEdit, "%s{l15}", &limitedVars[0]},
    {KindEdit, "%i{n10x1000l4}", &limitedVars[1]},
    {},
};

// An address typed into one edit.
const CvSNMPVar sntpVars[] = {
    {PEN_OID(".12.10.11.2"), "Primary Server", SyntaxIpAddress, AccessReadWrite},
    {},
};
const CvControlBinding sntpBindings[] = {
    {KindEdit, "%s", &sntpVars[0]},
    {},
};

// A kind-2 table: the interfaces' names and aliases.
const CvSNMPVar ifVars[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", SyntaxInteger, AccessReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", SyntaxDisplayString, AccessReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.14", "LinkUpDownTrapEnable", SyntaxInteger, AccessReadWrite,
        &trapOptions()},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", SyntaxDisplayString, AccessReadWrite},
    {},
};
const CvControlBinding ifBindings[] = {
    {KindEditUnticked, "%i", &ifVars[0]},
    {KindEditUnticked, "%s", &ifVars[1]},
    {KindComboBox, "%s", &ifVars[2]},
    {KindEdit, "%s", &ifVars[3]},
    {},
};

// A kind-3 table: VLANs made and removed by the window.
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

// The learned addresses: thousands of rows, for walks that take a while.
const CvSNMPVar fdbVars[] = {
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "Address", SyntaxMacAddress, AccessNotAccessible},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port", SyntaxInteger, AccessReadOnly},
    {},
};

CvFormDescriptor descriptor(const char *title, const CvSNMPVar *vars,
    const CvControlBinding *bindings, quint8 kind, int indexCount)
{
    CvFormDescriptor d;
    d.menuPath = "Test > Window";
    d.title = title;
    d.variables = vars;
    d.bindings = bindings;
    d.listKind = kind;
    d.indexCount = indexCount;
    return d;
}

CvFormDescriptor vlanDescriptor()
{
    CvFormDescriptor d = descriptor("VLANs", vlanVars, vlanBindings, MVT_UMV, 1);
    d.createColumn = 2;
    d.createValue = "createAndGo";
    d.deleteColumn = 2;
    d.deleteValue = "destroy";
    return d;
}

TSNMPLayoutAdapter *adapterOf(TConfigForm &form)
{
    return form.Body()->container->adapter.get();
}

TCtrlBtnPanel *barOf(TConfigForm &form)
{
    return form.Body()->buttonBar;
}

bool waitFor(const std::function<bool()> &condition, int ms = 15000)
{
    QElapsedTimer t;
    t.start();
    while (!condition() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

// Answers the next message box, keeping its text.
void answerMessageBox(QString *text)
{
    QTimer::singleShot(0, [text] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            *text = box->text();
            box->accept();
        }
    });
}

// Runs work inside the next modal row dialog, then makes sure it is closed.
void inNextDialog(std::function<void(QDialog *)> work)
{
    QTimer::singleShot(0, [work] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        work(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

QStringList column(QTreeWidget *list, int c)
{
    QStringList texts;
    for (int r = 0; r < list->topLevelItemCount(); ++r)
        texts.append(list->topLevelItem(r)->text(c));
    return texts;
}

QTreeWidgetItem *rowWithCaption(QTreeWidget *list, const QString &caption)
{
    for (int r = 0; r < list->topLevelItemCount(); ++r)
        if (list->topLevelItem(r)->text(0) == caption)
            return list->topLevelItem(r);
    return nullptr;
}

void clickRow(
    QTreeWidget *list, QTreeWidgetItem *item, bool twice = false, Qt::KeyboardModifiers keys = {})
{
    // Inside the viewport also when the row is wider than the list.
    list->scrollToItem(item);
    const QRect rect = list->visualItemRect(item);
    const QPoint at(std::min(rect.center().x(), list->viewport()->width() / 2), rect.center().y());
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, keys, at);
    else
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

// Answers the next message box with button, keeping its text.
void answerBox(QString *text, QMessageBox::StandardButton button)
{
    QTimer::singleShot(0, [text, button] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            *text = box->text();
            box->button(button)->click();
        }
    });
}

int journalEntries()
{
    return int(CvChangeJournal::Instance().Entries().size());
}
} // namespace

class TstConfigActions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void scalarWindowWritesOnlyTickedVariables();
    void busyFlagsRefuseSecondRequests();
    void conversionErrorFreesTheFlags();
    void tableEditDialogWritesTheSelectedRow();
    void addDialogCreatesAndEditDialogDestroys();
    void deleteSendsIndexAndDeleteValueOnly();
    void stopAndCloseDuringAWalk();
    void uncheckedIndexStillAddressesTheRow();
    void deleteDuringAWalkRereadsAfterIt();
    void closeWaitsAsleepAndDeaf();
    void valuesReadGoBackWhole();
    void counterBeyondTheSignedRangeInAnEditDialog();
    void clearedKeyIsWrittenEmpty();
    void shortenedAddressIsRefused();
    void editWritesTheTickedFieldToEachRow();
    void deleteAsksOnceAndRemovesEachRow();

private:
    QString readScalar(
        const char *oid, const QString &instance = QString(), qint32 syntax = SyntaxDisplayString);
    QStringList vlanIds();
    void pointAt(SimulatorProcess &sim);

    FakeMainWindow m_main;
    QTemporaryDir m_dir;
    std::unique_ptr<SimulatorProcess> m_sim;
};

void TstConfigActions::initTestCase()
{
    StartSession(m_dir.path());
    m_sim = std::make_unique<SimulatorProcess>();
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
}

void TstConfigActions::pointAt(SimulatorProcess &sim)
{
    PointSessionAt(sim);
}

void TstConfigActions::init()
{
    MainWindowState::setInstance(&m_main);
    pointAt(*m_sim);
}

QString TstConfigActions::readScalar(const char *oid, const QString &instance, qint32 syntax)
{
    const CvSNMPVar vars[] = {{oid, "v", syntax, AccessReadOnly}, {}};
    CvSNMPRequest r;
    r.SetVarList(vars, instance.isEmpty() ? SVT_SV : MVT_SV, 0);
    r.varList.instance = instance;
    r.Get(true);
    return r.varList.Var(0).value;
}

QStringList TstConfigActions::vlanIds()
{
    CvSNMPRequest r;
    r.SetVarList(vlanVars, MVT_UMV, 1);
    QStringList ids;
    for (bool more = r.Get(true); more; more = r.Get(false))
        ids.append(r.varList.Var(0).value + "=" + r.varList.Var(1).value);
    return ids;
}

void TstConfigActions::scalarWindowWritesOnlyTickedVariables()
{
    const QString location = readScalar("1.3.6.1.2.1.1.6");
    auto form = BuildGeneratedWindow(descriptor("System", systemVars, systemBindings, SVT_SV, 0));
    QCOMPARE(form->windowTitle(), QString("System : 127.0.0.1"));
    form->show();
    QVERIFY(WaitIdle(*form));
    CvBindingList &b = form->Bindings();
    auto *name = qobject_cast<QLineEdit *>(b[1].control);
    auto *place = qobject_cast<QLineEdit *>(b[2].control);
    QCOMPARE(place->text(), location);
    QVERIFY(!qobject_cast<QLineEdit *>(b[0].control)->text().isEmpty());

    // Only Name is ticked; Location is changed on screen but must stay.
    b[2].includeBox->setChecked(false);
    b[3].includeBox->setChecked(false);
    name->setText("core-7");
    place->setText("somewhere else");
    QTest::mouseClick(barOf(*form)->setCheckedButton, Qt::LeftButton);
    QVERIFY(WaitIdle(*form));
    QCOMPARE(readScalar("1.3.6.1.2.1.1.5"), QString("core-7"));
    QCOMPARE(readScalar("1.3.6.1.2.1.1.6"), location);
    // The flags words are as before: a Refresh reads Location again.
    QCOMPARE(form->activeRequest->request.varList.Var(2).access, qint32(AccessReadWrite));
    QCOMPARE(place->text(), location);
    const QString memo = form->Body()->messagePanel->memo->toPlainText();
    QVERIFY2(!memo.contains("rror"), qPrintable(memo));

    // Check All leaves read-only variables unticked.
    QTest::mouseClick(barOf(*form)->checkAllButton, Qt::LeftButton);
    QVERIFY(!b[0].includeBox->isChecked());
    QVERIFY(b[1].includeBox->isChecked() && b[2].includeBox->isChecked());
    QTest::mouseClick(barOf(*form)->clearChecksButton, Qt::LeftButton);
    QVERIFY(!b[1].includeBox->isChecked() && !b[3].includeBox->isChecked());
    form->close();
}

void TstConfigActions::busyFlagsRefuseSecondRequests()
{
    SimulatorProcess slow({"--delay-ms", "400"});
    QVERIFY(slow.isReady());
    pointAt(slow);
    auto form = BuildGeneratedWindow(descriptor("System", systemVars, systemBindings, SVT_SV, 0));
    form->show();
    // The first read is outstanding: Set is refused.
    QVERIFY(waitFor([&] { return form->activated && form->activeRequest->IsBusy(); }));
    QString text;
    answerMessageBox(&text);
    QTest::mouseClick(barOf(*form)->setCheckedButton, Qt::LeftButton);
    QCOMPARE(text, QString("Get data not complete"));
    QVERIFY(WaitIdle(*form));

    // Refresh twice: the second press is refused until the reply arrives.
    QTest::mouseClick(barOf(*form)->refreshButton, Qt::LeftButton);
    text.clear();
    answerMessageBox(&text);
    QTest::mouseClick(barOf(*form)->refreshButton, Qt::LeftButton);
    QCOMPARE(text, QString("Get data not complete"));
    QVERIFY(WaitIdle(*form));

    // A value that does not convert: the error is in the memo and both
    // flags are free again, so a corrected value can be set at once.
    form->close();
}

void TstConfigActions::conversionErrorFreesTheFlags()
{
    auto form = BuildGeneratedWindow(descriptor("RMON", rmonVars, rmonBindings, SVT_SV, 0));
    form->show();
    QVERIFY(WaitIdle(*form));
    auto *edit = qobject_cast<QLineEdit *>(form->Bindings()[0].control);
    QCOMPARE(edit->text(), QString("3"));
    // A value the agent refuses: the error is in the memo, both flags are
    // free again and a corrected value can be set at once.
    edit->setText("7");
    QTest::mouseClick(barOf(*form)->setCheckedButton, Qt::LeftButton);
    QVERIFY(WaitIdle(*form));
    QPlainTextEdit *memo = form->Body()->messagePanel->memo;
    QVERIFY2(memo->toPlainText().contains("Set: (SNMP"), qPrintable(memo->toPlainText()));
    QCOMPARE(form->activeRequest->request.varList.Var(0).access, qint32(AccessReadWrite));
    QCOMPARE(edit->text(), QString("3"));
    edit->setText("2");
    QTest::mouseClick(barOf(*form)->setCheckedButton, Qt::LeftButton);
    QVERIFY(WaitIdle(*form));
    QCOMPARE(readScalar(PEN_OID(".11.59.8.2.1.2.3"), {}, SyntaxInteger), QString("2"));
    edit->setText("3");
    QTest::mouseClick(barOf(*form)->setCheckedButton, Qt::LeftButton);
    QVERIFY(WaitIdle(*form));
    QCOMPARE(readScalar(PEN_OID(".11.59.8.2.1.2.3"), {}, SyntaxInteger), QString("3"));
    form->close();
}

void TstConfigActions::tableEditDialogWritesTheSelectedRow()
{
    auto form = BuildGeneratedWindow(descriptor("Interfaces", ifVars, ifBindings, MVT_FMV, 1));
    form->show();
    QVERIFY(WaitIdle(*form));
    QTreeWidget *list = form->tablePanel->listView;
    QVERIFY(list->topLevelItemCount() > 10);
    QCOMPARE(barOf(*form)->countText->text(), QString::number(list->topLevelItemCount()));
    QPushButton *edit = barOf(*form)->setButton;
    QVERIFY(!edit->isHidden());
    QVERIFY(!edit->isEnabled());

    QTreeWidgetItem *row = rowWithCaption(list, "5");
    QVERIFY(row);
    clickRow(list, row);
    QVERIFY(edit->isEnabled());
    const QString trapBefore = row->text(2);

    bool shown = false;
    inNextDialog([&](QDialog *dialog) {
        shown = true;
        CvBindingList &b = form->Bindings();
        // The index cannot change; the read-only name stays unticked.
        QVERIFY(!b[0].control->isEnabled());
        QVERIFY(!b[1].includeBox->isChecked());
        QCOMPARE(qobject_cast<QLineEdit *>(b[0].control)->text(), QString("5"));
        b[2].includeBox->setChecked(false);
        auto *combo = qobject_cast<QComboBox *>(b[2].control);
        combo->setCurrentIndex(combo->currentText() == "enabled" ? 1 : 0);
        qobject_cast<QLineEdit *>(b[3].control)->setText("uplink to rack 4");
        auto *set = dialog->findChild<QPushButton *>("setCheckedButton");
        QVERIFY(set && !set->isHidden());
        QTest::mouseClick(set, Qt::LeftButton);
        QVERIFY(WaitIdle(*form));
        QVERIFY2(
            !dialog->findChild<QPlainTextEdit *>("messageMemo")->toPlainText().contains("rror"),
            "the write failed");
    });
    clickRow(list, row, true);
    QVERIFY(shown);
    // The edit box went back, hidden, and messages go to the window again.
    auto *container = static_cast<TPanelListViewContainer *>(form->Body()->container);
    QVERIFY(container->editBox->isHidden());
    QCOMPARE(container->editBox->parentWidget(), container->splitter);

    QCOMPARE(readScalar("1.3.6.1.2.1.31.1.1.1.18", "5"), QString("uplink to rack 4"));
    row = rowWithCaption(list, "5");
    QCOMPARE(row->text(3), QString("uplink to rack 4"));
    QCOMPARE(row->text(2), trapBefore);
    // The row edited is selected again after the reread.
    QVERIFY(row->isSelected());
    form->close();
}

void TstConfigActions::addDialogCreatesAndEditDialogDestroys()
{
    auto form = BuildGeneratedWindow(vlanDescriptor());
    form->show();
    QVERIFY(WaitIdle(*form));
    QTreeWidget *list = form->tablePanel->listView;
    QCOMPARE(column(list, 0), QStringList({"1"}));

    bool shown = false;
    inNextDialog([&](QDialog *dialog) {
        shown = true;
        CvBindingList &b = form->Bindings();
        auto *id = qobject_cast<QLineEdit *>(b[0].control);
        QVERIFY(id->isEnabled() && !id->isReadOnly() && id->text().isEmpty());
        QVERIFY(b[0].includeBox->isChecked() && b[1].includeBox->isChecked());
        QCOMPARE(qobject_cast<QComboBox *>(b[2].control)->currentText(), QString("createAndGo"));
        id->setText("300");
        qobject_cast<QLineEdit *>(b[1].control)->setText("lab");
        QTest::mouseClick(dialog->findChild<QPushButton *>("setCheckedButton"), Qt::LeftButton);
        QVERIFY(WaitIdle(*form));
    });
    QTest::mouseClick(barOf(*form)->addButton, Qt::LeftButton);
    QVERIFY(shown);
    QVERIFY(!barOf(*form)->setButton->isEnabled());
    QVERIFY(!barOf(*form)->deleteButton->isEnabled());
    QVERIFY(vlanIds().contains("300=lab"));
    QCOMPARE(column(list, 0), QStringList({"1", "300"}));

    // Writing "destroy" from the edit dialog closes it after the write.
    QTreeWidgetItem *row = rowWithCaption(list, "300");
    clickRow(list, row);
    bool closedItself = false;
    inNextDialog([&](QDialog *dialog) {
        auto *status = qobject_cast<QComboBox *>(form->Bindings()[2].control);
        status->setCurrentIndex(status->findText("destroy"));
        form->Bindings()[1].includeBox->setChecked(false);
        QTest::mouseClick(dialog->findChild<QPushButton *>("setCheckedButton"), Qt::LeftButton);
        closedItself = !dialog->isVisible();
        QVERIFY(WaitIdle(*form));
    });
    QTest::mouseClick(barOf(*form)->setButton, Qt::LeftButton);
    QVERIFY(closedItself);
    QCOMPARE(vlanIds(), QStringList({"1=default"}));
    QCOMPARE(column(list, 0), QStringList({"1"}));
    form->close();
}

void TstConfigActions::deleteSendsIndexAndDeleteValueOnly()
{
    // A row made outside the window.
    {
        CvSNMPRequest r;
        r.SetVarList(vlanVars, MVT_UMV, 1);
        r.varList.Var(0).value = "42";
        r.varList.Var(1).value = "guests";
        r.varList.Var(2).value = "createAndGo";
        r.Set(false);
    }
    auto form = BuildGeneratedWindow(vlanDescriptor());
    form->show();
    QVERIFY(WaitIdle(*form));
    QTreeWidget *list = form->tablePanel->listView;
    QTreeWidgetItem *row = rowWithCaption(list, "42");
    QVERIFY(row);
    clickRow(list, row);
    QPushButton *del = barOf(*form)->deleteButton;
    QVERIFY(del->isEnabled());
    // A name the agent would refuse is not sent: only the status goes out.
    qobject_cast<QLineEdit *>(form->Bindings()[1].control)->setText(QString(40, 'x'));
    QTest::mouseClick(del, Qt::LeftButton);
    QVERIFY(WaitIdle(*form));
    const QString memo = form->Body()->messagePanel->memo->toPlainText();
    QVERIFY2(!memo.contains("rror"), qPrintable(memo));
    QCOMPARE(vlanIds(), QStringList({"1=default"}));
    QCOMPARE(column(list, 0), QStringList({"1"}));
    QCOMPARE(form->activeRequest->request.varList.Var(1).access, qint32(AccessReadWrite));
    form->close();
}

void TstConfigActions::stopAndCloseDuringAWalk()
{
    SimulatorProcess slow({"--delay-ms", "100"});
    QVERIFY(slow.isReady());
    pointAt(slow);
    const CvFormDescriptor d = descriptor("Addresses", fdbVars, nullptr, MVT_FMV, 1);
    auto form = BuildGeneratedWindow(d);
    form->ShowStopButton();
    form->show();
    QVERIFY(waitFor([&] { return form->activeRequest && form->activeRequest->rowCount >= 2; }));
    const int shown = form->activeRequest->rowCount;
    QTest::mouseClick(barOf(*form)->stopButton, Qt::LeftButton);
    // Refresh is accepted at once after Stop; the walk ends with the first
    // row of the reply in flight.
    QVERIFY(adapterOf(*form)->readComplete);
    QVERIFY(waitFor([&] { return !form->activeRequest->IsBusy(); }, 5000));
    const int rows = form->activeRequest->rowCount;
    QTest::qWait(400);
    QCOMPARE(form->activeRequest->rowCount, rows);
    QVERIFY2(rows <= shown + 1, qPrintable(QString("%1 after %2").arg(rows).arg(shown)));

    // Closing while the walk runs waits for the reply in flight, then
    // destroys the request: no further step goes out.
    QTest::mouseClick(barOf(*form)->refreshButton, Qt::LeftButton);
    QVERIFY(waitFor([&] { return form->activeRequest->rowCount >= 2; }));
    QPointer<CvSNMPRequest2Edits> request = form->activeRequest;
    QElapsedTimer t;
    t.start();
    form->close();
    QVERIFY(!request);
    QVERIFY(t.elapsed() < 3000);
    QVERIFY(!form->isVisible());
}

// The index of a row is sent whatever its include box says, with its
// IMPLIED form kept: an edit that ticks one column changes that column of
// that row, and an add whose index box is unticked still makes the row it
// names.
void TstConfigActions::uncheckedIndexStillAddressesTheRow()
{
    const CvFormDescriptor &d = DescriptorAt("SNMP V3 > SNMP Target MIB > Target Address Table");
    const Rows before = ReadTable(d);
    QVERIFY(!before.isEmpty());
    const QString name = before.firstKey();
    auto form = BuildGeneratedWindow(d);
    form->show();
    QVERIFY(WaitIdle(*form));
    QTreeWidget *list = form->tablePanel->listView;
    QTreeWidgetItem *row = rowWithCaption(list, name);
    QVERIFY(row);
    clickRow(list, row);
    bool shown = false;
    inNextDialog([&](QDialog *dialog) {
        shown = true;
        QTest::mouseClick(dialog->findChild<QPushButton *>("clearChecksButton"), Qt::LeftButton);
        CvBindingList &b = form->Bindings();
        b[3].includeBox->setChecked(true);
        qobject_cast<QLineEdit *>(b[3].control)->setText("4321");
        QTest::mouseClick(dialog->findChild<QPushButton *>("setCheckedButton"), Qt::LeftButton);
        QVERIFY(WaitIdle(*form));
        const QString memo = dialog->findChild<QPlainTextEdit *>("messageMemo")->toPlainText();
        QVERIFY2(!memo.contains("rror"), qPrintable(memo));
    });
    clickRow(list, row, true);
    QVERIFY(shown);
    Rows after = ReadTable(d);
    QCOMPARE(after.keys(), before.keys());
    QCOMPARE(after[name].value(3), QString("4321"));
    for (int c = 0; c < after[name].size(); ++c)
        if (c != 3)
            QCOMPARE(after[name].value(c), before[name].value(c));

    inNextDialog([&](QDialog *dialog) {
        CvBindingList &b = form->Bindings();
        qobject_cast<QLineEdit *>(b[0].control)->setText("lab-nms");
        b[0].includeBox->setChecked(false);
        qobject_cast<QLineEdit *>(b[1].control)->setText("1.3.6.1.6.1.1");
        qobject_cast<QLineEdit *>(b[2].control)->setText("0A5A5A0400A2");
        qobject_cast<QLineEdit *>(b[3].control)->setText("1500");
        qobject_cast<QLineEdit *>(b[4].control)->setText("3");
        qobject_cast<QLineEdit *>(b[5].control)->setText("trap");
        qobject_cast<QLineEdit *>(b[6].control)->setText("v2c-params");
        auto *storage = qobject_cast<QComboBox *>(b[7].control);
        storage->setCurrentIndex(storage->findText("nonVolatile"));
        QTest::mouseClick(dialog->findChild<QPushButton *>("setCheckedButton"), Qt::LeftButton);
        QVERIFY(WaitIdle(*form));
    });
    QTest::mouseClick(barOf(*form)->addButton, Qt::LeftButton);
    after = ReadTable(d);
    QCOMPARE(after.size(), before.size() + 1);
    QVERIFY(after.contains("lab-nms"));
    QCOMPARE(after["lab-nms"].value(3), QString("1500"));
    form->close();
    DeleteRow(d, {"lab-nms"});
}

// Delete pressed while a slow walk fills the list: the write goes out, and
// the read that follows it waits for the walk to end instead of running
// beside it, so the list ends with every row once and without the deleted
// one, and the window stays busy until then.
void TstConfigActions::deleteDuringAWalkRereadsAfterIt()
{
    SimulatorProcess slow({"--delay-ms", "150"});
    QVERIFY(slow.isReady());
    pointAt(slow);
    for (const char *id : {"42", "43", "44", "45", "46", "47"}) {
        CvSNMPRequest r;
        r.SetVarList(vlanVars, MVT_UMV, 1);
        r.varList.Var(0).value = id;
        r.varList.Var(1).value = QStringLiteral("v") + id;
        r.varList.Var(2).value = "createAndGo";
        r.Set(false);
    }
    auto form = BuildGeneratedWindow(vlanDescriptor());
    form->show();
    QVERIFY(WaitIdle(*form));
    QTreeWidget *list = form->tablePanel->listView;
    QCOMPARE(list->topLevelItemCount(), 7);
    clickRow(list, rowWithCaption(list, "44"));

    QTest::mouseClick(barOf(*form)->refreshButton, Qt::LeftButton);
    CvSNMPRequest2Edits *request = form->activeRequest;
    QVERIFY(waitFor([&] { return request->rowCount >= 1; }));
    QTest::mouseClick(barOf(*form)->deleteButton, Qt::LeftButton);
    // The write's answer comes long before the walk's end: still busy.
    QVERIFY(waitFor([&] { return request->writing == 0; }, 5000));
    QVERIFY(request->IsBusy());
    QVERIFY(WaitIdle(*form));
    const QString memo = form->Body()->messagePanel->memo->toPlainText();
    QVERIFY2(!memo.contains("rror"), qPrintable(memo));
    QCOMPARE(column(list, 0), QStringList({"1", "42", "43", "45", "46", "47"}));
    form->close();
}

// Closing while a slow walk step is in flight: the window waits for that
// answer asleep in the event loop, not spinning, and takes no clicks
// meanwhile, so a Refresh pressed then starts nothing again.
void TstConfigActions::closeWaitsAsleepAndDeaf()
{
    SimulatorProcess slow({"--delay-ms", "2000"});
    QVERIFY(slow.isReady());
    pointAt(slow);
    auto form = BuildGeneratedWindow(descriptor("Addresses", fdbVars, nullptr, MVT_FMV, 1));
    form->show();
    QVERIFY(waitFor([&] { return form->activated && form->activeRequest->IsBusy(); }));
    const QPointer<CvSNMPRequest2Edits> request = form->activeRequest;

    QObject scope; // the timers below end with this test
    bool pressed = false;
    QString busyText;
    QTimer::singleShot(300, &scope, [&] {
        answerMessageBox(&busyText);
        QTest::mouseClick(barOf(*form)->refreshButton, Qt::LeftButton);
        pressed = true;
    });
    // A walk that went on again is stopped, so the close still ends.
    bool resumed = false;
    QTimer::singleShot(6000, &scope, [&] {
        if (request) {
            resumed = true;
            request->Stop();
        }
    });
    QElapsedTimer wall;
    wall.start();
    const qint64 cpuBefore = WakeCounter::cpuMs();
    WakeCounter wakes;
    form->close();
    const qint64 cpu = WakeCounter::cpuMs() - cpuBefore;
    const qint64 elapsed = wall.elapsed();

    QVERIFY(pressed);
    QVERIFY2(busyText.isEmpty(), qPrintable(busyText));
    QVERIFY(!resumed);
    QVERIFY(!request);
    QVERIFY(!form->isVisible());
    QVERIFY2(elapsed > 1000, "the close did not wait for the step in flight");
    QVERIFY2(wakes.count() < 1000, qPrintable(QString("%1 wake-ups").arg(wakes.count())));
    QVERIFY2(cpu < elapsed / 2,
        qPrintable(QString("%1 ms of processor in %2 ms").arg(cpu).arg(elapsed)));
}

// Values longer than their edits' lengths are shown whole, and a Set that
// changed nothing writes them back as they were read.
void TstConfigActions::valuesReadGoBackWhole()
{
    const QString location = "building 7, floor 3, rack 12";
    {
        CvSNMPRequest r;
        r.SetVarList(limitedVars, SVT_SV, 0);
        r.varList.Var(0).value = location;
        r.varList.Var(1).value = "300000";
        r.Set(false);
    }
    auto form = BuildGeneratedWindow(descriptor("Limits", limitedVars, limitedBindings, SVT_SV, 0));
    form->show();
    QVERIFY(WaitIdle(*form));
    CvBindingList &b = form->Bindings();
    QCOMPARE(qobject_cast<QLineEdit *>(b[0].control)->text(), location);
    QCOMPARE(qobject_cast<QLineEdit *>(b[1].control)->text(), QString("300000"));
    QTest::mouseClick(barOf(*form)->setCheckedButton, Qt::LeftButton);
    QVERIFY(WaitIdle(*form));
    const QString memo = form->Body()->messagePanel->memo->toPlainText();
    QVERIFY2(memo.contains("Set: (CvSNMP++) Ok!"), qPrintable(memo));
    form->close();
    QCOMPARE(readScalar("1.3.6.1.2.1.1.6"), location);
    QCOMPARE(readScalar("1.3.6.1.2.1.17.4.2", {}, SyntaxInteger), QString("300000"));
}

// A 64-bit counter beyond the signed 32-bit range in the "%i" edit of an
// edit dialog: leaving it raises no message box and keeps it whole.
void TstConfigActions::counterBeyondTheSignedRangeInAnEditDialog()
{
    SimulatorProcess big({"--counter64-base", "5000000000"});
    QVERIFY(big.isReady());
    pointAt(big);
    auto form = BuildGeneratedWindow(DescriptorAt("Basic Configuration > IF-MIB > IfX Table"));
    form->show();
    QVERIFY(WaitIdle(*form));
    QTreeWidget *list = form->tablePanel->listView;
    QTreeWidgetItem *row = rowWithCaption(list, "1");
    QVERIFY(row);
    clickRow(list, row);
    bool shown = false;
    QString box;
    inNextDialog([&](QDialog *) {
        shown = true;
        auto *octets = qobject_cast<QLineEdit *>(form->Bindings()[6].control);
        const QString read = octets->text();
        QVERIFY2(read.toULongLong() >= 5000000000u, qPrintable(read));
        answerMessageBox(&box);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(octets, &out);
        QCOMPARE(octets->text(), read);
    });
    clickRow(list, row, true);
    QVERIFY(shown);
    QCOMPARE(box, QString());
    form->close();
}

// An authentication key emptied in the edit dialog goes out as an empty
// string, so a key can be cleared.
void TstConfigActions::clearedKeyIsWrittenEmpty()
{
    const CvFormDescriptor &d
        = DescriptorAt("Layer 3 Management > VRRP (RFC2787) > VRRP Operation");
    const int key = 10;
    WriteRow(d, {"1", "1"}, {{key, "0102030405060708"}});
    QCOMPARE(ReadTable(d).value("1|1").value(key), QString("0102030405060708"));
    auto form = BuildGeneratedWindow(d);
    form->show();
    QVERIFY(WaitIdle(*form));
    CvBindingList &b = form->Bindings();
    QTreeWidget *list = form->tablePanel->listView;
    QTreeWidgetItem *row = nullptr;
    for (int r = 0; r < list->topLevelItemCount() && !row; ++r) {
        clickRow(list, list->topLevelItem(r));
        if (qobject_cast<QLineEdit *>(b[1].control)->text() == "1")
            row = list->topLevelItem(r);
    }
    QVERIFY(row);
    QCOMPARE(qobject_cast<QLineEdit *>(b[key].control)->text(), QString("0102030405060708"));
    bool shown = false;
    inNextDialog([&](QDialog *dialog) {
        shown = true;
        QTest::mouseClick(dialog->findChild<QPushButton *>("clearChecksButton"), Qt::LeftButton);
        b[key].includeBox->setChecked(true);
        qobject_cast<QLineEdit *>(b[key].control)->clear();
        QTest::mouseClick(dialog->findChild<QPushButton *>("setCheckedButton"), Qt::LeftButton);
        QVERIFY(WaitIdle(*form));
        const QString memo = dialog->findChild<QPlainTextEdit *>("messageMemo")->toPlainText();
        QVERIFY2(!memo.contains("rror"), qPrintable(memo));
    });
    clickRow(list, row, true);
    QVERIFY(shown);
    form->close();
    QCOMPARE(ReadTable(d).value("1|1").value(key), QString(""));
}

// An address shortened the way resolvers read ("10.1.2" as 10.1.0.2) is
// refused with the address message; nothing goes to the agent.
void TstConfigActions::shortenedAddressIsRefused()
{
    auto form = BuildGeneratedWindow(descriptor("SNTP", sntpVars, sntpBindings, SVT_SV, 0));
    form->show();
    QVERIFY(WaitIdle(*form));
    const QString before = readScalar(PEN_OID(".12.10.11.2"), {}, SyntaxIpAddress);
    auto *server = qobject_cast<QLineEdit *>(form->Bindings()[0].control);
    QCOMPARE(server->text(), before);
    server->setText("10.1.2");
    const auto packets
        = [this] { return readScalar("1.3.6.1.2.1.11.1", {}, SyntaxCounter).toInt(); };
    const int first = packets();
    QTest::mouseClick(barOf(*form)->setCheckedButton, Qt::LeftButton);
    QVERIFY(WaitIdle(*form));
    const int second = packets();
    const QString memo = form->Body()->messagePanel->memo->toPlainText();
    QVERIFY2(memo.contains("Set: (CvSNMP++) Invalid IP Address or DNS name!"), qPrintable(memo));
    QCOMPARE(second - first, packets() - second); // the reads alone
    form->close();
    QCOMPARE(readScalar(PEN_OID(".12.10.11.2"), {}, SyntaxIpAddress), before);
}

// Five rows of the Port Control Table edited at once: the field ticked
// goes to each of them and to no other row (each read with a request of
// the test's own), the field they differ in comes up empty and unticked
// and stays as it was, and each row's answer is in the memo. The whole is
// one journal entry, which one undo takes back.
void TstConfigActions::editWritesTheTickedFieldToEachRow()
{
    const char *lockState = PEN_OID(".11.59.8.2.3.2.1.6");
    const char *flowControl = PEN_OID(".11.59.8.2.3.2.1.5");
    const auto port = [this](const char *column, int port) {
        return readScalar(column, QString::number(port), SyntaxInteger);
    };
    for (int p = 2; p <= 8; ++p) {
        const CvSNMPVar vars[] = {{lockState, "l", SyntaxInteger, AccessReadWrite},
            {flowControl, "f", SyntaxInteger, AccessReadWrite}, {}};
        CvSNMPRequest r;
        r.SetVarList(vars, MVT_SV, 0);
        r.varList.instance = QString::number(p);
        r.varList.Var(0).value = "2"; // disabled
        r.varList.Var(1).value = p == 5 ? "3" : "2";
        r.Set(false);
    }
    auto form = BuildGeneratedWindow(
        DescriptorAt("Layer 2 Management > Port Management > Port Control Table"));
    form->show();
    QVERIFY(WaitIdle(*form));
    QTreeWidget *list = form->tablePanel->listView;
    const QStringList chosen {"3", "4", "5", "6", "7"};
    clickRow(list, rowWithCaption(list, "3"));
    clickRow(list, rowWithCaption(list, "7"), false, Qt::ShiftModifier);
    QCOMPARE(selectedCaptions(list), chosen);
    const int entries = journalEntries();
    bool shown = false;
    inNextDialog([&](QDialog *dialog) {
        shown = true;
        CvBindingList &b = form->Bindings();
        auto *flow = qobject_cast<QComboBox *>(b[4].control);
        auto *lock = qobject_cast<QComboBox *>(b[5].control);
        QCOMPARE(flow->currentIndex(), -1);
        QVERIFY(!b[4].includeBox->isChecked());
        QCOMPARE(lock->currentText(), QString("disabled"));
        QVERIFY(b[5].includeBox->isChecked());
        QTest::mouseClick(dialog->findChild<QPushButton *>("clearChecksButton"), Qt::LeftButton);
        b[5].includeBox->setChecked(true);
        lock->setCurrentIndex(lock->findText("enabled"));
        QTest::mouseClick(dialog->findChild<QPushButton *>("setCheckedButton"), Qt::LeftButton);
        QVERIFY(WaitIdle(*form));
        const QStringList sets = dialog->findChild<QPlainTextEdit *>("messageMemo")
                                     ->toPlainText()
                                     .split('\n')
                                     .filter(QRegularExpression("^Set: "));
        QCOMPARE(sets.size(), chosen.size());
        QVERIFY2(sets.last().startsWith("Set: Index 7: (CvSNMP++) Ok!"), qPrintable(sets.last()));
    });
    QTest::mouseClick(barOf(*form)->setButton, Qt::LeftButton);
    QVERIFY(shown);
    // The rows written are selected again once they are read.
    QCOMPARE(selectedCaptions(list), chosen);
    form->close();
    for (int p = 2; p <= 8; ++p) {
        QCOMPARE(port(lockState, p), QString(chosen.contains(QString::number(p)) ? "3" : "2"));
        QCOMPARE(port(flowControl, p), QString(p == 5 ? "3" : "2"));
    }

    QCOMPARE(journalEntries(), entries + 1);
    const CvJournalEntry entry = CvChangeJournal::Instance().Entries().constLast();
    QCOMPARE(entry.requests.size(), chosen.size());
    QCOMPARE(entry.requests.at(1).objects.size(), 1);
    QCOMPARE(entry.requests.at(1).objects.at(0).Name(), QString("Lock State (Index 4)"));
    QCOMPARE(entry.requests.at(1).objects.at(0).BeforeText(), QString("disabled"));
    const CvUndoPlan plan = PlanUndo(entry);
    QCOMPARE(plan.items.size(), chosen.size());
    QCOMPARE(RunUndo(entry, plan), QStringList());
    for (int p = 2; p <= 8; ++p)
        QCOMPARE(port(lockState, p), QString("2"));
}

// Delete with three rows selected asks once, naming how many: "No" leaves
// them, "Yes" removes exactly those, one request each in one journal entry.
void TstConfigActions::deleteAsksOnceAndRemovesEachRow()
{
    for (const char *id : {"61", "62", "63", "64"}) {
        CvSNMPRequest r;
        r.SetVarList(vlanVars, MVT_UMV, 1);
        r.varList.Var(0).value = id;
        r.varList.Var(1).value = "doomed";
        r.varList.Var(2).value = "createAndGo";
        r.Set(false);
    }
    auto form = BuildGeneratedWindow(vlanDescriptor());
    form->show();
    QVERIFY(WaitIdle(*form));
    QTreeWidget *list = form->tablePanel->listView;
    clickRow(list, rowWithCaption(list, "61"));
    clickRow(list, rowWithCaption(list, "62"), false, Qt::ControlModifier);
    clickRow(list, rowWithCaption(list, "64"), false, Qt::ControlModifier);
    QPushButton *del = barOf(*form)->deleteButton;
    QVERIFY(del->isEnabled());
    const int entries = journalEntries();
    QString question;
    answerBox(&question, QMessageBox::No);
    QTest::mouseClick(del, Qt::LeftButton);
    QCOMPARE(question, QString("Delete the 3 selected rows?"));
    QVERIFY(WaitIdle(*form));
    QCOMPARE(journalEntries(), entries);

    answerBox(&question, QMessageBox::Yes);
    QTest::mouseClick(del, Qt::LeftButton);
    QVERIFY(WaitIdle(*form));
    QCOMPARE(vlanIds(), (QStringList {"1=default", "63=doomed"}));
    QCOMPARE(column(list, 0), (QStringList {"1", "63"}));
    QCOMPARE(journalEntries(), entries + 1);
    QCOMPARE(CvChangeJournal::Instance().Entries().constLast().requests.size(), 3);
    form->close();
}

QTEST_MAIN(TstConfigActions)
#include "tst_configactions.moc"
