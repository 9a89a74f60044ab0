#pragma once

// What the catalogue tests share: a session pointed at the test's simulator,
// descriptors by menu path, and tables read and written the way the windows'
// Refresh, Add and Delete do it, with plain requests.
#include "CvFormDescriptor.h"

#include <QMap>
#include <QMetaType>
#include <QString>
#include <QStringList>

class CvSNMPVarList;
class SimulatorProcess;

using Rows = QMap<QString, QStringList>; // index key -> values of every variable
using ColumnValues = QMap<int, QString>; // variable position -> value text
Q_DECLARE_METATYPE(ColumnValues)

// SNMPv2c to the simulator, read community "kestra", write "marlowe".
void PointSessionAt(const SimulatorProcess &sim);
// The same to another agent.
void PointSessionAt(const QString &address, quint16 port);

// The descriptor of a menu path; a missing one ends the test program.
const CvFormDescriptor &DescriptorAt(const char *menuPath);

// The index texts of the list's current row, joined by "|".
QString IndexKey(const CvSNMPVarList &list);

// A fresh request walks the whole table, as a window's Refresh does.
Rows ReadTable(const CvFormDescriptor &d);

// The row the index names gets the given column values; every other
// non-index variable is left out of the write.
void WriteRow(const CvFormDescriptor &d, const QStringList &index, const ColumnValues &values);

// The add dialog: the index, the given columns and the create value.
void AddRow(const CvFormDescriptor &d, const QStringList &index, const ColumnValues &values = {});

// Delete: the index addresses the row, only the status column is written.
void DeleteRow(const CvFormDescriptor &d, const QStringList &index);
