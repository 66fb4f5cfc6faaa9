#include <windows.h>

#include "platform/FileStamp.h"

namespace mirato {

std::optional<FileStamp> FileStamp::of(const QString& path) {
    // Opened for no access at all: only its attributes are read, whoever holds it open.
    HANDLE file = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), 0,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION identity{};
    FILE_BASIC_INFO times{};
    const bool read = GetFileInformationByHandle(file, &identity) &&
                      GetFileInformationByHandleEx(file, FileBasicInfo, &times, sizeof times);
    CloseHandle(file);
    if (!read)
        return std::nullopt;
    // The change time moves with every write and every rename over the file; both count in
    // 100 ns steps.
    const qint64 changed = std::max(times.LastWriteTime.QuadPart, times.ChangeTime.QuadPart);
    return FileStamp{quint64(identity.dwVolumeSerialNumber),
                     (quint64(identity.nFileIndexHigh) << 32) | identity.nFileIndexLow,
                     (qint64(identity.nFileSizeHigh) << 32) | identity.nFileSizeLow, changed * 100};
}

}  // namespace mirato
