#pragma once

#include "core/AppState.h"
#include "core/Launcher.h"
#include "core/MediaControl.h"
#include "core/Notifier.h"
#include "core/PluginCatalog.h"

namespace mirato {

class Settings;

// Starts the lyrics search plug-in for the song playing. The title goes to the settings key
// "MP3Title" first, where the plug-in reads it; its result comes back as a lyrics document on
// the program's command line.
class LyricsSearch {
public:
    static QString pluginName() { return QStringLiteral("ZuzAzedod"); }

    LyricsSearch(AppState& state, Settings& settings, const PluginCatalog& plugins,
                 MediaControl& media, Launcher& launcher, Notifier& notifier);

    void launch();

private:
    AppState& state_;
    Settings& settings_;
    const PluginCatalog& plugins_;
    MediaControl& media_;
    Launcher& launcher_;
    Notifier& notifier_;
};

}  // namespace mirato
