#pragma once

#include "commandbox/AutoLyrics.h"
#include "commandbox/LyricsSearch.h"
#include "lyrics/LyricSync.h"

namespace mirato {

class HostConventions;

// The lyrics of the songs that play: their sync (running while the player window is loaded),
// the search plug-in the user asks for, and the look-up for songs found without any.
class LyricsModule {
public:
    LyricsModule(AppState& state, Settings& settings, const PluginCatalog& plugins,
                 MediaControl& media, Launcher& launcher, Notifier& notifier,
                 const HostConventions& conventions);

    LyricSync& sync() { return sync_; }
    LyricsSearch& search() { return search_; }

private:
    LyricsSearch search_;
    LyricSync sync_;
    AutoLyrics lookUp_;  // asks the lyrics plug-in for songs without lyrics, when ticked
};

}  // namespace mirato
