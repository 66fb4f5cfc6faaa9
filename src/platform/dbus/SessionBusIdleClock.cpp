#include "platform/dbus/SessionBusIdleClock.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcIdle, "mirato.platform.idle", QtWarningMsg)

namespace mirato {

namespace {

QDBusMessage callFor(bool screenSaver) {
    if (screenSaver)
        return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.ScreenSaver"),
                                              QStringLiteral("/org/freedesktop/ScreenSaver"),
                                              QStringLiteral("org.freedesktop.ScreenSaver"),
                                              QStringLiteral("GetSessionIdleTime"));
    return QDBusMessage::createMethodCall(QStringLiteral("org.gnome.Mutter.IdleMonitor"),
                                          QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"),
                                          QStringLiteral("org.gnome.Mutter.IdleMonitor"),
                                          QStringLiteral("GetIdletime"));
}

}  // namespace

SessionBusIdleClock::SessionBusIdleClock(QDBusConnection bus, QObject* parent)
    : IdleClock(parent), bus_(std::move(bus)) {
    if (!bus_.isConnected()) {
        source_ = Source::None;
        return;
    }
    // The first question finds out which source this desktop has.
    ask(Source::ScreenSaver);
}

std::optional<unsigned long> SessionBusIdleClock::idleMilliseconds() {
    if (source_ == Source::ScreenSaver || source_ == Source::Mutter)
        ask(source_);
    if (!latest_)
        return std::nullopt;
    // The reply is as old as the time since it came; the user has been idle that long more,
    // unless the next reply says otherwise.
    return *latest_ + static_cast<unsigned long>(sinceLatest_.elapsed());
}

void SessionBusIdleClock::ask(Source source) {
    if (asking_)
        return;
    asking_ = true;
    auto* watcher =
        new QDBusPendingCallWatcher(bus_.asyncCall(callFor(source == Source::ScreenSaver)), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, source](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                asking_ = false;
                const QDBusMessage reply = w->reply();
                const QVariant value =
                    reply.arguments().isEmpty() ? QVariant() : reply.arguments().first();
                bool ok = reply.type() == QDBusMessage::ReplyMessage;
                const qulonglong idle = ok ? value.toULongLong(&ok) : 0;
                if (ok) {
                    latest_ = static_cast<unsigned long>(idle);
                    sinceLatest_.start();
                    if (source_ != source) {
                        source_ = source;
                        emit availabilityChanged(true);
                    }
                    return;
                }
                if (source_ != Source::Probing)
                    return;  // a passing failure: the next question tries again
                if (source == Source::ScreenSaver) {
                    ask(Source::Mutter);
                    return;
                }
                qCDebug(lcIdle) << "this desktop gives no idle time:" << w->error().message();
                source_ = Source::None;
                emit availabilityChanged(false);
            });
}

}  // namespace mirato
