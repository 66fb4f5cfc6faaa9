#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

namespace mirato {

// Alt+R for the whole desktop, grabbed on the X11 root window (also with NumLock and CapsLock
// on; Alt+Shift+R is not it). Where no X11 display exists (Wayland, offscreen) or another
// program holds the key, registering fails with a debug line and the program runs on.
class GlobalHotkey : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit GlobalHotkey(QObject* parent = nullptr);
    ~GlobalHotkey() override;

    bool registerAltR();
    void unregister();
    bool isRegistered() const { return keycode_ != 0; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    void pressed();

private:
    unsigned int keycode_ = 0;
};

}  // namespace mirato
