#include <gtest/gtest.h>

#include <QFile>
#include <QTest>
#include <chrono>
#include <filesystem>

#include "platform/RunningApplications.h"
#include "support/InterpreterHarness.h"

using namespace mirato;
using mirato::test::InterpreterHarness;
using mirato::test::Launch;

namespace {

// Installed applications as two data folders hold them: the user's own first.
void installFixture(InterpreterHarness& h) {
    const QString tool = h.env.writeFile("bin/present-tool", "#!/bin/sh\n");
    QFile::setPermissions(tool, QFile::ReadOwner | QFile::ExeOwner);
    auto entry = [&h](const QString& path, const QByteArray& body) {
        h.env.writeFile(path, "[Desktop Entry]\nType=Application\n" + body);
    };
    entry("data/applications/org.example.Editor.desktop",
          "Name=Text Editor\nName[de]=Texteditor\nExec=\"/opt/my editor/edit\" --new %U\n");
    entry("data/applications/top.desktop", "Name=Top\nExec=top -d 5 %%s\nTerminal=true\n");
    entry("data/applications/secret.desktop", "Name=Secret\nExec=secret\nNoDisplay=true\n");
    entry("data/applications/gone.desktop", "Name=Gone\nExec=gone\nTryExec=no-such-program\n");
    entry("data/applications/tried.desktop",
          "Name=Tried\nExec=tried %f\nTryExec=" + tool.toUtf8() + "\n");
    entry("data/applications/kde/only.desktop", "Name=Only\nExec=only\nOnlyShowIn=KDE;\n");
    entry("data/applications/notgnome.desktop", "Name=NotGnome\nExec=ng\nNotShowIn=GNOME;\n");
    entry("data/applications/link.desktop", "Name=Link\nType=Link\nURL=http://x\n");
    entry("data/applications/party.desktop", "Name=Party\nExec=party-app\n");
    entry("data/applications/game.desktop", "Name=Game\nExec=./run-game\nPath=/opt/game\n");
    entry("data/applications/Tool.desktop", "Name=Tool\nExec=tool-app\n");
    entry("data/applications/Editor.desktop", "Name=Editor\nExec=other-editor\n");
    // The user hid a system entry by giving its id a hidden entry of their own.
    entry("data/applications/hidden-here.desktop", "Name=HiddenHere\nExec=x\nHidden=true\n");
    entry("system/applications/hidden-here.desktop", "Name=HiddenHere\nExec=x\n");
    entry("system/applications/org.example.Editor.desktop", "Name=Shadowed\nExec=shadowed\n");
    entry("system/applications/gimp.desktop",
          "Name=GNU Image Manipulation Program\nExec=gimp-2.10 %U\n");
}

TEST(ApplicationRuleTest, InstalledApplicationsStartByName) {
    InterpreterHarness h;
    installFixture(h);
    h.env.writeFile("app/playlist/party.m3u", "a.mp3\n");
    h.env.writeFile("app/lnk/Editor.desktop", "[Desktop Entry]\nExec=my-editor\n");
    const QString plugin = h.env.writeFile("app/Plugin/Tool/Tool", "#!/bin/sh\n");
    QFile::setPermissions(plugin, QFile::ReadOwner | QFile::ExeOwner);
    h.env.writeFile("app/Plugin/Tool/setting.ini", "[title]\nenglish=Tool\n");
    h.loadApplications({{"de_DE", "de"}, {"GNOME"}, {h.env.path("bin")}});

    const QString terminal = HostConventions::defaultTerminal();
    const struct {
        const char* line;
        QList<Launch> launches;  // nothing: the line went on to be a web address
    } cases[] = {
        {"text editor", {{{"/opt/my editor/edit", {"--new"}}, WindowStyle::Normal}}},
        {"TEXTEDITOR", {{{"/opt/my editor/edit", {"--new"}}, WindowStyle::Normal}}},
        {"edit", {{{"/opt/my editor/edit", {"--new"}}, WindowStyle::Normal}}},
        {"org.example.editor", {{{"/opt/my editor/edit", {"--new"}}, WindowStyle::Normal}}},
        {"Top", {{{terminal, {"-e", "top", "-d", "5", "%s"}}, WindowStyle::Normal}}},
        {"gimp-2.10", {{{"gimp-2.10", {}}, WindowStyle::Normal}}},
        {"gnu image manipulation program", {{{"gimp-2.10", {}}, WindowStyle::Normal}}},
        {"Tried", {{{"tried", {}}, WindowStyle::Normal}}},
        {"game", {{{"./run-game", {}, "/opt/game"}, WindowStyle::Normal}}},
        {"kde-only", {}},  // not for this desktop
        {"NotGnome", {}},
        {"Secret", {}},
        {"Gone", {}},
        {"HiddenHere", {}},
        {"Shadowed", {}},
        {"Link", {}},
        {"gimp 2", {}},  // the whole line, not a part of it
        // The program's own names win.
        {"Editor", {{{"my-editor", {}}, WindowStyle::Normal}}},
        {"Tool", {{{plugin, {}}, WindowStyle::Normal}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        h.launcher.launches.clear();
        h.opener.addresses.clear();
        h.enter(c.line);
        EXPECT_EQ(h.launcher.launches, c.launches);
        EXPECT_EQ(h.opener.addresses.size(), c.launches.isEmpty() ? 1 : 0);
    }
    h.enter("party");  // a saved playlist plays rather than the application of that name
    EXPECT_EQ(h.media.urls, QStringList{h.app("playlist/party.m3u")});
}

}  // namespace

namespace {

TEST(ApplicationRuleTest, ApplicationsInstalledLaterAreFoundWithoutARestart) {
    InterpreterHarness h;
    h.env.writeFile("data/applications/first.desktop",
                    "[Desktop Entry]\nType=Application\nName=First\nExec=first\n");
    h.loadApplications();
    QSignalSpy reread(&h.applications, &ApplicationCatalog::changed);
    h.completer.refresh();           // as the box does when it shows
    EXPECT_FALSE(reread.wait(100));  // nothing changed: nothing read
    // A package installed later (the folder's time moves on, whatever its clock's ticks).
    const auto install = [&](const char* name, const char* entry) {
        const std::filesystem::path folder = h.env.path("data/applications").toStdString();
        const auto before = std::filesystem::last_write_time(folder);
        h.env.writeFile(QStringLiteral("data/applications/%1").arg(name), entry);
        std::filesystem::last_write_time(folder, before + std::chrono::seconds(1));
    };
    install("later.desktop", "[Desktop Entry]\nType=Application\nName=Later\nExec=later --go\n");
    h.completer.refresh();
    ASSERT_TRUE(reread.wait(5000));
    h.enter("later");
    EXPECT_EQ(h.launcher.launches, (QList<Launch>{{{"later", {"--go"}}, WindowStyle::Normal}}));
    h.completer.refresh();
    EXPECT_EQ(h.completer.complete("La"), "Later");

    // Installed while the box is open and typed at once: the first Enter waits for the
    // reading instead of sending the name to the web.
    install("quick.desktop", "[Desktop Entry]\nType=Application\nName=Quick\nExec=quick\n");
    h.enter("quick");
    EXPECT_EQ(h.launcher.launches.value(1), (Launch{{"quick", {}}, WindowStyle::Normal}));
    EXPECT_TRUE(h.opener.addresses.isEmpty());
}

// Which applications run, as the session would say; switching is recorded.
struct StandInRunning : RunningApplications {
    QStringList running;       // by desktop id
    QStringList switched;      // in order
    bool windowsGone = false;  // they closed since the box asked
    bool isRunning(const InstalledApplication& app) override { return running.contains(app.id); }
    bool switchTo(const InstalledApplication& app) override {
        if (windowsGone)
            return false;
        switched.append(app.id);
        return true;
    }
};

TEST(ApplicationRuleTest, AnApplicationThatRunsIsSwitchedToAndShiftEnterStartsAnother) {
    InterpreterHarness h;
    installFixture(h);
    h.loadApplications();
    StandInRunning running;
    running.running = {"party"};
    CommandInterpreter interpreter(h.services, programRules(h.applications, h.calculator, &running),
                                   h.history);
    EXPECT_EQ(interpreter.decide("party")->title, "Switch to Party");
    EXPECT_EQ(interpreter.decide("tool")->title, "Start Tool");

    interpreter.run("party");
    EXPECT_EQ(running.switched, QStringList{"party"});
    EXPECT_TRUE(h.launcher.launches.isEmpty());
    interpreter.run("party", true);  // Shift+Enter
    const Launch party{{"party-app", {}}, WindowStyle::Normal};
    EXPECT_EQ(h.launcher.launches, QList<Launch>{party});
    running.windowsGone = true;  // closed while the row showed: started as before
    interpreter.run("party");
    EXPECT_EQ(h.launcher.launches, (QList<Launch>{party, party}));
    EXPECT_EQ(running.switched.size(), 1);
}

}  // namespace
