#include "app/MprisService.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QLoggingCategory>
#include <QUrl>

#include "components/MediaPlayer.h"
#include "core/Actions.h"
#include "core/Numbers.h"

Q_LOGGING_CATEGORY(lcMpris, "mirato.app.mpris", QtWarningMsg)

namespace mirato {

using std::chrono::duration_cast;
using std::chrono::microseconds;
using std::chrono::milliseconds;

std::unique_ptr<SoundMenu> SoundMenu::forDesktop(MediaPlayer& media) {
    return std::make_unique<MprisService>(media);
}

MprisService::MprisService(MediaPlayer& media, QObject* parent) : SoundMenu(parent), media_(media) {
    new MprisRootAdaptor(this);
    new MprisPlayerAdaptor(this);
    // What the properties say changes only when the player tells.
    connect(&media_, &MediaControl::stateChanged, this, &MprisService::announceChanges);
    connect(&media_, &MediaControl::itemChanged, this, &MprisService::announceChanges);
    connect(&media_, &MediaControl::tagsChanged, this, &MprisService::announceChanges);
    connect(&media_, &MediaControl::volumeChanged, this, &MprisService::announceChanges);
    connect(&media_, &MediaControl::modesChanged, this, &MprisService::announceChanges);
}

MprisService::~MprisService() {
    if (registered_) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterObject(QLatin1String(kPath));
        bus.unregisterService(QLatin1String(kService));
    }
}

bool MprisService::registerOnBus() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCDebug(lcMpris) << "no session bus: no MPRIS";
        return false;
    }
    if (!bus.registerObject(QLatin1String(kPath), this) ||
        !bus.registerService(QLatin1String(kService))) {
        qCDebug(lcMpris) << "cannot register" << kService << bus.lastError().message();
        return false;
    }
    registered_ = true;
    announceChanges();
    return true;
}

QString MprisService::playbackStatus() const {
    switch (media_.playState()) {
        case PlayState::Playing:
            return QStringLiteral("Playing");
        case PlayState::Paused:
            return QStringLiteral("Paused");
        default:
            return QStringLiteral("Stopped");
    }
}

QVariantMap MprisService::metadata() const {
    QVariantMap map;
    const int index = media_.currentIndex();
    map.insert(QStringLiteral("mpris:trackid"),
               QVariant::fromValue(QDBusObjectPath(
                   index >= 0 ? QStringLiteral("/org/mirato/track/%1").arg(index)
                              : QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"))));
    const MediaItem item = media_.item();
    if (item.length)
        map.insert(QStringLiteral("mpris:length"), qlonglong(microseconds(*item.length).count()));
    if (!item.title.isEmpty())
        map.insert(QStringLiteral("xesam:title"), item.title);
    if (!item.artist.isEmpty())
        map.insert(QStringLiteral("xesam:artist"), QStringList{item.artist});
    if (const QString& source = item.location; !source.isEmpty()) {
        map.insert(QStringLiteral("xesam:url"), source.contains(QLatin1String("://"))
                                                    ? source
                                                    : QUrl::fromLocalFile(source).toString());
    }
    return map;
}

QString MprisService::loopStatus() const {
    return media_.loop() ? QStringLiteral("Playlist") : QStringLiteral("None");
}

bool MprisService::shuffle() const {
    return media_.shuffle();
}

double MprisService::volume() const {
    return media_.volume() / 100.0;
}

qlonglong MprisService::position() const {
    return microseconds(media_.position().value_or(milliseconds(0))).count();
}

void MprisService::announceChanges() {
    const QVariantMap now{{QStringLiteral("PlaybackStatus"), playbackStatus()},
                          {QStringLiteral("Metadata"), metadata()},
                          {QStringLiteral("LoopStatus"), loopStatus()},
                          {QStringLiteral("Shuffle"), shuffle()},
                          {QStringLiteral("Volume"), volume()}};
    QVariantMap changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (announced_.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    }
    announced_ = now;
    if (changed.isEmpty() || !registered_)
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        QLatin1String(kPath), QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"));
    signal << QStringLiteral("org.mpris.MediaPlayer2.Player") << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

void MprisService::emitSeeked(qlonglong position) {
    if (auto* player = findChild<MprisPlayerAdaptor*>())
        emit player->Seeked(position);
}

MprisRootAdaptor::MprisRootAdaptor(MprisService* service)
    : QDBusAbstractAdaptor(service), service_(service) {}

QStringList MprisRootAdaptor::supportedUriSchemes() const {
    return {QStringLiteral("file"), QStringLiteral("http"), QStringLiteral("https"),
            QStringLiteral("mms")};
}

QStringList MprisRootAdaptor::supportedMimeTypes() const {
    return {QStringLiteral("audio/mpeg"),      QStringLiteral("audio/x-wav"),
            QStringLiteral("audio/x-ms-wma"),  QStringLiteral("audio/midi"),
            QStringLiteral("audio/x-mpegurl"), QStringLiteral("application/vnd.ms-wpl"),
            QStringLiteral("audio/x-ms-asx")};
}

void MprisRootAdaptor::Raise() {
    emit service_->raiseRequested();
}

void MprisRootAdaptor::Quit() {
    emit service_->quitRequested();
}

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService* service)
    : QDBusAbstractAdaptor(service), service_(service) {}

void MprisPlayerAdaptor::setLoopStatus(const QString& status) {
    emit service_->playModeRequested(PlayMode::Repeat, status != QLatin1String("None"));
    service_->announceChanges();
}

void MprisPlayerAdaptor::setShuffle(bool on) {
    emit service_->playModeRequested(PlayMode::Shuffle, on);
    service_->announceChanges();
}

void MprisPlayerAdaptor::setVolume(double volume) {
    service_->media().setVolume(boundedInt(volume * 100 + 0.5, 0, 100));
    service_->announceChanges();
}

void MprisPlayerAdaptor::Next() {
    service_->media().next();
}
void MprisPlayerAdaptor::Previous() {
    service_->media().previous();
}
void MprisPlayerAdaptor::Pause() {
    service_->media().pause();
}
void MprisPlayerAdaptor::PlayPause() {
    playOrPause(service_->media());
}
void MprisPlayerAdaptor::Stop() {
    service_->media().stop();
}
void MprisPlayerAdaptor::Play() {
    service_->media().play();
}

void MprisPlayerAdaptor::Seek(qlonglong offset) {
    const qlonglong target = service_->position() + offset;
    service_->media().seek(
        duration_cast<milliseconds>(microseconds(std::max<qlonglong>(0, target))));
    service_->emitSeeked(std::max<qlonglong>(0, target));
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& track, qlonglong position) {
    if (track.path() !=
        service_->metadata().value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path())
        return;  // a stale request for another track
    service_->media().seek(duration_cast<milliseconds>(microseconds(position)));
    service_->emitSeeked(position);
}

void MprisPlayerAdaptor::OpenUri(const QString& uri) {
    const QUrl url(uri);
    service_->media().setUrl(url.isLocalFile() ? url.toLocalFile() : uri);
}

}  // namespace mirato
