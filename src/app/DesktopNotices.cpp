#include "app/DesktopNotices.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

#include "platform/PlatformBackends.h"

namespace mirato::DesktopNotices {

bool show(const QString& title, const QString& text) {
    const QString service = QStringLiteral("org.freedesktop.Notifications");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface() ||
        !bus.interface()->isServiceRegistered(service).value())
        return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/Notifications"),
                                       service, QStringLiteral("Notify"));
    // The desktop entry lets the desktop show the notice under Mirato's own name and icon.
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QString::fromLatin1(kApplicationId)}};
    call << title << 0u << QStringLiteral("dialog-information") << title << text << QStringList()
         << hints << -1;
    bus.call(call, QDBus::NoBlock);
    return true;
}

}  // namespace mirato::DesktopNotices
