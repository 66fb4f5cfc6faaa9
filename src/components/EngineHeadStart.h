#pragma once

#include <QString>
#include <memory>

#include "components/PlaybackEngine.h"
#include "core/Loudness.h"
#include "core/WorkerThread.h"

namespace mirato {

// A song named on the command line is heard while the program is still starting: before the
// application object exists, a worker thread loads the song's engine plug-in, makes the engine
// and opens the song at the stored volume and loudness. The media player takes the engine
// over when the document is dispatched, and the song plays on without starting again. Only
// local files (no lists, no streams) of an engine that allows it (EngineLoader::isEarly).
class EngineHeadStart {
public:
    // A head start for the program's document at the stored volume and loudness, nullptr when
    // it has none (not a song, or not a local file). The process's locale is the user's
    // already: the engine keeps what it finds.
    static std::unique_ptr<EngineHeadStart> forDocument(const QString& document);

    EngineHeadStart(QString location, int volume, Loudness loudness, QString engineFolder);
    // An engine never taken is stopped.
    ~EngineHeadStart();
    EngineHeadStart(const EngineHeadStart&) = delete;
    EngineHeadStart& operator=(const EngineHeadStart&) = delete;

    // The song, as the player is handed it (an absolute, clean path).
    const QString& location() const { return location_; }
    // Waits for the worker; the engine playing the song and the name of its plug-in, nullptr
    // when it could not be made or opened (the player then plays the song the usual way).
    // Called on the thread that is to use the engine.
    std::unique_ptr<PlaybackEngine> take(QString* engineName);

private:
    void run(const QString& engineFolder);

    QString location_;
    int volume_;
    Loudness loudness_;
    QString engineName_;
    std::unique_ptr<PlaybackEngine> engine_;
    WorkerThread worker_;
};

}  // namespace mirato
