#pragma once

#include <QImage>
#include <QString>

namespace mirato {

// Reads the plain kind of BMP file the themes ship (24 or 32 bits a pixel, uncompressed)
// without Qt's image plug-in machinery, whose first use costs milliseconds at start-up.
namespace BmpFile {

// The picture, or a null image for anything else (other BMP kinds, damaged or missing files):
// the caller then falls back to Qt's reader.
QImage read(const QString& path);
// The same from the file's bytes.
QImage decode(const uchar* data, qint64 size);

}  // namespace BmpFile

}  // namespace mirato
