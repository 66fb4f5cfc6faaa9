#pragma once

#include <QString>
#include <optional>

#include "core/AppState.h"
#include "core/Notifier.h"
#include "platform/HostConventions.h"
#include "platform/LoginEntryStore.h"

namespace mirato {

// Starting the program when the user logs in, switched from the menu.
class Autostart {
public:
    Autostart(LoginEntryStore& backend, AppState& state, Notifier& notifier)
        : backend_(backend), state_(state), notifier_(notifier) {}

    // What starts the program: its folder, a separator unless the folder already ends in one,
    // and its name (with ".Exe" on Windows).
    static QString commandFor(const QString& folder, const QString& name,
                              const HostConventions& conventions);
    // The command of the program running now.
    static QString commandForThisProgram(const HostConventions& conventions);

    // Start-up: the entry's command into the shared state ("" when there is none).
    void load();
    // Switches according to the shared state and tells the user; returns whether the menu item
    // should carry its tick afterwards.
    bool toggle(const QString& command);

private:
    LoginEntryStore& backend_;
    AppState& state_;
    Notifier& notifier_;
};

}  // namespace mirato
