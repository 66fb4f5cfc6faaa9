#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include "app/SoundMenu.h"
#include "core/PlayMode.h"

namespace mirato {

class MediaPlayer;

// The media player on the session bus as org.mpris.MediaPlayer2.mirato, so media keys, sound
// menus and desktop widgets control it. Its properties follow what the player tells; what
// it cannot do itself (show the player, end the program, switch a play mode as the menu does)
// it asks for by signal.
class MprisService : public SoundMenu {
    Q_OBJECT
public:
    static constexpr const char* kService = "org.mpris.MediaPlayer2.mirato";
    static constexpr const char* kPath = "/org/mpris/MediaPlayer2";

    explicit MprisService(MediaPlayer& media, QObject* parent = nullptr);
    ~MprisService() override;

    // Puts the service on the session bus; false (with a debug line) when there is none.
    bool registerOnBus() override;

    MediaPlayer& media() { return media_; }

    QString playbackStatus() const;
    QVariantMap metadata() const;
    QString loopStatus() const;
    bool shuffle() const;
    double volume() const;
    qlonglong position() const;

    // Compares with what was last announced and sends PropertiesChanged for what differs.
    void announceChanges();
    void emitSeeked(qlonglong position);

private:
    MediaPlayer& media_;
    QVariantMap announced_;
    bool registered_ = false;
};

class MprisRootAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ canQuit)
    Q_PROPERTY(bool CanRaise READ canRaise)
    Q_PROPERTY(bool HasTrackList READ hasTrackList)
    Q_PROPERTY(QString Identity READ identity)
    Q_PROPERTY(QString DesktopEntry READ desktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ supportedUriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ supportedMimeTypes)
public:
    explicit MprisRootAdaptor(MprisService* service);
    bool canQuit() const { return true; }
    bool canRaise() const { return true; }
    bool hasTrackList() const { return false; }
    QString identity() const { return QStringLiteral("Mirato"); }
    QString desktopEntry() const { return QStringLiteral("mirato"); }
    QStringList supportedUriSchemes() const;
    QStringList supportedMimeTypes() const;

public slots:
    void Raise();
    void Quit();

private:
    MprisService* service_;
};

class MprisPlayerAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(QString LoopStatus READ loopStatus WRITE setLoopStatus)
    Q_PROPERTY(bool Shuffle READ shuffle WRITE setShuffle)
    Q_PROPERTY(double Volume READ volume WRITE setVolume)
    Q_PROPERTY(double Rate READ rate WRITE setRate)
    Q_PROPERTY(double MinimumRate READ rate)
    Q_PROPERTY(double MaximumRate READ rate)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(bool CanGoNext READ canControl)
    Q_PROPERTY(bool CanGoPrevious READ canControl)
    Q_PROPERTY(bool CanPlay READ canControl)
    Q_PROPERTY(bool CanPause READ canControl)
    Q_PROPERTY(bool CanSeek READ canControl)
    Q_PROPERTY(bool CanControl READ canControl)
public:
    explicit MprisPlayerAdaptor(MprisService* service);
    QString playbackStatus() const { return service_->playbackStatus(); }
    QString loopStatus() const { return service_->loopStatus(); }
    void setLoopStatus(const QString& status);
    bool shuffle() const { return service_->shuffle(); }
    void setShuffle(bool on);
    double volume() const { return service_->volume(); }
    void setVolume(double volume);
    double rate() const { return 1.0; }
    void setRate(double) {}
    QVariantMap metadata() const { return service_->metadata(); }
    qlonglong position() const { return service_->position(); }
    bool canControl() const { return true; }

public slots:
    void Next();
    void Previous();
    void Pause();
    void PlayPause();
    void Stop();
    void Play();
    void Seek(qlonglong offset);
    void SetPosition(const QDBusObjectPath& track, qlonglong position);
    void OpenUri(const QString& uri);

signals:
    void Seeked(qlonglong position);

private:
    MprisService* service_;
};

}  // namespace mirato
