#include "Program.h"

namespace mirato {

// Windows loads the whole program at once.
int startProgram(ProgramStart& start) {
    return runProgram(start);
}

}  // namespace mirato
