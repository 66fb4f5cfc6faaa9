#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <functional>
#include <optional>

namespace mirato {

class MediaControl;

// Pauses the music after five idle minutes and resumes it when the mouse moves (typing alone
// does not). Watching runs once a second while the option is on.
class PowerSaver : public QObject {
    Q_OBJECT
public:
    static constexpr unsigned long kIdleMinutes = 5;
    using IdleProbe = std::function<std::optional<unsigned long>()>;
    using MouseProbe = std::function<QPoint()>;

    PowerSaver(MediaControl& media, IdleProbe idle, MouseProbe mouse, QObject* parent = nullptr);

    void setEnabled(bool on);
    bool watching() const { return idleTimer_.isActive(); }
    bool pausedForIdleness() const { return mouseTimer_.isActive(); }

    // One step of each watch (the timers call them; tests too).
    void checkIdle();
    void checkMouse();

private:
    MediaControl& media_;
    IdleProbe idle_;
    MouseProbe mouse_;
    QPoint savedMouse_;
    QTimer idleTimer_;
    QTimer mouseTimer_;
};

}  // namespace mirato
