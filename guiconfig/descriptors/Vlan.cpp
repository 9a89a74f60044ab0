#include "DescriptorData.h"

const CvFormDescriptor VlanForms[] = {
    {},
};
