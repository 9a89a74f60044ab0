#include "SelectiveWrite.h"

#include "CvSNMPRequest2Edits.h"
#include "FlagsGuard.h"

#include <QLineEdit>
#include <QPointer>

void WriteExcluding(CvSNMPRequest2Edits &request, const QList<int> &excluded)
{
    FlagsGuard flags(request);
    for (int i : excluded)
        flags.Exclude(i);
    if (request.asynchronous) {
        // The re-read starts from the answer, after the words are back.
        request.Write(true, true);
        return;
    }
    // A synchronous write would read again inside Write, with the excluded
    // variables still marked: the list view would take them for hidden
    // columns and show every row under the wrong captions.
    request.Write(false, true);
    flags.Restore();
    request.Read();
}

bool EditsAccepted(CvSNMPRequest2Edits &request, const QList<QLineEdit *> &edits)
{
    const QPointer<CvSNMPRequest2Edits> self(&request);
    for (QLineEdit *edit : edits) {
        if (!self)
            return false;
        if (edit && !request.constraints.EditExit(edit))
            return false;
    }
    return bool(self);
}
