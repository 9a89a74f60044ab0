#include "RequestWaits.h"

#include "CvSNMPRequest2Controls.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace {
// Often enough that a wait ends soon after its answer, rarely enough to
// cost nothing next to the event pump's own tick.
constexpr int PollMs = 20;

bool allIdle(const QList<QPointer<CvSNMPRequest2Controls>> &requests)
{
    for (const QPointer<CvSNMPRequest2Controls> &r : requests)
        if (r && r->IsBusy())
            return false;
    return true;
}
} // namespace

bool WaitUntilIdle(const QList<QPointer<CvSNMPRequest2Controls>> &requests, int ms,
    const std::function<bool()> &giveUp)
{
    const QDeadlineTimer deadline(ms);
    const CvSNMPRequest::WaitScope waiting;
    while (!allIdle(requests) && !deadline.hasExpired() && !(giveUp && giveUp())) {
        QEventLoop loop;
        const auto check = [&] {
            if (allIdle(requests) || deadline.hasExpired() || (giveUp && giveUp()))
                loop.quit();
        };
        QTimer poll;
        poll.setInterval(PollMs);
        QObject::connect(&poll, &QTimer::timeout, &loop, check);
        for (const QPointer<CvSNMPRequest2Controls> &r : requests) {
            if (!r)
                continue;
            QObject::connect(r, &CvSNMPRequest2Controls::OnReadDone, &loop, check);
            QObject::connect(r, &CvSNMPRequest2Controls::OnWriteDone, &loop, check);
            QObject::connect(r, &QObject::destroyed, &loop, &QEventLoop::quit);
        }
        poll.start();
        loop.exec();
    }
    return allIdle(requests);
}

bool WaitUntilIdle(CvSNMPRequest2Controls *request, int ms, const std::function<bool()> &giveUp)
{
    return WaitUntilIdle(QList<QPointer<CvSNMPRequest2Controls>> {request}, ms, giveUp);
}

int AnswerWaitMs(const CvSNMPRequest2Controls &request, int pdus)
{
    const int tryMs = int(request.request.timeout) * 10; // centiseconds
    const int tries = qMax(0, request.request.retries) + 1;
    return tryMs * tries * qMax(1, pdus) + 1000;
}
