#include <dlfcn.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "Program.h"
#include "platform/ProgramFolder.h"

namespace mirato {

// The program proper is a module: its window libraries (QtGui, QtWidgets and theirs) load only
// now, after a song's engine has begun loading, so the song is heard without waiting for them.
// It lies in program/ beside the program in a build, in lib/mirato/program once installed.
int startProgram(ProgramStart& start) {
    const QString folder = ProgramFolder::path();
    QString module = folder + QStringLiteral("/program/libmirato-program.so");
    if (!QFileInfo(module).isFile())
        module =
            QDir::cleanPath(folder + QStringLiteral("/../lib/mirato/program/libmirato-program.so"));
    void* handle = dlopen(QFile::encodeName(module).constData(), RTLD_NOW | RTLD_LOCAL);
    using Entry = int (*)(ProgramStart*);
    const auto entry = handle ? reinterpret_cast<Entry>(dlsym(handle, kProgramEntry)) : nullptr;
    if (!entry) {
        std::fprintf(stderr, "mirato: cannot load the program: %s\n", dlerror());
        return 1;
    }
    // Never unloaded: what it made may be torn down after it returns.
    return entry(&start);
}

}  // namespace mirato
