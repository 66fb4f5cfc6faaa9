#pragma once

#include "core/Notifier.h"

class QSystemTrayIcon;

namespace mirato {

// Message boxes as Qt dialogs; balloons through the desktop's notification service, else at
// the tray icon.
class DesktopNotifier : public Notifier {
public:
    void setTray(QSystemTrayIcon* tray) { tray_ = tray; }
    void messageBox(const QString& text, const QString& title = QString()) override;
    void stopBox(const QString& text) override;
    void balloon(const QString& text) override;

private:
    QSystemTrayIcon* tray_ = nullptr;
};

}  // namespace mirato
