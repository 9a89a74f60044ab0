#pragma once

#include "CvSNMPVar.h"

#include <QList>
#include <QString>

// The engine's own copy of a variable table: the variables in table order
// (their positions are the variable indexes windows and expressions use),
// the list kind, how many leading variables are the table's index objects,
// the instance text of a single-row list and a name for status lines.
// Copies are deep: every variable, with its value and last OID, is copied.
class CvSNMPVarList
{
public:
    CvSNMPVarList() = default;
    CvSNMPVarList(const CvSNMPVar *table, quint8 kind, qint32 indexCount);

    // Appends copies of a null-terminated static table's records, with empty
    // value and last OID. A null table, or one whose first oid is null,
    // appends nothing.
    void Append(const CvSNMPVar *table);

    int Count() const { return int(vars.size()); }
    // Throws CvException -12 for a position outside 0..Count()-1.
    CvSNMPVariable &Var(int i);
    const CvSNMPVariable &Var(int i) const;

    // The tests read the low byte of the flags word.
    bool IsReadable(int i) const;
    bool IsSendable(int i) const;
    bool IsImplied(int i) const;
    bool IsShownColumn(int i) const;
    bool IsHiddenColumn(int i) const;
    int CountShownColumns() const;
    int CountHiddenColumns() const;

    // The variable's OID, followed by "." and the instance when the list has
    // one.
    QString BaseOid(int i) const;
    // The last index variable of a table whose INDEX clause says IMPLIED.
    bool IsLastImplied(int i) const;
    bool IsTableKind() const { return kind == MVT_FMV || kind == MVT_UMV; }

    QString instance;
    qint32 indexCount = 0;
    quint8 kind = SVT_SV;
    QString name;
    QList<CvSNMPVariable> vars;
};
