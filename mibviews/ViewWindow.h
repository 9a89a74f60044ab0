#pragma once

#include "ViewPoller.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

class QAction;
class QCheckBox;
class QLabel;
class QProgressBar;
class QSortFilterProxyModel;
class QSpinBox;
class QTableView;
class QTabWidget;
class RateChart;

// One view of a family program: a page per section with a sortable table
// and the rate chart of the selected counter, a tool bar to refresh once
// or on an interval, stop a long walk and copy or save the page as CSV,
// and a status bar with the walk's progress and outcome.
class ViewWindow : public QMainWindow
{
    Q_OBJECT

public:
    ViewWindow(const ViewDefinition &view, const CvSnmpTarget &target, const QString &agent,
        QWidget *parent = nullptr);

    ViewPoller &poller() { return *m_poller; }
    // Polls every interval seconds after each poll ends; 0 stops it.
    void SetRefreshInterval(int seconds);
    // Selects a cell of a section's table as the operator would (the
    // section's own model row and display column).
    void SelectCell(int section, int row, int column);
    RateChart *Chart(int section) const;
    bool SaveCsv(const QString &fileName) const;
    QString StatusText() const;

public slots:
    void Refresh();
    void StopWalk();

private:
    struct Page
    {
        ViewModel *model = nullptr;
        QSortFilterProxyModel *proxy = nullptr;
        QTableView *table = nullptr;
        RateChart *chart = nullptr;
        // The counter the chart shows, found again after every poll.
        CvOid chartRow;
        int chartColumn = -1;
    };
    void addPage(ViewModel *model);
    void currentChanged(int section, const QModelIndex &proxyIndex);
    void updateChart(Page &page);
    void pollFinished(const ViewPollResult &result);
    QString statusLine(const ViewPollResult &result) const;
    void scheduleNext();
    int currentSection() const;

    ViewPoller *m_poller = nullptr;
    QTabWidget *m_tabs = nullptr;
    QList<Page> m_pages;
    QAction *m_refresh = nullptr;
    QAction *m_stop = nullptr;
    QCheckBox *m_auto = nullptr;
    QSpinBox *m_interval = nullptr;
    QLabel *m_status = nullptr;
    QProgressBar *m_progress = nullptr;
    QTimer m_next;
};
