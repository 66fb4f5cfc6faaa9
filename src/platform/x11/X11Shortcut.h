#pragma once

#include <QAbstractNativeEventFilter>

#include "platform/GlobalShortcut.h"

namespace mirato {

// Alt+R grabbed on the X11 root window (also with NumLock and CapsLock on; Alt+Shift+R is not
// it). Without an X11 display (offscreen) it reports NoBackend; a key held by another program
// is Taken.
class X11Shortcut : public GlobalShortcut, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit X11Shortcut(QObject* parent = nullptr);
    ~X11Shortcut() override;

    void bind(const QString& description) override;
    void release() override;
    bool isGrabbed() const { return keycode_ != 0; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    unsigned int keycode_ = 0;
};

}  // namespace mirato
