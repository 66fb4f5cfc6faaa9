#include "core/Actions.h"

#include "core/AppState.h"
#include "core/Dialogs.h"
#include "core/InputModes.h"
#include "core/Log.h"
#include "core/MediaControl.h"
#include "core/PlayerRequests.h"
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
constexpr QKeyCombination none = QKeyCombination(Qt::Key_unknown);

// In the box, its keys match in this order; a key works in one way per window.
constexpr Action kActions[] = {
    {ActionCommand::Next, nullptr, {}, ctrl(Qt::Key_Right), kEverywhere},
    {ActionCommand::PlayPause, nullptr, {}, ctrl(Qt::Key_P), kEverywhere},
    {ActionCommand::Previous, nullptr, {}, ctrl(Qt::Key_Left), kEverywhere},
    {ActionCommand::VolumeUp, nullptr, {}, ctrl(Qt::Key_Up), kEverywhere},
    {ActionCommand::VolumeDown, nullptr, {}, ctrl(Qt::Key_Down), kEverywhere},
    {ActionCommand::ShowPlayer, "OpenMusic", MessageCode::OpenMusicPlayer, ctrl(Qt::Key_I),
     kBox | kLyrics},
    {ActionCommand::ShowPlayer, "OpenPlayer", MessageCode::OpenMusicPlayer, none, 0},
    {ActionCommand::MusicMode, "MuiscMode", MessageCode::OnlineMusic, ctrl(Qt::Key_N), kBox},
    {ActionCommand::ShowLyrics, "showLRC", MessageCode::OpenLyrics, ctrl(Qt::Key_L),
     kBox | kPlayer},
    {ActionCommand::OpenIntoBox, nullptr, {}, ctrl(Qt::Key_O), kBox},
    {ActionCommand::RunMode, "RunCommand", MessageCode::RunCommand, ctrl(Qt::Key_R), kBox},
    {ActionCommand::RunCmdMode, "RunCMD", MessageCode::RunCmd, ctrl(Qt::Key_D), kBox},
    {ActionCommand::BaiduMode, "Baidu", MessageCode::BaiduSearch, ctrl(Qt::Key_B), kBox},
    {ActionCommand::GoogleMode, "Google", MessageCode::GoogleSearch, ctrl(Qt::Key_G), kBox},
    {ActionCommand::SearchLyrics, nullptr, {}, ctrl(Qt::Key_F), kEverywhere},
    {ActionCommand::Mute, nullptr, {}, ctrl(Qt::Key_S), kBox},
    {ActionCommand::Help, nullptr, {}, QKeyCombination(Qt::Key_F1), kEverywhere},
    {ActionCommand::Help, "Help", MessageCode::HelpText, none, 0},
    {ActionCommand::ShowCommandBox, "mShow", MessageCode::OpenCommandBox, none, 0},
    {ActionCommand::ShowCommandBox, "OpenRun", MessageCode::OpenCommandBox, ctrl(Qt::Key_X),
     kPlayer | kLyrics},
    {ActionCommand::ShowCommandBox, nullptr, {}, ctrl(Qt::Key_R), kPlayer | kLyrics},
    {ActionCommand::OpenFiles, "Open", MessageCode::Open, ctrl(Qt::Key_O), kPlayer | kLyrics},
    {ActionCommand::OpenAddress, "OpenMusicURL", MessageCode::OpenUrl, ctrl(Qt::Key_U),
     kPlayer | kLyrics},
    {ActionCommand::SaveMediaAs, "SaveAs", MessageCode::SaveAs, ctrl(Qt::Key_S), kPlayer | kLyrics},
    {ActionCommand::SavePlaylist, "SavePlaylist", MessageCode::SavePlaylist, none, 0},
    {ActionCommand::SavePlaylistAs, "SaveAsPlaylist", MessageCode::SaveAsPlaylist, none, 0},
    {ActionCommand::LyricsEarlier, "LyricsEarlier", MessageCode::LyricsEarlier, alt(Qt::Key_Left),
     kPlayer | kLyrics},
    {ActionCommand::LyricsLater, "LyricsLater", MessageCode::LyricsLater, alt(Qt::Key_Right),
     kPlayer | kLyrics},
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

const Action* actionNamed(const QString& name) {
    for (const Action& action : kActions) {
        if (action.name && name == QLatin1String(action.name))
            return &action;
    }
    return nullptr;
}

void playOrPause(MediaControl& media) {
    const PlayState state = media.playState();
    if (state == PlayState::Stopped || state == PlayState::Paused)
        media.play();
    else if (state == PlayState::Playing)
        media.pause();
}

void perform(ActionCommand command, const ActionTargets& t) {
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

bool isTickable(ActionCommand command) {
    return modeOf(command).has_value();
}

bool isTicked(ActionCommand command, const ActionTargets& t) {
    const std::optional<InputMode> mode = modeOf(command);
    return mode && InputModes::isActive(t.state, *mode);
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
