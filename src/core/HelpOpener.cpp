#include "core/HelpOpener.h"

#include "core/Log.h"

namespace mirato {

void openHelp(const AppPaths& paths, Language language, const HostConventions& conventions,
              Launcher& launcher) {
    const QString file = paths.helpFile(language);
    if (!launcher.start(conventions.helpViewer(file)))
        qCDebug(lcCore) << "no viewer for" << file;
}

}  // namespace mirato
