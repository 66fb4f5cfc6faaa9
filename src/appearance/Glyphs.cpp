#include "appearance/Glyphs.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cmath>

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

// A colour with straight alpha, composited source-over.
struct Rgba {
    double r, g, b, a;

    void over(const Rgba& source, double coverage) {
        const double alpha = source.a * coverage;
        r = source.r * alpha + r * (1 - alpha);  // r, g, b are kept premultiplied
        g = source.g * alpha + g * (1 - alpha);
        b = source.b * alpha + b * (1 - alpha);
        a = alpha + a * (1 - alpha);
    }
    QRgb premultiplied() const {
        auto byte = [](double v) { return int(std::clamp(v, 0.0, 1.0) * 255 + 0.5); };
        return qRgba(byte(r), byte(g), byte(b), byte(a));
    }
};

// How much of a pixel a shape covers whose edge is at this distance from the pixel's centre
// (negative inside): a one-pixel ramp.
double coverage(double distance) {
    return std::clamp(0.5 - distance, 0.0, 1.0);
}

double segmentDistance(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t =
        length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF d = p - (a + t * ab);
    return std::sqrt(QPointF::dotProduct(d, d));
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
    // Worked out pixel by pixel from distances rather than drawn with QPainter: the mode icon
    // is on the way to the box's first picture, and the painter's antialiased curves pull in a
    // third of a megabyte of maths and raster code that nothing else there needs.
    const double s = size / 28.0;
    const QPointF centre(14 * s, 14 * s);
    const double radius = 12.5 * s;
    const double ringWidth = std::max(1.0, s * 0.8);
    const double strokeWidth = 2.2 * s;
    const QPointF chevron[] = {{10 * s, 9 * s}, {15 * s, 14 * s}, {10 * s, 19 * s}};
    const QPointF underline[] = {{16 * s, 19 * s}, {20 * s, 19 * s}};
    const QColor top(0x5a, 0x9b, 0xe6);
    const QColor bottom(0x2b, 0x63, 0xb8);

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size; ++y) {
        const double t = (y + 0.5) / size;
        const Rgba fill{top.redF() + (bottom.redF() - top.redF()) * t,
                        top.greenF() + (bottom.greenF() - top.greenF()) * t,
                        top.blueF() + (bottom.blueF() - top.blueF()) * t, 1};
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const QPointF p(x + 0.5, y + 0.5);
            const double dx = p.x() - centre.x();
            const double dy = p.y() - centre.y();
            const double edge = std::sqrt(dx * dx + dy * dy) - radius;  // negative inside
            Rgba pixel{0, 0, 0, 0};
            pixel.over(fill, coverage(edge));
            pixel.over({1, 1, 1, 160 / 255.0}, coverage(std::abs(edge) - ringWidth / 2));
            const double mark = std::min({segmentDistance(p, chevron[0], chevron[1]),
                                          segmentDistance(p, chevron[1], chevron[2]),
                                          segmentDistance(p, underline[0], underline[1])});
            pixel.over({1, 1, 1, 1}, coverage(mark - strokeWidth / 2));
            line[x] = pixel.premultiplied();
        }
    }
    return QPixmap::fromImage(std::move(image));
}

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 24, 28, 32, 48, 64, 128})
        icon.addPixmap(appIconPixmap(size));
    return icon;
}

}  // namespace mirato::Glyphs
