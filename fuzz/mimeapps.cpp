// The user's mimeapps.list as the desktop and other programs leave it: any bytes, then the
// default for a type is set and read back.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "FuzzInput.h"
#include "platform/XdgApplications.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    static const bool prepared = [] {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path() + "/config"));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(folder.path() + "/etc"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(folder.path() + "/data"));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(folder.path() + "/usr"));
        QDir().mkpath(folder.path() + "/config");
        QDir().mkpath(folder.path() + "/data/applications");
        QFile entry(folder.path() + "/data/applications/Mirato.mp3.desktop");
        return entry.open(QIODevice::WriteOnly) && entry.write("[Desktop Entry]\nExec=m %f\n") > 0;
    }();
    if (!prepared)
        return 0;
    FuzzInput input(data, size);
    QFile list(mirato::XdgApplications::userMimeAppsList());
    if (!list.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    list.write(input.rest());
    list.close();
    mirato::XdgApplications::defaultApplication(QStringLiteral("audio/mpeg"));
    if (mirato::XdgApplications::setDefaultApplication(QStringLiteral("audio/mpeg"),
                                                       QStringLiteral("Mirato.mp3.desktop")))
        mirato::XdgApplications::defaultApplication(QStringLiteral("audio/mpeg"));
    return 0;
}
