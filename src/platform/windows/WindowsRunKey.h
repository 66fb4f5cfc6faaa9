#pragma once

#include "platform/LoginEntryStore.h"

namespace mirato {

// The value "Mirato" under HKCU\Software\Microsoft\Windows\CurrentVersion\Run: its data is the
// command Windows runs at log-on.
class WindowsRunKey : public LoginEntryStore {
public:
    static constexpr const char* kKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    static constexpr const char* kValue = "Mirato";

    // The command without the quotes it is stored in.
    std::optional<QString> read() override;
    // The command is one program path: it is written quoted, so a folder with blanks works.
    WriteResult write(const QString& command) override;
    bool remove() override;
};

}  // namespace mirato
