#include "core/HelpOpener.h"

#include "core/Log.h"

namespace mirato {

void openHelp(const AppPaths& paths, const QString& language, const HostConventions& conventions,
              Launcher& launcher) {
    const QString file = paths.helpFile(language);
    if (file.isEmpty()) {
        qCDebug(lcCore) << "no help text for language" << language;
        return;
    }
    if (!launcher.start(conventions.helpViewer(file)))
        qCDebug(lcCore) << "no viewer for" << file;
}

}  // namespace mirato
