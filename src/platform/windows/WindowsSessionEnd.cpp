#include "platform/windows/WindowsSessionEnd.h"

#include <windows.h>

#include <QCoreApplication>

namespace mirato {

WindowsSessionEnd::WindowsSessionEnd(QObject* parent) : SessionEnd(parent) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowsSessionEnd::~WindowsSessionEnd() {
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool WindowsSessionEnd::nativeEventFilter(const QByteArray& eventType, void* message,
                                          qintptr* result) {
    if (eventType != "windows_generic_MSG")
        return false;
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message == WM_QUERYENDSESSION) {
        if (result)
            *result = TRUE;
        return true;
    }
    // wParam FALSE: another program vetoed the end and the session goes on.
    if (msg->message != WM_ENDSESSION || !msg->wParam || ended_)
        return false;
    ended_ = true;
    // What must survive is stored before this message returns: Windows may end the process
    // right after.
    emit endRequested();
    if (result)
        *result = 0;
    return true;
}

}  // namespace mirato
