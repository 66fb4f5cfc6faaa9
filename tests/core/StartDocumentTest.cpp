#include <gtest/gtest.h>

#include <QDir>

#include "core/StartDocument.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using mirato::test::TempEnvironment;

namespace {

TEST(StartDocumentTest, AFileNamedFromTheStartingFolderIsThatFile) {
    TempEnvironment env;
    env.writeFile("song.mp3", "x");
    env.writeFile("my music/a b.mp3", "x");
    const QString here = env.path();
    const struct {
        QString commandLine;
        QString document;
    } rows[] = {
        {"song.mp3", env.path("song.mp3")},
        {"\"song.mp3\"", env.path("song.mp3")},
        {"my music/a b.mp3", env.path("my music/a b.mp3")},
        {"my music", env.path("my music")},
        {"./song.mp3", env.path("song.mp3")},
        // No such file: the typed-line rules decide (a media name is a stream address).
        {"other.mp3", "other.mp3"},
        {"www.example.org", "www.example.org"},
        {"http://example.org/song.mp3", "http://example.org/song.mp3"},
        {"/music/song.mp3", "/music/song.mp3"},
        {"\"/music/my song.mp3\"", "/music/my song.mp3"},
        {":song.mp3", ":song.mp3"},
        {"", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(StartDocument::resolve(row.commandLine, here), row.document)
            << row.commandLine.toStdString();
}

}  // namespace
