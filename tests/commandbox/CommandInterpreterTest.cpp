#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <optional>

#include "commandbox/rules/MediaRule.h"
#include "core/InputModes.h"
#include "core/Settings.h"
#include "core/Strings.h"
#include "support/InterpreterHarness.h"

using namespace mirato;
using mirato::test::InterpreterHarness;
using mirato::test::Launch;

namespace {

// What one Enter led to.
struct Outcome {
    QList<Launch> launches;
    QStringList addresses;
    QStringList urls;
    int playerShown = 0;
};

Outcome outcomeOf(const InterpreterHarness& h) {
    return {h.launcher.launches, h.opener.addresses, h.media.urls, h.windows.playerShown};
}

void expectOutcome(const Outcome& actual, const Outcome& expected) {
    EXPECT_EQ(actual.launches, expected.launches);
    EXPECT_EQ(actual.addresses, expected.addresses);
    EXPECT_EQ(actual.urls, expected.urls);
    EXPECT_EQ(actual.playerShown, expected.playerShown);
}

Outcome web(const QString& address) {
    return {{}, {address}, {}, 0};
}
Outcome play(const QString& url) {
    return {{}, {}, {url}, 1};
}
Outcome launch(const QString& program, const QStringList& arguments,
               WindowStyle style = WindowStyle::Normal) {
    return {{Launch{Command{program, arguments}, style}}, {}, {}, 0};
}
Outcome nothing() {
    return {};
}

struct Case {
    const char* name;
    std::optional<InputMode> mode;
    QString line;
    Outcome windows;  // with the Windows conventions
    Outcome posix;    // with the POSIX conventions
};

TEST(CommandInterpreterTest, EveryKindOfLineDoesItsThing) {
    const QString home = QDir::homePath();
    const QString baidu = "http://www.baidu.com/s?wd=";
    const Case cases[] = {
        // Input modes act once, on the whole line as typed.
        {"baidu", InputMode::Baidu, "hello 世界 a&b", web(baidu + "hello 世界 a&b"),
         web(baidu + "hello 世界 a&b")},
        {"google", InputMode::Google, "qt 6",
         web("http://www.google.com.hk/search?hl=zh-CN&source=hp&q=qt 6"),
         web("http://www.google.com.hk/search?hl=zh-CN&source=hp&q=qt 6")},
        {"run", InputMode::Run, "notepad \"my notes.txt\"", launch("notepad", {"my notes.txt"}),
         launch("notepad", {"my notes.txt"})},
        {"run console", InputMode::Run, "services.msc", launch("mmc.exe", {"services.msc"}),
         launch("services.msc", {})},
        {"run cmd", InputMode::RunCmd, "dir /w", launch("cmd.exe", {"/k", "dir /w"}),
         launch(HostConventions::defaultTerminal(),
                {"-e", "sh", "-c", "dir /w; exec \"${SHELL:-sh}\""})},
        {"music plays any name", InputMode::Music, "radio.example/live.txt",
         play("http://radio.example/live.txt"), play("http://radio.example/live.txt")},
        {"music leaves numbers to the number rule", InputMode::Music, "123456",
         web("http://user.qzone.qq.com/123456"), web("http://user.qzone.qq.com/123456")},
        // No mode: media by the last four characters, exact spellings only.
        {"media over http", std::nullopt, "host/a.Mp3", play("http://host/a.Mp3"),
         play("http://host/a.Mp3")},
        {"media address as typed", std::nullopt, "http://host/a.mp3", play("http://host/a.mp3"),
         play("http://host/a.mp3")},
        {"mms as typed", std::nullopt, "MMS://host/live.ASX", play("MMS://host/live.ASX"),
         play("MMS://host/live.ASX")},
        {"odd case is no media", std::nullopt, "host/a.mP3", web("host/a.mP3"), web("host/a.mP3")},
        {"local media", std::nullopt, "D:\\music\\a.mp3", play("D:\\music\\a.mp3"),
         play("http://D:\\music\\a.mp3")},
        {"posix media", std::nullopt, "~/a b.wav", play("http://~/a b.wav"),
         play(home + "/a b.wav")},
        // Components exist only on Windows.
        {"component", std::nullopt, "comdlg32.ocx",
         launch("regsvr32", {"comdlg32.ocx"}, WindowStyle::MinimisedWithFocus),
         web("comdlg32.ocx")},
        {"component odd case", std::nullopt, "comdlg32.oCX", web("comdlg32.oCX"),
         web("comdlg32.oCX")},
        // IP addresses: the first two and last two characters are numbers.
        {"ip", std::nullopt, "192.168.0.1",
         web("http://www.ip138.com/ips.asp?ip=192.168.0.1&action=2"),
         web("http://www.ip138.com/ips.asp?ip=192.168.0.1&action=2")},
        // Local paths go to the desktop's handler.
        {"drive path", std::nullopt, "D:\\music",
         launch("rundll32.exe", {"url.dll,FileProtocolHandler", "D:/music"}), web("D:\\music")},
        {"posix path", std::nullopt, "~/Music", web("~/Music"),
         launch("xdg-open", {home + "/Music"})},
        {"web address", std::nullopt, "example.org", web("example.org"), web("example.org")},
        // Numbers: 5 to 10 characters a QQ space, 11 a mobile look-up, others nothing.
        {"four digits", std::nullopt, "1234", nothing(), nothing()},
        {"five digits", std::nullopt, "12345", web("http://user.qzone.qq.com/12345"),
         web("http://user.qzone.qq.com/12345")},
        {"eleven digits", std::nullopt, "13812345678",
         web("http://www.ip138.com:8080/search.asp?action=mobile&mobile=13812345678"),
         web("http://www.ip138.com:8080/search.asp?action=mobile&mobile=13812345678")},
        {"twelve digits", std::nullopt, "138123456789", nothing(), nothing()},
        // Opacity only from 21 to 255, else the line goes on.
        {"TM20 goes on", std::nullopt, "TM20", web("TM20"), web("TM20")},
        {"TM256 goes on", std::nullopt, "tm256", web("tm256"), web("tm256")},
        {"tM is no command", std::nullopt, "tM128", web("tM128"), web("tM128")},
        {"Add needs its blank", std::nullopt, "Add", web("Add"), web("Add")},
        {"other case of a folder word", std::nullopt, "lNk", web("lNk"), web("lNk")},
    };
    for (const Case& c : cases) {
        for (const HostConventions* flavour : {&windowsConventions(), &posixConventions()}) {
            SCOPED_TRACE(std::string(c.name) + (flavour->isWindows() ? " (windows)" : " (posix)"));
            InterpreterHarness h(*flavour);
            if (c.mode)
                InputModes::toggle(h.state, *c.mode);
            h.enter(c.line);
            expectOutcome(outcomeOf(h), flavour->isWindows() ? c.windows : c.posix);
            EXPECT_EQ(InputModes::shownText(h.state), "");
            EXPECT_EQ(h.state.probes(), TextProbes{});
            EXPECT_TRUE(h.notifier.messages.isEmpty());
        }
    }
}

TEST(CommandInterpreterTest, OpacityCommandSetsTheAlpha) {
    const std::pair<QString, int> cases[] = {
        {"TM128", 128}, {"tm21", 21}, {"Tm 255", 255}, {"TM100.4", 100}, {"TM100.5", 101}};
    for (const auto& [line, value] : cases) {
        InterpreterHarness h;
        h.enter(line);
        EXPECT_EQ(h.state.opacity(), value) << line.toStdString();
        EXPECT_EQ(h.windows.opacityApplied, 1);
        expectOutcome(outcomeOf(h), nothing());
    }
}

TEST(CommandInterpreterTest, AddAndDeleteSavedPlaylists) {
    InterpreterHarness h;
    const QString folder = h.paths.playlistFolder();
    const QString added = Strings::text(328) + "party" + Strings::text(329);

    h.enter("Add party");  // nothing played yet: no current list
    EXPECT_EQ(h.notifier.messages.takeLast(), Strings::text(330));

    h.env.writeFile("app/playlist/playlist.m3u", "#EXTM3U\n/music/a.mp3\n");
    InputModes::toggle(h.state, InputMode::Music);  // Add wins over Music mode
    h.enter("Add party");
    EXPECT_EQ(h.notifier.messages.takeLast(), added);
    EXPECT_EQ(h.env.readFile("app/playlist/party.m3u"), "#EXTM3U\n/music/a.mp3\n");
    EXPECT_TRUE(h.media.urls.isEmpty());

    h.enter("ADD ");  // an empty name is a list called ".m3u"
    EXPECT_EQ(h.notifier.messages.takeLast(), Strings::text(328) + Strings::text(329));
    EXPECT_TRUE(QFile::exists(folder + "/.m3u"));

    h.enter("add ../escape");
    EXPECT_EQ(h.notifier.messages.takeLast(), Strings::text(330));

    h.enter("party");  // a saved list plays by name
    EXPECT_EQ(h.media.urls, QStringList{folder + "/party.m3u"});
    EXPECT_EQ(h.windows.playerShown, 1);

    h.enter("Del party");
    EXPECT_EQ(h.notifier.messages.takeLast(), Strings::text(332));
    EXPECT_FALSE(QFile::exists(folder + "/party.m3u"));
    h.enter("del party");  // already gone: still "removed"
    EXPECT_EQ(h.notifier.messages.takeLast(), Strings::text(332));
    h.enter("DEL a*");
    EXPECT_EQ(h.notifier.messages.takeLast(), Strings::text(331));
    EXPECT_TRUE(h.opener.addresses.isEmpty());
}

TEST(CommandInterpreterTest, NamesTheProgramKeeps) {
    for (const HostConventions* flavour : {&windowsConventions(), &posixConventions()}) {
        SCOPED_TRACE(flavour->isWindows() ? "windows" : "posix");
        InterpreterHarness h(*flavour);
        const QString opener = flavour->isWindows() ? "rundll32.exe" : "xdg-open";
        auto opened = [&](const QString& target) {
            QStringList arguments{target};
            if (flavour->isWindows())
                arguments.prepend("url.dll,FileProtocolHandler");
            return QList<Launch>{Launch{Command{opener, arguments}, WindowStyle::Normal}};
        };

        h.enter("LNK");  // created when missing, then opened
        EXPECT_TRUE(QDir(h.paths.shortcutFolder()).exists());
        EXPECT_EQ(h.launcher.launches, opened(h.paths.shortcutFolder()));
        h.launcher.launches.clear();
        h.enter("PlayList");
        EXPECT_EQ(h.launcher.launches, opened(h.paths.playlistFolder()));
        h.launcher.launches.clear();

        // .wpl wins over .m3u; names that look like paths or addresses are not looked up.
        h.env.writeFile("app/playlist/x.wpl", "<smil/>");
        h.env.writeFile("app/playlist/x.m3u", "a.mp3");
        h.env.writeFile("app/playlist/ht.m3u", "a.mp3");
        h.enter("x");
        EXPECT_EQ(h.media.urls, QStringList{h.app("playlist/x.wpl")});
        h.enter("ht");
        EXPECT_EQ(h.opener.addresses, QStringList{"ht"});
        // A folder word comes before a list of its name.
        h.env.writeFile("app/playlist/Lnk.m3u", "a.mp3");
        h.enter("Lnk");
        EXPECT_EQ(h.launcher.launches, opened(h.paths.shortcutFolder()));
        EXPECT_EQ(h.media.urls.size(), 1);
        h.launcher.launches.clear();

        if (flavour->isWindows()) {
            h.env.writeFile("app/lnk/Notes.lnk", "");
            h.enter("Notes");
            EXPECT_EQ(h.launcher.launches, opened(h.app("lnk/Notes")));
        } else {
            h.env.writeFile("app/lnk/Editor.desktop",
                            "[Desktop Entry]\nType=Application\nExec=gedit --new-window %F\n");
            h.env.writeFile("app/lnk/Notes.txt", "");
            h.enter("Editor");
            EXPECT_EQ(h.launcher.launches,
                      (QList<Launch>{{Command{"gedit", {"--new-window"}}, WindowStyle::Normal}}));
            h.launcher.launches.clear();
            h.enter("Notes");
            EXPECT_EQ(h.launcher.launches, opened(h.app("lnk/Notes.txt")));
        }
    }
}

TEST(CommandInterpreterTest, PluginsStartByFolderName) {
    InterpreterHarness h;
    h.env.writeFile("app/Plugin/Broken/setting.ini", "[title]\nenglish=Broken\n");
    const QString program = h.env.writeFile("app/Plugin/Tool/Tool", "#!/bin/sh\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    h.env.writeFile("app/Plugin/Tool/setting.ini", "[title]\nenglish=Tool\n");
    // A program without its description is in no menu, but its name starts it.
    const QString bare = h.env.writeFile("app/Plugin/Bare/Bare", "#!/bin/sh\n");
    QFile::setPermissions(bare, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    h.enter("Tool");
    h.enter("Bare");
    EXPECT_EQ(h.launcher.launches, (QList<Launch>{{Command{program, {}}, WindowStyle::Normal},
                                                  {Command{bare, {}}, WindowStyle::Normal}}));
    EXPECT_TRUE(h.opener.addresses.isEmpty());
    h.enter("Broken");
    h.enter("../app/Plugin/Tool");
    EXPECT_EQ(h.launcher.launches.size(), 2);
    EXPECT_EQ(h.opener.addresses, (QStringList{"Broken", "../app/Plugin/Tool"}));
}

TEST(CommandInterpreterTest, ModeSetInAnotherLanguageNoLongerCounts) {
    InterpreterHarness h(posixConventions(), Language::English);
    InputModes::toggle(h.state, InputMode::Baidu);
    EXPECT_EQ(InputModes::shownText(h.state), "- Baidu Search");
    h.state.setLanguage(Language::SimplifiedChinese);
    h.enter("weather");
    EXPECT_EQ(h.opener.addresses, QStringList{"weather"});
    EXPECT_EQ(InputModes::shownText(h.state), "- Baidu Search");  // shown, but no longer a mode
    InputModes::toggle(h.state, InputMode::Baidu);
    EXPECT_EQ(InputModes::shownText(h.state), Strings::text(126));
    InputModes::toggle(h.state, InputMode::Music);
    EXPECT_EQ(InputModes::shownText(h.state), Strings::text(123));
    InputModes::toggle(h.state, InputMode::Music);
    EXPECT_EQ(InputModes::shownText(h.state), "");
}

TEST(CommandInterpreterTest, TypedMediaDropsTheOldLyrics) {
    InterpreterHarness h;
    h.state.setLyricLine("old line");
    LineContext context(h.services);
    MediaRule::play("/music/a.mp3", context);
    EXPECT_EQ(h.state.lyricLine(), "");
    EXPECT_EQ(h.windows.lyricsCleared, 1);
    EXPECT_EQ(h.media.urls, QStringList{"/music/a.mp3"});
}

}  // namespace

namespace {

// A rule that records that it was asked and what it ran; it takes the line it is given.
class ScriptedRule : public LineRule {
public:
    ScriptedRule(QStringList& asked, QString name, QString takes)
        : asked_(asked), name_(std::move(name)), takes_(std::move(takes)) {}
    std::optional<LineAction> decide(const TypedLine& line, const LineContext&) const override {
        asked_.append(name_);
        if (line.text != takes_)
            return std::nullopt;
        return LineAction{name_, {}, [this](LineContext& context) {
                              // The probes follow the line while it runs.
                              EXPECT_EQ(context.state.probes(), TextProbes::of(takes_));
                              asked_.append("ran " + name_);
                          }};
    }

private:
    QStringList& asked_;
    QString name_;
    QString takes_;
};

TEST(CommandInterpreterTest, RulesAreAskedInOrderUntilOneHasAnAction) {
    const std::pair<QString, QStringList> cases[] = {{"first", {"a", "ran a"}},
                                                     {"second", {"a", "b", "ran b"}},
                                                     {"none", {"a", "b", "c"}},
                                                     {"", {}}};
    for (const auto& [line, expected] : cases) {
        InterpreterHarness h;
        QStringList asked;
        std::vector<std::unique_ptr<LineRule>> rules;
        rules.push_back(std::make_unique<ScriptedRule>(asked, "a", "first"));
        rules.push_back(std::make_unique<ScriptedRule>(asked, "b", "second"));
        rules.push_back(std::make_unique<ScriptedRule>(asked, "c", "third"));
        CommandInterpreter interpreter(h.services, std::move(rules), h.history);
        interpreter.run(line);
        EXPECT_EQ(asked, expected) << line.toStdString();
        EXPECT_EQ(h.state.probes(), TextProbes{});
    }
}

// Asked what it would do, the dispatch tells and does nothing; run, it does what it told.
TEST(CommandInterpreterTest, EachLineSaysWhatItWillDoBeforeDoingIt) {
    struct Row {
        const char* line;
        std::optional<InputMode> mode;
        const char* title;
    };
    const Row rows[] = {
        {"/music/a.mp3", {}, "Play /music/a.mp3"},
        {"radio.example/live.mp3", {}, "Play radio.example/live.mp3"},
        {"some song", InputMode::Music, "Play some song"},
        {"example.org", {}, "Open example.org in the browser"},
        {"weather", InputMode::Google, "Search the web for weather"},
        {"top", InputMode::RunCmd, "Run top in a terminal"},
        {"ls -l", InputMode::Run, "Run ls -l"},
        {"TM100", {}, "Set the opacity to 100"},
        {"Add party", {}, "Save the current list as party"},
        {"Del party", {}, "Delete the list party"},
        {"party", {}, "Play the list party"},
        {"Tool", {}, "Start the plug-in Tool"},
        {"Editor", {}, "Open Editor"},
        {"12345", {}, "Look up the number 12345"},
        {"123", {}, ""},  // used up, to no effect
        {"10.0.0.1", {}, "Look up the address 10.0.0.1"},
        {"~/music", {}, ""},  // the title names the expanded path
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        InterpreterHarness h;
        h.env.writeFile("app/playlist/party.m3u", "a.mp3\n");
        h.env.writeFile("app/lnk/Editor.desktop", "[Desktop Entry]\nExec=my-editor\n");
        const QString tool = h.env.writeFile("app/Plugin/Tool/Tool", "#!/bin/sh\n");
        QFile::setPermissions(tool, QFile::ReadOwner | QFile::ExeOwner);
        if (row.mode)
            InputModes::toggle(h.state, *row.mode);
        const std::optional<LineAction> action = h.interpreter.decide(row.line);
        ASSERT_TRUE(action);
        if (QString(row.line).startsWith("~/"))
            EXPECT_EQ(action->title, "Open " + QDir::homePath() + "/music");
        else
            EXPECT_EQ(action->title, row.title);
        // Nothing happened yet.
        EXPECT_TRUE(h.launcher.launches.isEmpty());
        EXPECT_TRUE(h.opener.addresses.isEmpty());
        EXPECT_TRUE(h.media.urls.isEmpty());
        EXPECT_TRUE(h.notifier.messages.isEmpty());
        EXPECT_EQ(h.state.opacity(), Opacity::kDefaultAlpha);
        EXPECT_EQ(InputModes::shownText(h.state).isEmpty(), !row.mode);
        EXPECT_TRUE(QFileInfo::exists(h.env.path("app/playlist/party.m3u")));

        h.enter(row.line);
        const qsizetype effects = h.launcher.launches.size() + h.opener.addresses.size() +
                                  h.media.urls.size() + h.notifier.messages.size() +
                                  (h.state.opacity() == Opacity::kDefaultAlpha ? 0 : 1);
        EXPECT_EQ(effects,
                  QString(row.title).isEmpty() && !QString(row.line).startsWith("~/") ? 0 : 1);
        EXPECT_EQ(InputModes::shownText(h.state), "");  // every mode ends with its line
    }
}

}  // namespace
