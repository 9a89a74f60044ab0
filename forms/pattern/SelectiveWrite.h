#pragma once

#include <QList>

class CvSNMPRequest2Edits;
class QLineEdit;

// The write step of a selective-write window: the variables in excluded are
// marked not to be sent, the request takes the controls and writes the row
// with the others, and every flags word is back as it was when this returns
// or throws (the request's PDU is made before Write returns). The table is
// read again once the write has succeeded, with every flags word back.
void WriteExcluding(CvSNMPRequest2Edits &request, const QList<int> &excluded);

// Runs the exit check of each edit's format constraint, as leaving the edit
// would: false at the first text that fails (its message box has been
// answered and the edit has its last accepted text back).
bool EditsAccepted(CvSNMPRequest2Edits &request, const QList<QLineEdit *> &edits);
