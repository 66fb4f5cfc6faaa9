#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <vector>

#include "appearance/SkinFiles.h"

namespace mirato {

// Draws every picture the program ships: the five themes, the tray icon and the file-type
// icons. It runs at build time (tools/Artwork.cpp); nothing here is drawn while the program runs.
namespace ThemeArtwork {

// One theme's colours. Every window has a title band; the command box's body is light (dark
// text), the player's and the lyrics window's bodies are deep (white text).
struct Palette {
    QString name;
    QColor bandTop, bandBottom;
    QColor lightTop, lightBottom;
    QColor deepTop, deepBottom;
    QColor border;
};

// The five shipped themes, the default first.
const std::vector<Palette>& palettes();

// Every window is 340 x 100 pixels; the title buttons are 22 x 20 and sit 6 pixels down.
constexpr int kWindowWidth = 340;
constexpr int kWindowHeight = 100;
constexpr int kButtonWidth = 22;
constexpr int kButtonHeight = 20;
constexpr int kButtonTop = 6;

enum class TitleGlyph { Minimise, Maximise, Close };
enum class ButtonLook { Normal, Pressed, Hover };

QImage background(const Palette& palette, SkinFiles::Surface surface);
// A title button drawn on the band exactly as the band looks behind it, so it blends in.
QImage titleButton(const Palette& palette, TitleGlyph glyph, ButtonLook look);

// Writes the twelve theme files into folder (created if needed).
bool writeTheme(const Palette& palette, const QString& folder);

// The tray icon at one size.
QImage trayIcon(int size);
// The sizes icon files carry.
QList<int> iconSizes();

// A document icon for a file type: a sheet with a coloured label and a note or a list.
enum class FileKind { Music, Playlist };
QImage fileTypeIcon(FileKind kind, const QString& label, const QColor& color, int size);

// Writes run.ico into otherFolder and the association icons (m3u.ico, M3u.ico, mp3.ico, wma.ico,
// wav.ico, Mid.ico) into runIconFolder.
bool writeIcons(const QString& otherFolder, const QString& runIconFolder);

// Writes a multi-size .ico file (32-bit pictures with alpha).
bool writeIco(const QList<QImage>& images, const QString& path);

}  // namespace ThemeArtwork

}  // namespace mirato
