#include "player/EngineReadiness.h"

#include "components/MediaPlayer.h"
#include "core/AppState.h"
#include "core/InputModes.h"
#include "core/Messages.h"
#include "core/Notifier.h"
#include "core/TextRules.h"

namespace mirato {

EngineReadiness::EngineReadiness(MediaPlayer& media, const AppState& state, Notifier& notifier)
    : media_(media), state_(state), notifier_(notifier) {
    connect(&state, &AppState::probesChanged, this, &EngineReadiness::typed);
    connect(
        &media, &MediaPlayer::problemFound, this,
        [this](MediaPlayer::Problem problem, const QString& detail) {
            const QString& language = state_.language();
            if (problem == MediaPlayer::Problem::NoAudioDevice)
                notifier_.balloon(Messages::text(language, Message::NoAudioDevice));
            else
                notifier_.messageBox(Messages::text(language, Message::EngineMissing).arg(detail));
        });
}

void EngineReadiness::prepareFor(const QString& document) {
    if (TextRules::hasMediaExtension(document))
        media_.prepare(document);
}

void EngineReadiness::typed() {
    const QString extension = state_.probes().last4;
    if (TextRules::isMediaExtension(extension) ||
        InputModes::isActive(state_, MessageCode::ModeMusic))
        media_.prepare(QStringLiteral("typed") + extension);
}

}  // namespace mirato
