#include <gtest/gtest.h>

#include <QFile>

#include "components/EngineLoader.h"
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
