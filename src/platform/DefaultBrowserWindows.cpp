#include <windows.h>

#include <string>

#include "platform/DefaultBrowser.h"

namespace mirato::DefaultBrowser {

QString command() {
    // HKEY_CLASSES_ROOT: the user's own classes over the machine's.
    const wchar_t* key = L"http\\shell\\open\\command";
    const DWORD flags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ;
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CLASSES_ROOT, key, nullptr, flags, nullptr, nullptr, &bytes) !=
        ERROR_SUCCESS)
        return {};
    std::wstring data(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = DWORD(data.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CLASSES_ROOT, key, nullptr, flags, nullptr, data.data(), &bytes) !=
        ERROR_SUCCESS)
        return {};
    return QString::fromWCharArray(data.c_str());
}

}  // namespace mirato::DefaultBrowser
