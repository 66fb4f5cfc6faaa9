#include "core/AppState.h"

#include "core/SettingKeys.h"
#include "core/Settings.h"

namespace mirato {

namespace {

// Sets a field and emits its signal only on a real change.
template <typename T, typename Signal>
void assign(AppState* state, T& field, const T& value, Signal signal) {
    if (field == value)
        return;
    field = value;
    (state->*signal)(value);
}

}  // namespace

TextProbes TextProbes::of(const QString& text) {
    return {text.right(4), text.left(2), text.right(2)};
}

AppState::AppState(QObject* parent) : QObject(parent) {}

void AppState::restoreLook(const Settings& settings) {
    setLanguage(settings.get(SettingKeys::kLanguage));
    setOpacity(settings.get(SettingKeys::kOpacity));
    setTheme(settings.get(SettingKeys::kSkin));
}

void AppState::setLanguage(Language language) {
    assign(this, language_, language, &AppState::languageChanged);
}

void AppState::setInputMode(std::optional<ShownInputMode> mode) {
    if (mode == inputMode_)
        return;
    inputMode_ = mode;
    emit inputModeChanged();
}

void AppState::followText(const QString& text) {
    if (text == text_)
        return;
    text_ = text;
    const TextProbes probes = TextProbes::of(text);
    if (probes == probes_)
        return;
    probes_ = probes;
    emit probesChanged();
}

void AppState::setLyricLine(const QString& line) {
    assign(this, lyricLine_, line, &AppState::lyricLineChanged);
}

void AppState::setBoxShown(bool shown) {
    assign(this, boxShown_, shown, &AppState::boxShownChanged);
}

void AppState::setPlayerLoaded(bool loaded) {
    assign(this, playerLoaded_, loaded, &AppState::playerLoadedChanged);
}

void AppState::setLyricsLoaded(bool loaded) {
    assign(this, lyricsLoaded_, loaded, &AppState::lyricsLoadedChanged);
}

void AppState::setHasLyrics(bool has) {
    assign(this, hasLyrics_, has, &AppState::hasLyricsChanged);
}

void AppState::setTheme(const QString& theme) {
    assign(this, theme_, theme, &AppState::themeChanged);
}

void AppState::setOpacity(int alpha) {
    assign(this, opacity_, alpha, &AppState::opacityChanged);
}

void AppState::setStartsAtLogin(bool on) {
    assign(this, startsAtLogin_, on, &AppState::startsAtLoginChanged);
}

void AppState::setPendingDocument(const QString& document) {
    assign(this, pendingDocument_, document, &AppState::pendingDocumentChanged);
}

void AppState::setPreviousClass(const QString& type, const QString& handler) {
    if (previousClass_.value(type) == handler && previousClass_.contains(type))
        return;
    previousClass_.insert(type, handler);
    emit previousClassChanged(type, handler);
}

}  // namespace mirato
