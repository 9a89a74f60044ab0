#pragma once

#include "CvSNMPRequest2Edits.h"

#include <QLabel>
#include <QPointer>
#include <QStringList>

// The binding that reads the stack's unit table (UnitTableVars) into the
// main window's unit list. A stack has units 1 to 12, so only their rows
// reach the list, and with it the front panels and the port grids; the
// walk stops at the first row past unit 12 (get-next reads the table in
// unit order, so every later row is past it too) and after MaxRows rows
// whatever they hold. An agent with a huge or endless unit table costs a
// few requests, not a panel per row. After an asynchronous read the note
// target names the rows left out; the message target keeps the read's own
// result line, a failure included.
class UnitTableBinding : public CvSNMPRequest2Edits
{
    Q_OBJECT

public:
    static constexpr quint32 FirstUnit = 1;
    static constexpr quint32 LastUnit = 12;
    // Units 0 to 13 and room for rows that repeat a unit.
    static constexpr int MaxRows = 32;
    // The get-next steps of one read at most: a step per row, the step that
    // finds the end, and under SNMPv1 a step more for each column meeting
    // the end of the view before the others.
    static constexpr int MaxSteps = MaxRows + 1 + 9;

    explicit UnitTableBinding(QWidget *owner);

    // How long one read may take at most: every step tried with the
    // request's time-out and retries, and a second to spare.
    int ReadWaitMs() const;
    // The rows the last read left out, in words; empty when none.
    QString LeftOutNote() const;

    // Shows LeftOutNote after each asynchronous read, hidden when empty.
    QPointer<QLabel> noteTarget;

protected:
    void BeginRead() override;
    void AddRow() override;

private:
    void showNote();

    QStringList m_outside; // unit ids outside 1 to 12, as read
    QStringList m_repeated; // ids of units that had a row already
    int m_repeatedRows = 0;
    QList<quint32> m_kept;
    int m_rowsRead = 0;
    bool m_passed = false; // stopped at a unit past the last
    bool m_cut = false; // stopped after MaxRows rows
};
