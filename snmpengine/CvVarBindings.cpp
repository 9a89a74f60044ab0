#include "CvVarBindings.h"

#include "CvCatalogues.h"
#include "CvIndexCodec.h"
#include "CvValueCodec.h"

namespace {

QString withSuffix(const QString &base, const QString &suffix)
{
    return suffix.isEmpty() ? base : base + QLatin1Char('.') + suffix;
}

} // namespace

QList<CvVarBinding> SelectBindings(CvSNMPVarList &list, CvPduPurpose purpose)
{
    if (list.kind > MVT_UMV)
        RaiseEngine(EngineCode::BadListKind);
    if (purpose == CvPduPurpose::WalkStep && !list.IsTableKind())
        RaiseEngine(EngineCode::SingleValueGetNext);

    QList<CvVarBinding> bindings;
    if (purpose == CvPduPurpose::Write) {
        // The row's index values travel in the OIDs, not as bindings.
        const QString row = list.IsTableKind() ? RowIndexSuffix(list) : QString();
        for (int i = 0; i < list.Count(); ++i) {
            if (!list.IsSendable(i) || (list.IsTableKind() && i < list.indexCount))
                continue;
            // No value to write: the write leaves what the agent holds.
            if (IsAbsentValue(list.Var(i).value))
                continue;
            QString oid = list.BaseOid(i);
            if (list.kind == SVT_SV)
                oid += QLatin1String(".0");
            else if (list.IsTableKind())
                oid = withSuffix(oid, row);
            bindings.append({i, oid, LoadValue(list, i)});
        }
        return bindings;
    }

    for (int i = 0; i < list.Count(); ++i) {
        if (!list.IsReadable(i))
            continue;
        CvSNMPVariable &var = list.Var(i);
        if (purpose == CvPduPurpose::WalkStep) {
            // A column whose walk is over is not asked again; one not yet
            // asked starts at its base.
            if (!var.columnLeft)
                bindings.append({i, var.lastOid.isEmpty() ? list.BaseOid(i) : var.lastOid, {}});
            continue;
        }
        var.lastOid.clear();
        var.columnLeft = false;
        const QString base = list.BaseOid(i);
        bindings.append({i, list.kind == SVT_SV ? base + QLatin1String(".0") : base, {}});
    }
    return bindings;
}
