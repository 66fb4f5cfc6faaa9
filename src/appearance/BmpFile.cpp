#include "appearance/BmpFile.h"

#include <QFile>
#include <cstring>

namespace mirato::BmpFile {

namespace {

constexpr qint64 kLargestFile = 64 * 1024 * 1024;
constexpr int kLargestSide = 16384;

quint32 u32(const uchar* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (quint32(p[3]) << 24);
}
quint16 u16(const uchar* p) {
    return quint16(p[0] | (p[1] << 8));
}

}  // namespace

QImage read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestFile)
        return {};
    // Mapped rather than read: the pixels are converted straight from the page cache.
    const qint64 size = file.size();
    const uchar* data = size > 0 ? file.map(0, size) : nullptr;
    if (!data)
        return {};
    return decode(data, size);
}

QImage decode(const uchar* data, qint64 size) {
    // File header (14 bytes), then an info header of at least 40.
    if (size < 54 || data[0] != 'B' || data[1] != 'M')
        return {};
    const quint32 pixelOffset = u32(data + 10);
    const quint32 headerSize = u32(data + 14);
    if (headerSize < 40 || 14 + qint64(headerSize) > size)
        return {};
    const qint32 width = qint32(u32(data + 18));
    const qint32 signedHeight = qint32(u32(data + 22));
    const quint16 planes = u16(data + 26);
    const quint16 bits = u16(data + 28);
    const quint32 compression = u32(data + 30);
    if (planes != 1 || (bits != 24 && bits != 32) || compression != 0)
        return {};
    const bool topDown = signedHeight < 0;
    const qint64 height = topDown ? -qint64(signedHeight) : signedHeight;
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide)
        return {};
    const int bytesPerPixel = bits / 8;
    const qint64 stride = ((qint64(width) * bytesPerPixel + 3) / 4) * 4;
    if (pixelOffset < 54 || pixelOffset + stride * height > size)
        return {};

    QImage image(width, int(height), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int y = 0; y < height; ++y) {
        const uchar* row = data + pixelOffset + stride * (topDown ? y : height - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const uchar* px = row + x * bytesPerPixel;
            out[x] = qRgb(px[2], px[1], px[0]);
        }
    }
    return image;
}

}  // namespace mirato::BmpFile
