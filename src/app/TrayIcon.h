#pragma once

#include <QObject>
#include <QSystemTrayIcon>

class QMenu;

namespace mirato {

class AppPaths;
class DesktopNotifier;
class WindowRequests;

// The program's icon in the notification area: the tray menu on a right click, the box on a
// left one, and where the balloons come from while it is there.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    TrayIcon(const AppPaths& paths, QMenu* menu, DesktopNotifier& notifier,
             WindowRequests& windows);
    ~TrayIcon() override;

    // Back in the notification area, where it was not (the hotkey is how users find it).
    void showAgain();
    void hide();

private:
    DesktopNotifier& notifier_;
    QSystemTrayIcon icon_;
};

}  // namespace mirato
