#include "platform/windows/WindowsRunKey.h"

#include <QDir>

#include "platform/windows/UserRegistry.h"

namespace mirato {

std::optional<QString> WindowsRunKey::read() {
    auto command = UserRegistry::read(QLatin1String(kKey), QLatin1String(kValue));
    if (command && command->size() >= 2 && command->startsWith(QLatin1Char('"')) &&
        command->endsWith(QLatin1Char('"')))
        *command = command->mid(1, command->size() - 2);
    return command;
}

LoginEntryStore::WriteResult WindowsRunKey::write(const QString& command) {
    const QString quoted = QLatin1Char('"') + QDir::toNativeSeparators(command) + QLatin1Char('"');
    switch (UserRegistry::write(QLatin1String(kKey), QLatin1String(kValue), quoted)) {
        case UserRegistry::Result::Done:
            return WriteResult::Written;
        case UserRegistry::Result::Denied:
            return WriteResult::Denied;
        case UserRegistry::Result::Failed:
            break;
    }
    return WriteResult::Failed;
}

bool WindowsRunKey::remove() {
    return UserRegistry::remove(QLatin1String(kKey), QLatin1String(kValue)) ==
           UserRegistry::Result::Done;
}

}  // namespace mirato
