#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <ostream>

#include "core/AddressOpener.h"
#include "core/Clock.h"
#include "core/Dialogs.h"
#include "core/Launcher.h"
#include "core/MediaControl.h"
#include "core/Notifier.h"
#include "core/WindowRequests.h"

namespace mirato {
inline void PrintTo(const Command& command, std::ostream* out) {
    *out << '{' << command.program.toStdString() << " ["
         << command.arguments.join("|").toStdString() << "] in '"
         << command.workingFolder.toStdString() << "'}";
}
}  // namespace mirato

namespace mirato::test {

// Stand-ins for the program's effects that remember what they were asked.

struct Launch {
    Command command;
    WindowStyle style;
    bool operator==(const Launch&) const = default;
};

inline void PrintTo(const Launch& launch, std::ostream* out) {
    mirato::PrintTo(launch.command, out);
    *out << " style " << static_cast<int>(launch.style);
}

// A clock that stands still until the test moves it.
class ManualClock : public Clock {
public:
    std::chrono::milliseconds now() const override { return at; }
    void advance(std::chrono::milliseconds by) { at += by; }
    std::chrono::milliseconds at{1000};
};

class RecordingLauncher : public Launcher {
public:
    bool start(const Command& command, WindowStyle style) override {
        launches.append({command, style});
        return succeed;
    }
    QList<Launch> launches;
    bool succeed = true;
};

class RecordingOpener : public AddressOpener {
public:
    void open(const QString& address) override { addresses.append(address); }
    QStringList addresses;
};

class RecordingNotifier : public Notifier {
public:
    void messageBox(const QString& text, const QString& title) override {
        messages.append(text);
        titles.append(title);
    }
    void stopBox(const QString& text) override { stops.append(text); }
    void balloon(const QString& text) override { balloons.append(text); }
    QStringList stops;
    QStringList messages;
    QStringList titles;
    QStringList balloons;
};

class RecordingWindows : public WindowRequests {
public:
    void showPlayer() override { ++playerShown; }
    void showLyricsWindow() override { ++lyricsShown; }
    void clearLyrics() override { ++lyricsCleared; }
    void applyOpacity() override { ++opacityApplied; }
    void applyTheme() override { ++themeApplied; }
    void applyTopMost() override { ++topMostApplied; }
    void showCommandBox() override { ++commandBoxShown; }
    void fillCommandBox(const QString& text) override { commandBoxTexts.append(text); }
    bool showLyricsDocument(const QString& path) override {
        lyricsDocuments.append(path);
        return true;
    }
    QStringList commandBoxTexts;
    QStringList lyricsDocuments;
    void closeLyricsWindow() override { ++lyricsClosed; }
    void searchLyrics() override { ++lyricsSearched; }
    void openHelp() override { ++helpOpened; }
    void nudgeLyrics(qint64 earlierMs) override { nudges.append(earlierMs); }
    QList<qint64> nudges;
    int commandBoxShown = 0;
    int themeApplied = 0;
    int topMostApplied = 0;
    int lyricsClosed = 0;
    int lyricsSearched = 0;
    int helpOpened = 0;
    int playerShown = 0;
    int lyricsShown = 0;
    int lyricsCleared = 0;
    int opacityApplied = 0;
};

class RecordingDialogs : public Dialogs {
public:
    QString openFile(const QString& filter) override {
        filters.append(filter);
        return answer;
    }
    QStringList openFiles(const QString& title, const QString& filter) override {
        filters.append(title + "|" + filter);
        return answers;
    }
    QString saveFile(const QString& proposedName, const QString& filter) override {
        filters.append(proposedName + "|" + filter);
        return answer;
    }
    std::optional<QString> askText(const QString& title, const QString& prompt) override {
        filters.append(title + "|" + prompt);
        return text;
    }
    QString answer;
    QStringList answers;
    std::optional<QString> text;
    QStringList filters;  // every question asked, in order
};

class RecordingMedia : public MediaControl {
public:
    void setUrl(const QString& url) override { urls.append(url); }
    QString url() const override { return urls.isEmpty() ? QString() : urls.last(); }
    void play() override { calls.append("play"); }
    void pause() override { calls.append("pause"); }
    void next() override { calls.append("next"); }
    void previous() override { calls.append("previous"); }
    MediaItem item() const override { return {source, title, artist, album, length}; }
    std::optional<std::chrono::milliseconds> position() const override { return at; }
    PlayState playState() const override { return state; }
    int volume() const override { return volumeValue; }
    void setVolume(int volume) override { volumeValue = volume; }
    bool mute() const override { return muted; }
    void setMute(bool mute) override { muted = mute; }
    void setMode(PlayMode mode, bool on) override {
        calls.append(QString(mode == PlayMode::Repeat ? "loop" : "shuffle") +
                     (on ? "=on" : "=off"));
    }
    void setFullScreen(bool) override {}
    void setLoudness(Loudness chosen) override { loudness = chosen; }

    QStringList urls;
    QStringList calls;
    QString title, source;
    QString artist, album;
    std::optional<std::chrono::milliseconds> at, length;
    PlayState state = PlayState::Stopped;
    int volumeValue = 50;
    bool muted = false;
    Loudness loudness = Loudness::Track;
};

}  // namespace mirato::test
