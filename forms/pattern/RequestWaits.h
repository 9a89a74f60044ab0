#pragma once

#include <QList>
#include <QPointer>

#include <functional>

class CvSNMPRequest2Controls;

// Waits in an event loop until none of the requests is busy, ms have passed
// or giveUp says so; true when every request is idle (a request destroyed
// meanwhile counts as idle). The loop ends on the requests' done signals and
// on a short poll timer, so a read that ends without a done signal (no
// message target, a row it could not show) ends the wait as well.
bool WaitUntilIdle(const QList<QPointer<CvSNMPRequest2Controls>> &requests, int ms,
    const std::function<bool()> &giveUp = {});
bool WaitUntilIdle(
    CvSNMPRequest2Controls *request, int ms, const std::function<bool()> &giveUp = {});

// A bound for waiting on a request: every try of one PDU with its time-out,
// times the PDUs a wait may cover, and a second to spare.
int AnswerWaitMs(const CvSNMPRequest2Controls &request, int pdus = 1);
