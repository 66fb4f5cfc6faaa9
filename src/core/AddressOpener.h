#pragma once

#include <QString>

namespace mirato {

// Opens a web address in the user's browser.
class AddressOpener {
public:
    virtual ~AddressOpener() = default;
    virtual void open(const QString& address) = 0;
};

}  // namespace mirato
