#pragma once

#include "core/Notifier.h"

namespace mirato {

// Message boxes as Qt dialogs; balloons through the desktop's notification service.
class DesktopNotifier : public Notifier {
public:
    void messageBox(const QString& text, const QString& title = QString()) override;
    void balloon(const QString& text) override;
};

}  // namespace mirato
