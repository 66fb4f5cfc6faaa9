#pragma once

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QHash>
#include <optional>

#include "platform/RunningApplications.h"

namespace mirato {

// Applications the desktop starts over the session bus (DBusActivatable): one runs while its
// id is a name on the bus, and org.freedesktop.Application.Activate brings its window forward.
// Where the program cannot see other programs' windows (Wayland), this is the way there is.
class BusActivatedApplications : public RunningApplications {
public:
    // The session bus is reached the first time an application is asked about, not at start.
    BusActivatedApplications() = default;
    explicit BusActivatedApplications(QDBusConnection bus) : bus_(std::move(bus)) {}

    bool isRunning(const InstalledApplication& app) override;
    bool switchTo(const InstalledApplication& app) override;

    // The object an application's id is reached at: "org.example.App" is /org/example/App.
    static QString objectPathOf(const QString& id);

private:
    QDBusConnection& bus();

    std::optional<QDBusConnection> bus_;
    QHash<QString, bool> running_;  // by id, as asked last
    QElapsedTimer age_;             // since running_ was begun
};

}  // namespace mirato
