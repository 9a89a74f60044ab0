#include "ViewModel.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

namespace {

// Rates stand apart from the values in the palette's link colour, which a
// theme, light or dark, makes readable on its fields.
QBrush rateBrush()
{
    return QGuiApplication::palette().brush(QPalette::Link);
}

const QList<QPointF> noHistory;

CvOid oidOf(const char *text)
{
    return ParseOid(QString::fromLatin1(text)).value_or(CvOid());
}

bool isIndexName(const ViewSection &section, const char *name)
{
    for (const ViewIndexPart *p = section.index; p && p->name; ++p)
        if (qstrcmp(p->name, name) == 0)
            return true;
    return false;
}

enum ScalarColumn { ObjectName, ObjectValue, ObjectRate, ObjectUnits, ScalarColumns };
} // namespace

ViewModel::ViewModel(const ViewSection &section, bool wideCounters, QObject *parent)
    : QAbstractTableModel(parent)
    , m_section(section)
{
    const CvOid base = oidOf(section.oid);
    const auto request = [this](CvOid oid) {
        m_prefixLength.append(oid.size());
        if (!isTable())
            oid.append(0);
        m_requests.append(oid);
        return int(m_requests.size()) - 1;
    };
    bool counters = false;
    for (const ViewColumn *c = section.columns; c && c->arc; ++c) {
        request(base + oidOf(c->arc));
        m_wideOf.append(-1);
        counters = counters || c->kind == ViewKind::Counter;
        m_twinColumns = m_twinColumns || c->wide;
        ++m_columns;
    }
    for (int k = 0; k < m_columns && wideCounters; ++k)
        if (Column(k).wide)
            m_wideOf[k] = request(oidOf(Column(k).wide));
    if (counters)
        m_uptimeAt = request(oidOf("1.3.6.1.2.1.1.3"));
    if (m_twinColumns && isTable())
        m_discontinuityAt = request(oidOf("1.3.6.1.2.1.31.1.1.1.19"));
    if (isTable())
        addDisplayColumns();
    else
        m_rows.push_back(Row {{}, {}, std::vector<Cell>(size_t(m_requests.size())), 0});
}

void ViewModel::addDisplayColumns()
{
    int parts = 0;
    for (const ViewIndexPart *p = m_section.index; p && p->name; ++p)
        m_display.append({Shows::Index, parts++});
    for (int k = 0; k < m_columns; ++k) {
        // An index object that is also a column is walked to find the rows
        // and shown once, decoded from the index.
        if (isIndexName(m_section, Column(k).name))
            continue;
        m_display.append({Shows::Value, k});
        if (Column(k).kind == ViewKind::Counter)
            m_display.append({Shows::Rate, k});
    }
}

void ViewModel::BeginPoll()
{
    ++m_polls;
    m_outOfOrder = false;
}

ViewModel::Row &ViewModel::rowFor(const CvOid &suffix)
{
    const auto found = m_rowOf.constFind(suffix);
    if (found != m_rowOf.cend()) {
        const qsizetype at = *found;
        if (at < qsizetype(m_rows.size())) {
            m_dirtyFirst = m_dirtyFirst < 0 ? int(at) : std::min(m_dirtyFirst, int(at));
            m_dirtyLast = std::max(m_dirtyLast, int(at));
            return m_rows[size_t(at)];
        }
        return m_pending[size_t(at) - m_rows.size()];
    }
    // A row out of index order (a sparse first column) is sorted at the end.
    const qsizetype last = qsizetype(m_rows.size() + m_pending.size()) - 1;
    if (last >= 0) {
        const Row &previous
            = last < qsizetype(m_rows.size()) ? m_rows[size_t(last)] : m_pending.back();
        if (!std::lexicographical_compare(
                previous.suffix.begin(), previous.suffix.end(), suffix.begin(), suffix.end()))
            m_outOfOrder = true;
    }
    m_rowOf.insert(suffix, last + 1);
    Row row;
    row.suffix = suffix;
    if (auto index = DecodeIndex(m_section.index, suffix.constData(), suffix.size()))
        row.index = *index;
    else
        row.index = {{OidToText(suffix), OidToText(suffix)}};
    row.cells.resize(size_t(m_requests.size()));
    m_pending.push_back(std::move(row));
    return m_pending.back();
}

bool ViewModel::isCounter(int k) const
{
    return k < m_columns ? Column(k).kind == ViewKind::Counter : m_wideOf.contains(k);
}

void ViewModel::Store(int k, const CvOid &oid, const CvSNMPValue &value, const ViewStamp &at)
{
    if (k < 0 || k >= m_requests.size())
        return;
    if (k == m_uptimeAt) {
        if (value.tag() == CvSNMPValue::TimeTicks)
            m_uptimeNow = value.unsignedNumber();
        return;
    }
    Row &row = isTable() ? rowFor(oid.mid(m_prefixLength[k])) : m_rows.front();
    if (!isTable())
        m_dirtyFirst = m_dirtyLast = 0;
    row.seen = m_polls;
    Cell &cell = row.cells[size_t(k)];
    if (k == m_discontinuityAt && cell.present && cell.value != value)
        row.discontinuity = m_polls;
    cell.pending.reset();
    if (isCounter(k) && cell.present)
        cell.pending = CounterRate(cell.value, cell.steadyMs, value, at.steadyMs);
    cell.value = value;
    cell.present = true;
    cell.steadyMs = at.steadyMs;
    cell.wallMs = at.wallMs;
    cell.poll = m_polls;
}

// The rates of the poll, unless the counters were reset since the last:
// a counter that starts again from zero looks like one that wrapped.
void ViewModel::takeRates()
{
    const bool restarted = m_uptime && m_uptimeNow && *m_uptimeNow < *m_uptime;
    if (m_uptimeNow)
        m_uptime = m_uptimeNow;
    m_uptimeNow.reset();
    m_widths = {};
    for (Row &row : m_rows) {
        const bool reset = restarted || row.discontinuity == m_polls;
        for (Cell &cell : row.cells) {
            if (cell.poll != m_polls)
                continue;
            cell.rate = reset ? std::nullopt : cell.pending;
            cell.pending.reset();
            if (!cell.rate)
                continue;
            cell.history.append(QPointF(double(cell.wallMs), *cell.rate));
            if (cell.history.size() > HistoryLength)
                cell.history.removeFirst();
        }
        if (!m_twinColumns || row.seen != m_polls)
            continue;
        bool wide = false;
        for (int k = 0; k < m_columns && !wide; ++k)
            wide = &shown(row, k) != &row.cells[size_t(k)];
        ++(wide ? m_widths.wide : m_widths.narrow);
    }
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

const ViewModel::Cell &ViewModel::shown(const Row &row, int k) const
{
    const int w = m_wideOf.value(k, -1);
    if (w >= 0) {
        const Cell &twin = row.cells[size_t(w)];
        if (twin.present && twin.poll == row.seen && !twin.value.isException()
            && !twin.value.isNull())
            return twin;
    }
    return row.cells[size_t(k)];
}

bool ViewModel::HoldsNothing() const
{
    if (isTable())
        return m_rows.empty();
    for (int k = 0; k < m_columns; ++k)
        if (HasValue(0, k))
            return false;
    return true;
}

void ViewModel::Flush()
{
    if (m_dirtyFirst >= 0) {
        if (isTable())
            emit dataChanged(index(m_dirtyFirst, 0), index(m_dirtyLast, columnCount() - 1));
        else
            emit dataChanged(index(0, 0), index(rowCount() - 1, ScalarColumns - 1));
    }
    m_dirtyFirst = m_dirtyLast = -1;
    if (m_pending.empty())
        return;
    const int first = int(m_rows.size());
    beginInsertRows({}, first, first + int(m_pending.size()) - 1);
    for (Row &row : m_pending)
        m_rows.push_back(std::move(row));
    m_pending.clear();
    endInsertRows();
}

void ViewModel::EndPoll(bool complete)
{
    Flush();
    takeRates();
    if (!isTable())
        return;
    const bool drop = complete && std::any_of(m_rows.begin(), m_rows.end(), [this](const Row &r) {
        return r.seen != m_polls;
    });
    if (!drop && !m_outOfOrder)
        return;
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    QList<CvOid> keys;
    for (const QModelIndex &i : before)
        keys.append(m_rows[size_t(i.row())].suffix);
    if (drop)
        std::erase_if(m_rows, [this](const Row &r) { return r.seen != m_polls; });
    std::sort(m_rows.begin(), m_rows.end(), [](const Row &a, const Row &b) {
        return std::lexicographical_compare(
            a.suffix.begin(), a.suffix.end(), b.suffix.begin(), b.suffix.end());
    });
    m_rowOf.clear();
    for (size_t i = 0; i < m_rows.size(); ++i)
        m_rowOf.insert(m_rows[i].suffix, qsizetype(i));
    QModelIndexList after;
    for (qsizetype i = 0; i < before.size(); ++i) {
        const int row = RowOf(keys[i]);
        after.append(row < 0 ? QModelIndex() : index(row, before[i].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

int ViewModel::RowOf(const CvOid &suffix) const
{
    const auto found = m_rowOf.constFind(suffix);
    return found == m_rowOf.cend() || *found >= qsizetype(m_rows.size()) ? -1 : int(*found);
}

CvOid ViewModel::Suffix(int row) const
{
    return row >= 0 && row < int(m_rows.size()) ? m_rows[size_t(row)].suffix : CvOid();
}

int ViewModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return isTable() ? int(m_rows.size()) : m_columns;
}

int ViewModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return isTable() ? int(m_display.size()) : ScalarColumns;
}

QString ViewModel::unitOf(int k) const
{
    return Column(k).unit ? QLatin1String(Column(k).unit) : QString();
}

QVariant ViewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (!isTable())
        return scalarData(index.row(), index.column(), role);
    return tableData(m_rows[size_t(index.row())], m_display[index.column()], role);
}

QVariant ViewModel::tableData(const Row &row, const DisplayColumn &c, int role) const
{
    const bool rightAligned = c.shows == Shows::Rate
        || (c.shows == Shows::Value
            && (Column(c.n).kind == ViewKind::Number || Column(c.n).kind == ViewKind::Counter
                || Column(c.n).kind == ViewKind::Hundredths));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(
            (rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    if (c.shows == Shows::Index) {
        const ViewIndexValue part = row.index.value(c.n);
        if (role == Qt::DisplayRole)
            return part.text;
        if (role == SortRole)
            return part.key;
        return {};
    }
    const Cell &cell = shown(row, c.n);
    if (c.shows == Shows::Rate) {
        if (role == Qt::DisplayRole)
            return cell.rate ? RateText(*cell.rate) : QString();
        if (role == SortRole)
            return cell.rate ? QVariant(*cell.rate) : QVariant();
        if (role == Qt::ForegroundRole)
            return rateBrush();
        return {};
    }
    if (role == Qt::DisplayRole)
        return cell.present ? ValueText(Column(c.n), cell.value) : QString();
    if (role == SortRole)
        return cell.present ? SortKey(Column(c.n), cell.value) : QVariant();
    return {};
}

QVariant ViewModel::scalarData(int k, int column, int role) const
{
    const Cell &cell = shown(m_rows.front(), k);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(
            (column == ObjectRate ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    if (role == Qt::ForegroundRole && column == ObjectRate)
        return rateBrush();
    if (role != Qt::DisplayRole && role != SortRole)
        return {};
    switch (column) {
    case ObjectName:
        return QLatin1String(Column(k).name);
    case ObjectValue:
        if (!cell.present)
            return QString();
        return role == SortRole ? SortKey(Column(k), cell.value)
                                : QVariant(ValueText(Column(k), cell.value));
    case ObjectRate:
        if (!cell.rate)
            return QVariant();
        return role == SortRole ? QVariant(*cell.rate) : QVariant(RateText(*cell.rate));
    case ObjectUnits:
        return unitOf(k);
    }
    return {};
}

QVariant ViewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (!isTable()) {
        static const char *const names[] = {"Object", "Value", "Per second", "Units"};
        return role == Qt::DisplayRole ? QVariant(QLatin1String(names[section])) : QVariant();
    }
    const DisplayColumn &c = m_display[section];
    if (c.shows == Shows::Index) {
        if (role == Qt::DisplayRole)
            return QLatin1String(m_section.index[c.n].name);
        if (role == Qt::ToolTipRole)
            return QStringLiteral("Index");
        return {};
    }
    const QString name = QLatin1String(Column(c.n).name);
    const QString unit = unitOf(c.n);
    if (role == Qt::DisplayRole)
        return c.shows == Shows::Rate ? QStringLiteral("%1/s").arg(name) : name;
    if (role == Qt::ToolTipRole) {
        const QString oid = QStringLiteral("%1.%2").arg(
            QLatin1String(m_section.oid), QLatin1String(Column(c.n).arc));
        if (c.shows == Shows::Rate)
            return QStringLiteral("%1 per second since the last poll (%2)")
                .arg(unit.isEmpty() ? name : unit, oid);
        return unit.isEmpty() ? oid : QStringLiteral("%1, %2").arg(oid, unit);
    }
    return {};
}

std::optional<ViewModel::CounterRef> ViewModel::CounterAt(const QModelIndex &index) const
{
    if (!index.isValid())
        return std::nullopt;
    if (!isTable()) {
        const int k = index.row();
        if (Column(k).kind != ViewKind::Counter)
            return std::nullopt;
        return CounterRef {0, k};
    }
    const DisplayColumn &c = m_display[index.column()];
    if (c.shows == Shows::Index || Column(c.n).kind != ViewKind::Counter)
        return std::nullopt;
    return CounterRef {index.row(), c.n};
}

std::optional<double> ViewModel::Rate(int row, int k) const
{
    if (row < 0 || row >= int(m_rows.size()) || k < 0 || k >= m_columns)
        return std::nullopt;
    return shown(m_rows[size_t(row)], k).rate;
}

const QList<QPointF> &ViewModel::RateHistory(int row, int k) const
{
    if (row < 0 || row >= int(m_rows.size()) || k < 0 || k >= m_columns)
        return noHistory;
    return shown(m_rows[size_t(row)], k).history;
}

QString ViewModel::CellName(int row, int k) const
{
    const QString name = QLatin1String(Column(k).name);
    if (!isTable() || row < 0 || row >= int(m_rows.size()))
        return name;
    return name + QLatin1Char('.') + OidToText(m_rows[size_t(row)].suffix);
}

QString ViewModel::Text(int row, int k) const
{
    if (row < 0 || row >= int(m_rows.size()) || k < 0 || k >= m_columns)
        return {};
    const Cell &cell = shown(m_rows[size_t(row)], k);
    return cell.present ? ValueText(Column(k), cell.value) : QString();
}

bool ViewModel::HasValue(int row, int k) const
{
    if (row < 0 || row >= int(m_rows.size()) || k < 0 || k >= m_columns)
        return false;
    const Cell &cell = shown(m_rows[size_t(row)], k);
    return cell.present && !cell.value.isException() && !cell.value.isNull();
}

QString ViewModel::Csv() const
{
    QString csv;
    QStringList fields;
    for (int c = 0; c < columnCount(); ++c)
        fields << CsvField(headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
    csv += fields.join(QLatin1Char(',')) + QLatin1String("\r\n");
    for (int r = 0; r < rowCount(); ++r) {
        fields.clear();
        for (int c = 0; c < columnCount(); ++c)
            fields << CsvField(data(index(r, c), Qt::DisplayRole).toString());
        csv += fields.join(QLatin1Char(',')) + QLatin1String("\r\n");
    }
    return csv;
}
