#include "ViewCatalogue.h"

QList<const ViewDefinition *> AllViews()
{
    QList<const ViewDefinition *> all;
    for (const ViewDefinition *list : {MibViews, PortViews, Layer3Views})
        for (const ViewDefinition *v = list; v->argument; ++v)
            all.append(v);
    return all;
}

const ViewDefinition *FindView(const QString &argument)
{
    for (const ViewDefinition *v : AllViews())
        if (argument == QLatin1String(v->argument))
            return v;
    return nullptr;
}

QString FamilyOf(const ViewDefinition &view)
{
    const QString argument = QLatin1String(view.argument);
    return argument.left(argument.indexOf(QLatin1Char('_')));
}

bool IsViewFamily(const QString &name)
{
    for (const char *family : ViewFamilies)
        if (name == QLatin1String(family))
            return true;
    return false;
}
