#include <gtest/gtest.h>

#include <QDir>
#include <QSignalSpy>

#include "commandbox/PathCompleter.h"
#include "platform/HostConventions.h"
#include "support/TempEnvironment.h"

using namespace mirato;

namespace {

// Asks for a path in a folder not read yet and waits until it has been read.
bool readFolder(PathCompleter& completer, const QString& folder) {
    QSignalSpy read(&completer, &PathCompleter::folderRead);
    EXPECT_EQ(completer.complete(folder + "/x"), "");  // nothing known yet
    return read.wait(2000);
}

TEST(PathCompleterTest, CompletesTheLastPartFromItsFolder) {
    mirato::test::TempEnvironment env;
    env.set("HOME", env.path("home"));
    for (const char* file :
         {"home/Documents/a.txt", "home/Downloads/b.txt", "home/notes.txt", "home/notes.txt.bak",
          "home/.profile", "home/Music/x.mp3", "home/music.m3u", "home/Zeta/z", "home/zeta.txt"})
        env.writeFile(file, "x");
    const QString home = env.path("home");
    PathCompleter completer(posixConventions());
    for (const QString& folder : {home, home + "/Music", home + "/missing"})
        ASSERT_TRUE(readFolder(completer, folder)) << folder.toStdString();

    const struct {
        QString typed;
        QString completed;
    } rows[] = {
        {home + "/Doc", home + "/Documents/"},  // a folder ends in "/"
        {home + "/Do", home + "/Documents/"},   // equal lengths: the first in order
        {home + "/no", home + "/notes.txt"},    // the shorter
        {home + "/notes.txt", ""},              // complete already
        {home + "/notes.txt.", home + "/notes.txt.bak"},
        {home + "/Mus", home + "/Music/"},  // the same case first...
        {home + "/mus", home + "/music.m3u"},
        {home + "/ze", home + "/zeta.txt"},
        {home + "/doc", home + "/Documents/"},  // ...else another case
        {home + "/.pro", home + "/.profile"},   // hidden names once a "." is typed
        {home + "/p", ""},
        {home + "/", ""},  // no part of a name yet
        {home + "/none", ""},
        {"~/Down", "~/Downloads/"},  // the home folder as typed
        {home + "/Music/x", home + "/Music/x.mp3"},
        {home + "/missing/a", ""},
        {"Doc", ""},  // not a path: the names complete that
        {"http://exa", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(completer.complete(row.typed), row.completed) << row.typed.toStdString();
}

// The folders are read again after forget(): a file made meanwhile completes.
TEST(PathCompleterTest, ForgottenFoldersAreReadAgain) {
    mirato::test::TempEnvironment env;
    env.writeFile("f/old.txt", "x");
    PathCompleter completer(posixConventions());
    ASSERT_TRUE(readFolder(completer, env.path("f")));
    env.writeFile("f/new.txt", "x");
    EXPECT_EQ(completer.complete(env.path("f/ne")), "");  // as the folder was read
    completer.forget();
    ASSERT_TRUE(readFolder(completer, env.path("f")));
    EXPECT_EQ(completer.complete(env.path("f/ne")), env.path("f/new.txt"));
}

}  // namespace
