#include "app/WindowHub.h"

#include <QLoggingCategory>

#include "commandbox/CommandBox.h"
#include "commandbox/LyricsSearch.h"
#include "components/MediaPlayer.h"
#include "core/AppState.h"
#include "core/Settings.h"
#include "player/PlayerWindow.h"

Q_LOGGING_CATEGORY(lcWindows, "mirato.app.windows", QtWarningMsg)

namespace mirato {

namespace {

void bringUp(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace

WindowHub::WindowHub(WindowHubContext context) : c_(context) {}

WindowHub::~WindowHub() = default;

PlayerWindow& WindowHub::player() {
    if (!player_) {
        c_.media.prepare();
        player_ = std::make_unique<PlayerWindow>(PlayerWindowContext{
            c_.state, c_.paths, c_.conventions, c_.launcher, c_.media, *this, *playerCommands_});
        QObject::connect(player_.get(), &PlayerWindow::closeRequested, player_.get(),
                         [this] { closePlayer(); });
    }
    return *player_;
}

void WindowHub::showPlayer() {
    bringUp(player());
}

void WindowHub::closePlayer() {
    clearLyrics();
    Settings::write(QStringLiteral("MusicPath"), QStringLiteral("Close"));
    closeLyricsWindow();
    c_.media.stop();
    // Unloaded, not just hidden: the next use creates it afresh from the settings. The window
    // is inside its own signal here, so it goes once the event loop is back.
    player_.release()->deleteLater();
}

void WindowHub::showLyricsWindow() {
    qCDebug(lcWindows) << "the desktop lyrics window is not built yet";
}

void WindowHub::closeLyricsWindow() {}

void WindowHub::clearLyrics() {
    c_.state.setLyricLine({});
}

void WindowHub::showCommandBox() {
    if (commandBox_)
        bringUp(*commandBox_);
}

void WindowHub::searchLyrics() {
    if (lyricsSearch_)
        lyricsSearch_->launch();
}

void WindowHub::applyOpacity() {
    if (commandBox_)
        commandBox_->applyOpacity();
    if (player_)
        player_->applyOpacity();
}

}  // namespace mirato
