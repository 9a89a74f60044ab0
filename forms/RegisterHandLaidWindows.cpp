// The menu commands of every hand-laid window, by menu family.
#include "HandLaidWindows.h"

void RegisterHandLaidWindows()
{
}
