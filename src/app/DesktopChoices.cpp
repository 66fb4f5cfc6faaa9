#include "app/DesktopChoices.h"

#include <QCoreApplication>

#include "app/MenuHost.h"
#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/Notifier.h"
#include "core/Strings.h"
#include "platform/AssociationStore.h"
#include "platform/LoginEntryStore.h"
#include "platform/PlatformBackends.h"
#include "shell/Autostart.h"
#include "shell/FileAssociations.h"

namespace mirato {

DesktopChoices::DesktopChoices(PlatformBackends& platform, const AppPaths& paths, AppState& state,
                               Settings& settings, Notifier& notifier)
    : state_(state),
      notifier_(notifier),
      associationStore_(platform.associationStore(QCoreApplication::applicationFilePath(),
                                                  paths.runIconFolder())),
      associations_(std::make_unique<FileAssociations>(*associationStore_, settings)),
      loginEntry_(platform.loginEntry()),
      autostart_(std::make_unique<Autostart>(*loginEntry_, state, notifier)) {}

DesktopChoices::~DesktopChoices() = default;

void DesktopChoices::attach(MenuHost& menus) {
    connect(&menus, &MenuHost::autoRunToggled, this, [this, &menus] {
        menus.setTicked(ItemId::AutoRun,
                        autostart_->toggle(Autostart::commandForThisProgram(hostConventions())));
    });
    connect(&menus, &MenuHost::linkToggled, this, &DesktopChoices::switchFileTypes);
    autostart_->load();
    menus.setTicked(ItemId::FileTypes, associations_->isTakenOver());
    associations_->recallPreviousHandlers(state_);
}

void DesktopChoices::switchFileTypes(bool takeOver) {
    if (!takeOver)
        associations_->giveBack(state_);
    else if (associations_->takeOver() == FileAssociations::Outcome::UserChooses)
        notifier_.balloon(Strings::message(state_.language(), MessageCode::ChooseDefaultApps));
    emit fileTypesSwitched();
}

}  // namespace mirato
