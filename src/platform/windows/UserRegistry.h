#pragma once

#include <QString>
#include <optional>

namespace mirato {

// String values under HKEY_CURRENT_USER. A key is a path such as "Software\\Classes\\.mp3";
// the value name "" is the key's default value.
namespace UserRegistry {

enum class Result { Done, Denied, Failed };

std::optional<QString> read(const QString& key, const QString& name);
// Makes the key when it is missing.
Result write(const QString& key, const QString& name, const QString& data);
// Missing already counts as done.
Result remove(const QString& key, const QString& name);
// The key with everything under it.
Result removeTree(const QString& key);

}  // namespace UserRegistry

}  // namespace mirato
