#include "app/PowerSaver.h"

#include "core/MediaControl.h"
#include "platform/IdleClock.h"

namespace mirato {

PowerSaver::PowerSaver(MediaControl& media, IdleClock& idle, MouseProbe mouse, QObject* parent)
    : QObject(parent), media_(media), idle_(idle), mouse_(std::move(mouse)) {
    idleTimer_.setInterval(1000);
    mouseTimer_.setInterval(1000);
    connect(&idleTimer_, &QTimer::timeout, this, &PowerSaver::checkIdle);
    connect(&mouseTimer_, &QTimer::timeout, this, &PowerSaver::checkMouse);
    connect(&idle, &IdleClock::availabilityChanged, this, &PowerSaver::follow);
}

void PowerSaver::setWanted(bool wanted) {
    wanted_ = wanted;
    follow();
}

void PowerSaver::follow() {
    mouseTimer_.stop();
    if (wanted_ && idle_.isAvailable())
        idleTimer_.start();
    else
        idleTimer_.stop();
}

void PowerSaver::checkIdle() {
    const std::optional<unsigned long> idle = idle_.idleMilliseconds();
    if (!idle)
        return;  // the system cannot say this time
    if (*idle / 60000 < kIdleMinutes || media_.playState() != PlayState::Playing)
        return;
    media_.pause();
    savedMouse_ = mouse_();
    idleTimer_.stop();
    mouseTimer_.start();
}

void PowerSaver::checkMouse() {
    if (mouse_() == savedMouse_)
        return;
    media_.play();
    mouseTimer_.stop();
    idleTimer_.start();
}

}  // namespace mirato
