#include "ModuleWindows.h"

#include "GeneratedWindows.h"
#include "HandLaidWindows.h"

void RegisterModuleWindows()
{
    RegisterGeneratedWindows();
    RegisterHandLaidWindows();
}
