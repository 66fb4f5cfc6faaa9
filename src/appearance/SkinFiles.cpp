#include "appearance/SkinFiles.h"

namespace mirato::SkinFiles {

std::vector<Entry> forSurface(Surface surface) {
    const char* background = surface == Surface::CommandBox ? "Mirato.bmp"
                             : surface == Surface::Player   ? "Player.bmp"
                                                            : "LrcShow.bmp";
    std::vector<Entry> entries{{Part::Background, Slot::Shown, background}};
    auto button = [&entries](Part part, const char* normal, const char* pressed,
                             const char* hover) {
        entries.insert(entries.end(), {{part, Slot::Shown, normal},
                                       {part, Slot::Pressed, pressed},
                                       {part, Slot::Hover, hover},
                                       {part, Slot::Normal, normal}});
    };
    button(Part::Minimise, "_.bmp", "_down.bmp", "_move.bmp");
    if (surface == Surface::Player)
        button(Part::Maximise, "=.bmp", "=down.bmp", "=move.bmp");
    button(Part::Close, "X.bmp", "Xdown.bmp", "Xmove.bmp");
    return entries;
}

QStringList themeFileNames() {
    return {
        QStringLiteral("Mirato.bmp"), QStringLiteral("Player.bmp"), QStringLiteral("LrcShow.bmp"),
        QStringLiteral("_.bmp"),      QStringLiteral("_down.bmp"),  QStringLiteral("_move.bmp"),
        QStringLiteral("=.bmp"),      QStringLiteral("=down.bmp"),  QStringLiteral("=move.bmp"),
        QStringLiteral("X.bmp"),      QStringLiteral("Xdown.bmp"),  QStringLiteral("Xmove.bmp")};
}

QStringList knownThemes() {
    return {QStringLiteral("Blue"), QStringLiteral("RosePink"), QStringLiteral("Green"),
            QStringLiteral("LightGreen"), QStringLiteral("Purple")};
}

QString path(const QString& skinFolder, const QString& theme, const char* file) {
    return skinFolder + QLatin1Char('/') + theme + QLatin1Char('/') + QLatin1String(file);
}

}  // namespace mirato::SkinFiles
