#pragma once

#include <QString>

namespace mirato::ProgramFolder {

// The folder of the running program's executable, asked of the system, so that it is known
// before the application object exists (which is what Qt asks for its own answer).
QString path();

}  // namespace mirato::ProgramFolder
