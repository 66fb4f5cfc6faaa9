#pragma once

#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

#include "components/PlaybackEngine.h"

namespace mirato {

// Finds the playback engine plug-ins in their folder and loads one the first time it is
// needed. Each plug-in says in its metadata (engine.json) what it plays: address schemes and
// file extensions, "*" for whatever no other engine names; the loader picks by that, so a new
// engine is a new plug-in and nothing else. A plug-in once loaded stays loaded for the run.
class EngineLoader {
public:
    // One engine plug-in as its metadata describes it.
    struct Engine {
        QString name;  // "mpv" for libmirato-mpv.so
        QString path;
        QStringList schemes;
        QStringList extensions;
        // Its engines may be made and opened on a worker thread, before the application
        // object exists ("early": true): a song named at start is heard sooner.
        bool early = false;
    };

    explicit EngineLoader(QString folder = defaultFolder());

    // $MIRATO_BACKEND_DIR; else backends/ beside the executable; else the installed
    // <prefix>/lib/mirato/backends.
    static QString defaultFolder();

    // The engines of the folder (read once, without loading any).
    const QList<Engine>& engines();
    // The engine that plays a location: the one naming its scheme (an address) or its
    // extension, else the one taking "*" (for addresses of a scheme nobody names too); ""
    // when none does.
    QString engineFor(const QString& location);

    // Whether the named engine may be made on a worker thread (see Engine::early).
    bool isEarly(const QString& name);

    // Starts loading the named plug-in's libraries on a worker thread, so that create() later
    // finds them in memory. Loading the engine libraries is most of the cost of the first
    // playback; this hides it while the user is still typing. A failure is logged; create()
    // then says why to whoever asked.
    void preload(const QString& name);

    // A new engine of the named plug-in; nullptr with a reason when it cannot be loaded.
    PlaybackEngine* create(const QString& name, QString* error);

private:
    const Engine* find(const QString& name);

    QString folder_;
    std::optional<QList<Engine>> engines_;
    QSet<QString> preloading_;
    QMap<QString, PlaybackEngineFactory*> factories_;
};

}  // namespace mirato
