#include "ViewWindow.h"

#include "RateChart.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>

ViewWindow::ViewWindow(
    const ViewDefinition &view, const CvSnmpTarget &target, const QString &agent, QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("ViewWindow"));
    setWindowTitle(QStringLiteral("%1 - %2").arg(QLatin1String(view.title), agent));
    m_poller = new ViewPoller(view, target, this);

    QToolBar *bar = addToolBar(QStringLiteral("View"));
    bar->setObjectName(QStringLiteral("ViewToolBar"));
    bar->setMovable(false);
    m_refresh = bar->addAction(QStringLiteral("Refresh"), this, &ViewWindow::Refresh);
    m_refresh->setObjectName(QStringLiteral("RefreshAction"));
    m_refresh->setShortcut(QKeySequence::Refresh);
    m_stop = bar->addAction(QStringLiteral("Stop"), this, &ViewWindow::StopWalk);
    m_stop->setObjectName(QStringLiteral("StopAction"));
    m_stop->setShortcut(Qt::Key_Escape);
    m_stop->setEnabled(false);
    bar->addSeparator();
    m_auto = new QCheckBox(QStringLiteral("Refresh every"), bar);
    m_auto->setObjectName(QStringLiteral("AutoRefresh"));
    bar->addWidget(m_auto);
    m_interval = new QSpinBox(bar);
    m_interval->setObjectName(QStringLiteral("RefreshInterval"));
    m_interval->setRange(1, 3600);
    m_interval->setValue(5);
    m_interval->setSuffix(QStringLiteral(" s"));
    bar->addWidget(m_interval);
    bar->addSeparator();
    QAction *copy = bar->addAction(QStringLiteral("Copy CSV"), this, [this] {
        const int s = currentSection();
        if (s >= 0)
            QApplication::clipboard()->setText(m_pages[s].model->Csv());
    });
    copy->setObjectName(QStringLiteral("CopyCsvAction"));
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QAction *save = bar->addAction(QStringLiteral("Save CSV..."), this, [this] {
        const QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Save as CSV"),
            QStringLiteral("%1.csv").arg(QLatin1String(m_poller->view().argument)),
            QStringLiteral("CSV files (*.csv)"));
        if (!name.isEmpty() && !SaveCsv(name))
            QMessageBox::warning(this, windowTitle(), QStringLiteral("Cannot write %1.").arg(name));
    });
    save->setObjectName(QStringLiteral("SaveCsvAction"));
    save->setShortcut(QKeySequence::Save);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("Sections"));
    m_tabs->setTabBarAutoHide(true);
    m_tabs->setDocumentMode(true);
    setCentralWidget(m_tabs);
    for (int s = 0; s < m_poller->SectionCount(); ++s)
        addPage(m_poller->Model(s));

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("StatusText"));
    statusBar()->addWidget(m_status, 1);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("WalkProgress"));
    m_progress->setMaximumWidth(160);
    m_progress->setTextVisible(false);
    m_progress->hide();
    statusBar()->addPermanentWidget(m_progress);
    statusBar()->addPermanentWidget(
        new QLabel(QStringLiteral("%1 (%2)").arg(QLatin1String(view.reference),
                       QLatin1String(target.version == 0 ? "get-next" : "get-bulk")),
            this));

    m_next.setSingleShot(true);
    connect(&m_next, &QTimer::timeout, this, &ViewWindow::Refresh);
    connect(m_auto, &QCheckBox::toggled, this, [this](bool on) {
        if (!on)
            m_next.stop();
        else if (!m_poller->IsPolling())
            Refresh();
    });
    connect(m_interval, &QSpinBox::valueChanged, this, [this] {
        if (m_next.isActive())
            scheduleNext();
    });
    connect(m_poller, &ViewPoller::Progress, this,
        [this](int rows) { m_status->setText(QStringLiteral("Reading... %1 rows").arg(rows)); });
    connect(m_poller, &ViewPoller::Finished, this, &ViewWindow::pollFinished);
    resize(1000, 640);
}

void ViewWindow::addPage(ViewModel *model)
{
    Page page;
    page.model = model;
    auto *splitter = new QSplitter(Qt::Vertical, m_tabs);
    page.proxy = new QSortFilterProxyModel(splitter);
    page.proxy->setSourceModel(model);
    page.proxy->setSortRole(ViewModel::SortRole);
    page.table = new QTableView(splitter);
    page.table->setObjectName(
        QStringLiteral("Table_%1").arg(QLatin1String(model->section().title)));
    page.table->setModel(page.proxy);
    // Rows come in index order; a click on a header sorts by that column.
    page.table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    page.table->setSortingEnabled(model->isTable());
    page.table->setSelectionBehavior(QAbstractItemView::SelectItems);
    page.table->setSelectionMode(QAbstractItemView::SingleSelection);
    page.table->setAlternatingRowColors(true);
    page.table->verticalHeader()->setDefaultSectionSize(page.table->fontMetrics().height() + 6);
    page.table->verticalHeader()->hide();
    page.table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    page.table->horizontalHeader()->setStretchLastSection(true);
    page.chart = new RateChart(splitter);
    page.chart->hide();
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    const int section = int(m_pages.size());
    connect(page.table->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this, section](const QModelIndex &current) { currentChanged(section, current); });
    m_tabs->addTab(splitter, QLatin1String(model->section().title));
    m_pages.append(page);
}

int ViewWindow::currentSection() const
{
    return m_tabs->currentIndex();
}

void ViewWindow::Refresh()
{
    if (m_poller->IsPolling())
        return;
    m_next.stop();
    m_refresh->setEnabled(false);
    m_stop->setEnabled(true);
    m_progress->setRange(0, 0);
    m_progress->show();
    m_status->setText(QStringLiteral("Reading..."));
    m_poller->Poll();
}

void ViewWindow::StopWalk()
{
    m_auto->setChecked(false);
    m_poller->Stop();
}

void ViewWindow::SetRefreshInterval(int seconds)
{
    if (seconds <= 0) {
        m_auto->setChecked(false);
        return;
    }
    m_interval->setValue(seconds);
    m_auto->setChecked(true);
}

void ViewWindow::scheduleNext()
{
    if (m_auto->isChecked())
        m_next.start(m_interval->value() * 1000);
}

void ViewWindow::pollFinished(const ViewPollResult &result)
{
    m_refresh->setEnabled(true);
    m_stop->setEnabled(false);
    m_progress->hide();
    for (Page &page : m_pages) {
        if (page.model->Polls() == 1) {
            // Sized to the first values; the last column takes what is left.
            page.table->resizeColumnsToContents();
            QHeaderView *header = page.table->horizontalHeader();
            header->setStretchLastSection(false);
            header->setStretchLastSection(true);
        }
        updateChart(page);
    }
    m_status->setText(statusLine(result));
    if (!result.stopped)
        scheduleNext();
}

QString ViewWindow::statusLine(const ViewPollResult &result) const
{
    QStringList parts;
    const bool nothing = result.absent.size() == m_poller->SectionCount();
    if (!result.complete)
        parts << result.message;
    else if (!nothing)
        parts << QStringLiteral("%1 in %2 s, %3 requests, at %4")
                     .arg(result.rows == 0 && result.objects > 0
                             ? QStringLiteral("%1 objects").arg(result.objects)
                             : QStringLiteral("%1 rows").arg(result.rows))
                     .arg(double(result.elapsedMs) / 1000.0, 0, 'f', 2)
                     .arg(result.requests)
                     .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    const ViewModel::CounterWidths &w = result.widths;
    if (w.wide > 0 && w.narrow > 0)
        parts << QStringLiteral("64-bit counters, 32-bit on %1 rows").arg(w.narrow);
    else if (w.wide > 0)
        parts << QStringLiteral("64-bit counters");
    else if (w.narrow > 0)
        parts << QStringLiteral("32-bit counters");
    // A MIB the agent lacks is said so, not shown as an empty answer.
    for (const QString &title : result.absent)
        parts << QStringLiteral("the agent has no %1").arg(title);
    if (!result.notice.isEmpty())
        parts << result.notice;
    return parts.join(QStringLiteral("; "));
}

void ViewWindow::currentChanged(int section, const QModelIndex &proxyIndex)
{
    Page &page = m_pages[section];
    const auto counter = page.model->CounterAt(page.proxy->mapToSource(proxyIndex));
    if (!counter)
        return;
    // The row is remembered by its index, which survives sorting and rows
    // coming and going.
    page.chartRow = page.model->Suffix(counter->row);
    page.chartColumn = counter->k;
    updateChart(page);
}

void ViewWindow::updateChart(Page &page)
{
    if (page.chartColumn < 0)
        return;
    const int row = page.model->isTable() ? page.model->RowOf(page.chartRow) : 0;
    if (row < 0)
        return;
    const ViewColumn &c = page.model->Column(page.chartColumn);
    page.chart->Show(page.model->CellName(row, page.chartColumn),
        c.unit ? QLatin1String(c.unit) : QString(), page.model->RateHistory(row, page.chartColumn));
    page.chart->show();
}

void ViewWindow::SelectCell(int section, int row, int column)
{
    Page &page = m_pages[section];
    m_tabs->setCurrentIndex(section);
    const QModelIndex proxy = page.proxy->mapFromSource(page.model->index(row, column));
    page.table->setCurrentIndex(proxy);
    page.table->scrollTo(proxy, QAbstractItemView::PositionAtCenter);
}

RateChart *ViewWindow::Chart(int section) const
{
    return m_pages.value(section).chart;
}

bool ViewWindow::SaveCsv(const QString &fileName) const
{
    const int s = currentSection();
    QFile file(fileName);
    if (s < 0 || !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(m_pages[s].model->Csv().toUtf8()) >= 0;
}

QString ViewWindow::StatusText() const
{
    return m_status->text();
}
