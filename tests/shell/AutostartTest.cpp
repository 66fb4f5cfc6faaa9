#include <gtest/gtest.h>

#include "core/Strings.h"
#include "shell/Autostart.h"
#include "support/Recorders.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using namespace mirato::test;

namespace {

struct FakeEntry : LoginEntryStore {
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
    state.setLanguage(Language::English);
    FakeEntry entry;
    RecordingNotifier notifier;
    Autostart autostart(entry, state, notifier);

    autostart.load();
    EXPECT_FALSE(state.startsAtLogin());
    EXPECT_TRUE(autostart.toggle("/opt/mirato/mirato"));
    EXPECT_EQ(entry.stored, "/opt/mirato/mirato");
    EXPECT_EQ(notifier.messages.last(), Strings::text(338));
    EXPECT_EQ(notifier.titles.last(), "Mirato");

    entry.removable = false;  // gone already: the switch still ends up off
    EXPECT_FALSE(autostart.toggle("/opt/mirato/mirato"));
    EXPECT_EQ(notifier.messages.last(), Strings::text(337));
    EXPECT_EQ(notifier.titles.last(), "");  // the program's own title

    entry.result = LoginEntryStore::WriteResult::Denied;
    EXPECT_FALSE(autostart.toggle("/opt/mirato/mirato"));
    EXPECT_EQ(notifier.stops, QStringList{"Permission Denied.Set failed!\r\r.\r\r."});
    EXPECT_FALSE(state.startsAtLogin());
}

TEST(AutostartTest, CommandByFlavour) {
    EXPECT_EQ(Autostart::commandFor("C:\\Tools\\Mirato", "Mirato", windowsConventions()),
              "C:\\Tools\\Mirato\\Mirato.Exe");
    EXPECT_EQ(Autostart::commandFor("C:\\", "Mirato", windowsConventions()), "C:\\Mirato.Exe");
    EXPECT_EQ(Autostart::commandFor("/opt/mirato/bin", "mirato", posixConventions()),
              "/opt/mirato/bin/mirato");
}

}  // namespace
