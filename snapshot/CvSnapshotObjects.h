#pragma once

#include "CvSNMPVar.h"

#include <QList>
#include <QString>

// Which objects hold a switch's settings: every writable variable of the
// generated windows' descriptor tables and of the hand-laid windows'
// variable tables, table by table, in menu order. Nothing here is kept by
// hand: the list is derived from those tables when first asked for.

struct CvSnapshotColumn
{
    int var = 0; // position in the table's variables
    QString oid; // the column's OID, without instance
    QString label;
    qint32 syntax = 0;
    const CvOptionList *options = nullptr;
    bool secret = false; // a community, key, pass phrase or password
    bool portList = false; // a port list, shown as unit:port words
};

struct CvSnapshotTable
{
    int order = 0; // position in the catalogue
    QString menuPath; // "VLAN > 802.1Q > Static Table"
    const CvSNMPVar *variables = nullptr;
    quint8 listKind = SVT_SV;
    qint32 indexCount = 0;
    QList<CvSnapshotColumn> columns; // the writable ones, in table order
    bool secretRows = false; // the row index itself names a secret
    // The column that makes and removes rows, with its values: createAndGo
    // and destroy of a RowStatus, or valid and invalid. -1: rows are neither
    // made nor removed (a column of columns).
    int statusColumn = -1; // index into columns
    qint32 createValue = 0;
    qint32 removeValue = 0;
    qint32 activeValue = 0; // what a read shows for a row in use

    bool IsScalar() const { return listKind == SVT_SV; }
    const CvSnapshotColumn *Status() const
    {
        return statusColumn >= 0 ? &columns.at(statusColumn) : nullptr;
    }
};

// The catalogue, built once; tables without writable variables are left
// out, and a column two windows write is kept with the first.
const QList<CvSnapshotTable> &SnapshotTables();

// The table and column position of an object's OID (with instance); the
// instance after the column's OID in instance. False for an OID of none.
bool FindSnapshotColumn(
    const QString &oid, const CvSnapshotTable **table, int *column, QString *instance);

// The syntax keyword the file writes ("integer", "displaystr").
QString SyntaxKeyword(qint32 syntax);
qint32 SyntaxOfKeyword(const QString &keyword); // 0 when unknown
