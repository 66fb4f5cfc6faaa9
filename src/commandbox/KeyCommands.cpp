#include "commandbox/KeyCommands.h"

#include <QLoggingCategory>

#include "core/InputModes.h"
#include "core/PlaybackKeys.h"
#include "core/TextRules.h"

Q_LOGGING_CATEGORY(lcKeys, "mirato.commandbox.keys", QtWarningMsg)

namespace mirato {

std::optional<BoxKey> boxKeyFor(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_F1)
        return BoxKey::Help;
    if (!(modifiers & Qt::ControlModifier))
        return std::nullopt;
    switch (key) {
        case Qt::Key_Right:
            return BoxKey::Next;
        case Qt::Key_P:
            return BoxKey::PlayPause;
        case Qt::Key_Left:
            return BoxKey::Previous;
        case Qt::Key_Up:
            return BoxKey::VolumeUp;
        case Qt::Key_Down:
            return BoxKey::VolumeDown;
        case Qt::Key_I:
            return BoxKey::ShowPlayer;
        case Qt::Key_N:
            return BoxKey::ToggleMusic;
        case Qt::Key_L:
            return BoxKey::ShowLyrics;
        case Qt::Key_O:
            return BoxKey::OpenFile;
        case Qt::Key_R:
            return BoxKey::ToggleRun;
        case Qt::Key_D:
            return BoxKey::ToggleRunCmd;
        case Qt::Key_B:
            return BoxKey::ToggleBaidu;
        case Qt::Key_G:
            return BoxKey::ToggleGoogle;
        case Qt::Key_F:
            return BoxKey::SearchLyrics;
        case Qt::Key_S:
            return BoxKey::ToggleMute;
        default:
            return std::nullopt;
    }
}

bool isSwallowedKey(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return ||
        key == Qt::Key_Enter)
        return true;
    if (!(modifiers & Qt::ControlModifier))
        return false;
    switch (key) {
        case Qt::Key_A:
        case Qt::Key_B:
        case Qt::Key_D:
        case Qt::Key_F:
        case Qt::Key_G:
        case Qt::Key_I:
        case Qt::Key_L:
        case Qt::Key_M:
        case Qt::Key_N:
        case Qt::Key_O:
        case Qt::Key_P:
        case Qt::Key_R:
        case Qt::Key_S:
            return true;
        default:
            return false;
    }
}

KeyCommands::KeyCommands(KeyContext context) : c_(context) {}

std::optional<QString> KeyCommands::perform(BoxKey key) {
    MediaControl& media = c_.media;
    switch (key) {
        case BoxKey::Next:
            media.next();
            break;
        case BoxKey::PlayPause:
            playOrPause(media);
            break;
        case BoxKey::Previous:
            media.previous();
            break;
        case BoxKey::VolumeUp:
            media.setVolume(media.volume() + 10);
            break;
        case BoxKey::VolumeDown:
            media.setVolume(media.volume() - 10);
            break;
        case BoxKey::ShowPlayer:
            c_.windows.showPlayer();
            break;
        case BoxKey::ToggleMusic:
            InputModes::toggle(c_.state, MessageCode::ModeMusic);
            break;
        case BoxKey::ShowLyrics:
            c_.windows.showLyricsWindow();
            break;
        case BoxKey::OpenFile:
            return openFile();
        case BoxKey::ToggleRun:
            InputModes::toggle(c_.state, MessageCode::ModeRun);
            break;
        case BoxKey::ToggleRunCmd:
            InputModes::toggle(c_.state, MessageCode::ModeRunCmd);
            break;
        case BoxKey::ToggleBaidu:
            InputModes::toggle(c_.state, MessageCode::ModeBaidu);
            break;
        case BoxKey::ToggleGoogle:
            InputModes::toggle(c_.state, MessageCode::ModeGoogle);
            break;
        case BoxKey::SearchLyrics:
            c_.lyricsSearch.launch();
            break;
        case BoxKey::ToggleMute:
            media.setMute(!media.mute());
            break;
        case BoxKey::Help: {
            const QString file = c_.paths.helpFile(c_.state.language());
            if (!file.isEmpty() && !c_.launcher.start(c_.conventions.helpViewer(file)))
                qCDebug(lcKeys) << "no viewer for" << file;
            break;
        }
    }
    return std::nullopt;
}

std::optional<QString> KeyCommands::openFile() {
    const QString file = c_.dialogs.openFile(QStringLiteral("All File(ALL Type)| *.*"));
    if (file.isEmpty())
        return std::nullopt;
    if (TextRules::hasMediaExtension(file)) {
        c_.media.setUrl(file);
        return std::nullopt;
    }
    return file;
}

}  // namespace mirato
