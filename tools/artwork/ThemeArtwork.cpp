#include "ThemeArtwork.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "appearance/Glyphs.h"

namespace mirato::ThemeArtwork {

namespace {

// The band's colour depends on the row only, so a title button drawn on its own rows matches
// the window behind it exactly.
constexpr int kBandGradientRows = 32;
constexpr int kGlossRows = 15;

int bandHeight(SkinFiles::Surface surface) {
    // The command box's band holds its 28-pixel mode icon.
    return surface == SkinFiles::Surface::CommandBox ? 37 : 32;
}

void paintBand(QPainter& g, int width, int height, const Palette& p) {
    QLinearGradient fill(0, 0, 0, kBandGradientRows);
    fill.setColorAt(0, p.bandTop);
    fill.setColorAt(1, p.bandBottom);
    g.fillRect(QRect(0, 0, width, height), fill);
    QLinearGradient gloss(0, 0, 0, kGlossRows);
    gloss.setColorAt(0, QColor(255, 255, 255, 64));
    gloss.setColorAt(1, QColor(255, 255, 255, 14));
    g.fillRect(QRect(0, 0, width, kGlossRows), gloss);
}

void paintDecoration(QPainter& g, SkinFiles::Surface surface, const QRect& body) {
    g.save();
    g.setClipRect(body);
    switch (surface) {
        case SkinFiles::Surface::CommandBox: {
            // A soft light from the upper right, as on a glazed surface.
            QRadialGradient glow(QPointF(body.right() - 40, body.top()), 190);
            glow.setColorAt(0, QColor(255, 255, 255, 150));
            glow.setColorAt(1, QColor(255, 255, 255, 0));
            g.fillRect(body, glow);
            break;
        }
        case SkinFiles::Surface::Player: {
            // Faint rings spreading from the lower right corner: sound.
            g.setBrush(Qt::NoBrush);
            const QPointF centre(body.right() + 24, body.bottom() + 36);
            for (int i = 0; i < 4; ++i) {
                g.setPen(QPen(QColor(255, 255, 255, 20 - 4 * i), 2));
                const double r = 58 + 26 * i;
                g.drawEllipse(centre, r, r);
            }
            QRadialGradient glow(QPointF(body.left() + 60, body.top()), 160);
            glow.setColorAt(0, QColor(255, 255, 255, 34));
            glow.setColorAt(1, QColor(255, 255, 255, 0));
            g.fillRect(body, glow);
            break;
        }
        case SkinFiles::Surface::Lyrics: {
            // Light behind the current line.
            QRadialGradient glow(QPointF(body.center().x(), body.top() + 32), 170);
            glow.setColorAt(0, QColor(255, 255, 255, 40));
            glow.setColorAt(1, QColor(255, 255, 255, 0));
            g.fillRect(body, glow);
            break;
        }
    }
    g.restore();
}

void drawGlyph(QPainter& g, TitleGlyph glyph, QPointF offset) {
    g.save();
    g.translate(offset);
    switch (glyph) {
        case TitleGlyph::Minimise:
            g.fillRect(QRectF(6, 13, 10, 2), g.pen().color());
            break;
        case TitleGlyph::Maximise:
            g.setBrush(Qt::NoBrush);
            g.drawRect(QRectF(6.75, 5.75, 8.5, 8.5));
            g.fillRect(QRectF(6, 5, 10, 2.5), g.pen().color());
            break;
        case TitleGlyph::Close:
            g.drawLine(QPointF(7, 5.5), QPointF(15, 13.5));
            g.drawLine(QPointF(15, 5.5), QPointF(7, 13.5));
            break;
    }
    g.restore();
}

QImage sheetIcon(FileKind kind, const QString& label, const QColor& color, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter g(&image);
    g.setRenderHint(QPainter::Antialiasing);
    g.setRenderHint(QPainter::TextAntialiasing);
    g.scale(size / 32.0, size / 32.0);
    const double line = std::max(1.0, 32.0 / size);  // one device pixel at least

    QPainterPath sheet;
    sheet.moveTo(6.5, 1.5);
    sheet.lineTo(19.5, 1.5);
    sheet.lineTo(26.5, 8.5);
    sheet.lineTo(26.5, 30.5);
    sheet.lineTo(6.5, 30.5);
    sheet.closeSubpath();
    QLinearGradient paper(0, 0, 0, 32);
    paper.setColorAt(0, Qt::white);
    paper.setColorAt(1, QColor(0xe9, 0xed, 0xf2));
    g.setPen(QPen(QColor(0x7d, 0x8a, 0x99), line));
    g.setBrush(paper);
    g.drawPath(sheet);
    QPainterPath fold;
    fold.moveTo(19.5, 1.5);
    fold.lineTo(19.5, 8.5);
    fold.lineTo(26.5, 8.5);
    fold.closeSubpath();
    g.setBrush(QColor(0xd3, 0xda, 0xe3));
    g.drawPath(fold);

    const bool withLabel = size >= 24;
    const double glyphTop = withLabel ? 5 : 8;
    g.setPen(Qt::NoPen);
    g.setBrush(color);
    if (kind == FileKind::Music) {
        g.drawEllipse(QRectF(9.5, glyphTop + 7.5, 4.6, 3.6));
        g.drawEllipse(QRectF(16, glyphTop + 6, 4.6, 3.6));
        g.setPen(QPen(color, 1.4));
        g.drawLine(QPointF(13.5, glyphTop + 9), QPointF(13.5, glyphTop + 1));
        g.drawLine(QPointF(20, glyphTop + 7.5), QPointF(20, glyphTop - 0.5));
        g.setPen(QPen(color, 2.2));
        g.drawLine(QPointF(13.5, glyphTop + 1.4), QPointF(20, glyphTop - 0.1));
    } else {
        for (int i = 0; i < 3; ++i) {
            g.drawEllipse(QRectF(9.5, glyphTop + 0.5 + 4 * i, 2.4, 2.4));
            g.fillRect(QRectF(13, glyphTop + 1 + 4 * i, 9, 1.6), color);
        }
    }
    if (withLabel) {
        g.setPen(Qt::NoPen);
        g.setBrush(color);
        g.drawRoundedRect(QRectF(3, 19, 21, 9), 1.5, 1.5);
        QFont font;
        font.setPixelSize(7);
        font.setBold(true);
        g.setFont(font);
        g.setPen(Qt::white);
        g.drawText(QRectF(3, 19, 21, 9), Qt::AlignCenter, label);
    } else {
        g.fillRect(QRectF(6.5, 25, 20, 5.5), color);
    }
    return image;
}

bool saveImage(const QImage& image, const QString& path) {
    if (image.save(path, "BMP"))
        return true;
    qWarning("could not write %s", qPrintable(path));
    return false;
}

}  // namespace

const std::vector<Palette>& palettes() {
    static const std::vector<Palette> all = {
        {QStringLiteral("Blue"), QColor(0x5a, 0x9a, 0xe6), QColor(0x24, 0x5f, 0xb4),
         QColor(0xfb, 0xfd, 0xff), QColor(0xd2, 0xe4, 0xfa), QColor(0x23, 0x55, 0x9c),
         QColor(0x10, 0x2f, 0x62), QColor(0x1a, 0x45, 0x85)},
        {QStringLiteral("RosePink"), QColor(0xee, 0x8c, 0xae), QColor(0xc4, 0x4a, 0x7a),
         QColor(0xff, 0xfb, 0xfc), QColor(0xf9, 0xdc, 0xe7), QColor(0x9e, 0x3a, 0x64),
         QColor(0x62, 0x1c, 0x3c), QColor(0x8e, 0x2f, 0x58)},
        {QStringLiteral("Green"), QColor(0x5c, 0xb8, 0x6a), QColor(0x2a, 0x7f, 0x3e),
         QColor(0xfb, 0xfe, 0xfb), QColor(0xd7, 0xee, 0xd9), QColor(0x27, 0x6b, 0x38),
         QColor(0x12, 0x42, 0x1f), QColor(0x1f, 0x5e, 0x2e)},
        {QStringLiteral("LightGreen"), QColor(0x9a, 0xd8, 0x7a), QColor(0x55, 0xa4, 0x3e),
         QColor(0xfd, 0xff, 0xf9), QColor(0xe6, 0xf6, 0xd8), QColor(0x4a, 0x93, 0x45),
         QColor(0x2a, 0x62, 0x2a), QColor(0x3e, 0x80, 0x38)},
        {QStringLiteral("Purple"), QColor(0x9d, 0x7c, 0xdc), QColor(0x5f, 0x40, 0xa8),
         QColor(0xfc, 0xfa, 0xff), QColor(0xe6, 0xdd, 0xf8), QColor(0x53, 0x37, 0x8f),
         QColor(0x2f, 0x1c, 0x5c), QColor(0x48, 0x2f, 0x82)},
    };
    return all;
}

QImage background(const Palette& p, SkinFiles::Surface surface) {
    QImage image(kWindowWidth, kWindowHeight, QImage::Format_RGB32);
    QPainter g(&image);
    g.setRenderHint(QPainter::Antialiasing);
    const int band = bandHeight(surface);
    const bool light = surface == SkinFiles::Surface::CommandBox;

    const QRect body(0, band, kWindowWidth, kWindowHeight - band);
    QLinearGradient fill(0, band, 0, kWindowHeight);
    fill.setColorAt(0, light ? p.lightTop : p.deepTop);
    fill.setColorAt(1, light ? p.lightBottom : p.deepBottom);
    g.fillRect(body, fill);
    paintDecoration(g, surface, body);

    paintBand(g, kWindowWidth, band, p);
    g.setRenderHint(QPainter::Antialiasing, false);
    g.setPen(p.bandBottom.darker(125));
    g.drawLine(0, band - 1, kWindowWidth, band - 1);
    g.setPen(QColor(255, 255, 255, light ? 220 : 46));
    g.drawLine(0, band, kWindowWidth, band);

    g.setPen(p.border);
    g.setBrush(Qt::NoBrush);
    g.drawRect(0, 0, kWindowWidth - 1, kWindowHeight - 1);
    g.setPen(QColor(255, 255, 255, 70));
    g.drawLine(1, 1, kWindowWidth - 2, 1);
    g.drawLine(1, 1, 1, kWindowHeight - 2);
    return image;
}

QImage titleButton(const Palette& p, TitleGlyph glyph, ButtonLook look) {
    QImage image(kButtonWidth, kButtonHeight, QImage::Format_RGB32);
    QPainter g(&image);
    g.translate(0, -kButtonTop);
    paintBand(g, kButtonWidth, kBandGradientRows, p);
    g.resetTransform();
    g.setRenderHint(QPainter::Antialiasing);

    const bool close = glyph == TitleGlyph::Close;
    const QRectF chip(1.5, 1.5, kButtonWidth - 3, kButtonHeight - 3);
    if (look == ButtonLook::Hover) {
        g.setPen(close ? QColor(0xff, 0x9a, 0x9a) : QColor(255, 255, 255, 110));
        g.setBrush(close ? QColor(0xe0, 0x43, 0x4f) : QColor(255, 255, 255, 60));
        g.drawRoundedRect(chip, 3, 3);
    } else if (look == ButtonLook::Pressed) {
        g.setPen(close ? QColor(0x8a, 0x1c, 0x24) : QColor(0, 0, 0, 70));
        g.setBrush(close ? QColor(0xb0, 0x26, 0x32) : QColor(0, 0, 0, 64));
        g.drawRoundedRect(chip, 3, 3);
    }
    const QColor ink = look == ButtonLook::Normal ? QColor(255, 255, 255, 235) : Qt::white;
    g.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // A pressed button's glyph sinks by a pixel.
    drawGlyph(g, glyph, look == ButtonLook::Pressed ? QPointF(0.5, 1) : QPointF(0, 0));
    return image;
}

bool writeTheme(const Palette& p, const QString& folder) {
    if (!QDir().mkpath(folder))
        return false;
    const QString f = folder + QLatin1Char('/');
    bool ok =
        saveImage(background(p, SkinFiles::Surface::CommandBox), f + QLatin1String("Mirato.bmp")) &&
        saveImage(background(p, SkinFiles::Surface::Player), f + QLatin1String("Player.bmp")) &&
        saveImage(background(p, SkinFiles::Surface::Lyrics), f + QLatin1String("LrcShow.bmp"));
    const struct {
        TitleGlyph glyph;
        const char* prefix;
    } buttons[] = {
        {TitleGlyph::Minimise, "_"}, {TitleGlyph::Maximise, "="}, {TitleGlyph::Close, "X"}};
    for (const auto& button : buttons) {
        const QString name = f + QLatin1String(button.prefix);
        ok = ok &&
             saveImage(titleButton(p, button.glyph, ButtonLook::Normal),
                       name + QLatin1String(".bmp")) &&
             saveImage(titleButton(p, button.glyph, ButtonLook::Pressed),
                       name + QLatin1String("down.bmp")) &&
             saveImage(titleButton(p, button.glyph, ButtonLook::Hover),
                       name + QLatin1String("move.bmp"));
    }
    return ok;
}

QImage trayIcon(int size) {
    return Glyphs::appIconPixmap(size).toImage();
}

QList<int> iconSizes() {
    return {16, 24, 32, 48};
}

QImage fileTypeIcon(FileKind kind, const QString& label, const QColor& color, int size) {
    return sheetIcon(kind, label, color, size);
}

bool writeIcons(const QString& otherFolder, const QString& runIconFolder) {
    if (!QDir().mkpath(otherFolder) || !QDir().mkpath(runIconFolder))
        return false;
    QList<QImage> tray;
    for (int size : iconSizes())
        tray.append(trayIcon(size));
    bool ok = writeIco(tray, otherFolder + QStringLiteral("/run.ico"));

    const struct {
        const char* file;
        FileKind kind;
        const char* label;
        QColor color;
    } types[] = {
        {"m3u.ico", FileKind::Playlist, "M3U", QColor(0x2f, 0x8f, 0x4a)},
        {"M3u.ico", FileKind::Playlist, "ASX", QColor(0x46, 0x64, 0x86)},
        {"mp3.ico", FileKind::Music, "MP3", QColor(0x24, 0x68, 0xc4)},
        {"wma.ico", FileKind::Music, "WMA", QColor(0xd8, 0x6c, 0x1c)},
        {"wav.ico", FileKind::Music, "WAV", QColor(0x13, 0x8f, 0x86)},
        {"Mid.ico", FileKind::Music, "MID", QColor(0x7a, 0x4c, 0xc0)},
    };
    for (const auto& type : types) {
        QList<QImage> images;
        for (int size : iconSizes())
            images.append(fileTypeIcon(type.kind, QLatin1String(type.label), type.color, size));
        ok = writeIco(images, runIconFolder + QLatin1Char('/') + QLatin1String(type.file)) && ok;
    }
    return ok;
}

bool writeIco(const QList<QImage>& images, const QString& path) {
    // Each picture is a bottom-up 32-bit DIB (height doubled for the mask) followed by its
    // 1-bit transparency mask, the form every icon reader understands.
    QList<QByteArray> entries;
    for (const QImage& source : images) {
        const QImage image = source.convertToFormat(QImage::Format_ARGB32);
        const int w = image.width();
        const int h = image.height();
        const int maskStride = ((w + 31) / 32) * 4;
        QByteArray data;
        QDataStream out(&data, QIODevice::WriteOnly);
        out.setByteOrder(QDataStream::LittleEndian);
        out << quint32(40) << qint32(w) << qint32(2 * h) << quint16(1) << quint16(32) << quint32(0)
            << quint32(w * h * 4 + maskStride * h) << qint32(0) << qint32(0) << quint32(0)
            << quint32(0);
        for (int y = h - 1; y >= 0; --y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < w; ++x)
                out << quint8(qBlue(line[x])) << quint8(qGreen(line[x])) << quint8(qRed(line[x]))
                    << quint8(qAlpha(line[x]));
        }
        for (int y = h - 1; y >= 0; --y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            QByteArray row(maskStride, '\0');
            for (int x = 0; x < w; ++x) {
                if (qAlpha(line[x]) == 0)
                    row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
            out.writeRawData(row.constData(), row.size());
        }
        entries.append(data);
    }

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * images.size();
    for (int i = 0; i < images.size(); ++i) {
        const int w = images[i].width();
        const int h = images[i].height();
        out << quint8(w >= 256 ? 0 : w) << quint8(h >= 256 ? 0 : h) << quint8(0) << quint8(0)
            << quint16(1) << quint16(32) << quint32(entries[i].size()) << quint32(offset);
        offset += entries[i].size();
    }
    for (const QByteArray& entry : entries)
        out.writeRawData(entry.constData(), entry.size());
    return out.status() == QDataStream::Ok && file.flush();
}

}  // namespace mirato::ThemeArtwork
