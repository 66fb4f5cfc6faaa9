#include "appearance/WindowTraits.h"

#include <QWidget>

#include "core/Opacity.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"

namespace mirato::WindowTraits {

void applyOpacity(QWidget& window, int alpha) {
    window.setWindowOpacity(alpha / 255.0);
}

void applyTopMost(QWidget& window, const Settings& settings) {
    const bool onTop = settings.get(SettingKeys::kTopMost);
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    const bool visible = window.isVisible();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible)
        window.show();  // changing the flags hides a window
}

void restorePosition(QWidget& window, const Settings& settings, const QString& prefix) {
    const TwipsPosition position = settings.readPosition(prefix);
    if (position.top)
        window.move(window.x(), Settings::twipsToPixels(*position.top));
    if (position.left)
        window.move(Settings::twipsToPixels(*position.left), window.y());
}

void savePosition(const QWidget& window, Settings& settings, const QString& prefix) {
    settings.savePosition(prefix, Settings::pixelsToTwips(window.y()),
                          Settings::pixelsToTwips(window.x()));
}

QString flatButtonStyle() {
    return QStringLiteral(
        "QToolButton { border: none; border-radius: 3px; background: transparent; }"
        "QToolButton:hover { background: rgba(255, 255, 255, 40); }"
        "QToolButton:pressed { background: rgba(0, 0, 0, 60); }"
        "QToolButton:disabled { background: transparent; }");
}

}  // namespace mirato::WindowTraits
