#pragma once

#include "ViewModel.h"
#include "ViewWalker.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <vector>

// How the last poll of a view went.
struct ViewPollResult
{
    bool complete = true;
    bool stopped = false;
    int code = 0; // engine code of a failure
    QString message; // empty when the poll was complete
    int rows = 0; // table rows read
    int objects = 0; // scalars read
    int requests = 0;
    qint64 elapsedMs = 0;
    QStringList absent; // titles of the sections the agent has nothing of
    QString notice; // the agent refused get-bulk (once per agent)
    ViewModel::CounterWidths widths; // rows read with 64-bit and 32-bit counters
};

// Polls every section of a view, one after another, into its models; a
// section that fails leaves the others to be read.
class ViewPoller : public QObject
{
    Q_OBJECT

public:
    ViewPoller(const ViewDefinition &view, const CvSnmpTarget &target, QObject *parent = nullptr);

    const ViewDefinition &view() const { return m_view; }
    int SectionCount() const { return int(m_models.size()); }
    ViewModel *Model(int section) const { return m_models[size_t(section)]; }
    ViewWalker &walker() { return m_walker; }

    static constexpr qint64 FlushMs = 100;

    void Poll();
    void Stop();
    bool IsPolling() const { return m_section >= 0; }
    const ViewPollResult &LastResult() const { return m_result; }

signals:
    // Rows read so far in this poll, as they are shown: after an answer,
    // no more often than every FlushMs.
    void Progress(int rows);
    void Finished(const ViewPollResult &result);

private:
    void pollSection();
    void flush();
    void sectionDone(const ViewWalkOutcome &outcome);

    const ViewDefinition &m_view;
    ViewWalker m_walker;
    std::vector<ViewModel *> m_models; // owned as children
    int m_section = -1; // the section being polled, -1 between polls
    int m_rowsBefore = 0; // table rows of the sections polled before this one
    ViewPollResult m_result;
    QElapsedTimer m_clock;
    QElapsedTimer m_flushed; // since the model last showed new values
    QTimer m_flushTimer;
};
