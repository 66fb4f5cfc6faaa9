#include "app/LyricsModule.h"

#include "core/AppState.h"
#include "core/LyricsPlaces.h"

namespace mirato {

LyricsModule::LyricsModule(AppState& state, Settings& settings, const PluginCatalog& plugins,
                           MediaControl& media, Launcher& launcher, Notifier& notifier,
                           const HostConventions& conventions)
    : search_(state, settings, plugins, media, launcher, notifier),
      sync_(state, settings, media, conventions),
      lookUp_(settings, plugins, media, launcher, LyricsPlaces::cacheFolder()) {
    QObject::connect(&sync_, &LyricSync::lyricsMissing, &lookUp_, &AutoLyrics::songWithoutLyrics);
    QObject::connect(&state, &AppState::playerLoadedChanged, &sync_, &LyricSync::setActive);
}

}  // namespace mirato
