// Opens the Static Table window against a running simulator, selects the
// default VLAN after adding one with a few ports, and saves its picture.
//   shoot_forms PORT OUTDIR
#include "CvSNMPRequest2Edits.h"
#include "CvSNMPSession.h"
#include "DetailShots.h"
#include "FakeMainWindow.h"
#include "MainWindowState.h"
#include "TIPRuleForm.h"
#include "TPortMirrorForm.h"
#include "TStackingPortUitForm.h"
#include "TSummerTimeConfigForm.h"
#include "TVlanStaticForm.h"
#include "UnitTableBinding.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <functional>

namespace {
// A row chosen as the operator chooses it: the window's click handler runs
// and enables Set and Delete for it.
void clickRow(QTreeWidget *list, QTreeWidgetItem *row)
{
    list->scrollToItem(row);
    const QRect rect = list->visualItemRect(row);
    const QPointF at(std::min(rect.center().x(), list->viewport()->width() / 2), rect.center().y());
    const QPointF global = list->viewport()->mapToGlobal(at);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, global, Qt::LeftButton,
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &event);
    }
}

bool idle(const THandLaidForm &window)
{
    return window.Created() && !window.AnyBusy();
}
// The IP Rule window with the agent's rule 1.1 selected and the fields it
// would send ticked.
bool shootIpRule(const QDir &out)
{
    TIPRuleForm window(nullptr);
    window.show();
    if (!WaitFor([&] { return idle(window); }, 15000))
        return false;
    auto *list = window.findChild<QTreeWidget *>("ListView1");
    if (list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(0));
    for (const char *box : {"cbxDestIP", "cbxDestPort", "cbxPermit", "cbxIPRulePort"})
        window.findChild<QCheckBox *>(box)->setChecked(true);
    WaitFor([] { return false; }, 300);
    const QString file = out.filePath("acl-ip-rule.png");
    const bool ok = window.grab().save(file, "PNG");
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(file));
    window.close();
    return ok;
}

// The Port Mirror Table with a target and a source port of each kind set.
bool shootMirror(const QString &outDir)
{
    TPortMirrorForm window(nullptr);
    window.show();
    const auto settled = [&] { return window.Created() && !window.AnyBusy(); };
    if (!WaitFor(settled, 15000))
        return false;
    window.IngressGrid()->Port(1, 3)->click();
    window.EgressGrid()->Port(1, 4)->click();
    window.findChild<QLineEdit *>("UnitEdit")->setText("1");
    window.findChild<QLineEdit *>("PortEdit")->setText("10");
    window.findChild<QCheckBox *>("CK_Status")->setChecked(true);
    window.findChild<QPushButton *>("BT_Set")->click();
    WaitFor(settled, 15000);
    WaitFor([] { return false; }, 300);
    const QString file = QDir(outDir).filePath("port-mirror.png");
    const bool ok = window.grab().save(file, "PNG");
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(file));
    window.close();
    return ok;
}
// The Daylight Saving Time window set to repeat from the last Sunday of
// March 02:00 to the last Sunday of October 03:00 (not written).
bool shootSummerTime(const QDir &out)
{
    TSummerTimeConfigForm window(nullptr);
    window.show();
    if (!WaitFor([&] { return idle(window); }, 15000))
        return false;
    const auto choose = [&](const char *box, const char *text) {
        auto *combo = window.findChild<QComboBox *>(box);
        combo->setCurrentIndex(combo->findText(text));
    };
    choose("ComboBox1", "repeating");
    for (const auto &[box, text] : {std::pair {"WeekComboBoxR", "Last"},
             {"SWeekComboBox", "Sunday"}, {"MonthComboBoxR", "3"}, {"HourComboBoxR", "2"},
             {"MiniuteComboBoxR", "0"}, {"EWeekComboBoxR", "Last"}, {"EWeekComboBox", "Sunday"},
             {"EMonthComboBoxR", "10"}, {"EHourComboBoxR", "3"}, {"EMiniuteComboBoxR", "0"}})
        choose(box, text);
    WaitFor([] { return false; }, 300);
    const QString file = out.filePath("summer-time.png");
    const bool ok = window.grab().save(file, "PNG");
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(file));
    window.close();
    return ok;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: shoot_forms PORT OUTDIR\n");
        return 2;
    }
    QTemporaryDir session;
    StartSession(session.path());
    CvSNMPSessionDefaults &s = SessionDefaults();
    s.device.address = QStringLiteral("127.0.0.1");
    s.device.port = quint16(QString::fromLocal8Bit(argv[1]).toUInt());
    s.security.version = 1;
    s.security.readCommunity = QStringLiteral("kestra");
    s.security.writeCommunity = QStringLiteral("marlowe");
    FakeMainWindow main;
    auto unitList = std::make_unique<UnitTableBinding>(&main.window);
    unitList->BindListView(main.unitList, true);
    main.SetUnitListBinding(std::move(unitList));

    TVlanStaticForm window(nullptr);
    window.show();
    if (!WaitFor([&] { return idle(window); }, 15000)) {
        std::fprintf(stderr, "shoot_forms: the window did not settle\n");
        return 1;
    }
    // A second VLAN with a few ports of unit 1, then the Egress sheet of
    // unit 1 for it.
    const QString vlan = window.findChild<QLabel *>("NextFreeLocalVlanIndex")->text();
    window.findChild<QLineEdit *>("ED_VLANID")->setText(vlan);
    window.findChild<QLineEdit *>("ED_VLANName")->setText("lab");
    for (int port : {1, 2, 3, 4, 9, 10, 25})
        window.UntaggedGrid()->Port(1, port)->click();
    window.EgressGrid()->Port(1, 49)->click();
    window.findChild<QPushButton *>("AddBtn")->click();
    WaitFor([&] { return idle(window); }, 15000);
    auto *list = window.findChild<QTreeWidget *>("LV_dot1qVlanStaticEntry");
    if (list->topLevelItemCount() > 1)
        clickRow(list, list->topLevelItem(1));
    WaitFor([] { return false; }, 300);
    const QString file = QDir(QString::fromLocal8Bit(argv[2])).filePath("vlan-static-table.png");
    const bool ok = window.grab().save(file, "PNG");
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(file));
    // The VLAN made for the picture goes again.
    if (list->topLevelItemCount() > 1) {
        list->setCurrentItem(list->topLevelItem(1));
        window.findChild<QPushButton *>("DeleteBtn")->click();
        WaitFor([&] { return idle(window); }, 15000);
    }
    window.close();
    const bool mirror = shootMirror(QString::fromLocal8Bit(argv[2]));
    const bool rule = shootIpRule(QDir(QString::fromLocal8Bit(argv[2])));
    const bool summer = shootSummerTime(QDir(QString::fromLocal8Bit(argv[2])));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    const bool tooltip = ShootPortTooltip(main, out);
    const bool finder = ShootCommandFinder(s.device.port, out);
    return ok && mirror && rule && summer && tooltip && finder ? 0 : 1;
}
