#pragma once

#include <QString>
#include <QStringList>

namespace mirato {

// Where the desktop keeps applications and their defaults (XDG base directories and the
// mime-apps lists).
class XdgApplications {
public:
    // $XDG_CONFIG_HOME (default ~/.config), then $XDG_CONFIG_DIRS (default /etc/xdg).
    static QStringList configFolders();
    // $XDG_DATA_HOME (default ~/.local/share), then $XDG_DATA_DIRS (default
    // /usr/local/share:/usr/share).
    static QStringList dataFolders();

    // The desktop-file id that is the default for a MIME type ("firefox.desktop"), or "".
    static QString defaultApplication(const QString& mimeType);
    // The full path of an installed desktop file, or "".
    static QString findDesktopFile(const QString& desktopId);

    // The user's own list: $XDG_CONFIG_HOME/mimeapps.list.
    static QString userMimeAppsList();
    // Makes desktopId the user's default for the MIME type, keeping every other line of the
    // list as it was; false when the list cannot be written.
    static bool setDefaultApplication(const QString& mimeType, const QString& desktopId);
};

}  // namespace mirato
