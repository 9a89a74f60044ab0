#include "DescriptorData.h"

const CvFormDescriptor SnmpV3Forms[] = {
    {},
};
