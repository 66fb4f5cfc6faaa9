#include <QDir>
#include <QtGlobal>

#include "platform/InstanceChannel.h"
#include "platform/ProgramFolder.h"
#include "platform/factory/HostPlatform.h"
#include "platform/factory/WindowsPlatform.h"

namespace mirato::HostPlatform {

void prepareSession() {
    // The plug-ins are programs in folders below this one, built against the same Qt and
    // compiler runtime: Windows finds those libraries for them here, through the search path
    // they inherit (it looks beside a program, not above it).
    const QByteArray folder = QDir::toNativeSeparators(ProgramFolder::path()).toLocal8Bit();
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", path.isEmpty() ? folder : folder + ';' + path);
}

std::unique_ptr<InstanceChannel> instanceChannel() {
    return WindowsPlatform().instanceChannel();
}

std::unique_ptr<PlatformBackends> backends() {
    return std::make_unique<WindowsPlatform>();
}

}  // namespace mirato::HostPlatform
