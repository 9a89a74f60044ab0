#pragma once

// What the change journal's window and its undo tell the operator.
namespace JournalMessages {
inline constexpr const char *NothingTaken = "Nothing to undo: the switch took none of this change.";
inline constexpr const char *AlreadyAsBefore
    = "Nothing to undo: the switch holds the values from before this change already.";
inline constexpr const char *StillWaiting
    = "This change is still waiting for the agent's answer. Undo it once the answer is in.";
// "%1" is the catalogued message of the read that failed.
inline constexpr const char *ReadFailed
    = "The objects could not be read from the switch, so nothing was undone.\n%1";
// "%1" lists each object with its reason, one a line.
inline constexpr const char *CannotUndo = "This change cannot be undone:\n%1";
// "%1" is the catalogued message of each request that failed, one a line.
inline constexpr const char *UndoFailed
    = "The undo was not written in full; the journal shows what the switch took.\n%1";
inline constexpr const char *StillHolds = "The switch still holds what was written. Undo sets "
                                          "these objects back to their values before the change.";
// "%1" names the objects that differ.
inline constexpr const char *HoldsOther
    = "The switch holds something else now for: %1. Nothing is written for these unless you "
      "tick them.";
inline constexpr const char *SaveFailed = "The journal could not be saved to %1: %2";

// Reasons given for one object.
inline constexpr const char *NotReadBefore
    = "its value before the change was not read, so it cannot be set back";
inline constexpr const char *NoValueBefore
    = "it had no value before the change; only removing its row would take it away";
inline constexpr const char *GoneNow = "it is no longer on the switch";
inline constexpr const char *OtherNow = "the switch holds something else now";
inline constexpr const char *AsBefore = "holds the value from before the change already";
inline constexpr const char *RowGone = "the row is gone already";
// "%1" names the objects of the row that changed.
inline constexpr const char *RowChanged = "the row was changed since: %1";
inline constexpr const char *RowNotRemovable = "this window does not remove rows of its table";
inline constexpr const char *RowBackAlready = "a row with this index is on the switch again";
inline constexpr const char *RowNotRead
    = "its values were not read before it was deleted, so it cannot be made again";
inline constexpr const char *RowNotCreatable = "this window does not make rows of its table";
} // namespace JournalMessages
