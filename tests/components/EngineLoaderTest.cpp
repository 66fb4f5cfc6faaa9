#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

#include "components/EngineLoader.h"
#include "components/MediaPlayer.h"
#include "support/TempEnvironment.h"

using mirato::EngineLoader;
using mirato::test::TempEnvironment;

namespace {

// The engines say what they play; the loader picks by scheme, then extension, then "*".
TEST(EngineLoaderTest, EachLocationGoesToTheEngineThatNamesIt) {
    TempEnvironment env;
    // What is not an engine plug-in in the folder is passed over.
    QFile::copy(MIRATO_TEST_BACKEND_DIR "/libmirato-mpv.so", env.path("libmirato-mpv.so"));
    QFile::copy(MIRATO_TEST_BACKEND_DIR "/libmirato-fluidsynth.so",
                env.path("libmirato-fluidsynth.so"));
    env.writeFile("libmirato-broken.so", "not a library");
    EngineLoader loader(env.path());
    QStringList names;
    for (const EngineLoader::Engine& engine : loader.engines())
        names.append(engine.name);
    EXPECT_EQ(names, (QStringList{"fluidsynth", "mpv"}));

    const std::pair<const char*, const char*> rows[] = {
        {"/music/tune.mid", "fluidsynth"},
        {"/music/TUNE.MIDI", "fluidsynth"},
        {"/music/a.rmi", "fluidsynth"},
        {"/music/song.mp3", "mpv"},
        {"/music/song.wma", "mpv"},
        {"/music/no extension", "mpv"},
        {"http://radio/live.mid", "mpv"},
        {"MMS://radio/live", "mpv"},
        {"rtp://a.scheme.nobody.names", "mpv"},
        {"typed.mid", "fluidsynth"},
    };
    for (const auto& [location, engine] : rows)
        EXPECT_EQ(loader.engineFor(location), engine) << location;
}

TEST(EngineLoaderTest, AFolderWithoutEnginesSaysWhy) {
    TempEnvironment env;
    EngineLoader loader(env.path());
    EXPECT_TRUE(loader.engines().isEmpty());
    EXPECT_EQ(loader.engineFor("/music/song.mp3"), "");
    QString error;
    EXPECT_EQ(loader.create("mpv", &error), nullptr);
    EXPECT_TRUE(error.contains("mpv")) << error.toStdString();
    loader.preload("mpv");  // nothing to load: quietly nothing
}

}  // namespace

namespace {

// One more engine is one more plug-in in the folder: the loader and the player take it by
// what it says it plays.
TEST(EngineLoaderTest, AThirdEngineTakesWhatItNames) {
    TempEnvironment env;
    env.set("MIRATO_AUDIO_OUTPUT", "null");
    for (const char* engine : {"libmirato-mpv.so", "libmirato-fluidsynth.so"})
        QFile::copy(QString(MIRATO_TEST_BACKEND_DIR "/") + engine, env.path(engine));
    QFile::copy(MIRATO_FAKE_ENGINE, env.path("libmirato-fake.so"));
    auto loader = std::make_unique<EngineLoader>(env.path());
    const std::pair<const char*, const char*> rows[] = {
        {"fake://station", "fake"},
        {"/music/song.fake", "fake"},
        {"/music/song.FAKE", "fake"},
        {"/music/song.mp3", "mpv"},
        {"/music/tune.mid", "fluidsynth"},
        {"http://x/a.fake", "mpv"},  // an address goes by its scheme
    };
    for (const auto& [location, engine] : rows)
        EXPECT_EQ(loader->engineFor(location), engine) << location;

    mirato::MediaPlayer player(std::move(loader));
    player.setUrl(env.writeFile("song.fake", "whatever the engine makes of it"));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return player.playState() == mirato::PlayState::Playing; }, 5000));
    EXPECT_EQ(player.item().title, "from the fake engine");
}

}  // namespace
