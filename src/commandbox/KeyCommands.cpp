#include "commandbox/KeyCommands.h"

#include "core/HelpOpener.h"
#include "core/InputModes.h"
#include "core/PlaybackKeys.h"
#include "core/TextRules.h"

namespace mirato {

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

KeyCommands::KeyCommands(const Services& services, LyricsSearch& lyricsSearch)
    : c_(services), lyricsSearch_(lyricsSearch) {
    MediaControl& media = c_.media;
    WindowRequests& windows = c_.windows;
    AppState& state = c_.state;
    auto toggle = [&state](InputMode mode) {
        return [&state, mode] { InputModes::toggle(state, mode); };
    };
    keys_.ctrl(Qt::Key_Right, [&media] { media.next(); })
        .ctrl(Qt::Key_P, [&media] { playOrPause(media); })
        .ctrl(Qt::Key_Left, [&media] { media.previous(); })
        .ctrl(Qt::Key_Up, [&media] { media.setVolume(media.volume() + 10); })
        .ctrl(Qt::Key_Down, [&media] { media.setVolume(media.volume() - 10); })
        .ctrl(Qt::Key_I, [&windows] { windows.showPlayer(); })
        .ctrl(Qt::Key_N, toggle(InputMode::Music))
        .ctrl(Qt::Key_L, [&windows] { windows.showLyricsWindow(); })
        .ctrl(Qt::Key_O, [this] { openFile(); })
        .ctrl(Qt::Key_R, toggle(InputMode::Run))
        .ctrl(Qt::Key_D, toggle(InputMode::RunCmd))
        .ctrl(Qt::Key_B, toggle(InputMode::Baidu))
        .ctrl(Qt::Key_G, toggle(InputMode::Google))
        .ctrl(Qt::Key_F, [this] { lyricsSearch_.launch(); })
        .ctrl(Qt::Key_S, [&media] { media.setMute(!media.mute()); })
        .plain(Qt::Key_F1,
               [this] { openHelp(c_.paths, c_.state.language(), c_.conventions, c_.launcher); });
}

void KeyCommands::openFile() {
    const QString file = c_.dialogs.openFile(QStringLiteral("All File(ALL Type)| *.*"));
    if (file.isEmpty())
        return;
    if (TextRules::hasMediaExtension(file))
        c_.media.setUrl(file);
    else
        c_.windows.fillCommandBox(file);
}

}  // namespace mirato
