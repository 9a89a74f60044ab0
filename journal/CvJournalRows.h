#pragma once

#include "CvChangeJournal.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The journal as rows of text, one per object written: what the journal
// window lists, copies and saves.
struct CvJournalRow
{
    int entry = 0;
    QString time;
    QString window;
    QString agent;
    QString object;
    QString before;
    QString after;
    QString result;

    // The cells the window shows, in its column order.
    QStringList Cells() const { return {time, window, object, before, after, result}; }
};

// "2024-05-01 14:03:22"
QString JournalTime(const QDateTime &time);
// The window's title; an undo is marked as one ("Undo: VLAN Static Form").
QString JournalWindow(const CvJournalEntry &entry);
// Every object of the entry, in the order it was sent.
QList<CvJournalRow> JournalRows(const CvJournalEntry &entry);
// Every object of every entry, newest entry first, as the window lists them.
QList<CvJournalRow> JournalRows(const QList<CvJournalEntry> &entries);

// The window's column captions: Time, Window, Object, Before, After, Result.
QStringList JournalColumns();

// Tab-separated, the captions first, one row a line.
QString JournalTsv(const QList<CvJournalRow> &rows);
// Comma-separated with the agent after the window, the captions first; a
// cell with a comma, quote or line break is quoted, and one a spreadsheet
// would take for a formula is kept as text.
QByteArray JournalCsv(const QList<CvJournalRow> &rows);
// The entries, newest first, each with its objects.
QByteArray JournalJson(const QList<CvJournalEntry> &entries);
