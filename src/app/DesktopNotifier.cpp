#include "app/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QSystemTrayIcon>

#include "core/Strings.h"
#include "platform/PlatformBackends.h"

Q_LOGGING_CATEGORY(lcNotify, "mirato.app.notify", QtWarningMsg)

namespace mirato {

void DesktopNotifier::messageBox(const QString& text, const QString& title) {
    QMessageBox::information(nullptr, title.isEmpty() ? Strings::programTitle() : title, text);
}

void DesktopNotifier::stopBox(const QString& text) {
    QMessageBox::critical(nullptr, Strings::programTitle(), text);
}

void DesktopNotifier::balloon(const QString& text) {
    const QString service = QStringLiteral("org.freedesktop.Notifications");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface() ||
        !bus.interface()->isServiceRegistered(service).value()) {
        if (tray_ && tray_->isVisible() && QSystemTrayIcon::supportsMessages())
            tray_->showMessage(Strings::programTitle(), text, QSystemTrayIcon::Information);
        else
            qCDebug(lcNotify) << "no notification service for:" << text;
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/Notifications"),
                                       service, QStringLiteral("Notify"));
    // The desktop entry lets the desktop show the notice under Mirato's own name and icon.
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QString::fromLatin1(kApplicationId)}};
    call << Strings::programTitle() << 0u << QStringLiteral("dialog-information")
         << Strings::programTitle() << text << QStringList() << hints << -1;
    bus.call(call, QDBus::NoBlock);
}

}  // namespace mirato
