#include "DescriptorData.h"

const CvFormDescriptor SecurityManagementForms[] = {
    {},
};
