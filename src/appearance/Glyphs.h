#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>

namespace mirato {

// Simple vector glyphs for the small buttons of the windows.
enum class Glyph {
    Play,
    Pause,
    Stop,
    Previous,
    Next,
    Speaker,
    SpeakerMuted,
    Minimise,
    FullScreen,
    Close
};

namespace Glyphs {
QIcon icon(Glyph glyph, const QColor& color = Qt::white, int size = 16);
// The program's own mark: a prompt in a blue disc (also drawn into skin/other/run.ico).
QIcon appIcon();
QPixmap appIconPixmap(int size);
}  // namespace Glyphs

}  // namespace mirato
