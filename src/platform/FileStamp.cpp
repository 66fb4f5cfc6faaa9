#include "platform/FileStamp.h"

#include <sys/stat.h>

#include <QFile>

namespace mirato {

std::optional<FileStamp> FileStamp::of(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    const auto nanoseconds = [](const timespec& time) {
        return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
    };
    // The status change time moves with every write and every rename over the file.
    return FileStamp{quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
                     std::max(nanoseconds(info.st_mtim), nanoseconds(info.st_ctim))};
}

}  // namespace mirato
