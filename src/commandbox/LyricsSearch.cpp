#include "commandbox/LyricsSearch.h"

#include "core/MediaText.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "core/Strings.h"

namespace mirato {

LyricsSearch::LyricsSearch(AppState& state, Settings& settings, const PluginCatalog& plugins,
                           MediaControl& media, Launcher& launcher, Notifier& notifier)
    : state_(state),
      settings_(settings),
      plugins_(plugins),
      media_(media),
      launcher_(launcher),
      notifier_(notifier) {}

void LyricsSearch::launch() {
    if (media_.playState() != PlayState::Playing) {
        notifier_.messageBox(
            Strings::message(state_.language(), MessageCode::LyricsSearchOnlyWhilePlaying));
        return;
    }
    // An untagged song is searched by what the player shows for it (its file name), so the
    // plug-in never starts from an empty or an earlier song's title.
    QString title = media_.item().title;
    if (title.isEmpty())
        title = MediaText::title(media_);
    settings_.set(SettingKeys::kLyricsSearchTitle, title);
    const QString program = plugins_.programNamed(pluginName());
    if (!program.isEmpty() && launcher_.start(Command{program, {}}))
        return;
    notifier_.messageBox(Strings::message(state_.language(), MessageCode::LyricsPluginMissing));
}

}  // namespace mirato
