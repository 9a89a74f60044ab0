// What every hand-laid window shares: opening from its menu command, the
// stack port grid built from the unit list, the flags guard of selective
// writes.
#include "AclVariables.h"
#include "CvException.h"
#include "CvSNMPRequest2Edits.h"
#include "CvSNMPSession.h"
#include "FakeMainWindow.h"
#include "FlagsGuard.h"
#include "FormTesting.h"
#include "PortGrids.h"
#include "SimulatorProcess.h"
#include "THandLaidForm.h"
#include "TStackingPortUitForm.h"
#include "WindowTestBed.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>

#include <cstdlib>
#include <functional>

class TstHandLaid : public QObject, private WindowTestBed
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyWindowOpensFromItsCommand_data();
    void everyWindowOpensFromItsCommand();
    void windowsScaleAndOpenCentred_data();
    void windowsScaleAndOpenCentred();
    void gridShowsTheUnitsOfTheList_data();
    void gridShowsTheUnitsOfTheList();
    void gridRowsOfTenWithDeviceInfo();
    void flagsComeBackOnEveryPath();
    void accessWindowsCreateEditAndDelete_data();
    void accessWindowsCreateEditAndDelete();
    void selectedRowClickedAgainHasItsButtons_data();
    void selectedRowClickedAgainHasItsButtons();
};

void TstHandLaid::initTestCase()
{
    const QString why = StartBed();
    QVERIFY2(why.isEmpty(), qPrintable(why));
    PointSessionAt(*m_sim);
}

void TstHandLaid::everyWindowOpensFromItsCommand_data()
{
    QTest::addColumn<QString>("className");
    for (const QString &name : HandLaidWindows::ClassNames())
        QTest::newRow(qPrintable(name)) << name;
}

// Each window opens modally from its command, reads without an error and is
// gone once it has closed.
void TstHandLaid::everyWindowOpensFromItsCommand()
{
    QFETCH(QString, className);
    BindUnitList(m_main);
    QPointer<THandLaidForm> opened;
    QString messages;
    QTimer::singleShot(0, [&] {
        auto *window = qobject_cast<THandLaidForm *>(QApplication::activeModalWidget());
        if (!window)
            return;
        opened = window;
        QTRY_VERIFY_WITH_TIMEOUT(window->Created() && !window->AnyBusy(), 20000);
        QVERIFY(!window->Requests().isEmpty());
        if (auto *memo = window->findChild<QPlainTextEdit *>("Memo1"))
            messages = memo->toPlainText();
        if (auto *bar = window->findChild<QStatusBar *>("StatusBar1"))
            messages = bar->currentMessage();
        window->close();
    });
    const WindowCommands::Command command = WindowCommands::Find(className);
    QVERIFY(command);
    command();
    QVERIFY2(opened.isNull(), "the window outlives its command");
    QVERIFY2(messages.contains("Ok!") && !messages.contains("rror"), qPrintable(messages));
}

namespace {

// Where a window opened over owner belongs: centred on it, moved onto the
// screen where it would stick out. The toolkit allows for a frame it may not
// know yet (up to 10 pixels across, 40 down), so that much is tolerated.
bool centredOver(const QWidget &window, const QWidget &owner, QString &why)
{
    QRect expected(QPoint(), window.size());
    expected.moveCenter(owner.geometry().center());
    const QRect screen = window.screen()->availableGeometry();
    if (expected.right() > screen.right())
        expected.moveRight(screen.right());
    if (expected.left() < screen.left())
        expected.moveLeft(screen.left());
    if (expected.bottom() > screen.bottom())
        expected.moveBottom(screen.bottom());
    if (expected.top() < screen.top())
        expected.moveTop(screen.top());
    const QPoint off = window.geometry().topLeft() - expected.topLeft();
    why = QStringLiteral("%1 at %2,%3, expected near %4,%5")
              .arg(window.objectName())
              .arg(window.x())
              .arg(window.y())
              .arg(expected.x())
              .arg(expected.y());
    return std::abs(off.x()) <= 10 && std::abs(off.y()) <= 40;
}

// A window's size and its edit dialog's (empty without one), as they show.
struct Opened
{
    QSize window;
    QSize dialog;
};

} // namespace

void TstHandLaid::windowsScaleAndOpenCentred_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("addButton"); // opens its edit dialog, if any
    const QMap<QString, QString> dialogs {{"TMd5InformationForm", "AddButton"},
        {"TSystemLogHostForm", "AddButton"}, {"TMSInformationForm", "AddButton"},
        {"TBOOTCtrlTableForm", "AddBtn"}};
    for (const QString &name : HandLaidWindows::ClassNames())
        QTest::newRow(qPrintable(name)) << name << dialogs.value(name);
}

// On large fonts every window, and every edit dialog, is 1.25 times the size
// it has otherwise; either way it opens centred over its owner, the main
// window or its list window. Run again on a screen forced to 120 pixels per
// inch, where the fonts grow as well.
void TstHandLaid::windowsScaleAndOpenCentred()
{
    QFETCH(QString, className);
    QFETCH(QString, addButton);
    BindUnitList(m_main);
    QWidget &owner = m_main.window;
    QRect place(QPoint(), owner.size());
    place.moveCenter(owner.screen()->availableGeometry().center());
    owner.move(place.topLeft());
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    const auto hideOwner = qScopeGuard([this] {
        m_main.window.hide();
        m_main.largeFonts = false;
    });

    const auto open = [&](bool largeFonts) {
        m_main.largeFonts = largeFonts;
        Opened sizes;
        QStringList misplaced;
        QTimer::singleShot(0, [&] {
            QPointer<QWidget> window = QApplication::activeModalWidget();
            auto *form = qobject_cast<THandLaidForm *>(window.data());
            if (!form)
                return;
            const auto closeWindow = qScopeGuard([window] {
                if (window)
                    window->close();
            });
            sizes.window = form->size();
            QString why;
            if (!centredOver(*form, owner, why))
                misplaced.append(why);
            if (addButton.isEmpty())
                return;
            QTRY_VERIFY_WITH_TIMEOUT(form->Created() && !form->AnyBusy(), 20000);
            QTimer::singleShot(0, [&] {
                QWidget *dialog = QApplication::activeModalWidget();
                if (!dialog || dialog == form)
                    return;
                sizes.dialog = dialog->size();
                QString where;
                if (!centredOver(*dialog, *form, where))
                    misplaced.append(where);
                dialog->close();
            });
            form->findChild<QPushButton *>(addButton)->click();
        });
        WindowCommands::Find(className)();
        return std::make_pair(sizes, misplaced);
    };
    const auto [normal, normalMisplaced] = open(false);
    const auto [large, largeMisplaced] = open(true);
    QVERIFY2(normalMisplaced.isEmpty(), qPrintable(normalMisplaced.join("; ")));
    QVERIFY2(largeMisplaced.isEmpty(), qPrintable(largeMisplaced.join("; ")));
    const auto scaled
        = [](QSize s) { return QSize(qRound(s.width() * 1.25), qRound(s.height() * 1.25)); };
    QVERIFY(!normal.window.isEmpty());
    QCOMPARE(large.window, scaled(normal.window));
    QCOMPARE(normal.dialog.isEmpty(), addButton.isEmpty());
    QCOMPARE(large.dialog, scaled(normal.dialog));
}

void TstHandLaid::gridShowsTheUnitsOfTheList_data()
{
    QTest::addColumn<QList<QStringList>>("units");
    QTest::addColumn<QStringList>("sheets");
    QTest::newRow("models decide the port counts")
        << QList<QStringList> {{"1", "exist", "48", "TRV-8170QL"},
               {"2", "exist", "24", "TRM6140QL*"}, {"3", "exist", "24", "TRV-8140QL"}}
        << QStringList {"Unit1 TRV-8170QL:50", "Unit2 TRM6140QL*:24", "Unit3 TRV-8140PQL:26"};
    QTest::newRow("up to the first unit not there") << QList<QStringList> {
        {"1", "exist", "24", "TRM-6040QL"}, {"2", "not-exist", "0", ""},
        {"3", "exist", "26", "TRV-8140PQL"}} << QStringList {"Unit1 TRM-6040QL:24"};
    QTest::newRow("ids and ranges outside the grid") << QList<QStringList> {
        {"13", "exist", "24", "A"}, {"0", "exist", "24", "B"}, {"x", "exist", "24", "C"},
        {"4", "exist", "99", "D"}, {"5", "exist", "-3", "E"},
        {"12", "exist", "64", "F"}} << QStringList {"Unit4 D:64", "Unit5 E:0", "Unit12 F:64"};
    QTest::newRow("no unit list") << QList<QStringList> {} << QStringList {};
}

void TstHandLaid::gridShowsTheUnitsOfTheList()
{
    QFETCH(QList<QStringList>, units);
    QFETCH(QStringList, sheets);
    FillUnitList(m_main, units);
    QWidget window;
    auto *host = new QScrollArea(&window);
    QStringList errors;
    const QList<TStackingPortUitForm *> grids
        = BuildPortGrids(&window, {host}, [&](const QString &e) { errors.append(e); });
    QCOMPARE(grids.size(), 1);
    TStackingPortUitForm &grid = *grids.first();
    QCOMPARE(grid.PortCheckBoxes.size(), 768);
    QCOMPARE(ShownSheets(grid), sheets);
    QVERIFY(errors.isEmpty());
    // Box k is bit k: unit 2 port 1 is bit 64, unit 12 port 64 the last.
    QCOMPARE(grid.Port(2, 1), grid.PortCheckBoxes.at(64));
    QCOMPARE(grid.Port(12, 64), grid.PortCheckBoxes.at(767));
    QCOMPARE(grid.Port(2, 1)->text(), QString("1"));
}

void TstHandLaid::gridRowsOfTenWithDeviceInfo()
{
    FillUnitList(m_main, {{"1", "exist", "50", "TRV-8170QL"}});
    const auto rowOf = [](TStackingPortUitForm &grid, int port) { return grid.Port(1, port)->y(); };
    QWidget window;
    auto *twelve = new QScrollArea(&window);
    TStackingPortUitForm *grid = BuildPortGrids(&window, {twelve}, {}).value(0);
    QVERIFY(grid);
    QCOMPARE(rowOf(*grid, 12), rowOf(*grid, 1));
    QVERIFY(rowOf(*grid, 13) > rowOf(*grid, 1));

    QFile marker("DeviceInfo.ini");
    QVERIFY(marker.open(QIODevice::WriteOnly));
    marker.close();
    auto *ten = new QScrollArea(&window);
    grid = BuildPortGrids(&window, {ten}, {}).value(0);
    QFile::remove("DeviceInfo.ini");
    QVERIFY(grid);
    QCOMPARE(rowOf(*grid, 10), rowOf(*grid, 1));
    QVERIFY(rowOf(*grid, 11) > rowOf(*grid, 1));
}

// A write that throws, a scope left early: the words are back either way.
void TstHandLaid::flagsComeBackOnEveryPath()
{
    const CvSNMPVar vars[] = {
        {"1.3.6.1.2.1.1.5", "Name", SyntaxDisplayString, AccessReadWrite},
        {"1.3.6.1.2.1.1.6", "Location", SyntaxDisplayString, AccessReadWrite},
        {},
    };
    QWidget window;
    CvSNMPRequest2Edits request(&window);
    request.SetVarList(vars, SVT_SV, 0);
    request.request.varList.Var(0).access = AccessReadOnly;
    try {
        FlagsGuard flags(request);
        flags.Exclude(0);
        flags.Exclude(1);
        QCOMPARE(request.request.varList.Var(1).access, qint32(AccessInvalid));
        throw CvException(QStringLiteral("failed"), -1);
    } catch (const CvException &) {
    }
    QCOMPARE(request.request.varList.Var(0).access, qint32(AccessReadOnly));
    QCOMPARE(request.request.varList.Var(1).access, qint32(AccessReadWrite));
}

namespace {
// Fills the pane: "Name=value" sets an edit's text, chooses a combo box
// item by its text or ticks a check box.
void fill(QWidget &window, const QStringList &fields)
{
    for (const QString &field : fields) {
        const QString name = field.section('=', 0, 0);
        const QString value = field.section('=', 1);
        QWidget *w = window.findChild<QWidget *>(name);
        QVERIFY2(w, qPrintable(name));
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            edit->setText(value);
        else if (auto *box = qobject_cast<QComboBox *>(w))
            box->setCurrentIndex(box->findText(value));
        else if (auto *check = qobject_cast<QCheckBox *>(w))
            check->setChecked(true);
    }
}

// Selects the row whose leading columns read keys.
void selectRow(QWidget &window, const QStringList &keys)
{
    auto *list = window.findChild<QTreeWidget *>("ListView1");
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        QTreeWidgetItem *row = list->topLevelItem(r);
        bool same = true;
        for (int k = 0; k < keys.size(); ++k)
            same = same && row->text(k) == keys.at(k);
        if (same) {
            ClickRow(list, row);
            return;
        }
    }
    QFAIL(qPrintable(keys.join('.')));
}

void click(QWidget &window, const QString &button)
{
    auto *b = window.findChild<QPushButton *>(button);
    QVERIFY2(b && b->isEnabled(), qPrintable(button));
    b->click();
}

// Opens className's window from its command and runs steps on it once it
// shows (it is modal, so they start from its event loop), then closes it.
void runInWindow(const QString &className, const std::function<void(THandLaidForm *)> &steps)
{
    QTimer::singleShot(0, [&] {
        const QPointer<THandLaidForm> window
            = qobject_cast<THandLaidForm *>(QApplication::activeModalWidget());
        if (!window)
            return;
        steps(window);
        if (window)
            window->close();
    });
    const WindowCommands::Command command = WindowCommands::Find(className);
    QVERIFY(command);
    command();
}
} // namespace

void TstHandLaid::accessWindowsCreateEditAndDelete_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<quintptr>("vars");
    QTest::addColumn<QStringList>("keys"); // key edit=value
    QTest::addColumn<QStringList>("buttons"); // add, edit, delete
    QTest::addColumn<QStringList>("edit"); // fields set before Edit
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("value"); // of column after Edit

    QTest::newRow("Ethernet mask")
        << "TEthernetMaskInformationForm" << quintptr(EthernetMaskVars) << QStringList {"IDEdit=30"}
        << QStringList {"BT_Set", "SetBtn", "BT_Delete"}
        << QStringList {"MacMaskStateComBo=src-mac-addr", "MacAddMaskSourceEdit=FFFF00000000"}
        << int(EthernetMask::SrcMask) << "FFFF00000000";
    QTest::newRow("IP mask") << "TIPMaskInformationForm" << quintptr(IpMaskVars)
                             << QStringList {"IPIDEdit=30"}
                             << QStringList {"BT_Add", "SetBtn", "BT_Delete"}
                             << QStringList {"UseDSCPComBo=enabled"} << int(IpMask::UseDscp)
                             << "enabled";
    QTest::newRow("IP rule") << "TIPRuleForm" << quintptr(IpRuleVars)
                             << QStringList {"IPRuleEdit=2", "AccessIDEdit=30"}
                             << QStringList {"AddButton", "EditButton", "DeleteButton"}
                             << QStringList {"cbxIPRulePort", "edtIPRulePort=12"}
                             << int(IpRule::Port) << "12";
    QTest::newRow("user mask") << "TUserMaskInfoForm" << quintptr(UserMaskVars)
                               << QStringList {"Edit1=30"}
                               << QStringList {"AddButton", "OperButton", "DeleteButton"}
                               << QStringList {"Edit7=FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"}
                               << int(UserMask::Chunk64) << "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF";
    QTest::newRow("IPv6 mask") << "TIPv6MaskInformationForm" << quintptr(Ipv6MaskVars)
                               << QStringList {"edtIPv6MaskID=5"}
                               << QStringList {"btnAdd", "btnModify", "btnDelete"}
                               << QStringList {"cbxIPv6MaskState=src-ipv6-addr",
                                      "edtIPv6SrcMask=FFFFFFFFFFFFFFFF0000000000000000"}
                               << int(Ipv6Mask::SrcMask) << "FFFFFFFFFFFFFFFF0000000000000000";
    QTest::newRow("user rule") << "TUserDefinedInformationRuleForm" << quintptr(UserRuleVars)
                               << QStringList {"ProfileIDEdit=1", "AccessIDEdit=30"}
                               << QStringList {"AddButton", "EditButton", "DeleteButton"}
                               << QStringList {"cbxUserDefinedRulePort", "edtUserDefinedRule=7"}
                               << int(UserRule::Port) << "7";
    QTest::newRow("IPv6 rule") << "TIPv6RuleForm" << quintptr(Ipv6RuleVars)
                               << QStringList {"edtIPv6ProfileID=1", "edtIPv6AccessID=30"}
                               << QStringList {"AddButton", "EditButton", "DeleteButton"}
                               << QStringList {"ckFlowLabel", "edtFlowLabel=000ABCDE"}
                               << int(Ipv6Rule::FlowLabel) << "000ABCDE";
    QTest::newRow("Ethernet rule") << "TEthernetInformationRuleForm" << quintptr(EthernetRuleVars)
                                   << QStringList {"MaskIDEdit=2", "AccessEdit=30"}
                                   << QStringList {"AddButton", "EditButton", "DeleteButton"}
                                   << QStringList {"cbxSource", "SourceMACEdit=001122334455"}
                                   << int(EthernetRule::SrcMac) << "001122334455";
}

// Each access window makes a row with Add straight after opening, changes
// it with its edit button and deletes it, each write checked at the agent.
void TstHandLaid::accessWindowsCreateEditAndDelete()
{
    QFETCH(QString, className);
    QFETCH(quintptr, vars);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, buttons);
    QFETCH(QStringList, edit);
    QFETCH(int, column);
    QFETCH(QString, value);
    const auto *table = reinterpret_cast<const CvSNMPVar *>(vars);
    const int indexCount = int(keys.size());
    const QString key = keys.last().section('=', 1);
    QStringList keyValues;
    for (const QString &k : keys)
        keyValues.append(k.section('=', 1));
    const auto steps = [&](THandLaidForm *window) {
        QTRY_VERIFY_WITH_TIMEOUT(window->Created() && !window->AnyBusy(), 20000);
        fill(*window, keys);
        click(*window, buttons.at(0));
        QTRY_VERIFY_WITH_TIMEOUT(!window->AnyBusy(), 20000);
        QVERIFY(ReadTable(table, MVT_UMV, indexCount).contains(key));
        selectRow(*window, keyValues);
        fill(*window, edit);
        click(*window, buttons.at(1));
        QTRY_VERIFY_WITH_TIMEOUT(!window->AnyBusy(), 20000);
        QCOMPARE(ReadTable(table, MVT_UMV, indexCount).value(key).value(column), value);
        selectRow(*window, keyValues);
        click(*window, buttons.at(2));
        QTRY_VERIFY_WITH_TIMEOUT(!window->AnyBusy(), 20000);
        QVERIFY(!ReadTable(table, MVT_UMV, indexCount).contains(key));
    };
    runInWindow(className, steps);
}

void TstHandLaid::selectedRowClickedAgainHasItsButtons_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("press"); // opens the edit dialog, or writes
    QTest::addColumn<bool>("dialog"); // closed again; else the write fails
    QTest::addColumn<QStringList>("rowButtons");
    const auto row = [](const char *name, const char *className, const char *press, bool dialog,
                         const QStringList &buttons) {
        QTest::newRow(name) << className << press << dialog << buttons;
    };
    row("MD5 keys", "TMd5InformationForm", "EditButton", true, {"EditButton"});
    row("log hosts", "TSystemLogHostForm", "AddButton", true, {"EditButton"});
    row("member switches", "TMSInformationForm", "EditButton", true, {"EditButton"});
    row("communities", "TCommunityStringTableForm", "DeleteBtn", false, {"DeleteBtn"});
    row("route redistribution", "TRouteRedistributForm", "EditBtn", false, {"DeleteBtn"});
    row("protocol VLANs", "TProtocolVlanForm", "Edit", false, {"Edit", "Delete"});
    row("login methods", "TLoginMethodListForm", "EditButton", false,
        {"EditButton", "DeleteButton"});
}

// Whatever a dialog or a failed write left of the pane, a click on the row
// that stays selected, or on it again, gives it its buttons.
void TstHandLaid::selectedRowClickedAgainHasItsButtons()
{
    QFETCH(QString, className);
    QFETCH(QString, press);
    QFETCH(bool, dialog);
    QFETCH(QStringList, rowButtons);
    const auto enabled = [&](QWidget &window) {
        for (const QString &name : rowButtons) {
            auto *b = window.findChild<QPushButton *>(name);
            if (!b || !b->isEnabled())
                return false;
        }
        return true;
    };
    const auto steps = [&](THandLaidForm *window) {
        QTRY_VERIFY_WITH_TIMEOUT(window->Created() && !window->AnyBusy(), 20000);
        auto *list = window->findChild<QTreeWidget *>("ListView1");
        QVERIFY(list && list->topLevelItemCount() > 0);
        // Not the community this program writes with: deleting it asks.
        QString caption = list->topLevelItem(0)->text(0);
        if (caption == SessionDefaults().security.writeCommunity)
            caption = list->topLevelItem(1)->text(0);
        ClickRow(list, list->findItems(caption, Qt::MatchExactly).value(0));
        QVERIFY(enabled(*window));
        if (dialog) {
            QTimer::singleShot(50, window, [window] {
                auto *open = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                if (open && open != window)
                    open->reject();
            });
            click(*window, press);
            // Some windows read their list again once the dialog is closed.
            QTRY_VERIFY_WITH_TIMEOUT(!window->AnyBusy(), 20000);
        } else {
            for (const QPointer<CvSNMPRequest2Controls> &r : window->Requests()) {
                r->request.device.port = SimulatorProcess::silentPort();
                r->request.timeout = 10;
                r->request.retries = 0;
            }
            click(*window, press);
            QTRY_VERIFY_WITH_TIMEOUT(!window->AnyBusy(), 20000);
            for (const QPointer<CvSNMPRequest2Controls> &r : window->Requests())
                r->request.device.port = m_sim->port();
        }
        QVERIFY(!enabled(*window));
        QTreeWidgetItem *again = list->findItems(caption, Qt::MatchExactly).value(0);
        QVERIFY(again);
        ClickRow(list, again);
        QVERIFY(enabled(*window));
        ClickRow(list, again);
        QVERIFY(enabled(*window));
    };
    runInWindow(className, steps);
}

QTEST_MAIN(TstHandLaid)
#include "tst_handlaid.moc"
