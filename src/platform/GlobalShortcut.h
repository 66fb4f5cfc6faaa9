#pragma once

#include <QObject>
#include <QString>

namespace mirato {

// The box's key for the whole desktop (Alt+R), whichever program has the focus. A backend
// binds it in its own way and reports the outcome once: bound() or unavailable().
class GlobalShortcut : public QObject {
    Q_OBJECT
public:
    // Why the key could not be had.
    enum class Problem {
        NoBackend,  // this session offers no way to take a key for the whole desktop
        NoPortal,   // a Wayland session whose desktop has no global-shortcuts portal
        Refused,    // the desktop (or the user, asked by it) declined the binding
        Taken,      // another program holds the key
    };
    Q_ENUM(Problem)

    using QObject::QObject;

    // Asks for Alt+R; description says what the key does, in the user's language.
    virtual void bind(const QString& description) = 0;
    // Lets go of the key (the program is ending).
    virtual void release() = 0;
    // True once bound where the desktop lets the user pick another key for it.
    virtual bool canChangeTrigger() const { return false; }
    // Opens the desktop's own dialog for changing the key.
    virtual void changeTrigger() {}

signals:
    void activated();
    // trigger: how the desktop says the key is pressed ("Alt+R"), empty when it does not say.
    void bound(const QString& trigger);
    void unavailable(mirato::GlobalShortcut::Problem why);
};

}  // namespace mirato
