#include "core/PlaybackKeys.h"

#include "core/HelpOpener.h"

namespace mirato {

void playOrPause(MediaControl& media) {
    const PlayState state = media.playState();
    if (state == PlayState::Stopped || state == PlayState::Paused)
        media.play();
    else if (state == PlayState::Playing)
        media.pause();
}

KeyTable playbackKeys(KeyHost host, const PlaybackWindowContext& c) {
    MediaControl& media = c.media;
    WindowRequests& windows = c.windows;
    PlayerRequests& player = c.commands;
    const bool inPlayer = host == KeyHost::Player;
    KeyTable keys;
    keys.ctrl(Qt::Key_Right, [&media] { media.next(); })
        .ctrl(Qt::Key_P, [&media] { playOrPause(media); })
        .ctrl(Qt::Key_Left, [&media] { media.previous(); })
        .ctrl(Qt::Key_Up, [&media] { media.setVolume(media.volume() + 10); })
        .ctrl(Qt::Key_Down, [&media] { media.setVolume(media.volume() - 10); })
        .ctrl(Qt::Key_R, [&windows] { windows.showCommandBox(); })
        .ctrl(Qt::Key_X, [&windows] { windows.showCommandBox(); })
        .ctrl(inPlayer ? Qt::Key_L : Qt::Key_I,
              [&windows, inPlayer] {
                  if (inPlayer)
                      windows.showLyricsWindow();
                  else
                      windows.showPlayer();
              })
        .ctrl(Qt::Key_O, [&player] { player.openFiles(); })
        .ctrl(Qt::Key_U, [&player] { player.openAddress(); })
        .ctrl(Qt::Key_S, [&player] { player.saveMediaAs(); })
        .ctrl(Qt::Key_F, [&windows] { windows.searchLyrics(); })
        .alt(Qt::Key_Left, [&windows] { windows.nudgeLyrics(kLyricsNudgeMs); })
        .alt(Qt::Key_Right, [&windows] { windows.nudgeLyrics(-kLyricsNudgeMs); })
        .plain(Qt::Key_F1,
               [c] { openHelp(c.paths, c.state.language(), c.conventions, c.launcher); });
    return keys;
}

}  // namespace mirato
