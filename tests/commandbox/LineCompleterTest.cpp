#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

#include "core/InputModes.h"
#include "support/InterpreterHarness.h"

using namespace mirato;
using mirato::test::InterpreterHarness;

namespace {

// A command line starts a program of PATH: in the modes that run the line, the first word
// completes from those programs alone; elsewhere they are no names of the box.
TEST(LineCompleterTest, CommandModesCompleteProgramsOfThePath) {
    InterpreterHarness h;
    for (const char* program : {"bin/mytool", "bin/mytool-extra", "bin/zap"}) {
        const QString path = h.env.writeFile(program, "#!/bin/sh\n");
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    }
    h.env.writeFile("bin/myreadme", "not a program");
    h.env.writeFile("app/playlist/party mix.m3u", "a.mp3\n");
    h.completer.refresh();

    const auto complete = [&h](const QString& typed) { return h.completer.complete(typed); };
    EXPECT_EQ(complete("myt"), "");  // not a command line: programs are no names
    EXPECT_EQ(complete("par"), "party mix");

    for (InputMode mode : {InputMode::Run, InputMode::RunCmd}) {
        InputModes::toggle(h.state, mode);
        // The first command line asks for the programs; they are there a moment later.
        ASSERT_TRUE(QTest::qWaitFor([&] { return !complete("myt").isEmpty(); }, 2000));
        const struct {
            QString typed;
            QString completed;
        } rows[] = {
            {"myt", "mytool"},   {"mytool-", "mytool-extra"}, {"myr", ""},  // not executable
            {"mytool --he", ""},                               // the arguments are the user's
            {"par", ""},                                       // a playlist is no program
            {"z", "zap"},        {h.env.path("bin/zap"), ""},  // a program by its path, complete
                                                               // already
        };
        for (const auto& row : rows)
            EXPECT_EQ(complete(row.typed), row.completed) << row.typed.toStdString();
        // A program by its path completes from its folder.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return complete(h.env.path("bin/mytool-e")) == h.env.path("bin/mytool-extra"); },
            2000));
        InputModes::toggle(h.state, mode);
    }
}

}  // namespace
