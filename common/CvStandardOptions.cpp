#include "CvStandardOptions.h"

namespace {
const CvIntOption enabledDisabled[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const CvIntOption other123[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const CvIntOption trueFalse[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const CvIntOption enabledDisabled12[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const CvIntOption rowStatus[] = {{1, "active"}, {2, "notInService"}, {3, "notReady"},
    {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"}, {0, nullptr}};
const CvIntOption rowStatusCapitals[] = {{1, "Active"}, {2, "NotInService"}, {3, "NotReady"},
    {4, "CreateAndGo"}, {5, "CreateAndWait"}, {6, "Destroy"}, {0, nullptr}};
const CvIntOption storageType[] = {{1, "other"}, {2, "volatile"}, {3, "nonVolatile"},
    {4, "permanent"}, {5, "readOnly"}, {0, nullptr}};
const CvIntOption validInvalid[] = {{2, "invalid"}, {3, "valid"}, {0, nullptr}};
} // namespace

namespace Options {
const CvOptionList &EnabledDisabled()
{
    return *Of<enabledDisabled>();
}
const CvOptionList &Other123()
{
    return *Of<other123>();
}
const CvOptionList &TrueFalse()
{
    return *Of<trueFalse>();
}
const CvOptionList &EnabledDisabled12()
{
    return *Of<enabledDisabled12>();
}
const CvOptionList &StorageType()
{
    return *Of<storageType>();
}
const CvOptionList &ValidInvalid()
{
    return *Of<validInvalid>();
}
const CvOptionList &RowStatus()
{
    return *Of<rowStatus>();
}
const CvOptionList &RowStatusCapitals()
{
    return *Of<rowStatusCapitals>();
}
} // namespace Options
