#include "DescriptorData.h"

namespace {
const CvIntOption enabledDisabled[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const CvIntOption other123[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const CvIntOption trueFalse[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const CvIntOption enabledDisabled12[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const CvIntOption rowStatus[] = {{1, "active"}, {2, "notInService"}, {3, "notReady"},
    {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"}, {0, nullptr}};
const CvIntOption storageType[] = {{1, "other"}, {2, "volatile"}, {3, "nonVolatile"},
    {4, "permanent"}, {5, "readOnly"}, {0, nullptr}};
const CvIntOption validInvalid[] = {{2, "invalid"}, {3, "valid"}, {0, nullptr}};
} // namespace

namespace Options {
#define TRV_OPTION_LIST(name, table)                                                               \
    const CvOptionList &name()                                                                     \
    {                                                                                              \
        static const CvOptionList list(table);                                                     \
        return list;                                                                               \
    }
TRV_OPTION_LIST(EnabledDisabled, enabledDisabled)
TRV_OPTION_LIST(Other123, other123)
TRV_OPTION_LIST(TrueFalse, trueFalse)
TRV_OPTION_LIST(EnabledDisabled12, enabledDisabled12)
TRV_OPTION_LIST(RowStatus, rowStatus)
TRV_OPTION_LIST(StorageType, storageType)
TRV_OPTION_LIST(ValidInvalid, validInvalid)
#undef TRV_OPTION_LIST
} // namespace Options

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
