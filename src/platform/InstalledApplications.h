#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace mirato {

// An application the desktop offers in its menus, read from its desktop entry.
struct InstalledApplication {
    QString id;             // the desktop file id without ".desktop" ("org.gnome.gedit")
    QStringList names;      // its Name in each wanted language that has one, then in English
    QString program;        // the file name of the program Exec starts ("gedit")
    QStringList command;    // Exec as a program and its arguments, field codes removed
    QString workingFolder;  // Path, where the program runs ("": wherever)
    bool terminal = false;
    QString icon;               // Icon: a theme icon name or a picture's path ("": none)
    QString windowClass;        // StartupWMClass: the class its windows carry ("": unknown)
    bool busActivated = false;  // DBusActivatable: reached on the session bus by its id

    // The name to show: in the first wanted language that has one.
    QString shownName() const { return names.isEmpty() ? id : names.first(); }
};

// Which applications a desktop offers, the way its menus decide it.
struct ApplicationFilter {
    QStringList languages;       // locale names to take Name from first ("de_DE", "zh_CN")
    QStringList desktops;        // the session's XDG_CURRENT_DESKTOP, split at ':'
    QStringList executablePath;  // folders to look for a TryExec program in
};

// Reads the desktop entries under <folder>/applications of each data folder. A desktop file
// id found in an earlier folder hides the same id further on (the user's own entries come
// first); entries that are hidden, not shown, not for this desktop, not applications, without
// Exec or whose TryExec program is missing are left out. Sorted by id.
QList<InstalledApplication> scanApplications(const QStringList& dataFolders,
                                             const ApplicationFilter& filter);

// The languages to read names in: those of the locale ("de_DE" -> de_DE, de), then extra.
QStringList nameLanguages(const QString& localeName, const QStringList& extra = {});

}  // namespace mirato
