#include "appearance/WindowTraits.h"

#include <QPainter>
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

void restorePosition(QWidget& window, const QString& prefix) {
    const TwipsPosition position = Settings::readPosition(prefix);
    if (position.top)
        window.move(window.x(), Settings::twipsToPixels(*position.top));
    if (position.left)
        window.move(Settings::twipsToPixels(*position.left), window.y());
}

void savePosition(const QWidget& window, const QString& prefix) {
    Settings::savePosition(prefix, Settings::pixelsToTwips(window.y()),
                           Settings::pixelsToTwips(window.x()));
}

void paintPanel(QWidget& window, const PanelColors& colors) {
    QPainter p(&window);
    QLinearGradient fill(0, 0, 0, window.height());
    fill.setColorAt(0, colors.top);
    fill.setColorAt(0.5, colors.middle);
    fill.setColorAt(1, colors.bottom);
    p.fillRect(window.rect(), fill);
    p.setPen(colors.border);
    p.drawRect(window.rect().adjusted(0, 0, -1, -1));
    p.setPen(colors.highlight);
    p.drawRect(window.rect().adjusted(1, 1, -2, -2));
}

QString flatButtonStyle() {
    return QStringLiteral(
        "QToolButton { border: none; border-radius: 3px; background: transparent; }"
        "QToolButton:hover { background: rgba(255, 255, 255, 40); }"
        "QToolButton:pressed { background: rgba(0, 0, 0, 60); }"
        "QToolButton:disabled { background: transparent; }");
}

}  // namespace mirato::WindowTraits
