#pragma once

#include "platform/LoginEntryStore.h"

namespace mirato {

// $XDG_CONFIG_HOME/autostart/Mirato.desktop, whose Exec is the command.
class XdgLoginEntry : public LoginEntryStore {
public:
    static QString path();
    std::optional<QString> read() override;
    // The command is one program path: it is quoted by the desktop-entry rules, and the file
    // is replaced in one step.
    WriteResult write(const QString& command) override;
    bool remove() override;
};

}  // namespace mirato
