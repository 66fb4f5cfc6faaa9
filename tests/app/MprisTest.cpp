#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QSignalSpy>
#include <QTest>

#include "app/MprisService.h"
#include "app/SoundMenuModule.h"
#include "components/MediaPlayer.h"
#include "core/AppState.h"
#include "core/Settings.h"
#include "support/MediaFiles.h"
#include "support/Recorders.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using mirato::test::TempEnvironment;

namespace {

// Counts PropertiesChanged signals of the player interface.
class ChangeWatcher : public QObject {
    Q_OBJECT
public:
    int changes = 0;
    QStringList keys;
public slots:
    void changed(const QString& interface, const QVariantMap& properties, const QStringList&) {
        if (interface == QLatin1String("org.mpris.MediaPlayer2.Player")) {
            ++changes;
            keys += properties.keys();
        }
    }
};

TEST(MprisTest, PropertiesFollowPlaybackAndMethodsAct) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        GTEST_SKIP() << "no session bus";
    TempEnvironment env;
    env.set("MIRATO_AUDIO_OUTPUT", "null");
    MediaPlayer media{std::make_unique<EngineLoader>(MIRATO_TEST_BACKEND_DIR)};
    QStringList modes;
    int raised = 0;
    MprisService service(media);
    QObject::connect(&service, &MprisService::raiseRequested, [&] { ++raised; });
    QObject::connect(&service, &MprisService::playModeRequested, [&](PlayMode mode, bool on) {
        modes << QString(PlayModes::setting(mode).key) + (on ? "=on" : "=off");
        media.setMode(mode, on);
    });
    ASSERT_TRUE(service.registerOnBus());
    ChangeWatcher watcher;
    bus.connect(MprisService::kService, MprisService::kPath, "org.freedesktop.DBus.Properties",
                "PropertiesChanged", &watcher, SLOT(changed(QString, QVariantMap, QStringList)));

    QDBusInterface root(MprisService::kService, MprisService::kPath, "org.mpris.MediaPlayer2");
    QDBusInterface player(MprisService::kService, MprisService::kPath,
                          "org.mpris.MediaPlayer2.Player");
    EXPECT_EQ(root.property("Identity").toString(), "Mirato");
    EXPECT_EQ(player.property("PlaybackStatus").toString(), "Stopped");
    root.call("Raise");
    EXPECT_EQ(raised, 1);

    const QString wav = env.writeFile("tune.wav", mirato::test::wavTone(4));
    player.call("OpenUri", QUrl::fromLocalFile(wav).toString());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return player.property("PlaybackStatus").toString() == "Playing"; }));
    const QVariantMap metadata = qdbus_cast<QVariantMap>(player.property("Metadata"));
    EXPECT_EQ(metadata.value("xesam:url").toString(), QUrl::fromLocalFile(wav).toString());
    EXPECT_EQ(metadata.value("mpris:length").toLongLong(), 4000000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.keys.contains("PlaybackStatus"); }));

    player.call("Pause");
    EXPECT_EQ(player.property("PlaybackStatus").toString(), "Paused");
    player.call("PlayPause");
    EXPECT_EQ(player.property("PlaybackStatus").toString(), "Playing");
    player.setProperty("Volume", 0.3);
    EXPECT_EQ(media.volume(), 30);
    player.setProperty("LoopStatus", "Playlist");
    player.setProperty("Shuffle", true);
    EXPECT_EQ(modes, (QStringList{"RPlay=on", "RndPlay=on"}));
    EXPECT_EQ(player.property("LoopStatus").toString(), "Playlist");

    QSignalSpy seeked(service.findChild<MprisPlayerAdaptor*>(), &MprisPlayerAdaptor::Seeked);
    player.call("SetPosition", QVariant::fromValue(QDBusObjectPath("/org/mirato/track/0")),
                qlonglong(2000000));
    EXPECT_EQ(seeked.count(), 1);
    player.call("Stop");
    EXPECT_EQ(player.property("PlaybackStatus").toString(), "Stopped");
}

// The sound menu comes with the player, and what it asks reaches the windows, the player's
// modes (kept for the next start) and the end of the program.
TEST(MprisTest, TheSoundMenuComesWithThePlayerAndIsHeard) {
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "no session bus";
    TempEnvironment env;
    env.set("MIRATO_AUDIO_OUTPUT", "null");
    AppState state;
    Settings settings{Settings::defaultFilePath()};
    MediaPlayer media{std::make_unique<EngineLoader>(MIRATO_TEST_BACKEND_DIR)};
    mirato::test::RecordingWindows windows;
    SoundMenuModule module(state, media, settings, windows);
    QSignalSpy quit(&module, &SoundMenuModule::quitRequested);
    const auto interface = [](const char* name) {
        return std::make_unique<QDBusInterface>(MprisService::kService, MprisService::kPath, name);
    };
    EXPECT_FALSE(interface("org.mpris.MediaPlayer2")->isValid());  // no player yet

    state.setPlayerLoaded(true);
    const auto root = interface("org.mpris.MediaPlayer2");
    const auto player = interface("org.mpris.MediaPlayer2.Player");
    ASSERT_TRUE(player->isValid());
    root->call("Raise");
    EXPECT_EQ(windows.playerShown, 1);
    player->setProperty("LoopStatus", "Playlist");
    player->setProperty("Shuffle", true);
    EXPECT_EQ(player->property("LoopStatus").toString(), "Playlist");
    EXPECT_TRUE(player->property("Shuffle").toBool());
    EXPECT_EQ(settings.read("RPlay"), "True");
    EXPECT_EQ(settings.read("RndPlay"), "True");
    root->call("Quit");
    EXPECT_EQ(quit.count(), 1);
}

}  // namespace

#include "MprisTest.moc"
