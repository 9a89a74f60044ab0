#include "DetailShots.h"

#include "CommandFinder.h"
#include "CvSNMPRequest2Leds.h"
#include "MainWindowState.h"
#include "ModuleWindows.h"
#include "PanelSelection.h"
#include "PortDetails.h"
#include "TMainForm.h"
#include "TPanelForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QHelpEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

// The screen inside the union of the widgets' frames, with a margin.
bool grabScreen(const QList<const QWidget *> &widgets, const QString &file)
{
    QRect area;
    for (const QWidget *w : widgets)
        if (w)
            area |= w->frameGeometry();
    QScreen *screen = QGuiApplication::primaryScreen();
    const QRect r = area.adjusted(-8, -8, 8, 8) & screen->geometry();
    const bool ok = screen->grabWindow(0, r.x(), r.y(), r.width(), r.height()).save(file, "PNG");
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(file));
    return ok;
}

const QWidget *shownTooltip()
{
    for (const QWidget *w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel") && w->isVisible())
            return w;
    return nullptr;
}

void hover(QAbstractButton *button)
{
    QHelpEvent event(QEvent::ToolTip, QPoint(12, 12), button->mapToGlobal(QPoint(12, 12)));
    QCoreApplication::sendEvent(button, &event);
}

bool writeFile(const QString &name, const QString &text)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

} // namespace

bool WaitFor(const std::function<bool()> &condition, int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!condition() && !deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return condition();
}

bool ShootPortTooltip(MainWindowState &main, const QDir &out)
{
    const QString model = QStringLiteral("TRM6140QL*");
    std::unique_ptr<TPanelForm> panel(
        CreatePanel(SelectPanelClass(PanelModelNames(), model), model, 24, nullptr));
    QList<QAbstractButton *> buttons;
    panel->SetUnitNumber(2);
    panel->SetupLeds(main);
    panel->RegisterPortButtons(buttons);
    panel->move(40, 40);
    panel->show();
    panel->LedBinding()->StartPolling(TPanelForm::PollInterval);
    auto *port = panel->findChild<QAbstractButton *>(QStringLiteral("SpeedButton3"));
    const auto answered = [] { return QToolTip::text() != PortDetails::ReadingText; };
    hover(port);
    WaitFor(answered, 10000);
    WaitFor([] { return false; }, 1500);
    hover(port);
    WaitFor(answered, 10000);
    WaitFor([] { return false; }, 300);
    const bool ok = grabScreen({panel.get(), shownTooltip()}, out.filePath("port-tooltip.png"));
    QToolTip::hideText();
    panel->LedBinding()->StopPolling();
    return ok;
}

bool ShootCommandFinder(quint16 port, const QDir &out)
{
    QTemporaryDir dir;
    const QString conf = dir.filePath(QStringLiteral("conf"));
    const QString store = dir.filePath(QStringLiteral("registry.ini"));
    if (!QDir().mkpath(conf)
        || !writeFile(store,
            QStringLiteral("[\\SOFTWARE\\Corvane\\Vantrel5.1\\MibFile]\nPath=%1/\n").arg(conf))
        || !writeFile(conf + QStringLiteral("/127.0.0.1.cfg"),
            QStringLiteral("[Program Information]\nAgentPort=%1\nVersion=1\nSecurityModel=3\n"
                           "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n")
                .arg(port)))
        return false;
    qputenv("TRV_REGISTRY", store.toLocal8Bit());
    RegisterModuleWindows();
    TMainForm form(QStringList {
        QStringLiteral("/I127.0.0.1"), QStringLiteral("/Rkestra"), QStringLiteral("/Wmarlowe")});
    form.move(40, 40);
    form.show();
    WaitFor([] { return false; }, 2000);
    auto *finder = form.findChild<CommandFinder *>(QStringLiteral("CommandFinder"));
    if (!finder)
        return false;
    finder->Open();
    finder->findChild<QLineEdit *>()->setText(QStringLiteral("static"));
    WaitFor([] { return false; }, 500);
    const bool ok = grabScreen({&form, finder}, out.filePath("command-finder.png"));
    finder->hide();
    return ok;
}
