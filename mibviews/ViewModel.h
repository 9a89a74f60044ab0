#pragma once

#include "ViewCatalogue.h"
#include "ViewValues.h"
#include "ViewWalker.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QPointF>

#include <optional>
#include <vector>

// The values of one section of a view as an item model, kept across polls
// so that counters get their rates. A table shows its decoded index, then
// each column, a counter followed by its rate per second; a group of
// scalars shows one object per row: name, value, rate, units.
class ViewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The sort key of a cell, for a QSortFilterProxyModel.
    static constexpr int SortRole = Qt::UserRole + 1;
    // How many rates a cell remembers for its chart.
    static constexpr int HistoryLength = 600;

    // wideCounters: the Counter64 twins of the columns are read too (not
    // over SNMPv1, which cannot carry them).
    explicit ViewModel(
        const ViewSection &section, bool wideCounters = true, QObject *parent = nullptr);

    const ViewSection &section() const { return m_section; }
    bool isTable() const { return m_section.isTable(); }
    // What a poll reads: the column OIDs of a table (walked), the instance
    // OIDs of a group of scalars (read with get). Value k of a poll is
    // column or object k; after the ColumnCount() columns come what the
    // model reads for itself: the Counter64 twins, sysUpTime and
    // ifCounterDiscontinuityTime (to see counters reset).
    const QList<CvOid> &RequestOids() const { return m_requests; }
    int ColumnCount() const { return m_columns; }
    const ViewColumn &Column(int k) const { return m_section.columns[k]; }

    void BeginPoll();
    void Store(int k, const CvOid &oid, const CvSNMPValue &value, const ViewStamp &at);
    // Shows what was stored since the last call.
    void Flush();
    // A complete poll drops the rows it did not see. The rates of the poll
    // are taken now: none when the agent restarted (sysUpTime went back)
    // or, for a row, its ifCounterDiscontinuityTime changed.
    void EndPoll(bool complete);
    int Polls() const { return m_polls; }
    // Nothing of the section was found: no row, or no scalar.
    bool HoldsNothing() const;
    // Rows whose counters were read in 64 bits and in 32 bits in the last
    // poll; both 0 when the section has no column with a Counter64 twin.
    struct CounterWidths
    {
        int wide = 0;
        int narrow = 0;
    };
    CounterWidths Widths() const { return m_widths; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The counter a cell shows (its value or its rate): row and column
    // number k; nullopt for other cells.
    struct CounterRef
    {
        int row = 0;
        int k = 0;
    };
    std::optional<CounterRef> CounterAt(const QModelIndex &index) const;
    std::optional<double> Rate(int row, int k) const;
    const QList<QPointF> &RateHistory(int row, int k) const;
    // "ifInOctets.67", or the scalar's name.
    QString CellName(int row, int k) const;
    // The value text of column k in a row.
    QString Text(int row, int k) const;
    // Whether the agent gave a value for column k in a row.
    bool HasValue(int row, int k) const;
    // The row of an index suffix; -1 when there is none.
    int RowOf(const CvOid &suffix) const;
    CvOid Suffix(int row) const;

    // The whole section as comma-separated values, headers first.
    QString Csv() const;

private:
    struct Cell
    {
        CvSNMPValue value;
        bool present = false;
        qint64 steadyMs = 0;
        std::optional<double> rate;
        std::optional<double> pending; // the rate of this poll, taken at its end
        int poll = 0; // the poll that last stored it
        qint64 wallMs = 0;
        QList<QPointF> history; // (wall clock ms, rate)
    };
    struct Row
    {
        CvOid suffix;
        QList<ViewIndexValue> index;
        std::vector<Cell> cells;
        int seen = 0; // the poll that last saw it
        int discontinuity = 0; // the poll that saw its counters reset
    };
    enum class Shows { Index, Value, Rate };
    struct DisplayColumn
    {
        Shows shows;
        int n; // index part or column k
    };

    Row &rowFor(const CvOid &suffix);
    // The cell column k shows in a row: its Counter64 twin when the agent
    // gave one, else its own.
    const Cell &shown(const Row &row, int k) const;
    bool isCounter(int k) const;
    void takeRates();
    void addDisplayColumns();
    QVariant tableData(const Row &row, const DisplayColumn &c, int role) const;
    QVariant scalarData(int k, int column, int role) const;
    QString unitOf(int k) const;

    const ViewSection &m_section;
    int m_columns = 0; // number of ViewColumns
    QList<CvOid> m_requests;
    QList<int> m_wideOf; // per column: the position of its twin, or -1
    int m_uptimeAt = -1; // position of sysUpTime
    int m_discontinuityAt = -1; // position of ifCounterDiscontinuityTime
    std::optional<quint64> m_uptime; // of the previous poll
    std::optional<quint64> m_uptimeNow; // of this poll
    bool m_twinColumns = false; // some column has a Counter64 twin
    CounterWidths m_widths;
    QList<qsizetype> m_prefixLength; // per column: entry OID + column number
    QList<DisplayColumn> m_display;
    std::vector<Row> m_rows;
    std::vector<Row> m_pending; // rows found since the last flush
    QHash<CvOid, qsizetype> m_rowOf; // rows first, then pending after them
    int m_dirtyFirst = -1;
    int m_dirtyLast = -1;
    int m_polls = 0;
    bool m_outOfOrder = false;
};
