#pragma once

#include <mpv/client.h>

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <atomic>
#include <map>
#include <string>

#include "components/PlaybackEngine.h"

class QTimer;

namespace mirato {

// Plays files and streams with libmpv, audio only. mpv's events are fetched on the thread that
// set the listener (the user-interface thread): the wakeup callback only queues a call there.
// The engine may be made and opened on another thread before that; its Qt objects are made
// with the listener, so they live where they are used.
class MpvEngine : public PlaybackEngine {
public:
    MpvEngine();
    ~MpvEngine() override;

    void setListener(EngineListener* listener) override;
    bool open(const QString& location) override;
    void play() override;
    void pause() override;
    void stop() override;
    void seek(double seconds) override;
    EngineState state() const override;
    double position() const override;
    double duration() const override;
    QString tag(const QString& name) const override;
    void setVolume(int volume) override;
    void setMute(bool mute) override;
    bool queue(const QString& location) override;
    void setLoudness(Loudness loudness) override;
    QString audioProblem() const override { return audioProblem_; }

private:
    static void wakeup(void* self);
    void drainEvents();
    double doubleProperty(const char* name) const;
    // "loadfile" with this engine's per-file options, replacing the list or appended to it.
    int load(const QString& location, const char* how);
    void checkAudioOutput();
    // Puts back the user's locale (all but the numbers) if something of the engine changed it.
    void keepUserLocale();
    // The tags and length of the file mpv reads, kept for its last moment (see leading_).
    void remember();
    QString liveTag(const QString& name) const;
    void beginQueued(const QString& location);
    void checkLead();
    void finishLead();
    void forgetQueue();

    bool indexBeforeOptions_ = false;  // libmpv 0.38 and later
    mpv_handle* mpv_ = nullptr;
    // Lives on the listener's thread; queued calls land here. Read by mpv's threads.
    std::atomic<QObject*> inbox_ = nullptr;
    EngineListener* listener_ = nullptr;
    EngineState state_ = EngineState::Idle;
    // An item waits in mpv's own list after the current one, which mpv goes on to by itself.
    bool queued_ = false;
    // The entries appended to mpv's list since it last went on by itself, by their ids.
    std::map<qint64, QString> appended_;
    // The queued file has begun while the output still holds the last samples of the one
    // before: until they are heard, the engine goes on telling the one before.
    bool leading_ = false;
    // Until the queued file's playback has restarted, its time is not yet reckoned from the
    // output: mpv may read 0 then while the samples before are still ahead.
    bool leadSynced_ = false;
    QString leadLocation_;
    QTimer* leadTimer_ = nullptr;  // owned by inbox_
    struct Tags {
        QString title, artist, album;
        double duration = -1;
    };
    Tags reading_;  // of the file mpv reads
    Tags heard_;    // of the one before, while its last samples are heard
    // Where the song was when last asked, and when.
    mutable double lastPosition_ = 0;
    mutable QElapsedTimer lastSeen_;
    QString requestedOutput_;
    QString audioProblem_;
    std::string userLocale_;  // as setlocale(LC_ALL) names it, the numbers the C way
};

class MpvEngineFactory : public QObject, public PlaybackEngineFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID MiratoPlaybackEngineFactory_iid FILE "engine.json")
    Q_INTERFACES(mirato::PlaybackEngineFactory)
public:
    PlaybackEngine* createEngine() override { return new MpvEngine; }
};

}  // namespace mirato
