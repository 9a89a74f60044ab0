#include "UnitTableBinding.h"

#include "UnitTable.h"

#include <climits>

UnitTableBinding::UnitTableBinding(QWidget *owner)
    : CvSNMPRequest2Edits(owner)
{
    SetVarList(UnitTableVars, MVT_FMV, UnitTableIndexCount);
    // Emitted after a failed read, and after one that ended, as the unit
    // list's read has a message target.
    connect(this, &CvSNMPRequest2Controls::OnReadDone, this, &UnitTableBinding::showNote);
}

int UnitTableBinding::ReadWaitMs() const
{
    const qint64 stepMs = qint64(request.timeout) * 10 * (qMax(0, request.retries) + 1);
    return int(qMin<qint64>(stepMs * MaxSteps + 1000, INT_MAX));
}

void UnitTableBinding::BeginRead()
{
    m_outside.clear();
    m_repeated.clear();
    m_repeatedRows = 0;
    m_kept.clear();
    m_rowsRead = 0;
    m_passed = false;
    m_cut = false;
    // The walk the last read stopped: this read starts a new one.
    request.running = true;
    CvSNMPRequest2Edits::BeginRead();
}

void UnitTableBinding::AddRow()
{
    ++m_rowsRead;
    // The id decodes as an unsigned number: 4294967295 is no unit -1.
    const QString id = request.varList.Var(0).value;
    bool ok = false;
    const quint32 unit = id.toUInt(&ok);
    const bool inStack = ok && unit >= FirstUnit && unit <= LastUnit;
    if (inStack && !m_kept.contains(unit)) {
        m_kept.append(unit);
        CvSNMPRequest2Edits::AddRow();
    } else if (inStack) {
        ++m_repeatedRows;
        if (!m_repeated.contains(id))
            m_repeated.append(id);
    } else {
        m_outside.append(id);
    }
    if (ok && unit > LastUnit) {
        m_passed = true;
        Stop();
    } else if (m_rowsRead >= MaxRows) {
        m_cut = true;
        Stop();
    }
}

QString UnitTableBinding::LeftOutNote() const
{
    QStringList parts;
    if (!m_outside.isEmpty())
        parts << QStringLiteral("Units outside %1 to %2 left out: %3%4.")
                     .arg(FirstUnit)
                     .arg(LastUnit)
                     .arg(m_outside.join(QStringLiteral(", ")),
                         m_passed ? QStringLiteral(" (the table was read no further)") : QString());
    if (m_repeatedRows > 0)
        parts << QStringLiteral("%1 more rows of units already read left out (units %2).")
                     .arg(m_repeatedRows)
                     .arg(m_repeated.join(QStringLiteral(", ")));
    if (m_cut)
        parts << QStringLiteral("The unit table was read no further than its first %1 rows.")
                     .arg(MaxRows);
    return parts.join(QLatin1Char(' '));
}

void UnitTableBinding::showNote()
{
    if (!noteTarget)
        return;
    const QString note = LeftOutNote();
    noteTarget->setText(note);
    noteTarget->setVisible(!note.isEmpty());
}
