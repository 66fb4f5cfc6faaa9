#pragma once

#include <QDBusConnection>
#include <QElapsedTimer>

#include "platform/IdleClock.h"

namespace mirato {

// The desktop's own idle time over the session bus, for Wayland sessions:
// org.freedesktop.ScreenSaver.GetSessionIdleTime where the desktop has it (KDE), else
// org.gnome.Mutter.IdleMonitor.GetIdletime (GNOME). Calls never block: each question sends the
// next call and answers with the latest reply.
class SessionBusIdleClock : public IdleClock {
    Q_OBJECT
public:
    explicit SessionBusIdleClock(QDBusConnection bus = QDBusConnection::sessionBus(),
                                 QObject* parent = nullptr);

    std::optional<unsigned long> idleMilliseconds() override;
    bool isAvailable() const override { return source_ != Source::None; }

private:
    enum class Source { Probing, ScreenSaver, Mutter, None };
    void ask(Source source);

    QDBusConnection bus_;
    Source source_ = Source::Probing;
    bool asking_ = false;
    std::optional<unsigned long> latest_;
    QElapsedTimer sinceLatest_;
};

}  // namespace mirato
