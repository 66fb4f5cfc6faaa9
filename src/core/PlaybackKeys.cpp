#include "core/PlaybackKeys.h"

namespace mirato {

std::optional<PlaybackKey> playbackKeyFor(int key, Qt::KeyboardModifiers modifiers, KeyHost host) {
    if (key == Qt::Key_F1)
        return PlaybackKey::Help;
    if (!(modifiers & Qt::ControlModifier))
        return std::nullopt;
    switch (key) {
        case Qt::Key_Right:
            return PlaybackKey::Next;
        case Qt::Key_P:
            return PlaybackKey::PlayPause;
        case Qt::Key_Left:
            return PlaybackKey::Previous;
        case Qt::Key_Up:
            return PlaybackKey::VolumeUp;
        case Qt::Key_Down:
            return PlaybackKey::VolumeDown;
        case Qt::Key_R:
        case Qt::Key_X:
            return PlaybackKey::ShowCommandBox;
        case Qt::Key_L:
            return host == KeyHost::Player ? std::optional(PlaybackKey::ShowOther) : std::nullopt;
        case Qt::Key_I:
            return host == KeyHost::LyricsWindow ? std::optional(PlaybackKey::ShowOther)
                                                 : std::nullopt;
        case Qt::Key_O:
            return PlaybackKey::OpenFiles;
        case Qt::Key_U:
            return PlaybackKey::OpenAddress;
        case Qt::Key_S:
            return PlaybackKey::SaveMedia;
        case Qt::Key_F:
            return PlaybackKey::SearchLyrics;
        default:
            return std::nullopt;
    }
}

void playOrPause(MediaControl& media) {
    const int state = media.playState();
    if (state == MediaControl::kStopped || state == MediaControl::kPaused ||
        state == MediaControl::kReady)
        media.play();
    else if (state == MediaControl::kPlaying)
        media.pause();
}

void performPlaybackKey(PlaybackKey key, KeyHost host, const PlaybackKeyContext& c) {
    switch (key) {
        case PlaybackKey::Next:
            c.media.next();
            break;
        case PlaybackKey::PlayPause:
            playOrPause(c.media);
            break;
        case PlaybackKey::Previous:
            c.media.previous();
            break;
        case PlaybackKey::VolumeUp:
            c.media.setVolume(c.media.volume() + 10);
            break;
        case PlaybackKey::VolumeDown:
            c.media.setVolume(c.media.volume() - 10);
            break;
        case PlaybackKey::ShowCommandBox:
            c.windows.showCommandBox();
            break;
        case PlaybackKey::ShowOther:
            if (host == KeyHost::Player)
                c.windows.showLyricsWindow();
            else
                c.windows.showPlayer();
            break;
        case PlaybackKey::OpenFiles:
            c.player.openFiles();
            break;
        case PlaybackKey::OpenAddress:
            c.player.openAddress();
            break;
        case PlaybackKey::SaveMedia:
            c.player.saveMediaAs();
            break;
        case PlaybackKey::SearchLyrics:
            c.windows.searchLyrics();
            break;
        case PlaybackKey::Help: {
            const QString file = c.paths.helpFile(c.state.language());
            if (!file.isEmpty())
                c.launcher.start(c.conventions.helpViewer(file));
            break;
        }
    }
}

}  // namespace mirato
