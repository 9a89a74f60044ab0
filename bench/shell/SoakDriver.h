#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QTimer>

#include <random>
#include <vector>

class TMainForm;
class QAbstractButton;

// Opens the window of every registered menu command in turn, from the
// event loop, presses Refresh and Stop while it reads, closes it and checks
// that it goes within the close limit. The first pass over all commands is
// the warm-up; the memory baseline is taken when it ends. After the time is
// up the open window is closed, leftovers are looked for and the main window
// is closed as the operator does.
class SoakDriver : public QObject
{
public:
    struct Options
    {
        int seconds = 300;
        int closeLimitMs = 6000;
        quint32 seed = 1;
        bool verbose = false;
    };

    SoakDriver(TMainForm &main, const Options &options);

    // Schedules the first window; the application's loop quits when done.
    void Start();

    long EndKb() const { return m_endKb; }

private:
    enum class Step { Refresh, Stop, Close };
    struct PlannedStep
    {
        qint64 atMs;
        Step step;
    };
    // One command: the window it opened and what is done to it.
    struct Walk
    {
        QString target;
        QPointer<QWidget> window;
        bool commandDone = false;
        qint64 startedAt = 0;
        qint64 shownAt = -1;
        qint64 closeAt = -1;
        qint64 hiddenAt = -1; // closed as the operator sees it
        std::vector<PlannedStep> plan;
        std::size_t next = 0;
        QString lastStep = QStringLiteral("open");
        bool openFailureCounted = false;
        bool hangCounted = false;
        QSet<QWidget *> visibleBefore;
    };

    void tick();
    void runNext();
    bool pointAtPort();
    void adopt(QWidget *window);
    void perform(Step step);
    void watchClose(qint64 now);
    void finishWalk();
    void passDone();
    void beginExit();
    void exitMainWindow();
    void dismissMessageBoxes();
    void fail(const QString &text);
    void progress(const QString &what);
    QAbstractButton *findButton(const char *word) const;
    bool windowBusy() const;
    int random(int low, int high);

    TMainForm &m_main;
    Options m_options;
    QTimer m_tick;
    QElapsedTimer m_clock;
    std::mt19937 m_random;
    QStringList m_targets;
    int m_index = 0;
    int m_passes = 0;
    bool m_walking = false;
    bool m_exiting = false;
    bool m_exitHangCounted = false;
    qint64 m_exitAt = -1;
    Walk m_walk;
    long m_endKb = -1;
    qint64 m_lastProgress = 0;

    // Tallies for the progress lines.
    int m_opened = 0;
    int m_noWindow = 0;
    int m_refreshBusy = 0;
    int m_refreshIdle = 0;
    int m_stopBusy = 0;
    int m_stopIdle = 0;
    int m_boxes = 0;
    QHash<QString, int> m_boxTexts;
    QHash<QString, qint64> m_slowestClose;
    // The command returns when the loops started inside it have ended; the
    // longest wait after its window went, and the deepest nesting seen.
    qint64 m_longestReturn = 0;
    QString m_longestReturnTarget;
    int m_deepestLoop = 0;
};
