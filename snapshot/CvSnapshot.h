#pragma once

#include "CvSNMPValue.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One value of a switch's settings as the snapshot file keeps it.
struct CvSnapshotValue
{
    QString oid; // with its instance
    qint32 syntax = 0;
    QString raw; // the engine's text of the value for its syntax
    // In words, for people: the window, the row, the column, the value.
    QString menuPath;
    QString row; // "VLAN ID 30"; empty for a scalar
    QString label;
    QString words;
    // Where it sorts: the table's catalogue position, the instance, the
    // column's position (a value of no known table sorts last, by OID).
    int tableOrder = 0;
    int column = 0;
    QString instance;

    CvSNMPValue Value() const;
};

// A switch's settings at one time: the header and the values, sorted.
struct CvSnapshot
{
    QString time; // ISO 8601, UTC
    QString agent; // "127.0.0.1:161"
    QString sysName;
    QString sysObjectId;
    QStringList units; // "unit 1: model"
    QString version; // the module's
    bool secrets = false; // secrets were asked for and are in the file
    QStringList absentTables; // menu paths of tables the agent does not hold
    QList<CvSnapshotValue> values;

    void Sort();
    const CvSnapshotValue *Find(const QString &oid) const;
    // The file's text: '#' header lines, then one line per value.
    QByteArray ToText() const;
    // The file read back; nullopt with a reason in error when it is not one.
    static std::optional<CvSnapshot> FromText(const QByteArray &text, QString *error);
};

// Fills a value's words, row and sort keys from the catalogue.
void DescribeSnapshotValue(CvSnapshotValue &value);

// The module's version, as the header names it.
QString SnapshotModuleVersion();
