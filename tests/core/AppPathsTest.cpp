#include <gtest/gtest.h>

#include <QDir>

#include "core/AppPaths.h"
#include "support/TempEnvironment.h"

using mirato::AppPaths;
using mirato::test::TempEnvironment;

namespace {

TEST(AppPathsTest, SkinBesideTheProgramMeansEverythingLivesThere) {
    TempEnvironment env;
    QDir().mkpath(env.path("portable/skin"));
    const AppPaths paths = AppPaths::forProgramFolder(env.path("portable/"));
    EXPECT_TRUE(paths.isPortable());
    const QString root = env.path("portable");
    EXPECT_EQ(paths.programFolder(), root);
    EXPECT_EQ(paths.skinFolder(), root + "/skin");
    EXPECT_EQ(paths.runIconFolder(), root + "/RunIco");
    EXPECT_EQ(paths.shortcutFolder(), root + "/lnk");
    EXPECT_EQ(paths.currentPlaylistFile(), root + "/playlist/playlist.m3u");
    EXPECT_EQ(paths.otherSkinFile("run.ico"), root + "/skin/other/run.ico");
    EXPECT_EQ(paths.pluginFolders(), QStringList{root + "/Plugin"});
}

TEST(AppPathsTest, InstalledProgramSplitsResourcesFromUserData) {
    TempEnvironment env;
    env.set("XDG_DATA_HOME", env.path("data"));
    QDir().mkpath(env.path("usr/bin"));
    const AppPaths paths = AppPaths::forProgramFolder(env.path("usr/bin"));
    EXPECT_FALSE(paths.isPortable());
    EXPECT_EQ(paths.programFolder(), env.path("usr/bin"));
    EXPECT_EQ(paths.skinFolder(), env.path("usr/share/mirato/skin"));
    EXPECT_EQ(paths.runIconFolder(), env.path("usr/share/mirato/RunIco"));
    EXPECT_EQ(paths.shortcutFolder(), env.path("data/mirato/lnk"));
    EXPECT_EQ(paths.playlistFolder(), env.path("data/mirato/playlist"));
    EXPECT_EQ(paths.pluginFolders(),
              (QStringList{env.path("data/mirato/Plugin"), env.path("usr/lib/mirato/Plugin")}));
}

}  // namespace
