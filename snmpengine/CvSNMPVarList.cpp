#include "CvSNMPVarList.h"

#include "CvCommonMessages.h"

CvSNMPVarList::CvSNMPVarList(const CvSNMPVar *table, quint8 kind, qint32 indexCount)
    : indexCount(indexCount)
    , kind(kind)
{
    Append(table);
}

void CvSNMPVarList::Append(const CvSNMPVar *table)
{
    for (const CvSNMPVar *record = table; record && record->oid; ++record)
        vars.append(CvSNMPVariable::FromRecord(*record));
}

CvSNMPVariable &CvSNMPVarList::Var(int i)
{
    if (i < 0 || i >= vars.size())
        RaiseCommon(CommonIndexOutOfRange);
    return vars[i];
}

const CvSNMPVariable &CvSNMPVarList::Var(int i) const
{
    if (i < 0 || i >= vars.size())
        RaiseCommon(CommonIndexOutOfRange);
    return vars.at(i);
}

bool CvSNMPVarList::IsReadable(int i) const
{
    const quint8 f = Var(i).flags();
    return !(f & AccessInvalid) && (f & AccessReadOnly);
}

bool CvSNMPVarList::IsSendable(int i) const
{
    const quint8 f = Var(i).flags();
    if (f & AccessInvalid)
        return false;
    return (f & AccessWriteOnly) || (IsTableKind() && i < indexCount);
}

bool CvSNMPVarList::IsImplied(int i) const
{
    return Var(i).flags() & AccessImplied;
}

bool CvSNMPVarList::IsShownColumn(int i) const
{
    const quint8 f = Var(i).flags();
    return !(f & (AccessInvalid | AccessHidden))
        && (f & (AccessNotAccessible | AccessDerived | AccessReadOnly));
}

bool CvSNMPVarList::IsHiddenColumn(int i) const
{
    const quint8 f = Var(i).flags();
    return f == AccessWriteOnly || (f & (AccessInvalid | AccessHidden));
}

int CvSNMPVarList::CountShownColumns() const
{
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsShownColumn(i) ? 1 : 0;
    return n;
}

int CvSNMPVarList::CountHiddenColumns() const
{
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsHiddenColumn(i) ? 1 : 0;
    return n;
}

QString CvSNMPVarList::BaseOid(int i) const
{
    const QString &oid = Var(i).oid;
    return instance.isEmpty() ? oid : oid + QLatin1Char('.') + instance;
}

bool CvSNMPVarList::IsLastImplied(int i) const
{
    return i == indexCount - 1 && IsImplied(i);
}
