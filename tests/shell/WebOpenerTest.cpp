#include <gtest/gtest.h>

#include "shell/WebOpener.h"
#include "support/Recorders.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using mirato::test::Launch;
using mirato::test::RecordingLauncher;

namespace {

TEST(WebOpenerTest, FourRulesOnTheBrowserCommand) {
    const QString address = "http://example.org/s?wd=a b";
    const auto max = WindowStyle::Maximised;
    struct Case {
        const char* name;
        QString browser;
        Launch windows;
        Launch posix;
    };
    const Case cases[] = {
        {"placeholder",
         "\"C:\\Web\\browser.exe\" -osint -url \"%1\"",
         {{"C:\\Web\\browser.exe", {"-osint", "-url", address}}, max},
         {{"C:\\Web\\browser.exe", {"-osint", "-url", address}}, max}},
        {"placeholder wins over -nohome",
         "web -nohome %1",
         {{"web", {"-nohome", address}}, max},
         {{"web", {"-nohome", address}}, max}},
        {"nohome",
         "\"C:\\Program Files\\IE\\iexplore.exe\" -nohome",
         {{"C:\\Program Files\\IE\\iexplore.exe", {address}}, max},
         {{"C:\\Program Files\\IE\\iexplore.exe", {address}}, max}},
        {"xplore",
         "C:\\IE\\iexplore.exe",
         {{"C:\\IE\\iexplore.exe", {address}}, max},
         {{"C:IEiexplore.exe", {address}}, max}},  // POSIX reads backslashes as escapes
        {"nothing registered",
         "",
         {{"rundll32.exe", {"url.dll,FileProtocolHandler", address}}, WindowStyle::Normal},
         {{"xdg-open", {address}}, WindowStyle::Normal}},
        {"no known shape",
         "mybrowser --new-tab",
         {{"rundll32.exe", {"url.dll,FileProtocolHandler", address}}, WindowStyle::Normal},
         {{"xdg-open", {address}}, WindowStyle::Normal}},
    };
    for (const Case& c : cases) {
        for (const HostConventions* flavour : {&windowsConventions(), &posixConventions()}) {
            SCOPED_TRACE(std::string(c.name) + (flavour->isWindows() ? " (windows)" : " (posix)"));
            RecordingLauncher launcher;
            WebOpener(c.browser, launcher, *flavour).open(address);
            EXPECT_EQ(launcher.launches, QList<Launch>{flavour->isWindows() ? c.windows : c.posix});
        }
    }
}

// Whatever the line, the browser and xdg-open get it as an address, never as an option.
TEST(WebOpenerTest, ALineStartingWithADashIsNoOption) {
    for (const QString browser : {"web %1", "web -nohome", "web --new-tab", ""}) {
        for (const QString line : {"--new-instance", "-help", "-"}) {
            RecordingLauncher launcher;
            WebOpener(browser, launcher, posixConventions()).open(line);
            ASSERT_EQ(launcher.launches.size(), 1);
            const QStringList arguments = launcher.launches.first().command.arguments;
            EXPECT_TRUE(arguments.contains("http://" + line))
                << browser.toStdString() << " " << arguments.join('|').toStdString();
        }
    }
    EXPECT_EQ(posixConventions().openWithDesktop("-x.txt").arguments, QStringList{"./-x.txt"});
}

TEST(WebOpenerTest, BrowserThatCannotStartIsNoError) {
    RecordingLauncher launcher;
    launcher.succeed = false;
    WebOpener("missing-browser %1", launcher, posixConventions()).open("x");
    EXPECT_EQ(launcher.launches.size(), 1);
}

TEST(WebOpenerTest, BrowserCommandComesFromTheDefaultHttpHandler) {
    mirato::test::TempEnvironment env;
    env.set("XDG_CONFIG_HOME", env.path("config"));
    env.set("XDG_CONFIG_DIRS", env.path("etc"));
    env.set("XDG_DATA_HOME", env.path("data"));
    env.set("XDG_DATA_DIRS", env.path("usr"));
    EXPECT_EQ(WebOpener::readBrowserCommand(), "");

    env.writeFile("usr/applications/web.desktop",
                  "[Desktop Entry]\nName=Web\nExec=\"/opt/my web/web\" --private %U %i\n");
    env.writeFile("etc/mimeapps.list",
                  "[Default Applications]\nx-scheme-handler/http=web.desktop\n");
    EXPECT_EQ(WebOpener::readBrowserCommand(), "\"/opt/my web/web\" --private %1");

    // The user's own list wins; an id whose file is missing is passed over.
    env.writeFile("config/mimeapps.list",
                  "[Added Associations]\nx-scheme-handler/http=other.desktop\n"
                  "[Default Applications]\nx-scheme-handler/http=gone.desktop;mine.desktop;\n");
    env.writeFile("data/applications/mine.desktop",
                  "[Desktop Entry]\nExec=mine %u\n[Desktop Action new]\nExec=mine --new\n");
    EXPECT_EQ(WebOpener::readBrowserCommand(), "mine %1");

    RecordingLauncher launcher;
    WebOpener(WebOpener::readBrowserCommand(), launcher, posixConventions()).open("a b");
    EXPECT_EQ(launcher.launches,
              (QList<Launch>{{Command{"mine", {"a b"}}, WindowStyle::Maximised}}));
}

}  // namespace
