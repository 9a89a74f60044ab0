// Opens generated windows against a running simulator and saves pictures of
// them: a scalar window, and a table window with its edit dialog.
//   shoot_generated PORT OUTDIR
#include "CvSNMPRequest2Edits.h"
#include "CvSNMPSession.h"
#include "FakeMainWindow.h"
#include "GeneratedWindows.h"
#include "MainWindowState.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TSNMPPanel.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

namespace {
void settle(TConfigForm &form)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 10000 && (!form.activated || form.activeRequest->IsBusy()))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    for (int k = 0; k < 20; ++k)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool save(QWidget *window, const QString &file)
{
    const bool ok = window->grab().save(file, "PNG");
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(file));
    return ok;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: shoot_generated PORT OUTDIR\n");
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
    FakeMainWindow main; // the tests' main window: caption address, scale 1
    MainWindowState::setInstance(&main);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    bool ok = true;

    const CvFormDescriptor *scalar = FindFormDescriptor("Bridge > Spanning Tree > STP Control");
    const CvFormDescriptor *table = FindFormDescriptor("Basic Configuration > IF-MIB > IfX Table");
    if (!scalar || !table) {
        std::fprintf(stderr, "shoot_generated: descriptors missing\n");
        return 1;
    }
    {
        auto form = BuildGeneratedWindow(*scalar);
        form->show();
        settle(*form);
        ok = save(form.get(), out.filePath("generated-scalar-window.png")) && ok;
        form->close();
    }
    {
        auto form = BuildGeneratedWindow(*table);
        form->show();
        settle(*form);
        QTreeWidget *list = form->tablePanel->listView;
        if (list->topLevelItemCount() > 4) {
            list->setCurrentItem(list->topLevelItem(4));
            list->topLevelItem(4)->setSelected(true);
        }
        ok = save(form.get(), out.filePath("generated-table-window.png")) && ok;
        QTimer::singleShot(500, [&] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                ok = save(dialog, out.filePath("generated-edit-dialog.png")) && ok;
                dialog->reject();
            }
        });
        emit list->itemDoubleClicked(list->topLevelItem(4), 0);
        form->close();
    }
    return ok ? 0 : 1;
}
