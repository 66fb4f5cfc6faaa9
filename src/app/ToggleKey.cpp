#include "app/ToggleKey.h"

#include <QLoggingCategory>

#include "core/AppState.h"
#include "core/Messages.h"
#include "core/Notifier.h"
#include "core/Settings.h"

Q_LOGGING_CATEGORY(lcToggleKey, "mirato.app.togglekey", QtWarningMsg)

namespace mirato {

ToggleKey::ToggleKey(std::unique_ptr<GlobalShortcut> shortcut, const AppState& state,
                     Settings& settings, Notifier& notifier)
    : shortcut_(std::move(shortcut)), state_(state), settings_(settings), notifier_(notifier) {
    connect(shortcut_.get(), &GlobalShortcut::unavailable, this, &ToggleKey::unavailable);
}

ToggleKey::~ToggleKey() = default;

void ToggleKey::bind() {
    shortcut_->bind(Messages::text(state_.language(), Message::ToggleKeyDescription));
}

void ToggleKey::release() {
    shortcut_->release();
}

void ToggleKey::unavailable(GlobalShortcut::Problem why) {
    qCDebug(lcToggleKey) << "no Alt+R for the whole desktop:" << why;
    const QString told = QStringLiteral("ToggleKeyHint");
    if (!settings_.read(told).isEmpty())
        return;
    settings_.write(told, QStringLiteral("1"));
    notifier_.balloon(Messages::text(state_.language(), Message::ToggleKeyUnavailable));
}

}  // namespace mirato
