#include "ViewPoller.h"

ViewPoller::ViewPoller(const ViewDefinition &view, const CvSnmpTarget &target, QObject *parent)
    : QObject(parent)
    , m_view(view)
{
    m_walker.SetTarget(target);
    for (const ViewSection *s = view.sections; s && s->title; ++s)
        m_models.push_back(new ViewModel(*s, target.version != 0, this));
    // The values of an answer reach the model's views in one insertion;
    // answers that come faster than FlushMs wait for the next.
    m_flushTimer.setSingleShot(true);
    connect(&m_flushTimer, &QTimer::timeout, this, &ViewPoller::flush);
    connect(&m_walker, &ViewWalker::Answered, this, [this] {
        if (m_section < 0 || m_flushTimer.isActive())
            return;
        const qint64 since = m_flushed.isValid() ? m_flushed.elapsed() : FlushMs;
        if (since >= FlushMs)
            flush();
        else
            m_flushTimer.start(int(FlushMs - since));
    });
    connect(&m_walker, &ViewWalker::Finished, this, &ViewPoller::sectionDone);
}

void ViewPoller::flush()
{
    if (m_section < 0)
        return;
    ViewModel *model = m_models[size_t(m_section)];
    model->Flush();
    m_flushed.start();
    emit Progress(m_rowsBefore + (model->isTable() ? model->rowCount() : 0));
}

void ViewPoller::Poll()
{
    if (IsPolling())
        return;
    m_result = ViewPollResult();
    m_clock.start();
    m_rowsBefore = 0;
    m_section = 0;
    pollSection();
}

void ViewPoller::pollSection()
{
    ViewModel *model = m_models[size_t(m_section)];
    model->BeginPoll();
    auto sink = [model](int k, const CvOid &oid, const CvSNMPValue &value, const ViewStamp &at) {
        model->Store(k, oid, value, at);
    };
    if (model->isTable())
        m_walker.Walk(model->RequestOids(), sink);
    else
        m_walker.Get(model->RequestOids(), sink);
}

void ViewPoller::sectionDone(const ViewWalkOutcome &outcome)
{
    if (m_section < 0)
        return;
    m_flushTimer.stop();
    ViewModel *model = m_models[size_t(m_section)];
    model->EndPoll(outcome.complete);
    const int rows = model->isTable() ? model->rowCount() : 0;
    m_result.requests += outcome.requests;
    m_result.notice += outcome.notice;
    m_result.rows += rows;
    m_result.objects += model->isTable() ? 0 : model->rowCount();
    const QString what = QLatin1String(model->section().title);
    if (!outcome.complete) {
        m_result.complete = false;
        m_result.stopped = outcome.stopped;
        if (m_result.code == 0)
            m_result.code = outcome.code;
        const QString reason
            = outcome.message.isEmpty() ? QStringLiteral("Stopped.") : outcome.message;
        const QString text = model->isTable()
            ? QStringLiteral("%1 %2 is incomplete: %3 rows read before the walk ended.")
                  .arg(reason, what)
                  .arg(model->rowCount())
            : QStringLiteral("%1 %2 was not read.").arg(reason, what);
        m_result.message += (m_result.message.isEmpty() ? QString() : QStringLiteral(" ")) + text;
    } else if (model->HoldsNothing()) {
        m_result.absent << what;
    }
    m_result.widths.wide += model->Widths().wide;
    m_result.widths.narrow += model->Widths().narrow;
    m_rowsBefore += rows;
    if (!outcome.stopped && m_section + 1 < SectionCount()) {
        ++m_section;
        pollSection();
        return;
    }
    m_section = -1;
    m_result.elapsedMs = m_clock.elapsed();
    emit Finished(m_result);
}

void ViewPoller::Stop()
{
    m_walker.Stop();
}
