#include "platform/windows/UserRegistry.h"

#include <windows.h>

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcRegistry, "mirato.platform.registry", QtWarningMsg)

namespace mirato::UserRegistry {

namespace {

const wchar_t* wide(const QString& text) {
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

const wchar_t* valueName(const QString& name) {
    return name.isEmpty() ? nullptr : wide(name);
}

Result resultOf(LSTATUS status, const char* what, const QString& key) {
    if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND)
        return Result::Done;
    qCDebug(lcRegistry) << what << key << "failed with" << status;
    return status == ERROR_ACCESS_DENIED ? Result::Denied : Result::Failed;
}

}  // namespace

std::optional<QString> read(const QString& key, const QString& name) {
    DWORD bytes = 0;
    const DWORD flags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    if (RegGetValueW(HKEY_CURRENT_USER, wide(key), valueName(name), flags, nullptr, nullptr,
                     &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring data(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = DWORD(data.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, wide(key), valueName(name), flags, nullptr, data.data(),
                     &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    return QString::fromWCharArray(data.c_str());
}

Result write(const QString& key, const QString& name, const QString& data) {
    HKEY handle = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, wide(key), 0, nullptr, 0, KEY_SET_VALUE,
                                     nullptr, &handle, nullptr);
    if (status == ERROR_SUCCESS) {
        status = RegSetValueExW(handle, valueName(name), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(data.utf16()),
                                DWORD((data.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(handle);
    }
    return status == ERROR_FILE_NOT_FOUND ? Result::Failed : resultOf(status, "writing", key);
}

Result remove(const QString& key, const QString& name) {
    return resultOf(RegDeleteKeyValueW(HKEY_CURRENT_USER, wide(key), valueName(name)),
                    "removing a value of", key);
}

Result removeTree(const QString& key) {
    return resultOf(RegDeleteTreeW(HKEY_CURRENT_USER, wide(key)), "removing", key);
}

}  // namespace mirato::UserRegistry
