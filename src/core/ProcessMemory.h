#pragma once

namespace mirato::ProcessMemory {

// One allocation arena for the whole process. The playback engine's threads would otherwise
// each grow an arena of their own at the first song change (about 20 MiB that stays); with one,
// memory stays flat over any number of songs. Call first thing, before any thread starts.
void useOneArena();

// Gives the memory the allocator holds but no longer uses back to the system.
void giveBack();

}  // namespace mirato::ProcessMemory
