#include <gtest/gtest.h>

#include <QDir>

#include "core/FileCopy.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using mirato::test::TempEnvironment;

namespace {

// The target is the old file or the whole new one, never nothing.
TEST(FileCopyTest, AFailedCopyKeepsTheOldFile) {
    TempEnvironment env;
    const QString target = env.writeFile("song.lrc", "old lyrics");
    const QString good = env.writeFile("new.wrc", "new lyrics");
    QDir().mkpath(env.path("a folder"));
    const struct {
        QString source;
        bool copied;
        QByteArray left;
    } rows[] = {
        {env.path("missing.wrc"), false, "old lyrics"},
        {env.path("a folder"), false, "old lyrics"},  // cannot be read as a file
        {good, true, "new lyrics"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FileCopy::replace(row.source, target), row.copied) << row.source.toStdString();
        EXPECT_EQ(env.readFile("song.lrc"), row.left);
    }
    EXPECT_FALSE(FileCopy::replace(good, env.path("no such folder/x.lrc")));
    // Nothing is left beside the target.
    EXPECT_EQ(QDir(env.path()).entryList(QDir::Files), (QStringList{"new.wrc", "song.lrc"}));
}

}  // namespace
