// What every hand-laid window shares: opening from its menu command, the
// stack port grid built from the unit list, the flags guard of selective
// writes.
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

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>

class TstHandLaid : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyWindowOpensFromItsCommand_data();
    void everyWindowOpensFromItsCommand();
    void gridShowsTheUnitsOfTheList_data();
    void gridShowsTheUnitsOfTheList();
    void gridRowsOfTenWithDeviceInfo();
    void flagsComeBackOnEveryPath();

private:
    QTemporaryDir m_dir;
    FakeMainWindow m_main;
    std::unique_ptr<SimulatorProcess> m_sim;
};

void TstHandLaid::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_dir.path()));
    StartSession(m_dir.path());
    m_sim = std::make_unique<SimulatorProcess>();
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
    PointSessionAt(*m_sim);
    RegisterHandLaidWindows();
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

QTEST_MAIN(TstHandLaid)
#include "tst_handlaid.moc"
