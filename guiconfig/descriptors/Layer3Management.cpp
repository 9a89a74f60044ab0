#include "DescriptorData.h"

const CvFormDescriptor Layer3ManagementForms[] = {
    {},
};
