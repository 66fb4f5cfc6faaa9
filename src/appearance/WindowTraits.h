#pragma once

#include <QString>

class QWidget;

namespace mirato {

class Settings;

// What every visible window of the program shares: one opacity and one top-most switch.
namespace WindowTraits {

// Applies an alpha 0..255.
void applyOpacity(QWidget& window, int alpha);
// Keeps the window above others when the setting "bTopMost" is exactly "True".
void applyTopMost(QWidget& window, const Settings& settings);

// Moves the window to the position stored under "<prefix>.top" and "<prefix>.left" (twips);
// a missing or non-numeric value leaves that coordinate alone.
void restorePosition(QWidget& window, const Settings& settings, const QString& prefix);
// Stores the window's position under those keys.
void savePosition(const QWidget& window, Settings& settings, const QString& prefix);

// The look of the small flat buttons on the windows.
QString flatButtonStyle();

}  // namespace WindowTraits

}  // namespace mirato
