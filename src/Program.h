#pragma once

#include <QString>
#include <memory>

#include "components/EngineHeadStart.h"
#include "platform/InstanceChannel.h"

namespace mirato {

// What main has done before the program proper starts: the command line, the document it
// names, the instance channel it acquired and a song's engine already at work.
struct ProgramStart {
    int* argc;
    char** argv;
    QString document;
    std::unique_ptr<InstanceChannel> instance;
    std::unique_ptr<EngineHeadStart> headStart;
};

// The program proper: the application object, the windows, the event loop; returns the exit
// code. On Linux it lives in a module of its own (libmirato-program.so, entered by the C name
// kProgramEntry), so that its window libraries load after a song's engine; on Windows it is
// linked in.
int runProgram(ProgramStart& start);
inline constexpr const char* kProgramEntry = "mirato_run_program";

// From main, once the engine is on its way: loads the program proper where it is a module and
// runs it.
int startProgram(ProgramStart& start);

}  // namespace mirato
