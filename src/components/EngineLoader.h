#pragma once

#include <QMap>
#include <QSet>
#include <QString>

#include "components/PlaybackEngine.h"

namespace mirato {

// Finds and loads the playback engine plug-ins ("mpv", "fluidsynth") the first time one is
// needed. A plug-in once loaded stays loaded for the rest of the run.
class EngineLoader {
public:
    explicit EngineLoader(QString folder = defaultFolder());

    // $MIRATO_BACKEND_DIR; else backends/ beside the executable; else the installed
    // <prefix>/lib/mirato/backends.
    static QString defaultFolder();

    // Starts loading the named plug-in's libraries on a worker thread, so that create() later
    // finds them in memory. Loading the engine libraries is most of the cost of the first
    // playback; this hides it while the user is still typing.
    void preload(const QString& name);

    // A new engine of the named plug-in; nullptr with a reason when it cannot be loaded.
    PlaybackEngine* create(const QString& name, QString* error);

private:
    QString pathOf(const QString& name) const;

    QString folder_;
    QSet<QString> preloading_;
    QMap<QString, PlaybackEngineFactory*> factories_;
};

}  // namespace mirato
