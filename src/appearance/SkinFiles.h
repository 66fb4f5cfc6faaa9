#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace mirato {

// The picture files of a theme folder and which window uses which, in the order a window loads
// them. Both the artwork generator and the windows work from these lists.
namespace SkinFiles {

enum class Surface { CommandBox, Player, Lyrics };

// What a window shows a picture on, and in which of the control's places.
enum class Part { Background, Minimise, Maximise, Close };
enum class Slot {
    Shown,    // what the control shows now
    Pressed,  // kept for a press
    Hover,    // kept for the mouse moving over it
    Normal,   // kept to put back after hover or press
};

struct Entry {
    Part part;
    Slot slot;
    const char* file;  // the file name inside the theme folder
};

// The window's pictures in load order: background, minimise set, (player only) the third
// button's set, close set.
std::vector<Entry> forSurface(Surface surface);

// The twelve distinct files every theme folder holds.
QStringList themeFileNames();

// The themes the menu offers, the first being the default.
QStringList knownThemes();

// Full path of a theme file: the skin root, the theme, the file.
QString path(const QString& skinFolder, const QString& theme, const char* file);

}  // namespace SkinFiles

}  // namespace mirato
