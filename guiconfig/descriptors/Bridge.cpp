#include "DescriptorData.h"

const CvFormDescriptor BridgeForms[] = {
    {},
};
