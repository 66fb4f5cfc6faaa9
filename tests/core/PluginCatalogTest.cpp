#include <gtest/gtest.h>

#include <QFile>

#include "core/PluginCatalog.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using mirato::test::TempEnvironment;

namespace {

QString makeProgram(TempEnvironment& env, const QString& relative) {
    const QString path = env.writeFile(relative, "#!/bin/sh\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
    return path;
}

TEST(PluginCatalogTest, EveryFolderTakesAPlaceOnlyCompleteOnesArePlugins) {
    TempEnvironment env;
    env.writeFile("Plugin/A/setting.ini", "[title]\nenglish=Alpha\n");  // no program
    makeProgram(env, "Plugin/B/B");
    env.writeFile("Plugin/B/setting.ini",
                  "[title]\nchinese=乙\nchinesetrad=乙繁\nenglish=  Beta  \n");
    makeProgram(env, "shipped/B/B");  // the user's own B wins
    makeProgram(env, "shipped/C/C");
    env.writeFile("shipped/C/setting.ini", "[TITLE]\nEnglish=Gamma\n");
    env.writeFile("Plugin/D/D", "not executable");
    env.writeFile("Plugin/D/setting.ini", "[title]\nenglish=Delta\n");
    makeProgram(env, "Plugin/E/E");  // no description: not listed, but typed

    PluginCatalog catalog({env.path("Plugin"), env.path("shipped")}, posixConventions());
    catalog.scan();
    QStringList names;
    QList<bool> valid;
    for (const PluginFolder& folder : catalog.folders()) {
        names << folder.name;
        valid << folder.valid;
    }
    EXPECT_EQ(names, (QStringList{"A", "B", "D", "E", "C"}));
    EXPECT_EQ(valid, (QList<bool>{false, true, false, false, true}));

    const PluginFolder& b = catalog.folders().at(1);
    EXPECT_EQ(catalog.caption(b, Language::SimplifiedChinese), "乙");
    EXPECT_EQ(catalog.caption(b, Language::TraditionalChinese), "乙繁");
    EXPECT_EQ(catalog.caption(b, Language::English), "Beta");
    EXPECT_EQ(catalog.caption(catalog.folders().at(4), Language::English), "Gamma");
    EXPECT_EQ(catalog.caption(catalog.folders().at(4), Language::SimplifiedChinese),
              "");  // no such key: no caption

    EXPECT_EQ(catalog.programNamed("B"), env.path("Plugin/B/B"));
    EXPECT_EQ(catalog.programNamed("C"), env.path("shipped/C/C"));
    EXPECT_EQ(catalog.programNamed("E"), env.path("Plugin/E/E"));
    for (const char* bad : {"A", "D", "", ".", "..", "../Plugin/B", "B/B"})
        EXPECT_EQ(catalog.programNamed(bad), "") << bad;
}

TEST(PluginCatalogTest, WindowsProgramsCarryTheirSuffix) {
    TempEnvironment env;
    env.writeFile("Plugin/Tool/Tool.exe", "MZ");
    env.writeFile("Plugin/Tool/setting.ini", "[title]\nenglish=Tool\n");
    PluginCatalog catalog({env.path("Plugin")}, windowsConventions());
    EXPECT_EQ(catalog.programNamed("Tool"), env.path("Plugin/Tool/Tool.exe"));
}

}  // namespace
