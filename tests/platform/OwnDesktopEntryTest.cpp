#include <gtest/gtest.h>

#include "platform/DesktopEntry.h"
#include "platform/OwnDesktopEntry.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using mirato::test::TempEnvironment;
using Outcome = OwnDesktopEntry::Outcome;

namespace {

const QString kId = QStringLiteral("org.mirato.Mirato");
const QByteArray kUsersOwn = "[Desktop Entry]\nType=Application\nName=My Mirato\nExec=mine\n";

TEST(OwnDesktopEntryTest, WrittenOnlyWhereNoOtherEntryServes) {
    struct Row {
        const char* what;
        QByteArray userEntry;     // already in the user's folder ("" none)
        bool installed;           // an entry in a system data folder
        QString runningFrom;      // relative to the scratch folder
        QList<Outcome> outcomes;  // of two ensure() calls in a row
        bool entryAfter;
    };
    const QByteArray oursElsewhere =
        "[Desktop Entry]\nExec=/old/place/mirato %F\nTryExec=/old/place/mirato\n"
        "X-Mirato-Written=true\n";
    const Row rows[] = {
        {"a build folder", "", false, "build/bin/mirato", {Outcome::Written, Outcome::Kept}, true},
        {"a folder with blanks",
         "",
         false,
         "My Music/bin/mirato",
         {Outcome::Written, Outcome::Kept},
         true},
        {"the program moved",
         oursElsewhere,
         false,
         "new/mirato",
         {Outcome::Written, Outcome::Kept},
         true},
        {"the user's own entry",
         kUsersOwn,
         false,
         "bin/mirato",
         {Outcome::UsersOwn, Outcome::UsersOwn},
         true},
        {"installed", "", true, "bin/mirato", {Outcome::Installed, Outcome::Installed}, false},
        {"installed after a portable run",
         oursElsewhere,
         true,
         "bin/mirato",
         {Outcome::Removed, Outcome::Installed},
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TempEnvironment env;
        const QString program = env.writeFile(row.runningFrom, "");
        const QString userFile = QStringLiteral("data/applications/") + kId + ".desktop";
        if (!row.userEntry.isEmpty())
            env.writeFile(userFile, row.userEntry);
        if (row.installed)
            env.writeFile(QStringLiteral("system/applications/") + kId + ".desktop", kUsersOwn);
        OwnDesktopEntry entry(kId, program, {env.path("data"), env.path("system")});
        EXPECT_EQ(entry.path(), env.path(userFile));
        QList<Outcome> outcomes{entry.ensure(), entry.ensure()};
        EXPECT_EQ(outcomes, row.outcomes);
        const auto written = DesktopEntry::load(env.path(userFile));
        ASSERT_EQ(written.has_value(), row.entryAfter);
        if (row.userEntry == kUsersOwn) {
            EXPECT_EQ(env.readFile(userFile), kUsersOwn);
            continue;
        }
        if (!written)
            continue;
        // The desktop starts this program from it, and ignores it once the program is gone.
        EXPECT_EQ(written->execArguments({"/music/a.mp3"}), (QStringList{program, "/music/a.mp3"}));
        EXPECT_EQ(written->value("TryExec"), program);
        EXPECT_EQ(written->value("NoDisplay"), "true");
    }
}

}  // namespace
