#include "platform/CoreDumps.h"

#include <sys/prctl.h>

void CCoreDumps::Disable()
{
    prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
}
