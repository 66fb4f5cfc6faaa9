#include "platform/windows/WindowsHotKey.h"

#include <windows.h>

#include <QCoreApplication>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcHotkey, "mirato.platform.hotkey", QtWarningMsg)

namespace mirato {

namespace {

// The id the key is registered under for this thread's queue (any number of the program's own).
constexpr int kHotKeyId = 0x4d52;  // "MR"

}  // namespace

WindowsHotKey::WindowsHotKey(QObject* parent) : GlobalShortcut(parent) {}

WindowsHotKey::~WindowsHotKey() {
    release();
}

void WindowsHotKey::bind(const QString&) {
    // No window of its own: the key is posted to the thread's queue, which Qt's event
    // dispatcher hands to the native event filters like any message.
    if (!RegisterHotKey(nullptr, kHotKeyId, MOD_ALT | MOD_NOREPEAT, 'R')) {
        const DWORD error = GetLastError();
        qCDebug(lcHotkey) << "RegisterHotKey failed with" << error;
        emit unavailable(error == ERROR_HOTKEY_ALREADY_REGISTERED ? Problem::Taken
                                                                  : Problem::NoBackend);
        return;
    }
    registered_ = true;
    QCoreApplication::instance()->installNativeEventFilter(this);
    emit bound(QStringLiteral("Alt+R"));
}

void WindowsHotKey::release() {
    if (!registered_)
        return;
    UnregisterHotKey(nullptr, kHotKeyId);
    registered_ = false;
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool WindowsHotKey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "windows_generic_MSG")
        return false;
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message != WM_HOTKEY || msg->wParam != kHotKeyId)
        return false;
    emit activated();
    return true;
}

}  // namespace mirato
