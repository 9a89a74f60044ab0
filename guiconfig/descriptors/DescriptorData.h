#pragma once

// Shared pieces of the descriptor tables: the enterprise OID prefix and the
// option lists that many windows show.
#include "CvFormDescriptor.h"
#include "CvOptionList.h"

#include <QtGlobal>

// An OID under the maker's enterprise number: PEN_OID(".12.15.1.2").
#define PEN_OID(rest) "1.3.6.1.4.1." QT_STRINGIFY(TRV_PEN) rest

namespace Options {
// The option list of a static table, built on first use:
// Options::Of<unitModes>() for {value, text} pairs, OfTexts for text values.
template <const CvIntOption *Table> const CvOptionList *Of()
{
    static const CvOptionList list(Table);
    return &list;
}
template <const CvTextOption *Table> const CvOptionList *OfTexts()
{
    static const CvOptionList list(Table, CvOptionList::TextValues);
    return &list;
}

const CvOptionList &EnabledDisabled(); // 2 disabled, 3 enabled
const CvOptionList &Other123(); // 1 other, 2 disabled, 3 enabled
const CvOptionList &TrueFalse(); // 1 true, 2 false
const CvOptionList &EnabledDisabled12(); // 1 enabled, 2 disabled
const CvOptionList &RowStatus(); // 1 active .. 6 destroy
const CvOptionList &StorageType(); // 1 other .. 5 readOnly
const CvOptionList &ValidInvalid(); // 2 invalid, 3 valid
} // namespace Options

// The per-menu descriptor arrays, each ended by {}.
extern const CvFormDescriptor BasicConfigurationForms[];
extern const CvFormDescriptor RmonForms[];
extern const CvFormDescriptor BridgeForms[];
extern const CvFormDescriptor VlanForms[];
extern const CvFormDescriptor SnmpV3Forms[];
extern const CvFormDescriptor SecurityManagementForms[];
extern const CvFormDescriptor Layer2ManagementForms[];
extern const CvFormDescriptor Layer3ManagementForms[];
extern const CvFormDescriptor SingleIpForms[];
extern const CvFormDescriptor PortMenuForms[];

// The port tables shared by the Layer 2 windows and the port menu of the
// front panels (defined with the port menu).
extern const CvSNMPVar PortInformationVars[];
extern const CvControlBinding PortInformationBindings[];
extern const CvSNMPVar PortControlVars[];
extern const CvControlBinding PortControlBindings[];
