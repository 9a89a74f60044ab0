#include "SoakDriver.h"

#include "CvSNMPRequest2Edits.h"
#include "SoakGuard.h"
#include "TConfigForm.h"
#include "TMainForm.h"
#include "WindowCommands.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QThread>

#include <cstdio>
#include <unistd.h>

namespace {
constexpr int TickMs = 50;
constexpr int OpenLimitMs = 20000; // a command that shows nothing for this long
constexpr int GiveUpMs = 30000; // after the close limit: the command never returns
constexpr int ProgressEveryMs = 30000;
const QString PortMenuPrefix = QStringLiteral("Port menu > ");

double mb(long kb)
{
    return double(kb) / 1024.0;
}
} // namespace

SoakDriver::SoakDriver(TMainForm &main, const Options &options)
    : m_main(main)
    , m_options(options)
    , m_random(options.seed)
{
    m_tick.setInterval(TickMs);
    connect(&m_tick, &QTimer::timeout, this, &SoakDriver::tick);
}

void SoakDriver::Start()
{
    m_targets = WindowCommands::Targets();
    std::printf("soak: %d window commands, %d port buttons, seed %u, %d s\n", int(m_targets.size()),
        int(m_main.PortButtons().size()), m_options.seed, m_options.seconds);
    std::fflush(stdout);
    m_clock.start();
    m_tick.start();
    if (m_targets.isEmpty()) {
        fail(QStringLiteral("no window commands are registered"));
        QTimer::singleShot(0, this, &SoakDriver::beginExit);
        return;
    }
    QTimer::singleShot(0, this, &SoakDriver::runNext);
}

int SoakDriver::random(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(m_random);
}

void SoakDriver::fail(const QString &text)
{
    SoakGuard::CountFailure();
    std::printf("soak: FAILURE %s\n", qPrintable(text));
    std::fflush(stdout);
}

void SoakDriver::progress(const QString &what)
{
    const long kb = SoakGuard::ResidentKb();
    const long base = SoakGuard::BaselineKb();
    std::printf("soak: %s t=%llds passes=%d opened=%d no_window=%d refresh=%d/%d stop=%d/%d "
                "boxes=%d loops=%d rss_mb=%.1f growth_mb=%s failures=%d\n",
        qPrintable(what), static_cast<long long>(m_clock.elapsed() / 1000), m_passes, m_opened,
        m_noWindow, m_refreshBusy, m_refreshBusy + m_refreshIdle, m_stopBusy,
        m_stopBusy + m_stopIdle, m_boxes, m_deepestLoop, mb(kb),
        base < 0 ? "nan" : qPrintable(QString::number(mb(kb - base), 'f', 1)),
        SoakGuard::Failures());
    std::fflush(stdout);
    m_lastProgress = m_clock.elapsed();
}

// Runs one command from the application's own loop; a modal window runs
// its loop inside the command, where tick() drives it.
void SoakDriver::runNext()
{
    m_walk = Walk();
    Walk &w = m_walk;
    w.target = m_targets.at(m_index);
    w.startedAt = m_clock.elapsed();
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible())
            w.visibleBefore.insert(widget);
    const WindowCommands::Command command = WindowCommands::Find(w.target);
    if (w.target.startsWith(PortMenuPrefix) && !pointAtPort()) {
        fail(QStringLiteral("%1: no port button to open the port menu on").arg(w.target));
        finishWalk();
        return;
    }
    m_walking = true;
    SoakGuard::SetActivity(QStringLiteral("opening %1").arg(w.target));
    if (m_options.verbose) {
        std::printf("soak: open %s\n", qPrintable(w.target));
        std::fflush(stdout);
    }
    if (command)
        command();
    w.commandDone = true;
    if (w.closeAt >= 0 && w.hiddenAt < 0 && (!w.window || !w.window->isVisible()))
        w.hiddenAt = m_clock.elapsed();
    if (!w.window) {
        // A window that is not modal is shown and the command returns.
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->isVisible() && widget != &m_main && !w.visibleBefore.contains(widget)
                && !qobject_cast<QMessageBox *>(widget) && !qobject_cast<QMenu *>(widget)) {
                adopt(widget);
                return; // tick() drives it and finishes the walk
            }
    } else if (w.window->isVisible()) {
        return;
    }
    finishWalk();
}

// Opens the port menu on a port button as a right click does, then closes
// the menu: its items run the registered port commands on that port.
bool SoakDriver::pointAtPort()
{
    const QList<QAbstractButton *> &ports = m_main.PortButtons();
    QMenu *menu = m_main.PortInfoPopupMenu();
    if (ports.isEmpty() || !menu)
        return false;
    QAbstractButton *port = ports.at(random(0, int(ports.size()) - 1));
    emit port->customContextMenuRequested(port->rect().center());
    menu->hide();
    return true;
}

void SoakDriver::adopt(QWidget *window)
{
    Walk &w = m_walk;
    w.window = window;
    w.shownAt = m_clock.elapsed();
    ++m_opened;
    SoakGuard::SetActivity(QStringLiteral("in %1").arg(w.target));
    // The warm-up pass presses the same buttons, quickly; afterwards the
    // operator lingers for a random while between presses.
    const bool warmUp = m_passes == 0;
    int t = random(100, 400);
    w.plan.push_back({t, Step::Refresh});
    if (warmUp || random(0, 99) < 70) {
        t += random(50, 400);
        w.plan.push_back({t, Step::Stop});
    }
    if (!warmUp && random(0, 99) < 70) {
        t += random(100, 800);
        w.plan.push_back({t, Step::Refresh});
        if (random(0, 99) < 50) {
            t += random(50, 300);
            w.plan.push_back({t, Step::Stop});
        }
    }
    t += warmUp ? random(0, 300) : random(0, 1500);
    w.plan.push_back({t, Step::Close});
}

QAbstractButton *SoakDriver::findButton(const char *word) const
{
    QWidget *window = m_walk.window;
    if (!window)
        return nullptr;
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
        if (b->window() == window && b->isVisible() && b->isEnabled()
            && b->objectName().contains(QLatin1String(word), Qt::CaseInsensitive))
            return b;
    return nullptr;
}

bool SoakDriver::windowBusy() const
{
    auto *form = qobject_cast<TConfigForm *>(m_walk.window.data());
    return form && form->activeRequest && form->activeRequest->IsBusy();
}

void SoakDriver::perform(Step step)
{
    Walk &w = m_walk;
    if (!w.window || w.closeAt >= 0)
        return;
    const bool busy = windowBusy();
    const QString during = busy ? QStringLiteral(" during a walk") : QString();
    QString name;
    QAbstractButton *button = nullptr;
    switch (step) {
    case Step::Refresh:
        button = findButton("refresh");
        name = QStringLiteral("Refresh");
        if (button)
            ++(busy ? m_refreshBusy : m_refreshIdle);
        break;
    case Step::Stop:
        button = findButton("stop");
        name = QStringLiteral("Stop");
        if (button)
            ++(busy ? m_stopBusy : m_stopIdle);
        break;
    case Step::Close:
        button = findButton("close");
        name = QStringLiteral("Close");
        w.closeAt = m_clock.elapsed();
        break;
    }
    if (!button && step != Step::Close)
        return;
    w.lastStep += QStringLiteral(", ") + name + during;
    SoakGuard::SetActivity(QStringLiteral("in %1 after %2").arg(w.target, w.lastStep));
    if (button)
        button->click();
    else if (w.window)
        w.window->close();
}

void SoakDriver::dismissMessageBoxes()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (!box || !box->isVisible() || box->property("soakDismissing").toBool())
            continue;
        box->setProperty("soakDismissing", true);
        ++m_boxes;
        const QString text = box->windowTitle() + QStringLiteral(": ") + box->text();
        if (m_boxTexts[text]++ == 0)
            std::printf("soak: message box in %s: %s\n",
                qPrintable(m_walking ? m_walk.target : QStringLiteral("the main window")),
                qPrintable(text));
        QTimer::singleShot(0, box, [box] {
            if (!box->isVisible())
                return;
            if (QAbstractButton *ok = box->button(QMessageBox::Ok))
                ok->click();
            else
                box->reject();
        });
    }
}

void SoakDriver::tick()
{
    SoakGuard::Beat();
    dismissMessageBoxes();
    const qint64 now = m_clock.elapsed();
    if (m_exiting) {
        if (m_exitAt >= 0 && now - m_exitAt > m_options.closeLimitMs && !m_exitHangCounted) {
            m_exitHangCounted = true;
            fail(QStringLiteral("hang: the main window has not closed %1 s after Exit")
                     .arg(m_options.closeLimitMs / 1000.0));
            SoakGuard::DumpStacks();
        }
        if (m_exitAt >= 0 && now - m_exitAt > m_options.closeLimitMs + GiveUpMs) {
            std::printf("soak: giving up on the main window's exit\n");
            SoakGuard::PrintSummary(m_endKb, SoakGuard::Failures());
            ::_exit(3);
        }
        return;
    }
    m_deepestLoop = std::max(m_deepestLoop, QThread::currentThread()->loopLevel());
    if (now - m_lastProgress >= ProgressEveryMs)
        progress(QStringLiteral("running"));
    if (!m_walking)
        return;
    Walk &w = m_walk;
    QWidget *modal = QApplication::activeModalWidget();
    if (!w.window) {
        if (w.commandDone)
            return;
        if (modal && !qobject_cast<QMessageBox *>(modal) && !w.visibleBefore.contains(modal))
            adopt(modal);
        else if (now - w.startedAt > OpenLimitMs && !w.openFailureCounted) {
            w.openFailureCounted = true;
            fail(QStringLiteral("hang: %1 shows no window %2 s after its command")
                     .arg(w.target)
                     .arg(OpenLimitMs / 1000));
            SoakGuard::DumpStacks();
        }
        return;
    }
    if (w.commandDone && (!w.window || !w.window->isVisible())) {
        finishWalk();
        return;
    }
    if (w.closeAt < 0) {
        // Only what the operator could do: nothing while a message box or
        // another dialog is in front of the window.
        const bool front = modal == w.window || (!modal && w.commandDone);
        if (front && w.next < w.plan.size() && now - w.shownAt >= w.plan[w.next].atMs) {
            const Step step = w.plan[w.next++].step;
            QTimer::singleShot(0, w.window, [this, step] { perform(step); });
        }
        return;
    }
    if (w.hiddenAt < 0 && (!w.window || !w.window->isVisible()))
        w.hiddenAt = now;
    watchClose(now);
}

void SoakDriver::watchClose(qint64 now)
{
    Walk &w = m_walk;
    const qint64 since = now - w.closeAt;
    if (since > m_options.closeLimitMs && !w.hangCounted && w.hiddenAt < 0) {
        w.hangCounted = true;
        fail(QStringLiteral("hang: %1 still shown %2 s after Close (steps: %3)")
                 .arg(w.target)
                 .arg(m_options.closeLimitMs / 1000.0)
                 .arg(w.lastStep));
        SoakGuard::DumpStacks();
        // Take the window down past its own close path; when its command
        // is stuck below this loop, that cannot help and the run gives up.
        if (auto *dialog = qobject_cast<QDialog *>(w.window.data()))
            QTimer::singleShot(0, dialog, [dialog] { dialog->done(QDialog::Rejected); });
        else if (w.window)
            w.window->hide();
    }
    if (!w.commandDone && since > m_options.closeLimitMs + GiveUpMs) {
        const QString text
            = QStringLiteral("hang: the command of %1 has not returned %2 s after Close "
                             "(window %3, steps: %4); giving up")
                  .arg(w.target)
                  .arg(since / 1000)
                  .arg(w.hiddenAt < 0 ? QStringLiteral("shown") : QStringLiteral("hidden"))
                  .arg(w.lastStep);
        if (w.hangCounted) // counted when the close limit passed
            std::printf("soak: %s\n", qPrintable(text));
        else
            fail(text);
        SoakGuard::DumpStacks();
        SoakGuard::PrintSummary(SoakGuard::ResidentKb(), SoakGuard::Failures());
        ::_exit(3);
    }
}

void SoakDriver::finishWalk()
{
    Walk &w = m_walk;
    m_walking = false;
    const qint64 now = m_clock.elapsed();
    if (w.closeAt >= 0) {
        qint64 &slowest = m_slowestClose[w.target];
        slowest = std::max(slowest, (w.hiddenAt >= 0 ? w.hiddenAt : now) - w.closeAt);
        if (w.hiddenAt >= 0 && now - w.hiddenAt > m_longestReturn) {
            m_longestReturn = now - w.hiddenAt;
            m_longestReturnTarget = w.target;
        }
    } else if (w.shownAt < 0) {
        ++m_noWindow;
        if (m_options.verbose || m_passes == 0)
            std::printf("soak: %s opened no window\n", qPrintable(w.target));
    }
    if (w.window && w.window->isVisible() && !w.hangCounted)
        fail(QStringLiteral("%1: its window is still shown after its command returned")
                 .arg(w.target));
    SoakGuard::SetActivity(QStringLiteral("between windows, after %1").arg(w.target));
    if (++m_index >= m_targets.size())
        passDone();
    if (now >= qint64(m_options.seconds) * 1000) {
        QTimer::singleShot(0, this, &SoakDriver::beginExit);
        return;
    }
    QTimer::singleShot(random(0, 100), this, &SoakDriver::runNext);
}

void SoakDriver::passDone()
{
    m_index = 0;
    ++m_passes;
    if (m_passes == 1) {
        SoakGuard::SetBaselineKb(SoakGuard::ResidentKb());
        progress(QStringLiteral("warm-up pass done:"));
    } else {
        progress(QStringLiteral("pass done:"));
    }
}

void SoakDriver::beginExit()
{
    m_endKb = SoakGuard::ResidentKb();
    progress(QStringLiteral("time is up:"));
    if (m_passes == 0)
        std::printf("soak: the warm-up pass did not end in time: no memory baseline\n");
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget != &m_main && !qobject_cast<QMenu *>(widget))
            fail(QStringLiteral("left open at the end: %1 \"%2\"")
                     .arg(QString::fromLatin1(widget->metaObject()->className()),
                         widget->windowTitle()));
    std::vector<std::pair<qint64, QString>> slow;
    for (auto it = m_slowestClose.cbegin(); it != m_slowestClose.cend(); ++it)
        slow.emplace_back(it.value(), it.key());
    std::sort(slow.begin(), slow.end(), std::greater<>());
    for (std::size_t k = 0; k < slow.size() && k < 5; ++k)
        std::printf("soak: slowest close %lld ms: %s\n", static_cast<long long>(slow[k].first),
            qPrintable(slow[k].second));
    std::printf("soak: longest return of a command after its window closed: %lld ms (%s); "
                "deepest event loop nesting %d\n",
        static_cast<long long>(m_longestReturn), qPrintable(m_longestReturnTarget), m_deepestLoop);
    std::fflush(stdout);
    m_exiting = true;
    SoakGuard::SetActivity(QStringLiteral("closing the main window"));
    QTimer::singleShot(0, this, &SoakDriver::exitMainWindow);
}

// Exit as the operator does: close the main window and answer its question.
void SoakDriver::exitMainWindow()
{
    m_exitAt = m_clock.elapsed();
    const bool closed = m_main.close();
    const qint64 took = m_clock.elapsed() - m_exitAt;
    std::printf("soak: main window %s after %lld ms\n", closed ? "closed" : "did NOT close",
        static_cast<long long>(took));
    if (!closed)
        fail(QStringLiteral("the main window refused to close"));
    m_tick.stop();
    QCoreApplication::quit();
}
