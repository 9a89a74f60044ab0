#include "DescriptorData.h"

const CvFormDescriptor SingleIpForms[] = {
    {},
};
