// Draws the program's pictures at build time:
//   mirato-artwork icons FOLDER SIZE...   FOLDER/<size>x<size>/apps/mirato.png per size
//   mirato-artwork skins FOLDER           FOLDER/skin/<theme>/*.bmp for the five themes,
//                                         FOLDER/skin/other/run.ico, FOLDER/RunIco/*.ico
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "ThemeArtwork.h"
#include "appearance/Glyphs.h"

namespace {

int drawIcons(const QString& folder, const QStringList& sizes) {
    for (const QString& size : sizes) {
        const int pixels = size.toInt();
        const QString target = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(pixels);
        QDir().mkpath(target);
        if (!mirato::Glyphs::appIconPixmap(pixels).save(target + QStringLiteral("/mirato.png")))
            return 1;
    }
    return 0;
}

int drawSkins(const QString& folder) {
    using namespace mirato::ThemeArtwork;
    for (const Palette& palette : palettes()) {
        if (!writeTheme(palette, folder + QStringLiteral("/skin/") + palette.name))
            return 1;
    }
    return writeIcons(folder + QStringLiteral("/skin/other"), folder + QStringLiteral("/RunIco"))
               ? 0
               : 1;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 4 && args.at(1) == QLatin1String("icons"))
        return drawIcons(args.at(2), args.mid(3));
    if (args.size() == 3 && args.at(1) == QLatin1String("skins"))
        return drawSkins(args.at(2));
    std::fputs("usage: mirato-artwork icons FOLDER SIZE... | skins FOLDER\n", stderr);
    return 2;
}
