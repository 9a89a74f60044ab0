// Takes pictures of MIB views against a running trvsim:
//   shoot_views PORT OUTDIR [VIEW...]
// Every view named (default: MIB_IFCounters and Bridge_Forwarding) is
// opened as the family program opens it, polled, and saved as
// OUTDIR/mibview-VIEW.png. The IF Counters view is polled every second for
// a while with a busy port's ifInOctets selected, so its rate chart fills.

#include "CvSNMPSession.h"
#include "RateChart.h"
#include "ViewLaunch.h"
#include "ViewWindow.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

// Waits for the window's poll under way to end.
bool waitPoll(ViewWindow &window, int timeoutMs = 30000)
{
    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, [&loop] { loop.exit(1); });
    QObject::connect(&window.poller(), &ViewPoller::Finished, &loop, [&loop] { loop.exit(0); });
    return loop.exec() == 0;
}

void pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The display column of a ViewColumn's value in a table section.
int displayColumn(ViewModel &model, const char *name)
{
    for (int c = 0; c < model.columnCount(); ++c)
        if (model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == QLatin1String(name))
            return c;
    return -1;
}

bool shoot(const ViewDefinition &view, const CvSnmpTarget &target, const QString &out)
{
    ViewWindow window(view, target, target.address);
    window.resize(1180, 720);
    window.show();
    window.Refresh();
    if (!waitPoll(window))
        return false;
    if (QLatin1String(view.argument) == QLatin1String("MIB_IFCounters")) {
        ViewModel &model = *window.poller().Model(0);
        // The busiest port: the highest ifInOctets.
        int busiest = 0;
        qulonglong most = 0;
        const int octets = displayColumn(model, "ifInOctets");
        for (int r = 0; r < model.rowCount(); ++r) {
            const qulonglong v
                = model.data(model.index(r, octets), ViewModel::SortRole).toULongLong();
            if (v > most) {
                most = v;
                busiest = r;
            }
        }
        window.SelectCell(0, busiest, octets);
        for (int i = 0; i < 40; ++i) {
            pause(1000);
            window.Refresh();
            if (!waitPoll(window))
                return false;
        }
    } else {
        pause(1000);
        window.Refresh();
        if (!waitPoll(window))
            return false;
    }
    pause(300);
    const QString file
        = QDir(out).filePath(QStringLiteral("mibview-%1.png").arg(QLatin1String(view.argument)));
    std::printf("%s: %s\n", qPrintable(file), qPrintable(window.StatusText()));
    return window.grab().save(file, "PNG");
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: shoot_views PORT OUTDIR [VIEW...]\n");
        return 2;
    }
    QTemporaryDir scratch;
    StartSession(scratch.path());
    CvSNMPSessionDefaults defaults = InitialSessionDefaults();
    defaults.device.address = QStringLiteral("127.0.0.1");
    defaults.device.port = quint16(args[0].toUInt());
    defaults.security.version = 1;
    const CvSnmpTarget target = ViewTarget(defaults);
    QStringList views = args.mid(2);
    if (views.isEmpty())
        views = {QStringLiteral("MIB_IFCounters"), QStringLiteral("Bridge_Forwarding")};
    for (const QString &name : views) {
        const ViewDefinition *view = FindView(name);
        if (!view || !shoot(*view, target, args[1])) {
            std::fprintf(stderr, "shoot_views: %s failed\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}
