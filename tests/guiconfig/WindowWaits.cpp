#include "WindowWaits.h"

#include "CvSNMPRequest2Edits.h"
#include "TConfigForm.h"
#include "TPanelContainer.h"
#include "TSNMPLayoutAdapter.h"
#include "TSNMPPanel.h"

#include <QCoreApplication>
#include <QElapsedTimer>

bool IsIdle(const TConfigForm &form)
{
    const TSNMPLayoutAdapter *a = form.Body()->container->adapter.get();
    return form.activated && form.activeRequest && !form.activeRequest->IsBusy() && a->readComplete
        && a->writeComplete;
}

bool WaitIdle(TConfigForm &form, int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (IsIdle(form))
            return true;
    }
    return false;
}
