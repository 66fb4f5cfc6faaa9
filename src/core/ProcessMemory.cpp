#include "core/ProcessMemory.h"

#include <malloc.h>

namespace mirato::ProcessMemory {

void useOneArena() {
    mallopt(M_ARENA_MAX, 1);
}

void giveBack() {
    malloc_trim(0);
}

}  // namespace mirato::ProcessMemory
