// The system, 802.1X, relay and routing windows opened from their menu
// commands against the simulator; what the agent holds afterwards is read
// with requests of the test's own.
#include "CvSNMPRequest.h"
#include "CvSNMPRequest2Edits.h"
#include "CvSNMPSession.h"
#include "EnterpriseOid.h"
#include "FakeMainWindow.h"
#include "FormTesting.h"
#include "ListViews.h"
#include "RelayVariables.h"
#include "SimulatorProcess.h"
#include "SystemVariables.h"
#include "TBOOTCtrlTableForm.h"
#include "TCommunityStringTableForm.h"
#include "TDot1xStatisticsForm.h"
#include "TNewBootpCtrlForm.h"
#include "TRouteRedistributForm.h"
#include "TRowEditDialog.h"
#include "TSummerTimeConfigForm.h"
#include "WindowTestBed.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

template <class T> T *child(QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void select(QWidget &window, const QString &caption, int column = 0, const QString &second = {})
{
    auto *view = child<QTreeWidget>(window, "ListView1");
    const auto row = [&]() -> QTreeWidgetItem * {
        for (int r = 0; r < view->topLevelItemCount(); ++r) {
            QTreeWidgetItem *item = view->topLevelItem(r);
            if (item->text(0) == caption && (second.isEmpty() || item->text(column) == second))
                return item;
        }
        return nullptr;
    };
    QTRY_VERIFY2_WITH_TIMEOUT(row(), qPrintable(caption), 5000);
    ClickRow(view, row());
}

QString memo(QWidget &window)
{
    return child<QPlainTextEdit>(window, "Memo1")->toPlainText();
}

// Chooses texts in the combo boxes named.
void choose(QWidget &window, const QList<std::pair<const char *, QString>> &choices)
{
    for (const auto &[box, text] : choices) {
        auto *combo = child<QComboBox>(window, box);
        combo->setCurrentIndex(combo->findText(text));
        QVERIFY2(combo->currentText() == text, box);
    }
}

// Answers the next message box with button, keeping its text.
void answerBox(QString *text, QMessageBox::StandardButton button, int tries = 250)
{
    QTimer::singleShot(20, [=] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            *text = box->text();
            box->button(button)->click();
        } else if (tries > 1) {
            answerBox(text, button, tries - 1);
        }
    });
}

// Clicks Add with steps run inside the modal dialog it opens.
void inDialog(QWidget &window, QDialog &dialog, std::function<void()> steps)
{
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        steps();
        if (dialog.isVisible())
            dialog.reject();
    });
    child<QPushButton>(window, "AddBtn")->click();
    QVERIFY(ran);
}

// A table by every index value, joined with "/".
QMap<QString, QStringList> readRows(const CvSNMPVar *vars, quint8 kind, int indexCount)
{
    CvSNMPRequest r;
    r.SetVarList(vars, kind, indexCount);
    QMap<QString, QStringList> rows;
    for (bool more = r.Get(true); more; more = r.Get(false)) {
        QStringList values;
        for (int i = 0; i < r.varList.Count(); ++i)
            values.append(r.varList.Var(i).value);
        rows.insert(values.mid(0, indexCount).join('/'), values);
    }
    return rows;
}

const char *const annualStart = PEN_OID(".12.10.12.5");
const char *const annualEnd = PEN_OID(".12.10.12.6");
const char *const repeatStart = PEN_OID(".12.10.12.3");
const char *const repeatEnd = PEN_OID(".12.10.12.4");
const char *const summerStatus = PEN_OID(".12.10.12.1");

} // namespace

class TstSystemWindows : public QObject, private WindowTestBed
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void summerTimeCodesBothPeriods();
    void summerTimeWithADateBoxEmpty();
    void bootpKeepsFourServersPerInterface();
    void redistributionTypesAndMetricBounds();
    void communityDeleteTakesTheSelectedRow();
    void dot1xStatisticsRowsAndSilentAgent();
};

void TstSystemWindows::initTestCase()
{
    const QString why = StartBed();
    QVERIFY2(why.isEmpty(), qPrintable(why));
}

void TstSystemWindows::init()
{
    ResetBed();
}

// 15 March 02:30 to 1 November 03:00 once a year, then the last Sunday of
// March 02:00 to the last Sunday of October 03:00 every year: the octets
// the switch keeps, and the boxes a new window shows for them.
void TstSystemWindows::summerTimeCodesBothPeriods()
{
    RunFromMenu<TSummerTimeConfigForm>("TSummerTimeConfigForm", [&](TSummerTimeConfigForm &w) {
        WAIT_IDLE(w);
        QCOMPARE(w.windowTitle(), QString("Summer Time Configuration "));
        QCOMPARE(child<QComboBox>(w, "ComboBox1")->currentText(), QString("annual"));
        // The agent's 28 March 02:00 to 31 October 03:00.
        QCOMPARE(child<QComboBox>(w, "DayComboBox")->currentText(), QString("28"));
        QCOMPARE(child<QComboBox>(w, "EMonthComboBox")->currentText(), QString("10"));
        QVERIFY(!child<QComboBox>(w, "WeekComboBoxR")->isVisible());
        choose(w,
            {{"DayComboBox", "15"}, {"MonthComboBox", "3"}, {"HourComboBox", "2"},
                {"MiniuteComboBox", "30"}, {"EDayComboBox", "1"}, {"EMonthComboBox", "11"},
                {"EHourComboBox", "3"}, {"EMiniuteComboBox", "0"}});
        child<QPushButton>(w, "SetBtn")->click();
        WAIT_IDLE(w);
        QCOMPARE(ReadScalar(annualStart, SyntaxOctetString), QString("0F03021E"));
        QCOMPARE(ReadScalar(annualEnd, SyntaxOctetString), QString("010B0300"));

        choose(w, {{"ComboBox1", "repeating"}, {"OffSetTimeComboBox", "120"}});
        QVERIFY(child<QComboBox>(w, "WeekComboBoxR")->isVisible());
        QVERIFY(!child<QComboBox>(w, "DayComboBox")->isVisible());
        choose(w,
            {{"WeekComboBoxR", "Last"}, {"SWeekComboBox", "Sunday"}, {"MonthComboBoxR", "3"},
                {"HourComboBoxR", "2"}, {"MiniuteComboBoxR", "0"}, {"EWeekComboBoxR", "Last"},
                {"EWeekComboBox", "Sunday"}, {"EMonthComboBoxR", "10"}, {"EHourComboBoxR", "3"},
                {"EMiniuteComboBoxR", "0"}});
        child<QPushButton>(w, "SetBtn")->click();
        WAIT_IDLE(w);
        QCOMPARE(ReadScalar(repeatStart, SyntaxOctetString), QString("000001030200"));
        QCOMPARE(ReadScalar(repeatEnd, SyntaxOctetString), QString("FF00010A0300"));
        QCOMPARE(ReadScalar(PEN_OID(".12.10.12.2"), SyntaxInteger), QString("120"));
        QVERIFY2(!memo(w).contains("rror"), qPrintable(memo(w)));
    });
    RunFromMenu<TSummerTimeConfigForm>("TSummerTimeConfigForm", [&](TSummerTimeConfigForm &w) {
        WAIT_IDLE(w);
        QCOMPARE(child<QComboBox>(w, "ComboBox1")->currentText(), QString("repeating"));
        QCOMPARE(child<QComboBox>(w, "OffSetTimeComboBox")->currentText(), QString("120"));
        for (const char *box : {"WeekComboBoxR", "EWeekComboBoxR"})
            QCOMPARE(child<QComboBox>(w, box)->currentText(), QString("Last"));
        for (const char *box : {"SWeekComboBox", "EWeekComboBox"})
            QCOMPARE(child<QComboBox>(w, box)->currentText(), QString("Sunday"));
        QCOMPARE(child<QComboBox>(w, "EMonthComboBoxR")->currentText(), QString("10"));
        QVERIFY(child<QComboBox>(w, "WeekComboBoxR")->isEnabled());
    });
}

// A date box left empty: in repeating mode Set writes the repeat values last
// read (the agent's start changed meanwhile by another tool is put back), in
// annual mode it writes the status and offset and reads the dates again. A
// day the month does not have, or repeat values never read, are refused
// before anything is sent.
void TstSystemWindows::summerTimeWithADateBoxEmpty()
{
    const char *const offset = PEN_OID(".12.10.12.2");
    QVERIFY(SnmpSet(*m_sim, QString(summerStatus) + ".0", "i", "1"));
    const QString start = ReadScalar(annualStart, SyntaxOctetString);
    const QString end = ReadScalar(annualEnd, SyntaxOctetString);
    const QString repeated = ReadScalar(repeatStart, SyntaxOctetString);
    RunFromMenu<TSummerTimeConfigForm>("TSummerTimeConfigForm", [&](TSummerTimeConfigForm &w) {
        WAIT_IDLE(w);
        QCOMPARE(child<QLabel>(w, "Label1")->text(), QString("SummerTimeStatus"));
        QCOMPARE(child<QLabel>(w, "Label2")->text(), QString("SummerTimeOffset"));
        QVERIFY(SnmpSet(*m_sim, QString(repeatStart) + ".0", "x", "030002040100"));
        child<QComboBox>(w, "MiniuteComboBoxR")->setCurrentIndex(-1);
        choose(w, {{"OffSetTimeComboBox", "90"}});
        child<QPushButton>(w, "SetBtn")->click();
        WAIT_IDLE(w);
        QVERIFY2(!memo(w).contains("rror"), qPrintable(memo(w)));
        QCOMPARE(ReadScalar(repeatStart, SyntaxOctetString), repeated);
        QCOMPARE(ReadScalar(offset, SyntaxInteger), QString("90"));

        choose(w,
            {{"ComboBox1", "annual"}, {"DayComboBox", "31"}, {"MonthComboBox", "4"},
                {"HourComboBox", "2"}, {"MiniuteComboBox", "0"}, {"EDayComboBox", "1"},
                {"EMonthComboBox", "10"}, {"EHourComboBox", "3"}, {"EMiniuteComboBox", "0"}});
        int packets = AgentPackets();
        QString refusal;
        AnswerMessageBox(&refusal);
        child<QPushButton>(w, "SetBtn")->click();
        QCOMPARE(refusal, QString(TSummerTimeConfigForm::NoSuchDate));
        QCOMPARE(AgentPackets(), packets + 1);

        child<QComboBox>(w, "DayComboBox")->setCurrentIndex(29); // 30 April
        child<QComboBox>(w, "EMiniuteComboBox")->setCurrentIndex(-1);
        child<QPushButton>(w, "SetBtn")->click();
        WAIT_IDLE(w);
        QCOMPARE(ReadScalar(summerStatus, SyntaxInteger), QString("2"));
        QCOMPARE(ReadScalar(annualStart, SyntaxOctetString), start);
        QCOMPARE(ReadScalar(annualEnd, SyntaxOctetString), end);
        // The dates read again: the agent's, not the 30 April chosen.
        QCOMPARE(child<QComboBox>(w, "DayComboBox")->currentText(),
            QString::number(start.left(2).toInt(nullptr, 16)));
        QCOMPARE(child<QComboBox>(w, "EMiniuteComboBox")->currentText(),
            QString::number(end.right(2).toInt(nullptr, 16)));
    });
    RunFromMenu<TSummerTimeConfigForm>("TSummerTimeConfigForm", [&](TSummerTimeConfigForm &w) {
        WAIT_IDLE(w);
        choose(w, {{"ComboBox1", "repeating"}});
        const int packets = AgentPackets();
        QString refusal;
        AnswerMessageBox(&refusal);
        child<QPushButton>(w, "SetBtn")->click();
        QCOMPARE(refusal, QString(TSummerTimeConfigForm::DateMissing));
        QCOMPARE(AgentPackets(), packets + 1);
    });
    QCOMPARE(ReadScalar(summerStatus, SyntaxInteger), QString("2"));
}

// Three servers on "System": a fourth is added, a fifth refused with the
// window's text and nothing sent; another interface still takes one.
// Delete needs a selected row; a write the agent refuses shows in the memo.
void TstSystemWindows::bootpKeepsFourServersPerInterface()
{
    using namespace BootpRelay;
    const auto servers = [](const QString &name) {
        int n = 0;
        for (const QStringList &row : readRows(BootpRelayVars, MVT_FMV, 2))
            n += row.value(Interface) == name;
        return n;
    };
    QCOMPARE(servers("System"), 3);
    RunFromMenu<TBOOTCtrlTableForm>("TBOOTCtrlTableForm", [&](TBOOTCtrlTableForm &w) {
        WAIT_IDLE(w);
        TNewBootpCtrlForm &d = *w.Dialog();
        const auto add = [&](const QString &name, const QString &server, QString *refusal) {
            inDialog(w, d, [&] {
                QVERIFY(d.InterfaceEdit()->isEnabled());
                d.InterfaceEdit()->setText(name);
                d.ServerEdit()->setText(server);
                if (refusal)
                    AnswerMessageBox(refusal);
                child<QPushButton>(d, "DeleteBtn")->click();
                QCOMPARE(d.isVisible(), refusal != nullptr);
            });
            WAIT_IDLE(w);
        };
        add("System", "10.90.90.204", nullptr);
        QCOMPARE(servers("System"), 4);
        QTRY_COMPARE(child<QTreeWidget>(w, "ListView1")->topLevelItemCount(), 5);

        const int packets = AgentPackets();
        QString refusal;
        add("System", "10.90.90.205", &refusal);
        QCOMPARE(refusal, QString(TNewBootpCtrlForm::FourServers));
        QCOMPARE(AgentPackets(), packets + 1);
        QCOMPARE(servers("System"), 4);

        add("ip2", "10.20.0.6", nullptr);
        QCOMPARE(servers("ip2"), 2);

        // Refused by the agent, and an address that cannot be sent.
        add("an-interface-name-too-long", "10.1.1.1", nullptr);
        QString refused = memo(w).split('\n').last();
        QVERIFY2(refused.startsWith("Set:") && !refused.contains("Ok!"), qPrintable(refused));
        const QString shown = memo(w);
        inDialog(w, d, [&] {
            d.InterfaceEdit()->setText("ip2");
            d.ServerEdit()->setText("10.20.0.x");
            child<QPushButton>(d, "DeleteBtn")->click();
            QVERIFY(d.isVisible());
        });
        QVERIFY(memo(w).size() > shown.size());
        QVERIFY2(!memo(w).split('\n').last().contains("Ok!"), qPrintable(memo(w)));

        child<QTreeWidget>(w, "ListView1")->clearSelection();
        int before = AgentPackets();
        AnswerMessageBox(&refusal);
        child<QPushButton>(w, "DeleteBtn")->click();
        QCOMPARE(refusal, QString(ChooseItemFirst));
        QCOMPARE(AgentPackets(), before + 1);

        // An Add closed without Set leaves its text in the fields; Delete
        // still removes the selected server.
        select(w, "System", 1, "10.90.90.204");
        inDialog(w, d, [&] {
            d.InterfaceEdit()->setText("ip2");
            d.ServerEdit()->setText("10.20.0.5");
        });
        child<QPushButton>(w, "DeleteBtn")->click();
        WAIT_IDLE(w);
        QCOMPARE(servers("System"), 3);
        QCOMPARE(servers("ip2"), 2);
    });
}

// OSPF into RIP of type inter+E2: its button is checked, the metric is a
// hop count and 17 is refused unsent; into OSPF 17 is written. A checked
// type that the protocols no longer allow hands its check on.
void TstSystemWindows::redistributionTypesAndMetricBounds()
{
    using namespace Redistribution;
    const auto rows = [] { return readRows(RedistributionVars, MVT_UMV, 2); };
    RunFromMenu<TRouteRedistributForm>("TRouteRedistributForm", [&](TRouteRedistributForm &w) {
        WAIT_IDLE(w);
        QCOMPARE(w.windowTitle(), QString("Route Redistribution Table"));
        QVERIFY(!child<QPushButton>(w, "DeleteBtn")->isEnabled());
        select(w, "ospf", 1, "rip");
        QVERIFY(child<QPushButton>(w, "DeleteBtn")->isEnabled());
        QVERIFY(child<QRadioButton>(w, "RadioButton8")->isChecked());
        QCOMPARE(child<QComboBox>(w, "ComboBox3")->currentIndex(), 6);
        QCOMPARE(child<QLabel>(w, "Label5")->text(), QString("[0..16]"));
        QVERIFY(!child<QRadioButton>(w, "RadioButton3")->isEnabled());

        child<QLineEdit>(w, "Edit1")->setText("17");
        const int packets = AgentPackets();
        QString refusal;
        AnswerMessageBox(&refusal);
        child<QPushButton>(w, "EditBtn")->click();
        QCOMPARE(refusal, QString(TRouteRedistributForm::RipOutOfBound));
        QCOMPARE(AgentPackets(), packets + 1);
        QCOMPARE(rows().value("ospf/rip").value(Metric), QString("3"));

        // Into OSPF: "inter-E2" no longer applies, "type-1" takes the check.
        child<QComboBox>(w, "ComboBox2")->setCurrentText("ospf");
        QCOMPARE(child<QLabel>(w, "Label5")->text(), QString("[0..16777214]"));
        QVERIFY(child<QRadioButton>(w, "RadioButton3")->isChecked());
        QCOMPARE(child<QComboBox>(w, "ComboBox3")->currentText(), QString("type-1"));
        child<QPushButton>(w, "AddBtn")->click();
        WAIT_IDLE(w);
        const QStringList added = rows().value("ospf/ospf");
        QCOMPARE(added.value(Type), QString("type-1"));
        QCOMPARE(added.value(Metric), QString("17"));
        QCOMPARE(added.value(RowStatus), QString("active"));

        // Set after a Delete sends no leftover destroy.
        select(w, "ospf", 1, "ospf");
        child<QPushButton>(w, "DeleteBtn")->click();
        WAIT_IDLE(w);
        QVERIFY(!rows().contains("ospf/ospf"));
        select(w, "rip", 1, "ospf");
        child<QLineEdit>(w, "Edit1")->setText("25");
        child<QPushButton>(w, "EditBtn")->click();
        WAIT_IDLE(w);
        QCOMPARE(rows().value("rip/ospf").value(Metric), QString("25"));
        QCOMPARE(rows().value("rip/ospf").value(RowStatus), QString("active"));
        QVERIFY2(!memo(w).contains("rror"), qPrintable(memo(w)));
    });
}

// Add makes a community; Delete destroys the selected row without asking,
// warns for the community this program writes with and sends nothing on No.
void TstSystemWindows::communityDeleteTakesTheSelectedRow()
{
    using namespace Community;
    const auto communities = [] { return ReadTable(CommunityVars, MVT_UMV, 1); };
    RunFromMenu<TCommunityStringTableForm>(
        "TCommunityStringTableForm", [&](TCommunityStringTableForm &w) {
            WAIT_IDLE(w);
            QVERIFY(!child<QPushButton>(w, "DeleteBtn")->isEnabled());
            child<QLineEdit>(w, "Edit1")->setText("lab-ro");
            child<QLineEdit>(w, "Edit2")->setText("lab-ro");
            child<QLineEdit>(w, "Edit3")->setText("kestra");
            child<QPushButton>(w, "AddBtn")->click();
            WAIT_IDLE(w);
            QCOMPARE(communities().value("lab-ro").value(SecurityName), QString("kestra"));

            select(w, "marlowe");
            QVERIFY(child<QPushButton>(w, "DeleteBtn")->isEnabled());
            const int packets = AgentPackets();
            QString question;
            answerBox(&question, QMessageBox::No);
            child<QPushButton>(w, "DeleteBtn")->click();
            QCOMPARE(question, TCommunityStringTableForm::DeleteWarning("marlowe"));
            QCOMPARE(AgentPackets(), packets + 1);

            // The fields edited to name another row: the selected one goes,
            // and nothing is asked about it.
            select(w, "lab-ro");
            child<QLineEdit>(w, "Edit1")->setText("marlowe");
            child<QLineEdit>(w, "Edit2")->setText("marlowe");
            question.clear();
            answerBox(&question, QMessageBox::Yes, 50);
            child<QPushButton>(w, "DeleteBtn")->click();
            WAIT_IDLE(w);
            QVERIFY(!communities().contains("lab-ro"));
            QVERIFY(communities().contains("marlowe"));
            QVERIFY2(question.isEmpty(), qPrintable(question));
            QVERIFY2(!memo(w).contains("rror"), qPrintable(memo(w)));
        });
}

// A row per supplicant of the state table; against a silent agent the
// first read ends in an error line and the window stays open.
void TstSystemWindows::dot1xStatisticsRowsAndSilentAgent()
{
    RunFromMenu<TDiagnosticsInformationForm>(
        "TDiagnosticsInformationForm", [&](TDiagnosticsInformationForm &w) {
            WAIT_IDLE(w);
            auto *list = child<QTreeWidget>(w, "ListView1");
            QTRY_COMPARE(list->topLevelItemCount(), 4);
            QCOMPARE(list->topLevelItem(1)->text(1), QString("12"));
            QCOMPARE(list->columnCount(), 20);
        });
    SessionDefaults().device.port = SimulatorProcess::silentPort();
    SessionDefaults().timeout = 30;
    bool stayedOpen = false;
    RunFromMenu<TMacStatisticTableForm>("TMacStatisticTableForm", [&](TMacStatisticTableForm &w) {
        WAIT_IDLE(w);
        QCOMPARE(w.windowTitle(), QString("MacStatisticTableForm"));
        stayedOpen = w.isVisible();
        QVERIFY2(!memo(w).isEmpty() && !memo(w).contains("Ok!"), qPrintable(memo(w)));
        QCOMPARE(child<QTreeWidget>(w, "ListView1")->topLevelItemCount(), 0);
    });
    QVERIFY(stayedOpen);
}

QTEST_MAIN(TstSystemWindows)
#include "tst_systemwindows.moc"
