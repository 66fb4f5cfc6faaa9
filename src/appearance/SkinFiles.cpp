#include "appearance/SkinFiles.h"

namespace mirato::SkinFiles {

std::vector<Entry> forSurface(Surface surface) {
    std::vector<Entry> entries;
    switch (surface) {
        case Surface::CommandBox:
            entries.push_back({Role::Background, "Mirato.bmp"});
            break;
        case Surface::Player:
            entries.push_back({Role::Background, "Player.bmp"});
            break;
        case Surface::Lyrics:
            entries.push_back({Role::Background, "LrcShow.bmp"});
            break;
    }
    entries.insert(entries.end(), {{Role::MinimiseNormal, "_.bmp"},
                                   {Role::MinimisePressed, "_down.bmp"},
                                   {Role::MinimiseHover, "_move.bmp"},
                                   {Role::MinimiseRest, "_.bmp"}});
    if (surface == Surface::Player) {
        entries.insert(entries.end(), {{Role::MaximiseNormal, "=.bmp"},
                                       {Role::MaximisePressed, "=down.bmp"},
                                       {Role::MaximiseHover, "=move.bmp"},
                                       {Role::MaximiseRest, "=.bmp"}});
    }
    entries.insert(entries.end(), {{Role::CloseNormal, "X.bmp"},
                                   {Role::ClosePressed, "Xdown.bmp"},
                                   {Role::CloseHover, "Xmove.bmp"},
                                   {Role::CloseRest, "X.bmp"}});
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
