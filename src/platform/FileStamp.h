#pragma once

#include <QString>
#include <optional>

namespace mirato {

// What tells that a file changed without reading it: its identity, size and change time. A
// file replaced by a rename is another file even when written within the same clock tick.
struct FileStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 changedNs = 0;

    bool operator==(const FileStamp&) const = default;

    // Nothing when the file does not exist or cannot be looked at.
    static std::optional<FileStamp> of(const QString& path);
};

}  // namespace mirato
