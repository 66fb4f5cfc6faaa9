#include <gtest/gtest.h>

#include <QDir>

#include "platform/HostConventions.h"

using mirato::Command;
using mirato::HostConventions;
using mirato::posixConventions;
using mirato::windowsConventions;

namespace {

TEST(HostConventionsTest, LocalPathsByFlavour) {
    struct Case {
        QString text;
        bool windows;
        bool posix;
    };
    const Case cases[] = {
        {"C:\\Music\\a.mp3", true, false},
        {"d:", true, false},
        {"/home/me/a.mp3", false, true},
        {"~/Music/a.mp3", false, true},
        {"~music", false, false},
        {"http://example.org/a.mp3", false, false},
        {"c", false, false},
        {"", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(windowsConventions().isLocalPath(c.text), c.windows) << c.text.toStdString();
        EXPECT_EQ(posixConventions().isLocalPath(c.text), c.posix) << c.text.toStdString();
    }
    EXPECT_EQ(posixConventions().expandLocalPath("~/a b.mp3"), QDir::homePath() + "/a b.mp3");
    EXPECT_EQ(windowsConventions().expandLocalPath("~/a.mp3"), "~/a.mp3");
}

TEST(HostConventionsTest, ProgramsAreArgumentListsWithTheTargetAsOneArgument) {
    const QString target = "http://example.org/a b?x=1&y=\"2\"";
    EXPECT_EQ(windowsConventions().openWithDesktop(target),
              (Command{"rundll32.exe", {"url.dll,FileProtocolHandler", target}}));
    EXPECT_EQ(posixConventions().openWithDesktop(target), (Command{"xdg-open", {target}}));
    EXPECT_EQ(windowsConventions().helpViewer("C:\\Help.txt"),
              (Command{"notepad", {"C:\\Help.txt"}}));
    EXPECT_EQ(posixConventions().helpViewer("/h.txt"), (Command{"xdg-open", {"/h.txt"}}));

    EXPECT_EQ(windowsConventions().terminal("dir /w"), (Command{"cmd.exe", {"/k", "dir /w"}}));
    EXPECT_EQ(posixConventions().terminal("ls -l", "xterm"),
              (Command{"xterm", {"-e", "sh", "-c", "ls -l; exec \"${SHELL:-sh}\""}}));

    EXPECT_EQ(windowsConventions().componentRegistrar("a.dll"), (Command{"regsvr32", {"a.dll"}}));
    EXPECT_EQ(windowsConventions().managementConsole("x.msc"), (Command{"mmc.exe", {"x.msc"}}));
    EXPECT_FALSE(posixConventions().componentRegistrar("a.dll").has_value());
    EXPECT_FALSE(posixConventions().managementConsole("x.msc").has_value());
}

TEST(HostConventionsTest, FileNamesByFlavour) {
    EXPECT_EQ(windowsConventions().executableSuffix(), ".exe");
    EXPECT_EQ(posixConventions().executableSuffix(), "");
}

TEST(HostConventionsTest, TerminalFollowsTheEnvironment) {
    const QByteArray saved = qgetenv("TERMINAL");
    qputenv("TERMINAL", "my-term");
    EXPECT_EQ(HostConventions::defaultTerminal(), "my-term");
    EXPECT_EQ(posixConventions().terminal("x").program, "my-term");
    qunsetenv("TERMINAL");
    EXPECT_FALSE(HostConventions::defaultTerminal().isEmpty());
    if (!saved.isNull())
        qputenv("TERMINAL", saved);
}

}  // namespace
