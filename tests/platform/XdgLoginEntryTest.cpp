#include <gtest/gtest.h>

#include <QDir>

#include "platform/DesktopEntry.h"
#include "platform/xdg/XdgLoginEntry.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using mirato::test::TempEnvironment;

namespace {

TEST(XdgLoginEntryTest, WrittenReadAndRemoved) {
    TempEnvironment env;
    env.set("XDG_CONFIG_HOME", env.path("config"));
    XdgLoginEntry entry;
    EXPECT_FALSE(entry.read().has_value());
    EXPECT_EQ(entry.write("/opt/mirato/bin/mirato"), LoginEntryStore::WriteResult::Written);
    EXPECT_EQ(entry.read(), "/opt/mirato/bin/mirato");
    EXPECT_TRUE(env.readFile("config/autostart/Mirato.desktop").contains("Type=Application"));
    EXPECT_TRUE(entry.remove());
    EXPECT_FALSE(entry.read().has_value());
    EXPECT_TRUE(entry.remove());  // nothing to remove is fine

    env.writeFile("config2", "a file where the folder should be");
    env.set("XDG_CONFIG_HOME", env.path("config2"));
    EXPECT_EQ(entry.write("x"), LoginEntryStore::WriteResult::Denied);
}

// What the desktop runs at login is exactly the program, wherever it lives.
TEST(XdgLoginEntryTest, TheDesktopRunsTheProgramFromAnyFolder) {
    TempEnvironment env;
    env.set("XDG_CONFIG_HOME", env.path("config"));
    const QString programs[] = {"/home/u/my apps/mirato", "/opt/it's/mirato",
                                "/opt/a\"quote/$HOME/mirato", "/opt/back\\slash/mirato"};
    for (const QString& program : programs) {
        XdgLoginEntry entry;
        ASSERT_EQ(entry.write(program), LoginEntryStore::WriteResult::Written)
            << program.toStdString();
        const auto written = DesktopEntry::load(XdgLoginEntry::path());
        ASSERT_TRUE(written.has_value());
        EXPECT_EQ(written->execArguments(), QStringList{program}) << written->exec().toStdString();
    }
    // Replaced in one step: no temporary file stays beside it.
    EXPECT_EQ(QDir(env.path("config/autostart")).entryList(QDir::Files),
              QStringList{"Mirato.desktop"});
}

}  // namespace
