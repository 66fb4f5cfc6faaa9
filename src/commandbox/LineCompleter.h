#pragma once

#include <QObject>
#include <QString>

#include "core/CompletionIndex.h"

namespace mirato {

class AppPaths;
class ApplicationCatalog;
class LineHistory;
class PluginCatalog;

// What a line being typed may become: the names the Enter dispatch knows (plug-ins, saved
// playlists, shortcuts, installed applications) and the lines typed before.
class LineCompleter : public QObject {
    Q_OBJECT
public:
    LineCompleter(ApplicationCatalog& applications, const PluginCatalog& plugins,
                  const AppPaths& paths, const LineHistory& history, QObject* parent = nullptr);

    // The best completion of the typed text, or "".
    QString complete(const QString& typed) const { return index_.complete(typed); }
    // Reads the names again (the folders may have changed; installed applications are read
    // again on a worker when theirs have) and takes the history as it is.
    void refresh();

private:
    ApplicationCatalog& applications_;
    const PluginCatalog& plugins_;
    const AppPaths& paths_;
    const LineHistory& history_;
    QStringList names_;
    CompletionIndex index_;
};

}  // namespace mirato
