#pragma once

#include <memory>
#include <vector>

class QMenu;

#include "core/WindowRequests.h"

namespace mirato {

class Settings;
class SkinnedWindow;

class AppPaths;
class AppState;
class CommandBox;
class HostConventions;
class Launcher;
class LyricSync;
class LyricsSearch;
class LyricsWindow;
class MediaPlayer;
class PlayerCommands;
class PlayerWindow;

struct WindowHubContext {
    AppState& state;
    const AppPaths& paths;
    const HostConventions& conventions;
    Launcher& launcher;
    MediaPlayer& media;
    Settings& settings;
    LyricSync& lyricSync;
    LyricsSearch& lyricsSearch;
};

// Knows every window, creates the player and lyrics windows on first use, and carries out
// what one window asks of the others.
class WindowHub : public WindowRequests {
public:
    explicit WindowHub(WindowHubContext context);
    ~WindowHub() override;

    // The box and the player's commands ask the hub for windows, so they are made after it and
    // handed to it once they exist, before any window is asked for.
    void attach(CommandBox& box, PlayerCommands& playerCommands);

    // The music menu of the player window, now and whenever it is made again.
    void setMusicMenu(QMenu* menu);

    // The player window, created hidden when it does not exist yet.
    PlayerWindow& player();
    bool hasPlayer() const { return player_ != nullptr; }
    // The desktop lyrics window, created hidden when it does not exist yet.
    LyricsWindow& lyricsWindow();
    bool hasLyricsWindow() const { return lyrics_ != nullptr; }

    void showPlayer() override;
    void showLyricsWindow() override;
    void clearLyrics() override;
    void showCommandBox() override;
    void fillCommandBox(const QString& text) override;
    bool showLyricsDocument(const QString& path) override;
    void closeLyricsWindow() override;
    void searchLyrics() override;
    void openHelp() override;
    void nudgeLyrics(qint64 earlierMs) override;
    void applyOpacity() override;
    // In the order box, player, lyrics window.
    void applyTheme() override;
    void applyTopMost() override;
    // The program ends: the player and the lyrics window go out of sight, plug-ins read
    // "Close" for the song, and the volume is stored.
    void endSession();

private:
    void closePlayer();
    void storeVolume();
    // The windows that exist now: the box, the player, the lyrics window.
    std::vector<SkinnedWindow*> loadedWindows() const;

    WindowHubContext c_;
    CommandBox* box_ = nullptr;
    PlayerCommands* playerCommands_ = nullptr;
    QMenu* musicMenu_ = nullptr;
    std::unique_ptr<PlayerWindow> player_;
    std::unique_ptr<LyricsWindow> lyrics_;
};

}  // namespace mirato
