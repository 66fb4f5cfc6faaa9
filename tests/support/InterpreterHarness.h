#pragma once

#include <QDir>
#include <QSignalSpy>

#include "commandbox/CommandInterpreter.h"
#include "commandbox/LineCompleter.h"
#include "commandbox/LyricsSearch.h"
#include "commandbox/rules/ProgramRules.h"
#include "components/CalculatorModule.h"
#include "core/Actions.h"
#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/ApplicationCatalog.h"
#include "core/LearntPicks.h"
#include "core/LineHistory.h"
#include "core/PluginCatalog.h"
#include "core/Settings.h"
#include "support/Recorders.h"
#include "support/TempEnvironment.h"

namespace mirato::test {

// The command box's logic over a scratch application folder, with every effect recorded.
struct InterpreterHarness {
    explicit InterpreterHarness(const HostConventions& flavour = posixConventions(),
                                Language language = Language::English)
        : conventions(flavour),
          paths((QDir().mkpath(env.path("app/skin")), AppPaths::forProgramFolder(env.path("app")))),
          plugins(paths.pluginFolders(), conventions),
          lyricsSearch(state, settings, plugins, media, launcher, notifier),
          services{state,  paths, conventions, plugins,  launcher,
                   opener, media, windows,     notifier, dialogs},
          applications({env.path("data"), env.path("system")}),
          history(env.path("config/Mirato.history")),
          interpreter(services, programRules(applications, calculator), history),
          completer(state, applications, interpreter, history, picks, conventions,
                    {env.path("bin")}) {
        state.setLanguage(language);
    }

    // Types a line and presses Enter.
    void enter(const QString& line) { interpreter.run(line); }
    QString app(const QString& relative) const { return paths.programFolder() + "/" + relative; }
    // Reads the desktop entries under data/ and system/ (applications/ in each) and waits
    // until they are known.
    void loadApplications(const ApplicationFilter& filter = {}) {
        QSignalSpy read(&applications, &ApplicationCatalog::changed);
        applications.load(filter);
        read.wait(5000);
    }

    TempEnvironment env;
    Settings settings{Settings::defaultFilePath()};
    const HostConventions& conventions;
    AppState state;
    AppPaths paths;
    PluginCatalog plugins;
    RecordingLauncher launcher;
    RecordingOpener opener;
    RecordingMedia media;
    RecordingWindows windows;
    RecordingNotifier notifier;
    RecordingDialogs dialogs;
    LyricsSearch lyricsSearch;
    Services services;
    ApplicationCatalog applications;
    // The real calculator: the lines of every table go through it as they do in the program.
    CalculatorModule calculator{MIRATO_TEST_BACKEND_DIR "/libmirato-qalculate.so"};
    LineHistory history;
    LearntPicks picks{env.path("config/Mirato.picks")};
    CommandInterpreter interpreter;
    LineCompleter completer;
    // What the box's keys and its own menu act on.
    ActionTargets actions{state, media, windows, nullptr, &dialogs};
};

}  // namespace mirato::test
