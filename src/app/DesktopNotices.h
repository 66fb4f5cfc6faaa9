#pragma once

#include <QString>

namespace mirato::DesktopNotices {

// Shows a notice through the desktop's notification service, under the program's name and
// icon; false when the desktop has none (the tray shows it then).
bool show(const QString& title, const QString& text);

}  // namespace mirato::DesktopNotices
