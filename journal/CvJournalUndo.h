#pragma once

#include "CvChangeJournal.h"

#include <QList>
#include <QString>
#include <QStringList>

// Undo of a journal entry. The objects the switch took (or may have taken,
// when the answer never came) are read first; each is set back only while
// it still holds what was written, unless the operator chooses it anyway.
// A row the entry made is removed again, a row it removed is made again
// with the values read before; the sets go one request per row, recorded
// in the journal as an undo of the entry.

struct CvUndoItem
{
    enum class State {
        Restore, // holds what was written: set back to the value before
        Differs, // holds something else now: set back only when chosen
        AsBefore, // holds the value before already: nothing to write
        Refused, // cannot be set back; reason says why
    };

    State state = State::Refused;
    QString name; // the object, "Egress Ports (VLAN ID 10)"
    QString now; // what the switch holds, in the window's form
    QString afterUndo; // what the undo writes
    QString reason; // for Differs, AsBefore and Refused
    QStringList changed; // Differs: the objects that hold something else now
    bool chosen = false; // written by RunUndo
    int group = 0; // the items of one group go in one set request
    QList<CvJournalObject> writes; // the bindings it sends, as the journal records them

    bool Writable() const { return !writes.isEmpty(); }
};

struct CvUndoPlan
{
    int entry = 0;
    QList<CvUndoItem> items;

    // The objects that hold something else now, by name.
    QStringList Differing() const;
    bool AnyChosen() const;
};

// Reads what the objects of the entry hold now (synchronously, through the
// entry's target) and says for each what an undo would do. An entry the
// switch took nothing of gives a plan without items. Throws CvException
// when the objects cannot be read.
CvUndoPlan PlanUndo(const CvJournalEntry &entry);

// Writes the chosen items, one set request per group, as one journal entry
// undoing the entry. Returns the message of each request that failed;
// empty when all were written.
QStringList RunUndo(const CvJournalEntry &entry, const CvUndoPlan &plan);
