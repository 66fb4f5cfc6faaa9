// The files other programs install to say they answer the desktop's search field, and the
// switches the desktop keeps: a provider's .ini, a runner's .desktop, a krunnerrc and what
// gsettings printed, one input each part.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "FuzzInput.h"
#include "platform/dbus/SearchSources.h"

namespace {

bool put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) >= 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    static const bool prepared = [] {
        const QString shared = folder.path() + "/data";
        return QDir().mkpath(shared + "/gnome-shell/search-providers") &&
               QDir().mkpath(shared + "/krunner/dbusplugins") &&
               QDir().mkpath(shared + "/applications") &&
               QDir().mkpath(folder.path() + "/config") &&
               put(shared + "/applications/a.desktop", "[Desktop Entry]\n");
    }();
    if (!prepared)
        return 0;
    FuzzInput input(data, size);
    const QString shared = folder.path() + "/data";
    if (!put(shared + "/gnome-shell/search-providers/a.ini", input.next()) ||
        !put(shared + "/krunner/dbusplugins/b.desktop", input.next()) ||
        !put(folder.path() + "/config/krunnerrc", input.next()))
        return 0;
    mirato::SearchSwitches switches;
    switches.runnersOn = mirato::readRunnerTicks(folder.path() + "/config");
    switches.shellDisabled = mirato::parsePrintedStringList(input.nextText());
    for (const mirato::SearchSource& source : mirato::findSearchSources({shared}, switches)) {
        if (source.busName.isEmpty() || !source.objectPath.startsWith('/'))
            abort();
    }
    return 0;
}
