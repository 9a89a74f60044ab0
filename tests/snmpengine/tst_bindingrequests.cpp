// Reads and writes of a binding object against trvsim: the list kinds in
// both modes, status lines, time-outs, the done events, Stop, writes with a
// reread over the VLAN port lists, enable-on-select and the busy skip.

#include "BindingWaits.h"
#include "CvException.h"
#include "CvRadioGroup.h"
#include "CvSNMPRequest2Edits.h"
#include "SimulatorProcess.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>
#include <set>

namespace {
#define PEN_OID(rest) "1.3.6.1.4.1." QT_STRINGIFY(TRV_PEN) rest

const CvIntOption rowStatusTable[] = {{1, "active"}, {2, "notInService"}, {3, "notReady"},
    {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"}, {0, nullptr}};
const CvOptionList rowStatusList(rowStatusTable);

const CvSNMPVar systemGroup[] = {
    {"1.3.6.1.2.1.1.1", "Description", SyntaxDisplayString, AccessReadOnly},
    {"1.3.6.1.2.1.1.5", "Name", SyntaxDisplayString, AccessReadWrite},
    {},
};
// Sending sysDescr draws the agent's notWritable.
const CvSNMPVar readOnlyWritten[] = {
    {"1.3.6.1.2.1.1.1", "Description", SyntaxDisplayString, AccessReadWrite},
    {},
};
const CvSNMPVar ifXRow[] = {
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", SyntaxDisplayString, AccessReadOnly},
    {},
};
const CvSNMPVar unitTable[] = {
    {PEN_OID(".12.11.1.9.4.1.1"), "Unit", SyntaxInteger, AccessReadOnly},
    {PEN_OID(".12.11.1.9.4.1.5"), "Ports", SyntaxInteger, AccessReadOnly},
    {PEN_OID(".12.11.1.9.4.1.10"), "Model", SyntaxDisplayString, AccessReadOnly},
    {PEN_OID(".12.11.1.9.4.1.14"), "Priority", SyntaxInteger, AccessReadWrite},
    {},
};
const CvSNMPVar ifTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", SyntaxInteger, AccessReadOnly},
    {"1.3.6.1.2.1.2.2.1.2", "Description", SyntaxDisplayString, AccessReadOnly},
    {},
};
// The simulator's sparse target rows: "nms-syslog" holds no time-out.
const CvSNMPVar targetAddresses[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Name", SyntaxDisplayString, AccessNotAccessible | AccessImplied},
    {"1.3.6.1.6.3.12.1.2.1.4", "Timeout", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.6", "Tags", SyntaxDisplayString, AccessReadWrite},
    {},
};
// A list that does not know the agent's RMON state, enabled (3).
const CvIntOption onOffTable[] = {{1, "on"}, {2, "off"}, {0, nullptr}};
const CvOptionList onOffList(onOffTable);
const CvSNMPVar stateAndLocation[] = {
    {PEN_OID(".11.59.8.2.1.2.3"), "Rmon State", SyntaxInteger, AccessReadWrite, &onOffList},
    {"1.3.6.1.2.1.1.6", "Location", SyntaxDisplayString, AccessReadWrite},
    {},
};
enum { Vid, VlanName, Egress, Untagged, Status };
const CvSNMPVar vlanStatic[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VID", SyntaxGauge, AccessNotAccessible},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Name", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress", SyntaxBitString, AccessReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged", SyntaxBitString, AccessReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", SyntaxInteger, AccessReadWrite, &rowStatusList},
    {},
};

// Counts the hooks; optionally stops the walk after its first row.
class Probe : public CvSNMPRequest2Edits
{
public:
    using CvSNMPRequest2Edits::CvSNMPRequest2Edits;
    int beginReads = 0;
    int addRows = 0;
    int endReads = 0;
    bool stopAfterFirstRow = false;

protected:
    void BeginRead() override
    {
        ++beginReads;
        CvSNMPRequest2Edits::BeginRead();
    }
    void AddRow() override
    {
        ++addRows;
        CvSNMPRequest2Edits::AddRow();
        if (stopAfterFirstRow)
            Stop();
    }
    void EndRead() override
    {
        ++endReads;
        CvSNMPRequest2Edits::EndRead();
    }
};

// Answers every message box with OK, from a chain of single-shot timers.
class BoxAnswerer : public QObject
{
public:
    BoxAnswerer() { arm(); }
    QStringList texts;
    QStringList titles;
    QList<QWidget *> parents;

private:
    void arm()
    {
        QTimer::singleShot(5, this, [this] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(w);
                if (!box || !box->isVisible())
                    continue;
                texts.append(box->text());
                titles.append(box->windowTitle());
                parents.append(box->parentWidget());
                box->button(QMessageBox::Ok)->click();
            }
            arm();
        });
    }
};

QStringList walkColumn(const CvSNMPVar *table, int column)
{
    CvSNMPRequest r;
    r.SetVarList(table, MVT_FMV, 1);
    QStringList values;
    for (bool row = r.Get(true); row; row = r.Get(false))
        values.append(r.varList.Var(column).value);
    return values;
}

QString bitList()
{
    QStringList numbers;
    for (int b = 0; b < 768; ++b)
        numbers.append(QString::number(b));
    return numbers.join(',');
}

std::set<int> checkedBits(const QList<QCheckBox *> &boxes)
{
    std::set<int> bits;
    for (int b = 0; b < boxes.size(); ++b)
        if (boxes.at(b)->isChecked())
            bits.insert(b);
    return bits;
}

} // namespace

class TstBindingRequests : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void readKinds_data();
    void readKinds();
    void statusLines_data();
    void statusLines();
    void failuresAndDoneEvents_data();
    void failuresAndDoneEvents();
    void stopDuringAsynchronousWalk();
    void portListsWrittenAndReread_data();
    void portListsWrittenAndReread();
    void enableOnSelect_data();
    void enableOnSelect();
    void readWhileBusyIsSkipped_data();
    void readWhileBusyIsSkipped();
    void absentValuesStayOutOfWrites();
    void unknownChoiceStaysOutOfWrites_data();
    void unknownChoiceStaysOutOfWrites();

private:
    std::unique_ptr<SimulatorProcess> m_sim;
    QTemporaryDir m_dir;
};

void TstBindingRequests::initTestCase()
{
    StartSession(m_dir.path());
    m_sim = std::make_unique<SimulatorProcess>();
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
}

// The library's sessions are the transport's for the whole process; the
// end of the program closes them.
void TstBindingRequests::cleanupTestCase()
{
    CvSnmpTransport::instance().CloseAll();
}

void TstBindingRequests::init()
{
    CvSNMPSessionDefaults &d = SessionDefaults();
    d = InitialSessionDefaults();
    d.device.address = m_sim->address();
    d.device.port = m_sim->port();
    d.security.version = 1;
}

void TstBindingRequests::readKinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("async");
    for (int kind : {0, 1, 2})
        for (bool async : {false, true})
            QTest::addRow("kind %d %s", kind, async ? "asynchronous" : "synchronous")
                << kind << async;
}

void TstBindingRequests::readKinds()
{
    QFETCH(int, kind);
    QFETCH(bool, async);
    QWidget window;
    Probe binding(&window);
    binding.asynchronous = async;
    auto *label = new QLabel(&window);
    auto *view = new QTreeWidget(&window);
    QStringList expected;
    if (kind == 0) {
        binding.SetVarList(systemGroup, SVT_SV, 0);
        binding.BindStaticText(1, label);
        CvSNMPRequest r;
        r.SetVarList(systemGroup, SVT_SV, 0);
        r.Get(true);
        expected = {r.varList.Var(1).value};
    } else if (kind == 1) {
        binding.SetVarList(ifXRow, MVT_SV, 0);
        binding.request.varList.instance = "67"; // port 3 of unit 2
        binding.BindStaticText(0, label);
        CvSNMPRequest r;
        r.SetVarList(ifXRow, MVT_SV, 0);
        r.varList.instance = "67";
        r.Get(true);
        expected = {r.varList.Var(0).value};
        QVERIFY(!expected.first().isEmpty());
    } else {
        binding.SetVarList(unitTable, MVT_FMV, 1);
        binding.BindListView(view, false);
        expected = walkColumn(unitTable, 2);
    }
    QVERIFY(binding.Read());
    QVERIFY(waitIdle(binding));
    QCOMPARE(binding.rowCount, expected.size());
    QCOMPARE(binding.addRows, expected.size());
    QCOMPARE(binding.endReads, 1);
    if (kind < 2) {
        QCOMPARE(label->text(), expected.first());
        return;
    }
    QCOMPARE(view->headerItem()->text(2), QString("Model"));
    QStringList models;
    for (int r = 0; r < view->topLevelItemCount(); ++r)
        models.append(view->topLevelItem(r)->text(2));
    QCOMPARE(models, expected);
    QCOMPARE(view->topLevelItem(0)->text(0), QString("1"));
}

void TstBindingRequests::statusLines_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("line");
    for (const char *target : {"memo", "status bar", "panel"}) {
        QTest::addRow("%s, read", target)
            << target << "" << false << "Get: (CvSNMP++) Ok!. Receive at [TIME].";
        QTest::addRow("%s, named read", target)
            << target << "System" << false
            << "Get: (CvSNMP++) Ok! Request:System. Receive at [TIME].";
        QTest::addRow("%s, write", target)
            << target << "" << true << "Set: (CvSNMP++) Ok!. Receive at [TIME].";
        QTest::addRow("%s, named write", target)
            << target << " Led Status" << true
            << "Set: (CvSNMP++) Ok! Request: Led Status. Receive at [TIME].";
    }
}

void TstBindingRequests::statusLines()
{
    QFETCH(QString, target);
    QFETCH(QString, name);
    QFETCH(bool, write);
    QFETCH(QString, line);
    QWidget window;
    CvSNMPRequest2Edits binding(&window);
    binding.SetVarList(systemGroup, SVT_SV, 0);
    binding.request.varList.name = name;
    auto *memo = new QPlainTextEdit(&window);
    auto *bar = new QStatusBar(&window);
    auto *panel = new QLabel(&window);
    if (target == "memo")
        binding.SetMessageTarget(memo);
    else if (target == "status bar")
        binding.SetMessageTarget(bar);
    else
        binding.SetMessageTarget(panel);

    binding.Read();
    QVERIFY(waitIdle(binding));
    if (write) {
        binding.Write(false, false);
        QVERIFY(waitIdle(binding));
    }
    const QTime now = QTime::currentTime();
    QString shown = target == "memo" ? memo->toPlainText().section('\n', -1)
        : target == "status bar"     ? bar->currentMessage()
                                     : panel->text();
    QCOMPARE(untimed(shown), line);
    if (target == "memo")
        QCOMPARE(memo->blockCount(), write ? 2 : 1);

    // The receive time is now, on a 12-hour clock with the locale's marker.
    const QRegularExpressionMatch m
        = QRegularExpression(R"((\d\d):(\d\d):(\d\d) (\S+)\.$)").match(shown);
    QVERIFY(m.hasMatch());
    const int h = m.captured(1).toInt();
    QVERIFY(h >= 1 && h <= 12);
    const QString marker = m.captured(4);
    QCOMPARE(marker, now.hour() < 12 ? QLocale().amText() : QLocale().pmText());
    const QTime shownTime(
        h % 12 + (now.hour() >= 12 ? 12 : 0), m.captured(2).toInt(), m.captured(3).toInt());
    QVERIFY2(qAbs(shownTime.secsTo(now)) <= 5, qPrintable(shown));
}

void TstBindingRequests::failuresAndDoneEvents_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<bool>("async");
    QTest::addColumn<bool>("memo");
    QTest::addColumn<bool>("silent"); // an agent that never answers
    QTest::addColumn<bool>("readOnly"); // writes sysDescr
    QTest::addColumn<int>("events");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text"); // the memo's line, or the message box's text

    const QString timedOut = "(SNMPClass) SNMP request timed out!";
    QTest::newRow("read, memo") << false << true << true << false << false << 1 << 0
                                << "Get: (CvSNMP++) Ok!. Receive at [TIME].";
    QTest::newRow("read, no target: no event")
        << false << true << false << false << false << 0 << 0 << "";
    QTest::newRow("read times out, memo") << false << true << true << true << false << 1 << -405
                                          << "Get: " + timedOut + ". Receive at [TIME].";
    QTest::newRow("read times out, message box")
        << false << true << false << true << false << 1 << -405 << timedOut;
    QTest::newRow("synchronous read times out")
        << false << false << true << true << false << 0 << -405
        << "Get: " + timedOut + ". Receive at [TIME].";
    QTest::newRow("write, memo") << true << true << true << false << false << 1 << 0
                                 << "Set: (CvSNMP++) Ok!. Receive at [TIME].";
    QTest::newRow("write times out, memo") << true << true << true << true << false << 1 << -405
                                           << "Set: " + timedOut + ". Receive at [TIME].";
    QTest::newRow("write refused, message box")
        << true << true << false << false << true << 1 << -117
        << "(SNMP) Cannot create/set variable, Not Writable! (Description)";
}

void TstBindingRequests::failuresAndDoneEvents()
{
    QFETCH(bool, write);
    QFETCH(bool, async);
    QFETCH(bool, memo);
    QFETCH(bool, silent);
    QFETCH(bool, readOnly);
    QFETCH(int, events);
    QFETCH(int, code);
    QFETCH(QString, text);
    if (silent) {
        SessionDefaults().device.port = SimulatorProcess::silentPort();
        SessionDefaults().timeout = 10;
    }
    QWidget window;
    CvSNMPRequest2Edits binding(&window);
    binding.asynchronous = async;
    binding.SetVarList(readOnly ? readOnlyWritten : systemGroup, SVT_SV, 0);
    auto *target = new QPlainTextEdit(&window);
    if (memo)
        binding.SetMessageTarget(target);
    QSignalSpy reads(&binding, &CvSNMPRequest2Controls::OnReadDone);
    QSignalSpy writes(&binding, &CvSNMPRequest2Controls::OnWriteDone);
    BoxAnswerer boxes;

    try {
        if (write)
            binding.Write(false, false);
        else
            binding.Read();
        QVERIFY(waitIdle(binding));
    } catch (const CvException &e) {
        QVERIFY(!async);
        QCOMPARE(e.code(), code);
        QVERIFY(!binding.IsBusy());
        binding.ShowError(e.message()); // what a window does with it
    }
    QSignalSpy &done = write ? writes : reads;
    QCOMPARE(done.size(), events);
    QCOMPARE((write ? reads : writes).size(), 0);
    if (events) {
        QCOMPARE(done.first().at(0).value<CvSNMPRequest2Controls *>(), &binding);
        QCOMPARE(done.first().at(1).value<CvSNMPError>().code, code);
    }
    if (memo) {
        QCOMPARE(untimed(target->toPlainText()), text);
        QVERIFY(boxes.texts.isEmpty());
    } else if (!text.isEmpty()) {
        QTRY_COMPARE(boxes.texts, QStringList {text});
        QCOMPARE(boxes.titles, QStringList {"tst_bindingrequests"});
        QCOMPARE(boxes.parents, QList<QWidget *> {&window});
    } else {
        QVERIFY(boxes.texts.isEmpty());
    }
}

void TstBindingRequests::stopDuringAsynchronousWalk()
{
    QWidget window;
    Probe binding(&window);
    binding.SetVarList(ifTable, MVT_FMV, 1);
    auto *view = new QTreeWidget(&window);
    auto *memo = new QPlainTextEdit(&window);
    binding.BindListView(view, false);
    binding.SetMessageTarget(memo);
    QSignalSpy done(&binding, &CvSNMPRequest2Controls::OnReadDone);
    binding.stopAfterFirstRow = true;
    binding.Read();
    QVERIFY(waitIdle(binding));
    QCOMPARE(binding.rowCount, 1);
    QCOMPARE(view->topLevelItemCount(), 1);
    QCOMPARE(binding.endReads, 1);
    QCOMPARE(untimed(memo->toPlainText()), QString("Get: (CvSNMP++) Ok!. Receive at [TIME]."));
    QCOMPARE(done.size(), 1);
    QCOMPARE(done.first().at(1).value<CvSNMPError>().code, 0);

    // The walk goes on from the start once the window runs it again.
    binding.stopAfterFirstRow = false;
    binding.request.running = true;
    binding.Read();
    QVERIFY(waitIdle(binding));
    QCOMPARE(binding.rowCount, walkColumn(ifTable, 0).size());
    QCOMPARE(view->topLevelItemCount(), binding.rowCount);
}

void TstBindingRequests::portListsWrittenAndReread_data()
{
    QTest::addColumn<bool>("async");
    QTest::addColumn<QString>("vid");
    QTest::newRow("synchronous") << false << "301";
    QTest::newRow("asynchronous") << true << "302";
}

void TstBindingRequests::portListsWrittenAndReread()
{
    QFETCH(bool, async);
    QFETCH(QString, vid);
    QWidget window;
    CvSNMPRequest2Edits binding(&window);
    binding.asynchronous = async;
    binding.SetVarList(vlanStatic, MVT_UMV, 1);
    auto *view = new QTreeWidget(&window);
    auto *vidEdit = new QLineEdit(&window);
    auto *nameEdit = new QLineEdit(&window);
    auto *status = new QComboBox(&window);
    auto *memo = new QPlainTextEdit(&window);
    QList<QCheckBox *> egress;
    QList<QCheckBox *> untagged;
    for (int b = 0; b < 768; ++b) {
        egress.append(new QCheckBox(&window));
        untagged.append(new QCheckBox(&window));
    }
    binding.BindListView(view, true);
    binding.BindEdit(Vid, "%u{n1x4094l4}", vidEdit);
    binding.BindEdit(VlanName, "%s{l32}", nameEdit);
    binding.BindCheckBoxList(Egress, bitList(), egress);
    binding.BindCheckBoxList(Untagged, bitList(), untagged);
    binding.BindComboBox(Status, status);
    binding.SetMessageTarget(memo);
    binding.Read();
    QVERIFY(waitIdle(binding));

    // VLAN 1 holds every port of the stack: bit (u-1)*64 + p-1.
    std::set<int> stackPorts;
    const QStringList ranges = walkColumn(unitTable, 1);
    for (int u = 1; u <= ranges.size(); ++u)
        for (int p = 1; p <= ranges.at(u - 1).toInt(); ++p)
            stackPorts.insert((u - 1) * 64 + p - 1);
    QVERIFY(!view->findItems("1", Qt::MatchExactly).isEmpty());
    view->findItems("1", Qt::MatchExactly).first()->setSelected(true);
    QCOMPARE(nameEdit->text(), QString("default"));
    QCOMPARE(checkedBits(egress), stackPorts);
    QCOMPARE(checkedBits(untagged), stackPorts);

    // Create a VLAN of ports 1/1, 1/2 and 2/1 with 1/1 untagged.
    vidEdit->setText(vid);
    nameEdit->setText("lab");
    status->setCurrentText("createAndGo");
    for (QCheckBox *box : egress + untagged)
        box->setChecked(false);
    egress.at(0)->setChecked(true);
    egress.at(1)->setChecked(true);
    egress.at(64)->setChecked(true);
    untagged.at(0)->setChecked(true);
    memo->clear();
    binding.Write(true, true);
    QVERIFY(waitIdle(binding));
    QCOMPARE(untimed(memo->toPlainText()),
        QString("Set: (CvSNMP++) Ok!. Receive at [TIME].\n"
                "Get: (CvSNMP++) Ok!. Receive at [TIME]."));
    const QList<QTreeWidgetItem *> rows = view->findItems(vid, Qt::MatchExactly);
    QCOMPARE(rows.size(), 1);
    rows.first()->setSelected(true);
    QCOMPARE(nameEdit->text(), QString("lab"));
    QCOMPARE(status->currentText(), QString("active"));
    QCOMPARE(checkedBits(egress), std::set<int>({0, 1, 64}));
    QCOMPARE(checkedBits(untagged), std::set<int>({0}));

    status->setCurrentText("destroy");
    binding.Write(true, true);
    QVERIFY(waitIdle(binding));
    QVERIFY(view->findItems(vid, Qt::MatchExactly).isEmpty());
    QCOMPARE(binding.rowCount, view->topLevelItemCount());
}

void TstBindingRequests::enableOnSelect_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("autoSelect");
    QTest::addColumn<bool>("enabledAfterRead");
    QTest::newRow("kind 2, auto-select") << 2 << true << false;
    QTest::newRow("kind 2") << 2 << false << true;
    QTest::newRow("kind 3, auto-select") << 3 << true << true;
}

void TstBindingRequests::enableOnSelect()
{
    QFETCH(int, kind);
    QFETCH(bool, autoSelect);
    QFETCH(bool, enabledAfterRead);
    QWidget window;
    CvSNMPRequest2Edits binding(&window);
    binding.SetVarList(unitTable, quint8(kind), 1);
    auto *view = new QTreeWidget(&window);
    auto *model = new QLabel(&window);
    auto *priority = new QLineEdit(&window);
    binding.BindListView(view, autoSelect);
    binding.BindStaticText(2, model);
    binding.BindEdit(3, "%i", priority);
    for (int round = 0; round < 2; ++round) {
        binding.Read();
        QVERIFY(waitIdle(binding));
        QCOMPARE(model->isEnabled(), enabledAfterRead);
        QCOMPARE(priority->isEnabled(), enabledAfterRead);
        QTreeWidgetItem *row = view->topLevelItem(1);
        row->setSelected(true);
        QVERIFY(model->isEnabled());
        QVERIFY(priority->isEnabled());
        QCOMPARE(model->text(), row->text(2));
        QCOMPARE(priority->text(), row->text(3));
    }
}

void TstBindingRequests::readWhileBusyIsSkipped_data()
{
    QTest::addColumn<bool>("async");
    QTest::newRow("synchronous") << false;
    QTest::newRow("asynchronous") << true;
}

void TstBindingRequests::readWhileBusyIsSkipped()
{
    QFETCH(bool, async);
    SimulatorProcess slow({"--delay-ms", "300"});
    QVERIFY2(slow.isReady(), qPrintable(slow.errorText()));
    SessionDefaults().device.port = slow.port();
    QWidget window;
    Probe binding(&window);
    binding.asynchronous = async;
    binding.SetVarList(unitTable, MVT_FMV, 1);
    auto *view = new QTreeWidget(&window);
    binding.BindListView(view, false);

    // A second read comes while the first waits for its answer: a click
    // during a synchronous wait, or a call after an asynchronous start; and
    // before, from a handler of the selection change that clearing the
    // list signals.
    QList<bool> again;
    (new QTreeWidgetItem(view, {"9"}))->setSelected(true);
    connect(
        view, &QTreeWidget::itemSelectionChanged, &binding, [&] { again.append(binding.Read()); });
    QTimer::singleShot(50, &binding, [&] { again.append(binding.Read()); });
    QVERIFY(binding.Read());
    QVERIFY(waitIdle(binding));
    QTRY_COMPARE(again, (QList<bool> {false, false}));
    QCOMPARE(binding.beginReads, 1);
    QCOMPARE(binding.endReads, 1);
    QCOMPARE(binding.rowCount, 3);
    QCOMPARE(view->topLevelItemCount(), 3);
    QCOMPARE(binding.request.outstanding, 0);
}

// A row's column the agent does not hold shows as an empty edit, and a
// write of the row taken from the controls leaves it out.
void TstBindingRequests::absentValuesStayOutOfWrites()
{
    QWidget window;
    Probe binding(&window);
    binding.asynchronous = false;
    binding.SetVarList(targetAddresses, MVT_UMV, 1);
    auto *view = new QTreeWidget(&window);
    auto *name = new QLineEdit(&window);
    auto *timeout = new QLineEdit(&window);
    auto *tags = new QLineEdit(&window);
    binding.BindListView(view, false);
    binding.BindEdit(0, "%s", name);
    binding.BindEdit(1, "%i", timeout);
    binding.BindEdit(2, "%s", tags);
    const auto rows = [] {
        CvSNMPRequest r;
        r.SetVarList(targetAddresses, MVT_UMV, 1);
        QStringList all;
        for (bool more = r.Get(true); more; more = r.Get(false))
            all << QStringList {r.varList.Var(0).value, r.varList.Var(1).value,
                r.varList.Var(2).value}
                       .join(':');
        return all;
    };
    QVERIFY(binding.Read());
    QTreeWidgetItem *syslog = nullptr;
    for (int r = 0; r < view->topLevelItemCount(); ++r)
        if (view->topLevelItem(r)->text(0) == "nms-syslog")
            syslog = view->topLevelItem(r);
    QVERIFY(syslog);
    view->setCurrentItem(syslog);
    QCOMPARE(timeout->text(), QString());
    QCOMPARE(tags->text(), QString("syslog"));
    const QStringList before = rows();
    QVERIFY(before.contains("nms-syslog:(NOTDONE):syslog"));
    for (const QString &tag : {"syslog audit", "syslog"}) {
        tags->setText(tag);
        binding.Write(false, true);
        QVERIFY(rows().contains("nms-syslog:(NOTDONE):" + tag));
    }
    QCOMPARE(rows(), before);
}

void TstBindingRequests::unknownChoiceStaysOutOfWrites_data()
{
    QTest::addColumn<bool>("radio");
    QTest::newRow("check box") << false;
    QTest::newRow("radio group") << true;
}

// A check box or radio group bound to a list that does not hold the
// agent's value shows neither choice, and a write of the window's other
// controls leaves that variable as the agent holds it.
void TstBindingRequests::unknownChoiceStaysOutOfWrites()
{
    QFETCH(bool, radio);
    const auto agentHolds = [] {
        CvSNMPRequest r;
        r.SetVarList(stateAndLocation, SVT_SV, 0);
        r.varList.Var(0).options = nullptr; // the raw value
        r.Get(true);
        return r.varList.Var(0).value + "|" + r.varList.Var(1).value;
    };
    QVERIFY(agentHolds().startsWith("3|"));
    QWidget window;
    CvSNMPRequest2Edits binding(&window);
    binding.asynchronous = false;
    binding.SetVarList(stateAndLocation, SVT_SV, 0);
    auto *box = new QCheckBox(&window);
    auto *group = new CvRadioGroup(&window);
    auto *location = new QLineEdit(&window);
    binding.BindControl(0, radio ? static_cast<QWidget *>(group) : box);
    binding.BindEdit(1, "%s", location);
    QVERIFY(binding.Read());
    if (radio)
        QCOMPARE(group->itemIndex(), -1);
    else
        QCOMPARE(box->checkState(), Qt::PartiallyChecked);

    const QString place = radio ? "rack 7" : "rack 8";
    location->setText(place);
    try {
        binding.Write(false, true);
    } catch (const CvException &e) {
        QFAIL(qPrintable(e.message()));
    }
    QCOMPARE(agentHolds(), "3|" + place);
}

QTEST_MAIN(TstBindingRequests)
#include "tst_bindingrequests.moc"
