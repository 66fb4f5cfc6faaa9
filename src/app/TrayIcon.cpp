#include "app/TrayIcon.h"

#include <QFileInfo>

#include "app/DesktopNotifier.h"
#include "appearance/Glyphs.h"
#include "core/AppPaths.h"
#include "core/Strings.h"
#include "core/WindowRequests.h"

namespace mirato {

namespace {

// The theme's own icon where the user put one, else the program's.
QIcon trayIconOf(const AppPaths& paths) {
    const QString file = paths.otherSkinFile(QStringLiteral("run.ico"));
    return QFileInfo::exists(file) ? QIcon(file) : Glyphs::appIcon();
}

}  // namespace

TrayIcon::TrayIcon(const AppPaths& paths, QMenu* menu, DesktopNotifier& notifier,
                   WindowRequests& windows)
    : notifier_(notifier), icon_(trayIconOf(paths)) {
    icon_.setToolTip(Strings::programTitle());
    icon_.setContextMenu(menu);
    connect(&icon_, &QSystemTrayIcon::activated, this,
            [&windows](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    windows.showCommandBox();
            });
    notifier_.setTray(&icon_);
    icon_.show();
}

TrayIcon::~TrayIcon() {
    notifier_.setTray(nullptr);
}

void TrayIcon::showAgain() {
    if (!icon_.isVisible())
        icon_.show();
}

void TrayIcon::hide() {
    icon_.hide();
}

}  // namespace mirato
