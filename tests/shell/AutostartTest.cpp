#include <gtest/gtest.h>

#include "core/Strings.h"
#include "shell/Autostart.h"
#include "support/Recorders.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using namespace mirato::test;

namespace {

struct FakeEntry : LoginEntryBackend {
    std::optional<QString> read() override { return stored; }
    WriteResult write(const QString& command) override {
        if (result == WriteResult::Written)
            stored = command;
        return result;
    }
    bool remove() override {
        stored.reset();
        return removable;
    }
    std::optional<QString> stored;
    WriteResult result = WriteResult::Written;
    bool removable = true;
};

TEST(AutostartTest, OnOffAndARefusedWrite) {
    AppState state;
    state.setLanguage("3");
    FakeEntry entry;
    RecordingNotifier notifier;
    Autostart autostart(entry, state, notifier);

    autostart.load();
    EXPECT_EQ(state.autostartValue(), "");
    EXPECT_TRUE(autostart.toggle("/opt/mirato/mirato"));
    EXPECT_EQ(entry.stored, "/opt/mirato/mirato");
    EXPECT_EQ(notifier.messages.last(), Strings::text(338));
    EXPECT_EQ(notifier.titles.last(), "Mirato");

    entry.removable = false;  // gone already: the switch still ends up off
    EXPECT_FALSE(autostart.toggle("/opt/mirato/mirato"));
    EXPECT_EQ(notifier.messages.last(), Strings::text(337));
    EXPECT_EQ(notifier.titles.last(), "");  // the program's own title

    entry.result = LoginEntryBackend::WriteResult::Denied;
    EXPECT_FALSE(autostart.toggle("/opt/mirato/mirato"));
    EXPECT_EQ(notifier.stops, QStringList{"Permission Denied.Set failed!\r\r.\r\r."});
    EXPECT_EQ(state.autostartValue(), "");
}

TEST(AutostartTest, CommandByFlavour) {
    EXPECT_EQ(Autostart::commandFor("C:\\Tools\\Mirato", "Mirato", windowsConventions()),
              "C:\\Tools\\Mirato\\Mirato.Exe");
    EXPECT_EQ(Autostart::commandFor("C:\\", "Mirato", windowsConventions()), "C:\\Mirato.Exe");
    EXPECT_EQ(Autostart::commandFor("/opt/mirato/bin", "mirato", posixConventions()),
              "/opt/mirato/bin/mirato");
}

TEST(AutostartTest, LoginEntryOnDisk) {
    TempEnvironment env;
    env.set("XDG_CONFIG_HOME", env.path("config"));
    XdgLoginEntry entry;
    EXPECT_FALSE(entry.read().has_value());
    EXPECT_EQ(entry.write("/opt/mirato/bin/mirato"), LoginEntryBackend::WriteResult::Written);
    EXPECT_EQ(entry.read(), "/opt/mirato/bin/mirato");
    EXPECT_TRUE(env.readFile("config/autostart/Mirato.desktop").contains("Type=Application"));
    EXPECT_TRUE(entry.remove());
    EXPECT_FALSE(entry.read().has_value());
    EXPECT_TRUE(entry.remove());  // nothing to remove is fine

    env.writeFile("config2", "a file where the folder should be");
    env.set("XDG_CONFIG_HOME", env.path("config2"));
    EXPECT_EQ(entry.write("x"), LoginEntryBackend::WriteResult::Denied);
}

}  // namespace
