#include <gtest/gtest.h>

#include "platform/DesktopEntry.h"
#include "platform/HostConventions.h"

using namespace mirato;

namespace {

TEST(DesktopEntryTest, ExecBecomesArgumentsWithFieldCodes) {
    const auto entry = DesktopEntry::parse(
        "# comment\n[Desktop Entry]\nName=Player\n"
        "Exec=\"/opt/my player/play\" --title \"a \\\\\"b\\\\\"\" %U --icon %i 100%%\n"
        "Comment=two\\slines\n[Desktop Action x]\nExec=other\n");
    EXPECT_EQ(entry.value("Comment"), "two lines");
    EXPECT_EQ(entry.execArguments(),
              (QStringList{"/opt/my player/play", "--title", "a \"b\"", "--icon", "100%"}));
    EXPECT_EQ(entry.execArguments({"/m/a.mp3", "/m/b.mp3"}),
              (QStringList{"/opt/my player/play", "--title", "a \"b\"", "/m/a.mp3", "/m/b.mp3",
                           "--icon", "100%"}));
    EXPECT_EQ(DesktopEntry::parse("[Desktop Entry]\nExec=web %u %c\n").execWithPlaceholder(),
              "web %1");
}

TEST(DesktopEntryTest, TypedCommandLinesSplitByFlavour) {
    const std::tuple<QString, QStringList, QStringList> cases[] = {
        {"notepad a.txt", {"notepad", "a.txt"}, {"notepad", "a.txt"}},
        {"  spaced   out  ", {"spaced", "out"}, {"spaced", "out"}},
        {"\"C:\\Program Files\\x.exe\" /s",
         {"C:\\Program Files\\x.exe", "/s"},
         {"C:\\Program Files\\x.exe", "/s"}},
        {"echo 'single quoted' a\\ b",
         {"echo", "'single", "quoted'", "a\\", "b"},
         {"echo", "single quoted", "a b"}},
        {"say \"\"", {"say", ""}, {"say", ""}},
    };
    for (const auto& [line, windows, posix] : cases) {
        EXPECT_EQ(windowsConventions().splitCommandLine(line), windows) << line.toStdString();
        EXPECT_EQ(posixConventions().splitCommandLine(line), posix) << line.toStdString();
    }
    EXPECT_FALSE(posixConventions().commandFromLine("   ").has_value());
}

}  // namespace
