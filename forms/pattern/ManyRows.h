#pragma once

#include <QList>

class CvSNMPRequest2Edits;

// Several rows of a dialog-edited window at once. The list lets the
// operator select several rows (Ctrl and Shift click, Ctrl+A); the bound
// dialog then shows what they have in common (the binding leaves a value
// they do not share empty, and a write leaves an empty field out). Edit
// writes the dialog to each selected row and Delete removes each after
// one question (ConfirmDeleteRows), one set request per row and one
// journal entry for all; each row's result goes to the window's memo.
// With one row selected the window works as it always did.

// Extended selection on the list the request is bound to.
void AllowManyRows(CvSNMPRequest2Edits &request);

// More than one row is selected in the request's list.
bool ManyRowsSelected(const CvSNMPRequest2Edits &request);

// Edit: the bound controls to each selected row, the variables excluded
// left out; then, their flags restored, the list is read again. Throws
// CvException as Write does when a value does not convert.
void WriteEachSelectedRow(CvSNMPRequest2Edits &request, const QList<int> &excluded = {});

// Delete: each selected row, addressed by its own index, gets the value of
// the status variable's control (which the window has set to destroy);
// the variables excluded stay out. Then the list is read again.
void DestroyEachSelectedRow(
    CvSNMPRequest2Edits &request, int statusVariable, const QList<int> &excluded);
