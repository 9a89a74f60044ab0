#include "DescriptorData.h"

const CvFormDescriptor PortMenuForms[] = {
    {},
};
