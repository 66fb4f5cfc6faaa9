#pragma once

#include <QAbstractNativeEventFilter>

#include "platform/SessionEnd.h"

namespace mirato {

// The end of the Windows session (log off, shut down): WM_QUERYENDSESSION is agreed to and
// WM_ENDSESSION, which comes to every top-level window, becomes one endRequested().
class WindowsSessionEnd : public SessionEnd, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit WindowsSessionEnd(QObject* parent = nullptr);
    ~WindowsSessionEnd() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    bool ended_ = false;
};

}  // namespace mirato
