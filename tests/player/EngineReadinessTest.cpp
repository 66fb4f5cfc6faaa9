#include <gtest/gtest.h>

#include "components/MediaPlayer.h"
#include "core/AppState.h"
#include "core/Strings.h"
#include "player/EngineReadiness.h"
#include "support/Recorders.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using namespace mirato::test;

namespace {

// No engine can be loaded from an empty folder: every play is the problem the user must hear of.
TEST(EngineReadinessTest, AMissingEngineIsToldOnceInTheUsersLanguage) {
    TempEnvironment env;
    AppState state;
    RecordingNotifier notifier;
    MediaPlayer media{std::make_unique<EngineLoader>(env.path("no-backends"))};
    EngineReadiness readiness{media, state, notifier};

    state.setLanguage(Language::English);
    media.setUrl(env.writeFile("song.mp3", "not really"));
    ASSERT_EQ(notifier.messages.size(), 1);
    const QString told = notifier.messages.first();
    EXPECT_TRUE(told.startsWith(
        Strings::message(Language::English, MessageCode::EngineMissing).section("%1", 0, 0)))
        << told.toStdString();
    EXPECT_TRUE(told.contains("song.mp3")) << told.toStdString();
    EXPECT_TRUE(notifier.balloons.isEmpty());

    media.setUrl(env.writeFile("other.ogg", "not really"));
    EXPECT_EQ(notifier.messages.size(), 1);  // the same problem is not told twice

    readiness.prepareFor("notes.txt");  // nothing to load, nothing to tell
    readiness.prepareFor("song.mp3");   // a failed load in the background says nothing yet
    EXPECT_EQ(notifier.messages.size(), 1);
}

}  // namespace
