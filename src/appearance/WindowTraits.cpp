#include "appearance/WindowTraits.h"

#include <QWidget>

#include "appearance/Opacity.h"
#include "core/Settings.h"

namespace mirato::WindowTraits {

void applyOpacity(QWidget& window, const QString& opacity) {
    window.setWindowOpacity(Opacity::alphaFromText(opacity) / 255.0);
}

void applyTopMost(QWidget& window) {
    const bool onTop = Settings::readBool(QStringLiteral("bTopMost"));
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    const bool visible = window.isVisible();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible)
        window.show();  // changing the flags hides a window
}

}  // namespace mirato::WindowTraits
