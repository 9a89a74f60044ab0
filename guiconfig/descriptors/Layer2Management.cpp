#include "DescriptorData.h"

const CvFormDescriptor Layer2ManagementForms[] = {
    {},
};
