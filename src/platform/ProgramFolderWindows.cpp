#include <windows.h>

#include <QFileInfo>
#include <vector>

#include "platform/ProgramFolder.h"

namespace mirato::ProgramFolder {

QString path() {
    // The name may be longer than MAX_PATH: the buffer grows until it fits.
    std::vector<wchar_t> name(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
        if (length == 0)
            return {};
        if (length < name.size())
            return QFileInfo(QString::fromWCharArray(name.data(), int(length))).absolutePath();
        name.resize(name.size() * 2);
    }
}

}  // namespace mirato::ProgramFolder
