#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include "core/Settings.h"
#include "platform/DesktopEntry.h"
#include "platform/XdgApplications.h"
#include "platform/xdg/XdgAssociationStore.h"
#include "shell/FileAssociations.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using mirato::test::TempEnvironment;

namespace {

class FileAssociationsTest : public ::testing::Test {
protected:
    FileAssociationsTest() {
        env.set("XDG_CONFIG_HOME", env.path("config"));
        env.set("XDG_CONFIG_DIRS", env.path("etc"));
        env.set("XDG_DATA_HOME", env.path("data"));
        env.set("XDG_DATA_DIRS", env.path("usr"));
        env.writeFile("usr/applications/player.desktop", "[Desktop Entry]\nExec=player %U\n");
        // Another program opens MP3 files; unrelated lines must survive byte for byte.
        env.writeFile("config/mimeapps.list",
                      "# mine\n[Added Associations]\naudio/mpeg=player.desktop;\n\n"
                      "[Default Applications]\naudio/mpeg=player.desktop;\n"
                      "text/plain=editor.desktop;\n");
    }
    QString defaultFor(const char* mime) {
        return XdgApplications::defaultApplication(QLatin1String(mime));
    }

    TempEnvironment env;
    Settings settings{Settings::defaultFilePath()};
    XdgAssociationStore backend{"/opt/my apps/mirato", "/opt/mirato/RunIco"};
    FileAssociations associations{backend, settings};
};

TEST_F(FileAssociationsTest, TakeOverSavesThePreviousHandlerAndGiveBackRestoresIt) {
    EXPECT_FALSE(associations.isTakenOver());
    EXPECT_EQ(associations.takeOver(), FileAssociations::Outcome::TakenOver);
    EXPECT_TRUE(associations.isTakenOver());
    EXPECT_EQ(settings.read("MP3"), "player.desktop");
    EXPECT_EQ(settings.read("WPL"), "");  // had no handler: nothing saved
    EXPECT_EQ(defaultFor("audio/mpeg"), "Mirato.mp3.desktop");
    EXPECT_EQ(defaultFor("application/vnd.ms-wpl"), "Mirato.wpl.desktop");

    const auto entry = DesktopEntry::load(env.path("data/applications/Mirato.asx.desktop"));
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->value("Name"), "Mirato");
    EXPECT_EQ(entry->value("Comment"), QString::fromUtf8("播放列表"));
    EXPECT_EQ(entry->value("Icon"), "/opt/mirato/RunIco/M3u.ico");
    EXPECT_EQ(entry->value("MimeType"), "audio/x-ms-asx;");
    EXPECT_EQ(entry->value("NoDisplay"), "true");
    EXPECT_EQ(entry->execArguments({"/m/a b.asx"}),
              (QStringList{"/opt/my apps/mirato", "/m/a b.asx"}));

    const QByteArray list = env.readFile("config/mimeapps.list");
    EXPECT_TRUE(
        list.startsWith("# mine\n[Added Associations]\naudio/mpeg=player.desktop;\n\n"
                        "[Default Applications]\naudio/mpeg=Mirato.mp3.desktop;\n"
                        "text/plain=editor.desktop;\n"))
        << list.toStdString();

    // A second take-over finds every type ours and saves nothing over the first.
    associations.takeOver();
    EXPECT_EQ(settings.read("MP3"), "player.desktop");

    // Giving back uses what was known at start-up: nothing before a restart.
    AppState freshRun;
    associations.giveBack(freshRun);
    EXPECT_EQ(defaultFor("audio/mpeg"), "Mirato.mp3.desktop");
    AppState nextRun;
    for (const AssociationRow& row : FileAssociations::rows())
        nextRun.setPreviousClass(row.settingsKey, settings.read(row.settingsKey));
    associations.giveBack(nextRun);
    EXPECT_EQ(defaultFor("audio/mpeg"), "player.desktop");
    EXPECT_EQ(defaultFor("audio/midi"), "Mirato.mid.desktop");  // nothing saved: stays ours
    EXPECT_FALSE(associations.isTakenOver());
}

TEST_F(FileAssociationsTest, TheDesktopToolsAgree) {
    if (QStandardPaths::findExecutable("xdg-mime").isEmpty())
        GTEST_SKIP() << "xdg-utils is not installed";
    associations.takeOver();
    QProcess query;
    query.start("xdg-mime", {"query", "default", "audio/mpeg"});
    ASSERT_TRUE(query.waitForFinished(5000));
    EXPECT_EQ(query.readAllStandardOutput().trimmed(), "Mirato.mp3.desktop");
}

// Rebuilding the desktop's handler cache can take seconds: the windows never wait for it.
TEST_F(FileAssociationsTest, TheHandlerCacheIsRefreshedWithoutWaiting) {
    const QString done = env.path("refreshed");
    const QString tool = env.writeFile("bin/update-desktop-database",
                                       "#!/bin/sh\nsleep 1\ntouch '" + done.toUtf8() + "'\n");
    QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    env.set("PATH", env.path("bin") + ":" + qEnvironmentVariable("PATH"));
    QDir().mkpath(XdgAssociationStore::applicationsFolder());
    backend.refresh();
    EXPECT_FALSE(QFile::exists(done));  // still running
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(done); }, 10000));
}

}  // namespace

// Where the system keeps the user's own choice of default programs (Windows 8 and later), the
// types are still registered, and the user is shown where to choose.
TEST(FileAssociationsChoiceTest, AKeptChoiceSendsTheUserToChoose) {
    struct KeptChoice : AssociationStore {
        std::optional<QString> currentHandler(const AssociationRow&) override {
            return QStringLiteral("Chosen.mp3");
        }
        QString handlerName(const AssociationRow& row) const override { return row.className; }
        void registerHandler(const AssociationRow&) override { ++registered; }
        void setHandler(const AssociationRow&, const QString&) override {}
        void refresh() override {}
        bool offerChoice() override {
            ++offered;
            return true;
        }
        int registered = 0;
        int offered = 0;
    } store;
    TempEnvironment env;
    Settings settings(Settings::defaultFilePath());
    FileAssociations associations(store, settings);
    EXPECT_EQ(associations.takeOver(), FileAssociations::Outcome::UserChooses);
    EXPECT_EQ(store.registered, 7);
    EXPECT_EQ(store.offered, 1);
    EXPECT_EQ(settings.read("MP3"), "Chosen.mp3");  // given back when unticked
}
