#include <windows.h>

#include "core/ProcessMemory.h"

namespace mirato::ProcessMemory {

// Windows' heap has no arenas per thread to fold.
void useOneArena() {}

// Pages the process does not touch leave its working set until they are needed again.
void giveBack() {
    SetProcessWorkingSetSize(GetCurrentProcess(), SIZE_T(-1), SIZE_T(-1));
}

}  // namespace mirato::ProcessMemory
