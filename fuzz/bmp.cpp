// Theme pictures: any bytes as a BMP file.
#include <QImage>

#include "FuzzInput.h"
#include "appearance/BmpFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QImage image = mirato::BmpFile::decode(data, static_cast<qint64>(size));
    if (!image.isNull())
        FUZZ_CHECK(qint64(image.width()) * image.height() * 3 <= qint64(size));
    return 0;
}
