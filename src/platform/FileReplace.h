#pragma once

#include <QString>

namespace mirato::FileReplace {

// Renames from over to in one step: a reader sees the old file or the new one, never neither.
// POSIX's rename does it; Windows' needs to be told the target may exist.
bool renameOver(const QString& from, const QString& to);

}  // namespace mirato::FileReplace
