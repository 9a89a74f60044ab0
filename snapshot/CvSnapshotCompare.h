#pragma once

#include "CvSnapshot.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What differs between two snapshots: a saved one and the switch now (or a
// later file), object by object, told in words and grouped by window.
struct CvSnapshotDifference
{
    enum class Kind {
        Changed, // both hold the object, with other values
        Added, // only the later one holds it
        Removed, // only the saved one holds it
    };
    Kind kind = Kind::Changed;
    QString oid;
    std::optional<CvSnapshotValue> saved;
    std::optional<CvSnapshotValue> now;
    // A whole row that one side holds and the other does not: the
    // difference of its status column, standing for the row.
    bool wholeRow = false;
    // For a whole row: every value of it that side holds.
    QList<CvSnapshotValue> rowValues;

    const CvSnapshotValue &Any() const { return saved ? *saved : *now; }
    QString Window() const { return Any().menuPath.isEmpty() ? Any().oid : Any().menuPath; }
    // "VLAN ID 30: Untagged Ports 1:14 added"
    QString Text() const;
};

struct CvSnapshotComparison
{
    QList<CvSnapshotDifference> differences; // in the order of the file
    bool IsEmpty() const { return differences.isEmpty(); }
    // One block a window: the window's path, then its differences indented.
    QStringList Lines() const;
};

// What the later snapshot changed against the saved one. A row one side
// holds and the other does not is one difference when the table has a
// status column (its other columns go with it).
CvSnapshotComparison CompareSnapshots(const CvSnapshot &saved, const CvSnapshot &now);
