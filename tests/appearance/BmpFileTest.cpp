#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "appearance/BmpFile.h"
#include "support/TempEnvironment.h"

namespace mirato {
namespace {

QByteArray header(int width, int height, int bits, int compression = 0) {
    QByteArray b(54, '\0');
    auto put32 = [&](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            b[at + i] = char((v >> (8 * i)) & 0xff);
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(10, 54);
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    b[26] = 1;
    b[28] = char(bits);
    put32(30, quint32(compression));
    return b;
}

// A 3 x 2 picture: red green blue over white black grey, rows padded to four bytes.
QByteArray pixels(int bits, bool topDown) {
    const QRgb top[3] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    const QRgb bottom[3] = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(128, 128, 128)};
    QByteArray out;
    const QRgb* const order[2] = {topDown ? top : bottom, topDown ? bottom : top};
    for (const QRgb* row : order) {
        QByteArray line;
        for (int x = 0; x < 3; ++x) {
            line += char(qBlue(row[x]));
            line += char(qGreen(row[x]));
            line += char(qRed(row[x]));
            if (bits == 32)
                line += char(0xff);
        }
        while (line.size() % 4)
            line += '\0';
        out += line;
    }
    return out;
}

TEST(BmpFile, ReadsPlainPicturesAndDeclinesTheRest) {
    test::TempEnvironment env;
    const struct {
        const char* name;
        QByteArray bytes;
        bool readable;
    } rows[] = {
        {"bottom-up 24", header(3, 2, 24) + pixels(24, false), true},
        {"top-down 24", header(3, -2, 24) + pixels(24, true), true},
        {"bottom-up 32", header(3, 2, 32) + pixels(32, false), true},
        {"truncated", header(3, 2, 24) + pixels(24, false).left(10), false},
        {"8-bit palette", header(3, 2, 8) + QByteArray(64, '\0'), false},
        {"compressed", header(3, 2, 24, 1) + pixels(24, false), false},
        {"zero width", header(0, 2, 24) + pixels(24, false), false},
        {"huge", header(100000, 100000, 24) + pixels(24, false), false},
        {"not a bmp", QByteArray("GIF89a") + QByteArray(100, 'x'), false},
        {"empty", QByteArray(), false},
    };
    for (const auto& row : rows) {
        const QString path = env.writeFile(QString::fromLatin1(row.name) + ".bmp", row.bytes);
        const QImage image = BmpFile::read(path);
        ASSERT_EQ(!image.isNull(), row.readable) << row.name;
        if (!row.readable)
            continue;
        ASSERT_EQ(image.size(), QSize(3, 2)) << row.name;
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0)) << row.name;
        EXPECT_EQ(image.pixel(2, 0), qRgb(0, 0, 255)) << row.name;
        EXPECT_EQ(image.pixel(2, 1), qRgb(128, 128, 128)) << row.name;
    }
    EXPECT_TRUE(BmpFile::read(env.path("missing.bmp")).isNull());
}

TEST(BmpFile, AgreesWithQtOnWhatQtWrites) {
    test::TempEnvironment env;
    QImage picture(37, 11, QImage::Format_RGB32);  // an odd width: padded rows
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 37; ++x)
            picture.setPixel(x, y, qRgb(x * 6, y * 20, (x + y) * 3));
    ASSERT_TRUE(picture.save(env.path("qt.bmp"), "BMP"));
    EXPECT_EQ(BmpFile::read(env.path("qt.bmp")),
              QImage(env.path("qt.bmp")).convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace mirato
