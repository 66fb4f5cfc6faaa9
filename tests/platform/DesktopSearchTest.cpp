#include <gtest/gtest.h>

#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include "platform/dbus/DBusDesktopSearch.h"
#include "platform/dbus/SearchSources.h"
#include "support/DesktopStandIns.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using mirato::test::SearchStandIn;
using mirato::test::TempEnvironment;

namespace {

QByteArray providerFile(const char* desktopId, const char* bus, const char* extra = "") {
    return QByteArray("[Shell Search Provider]\nDesktopId=") + desktopId + "\nBusName=" + bus +
           "\nObjectPath=/org/mirato/Search\nVersion=2\n" + extra;
}

QByteArray runnerFile(const char* id, const char* bus, const char* extra = "") {
    return QByteArray("[Desktop Entry]\nName=Runner\nX-KDE-PluginInfo-Name=") + id +
           "\nX-Plasma-API=DBus\nX-Plasma-DBusRunner-Service=" + bus +
           "\nX-Plasma-DBusRunner-Path=/runner\n" + extra;
}

// The sources' ids in the order of their names.
QStringList idsOf(const QList<SearchSource>& sources) {
    QStringList ids;
    for (const SearchSource& source : sources)
        ids.append(source.id);
    ids.sort();
    return ids;
}

SearchSource sourceNamed(const QList<SearchSource>& sources, const QString& id) {
    for (const SearchSource& source : sources) {
        if (source.id == id)
            return source;
    }
    return {};
}

TEST(SearchSourcesTest, TheSourcesAreTheFilesOfInstalledProgramsNotSwitchedOff) {
    TempEnvironment env;
    const QString user = env.path("user");
    const QString system = env.path("system");
    const auto write = [&](const QString& folder, const QString& file, const QByteArray& text) {
        env.writeFile(QDir(env.path()).relativeFilePath(folder + '/' + file), text);
    };
    for (const char* app : {"files.desktop", "notes.desktop", "old.desktop", "calc.desktop"})
        write(system, QStringLiteral("applications/") + app, "[Desktop Entry]\n");
    const QString providers = QStringLiteral("gnome-shell/search-providers/");
    write(system, providers + "files.ini", providerFile("files.desktop", "org.files"));
    write(system, providers + "notes.ini", providerFile("notes.desktop", "org.notes"));
    write(system, providers + "absent.ini", providerFile("absent.desktop", "org.absent"));
    write(system, providers + "calc.ini",
          providerFile("calc.desktop", "org.calc", "DefaultDisabled=true\n"));
    write(system, providers + "old.ini",
          QByteArray(providerFile("old.desktop", "org.old")).replace("Version=2", "Version=1"));
    // The user's file of the same name hides the system's.
    write(user, providers + "notes.ini",
          QByteArray(providerFile("notes.desktop", "org.notes.mine")));
    const QString runners = QStringLiteral("krunner/dbusplugins/");
    write(system, runners + "windows.desktop", runnerFile("windows", "org.kde.KWin"));
    write(system, runners + "shy.desktop",
          runnerFile("shy", "org.shy", "X-KDE-PluginInfo-EnabledByDefault=false\n"));
    write(system, runners + "many.desktop", runnerFile("many", "org.many.*"));
    write(system, runners + "short.desktop",
          runnerFile("short", "org.short", "X-Plasma-Runner-Min-Letter-Count=5\n"));

    const struct {
        const char* what;
        SearchSwitches switches;
        QStringList ids;
    } rows[] = {
        {"as installed", {}, {"files.desktop", "notes.desktop", "short", "windows"}},
        {"one provider off",
         {false, {"files.desktop"}, {}, {}},
         {"notes.desktop", "short", "windows"}},
        {"one off by default switched on",
         {false, {}, {"calc.desktop"}, {}},
         {"calc.desktop", "files.desktop", "notes.desktop", "short", "windows"}},
        {"all outside search off", {true, {}, {"calc.desktop"}, {}}, {"short", "windows"}},
        {"runners ticked",
         {false, {}, {}, {{"shy", true}, {"windows", false}}},
         {"files.desktop", "notes.desktop", "short", "shy"}},
    };
    for (const auto& row : rows) {
        const QList<SearchSource> sources = findSearchSources({user, system}, row.switches);
        EXPECT_EQ(idsOf(sources), row.ids) << row.what;
    }
    const QList<SearchSource> sources = findSearchSources({user, system}, {});
    EXPECT_EQ(sourceNamed(sources, "notes.desktop").busName, "org.notes.mine");
    EXPECT_EQ(sourceNamed(sources, "short").shortestLine, 5);
}

TEST(SearchSourcesTest, TheDesktopsSwitchesAsItKeepsThem) {
    const std::pair<const char*, QStringList> printed[] = {
        {"@as []", {}},
        {"['org.gnome.Contacts.desktop', 'org.gnome.Boxes.desktop']",
         {"org.gnome.Contacts.desktop", "org.gnome.Boxes.desktop"}},
        {R"(['it\'s.desktop', "quoted.desktop"])", {"it's.desktop", "quoted.desktop"}},
    };
    for (const auto& [text, strings] : printed)
        EXPECT_EQ(parsePrintedStringList(text), strings) << text;

    TempEnvironment env;
    env.writeFile("config/krunnerrc",
                  "[General]\nwindowsEnabled=true\n[Plugins]\nwindowsEnabled=false\n"
                  "shyEnabled=true\n");
    EXPECT_EQ(readRunnerTicks(env.path("config")),
              (QHash<QString, bool>{{"windows", false}, {"shy", true}}));
}

// A provider and a runner on the tests' own bus, described in a data folder.
class DBusDesktopSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        env.writeFile("data/applications/files.desktop", "[Desktop Entry]\n");
        env.writeFile("data/gnome-shell/search-providers/files.ini",
                      providerFile("files.desktop", "org.mirato.test.Files"));
        env.writeFile("data/krunner/dbusplugins/windows.desktop",
                      runnerFile("windows", "org.mirato.test.Windows"));
        options.dataFolders = {env.path("data")};
        options.readSwitches = false;
        options.deadlineMs = 2000;  // never missed but where a test means it to be
        ASSERT_TRUE(files.start());
        ASSERT_TRUE(windows.start());
    }

    // The answers to the question, each source's once, waited for until the deadline is past.
    QMap<QString, QList<DesktopAnswer>> answersTo(DBusDesktopSearch& search, quint64 serial,
                                                  const QString& line, int sources = 2) {
        QSignalSpy answered(&search, &DesktopSearch::answered);
        search.ask(serial, line);
        QMap<QString, QList<DesktopAnswer>> bySource;
        (void)QTest::qWaitFor([&] { return answered.size() >= sources; }, options.deadlineMs + 500);
        QTest::qWait(50);  // nothing more comes
        for (const QList<QVariant>& signal : answered) {
            EXPECT_EQ(signal.at(0).toULongLong(), serial);
            EXPECT_FALSE(bySource.contains(signal.at(1).toString()));
            bySource.insert(signal.at(1).toString(), signal.at(2).value<QList<DesktopAnswer>>());
        }
        return bySource;
    }

    TempEnvironment env;
    DBusDesktopSearch::Options options;
    SearchStandIn files{SearchStandIn::Kind::Provider,
                        "org.mirato.test.Files",
                        "/org/mirato/Search",
                        {{"f1", "Fire Notes", "~/Notes", "text-x-generic", false},
                         {"f2", "Fireworks.png", "~/Pictures", "", true},
                         {"f3", "Firefly", "", "", false},
                         {"f4", "Fire Drill", "", "", false}}};
    SearchStandIn windows{SearchStandIn::Kind::Runner,
                          "org.mirato.test.Windows",
                          "/runner",
                          {{"w1", "Fire Fox - Window", "Desktop 1", "firefox", false},
                           {"w2", "Fire Terminal", "", "", true},
                           {"w3", "Other", "", "", false}}};
};

TEST_F(DBusDesktopSearchTest, ProvidersAndRunnersAnswerWhatTheirProgramsHold) {
    DBusDesktopSearch search(options);
    const auto answers = answersTo(search, 1, "fire");
    ASSERT_EQ(answers.keys(), (QStringList{"files.desktop", "windows"}));
    // A provider's first three, named and pictured as it says.
    const QList<DesktopAnswer>& found = answers.value("files.desktop");
    ASSERT_EQ(found.size(), 3);
    EXPECT_EQ(
        found.at(0),
        (DesktopAnswer{"files.desktop", "f1", "Fire Notes", "~/Notes", "text-x-generic", {}}));
    EXPECT_EQ(found.at(1).picture.width, 2);
    EXPECT_EQ(found.at(1).picture.pixels.size(), 16);
    EXPECT_EQ(found.at(2).title, "Firefly");
    EXPECT_EQ(files.calls, (QStringList{"GetInitialResultSet fire", "GetResultMetas f1 f2 f3"}));
    // A runner's by relevance.
    const QList<DesktopAnswer>& matched = answers.value("windows");
    ASSERT_EQ(matched.size(), 2);
    EXPECT_EQ(matched.at(0).title, "Fire Terminal");
    EXPECT_FALSE(matched.at(0).picture.isNull());
    EXPECT_EQ(matched.at(1),
              (DesktopAnswer{"windows", "w1", "Fire Fox - Window", "Desktop 1", "firefox", {}}));

    // A longer line narrows the provider's last answer down.
    const auto narrower = answersTo(search, 2, "fire dr");
    EXPECT_EQ(narrower.value("files.desktop").value(0).title, "Fire Drill");
    EXPECT_EQ(files.calls.value(2), "GetSubsearchResultSet f1 f2 f3 f4 | fire dr");

    // Activating hands the answer back to its program with the line's terms.
    search.activate(found.at(0), "fire dr");
    search.activate(matched.at(1), "fire dr");
    EXPECT_TRUE(QTest::qWaitFor([&] { return windows.calls.contains("Run w1"); }, 3000));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return files.calls.contains("ActivateResult f1 fire dr"); }, 3000));
}

TEST_F(DBusDesktopSearchTest, AnOlderLinesAnswerIsNeverGivenForANewerOne) {
    files.delayMs = 300;
    windows.delayMs = 300;
    DBusDesktopSearch search(options);
    QSignalSpy answered(&search, &DesktopSearch::answered);
    search.ask(1, "fir");
    QTest::qWait(50);
    search.ask(2, "fire n");  // typed on while the provider works
    ASSERT_TRUE(QTest::qWaitFor([&] { return answered.size() >= 2; }, 3000));
    QTest::qWait(400);
    for (const QList<QVariant>& signal : answered)
        EXPECT_EQ(signal.at(0).toULongLong(), 2u) << signal.at(1).toString().toStdString();
    // One call out at a time: the newest line was asked once the first was answered.
    EXPECT_EQ(files.calls.value(0), "GetInitialResultSet fir");
    EXPECT_EQ(files.calls.value(1), "GetSubsearchResultSet f1 f2 f3 f4 | fire n");
}

TEST_F(DBusDesktopSearchTest, ASourceThatFailsOrIsLateIsLeftAlone) {
    options.deadlineMs = 150;
    options.latesToRest = 2;
    files.delayMs = 400;  // always late
    windows.fails = true;
    DBusDesktopSearch search(options);
    for (quint64 serial = 1; serial <= 3; ++serial) {
        const auto answers = answersTo(search, serial, QStringLiteral("fire ").repeated(serial), 0);
        QTest::qWait(450);  // the late answer comes in
        EXPECT_TRUE(answers.isEmpty()) << serial;
    }
    EXPECT_EQ(windows.calls.size(), 1);  // failed once: not asked again
    const QStringList asked = files.calls.filter("ResultSet");
    EXPECT_EQ(asked.size(), 2);  // late twice: left alone
}

}  // namespace
