#include "Program.h"

// The module's one way in, under a name dlsym finds.
extern "C" __attribute__((visibility("default"))) int mirato_run_program(
    mirato::ProgramStart* start) {
    return mirato::runProgram(*start);
}
