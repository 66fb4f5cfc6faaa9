#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <optional>

#include "core/InputModes.h"
#include "core/Language.h"
#include "core/Opacity.h"

namespace mirato {

// Three probes of the command text that the interpreter steps read instead of the text itself.
struct TextProbes {
    QString last4;   // read as the extension
    QString first2;  // read as the command prefix
    QString last2;

    static TextProbes of(const QString& text);
    bool operator==(const TextProbes&) const = default;
};

// The state that several windows share. Every window reads it from here and follows its change
// signals; no window reads another window's widgets.
class Settings;

class AppState : public QObject {
    Q_OBJECT
public:
    explicit AppState(QObject* parent = nullptr);

    // The language, theme and opacity the settings keep from the last run; no theme is "Blue".
    void restoreLook(const Settings& settings);

    Language language() const { return language_; }
    void setLanguage(Language language);

    // The input mode the box shows; none for no mode (InputModes reads it).
    std::optional<ShownInputMode> inputMode() const { return inputMode_; }
    void setInputMode(std::optional<ShownInputMode> mode);

    const TextProbes& probes() const { return probes_; }
    // Recomputes the probes from the command text; called on every change of the text.
    void followText(const QString& text);

    QString lyricLine() const { return lyricLine_; }
    void setLyricLine(const QString& line);

    bool boxShown() const { return boxShown_; }
    void setBoxShown(bool shown);
    bool playerLoaded() const { return playerLoaded_; }
    void setPlayerLoaded(bool loaded);
    // The desktop lyrics window exists.
    bool lyricsLoaded() const { return lyricsLoaded_; }
    void setLyricsLoaded(bool loaded);
    // A lyrics file is loaded for the media playing (the command box makes room for the line).
    bool hasLyrics() const { return hasLyrics_; }
    void setHasLyrics(bool has);

    QString theme() const { return theme_; }
    void setTheme(const QString& theme);

    // The windows' alpha 0..255 (Opacity::kDefaultAlpha until one is stored or typed).
    int opacity() const { return opacity_; }
    void setOpacity(int alpha);

    // The program starts when the user logs in (a login entry exists).
    bool startsAtLogin() const { return startsAtLogin_; }
    void setStartsAtLogin(bool on);

    // A command line waiting for the document dispatcher.
    QString pendingDocument() const { return pendingDocument_; }
    void setPendingDocument(const QString& document);

    // The handler each media type ("WPL", "M3U", "ASX", "MP3", "WMA", "WAV", "MID") had before
    // the program took it over.
    QString previousClass(const QString& type) const { return previousClass_.value(type); }
    void setPreviousClass(const QString& type, const QString& handler);

signals:
    void languageChanged(mirato::Language language);
    void inputModeChanged();
    void probesChanged();
    void lyricLineChanged(const QString& line);
    void boxShownChanged(bool shown);
    void playerLoadedChanged(bool loaded);
    void lyricsLoadedChanged(bool loaded);
    void hasLyricsChanged(bool has);
    void themeChanged(const QString& theme);
    void opacityChanged(int alpha);
    void startsAtLoginChanged(bool on);
    void pendingDocumentChanged(const QString& document);
    void previousClassChanged(const QString& type, const QString& handler);

private:
    Language language_ = Language::SimplifiedChinese;
    std::optional<ShownInputMode> inputMode_;
    QString text_;  // the text the probes were last taken from
    TextProbes probes_;
    QString lyricLine_;
    bool boxShown_ = false;
    bool playerLoaded_ = false;
    bool lyricsLoaded_ = false;
    bool hasLyrics_ = false;
    QString theme_;
    int opacity_ = Opacity::kDefaultAlpha;
    bool startsAtLogin_ = false;
    QString pendingDocument_;
    QMap<QString, QString> previousClass_;
};

}  // namespace mirato
