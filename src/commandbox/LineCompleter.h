#pragma once

#include <QObject>
#include <QString>

#include "commandbox/PathCompleter.h"
#include "commandbox/PathPrograms.h"
#include "core/CompletionIndex.h"

namespace mirato {

class AppState;
class ApplicationCatalog;
class CommandInterpreter;
class HostConventions;
class LearntPicks;
class LineHistory;

// What a line being typed may become: what the user picked before for the same typing, the
// names the Enter dispatch knows (plug-ins, saved playlists, shortcuts, installed applications)
// and the lines typed before; a local path, the names of its folder. In the modes that run the line
// as a command, the first word completes to a program of PATH and nothing else is offered.
class LineCompleter : public QObject {
    Q_OBJECT
public:
    // interpreter: whose rules know the names.
    LineCompleter(const AppState& state, ApplicationCatalog& applications,
                  const CommandInterpreter& interpreter, const LineHistory& history,
                  LearntPicks& picks, const HostConventions& conventions,
                  QStringList programFolders, QObject* parent = nullptr);

    // The best completion of the typed text, or "".
    QString complete(const QString& typed);
    // The best completions, best first, at most count: the first is complete()'s.
    QStringList candidates(const QString& typed, qsizetype count);
    // What the user picked most for the typing ("": nothing often enough).
    QString learntPick(const QString& typed) const;
    // The user typed typed and ran line, a row or a completion they picked.
    void picked(const QString& typed, const QString& line);
    // Reads the names again (the folders may have changed; installed applications are read
    // again on a worker when theirs have) and takes the history as it is.
    void refresh();

signals:
    // A completion asked for earlier may be other now (a folder has been read, the names or
    // the history were read again, the mode changed).
    void completionsChanged();

private:
    bool runsCommands() const;
    QStringList programCandidates(const QString& typed, qsizetype count);

    const AppState& state_;
    ApplicationCatalog& applications_;
    const CommandInterpreter& interpreter_;
    const LineHistory& history_;
    LearntPicks& picks_;
    QStringList names_;
    CompletionIndex index_;
    PathCompleter folders_;
    PathPrograms programs_;
    CompletionIndex programIndex_;
    bool programsWanted_ = false;  // read once a command line is first typed
};

}  // namespace mirato
