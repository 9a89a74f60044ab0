#include "WindowWaits.h"

#include "CvSNMPRequest2Edits.h"
#include "TConfigForm.h"
#include "TPanelContainer.h"
#include "TSNMPLayoutAdapter.h"
#include "TSNMPPanel.h"

#include <QCoreApplication>
#include <QElapsedTimer>

bool WaitIdle(TConfigForm &form, int ms)
{
    QElapsedTimer t;
    t.start();
    const TSNMPLayoutAdapter *a = form.Body()->container->adapter.get();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (form.activated && form.activeRequest && !form.activeRequest->IsBusy() && a->readComplete
            && a->writeComplete)
            return true;
    }
    return false;
}
