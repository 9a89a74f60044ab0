#include "ManyRows.h"

#include "CvSNMPRequest2Edits.h"
#include "FlagsGuard.h"

#include <QPointer>
#include <QTreeWidget>

#include <functional>

void AllowManyRows(CvSNMPRequest2Edits &request)
{
    if (request.listView)
        request.listView->setSelectionMode(QAbstractItemView::ExtendedSelection);
}

bool ManyRowsSelected(const CvSNMPRequest2Edits &request)
{
    return request.SelectedRows().size() > 1;
}

namespace {
// The writes with the variables excluded marked, then, the marks gone,
// the list read again to show what they left (unless the window closed
// meanwhile): a read with marked variables would lay out other columns.
void writeAndRead(
    CvSNMPRequest2Edits &request, const QList<int> &excluded, const std::function<void()> &write)
{
    const QPointer<CvSNMPRequest2Edits> alive(&request);
    {
        FlagsGuard flags(request);
        for (int v : excluded)
            flags.Exclude(v);
        write();
    }
    if (alive && request.request.running)
        request.Read();
}
} // namespace

void WriteEachSelectedRow(CvSNMPRequest2Edits &request, const QList<int> &excluded)
{
    writeAndRead(
        request, excluded, [&request] { request.WriteRows(request.SelectedRows(), true); });
}

void DestroyEachSelectedRow(
    CvSNMPRequest2Edits &request, int statusVariable, const QList<int> &excluded)
{
    writeAndRead(request, excluded, [&request, statusVariable] {
        request.WriteRows(request.SelectedRows(), false,
            [&request, statusVariable] { request.TakeControls(statusVariable); });
    });
}
