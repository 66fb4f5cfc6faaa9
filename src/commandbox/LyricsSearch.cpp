#include "commandbox/LyricsSearch.h"

#include "core/Settings.h"
#include "core/Strings.h"

namespace mirato {

LyricsSearch::LyricsSearch(AppState& state, const PluginCatalog& plugins, MediaControl& media,
                           Launcher& launcher, Notifier& notifier)
    : state_(state), plugins_(plugins), media_(media), launcher_(launcher), notifier_(notifier) {}

void LyricsSearch::launch() {
    if (media_.playState() != MediaControl::kPlaying) {
        notifier_.messageBox(
            Strings::message(state_.language(), MessageCode::LyricsSearchOnlyWhilePlaying));
        return;
    }
    Settings::write(QStringLiteral("MP3Title"), media_.itemInfo(QStringLiteral("title")));
    const QString program = plugins_.programFor(pluginName());
    if (!program.isEmpty() && launcher_.start(Command{program, {}}))
        return;
    notifier_.messageBox(Strings::message(state_.language(), MessageCode::LyricsPluginMissing));
}

}  // namespace mirato
