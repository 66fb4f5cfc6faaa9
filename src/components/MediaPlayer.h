#pragma once

#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <map>
#include <memory>
#include <optional>

#include "components/EngineHeadStart.h"
#include "components/EngineLoader.h"
#include "core/MediaControl.h"
#include "core/SettingKeys.h"

namespace mirato {

// The program's media player: the operations every window uses, over the engine plug-ins
// (libmpv for files and streams, fluidsynth for MIDI), each loaded the first time it is needed.
// It reads playlists itself, keeps the list, the item playing, loop and shuffle, and moves on
// at the end of an item: while an item plays, the one after it is queued in the same engine,
// which joins the two without a gap where it can. An entry that is missing or cannot be played is
// skipped. It tells its state, item, tags and (while playing, four times a second) its position by
// signals.
class MediaPlayer : public MediaControl, private EngineListener {
    Q_OBJECT
public:
    enum class Problem { EngineMissing, NoAudioDevice };

    // How often the position is told while playing: the lyrics keep their own clock between.
    static constexpr int kPositionIntervalMs = 250;

    explicit MediaPlayer(std::unique_ptr<EngineLoader> loader = nullptr);
    ~MediaPlayer() override;

    // A song already playing since the program started: when that song is the first thing
    // played, its engine is taken over as it plays; anything else stops it.
    void takeOver(std::unique_ptr<EngineHeadStart> headStart);

    // A hint that playback is likely soon (the user typed a media name, opened the player):
    // the engine for that kind of location starts loading in the background.
    void prepare(const QString& location = {});

    void setUrl(const QString& url) override;
    QString url() const override { return url_; }
    void play() override;
    void pause() override;
    void next() override;
    void previous() override;
    MediaItem item() const override;
    std::optional<std::chrono::milliseconds> position() const override;
    PlayState playState() const override;
    int volume() const override { return volume_; }
    void setVolume(int volume) override;
    bool mute() const override { return mute_; }
    void setMute(bool mute) override;
    void setMode(PlayMode mode, bool on) override;
    void setFullScreen(bool on) override;
    void setLoudness(Loudness loudness) override;

    // For the player's own play bar.
    void stop();
    void seek(std::chrono::milliseconds position);
    bool loop() const { return loop_; }
    bool shuffle() const { return shuffle_; }
    int currentIndex() const { return index_; }

signals:
    // An engine cannot be loaded, or plays without a sound device. Said once per kind of
    // problem; playback goes on where it can.
    void problemFound(MediaPlayer::Problem problem, const QString& detail);

private:
    void engineChanged() override;
    void engineEnded() override;
    void engineBegan(const QString& location) override;
    void engineAdvanced(const QString& location) override;
    void engineFailed(const QString& reason) override;

    PlaybackEngine* engineFor(const QString& location);
    // The head start's engine when it plays this location (now an engine like the others);
    // nullptr otherwise.
    PlaybackEngine* playingSinceStart(const QString& location);
    // Plays the item at index, or the next playable one after it.
    void playFrom(int index, int step);
    void moveOn();
    int nextIndex(int from, int step) const;
    // Tells the engine playing which item follows the current one (none when another engine
    // plays it, or the list ends there).
    void queueNext();
    void report(Problem problem, const QString& detail);
    // Volume, mute and loudness, to one engine or to every engine made so far.
    void passSettings(PlaybackEngine& engine) const;
    void passSettingsToEngines() const;
    // Tells what changed since it was last told.
    void announce();

    std::unique_ptr<EngineLoader> loader_;
    // The engines made so far, by plug-in name.
    std::map<QString, std::unique_ptr<PlaybackEngine>> engines_;
    PlaybackEngine* current_ = nullptr;
    QSet<int> reported_;
    QStringList missingEngines_;

    QString url_;
    QStringList items_;
    int index_ = -1;
    bool finished_ = false;  // the list played to its end (or nothing could be played)
    // Items that failed one after the other since something last played: once every item has,
    // a looping list stops instead of trying them again and again.
    int failuresInARow_ = 0;
    bool loop_ = false;
    bool shuffle_ = false;
    // The items queued since the current engine last opened one, the latest last.
    QList<int> queued_;
    // Items the engine has begun after the one heard, not heard yet, in order.
    QList<int> begun_;
    std::unique_ptr<EngineHeadStart> headStart_;
    Loudness loudness_ = Loudness::Track;
    int volume_ = SettingKeys::kVolume.fallback;  // until one is set or restored
    bool mute_ = false;

    QTimer positionTimer_;  // runs only while playing
    std::optional<PlayState> toldState_;
    QString toldSource_;
    MediaItem toldItem_;
};

}  // namespace mirato
