#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace mirato {

// A program that answers the desktop's search field over the session bus.
struct SearchSource {
    enum class Kind {
        ShellProvider,  // org.gnome.Shell.SearchProvider2
        Runner,         // org.kde.krunner1
    };
    Kind kind = Kind::ShellProvider;
    QString id;  // the provider's desktop id, the runner's plug-in id
    QString busName;
    QString objectPath;
    int shortestLine = 0;  // what the runner asks for at least ("": the box's own limit)
    bool operator==(const SearchSource&) const = default;
};

// What the user switched off in the desktop's own settings.
struct SearchSwitches {
    bool shellSearchOff = false;     // GNOME's switch for every outside search
    QStringList shellDisabled;       // GNOME's disabled providers, by desktop id
    QStringList shellEnabled;        // those enabled that are off unless asked for
    QHash<QString, bool> runnersOn;  // KRunner's ticks, by plug-in id
};

// The sources of the data folders (first folder first; an earlier file of the same name hides
// a later one): the search providers of gnome-shell/search-providers/*.ini whose application is
// installed (a desktop file of that id in one of the folders) and the runners of
// krunner/dbusplugins/*.desktop, less those switched off. Files that do not describe a source
// on the bus are left out.
QList<SearchSource> findSearchSources(const QStringList& dataFolders,
                                      const SearchSwitches& switches);

// The switches as the desktop keeps them: GNOME's in its settings store (asked of the gsettings
// program, where there is one), KRunner's in krunnerrc of the configuration folder.
SearchSwitches readSearchSwitches(const QString& configFolder);

// KRunner's ticks in krunnerrc of the configuration folder, by plug-in id.
QHash<QString, bool> readRunnerTicks(const QString& configFolder);

// The strings of a list as gsettings prints it ("['a.desktop', 'b.desktop']", "@as []").
QStringList parsePrintedStringList(const QString& printed);

}  // namespace mirato
