#include "DescriptorData.h"

const CvFormDescriptor RmonForms[] = {
    {},
};
