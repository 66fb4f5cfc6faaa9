#include "app/WindowHub.h"

#include <QLineEdit>

#include "appearance/MagneticGroup.h"
#include "commandbox/CommandBox.h"
#include "commandbox/LyricsSearch.h"
#include "components/MediaPlayer.h"
#include "core/AppState.h"
#include "core/HelpOpener.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "lyrics/LyricSync.h"
#include "lyrics/LyricsWindow.h"
#include "player/PlayerCommands.h"
#include "player/PlayerWindow.h"

namespace mirato {

namespace {

void bringUp(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

// Unloads a window; it may be inside one of its own signals, so it goes once the event loop
// is back.
template <typename Window>
void unload(std::unique_ptr<Window>& window) {
    if (window)
        window.release()->deleteLater();
}

}  // namespace

WindowHub::WindowHub(WindowHubContext context) : c_(context) {}

void WindowHub::attach(CommandBox& box, PlayerCommands& playerCommands) {
    box_ = &box;
    playerCommands_ = &playerCommands;
}

WindowHub::~WindowHub() {
    // The lyric timers outlive the hub: they must not keep a window that is gone.
    if (lyrics_)
        c_.lyricSync.setView(nullptr);
}

PlayerWindow& WindowHub::player() {
    if (!player_) {
        c_.media.prepare();
        player_ = std::make_unique<PlayerWindow>(
            PlaybackWindowContext{c_.state, c_.media, *this, *playerCommands_, c_.settings,
                                  c_.paths.skinFolder()},
            c_.media);
        QObject::connect(player_.get(), &PlayerWindow::closeRequested, player_.get(),
                         [this] { closePlayer(); });
        if (musicMenu_)
            player_->setMusicMenu(musicMenu_);
        if (lyrics_)
            player_->magnetic().addWindow(lyrics_.get(), player_.get());
    }
    return *player_;
}

void WindowHub::setMusicMenu(QMenu* menu) {
    musicMenu_ = menu;
    if (player_ && menu)
        player_->setMusicMenu(menu);
}

LyricsWindow& WindowHub::lyricsWindow() {
    if (!lyrics_) {
        // The lyrics window snaps to the player, so the player exists first (hidden).
        player();
        lyrics_ = std::make_unique<LyricsWindow>(PlaybackWindowContext{
            c_.state, c_.media, *this, *playerCommands_, c_.settings, c_.paths.skinFolder()});
        QObject::connect(lyrics_.get(), &LyricsWindow::closeRequested, lyrics_.get(),
                         [this] { closeLyricsWindow(); });
        player_->magnetic().addWindow(lyrics_.get(), player_.get());
        c_.lyricSync.setView(lyrics_.get());
    }
    return *lyrics_;
}

void WindowHub::showPlayer() {
    bringUp(player());
}

void WindowHub::showLyricsWindow() {
    bringUp(lyricsWindow());
}

void WindowHub::closePlayer() {
    c_.state.setLyricLine({});
    c_.lyricSync.playerClosed();
    closeLyricsWindow();
    c_.media.stop();
    storeVolume();
    // Unloaded, not just hidden: the next use creates it afresh from the settings.
    unload(player_);
}

void WindowHub::endSession() {
    closeLyricsWindow();
    if (player_)
        player_->hide();
    c_.lyricSync.playerClosed();
    storeVolume();
}

void WindowHub::storeVolume() {
    c_.settings.set(SettingKeys::kVolume, c_.media.volume());
}

void WindowHub::closeLyricsWindow() {
    if (lyrics_)
        c_.lyricSync.setView(nullptr);
    unload(lyrics_);
}

void WindowHub::clearLyrics() {
    c_.state.setLyricLine({});
    c_.lyricSync.forget();
}

void WindowHub::showCommandBox() {
    // Whoever shows the box (tray, menus, a later start) means it to be shown: the next Alt+R
    // hides it.
    c_.state.setBoxShown(true);
    bringUp(*box_);
}

void WindowHub::fillCommandBox(const QString& text) {
    box_->input()->setText(text);
    bringUp(*box_);
}

bool WindowHub::showLyricsDocument(const QString& path) {
    return c_.lyricSync.loadDocument(path);
}

void WindowHub::searchLyrics() {
    c_.lyricsSearch.launch();
}

void WindowHub::openHelp() {
    mirato::openHelp(c_.paths, c_.state.language(), c_.conventions, c_.launcher);
}

std::vector<SkinnedWindow*> WindowHub::loadedWindows() const {
    std::vector<SkinnedWindow*> windows{box_};
    for (SkinnedWindow* window :
         std::initializer_list<SkinnedWindow*>{player_.get(), lyrics_.get()}) {
        if (window)
            windows.push_back(window);
    }
    return windows;
}

void WindowHub::applyTheme() {
    for (SkinnedWindow* window : loadedWindows())
        window->applySkin();
}

void WindowHub::applyTopMost() {
    for (SkinnedWindow* window : loadedWindows())
        window->applyTopMost();
}

void WindowHub::nudgeLyrics(qint64 earlierMs) {
    c_.lyricSync.nudge(earlierMs);
}

void WindowHub::applyOpacity() {
    for (SkinnedWindow* window : loadedWindows())
        window->applyOpacity();
}

}  // namespace mirato
