#pragma once

#include <QString>

class QWidget;

namespace mirato {

// What every visible window of the program shares: one opacity and one top-most switch.
namespace WindowTraits {

// Applies the opacity text (see Opacity::alphaFromText; empty means the default).
void applyOpacity(QWidget& window, const QString& opacity);
// Keeps the window above others when the setting "bTopMost" is exactly "True".
void applyTopMost(QWidget& window);

}  // namespace WindowTraits

}  // namespace mirato
