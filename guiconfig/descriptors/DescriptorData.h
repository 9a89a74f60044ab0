#pragma once

// Shared pieces of the descriptor tables: the enterprise OID prefix; the
// option lists many windows show are those of CvStandardOptions.h.
#include "CvFormDescriptor.h"
#include "CvStandardOptions.h"

#include <QtGlobal>

// An OID under the maker's enterprise number: PEN_OID(".12.15.1.2").
#define PEN_OID(rest) "1.3.6.1.4.1." QT_STRINGIFY(TRV_PEN) rest

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
