// The authentication windows opened from their menu commands against the
// simulator; what the agent holds afterwards is read with requests of the
// test's own.
#include "AuthVariables.h"
#include "CvSNMPRequest2Edits.h"
#include "CvSNMPSession.h"
#include "FakeMainWindow.h"
#include "FormTesting.h"
#include "ListViews.h"
#include "SimulatorProcess.h"
#include "TEquipmentBasicInfoForm.h"
#include "TLogHostEditForm.h"
#include "TLoginMethodListForm.h"
#include "TMSEditForm.h"
#include "TMSInformationForm.h"
#include "TMd5EditForm.h"
#include "TMd5InformationForm.h"
#include "TServerInformationForm.h"
#include "TSystemLogHostForm.h"
#include "WindowTestBed.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

namespace {

template <class T> T *child(QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void select(QWidget &window, const QString &caption)
{
    auto *view = child<QTreeWidget>(window, "ListView1");
    // Rows of a read reach the view in batches.
    QTRY_VERIFY2_WITH_TIMEOUT(RowWithCaption(view, caption), qPrintable(caption), 5000);
    ClickRow(view, RowWithCaption(view, caption));
}

// Clicks button of the list window with steps run inside the modal dialog
// it opens; the dialog is closed after them if they left it open.
void inDialog(QWidget &window, const char *button, QDialog &dialog, std::function<void()> steps)
{
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        steps();
        if (dialog.isVisible())
            dialog.reject();
    });
    child<QPushButton>(window, button)->click();
    QVERIFY(ran);
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

} // namespace

class TstAuthWindows : public QObject, private WindowTestBed
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void md5AddsRefusesDuplicatesAndAddsAfterDelete();
    void md5EditsAndDeletesTwoKeysAtOnce();
    void logHostSendsOnlyTheTickedFields();
    void memberSwitchAddsEditsAndDeletes();
    void loginMethodsAfterLocalAreLeftAlone();
    void serverEditSendsTheKeyAlone();
    void equipmentShowsTheStack();
};

void TstAuthWindows::initTestCase()
{
    const QString why = StartBed();
    QVERIFY2(why.isEmpty(), qPrintable(why));
}

void TstAuthWindows::init()
{
    ResetBed();
}

void TstAuthWindows::md5AddsRefusesDuplicatesAndAddsAfterDelete()
{
    const auto keys = [] { return ReadTable(Md5KeyVars, MVT_UMV, 1); };
    RunFromMenu<TMd5InformationForm>("TMd5InformationForm", [&](TMd5InformationForm &w) {
        WAIT_IDLE(w);
        QCOMPARE(w.windowTitle(), QString("MD5 Information Table"));
        TMd5EditForm &d = *w.EditDialog();
        QVERIFY(RowWithCaption(child<QTreeWidget>(w, "ListView1"), "7"));

        inDialog(w, "AddButton", d, [&] {
            QVERIFY(d.KeyIDEdit()->isEnabled());
            d.KeyIDEdit()->setText("9");
            d.KeyEdit()->setText("ospf-nine");
            child<QPushButton>(d, "SetButton")->click();
        });
        WAIT_IDLE(w);
        QCOMPARE(keys().value("9").value(Md5Key::Key), QString("ospf-nine"));
        QVERIFY(RowWithCaption(child<QTreeWidget>(w, "ListView1"), "9"));

        // A key id already listed is refused before anything is sent.
        const int packets = AgentPackets();
        QString refusal;
        inDialog(w, "AddButton", d, [&] {
            d.KeyIDEdit()->setText("7");
            d.KeyEdit()->setText("other");
            AnswerMessageBox(&refusal);
            child<QPushButton>(d, "SetButton")->click();
            QVERIFY(d.isVisible());
        });
        QCOMPARE(refusal, QString("KeyID must be different."));
        QCOMPARE(AgentPackets(), packets + 1);
        QCOMPARE(keys().value("7").value(Md5Key::Key), QString("backbone"));

        // Delete leaves destroy in the status box; the next Add still creates.
        select(w, "9");
        child<QPushButton>(w, "DeleteButton")->click();
        WAIT_IDLE(w);
        QVERIFY(!keys().contains("9"));
        inDialog(w, "AddButton", d, [&] {
            QCOMPARE(d.StatusBox()->currentText(), QString("createAndGo"));
            d.KeyIDEdit()->setText("9");
            d.KeyEdit()->setText("again");
            child<QPushButton>(d, "SetButton")->click();
        });
        WAIT_IDLE(w);
        QCOMPARE(keys().value("9").value(Md5Key::Key), QString("again"));
        QCOMPARE(keys().value("9").value(Md5Key::Status), QString("active"));
        const QString memo = child<QPlainTextEdit>(w, "Memo1")->toPlainText();
        QVERIFY2(!memo.contains("rror"), qPrintable(memo));
    });
}

// Two of three keys selected: the dialog shows the key they differ in
// empty and the one typed goes to both; Delete asks once and removes both.
// The third key is left alone.
void TstAuthWindows::md5EditsAndDeletesTwoKeysAtOnce()
{
    const auto keys = [] { return ReadTable(Md5KeyVars, MVT_UMV, 1); };
    RunFromMenu<TMd5InformationForm>("TMd5InformationForm", [&](TMd5InformationForm &w) {
        WAIT_IDLE(w);
        TMd5EditForm &d = *w.EditDialog();
        for (const char *id : {"21", "22", "23"}) {
            inDialog(w, "AddButton", d, [&] {
                d.KeyIDEdit()->setText(id);
                d.KeyEdit()->setText(QString("key-") + id);
                child<QPushButton>(d, "SetButton")->click();
            });
            WAIT_IDLE(w);
        }
        auto *list = child<QTreeWidget>(w, "ListView1");
        select(w, "21");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
            list->visualItemRect(RowWithCaption(list, "23")).center());
        inDialog(w, "EditButton", d, [&] {
            QCOMPARE(d.KeyIDEdit()->text(), QString());
            QCOMPARE(d.KeyEdit()->text(), QString());
            d.KeyEdit()->setText("shared");
            child<QPushButton>(d, "SetButton")->click();
        });
        WAIT_IDLE(w);
        QCOMPARE(keys().value("21").value(Md5Key::Key), QString("shared"));
        QCOMPARE(keys().value("22").value(Md5Key::Key), QString("key-22"));
        QCOMPARE(keys().value("23").value(Md5Key::Key), QString("shared"));
        const QString memo = child<QPlainTextEdit>(w, "Memo1")->toPlainText();
        QVERIFY2(memo.contains("Set: Key Id 23: (CvSNMP++) Ok!"), qPrintable(memo));

        select(w, "21");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
            list->visualItemRect(RowWithCaption(list, "23")).center());
        QString question;
        answerBox(&question, QMessageBox::Yes);
        child<QPushButton>(w, "DeleteButton")->click();
        QCOMPARE(question, QString("Delete the 2 selected rows?"));
        WAIT_IDLE(w);
        QVERIFY(!keys().contains("21") && !keys().contains("23"));
        QCOMPARE(keys().value("22").value(Md5Key::Key), QString("key-22"));
        QVERIFY(!RowWithCaption(list, "21") && RowWithCaption(list, "22"));
    });
}

// Edit sends the ticked column alone; no box ticked, or a port outside
// 514 and 6000-65535, sends nothing; Delete removes the row.
void TstAuthWindows::logHostSendsOnlyTheTickedFields()
{
    using namespace LogHost;
    const auto hosts = [] { return ReadTable(LogHostVars, MVT_UMV, 1); };
    const QStringList before = hosts().value("1");
    QCOMPARE(before.value(Severity), QString("warning"));
    RunFromMenu<TSystemLogHostForm>("TSystemLogHostForm", [&](TSystemLogHostForm &w) {
        WAIT_IDLE(w);
        TLogHostEditForm &d = *w.EditDialog();
        select(w, "1");
        inDialog(w, "EditButton", d, [&] {
            QVERIFY(!d.IndexEdit()->isEnabled());
            QCOMPARE(d.IPAddrEdit()->text(), QString("10.90.90.10"));
            for (QCheckBox *box : d.IncludeBoxes())
                QVERIFY(!box->isChecked());
            d.SevComboBox()->setCurrentText("informational");
            d.PortEdit()->setText("6001");
            d.FacComboBox()->setCurrentText("local3");
            d.IncludeBoxes().at(Severity - 1)->setChecked(true);
            child<QPushButton>(d, "SetButton")->click();
            QVERIFY(d.isVisible());
        });
        WAIT_IDLE(w);
        QStringList expected = before;
        expected[Severity] = "informational";
        QCOMPARE(hosts().value("1"), expected);

        // Reopened: every box clear again; Set now is refused.
        int packets = AgentPackets();
        QString refusal;
        select(w, "1");
        inDialog(w, "EditButton", d, [&] {
            for (QCheckBox *box : d.IncludeBoxes())
                QVERIFY(!box->isChecked());
            AnswerMessageBox(&refusal);
            child<QPushButton>(d, "SetButton")->click();
        });
        QCOMPARE(refusal, QString(TLogHostEditForm::NothingChecked));
        QCOMPARE(AgentPackets(), packets + 1);

        packets = AgentPackets();
        inDialog(w, "AddButton", d, [&] {
            d.IndexEdit()->setText("2");
            d.IPAddrEdit()->setText("10.1.1.2");
            d.PortEdit()->setText("600");
            d.RowComboBox()->setCurrentIndex(3);
            d.AllButtonClick();
            AnswerMessageBox(&refusal);
            child<QPushButton>(d, "SetButton")->click();
        });
        QCOMPARE(refusal, QString(TLogHostEditForm::PortOutOfRange));
        QCOMPARE(AgentPackets(), packets + 1);
        QVERIFY(!hosts().contains("2"));

        select(w, "3");
        child<QPushButton>(w, "DeleteButton")->click();
        WAIT_IDLE(w);
        QVERIFY(!hosts().contains("3"));
        QVERIFY(!RowWithCaption(child<QTreeWidget>(w, "ListView1"), "3"));
    });
}

// Add makes the candidate a member on createAndGo, even after a Delete left
// destroy in the status box; Edit keeps the member's candidate source.
void TstAuthWindows::memberSwitchAddsEditsAndDeletes()
{
    using namespace MemberSwitch;
    const auto members = [] { return ReadTable(MemberSwitchVars, MVT_UMV, 1); };
    RunFromMenu<TMSInformationForm>("TMSInformationForm", [&](TMSInformationForm &w) {
        WAIT_IDLE(w);
        QCOMPARE(w.windowTitle(), QString("Member Switch Information Table"));
        TMSEditForm &d = *w.EditDialog();
        auto *list = child<QTreeWidget>(w, "ListView1");
        select(w, "1");
        child<QPushButton>(w, "DeleteButton")->click();
        WAIT_IDLE(w);
        QVERIFY(!members().contains("1"));
        QTRY_VERIFY(!RowWithCaption(list, "1"));

        inDialog(w, "AddButton", d, [&] {
            QCOMPARE(d.windowTitle(), QString("MS Add"));
            QCOMPARE(d.Row_Status()->currentText(), QString("createAndGo"));
            d.KeyIDEdit()->setText("3");
            d.MS_Password()->setText("pw3");
            child<QPushButton>(d, "SetButton")->click();
        });
        WAIT_IDLE(w);
        QStringList row = members().value("3");
        QCOMPARE(row.value(CandidateSource), QString("3"));
        QCOMPARE(row.value(Password), QString("pw3"));
        QCOMPARE(row.value(RowStatus), QString("active"));
        QTRY_VERIFY(RowWithCaption(list, "3"));

        select(w, "2");
        inDialog(w, "EditButton", d, [&] {
            QCOMPARE(d.windowTitle(), QString("MS Edit"));
            QCOMPARE(d.ED_MCS()->text(), QString("6"));
            QCOMPARE(d.MS_Password()->text(), QString("m3mber"));
            d.MS_Password()->setText("changed");
            child<QPushButton>(d, "SetButton")->click();
        });
        WAIT_IDLE(w);
        row = members().value("2");
        QCOMPARE(row.value(CandidateSource), QString("6"));
        QCOMPARE(row.value(Password), QString("changed"));
        QCOMPARE(row.value(RowStatus), QString("active"));

        // Closed without Set, either dialog still has the list read again.
        for (const char *button : {"EditButton", "AddButton"}) {
            const QString password = QString("set-%1").arg(QString(button).left(3));
            QVERIFY(SnmpSet(
                *m_sim, QString("1.3.6.1.4.1.%1.12.8.1.3.1.9.2").arg(TRV_PEN), "s", password));
            select(w, "2");
            inDialog(w, button, d, [] {});
            WAIT_IDLE(w);
            QTRY_COMPARE(RowWithCaption(list, "2")->text(Password), password);
        }
        const QString memo = child<QPlainTextEdit>(w, "Memo1")->toPlainText();
        QVERIFY2(!memo.contains("rror"), qPrintable(memo));
    });
}

// tacacs, local, radius, none: Yes goes back without writing, No writes the
// first two methods and leaves three and four as the switch has them; a
// server-group method without its group is refused.
void TstAuthWindows::loginMethodsAfterLocalAreLeftAlone()
{
    using namespace MethodList;
    const auto lists = [] { return ReadTable(LoginMethodVars, MVT_UMV, 1); };
    const QStringList before = lists().value("ops");
    QCOMPARE(before.value(Type3), QString("xtacacs"));
    RunFromMenu<TLoginMethodListForm>("TLoginMethodListForm", [&](TLoginMethodListForm &w) {
        WAIT_IDLE(w);
        const auto choose = [&](const QStringList &types) {
            select(w, "ops");
            for (int m = 0; m < Methods; ++m)
                child<QComboBox>(w, qPrintable(QString("ComboBoxType%1").arg(m + 1)))
                    ->setCurrentText(types.at(m));
        };
        choose({"tacacs", "local", "radius", "none"});
        QVERIFY(!w.CheckMethodOrder());
        int packets = AgentPackets();
        QString question;
        answerBox(&question, QMessageBox::Yes);
        child<QPushButton>(w, "EditButton")->click();
        QCOMPARE(question,
            QString("Method(s) after method local and none is(are) ineffective. "
                    "Do you want to change your configurations?"));
        QCOMPARE(AgentPackets(), packets + 1);

        answerBox(&question, QMessageBox::No);
        child<QPushButton>(w, "EditButton")->click();
        QStringList expected = before;
        expected[Type1] = "tacacs";
        expected[Type2] = "local";
        QCOMPARE(lists().value("ops"), expected);

        choose({"server-group", "local", "other", "other"});
        QVERIFY(w.CheckMethodOrder());
        child<QLineEdit>(w, "Server1Edit")->clear();
        packets = AgentPackets();
        QString refusal;
        AnswerMessageBox(&refusal);
        child<QPushButton>(w, "EditButton")->click();
        QCOMPARE(refusal, QString(TMethodListBase::GroupMissing));
        QCOMPARE(AgentPackets(), packets + 1);
    });
}

void TstAuthWindows::serverEditSendsTheKeyAlone()
{
    using namespace ServerInfo;
    // By protocol, the last index: one server of each in the data.
    const auto servers = [] { return ReadTable(ServerInfoVars, MVT_UMV, 2); };
    const QStringList before = servers().value("radius");
    QCOMPARE(before.value(Port), QString("1812"));
    RunFromMenu<TServerInformationForm>("TServerInformationForm", [&](TServerInformationForm &w) {
        WAIT_IDLE(w);
        select(w, "10.90.90.3");
        QVERIFY(!child<QLineEdit>(w, "IPEdit")->isEnabled());
        for (const char *edit : {"PortEdit", "TimeoutEdit", "RetryCEdit"})
            child<QLineEdit>(w, edit)->clear();
        child<QLineEdit>(w, "KeyEdit")->setText("fresh-key");
        child<QPushButton>(w, "EditButton")->click();
        QStringList expected = before;
        expected[Key] = "fresh-key";
        QCOMPARE(servers().value("radius"), expected);
        QVERIFY(child<QPushButton>(w, "AddButton")->isEnabled());
        QVERIFY(!child<QStatusBar>(w, "StatusBar1")->currentMessage().contains("rror"));
    });
}

void TstAuthWindows::equipmentShowsTheStack()
{
    RunFromMenu<TEquipmentBasicInfoForm>(
        "TEquipmentBasicInfoForm", [&](TEquipmentBasicInfoForm &w) {
            WAIT_IDLE(w);
            QCOMPARE(
                child<QLineEdit>(w, "Edit1")->text(), QString("Fan, Redundant Power and Stacking"));
            QCOMPARE(child<QLineEdit>(w, "Edit3")->text(), QString("3"));
            QCOMPARE(child<QLineEdit>(w, "Edit2")->text(), QString("12"));
        });
}

QTEST_MAIN(TstAuthWindows)
#include "tst_authwindows.moc"
