#include "app/WindowHub.h"

#include <QLoggingCategory>

#include "commandbox/CommandBox.h"

Q_LOGGING_CATEGORY(lcWindows, "mirato.app.windows", QtWarningMsg)

namespace mirato {

void WindowHub::showPlayer() {
    qCDebug(lcWindows) << "the music player window is not built yet";
}

void WindowHub::showLyricsWindow() {
    qCDebug(lcWindows) << "the desktop lyrics window is not built yet";
}

void WindowHub::clearLyrics() {
    state_.setLyricLine({});
}

void WindowHub::applyOpacity() {
    if (commandBox_)
        commandBox_->applyOpacity();
}

}  // namespace mirato
