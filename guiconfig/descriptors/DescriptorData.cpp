#include "DescriptorData.h"

QList<const CvFormDescriptor *> AllFormDescriptors()
{
    static const CvFormDescriptor *const menus[] = {BasicConfigurationForms, RmonForms, BridgeForms,
        VlanForms, SnmpV3Forms, SecurityManagementForms, Layer2ManagementForms,
        Layer3ManagementForms, SingleIpForms, PortMenuForms};
    QList<const CvFormDescriptor *> all;
    for (const CvFormDescriptor *menu : menus)
        for (const CvFormDescriptor *d = menu; d->menuPath; ++d)
            all.append(d);
    return all;
}

const CvFormDescriptor *FindFormDescriptor(const QString &menuPath)
{
    for (const CvFormDescriptor *d : AllFormDescriptors())
        if (menuPath == QLatin1String(d->menuPath))
            return d;
    return nullptr;
}
