#include "platform/dbus/BusActivatedApplications.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QLoggingCategory>

namespace mirato {

Q_LOGGING_CATEGORY(lcActivated, "mirato.platform.activated", QtWarningMsg)

namespace {

// Typing asks about the same applications over and over; the bus is asked again after this.
constexpr qint64 kRememberMs = 1000;

}  // namespace

QDBusConnection& BusActivatedApplications::bus() {
    if (!bus_)
        bus_ = QDBusConnection::sessionBus();
    return *bus_;
}

QString BusActivatedApplications::objectPathOf(const QString& id) {
    QString path = QLatin1Char('/') + id;
    path.replace(QLatin1Char('.'), QLatin1Char('/')).replace(QLatin1Char('-'), QLatin1Char('_'));
    return path;
}

bool BusActivatedApplications::isRunning(const InstalledApplication& app) {
    if (!app.busActivated || !bus().isConnected())
        return false;
    if (!age_.isValid() || age_.hasExpired(kRememberMs)) {
        running_.clear();
        age_.start();
    }
    const auto known = running_.constFind(app.id);
    if (known != running_.constEnd())
        return *known;
    const bool running = bus().interface()->isServiceRegistered(app.id).value();
    running_.insert(app.id, running);
    return running;
}

bool BusActivatedApplications::switchTo(const InstalledApplication& app) {
    if (!isRunning(app))
        return false;
    QDBusMessage activate = QDBusMessage::createMethodCall(
        app.id, objectPathOf(app.id), QStringLiteral("org.freedesktop.Application"),
        QStringLiteral("Activate"));
    activate << QVariantMap{};
    if (!bus().send(activate)) {
        qCDebug(lcActivated) << "could not ask" << app.id << "to come forward";
        return false;
    }
    return true;
}

}  // namespace mirato
