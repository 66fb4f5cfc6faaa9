#pragma once

#include <QString>
#include <QStringList>

namespace mirato {

// A desktop entry of the program's own in the user's applications folder, for a copy the
// desktop does not know (run from its build folder or an unpacked archive): desktop portals
// take a host program's application id only when a desktop entry of that name is installed.
// The entry names the running executable (TryExec too, so desktops ignore it once that file
// is gone), is marked as written by the program, and is never shown in the menus.
class OwnDesktopEntry {
public:
    enum class Outcome {
        Installed,  // an entry of that id is installed in a system data folder: nothing to do
        UsersOwn,   // the user wrote an entry of that id: it stays as it is
        Kept,       // ours already names this executable
        Written,    // ours written (or rewritten for another place of the program)
        Removed,    // ours taken away, as an installed entry now serves
        Failed,     // the folder cannot be written
    };

    // dataFolders: the XDG data folders, the user's own first.
    OwnDesktopEntry(QString appId, QString executable, QStringList dataFolders);

    Outcome ensure();
    // Where the entry is written.
    QString path() const;

private:
    QString appId_;
    QString executable_;
    QStringList dataFolders_;
};

}  // namespace mirato
