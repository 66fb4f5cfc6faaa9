#include "app/LineModule.h"

#include <QDir>

#include "commandbox/rules/ProgramRules.h"
#include "core/AppState.h"
#include "core/MemoryTrim.h"
#include "platform/PlatformBackends.h"
#include "platform/RunningApplications.h"
#include "platform/XdgApplications.h"

namespace mirato {

using namespace std::chrono_literals;

LineModule::LineModule(const Services& services, PlatformBackends& platform,
                       const QString& settingsFolder)
    : state_(services.state),
      applications_(XdgApplications::dataFolders()),
      history_(QDir(settingsFolder).filePath(QStringLiteral("Mirato.history"))),
      picks_(QDir(settingsFolder).filePath(QStringLiteral("Mirato.picks"))),
      running_(platform.runningApplications()),
      interpreter_(services, programRules(applications_, calculator_, running_.get()), history_),
      completer_(services.state, applications_, interpreter_, history_, picks_,
                 services.conventions, services.conventions.searchPath()) {
    // A line typed before the calculator had loaded has its answer now.
    connect(&calculator_, &Calculator::ready, &completer_, &LineCompleter::completionsChanged);
}

LineModule::~LineModule() = default;

void LineModule::loadApplications(MemoryTrim& trim) {
    applications_.load(ApplicationCatalog::sessionFilter(state_.language()));
    connect(&state_, &AppState::languageChanged, this, [this](Language language) {
        applications_.load(ApplicationCatalog::sessionFilter(language));
    });
    trim.follow(&applications_, &ApplicationCatalog::changed, 0ms);
}

void LineModule::clearHistory() {
    history_.clear();
    picks_.clear();
    completer_.refresh();
}

}  // namespace mirato
