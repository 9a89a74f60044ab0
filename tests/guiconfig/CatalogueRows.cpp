#include "CatalogueRows.h"

#include "CvSNMPRequest.h"
#include "CvSNMPSession.h"
#include "SimulatorProcess.h"

#include <QtGlobal>

void PointSessionAt(const SimulatorProcess &sim)
{
    PointSessionAt(sim.address(), sim.port());
}

void PointSessionAt(const QString &address, quint16 port)
{
    CvSNMPSessionDefaults &s = SessionDefaults();
    s = InitialSessionDefaults();
    s.device.address = address;
    s.device.port = port;
    s.security.version = 1;
    s.security.readCommunity = QStringLiteral("kestra");
    s.security.writeCommunity = QStringLiteral("marlowe");
}

const CvFormDescriptor &DescriptorAt(const char *menuPath)
{
    const CvFormDescriptor *d = FindFormDescriptor(QString::fromUtf8(menuPath));
    if (!d)
        qFatal("no descriptor %s", menuPath);
    return *d;
}

QString IndexKey(const CvSNMPVarList &list)
{
    QStringList parts;
    for (int i = 0; i < list.indexCount; ++i)
        parts.append(list.Var(i).value);
    return parts.join(QLatin1Char('|'));
}

Rows ReadTable(const CvFormDescriptor &d)
{
    CvSNMPRequest r;
    r.SetVarList(d.variables, d.listKind, d.indexCount);
    Rows rows;
    for (bool more = r.Get(true); more; more = r.Get(false)) {
        QStringList values;
        for (int i = 0; i < r.varList.Count(); ++i)
            values.append(r.varList.Var(i).value);
        rows.insert(IndexKey(r.varList), values);
    }
    return rows;
}

void WriteRow(const CvFormDescriptor &d, const QStringList &index, const ColumnValues &values)
{
    CvSNMPRequest r;
    r.SetVarList(d.variables, d.listKind, d.indexCount);
    for (int i = 0; i < r.varList.Count(); ++i) {
        CvSNMPVariable &v = r.varList.Var(i);
        if (i < d.indexCount)
            v.value = index.at(i);
        else if (values.contains(i))
            v.value = values.value(i);
        else
            v.access = AccessInvalid;
    }
    r.Set(false);
}

void AddRow(const CvFormDescriptor &d, const QStringList &index, const ColumnValues &values)
{
    ColumnValues withStatus = values;
    withStatus.insert(d.createColumn, QString::fromLatin1(d.createValue));
    WriteRow(d, index, withStatus);
}

void DeleteRow(const CvFormDescriptor &d, const QStringList &index)
{
    WriteRow(d, index, {{d.deleteColumn, QString::fromLatin1(d.deleteValue)}});
}
