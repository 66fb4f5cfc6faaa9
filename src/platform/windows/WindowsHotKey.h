#pragma once

#include <QAbstractNativeEventFilter>

#include "platform/GlobalShortcut.h"

namespace mirato {

// Alt+R for the whole desktop with RegisterHotKey; WM_HOTKEY reaches the program's message
// queue, where a native event filter takes it. A key another program registered is Taken.
class WindowsHotKey : public GlobalShortcut, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit WindowsHotKey(QObject* parent = nullptr);
    ~WindowsHotKey() override;

    void bind(const QString& description) override;
    void release() override;
    bool isRegistered() const { return registered_; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    bool registered_ = false;
};

}  // namespace mirato
