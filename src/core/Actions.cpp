#include "core/Actions.h"

#include "core/AppState.h"
#include "core/Dialogs.h"
#include "core/InputModes.h"
#include "core/Log.h"
#include "core/MediaControl.h"
#include "core/PlayerRequests.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "core/TextRules.h"
#include "core/WindowRequests.h"

namespace mirato {

namespace {

constexpr int kBox = static_cast<int>(KeyHost::CommandBox);
constexpr int kPlayer = static_cast<int>(KeyHost::Player);
constexpr int kLyrics = static_cast<int>(KeyHost::LyricsWindow);
constexpr int kEverywhere = kBox | kPlayer | kLyrics;

constexpr QKeyCombination ctrl(Qt::Key key) {
    return QKeyCombination(Qt::ControlModifier, key);
}
constexpr QKeyCombination alt(Qt::Key key) {
    return QKeyCombination(Qt::AltModifier, key);
}

using C = ActionCommand;
using I = ItemId;
using M = MessageCode;

// A switch, ticked and stored by its setting.
constexpr Action toggle(ItemId id, ActionCommand command, const char* name, MessageCode text,
                        const Setting<bool>& setting) {
    Action row{id, command, name, text};
    row.setting = &setting;
    return row;
}
// One of a group: a theme's place, a Language or a Loudness.
template <typename Value>
constexpr Action oneOf(ItemId id, ActionCommand command, const char* name,
                       std::optional<MessageCode> text, Value value) {
    Action row{id, command, name, text};
    row.value = static_cast<int>(value);
    return row;
}

const char* const kThemeNames[] = {"Blue", "RosePink", "Green", "LightGreen", "Purple"};

// In the box, its keys match in this order; a key works in one way per window.
constexpr Action kActions[] = {
    {I::KeyOnly, C::Next, nullptr, {}, ctrl(Qt::Key_Right), kEverywhere},
    {I::KeyOnly, C::PlayPause, nullptr, {}, ctrl(Qt::Key_P), kEverywhere},
    {I::KeyOnly, C::Previous, nullptr, {}, ctrl(Qt::Key_Left), kEverywhere},
    {I::KeyOnly, C::VolumeUp, nullptr, {}, ctrl(Qt::Key_Up), kEverywhere},
    {I::KeyOnly, C::VolumeDown, nullptr, {}, ctrl(Qt::Key_Down), kEverywhere},
    {I::OpenMusic, C::ShowPlayer, "OpenMusic", M::OpenMusicPlayer, ctrl(Qt::Key_I), kBox | kLyrics},
    {I::OpenPlayer, C::ShowPlayer, "OpenPlayer", M::OpenMusicPlayer},
    {I::MusicMode, C::MusicMode, "MuiscMode", M::OnlineMusic, ctrl(Qt::Key_N), kBox},
    {I::ShowLyrics, C::ShowLyrics, "showLRC", M::OpenLyrics, ctrl(Qt::Key_L), kBox | kPlayer},
    {I::KeyOnly, C::OpenIntoBox, nullptr, {}, ctrl(Qt::Key_O), kBox},
    {I::RunMode, C::RunMode, "RunCommand", M::RunCommand, ctrl(Qt::Key_R), kBox},
    {I::RunCmdMode, C::RunCmdMode, "RunCMD", M::RunCmd, ctrl(Qt::Key_D), kBox},
    {I::Baidu, C::BaiduMode, "Baidu", M::BaiduSearch, ctrl(Qt::Key_B), kBox},
    {I::Google, C::GoogleMode, "Google", M::GoogleSearch, ctrl(Qt::Key_G), kBox},
    {I::KeyOnly, C::SearchLyrics, nullptr, {}, ctrl(Qt::Key_F), kEverywhere},
    {I::KeyOnly, C::Mute, nullptr, {}, ctrl(Qt::Key_S), kBox},
    {I::KeyOnly, C::Help, nullptr, {}, QKeyCombination(Qt::Key_F1), kEverywhere},
    {I::Help, C::Help, "Help", M::HelpText},
    {I::ShowBox, C::ShowCommandBox, "mShow", M::OpenCommandBox},
    {I::OpenRun, C::ShowCommandBox, "OpenRun", M::OpenCommandBox, ctrl(Qt::Key_X),
     kPlayer | kLyrics},
    {I::KeyOnly, C::ShowCommandBox, nullptr, {}, ctrl(Qt::Key_R), kPlayer | kLyrics},
    {I::Open, C::OpenFiles, "Open", M::Open, ctrl(Qt::Key_O), kPlayer | kLyrics},
    {I::OpenAddress, C::OpenAddress, "OpenMusicURL", M::OpenUrl, ctrl(Qt::Key_U),
     kPlayer | kLyrics},
    {I::SaveAs, C::SaveMediaAs, "SaveAs", M::SaveAs, ctrl(Qt::Key_S), kPlayer | kLyrics},
    {I::SavePlaylist, C::SavePlaylist, "SavePlaylist", M::SavePlaylist},
    {I::SavePlaylistAs, C::SavePlaylistAs, "SaveAsPlaylist", M::SaveAsPlaylist},
    {I::LyricsEarlier, C::LyricsEarlier, "LyricsEarlier", M::LyricsEarlier, alt(Qt::Key_Left),
     kPlayer | kLyrics},
    {I::LyricsLater, C::LyricsLater, "LyricsLater", M::LyricsLater, alt(Qt::Key_Right),
     kPlayer | kLyrics},

    {I::Plugins, C::None, "Plugin", M::Plugins},
    {I::SettingsMenu, C::None, "Setting", M::Settings},
    {I::Themes, C::None, "Skin", M::Skins},
    oneOf(I::ThemeBlue, C::ChooseTheme, "blue", M::ThemeBlue, 0),
    oneOf(I::ThemeRosePink, C::ChooseTheme, "RosePink", M::ThemeRosePink, 1),
    oneOf(I::ThemeGreen, C::ChooseTheme, "Green", M::ThemeGreen, 2),
    oneOf(I::ThemeLightGreen, C::ChooseTheme, "LightGreen", M::ThemeLightGreen, 3),
    oneOf(I::ThemePurple, C::ChooseTheme, "Purple", M::ThemePurple, 4),
    {I::PlayModes, C::None, "PlayMode", M::PlayMode},
    toggle(I::Repeat, C::Repeat, "RPlay", M::RepeatPlay, SettingKeys::kRepeat),
    toggle(I::Shuffle, C::Shuffle, "RndPlay", M::RandomPlay, SettingKeys::kShuffle),
    toggle(I::PowerSaving, C::PowerSaving, "electricity", M::PowerSaving,
           SettingKeys::kPowerSaving),
    {I::Loudness, C::None, "Loudness", M::Loudness},
    oneOf(I::LoudnessOff, C::ChooseLoudness, "LoudnessOff", M::LoudnessOff, Loudness::Off),
    oneOf(I::LoudnessTrack, C::ChooseLoudness, "LoudnessTrack", M::LoudnessTrack, Loudness::Track),
    oneOf(I::LoudnessAlbum, C::ChooseLoudness, "LoudnessAlbum", M::LoudnessAlbum, Loudness::Album),
    {I::AutoRun, C::AutoRun, "AutoRun", M::AutoRun},
    toggle(I::TopMost, C::TopMost, "FormTop", M::WindowTopmost, SettingKeys::kTopMost),
    {I::FileTypes, C::FileTypes, "link", M::AssociateMp3},
    toggle(I::DesktopAnswers, C::DesktopAnswers, "DesktopAnswers", M::DesktopAnswers,
           SettingKeys::kDesktopAnswers),
    {I::ChangeToggleKey, C::ChangeToggleKey, "HotKey", M::ChangeToggleKey},
    {I::ClearHistory, C::ClearHistory, "ClearHistory", M::ClearHistory},
    {I::Languages, C::None, "Language", std::nullopt},
    oneOf(I::English, C::ChooseLanguage, "English", std::nullopt, Language::English),
    oneOf(I::SimplifiedChinese, C::ChooseLanguage, "chinese", M::LanguageSimplified,
          Language::SimplifiedChinese),
    oneOf(I::TraditionalChinese, C::ChooseLanguage, "chinese1", M::LanguageTraditional,
          Language::TraditionalChinese),
    {I::HelpCenter, C::None, "HelpCenter", M::HelpCenter},
    {I::Website, C::Website, "SiteUrl", M::Website},
    {I::About, C::About, "mabout", M::About},
    {I::Exit, C::Exit, "mExit", M::Exit},
    toggle(I::FindLyricsOnline, C::FindLyricsOnline, "FindLyrics", M::FindLyricsOnline,
           SettingKeys::kAutoLyrics),
    {I::MusicPlugins, C::None, "Plugin1", M::Plugins},
    {I::ModePlugins, C::None, "Plugin2", M::Plugins},
    {I::DownloadPlugins, C::DownloadPlugins, "DP", M::DownloadPlugins},
    {I::DownloadMusicPlugins, C::DownloadPlugins, "DP1", M::DownloadPlugins},
    {I::DownloadModePlugins, C::DownloadPlugins, "DP2", M::DownloadPlugins},
};

std::optional<InputMode> modeOf(ActionCommand command) {
    switch (command) {
        case ActionCommand::MusicMode:
            return InputMode::Music;
        case ActionCommand::RunMode:
            return InputMode::Run;
        case ActionCommand::RunCmdMode:
            return InputMode::RunCmd;
        case ActionCommand::BaiduMode:
            return InputMode::Baidu;
        case ActionCommand::GoogleMode:
            return InputMode::Google;
        default:
            return std::nullopt;
    }
}

void openIntoBox(const ActionTargets& t) {
    const QString file = t.dialogs->openFile(QStringLiteral("All File(ALL Type)| *.*"));
    if (file.isEmpty())
        return;
    if (TextRules::hasMediaExtension(file))
        t.media.setUrl(file);
    else
        t.windows.fillCommandBox(file);
}

void performWithPlayer(ActionCommand command, PlayerRequests& player) {
    switch (command) {
        case ActionCommand::OpenFiles:
            return player.openFiles();
        case ActionCommand::OpenAddress:
            return player.openAddress();
        case ActionCommand::SaveMediaAs:
            return player.saveMediaAs();
        case ActionCommand::SavePlaylist:
            return player.savePlaylist();
        case ActionCommand::SavePlaylistAs:
            return player.savePlaylistAs();
        default:
            return;
    }
}

}  // namespace

std::span<const Action> actions() {
    return kActions;
}

const Action& actionOf(ItemId item) {
    for (const Action& action : kActions) {
        if (action.item == item)
            return action;
    }
    qFatal("no action for item %d", static_cast<int>(item));
}

std::span<const char* const> themeNames() {
    return kThemeNames;
}

void playOrPause(MediaControl& media) {
    const PlayState state = media.playState();
    if (state == PlayState::Stopped || state == PlayState::Paused)
        media.play();
    else if (state == PlayState::Playing)
        media.pause();
}

namespace {

void performHere(ActionCommand command, const ActionTargets& t) {
    if (const std::optional<InputMode> mode = modeOf(command))
        return InputModes::toggle(t.state, *mode);
    MediaControl& media = t.media;
    switch (command) {
        case ActionCommand::Next:
            return media.next();
        case ActionCommand::PlayPause:
            return playOrPause(media);
        case ActionCommand::Previous:
            return media.previous();
        case ActionCommand::VolumeUp:
            return media.setVolume(media.volume() + 10);
        case ActionCommand::VolumeDown:
            return media.setVolume(media.volume() - 10);
        case ActionCommand::Mute:
            return media.setMute(!media.mute());
        case ActionCommand::ShowCommandBox:
            return t.windows.showCommandBox();
        case ActionCommand::ShowPlayer:
            return t.windows.showPlayer();
        case ActionCommand::ShowLyrics:
            return t.windows.showLyricsWindow();
        case ActionCommand::SearchLyrics:
            return t.windows.searchLyrics();
        case ActionCommand::Help:
            return t.windows.openHelp();
        case ActionCommand::LyricsEarlier:
            return t.windows.nudgeLyrics(kLyricsNudgeMs);
        case ActionCommand::LyricsLater:
            return t.windows.nudgeLyrics(-kLyricsNudgeMs);
        case ActionCommand::OpenIntoBox:
            if (t.dialogs)
                return openIntoBox(t);
            break;
        default:
            if (t.player)
                return performWithPlayer(command, *t.player);
            break;
    }
    qCDebug(lcCore) << "no one here to carry out command" << static_cast<int>(command);
}

}  // namespace

bool perform(ActionCommand command, const ActionTargets& t) {
    if (command >= ActionCommand::ChooseTheme || command == ActionCommand::None)
        return false;
    performHere(command, t);
    return true;
}

bool isTickable(ActionCommand command) {
    switch (command) {
        case ActionCommand::ChooseTheme:
        case ActionCommand::ChooseLanguage:
        case ActionCommand::ChooseLoudness:
        case ActionCommand::Repeat:
        case ActionCommand::Shuffle:
        case ActionCommand::PowerSaving:
        case ActionCommand::TopMost:
        case ActionCommand::DesktopAnswers:
        case ActionCommand::FindLyricsOnline:
        case ActionCommand::AutoRun:
        case ActionCommand::FileTypes:
            return true;
        default:
            return modeOf(command).has_value();
    }
}

std::optional<bool> tickOf(const Action& row, const ActionTargets& t) {
    if (const std::optional<InputMode> mode = modeOf(row.command))
        return InputModes::isActive(t.state, *mode);
    switch (row.command) {
        case ActionCommand::ChooseLanguage:
            return static_cast<int>(t.state.language()) == row.value;
        case ActionCommand::ChooseLoudness:
            if (!t.settings)
                return std::nullopt;
            return static_cast<int>(t.settings->get(SettingKeys::kLoudness)) == row.value;
        default:
            if (row.setting && t.settings)
                return t.settings->get(*row.setting);
            return std::nullopt;
    }
}

bool isEnabled(ActionCommand command, const ActionTargets& t) {
    if (command != ActionCommand::SavePlaylist && command != ActionCommand::SavePlaylistAs)
        return true;
    return TextRules::isPlaylistExtension(t.media.url().right(4));
}

KeyTable keyTable(KeyHost host, const ActionTargets& targets) {
    KeyTable keys;
    for (const Action& action : kActions) {
        if (!(action.hosts & static_cast<int>(host)))
            continue;
        const ActionCommand command = action.command;
        const auto run = [command, targets] { perform(command, targets); };
        const int key = action.key.key();
        if (action.key.keyboardModifiers() & Qt::ControlModifier)
            keys.ctrl(key, run);
        else if (action.key.keyboardModifiers() & Qt::AltModifier)
            keys.alt(key, run);
        else
            keys.plain(key, run);
    }
    return keys;
}

bool isSwallowedKey(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return ||
        key == Qt::Key_Enter)
        return true;
    if (!(modifiers & Qt::ControlModifier) || key < Qt::Key_A || key > Qt::Key_Z)
        return false;
    if (key == Qt::Key_A || key == Qt::Key_M)
        return true;
    for (const Action& action : kActions) {
        if ((action.hosts & kBox) && action.key == ctrl(Qt::Key(key)))
            return true;
    }
    return false;
}

}  // namespace mirato
