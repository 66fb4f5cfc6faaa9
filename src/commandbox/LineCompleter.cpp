#include "commandbox/LineCompleter.h"

#include <QDir>
#include <QFileInfo>

#include "core/AppPaths.h"
#include "core/ApplicationCatalog.h"
#include "core/LineHistory.h"
#include "core/PluginCatalog.h"

namespace mirato {

namespace {

// The names the files of a folder are typed by: without their last extension, hidden ones
// left out.
QStringList baseNames(const QString& folder, const QStringList& patterns) {
    QStringList names;
    const QFileInfoList files =
        QDir(folder).entryInfoList(patterns, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo& file : files)
        names.append(file.completeBaseName());
    return names;
}

}  // namespace

LineCompleter::LineCompleter(ApplicationCatalog& applications, const PluginCatalog& plugins,
                             const AppPaths& paths, const LineHistory& history,
                             const HostConventions& conventions, QObject* parent)
    : QObject(parent),
      applications_(applications),
      plugins_(plugins),
      paths_(paths),
      history_(history),
      folders_(conventions) {
    // Nothing is read here: the first reading follows the applications' own, after start.
    connect(&applications, &ApplicationCatalog::changed, this, &LineCompleter::refresh);
    connect(&folders_, &PathCompleter::folderRead, this, &LineCompleter::completionsChanged);
}

QString LineCompleter::complete(const QString& typed) {
    // A path typed before completes as a line of the history; one not typed yet, from its folder.
    const QString line = index_.complete(typed);
    return line.isEmpty() ? folders_.complete(typed) : line;
}

void LineCompleter::refresh() {
    applications_.rereadIfChanged();
    folders_.forget();
    QStringList names;
    for (const PluginFolder& folder : plugins_.folders()) {
        if (plugins_.isPlugin(folder))
            names.append(folder.name);
    }
    names += baseNames(paths_.playlistFolder(), {QStringLiteral("*.m3u"), QStringLiteral("*.wpl")});
    names += baseNames(paths_.shortcutFolder(), {});
    for (const InstalledApplication& app : applications_.applications()) {
        names.append(app.shownName());
        names.append(app.program);
    }
    names.removeAll(QString());
    // Most refreshes follow an Enter and find the same names: the index stays.
    if (names != names_) {
        index_.setNames(names);
        names_ = names;
    }
    index_.setHistory(history_.lines());
}

}  // namespace mirato
