#pragma once

#include <QObject>
#include <optional>

namespace mirato {

// How long the user has left keyboard and mouse alone, as the desktop counts it.
class IdleClock : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Milliseconds; nullopt when the desktop cannot say this time.
    virtual std::optional<unsigned long> idleMilliseconds() = 0;
    // False once it is known that this desktop has no idle time to give.
    virtual bool isAvailable() const = 0;

signals:
    void availabilityChanged(bool available);
};

}  // namespace mirato
