#include <gtest/gtest.h>

#include <QDir>
#include <QSignalSpy>

#include "commandbox/PathCompleter.h"
#include "platform/HostConventions.h"
#include "support/TempEnvironment.h"

using namespace mirato;

namespace {

// Completes once the folder is known: the first ask starts the reading.
QString completeRead(PathCompleter& completer, const QString& typed) {
    QString completed = completer.complete(typed);
    if (completed.isEmpty()) {
        QSignalSpy read(&completer, &PathCompleter::folderRead);
        if (read.wait(2000))
            completed = completer.complete(typed);
    }
    return completed;
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
        EXPECT_EQ(completeRead(completer, row.typed), row.completed) << row.typed.toStdString();
}

// The folders are read again after forget(): a file made meanwhile completes.
TEST(PathCompleterTest, ForgottenFoldersAreReadAgain) {
    mirato::test::TempEnvironment env;
    env.writeFile("f/old.txt", "x");
    PathCompleter completer(posixConventions());
    EXPECT_EQ(completeRead(completer, env.path("f/ne")), "");
    env.writeFile("f/new.txt", "x");
    EXPECT_EQ(completeRead(completer, env.path("f/ne")), "");  // as the folder was read
    completer.forget();
    EXPECT_EQ(completeRead(completer, env.path("f/ne")), env.path("f/new.txt"));
}

}  // namespace
