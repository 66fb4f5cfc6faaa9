#include "core/ProcessMemory.h"

#include <cstdlib>  // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace mirato::ProcessMemory {

void useOneArena() {
#if defined(__GLIBC__)
    mallopt(M_ARENA_MAX, 1);
#endif
}

void giveBack() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

}  // namespace mirato::ProcessMemory
