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
    request.Write(true, true);
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
