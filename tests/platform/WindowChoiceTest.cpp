#include <gtest/gtest.h>

#include "platform/RunningApplications.h"

using namespace mirato;

namespace {

InstalledApplication app(const char* id, const char* program, const char* windowClass = "") {
    InstalledApplication a;
    a.id = id;
    a.program = program;
    a.windowClass = windowClass;
    return a;
}

TEST(WindowChoiceTest, TheWindowBroughtForwardIsTheMostRecentThenTheNext) {
    const QList<OpenWindow> opened{{1, {"term", "XTerm"}},
                                   {2, {"Navigator", "firefox"}},
                                   {3, {"xtestfix", "Xmessage"}},
                                   {4, {"xterm", "XTerm"}},
                                   {5, {"org.example.Notes"}}};
    const QList<quint64> recent{4, 2, 1, 3, 5};  // least recent first
    const struct {
        const char* what;
        InstalledApplication app;
        quint64 active;
        quint64 raised;
    } rows[] = {
        {"by the program's name, the most recent first", app("xterm", "xterm"), 5, 1},
        {"the active one's next", app("xterm", "xterm"), 1, 4},
        {"and round again", app("xterm", "xterm"), 4, 1},
        {"by the class the entry names", app("fixture", "fixture-app", "xtestfix"), 0, 3},
        {"the entry's class alone counts", app("firefox", "firefox", "Firefox-esr"), 0, 0},
        {"by the desktop id, any case", app("org.example.notes", "notes"), 2, 5},
        {"none of its windows", app("gimp", "gimp-2.10"), 1, 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(windowToRaise(opened, recent, row.active, row.app), row.raised) << row.what;
}

}  // namespace
