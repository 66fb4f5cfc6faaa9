#include "commandbox/LineCompleter.h"

#include "commandbox/CommandInterpreter.h"
#include "commandbox/LineAnswers.h"
#include "core/AppState.h"
#include "core/ApplicationCatalog.h"
#include "core/InputModes.h"
#include "core/LearntPicks.h"
#include "core/LineHistory.h"

namespace mirato {

LineCompleter::LineCompleter(const AppState& state, ApplicationCatalog& applications,
                             const CommandInterpreter& interpreter, const LineHistory& history,
                             LearntPicks& picks, const HostConventions& conventions,
                             QStringList programFolders, QObject* parent)
    : QObject(parent),
      state_(state),
      applications_(applications),
      interpreter_(interpreter),
      history_(history),
      picks_(picks),
      folders_(conventions),
      programs_(std::move(programFolders)) {
    // Nothing is read here: the first reading follows the applications' own, after start.
    connect(&applications, &ApplicationCatalog::changed, this, &LineCompleter::refresh);
    connect(&folders_, &PathCompleter::folderRead, this, &LineCompleter::completionsChanged);
    connect(&programs_, &PathPrograms::changed, this, [this] {
        programIndex_.setNames(programs_.names());
        emit completionsChanged();
    });
    // What is offered depends on the mode.
    connect(&state, &AppState::inputModeChanged, this, &LineCompleter::completionsChanged);
}

bool LineCompleter::runsCommands() const {
    return InputModes::isActive(state_, InputMode::Run) ||
           InputModes::isActive(state_, InputMode::RunCmd);
}

QStringList LineCompleter::programCandidates(const QString& typed, qsizetype count) {
    if (!programsWanted_) {
        programsWanted_ = true;
        programs_.load();
    }
    // The arguments are the user's own.
    if (typed.contains(QLatin1Char(' ')))
        return {};
    return programIndex_.candidates(typed, count);
}

QStringList LineCompleter::candidates(const QString& typed, qsizetype count) {
    QStringList lines;
    if (runsCommands()) {
        lines = programCandidates(typed, count);
    } else {
        lines = index_.candidates(typed, count);
        // What the user picked for this typing comes first.
        const QString pick = picks_.pickFor(typed);
        // An answer of another program is placed among the rows by the box, not completed.
        if (!pick.isEmpty() && !LineAnswers::isPickKey(pick) && count > 0) {
            lines.removeAll(pick);
            lines.prepend(pick);
            if (lines.size() > count)
                lines.resize(count);
        }
    }
    // A path typed before completes as a line of the history; one not typed yet (or a program
    // given by its path), from its folder.
    if (lines.isEmpty() && count > 0) {
        const QString path = folders_.complete(typed);
        if (!path.isEmpty())
            lines.append(path);
    }
    return lines;
}

QString LineCompleter::learntPick(const QString& typed) const {
    return picks_.pickFor(typed);
}

QString LineCompleter::complete(const QString& typed) {
    return candidates(typed, 1).value(0);
}

void LineCompleter::picked(const QString& typed, const QString& line) {
    // A command's first word is a program of PATH, which a pick of the other modes is not.
    if (!runsCommands())
        picks_.learn(typed, line);
}

void LineCompleter::refresh() {
    applications_.rereadIfChanged();
    folders_.forget();
    if (programsWanted_)
        programs_.load();  // again only when a folder of PATH has changed
    QStringList names = interpreter_.names();
    names.removeAll(QString());
    // Most refreshes follow an Enter and find the same names: the index stays.
    if (names != names_) {
        index_.setNames(names);
        names_ = names;
    }
    index_.setHistory(history_.lines());
    emit completionsChanged();
}

}  // namespace mirato
