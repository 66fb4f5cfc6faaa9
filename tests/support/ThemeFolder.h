#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

namespace mirato::test {

// Writes a theme folder of solid-colour pictures at the windows' sizes. Each file has its own
// colour, different again for each shade, so a test can tell which picture a control shows.
// Files named in leaveOut are not written.
void writeSolidTheme(const QString& skinFolder, const QString& theme, int shade,
                     const QStringList& leaveOut = {});
QColor solidColour(const QString& file, int shade);

}  // namespace mirato::test
