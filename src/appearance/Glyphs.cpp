#include "appearance/Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

namespace mirato::Glyphs {

namespace {

void draw(QPainter& p, Glyph glyph, double s) {
    QPainterPath path;
    switch (glyph) {
        case Glyph::Play:
            path.moveTo(0.3 * s, 0.2 * s);
            path.lineTo(0.8 * s, 0.5 * s);
            path.lineTo(0.3 * s, 0.8 * s);
            path.closeSubpath();
            p.fillPath(path, p.pen().color());
            break;
        case Glyph::Pause:
            p.fillRect(QRectF(0.28 * s, 0.22 * s, 0.16 * s, 0.56 * s), p.pen().color());
            p.fillRect(QRectF(0.56 * s, 0.22 * s, 0.16 * s, 0.56 * s), p.pen().color());
            break;
        case Glyph::Stop:
            p.fillRect(QRectF(0.27 * s, 0.27 * s, 0.46 * s, 0.46 * s), p.pen().color());
            break;
        case Glyph::Previous:
        case Glyph::Next: {
            const bool next = glyph == Glyph::Next;
            auto x = [&](double v) { return (next ? v : 1 - v) * s; };
            path.moveTo(x(0.22), 0.25 * s);
            path.lineTo(x(0.62), 0.5 * s);
            path.lineTo(x(0.22), 0.75 * s);
            path.closeSubpath();
            p.fillPath(path, p.pen().color());
            p.fillRect(QRectF(next ? 0.64 * s : 0.22 * s, 0.25 * s, 0.14 * s, 0.5 * s),
                       p.pen().color());
            break;
        }
        case Glyph::Speaker:
        case Glyph::SpeakerMuted:
            path.moveTo(0.15 * s, 0.38 * s);
            path.lineTo(0.32 * s, 0.38 * s);
            path.lineTo(0.52 * s, 0.2 * s);
            path.lineTo(0.52 * s, 0.8 * s);
            path.lineTo(0.32 * s, 0.62 * s);
            path.lineTo(0.15 * s, 0.62 * s);
            path.closeSubpath();
            p.fillPath(path, p.pen().color());
            if (glyph == Glyph::Speaker) {
                p.drawArc(QRectF(0.45 * s, 0.32 * s, 0.3 * s, 0.36 * s), -60 * 16, 120 * 16);
            } else {
                p.drawLine(QPointF(0.62 * s, 0.36 * s), QPointF(0.86 * s, 0.64 * s));
                p.drawLine(QPointF(0.86 * s, 0.36 * s), QPointF(0.62 * s, 0.64 * s));
            }
            break;
        case Glyph::Minimise:
            p.drawLine(QPointF(0.25 * s, 0.7 * s), QPointF(0.75 * s, 0.7 * s));
            break;
        case Glyph::FullScreen:
            p.drawRect(QRectF(0.25 * s, 0.28 * s, 0.5 * s, 0.44 * s));
            break;
        case Glyph::Close:
            p.drawLine(QPointF(0.28 * s, 0.28 * s), QPointF(0.72 * s, 0.72 * s));
            p.drawLine(QPointF(0.72 * s, 0.28 * s), QPointF(0.28 * s, 0.72 * s));
            break;
    }
}

}  // namespace

QIcon icon(Glyph glyph, const QColor& color, int size) {
    QPixmap pixmap(size * 2, size * 2);  // drawn at twice the size for sharp scaling
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color, size / 10.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    draw(p, glyph, size);
    return QIcon(pixmap);
}

QPixmap appIconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 28.0;
    QLinearGradient fill(0, 0, 0, size);
    fill.setColorAt(0, QColor(0x5a, 0x9b, 0xe6));
    fill.setColorAt(1, QColor(0x2b, 0x63, 0xb8));
    p.setPen(QPen(QColor(255, 255, 255, 160), std::max(1.0, s * 0.8)));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1.5 * s, 1.5 * s, 25 * s, 25 * s));
    p.setPen(QPen(Qt::white, 2.2 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(
        QPolygonF({QPointF(10 * s, 9 * s), QPointF(15 * s, 14 * s), QPointF(10 * s, 19 * s)}));
    p.drawLine(QPointF(16 * s, 19 * s), QPointF(20 * s, 19 * s));
    return pixmap;
}

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 24, 28, 32, 48, 64, 128})
        icon.addPixmap(appIconPixmap(size));
    return icon;
}

}  // namespace mirato::Glyphs
