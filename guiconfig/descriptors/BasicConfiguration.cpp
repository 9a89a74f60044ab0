#include "DescriptorData.h"

const CvFormDescriptor BasicConfigurationForms[] = {
    {},
};
