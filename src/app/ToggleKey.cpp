#include "app/ToggleKey.h"

#include <QLoggingCategory>

#include "app/MenuHost.h"
#include "core/AppState.h"
#include "core/Notifier.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "core/Strings.h"

Q_LOGGING_CATEGORY(lcToggleKey, "mirato.app.togglekey", QtWarningMsg)

namespace mirato {

ToggleKey::ToggleKey(std::unique_ptr<GlobalShortcut> shortcut, const AppState& state,
                     Settings& settings, Notifier& notifier)
    : shortcut_(std::move(shortcut)), state_(state), settings_(settings), notifier_(notifier) {
    connect(shortcut_.get(), &GlobalShortcut::unavailable, this, &ToggleKey::unavailable);
    connect(shortcut_.get(), &GlobalShortcut::activated, this, &ToggleKey::pressed);
}

ToggleKey::~ToggleKey() = default;

void ToggleKey::bind(MenuHost& menus) {
    GlobalShortcut* shortcut = shortcut_.get();
    connect(shortcut, &GlobalShortcut::bound, &menus,
            [&menus, shortcut] { menus.offerToggleKeyChange(shortcut->canChangeTrigger()); });
    connect(&menus, &MenuHost::toggleKeyChangeRequested, shortcut, &GlobalShortcut::changeTrigger);
    shortcut_->bind(Strings::message(state_.language(), MessageCode::ToggleKeyDescription));
}

void ToggleKey::release() {
    shortcut_->release();
}

void ToggleKey::unavailable(GlobalShortcut::Problem why) {
    qCDebug(lcToggleKey) << "no Alt+R for the whole desktop:" << why;
    if (!settings_.get(SettingKeys::kToggleKeyHint).isEmpty())
        return;
    settings_.set(SettingKeys::kToggleKeyHint, QStringLiteral("1"));
    notifier_.balloon(Strings::message(state_.language(), MessageCode::ToggleKeyUnavailable));
}

}  // namespace mirato
