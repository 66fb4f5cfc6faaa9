#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "commandbox/CommandInterpreter.h"
#include "commandbox/LineCompleter.h"
#include "components/CalculatorModule.h"
#include "core/ApplicationCatalog.h"
#include "core/LearntPicks.h"
#include "core/LineHistory.h"
#include "core/Services.h"

namespace mirato {

class MemoryTrim;
class PlatformBackends;
class RunningApplications;

// What the box does with a line: the rules that run it (with the installed applications, the
// calculator and the running applications they know), the lines typed before and the picks
// learnt from them, and the completions offered while typing.
class LineModule : public QObject {
    Q_OBJECT
public:
    // settingsFolder: where the history and the picks are kept, beside the settings.
    LineModule(const Services& services, PlatformBackends& platform, const QString& settingsFolder);
    ~LineModule() override;

    CommandInterpreter& interpreter() { return interpreter_; }
    LineCompleter& completer() { return completer_; }
    const LineHistory& history() const { return history_; }

    // Reads the installed applications on a worker, named in the program's language, now and
    // after each switch of it; the memory the reading leaves goes back once they are known.
    void loadApplications(MemoryTrim& trim);
    // Forgets the lines typed before and what was learnt from them.
    void clearHistory();

private:
    AppState& state_;
    ApplicationCatalog applications_;
    CalculatorModule calculator_;  // loaded the first time a line looks like a calculation
    LineHistory history_;
    LearntPicks picks_;                             // kept and cleared with the history
    std::unique_ptr<RunningApplications> running_;  // applications to switch to
    CommandInterpreter interpreter_;
    LineCompleter completer_;  // offers the names the interpreter's rules know
};

}  // namespace mirato
