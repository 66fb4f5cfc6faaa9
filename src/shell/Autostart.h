#pragma once

#include <QString>
#include <optional>

#include "core/AppState.h"
#include "core/Notifier.h"
#include "platform/HostConventions.h"

namespace mirato {

// Where the start-at-login entry lives.
class LoginEntryBackend {
public:
    enum class WriteResult { Written, Denied, Failed };
    virtual ~LoginEntryBackend() = default;
    // The entry's command, nullopt when there is none.
    virtual std::optional<QString> read() = 0;
    virtual WriteResult write(const QString& command) = 0;
    virtual bool remove() = 0;
};

// Starting the program when the user logs in, switched from the menu.
class Autostart {
public:
    Autostart(LoginEntryBackend& backend, AppState& state, Notifier& notifier)
        : backend_(backend), state_(state), notifier_(notifier) {}

    // What starts the program: its folder, a separator unless the folder already ends in one,
    // and its name (with ".Exe" on Windows).
    static QString commandFor(const QString& folder, const QString& name,
                              const HostConventions& conventions);

    // Start-up: the entry's command into the shared state ("" when there is none).
    void load();
    // Switches according to the shared state and tells the user; returns whether the menu item
    // should carry its tick afterwards.
    bool toggle(const QString& command);

private:
    LoginEntryBackend& backend_;
    AppState& state_;
    Notifier& notifier_;
};

// $XDG_CONFIG_HOME/autostart/Mirato.desktop, whose Exec is the command.
class XdgLoginEntry : public LoginEntryBackend {
public:
    static QString path();
    std::optional<QString> read() override;
    WriteResult write(const QString& command) override;
    bool remove() override;
};

}  // namespace mirato
