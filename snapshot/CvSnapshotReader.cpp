#include "CvSnapshotReader.h"

#include "CvException.h"
#include "CvSNMPRequest.h"
#include "CvSnapshotObjects.h"
#include "CvUnitTableOid.h"
#include "CvValueCodec.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QPointer>
#include <QTimer>

namespace {

const CvSNMPVar headerVars[] = {
    {"1.3.6.1.2.1.1.5", "sysName", SyntaxDisplayString, AccessReadOnly},
    {"1.3.6.1.2.1.1.2", "sysObjectID", SyntaxObjectId, AccessReadOnly},
    {},
};

const CvSNMPVar unitVars[] = {
    {CV_UNIT_TABLE_ENTRY ".1", "unit", SyntaxUInteger, AccessNotAccessible},
    {CV_UNIT_TABLE_ENTRY ".10", "model", SyntaxDisplayString, AccessReadOnly},
    {CV_UNIT_TABLE_ENTRY ".9", "version", SyntaxDisplayString, AccessReadOnly},
    {},
};

bool absent(const CvSNMPVariable &v)
{
    return IsAbsentValue(v.value) || v.lastOid.isEmpty();
}

} // namespace

CvSnapshotReader::CvSnapshotReader(QObject *parent)
    : QObject(parent)
{
}

CvSnapshotReader::~CvSnapshotReader()
{
    if (m_request)
        m_request->Abandon();
    // Ended by a receiver of Finished, that is inside the request's own
    // completion: the request goes once that has returned.
    if (m_finished && m_inFinish)
        QTimer::singleShot(
            0, QCoreApplication::instance(), [request = m_finished.release()] { delete request; });
}

void CvSnapshotReader::Start(bool secrets)
{
    if (m_busy)
        return;
    m_busy = true;
    m_cancelled = false;
    m_secrets = secrets;
    m_error.clear();
    m_snapshot = CvSnapshot();
    m_snapshot.secrets = secrets;
    m_snapshot.version = SnapshotModuleVersion();
    m_snapshot.time = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    m_table = -1;
    m_request = std::make_unique<CvSNMPRequest>();
    m_snapshot.agent
        = QStringLiteral("%1:%2").arg(m_request->device.address).arg(m_request->device.port);
    QTimer::singleShot(0, this, [this] { readHeader(); });
}

void CvSnapshotReader::Cancel()
{
    m_cancelled = true;
}

void CvSnapshotReader::readHeader()
{
    m_request->SetVarList(headerVars, SVT_SV, 0);
    m_request->GetAsync(
        [this](const CvSNMPError &error, CvSNMPVarList &list) {
            if (error.code != 0)
                return finish(error.message);
            if (!IsAbsentValue(list.Var(0).value))
                m_snapshot.sysName = list.Var(0).value;
            if (!IsAbsentValue(list.Var(1).value))
                m_snapshot.sysObjectId = list.Var(1).value;
            readUnits();
        },
        this, true);
}

void CvSnapshotReader::readUnits()
{
    m_request->SetVarList(unitVars, MVT_FMV, 1);
    m_request->GetAsync(
        [this](const CvSNMPError &error, CvSNMPVarList &list) { unitStep(error, list); }, this,
        true);
}

void CvSnapshotReader::unitStep(const CvSNMPError &error, CvSNMPVarList &list)
{
    if (m_cancelled)
        return finish(QStringLiteral("stopped"));
    if (error.code != 0 || error.finished) {
        // No unit table: a switch that is no stack of this family.
        nextTable();
        return;
    }
    m_snapshot.units.append(
        QStringLiteral("%1 %2, firmware %3")
            .arg(list.Var(0).value, absent(list.Var(1)) ? QString() : list.Var(1).value,
                absent(list.Var(2)) ? QString() : list.Var(2).value));
    m_request->GetAsync(
        [this](const CvSNMPError &e, CvSNMPVarList &l) { unitStep(e, l); }, this, false);
}

void CvSnapshotReader::nextTable()
{
    const QList<CvSnapshotTable> &tables = SnapshotTables();
    if (m_cancelled)
        return finish(QStringLiteral("stopped"));
    ++m_table;
    // Tables whose rows are secrets are left out unless asked for; so are
    // those whose columns are all secrets.
    while (m_table < tables.size()) {
        const CvSnapshotTable &t = tables.at(m_table);
        const bool anyShown = std::any_of(t.columns.begin(), t.columns.end(),
            [this](const CvSnapshotColumn &c) { return m_secrets || !c.secret; });
        if (anyShown && (m_secrets || !t.secretRows))
            break;
        ++m_table;
    }
    if (m_table >= tables.size()) {
        m_snapshot.Sort();
        return finish(QString());
    }
    const CvSnapshotTable &t = tables.at(m_table);
    emit Progress(m_table, int(tables.size()), t.menuPath);
    m_request->SetVarList(t.variables, t.listKind, t.indexCount);
    // Only the writable columns (and secrets when asked) are read.
    CvSNMPVarList &list = m_request->varList;
    for (int i = t.indexCount; i < list.Count(); ++i) {
        const auto c = std::find_if(t.columns.begin(), t.columns.end(),
            [i](const CvSnapshotColumn &col) { return col.var == i; });
        if (c == t.columns.end() || (c->secret && !m_secrets))
            list.Var(i).access |= AccessInvalid;
    }
    for (int i = 0; i < t.indexCount && i < list.Count(); ++i)
        list.Var(i).access = (list.Var(i).access & ~AccessReadOnly) | AccessNotAccessible;
    m_rowsOfTable = 0;
    m_request->GetAsync(
        [this](const CvSNMPError &error, CvSNMPVarList &list) { tableStep(error, list); }, this,
        true);
}

void CvSnapshotReader::tableStep(const CvSNMPError &error, CvSNMPVarList &list)
{
    const CvSnapshotTable &t = SnapshotTables().at(m_table);
    if (m_cancelled)
        return finish(QStringLiteral("stopped"));
    // An agent that does not hold a table or scalar says so by an error
    // (SNMPv1) or by its values; neither is a reason to stop.
    const bool refused = error.code <= -101 && error.code >= -118;
    if (error.code != 0 && !refused)
        return finish(error.message);
    if (error.code == 0 && (t.IsScalar() || !error.finished))
        takeRow(list);
    if (t.IsScalar() || error.code != 0 || error.finished) {
        if (m_rowsOfTable == 0)
            m_snapshot.absentTables.append(t.menuPath);
        return nextTable();
    }
    m_request->GetAsync(
        [this](const CvSNMPError &e, CvSNMPVarList &l) { tableStep(e, l); }, this, false);
}

void CvSnapshotReader::takeRow(const CvSNMPVarList &list)
{
    const CvSnapshotTable &t = SnapshotTables().at(m_table);
    bool any = false;
    for (const CvSnapshotColumn &c : t.columns) {
        const CvSNMPVariable &var = list.Var(c.var);
        if ((var.access & AccessInvalid) || absent(var))
            continue;
        const CvSNMPValue value = LoadValue(list, c.var);
        if (value.isException() || value.isNull())
            continue;
        CvSnapshotValue v;
        v.oid = var.lastOid;
        v.syntax = c.syntax;
        v.raw = TextFromValue(c.syntax, value);
        DescribeSnapshotValue(v);
        m_snapshot.values.append(std::move(v));
        any = true;
    }
    if (any)
        ++m_rowsOfTable;
}

void CvSnapshotReader::finish(const QString &error)
{
    if (!m_busy)
        return;
    m_error = error;
    m_busy = false;
    // The request is let go from the event loop, outside its own completion.
    if (m_request) {
        m_finished = std::move(m_request);
        QTimer::singleShot(0, this, [this] { m_finished.reset(); });
    }
    const QPointer<CvSnapshotReader> self(this);
    m_inFinish = true;
    emit Progress(int(SnapshotTables().size()), int(SnapshotTables().size()), QString());
    if (self)
        emit Finished(error.isEmpty());
    if (self)
        m_inFinish = false;
}
