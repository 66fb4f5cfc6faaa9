#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <functional>

namespace mirato {

class IdleClock;
class MediaControl;

// Pauses the music after five idle minutes and resumes it when the mouse moves (typing alone
// does not). Watching runs once a second while the user wants it and the desktop can say how
// long it has been idle; it follows the desktop when that changes.
class PowerSaver : public QObject {
    Q_OBJECT
public:
    static constexpr unsigned long kIdleMinutes = 5;
    using MouseProbe = std::function<QPoint()>;

    PowerSaver(MediaControl& media, IdleClock& idle, MouseProbe mouse, QObject* parent = nullptr);

    // The user's choice (the menu's tick).
    void setWanted(bool wanted);
    bool watching() const { return idleTimer_.isActive(); }
    bool pausedForIdleness() const { return mouseTimer_.isActive(); }

    // One step of each watch (the timers call them; tests too).
    void checkIdle();
    void checkMouse();

private:
    void follow();

    MediaControl& media_;
    IdleClock& idle_;
    bool wanted_ = false;
    MouseProbe mouse_;
    QPoint savedMouse_;
    QTimer idleTimer_;
    QTimer mouseTimer_;
};

}  // namespace mirato
