#include "support/ThemeFolder.h"

#include <QDir>
#include <QImage>

#include "appearance/SkinFiles.h"

namespace mirato::test {

QColor solidColour(const QString& file, int shade) {
    const int index = SkinFiles::themeFileNames().indexOf(file);
    return QColor(QColor::fromHsv(index * 29 % 360, 200, 120 + 60 * (shade % 3)).rgb());
}

void writeSolidTheme(const QString& skinFolder, const QString& theme, int shade,
                     const QStringList& leaveOut) {
    const QString folder = skinFolder + QLatin1Char('/') + theme;
    QDir().mkpath(folder);
    for (const QString& file : SkinFiles::themeFileNames()) {
        if (leaveOut.contains(file))
            continue;
        const bool window = file.endsWith(QLatin1String("Mirato.bmp")) ||
                            file == QLatin1String("Player.bmp") ||
                            file == QLatin1String("LrcShow.bmp");
        QImage image(window ? QSize(340, 100) : QSize(22, 20), QImage::Format_RGB32);
        image.fill(solidColour(file, shade));
        image.save(folder + QLatin1Char('/') + file, "BMP");
    }
}

}  // namespace mirato::test
