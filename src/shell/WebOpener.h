#pragma once

#include <QString>
#include <optional>

#include "core/AddressOpener.h"
#include "core/Launcher.h"

namespace mirato {

// Opens web addresses with the default browser's own open command, read once (at the first
// address, so start-up does not wait for it):
//   1. the command holds "%1": every "%1" becomes the address;
//   2. it holds "-nohome": every "-nohome" becomes the address;
//   3. it holds "xplore.exe": the address is added after it;
//   4. otherwise (no command at all, too): the desktop's handler opens the address.
// The command is split into words first and the address replaces text inside a word, so the
// address always reaches the browser as one argument.
class WebOpener : public AddressOpener {
public:
    WebOpener(QString browserCommand, Launcher& launcher, const HostConventions& conventions);
    // Reads the desktop's browser command when the first address is opened.
    WebOpener(Launcher& launcher, const HostConventions& conventions);

    void open(const QString& address) override;

    // The open command of the default handler of http addresses, with "%1" where the address
    // goes; "" when the desktop names none.
    static QString readBrowserCommand();

    const QString& browserCommand() const;

private:
    mutable std::optional<QString> browserCommand_;
    Launcher& launcher_;
    const HostConventions& conventions_;
};

}  // namespace mirato
