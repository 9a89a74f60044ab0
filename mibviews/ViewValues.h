#pragma once

#include "CvSNMPValue.h"
#include "ViewCatalogue.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

// The texts a view shows for values and indexes, what it sorts them by,
// and the rates of counters.

// The text of a value as its column shows it: names of enumerations and
// bits, durations of time ticks, addresses in their usual form. A value the
// agent does not have reads "n/a".
QString ValueText(const ViewColumn &column, const CvSNMPValue &value);

// What the column sorts by: numbers as numbers, addresses by their octets,
// names and texts as text.
QVariant SortKey(const ViewColumn &column, const CvSNMPValue &value);

// The name of a value in a list of named values, or the number itself.
QString NamedValue(const CvIntOption *names, qint64 value);

// The rate per second of a counter between two readings taken at the given
// milliseconds. A Counter32 that went down wrapped once past 2^32, a
// Counter64 past 2^64. nullopt unless both readings are counters of the
// same kind taken at different times.
std::optional<double> CounterRate(
    const CvSNMPValue &before, qint64 beforeMs, const CvSNMPValue &after, qint64 afterMs);
QString RateText(double perSecond);

struct ViewIndexValue
{
    QString text;
    QVariant key; // sort key
};

// The parts of a table's index from the instance sub-identifiers; nullopt
// when they do not fit the parts exactly.
std::optional<QList<ViewIndexValue>> DecodeIndex(
    const ViewIndexPart *parts, const quint32 *arcs, qsizetype count);

// One field of comma-separated values, quoted when it must be.
QString CsvField(const QString &text);
