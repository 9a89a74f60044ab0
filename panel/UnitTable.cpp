#include "UnitTable.h"

#include "CvOptionList.h"
#include "CvUnitTableOid.h"

namespace {
#define UNIT_ENTRY(column) CV_UNIT_TABLE_ENTRY "." #column

const CvIntOption unitStates[] = {{1, "exist"}, {0, "not-exist"}, {0, nullptr}};
const CvIntOption unitModes[] = {{3, "stand-alone"}, {4, "master"}, {5, "slave"}, {0, nullptr}};

const CvOptionList &unitStateOptions()
{
    static const CvOptionList list(unitStates);
    return list;
}

const CvOptionList &unitModeOptions()
{
    static const CvOptionList list(unitModes);
    return list;
}
} // namespace

const CvSNMPVar UnitTableVars[] = {
    // Unsigned: the largest sub-identifier is unit 4294967295, not -1.
    {UNIT_ENTRY(1), "swUnitMgmtId", SyntaxUInteger, AccessNotAccessible},
    {UNIT_ENTRY(2), "swUnitMgmtStatus", SyntaxInteger, AccessReadOnly, &unitStateOptions()},
    {UNIT_ENTRY(3), "swUnitMgmtMacAddr", SyntaxMacAddress, AccessReadOnly},
    {UNIT_ENTRY(4), "swUnitMgmtStartPort", SyntaxInteger, AccessReadOnly},
    {UNIT_ENTRY(5), "swUnitMgmtPortRange", SyntaxInteger, AccessReadOnly},
    {UNIT_ENTRY(6), "Front Panel Led Status", SyntaxOctetString, AccessReadOnly},
    {UNIT_ENTRY(8), "swUnitMgmtCurrentMode", SyntaxInteger, AccessReadOnly, &unitModeOptions()},
    {UNIT_ENTRY(9), "swUnitMgmtVersion", SyntaxDisplayString, AccessReadOnly},
    {UNIT_ENTRY(10), "swUnitMgmtModuleName", SyntaxDisplayString, AccessReadOnly},
    {UNIT_ENTRY(6), "swUnitMgmtFrontPanelLedStatus", SyntaxOctetString, AccessReadOnly},
    {},
};

const CvSNMPVar *LedStatusVars()
{
    return &UnitTableVars[9];
}
