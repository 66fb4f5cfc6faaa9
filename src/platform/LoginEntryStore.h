#pragma once

#include <QString>
#include <optional>

namespace mirato {

// Where the desktop keeps what starts when the user logs in.
class LoginEntryStore {
public:
    enum class WriteResult { Written, Denied, Failed };
    virtual ~LoginEntryStore() = default;
    // The entry's command, nullopt when there is none.
    virtual std::optional<QString> read() = 0;
    virtual WriteResult write(const QString& command) = 0;
    virtual bool remove() = 0;
};

}  // namespace mirato
