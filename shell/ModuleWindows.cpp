#include "ModuleWindows.h"

#include "GeneratedWindows.h"

void RegisterModuleWindows()
{
    RegisterGeneratedWindows();
}
