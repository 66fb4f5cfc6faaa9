#include "player/EngineReadiness.h"

#include "components/MediaPlayer.h"
#include "core/AppState.h"
#include "core/InputModes.h"
#include "core/Notifier.h"
#include "core/Strings.h"
#include "core/TextRules.h"

namespace mirato {

EngineReadiness::EngineReadiness(MediaPlayer& media, const AppState& state, Notifier& notifier)
    : media_(media), state_(state), notifier_(notifier) {
    connect(&state, &AppState::probesChanged, this, &EngineReadiness::typed);
    connect(&media, &MediaPlayer::problemFound, this,
            [this](MediaPlayer::Problem problem, const QString& detail) {
                const Language language = state_.language();
                if (problem == MediaPlayer::Problem::NoAudioDevice)
                    notifier_.balloon(Strings::message(language, MessageCode::NoAudioDevice));
                else
                    notifier_.messageBox(
                        Strings::message(language, MessageCode::EngineMissing).arg(detail));
            });
}

void EngineReadiness::prepareFor(const QString& document) {
    if (TextRules::hasMediaExtension(document))
        media_.prepare(document);
}

void EngineReadiness::typed() {
    const QString extension = state_.probes().last4;
    if (TextRules::isMediaExtension(extension) || InputModes::isActive(state_, InputMode::Music))
        media_.prepare(QStringLiteral("typed") + extension);
}

}  // namespace mirato
