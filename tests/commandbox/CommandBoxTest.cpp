#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "appearance/SkinnedButton.h"
#include "commandbox/AnswerList.h"
#include "commandbox/CommandBox.h"
#include "core/InputModes.h"
#include "core/Settings.h"
#include "core/Strings.h"
#include "platform/DesktopSearch.h"
#include "support/InterpreterHarness.h"
#include "support/ThemeFolder.h"

using namespace mirato;
using mirato::test::InterpreterHarness;

namespace {

class CommandBoxTest : public ::testing::Test {
protected:
    InterpreterHarness h;
    CommandBox box{h.interpreter, h.actions,  h.completer,         h.history,
                   h.settings,    h.notifier, h.paths.skinFolder()};
    QLineEdit* input = box.input();
};

TEST_F(CommandBoxTest, EnterRunsTheLineAndEmptiesTheBox) {
    QTest::keyClicks(input, "TM128");
    EXPECT_EQ(h.state.probes().first2, "TM");
    QTest::keyClick(input, Qt::Key_Return);
    EXPECT_EQ(h.state.opacity(), 128);
    EXPECT_EQ(input->text(), "");

    QTest::keyClicks(input, "example.org");
    QTest::keyClick(input, Qt::Key_M, Qt::ControlModifier);  // Ctrl+M is Enter
    EXPECT_EQ(h.opener.addresses, QStringList{"example.org"});
    EXPECT_EQ(input->text(), "");
}

// The icon's menu and the box's own (the tray menu) never open together.
TEST_F(CommandBoxTest, EachPressOpensOneMenu) {
    QMenu modes;
    modes.addAction("mode");
    QMenu tray;
    tray.addAction("tray");
    box.setModeMenu(&modes);
    box.setTrayMenu(&tray);
    box.show();
    auto* icon = box.findChild<QLabel*>("modeIcon");
    ASSERT_NE(icon, nullptr);
    const struct {
        QWidget* target;
        Qt::MouseButton button;
        bool modeMenu;
        bool trayMenu;
    } presses[] = {{icon, Qt::RightButton, true, false},
                   {icon, Qt::LeftButton, true, false},
                   {&box, Qt::RightButton, false, true}};
    for (const auto& press : presses) {
        const QPoint at = press.target == icon ? QPoint(2, 2) : QPoint(box.width() / 2, 4);
        QTest::mousePress(press.target, press.button, {}, at);
        if (press.button == Qt::RightButton) {
            QContextMenuEvent menu(QContextMenuEvent::Mouse, at, press.target->mapToGlobal(at));
            QApplication::sendEvent(press.target, &menu);
        }
        QTest::mouseRelease(press.target, press.button, {}, at);
        EXPECT_EQ(modes.isVisible(), press.modeMenu) << press.button;
        EXPECT_EQ(tray.isVisible(), press.trayMenu) << press.button;
        modes.hide();
        tray.hide();
    }
    EXPECT_FALSE(h.settings.read("wl.top").isEmpty());  // the icon stores the position
}

TEST_F(CommandBoxTest, ControlKeysAreSwallowedNotTyped) {
    QTest::keyClicks(input, "abc");
    QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(input->text(), "abc");
    EXPECT_EQ(input->selectedText(), "abc");
    QTest::keyClick(input, Qt::Key_End);
    QTest::keyClick(input, Qt::Key_Tab);
    QTest::keyClick(input, Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(input->text(), "abc");
    EXPECT_EQ(h.windows.playerShown, 1);

    QTest::keyClick(input, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(box.findChild<QLabel*>("modeLabel")->text(), "- Google Search");
    QTest::keyClick(input, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(box.findChild<QLabel*>("modeLabel")->text(), "");
}

TEST_F(CommandBoxTest, DoubleClickCopiesANonEmptyBox) {
    QTest::mouseDClick(input, Qt::LeftButton);
    EXPECT_TRUE(h.notifier.balloons.isEmpty());
    QTest::keyClicks(input, "keep me");
    QTest::mouseDClick(input, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), "keep me");
    EXPECT_EQ(input->text(), "");
    EXPECT_EQ(h.notifier.balloons, QStringList{Strings::text(321)});
}

TEST_F(CommandBoxTest, DroppedFileBecomesTheText) {
    box.takeDroppedFiles({QUrl::fromLocalFile("/music/a b.mp3"), QUrl::fromLocalFile("/c.mp3")});
    EXPECT_EQ(input->text(), "/music/a b.mp3");
    EXPECT_TRUE(h.media.urls.isEmpty());  // nothing is dispatched
}

TEST_F(CommandBoxTest, FieldMovesDownWhileLyricsShow) {
    EXPECT_EQ(input->y(), 840 / 15);
    h.state.setHasLyrics(true);
    EXPECT_EQ(input->y(), 960 / 15);
    EXPECT_EQ(box.okButton()->y(), 960 / 15);
    h.state.setHasLyrics(false);
    EXPECT_EQ(input->y(), 840 / 15);
}

TEST_F(CommandBoxTest, ButtonFollowsTheLanguageAndOpacityIsStored) {
    EXPECT_EQ(box.okButton()->text(), "OK");
    h.state.setLanguage(Language::TraditionalChinese);
    EXPECT_EQ(box.okButton()->text(), Strings::text(200));
    // The skinned button's pictures were drawn again with the new caption.
    ASSERT_NE(SkinnedButton::of(box.okButton()), nullptr);
    box.applyOpacity();  // nothing set yet: 180
    EXPECT_EQ(h.state.opacity(), 180);
    EXPECT_EQ(h.settings.read("TM"), "180");
    EXPECT_NEAR(box.windowOpacity(), 180 / 255.0, 0.01);
}

// The theme is stored only when every picture of the box loaded.
TEST_F(CommandBoxTest, SkinIsStoredOnlyWhenCompletelyLoaded) {
    const QString skins = h.paths.skinFolder();
    test::writeSolidTheme(skins, "Night", 0);
    test::writeSolidTheme(skins, "Broken", 1, {"Xdown.bmp"});
    const struct {
        const char* theme;
        bool complete;
        const char* stored;
    } rows[] = {{"Night", true, "Night"}, {"Broken", false, "Night"}, {"Gone", false, "Night"}};
    for (const auto& row : rows) {
        h.state.setTheme(row.theme);
        EXPECT_EQ(box.applySkin(), row.complete) << row.theme;
        EXPECT_EQ(h.settings.read("Skin"), row.stored) << row.theme;
    }
}

}  // namespace

namespace {

// A path completes from its folder once the folder has been read, without another keystroke.
TEST_F(CommandBoxTest, APathCompletesFromItsFolder) {
    h.env.writeFile("docs/report.txt", "x");
    box.show();
    auto* pale = box.findChild<QLabel*>("completion");
    QTest::keyClicks(input, h.env.path("docs/rep"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pale->isVisible(); }, 2000));
    EXPECT_EQ(pale->text(), "ort.txt");
    QTest::keyClick(input, Qt::Key_Tab);
    EXPECT_EQ(input->text(), h.env.path("docs/report.txt"));
}

TEST_F(CommandBoxTest, TabTakesTheCompletionAndArrowsRecallLines) {
    h.env.writeFile("app/playlist/party mix.m3u", "a.mp3\n");
    h.completer.refresh();
    box.show();
    auto* pale = box.findChild<QLabel*>("completion");
    ASSERT_NE(pale, nullptr);

    QTest::keyClicks(input, "par");
    EXPECT_EQ(box.completion(), "party mix");
    EXPECT_TRUE(pale->isVisible());
    EXPECT_EQ(pale->text(), "ty mix");
    QTest::keyClick(input, Qt::Key_Left);  // the caret left the end: nothing offered
    EXPECT_FALSE(pale->isVisible());
    QTest::keyClick(input, Qt::Key_End);
    QTest::keyClick(input, Qt::Key_Return);  // Enter runs only what was typed
    EXPECT_EQ(h.opener.addresses, QStringList{"par"});
    EXPECT_TRUE(h.media.urls.isEmpty());

    QTest::keyClicks(input, "par");
    QTest::keyClick(input, Qt::Key_Tab);
    EXPECT_EQ(input->text(), "party mix");
    QTest::keyClick(input, Qt::Key_Return);
    EXPECT_EQ(h.media.urls, QStringList{h.app("playlist/party mix.m3u")});

    InputModes::toggle(h.state, InputMode::RunCmd);  // a terminal's line is never kept
    QTest::keyClicks(input, "secret");
    QTest::keyClick(input, Qt::Key_Return);
    EXPECT_EQ(h.history.lines(), (QStringList{"party mix", "par"}));

    QTest::keyClicks(input, "draft");
    QTest::keyClick(input, Qt::Key_Up);
    EXPECT_EQ(input->text(), "party mix");
    QTest::keyClick(input, Qt::Key_Up);
    EXPECT_EQ(input->text(), "par");
    QTest::keyClick(input, Qt::Key_Down);
    QTest::keyClick(input, Qt::Key_Down);
    EXPECT_EQ(input->text(), "draft");
    QTest::keyClick(input, Qt::Key_Up, Qt::ControlModifier);  // still the volume
    EXPECT_EQ(input->text(), "draft");
}

}  // namespace

namespace {

// Installs desktop entries of applications named so, one per id.
void installApplications(InterpreterHarness& h,
                         std::initializer_list<std::pair<const char*, const char*>> apps) {
    for (const auto& [id, body] : apps)
        h.env.writeFile(QStringLiteral("data/applications/%1.desktop").arg(id),
                        "[Desktop Entry]\nType=Application\n" + QByteArray(body));
    h.loadApplications();
    h.completer.refresh();
}

// What the list under the box shows, row by row.
QStringList titlesOf(const AnswerList& list) {
    QStringList titles;
    for (const AnswerRow& row : list.rows())
        titles.append(row.title);
    return titles;
}

TEST_F(CommandBoxTest, TheAnswersOpenUnderTheBoxAndDownChoosesOne) {
    h.env.writeFile("app/playlist/xmas.m3u", "a.mp3\n");
    h.history.remember("xkcd.com");
    installApplications(
        h, {{"xfix", "Name=Xtest Fixture\nExec=fixture-one\nIcon=utilities-terminal\n"},
            {"xfix2", "Name=Xtest Fixture Two\nExec=fixture-two\n"}});
    box.show();
    box.move(100, 100);
    ASSERT_EQ(box.answerList(), nullptr);  // made when first needed

    QTest::keyClicks(input, "x");
    AnswerList* list = box.answerList();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    const QStringList titles = titlesOf(*list);
    ASSERT_LE(titles.size(), LineAnswers::kMaxRows);
    EXPECT_EQ(titles.value(0), "Open x in the browser");  // what Enter does as typed
    for (const char* alternative : {"Start Xtest Fixture", "Start Xtest Fixture Two",
                                    "Play the list xmas", "Open xkcd.com in the browser"})
        EXPECT_TRUE(titles.contains(alternative)) << alternative;
    EXPECT_EQ(list->rows().first().icon, "web-browser");
    EXPECT_EQ(list->geometry().top(), box.frameGeometry().bottom() + 1);
    EXPECT_EQ(list->width(), box.width());
    EXPECT_NE(QApplication::activeWindow(), list);  // typing goes on in the field
    EXPECT_FALSE(list->hasFocus());

    // Further typing narrows the rows; the list follows the box.
    QTest::keyClicks(input, "test");
    EXPECT_EQ(titlesOf(*list).mid(1),
              (QStringList{"Start Xtest Fixture", "Start Xtest Fixture Two"}));
    box.move(140, 120);
    EXPECT_EQ(list->geometry().topLeft(),
              QPoint(box.frameGeometry().left(), box.frameGeometry().bottom() + 1));

    // Down twice, Up once, Down once: the second alternative runs, nothing else.
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Down})
        QTest::keyClick(input, key);
    EXPECT_EQ(list->current(), 2);
    EXPECT_EQ(input->text(), "xtest");  // choosing leaves the typing alone
    QTest::keyClick(input, Qt::Key_Return);
    ASSERT_EQ(h.launcher.launches.size(), 1);
    EXPECT_EQ(h.launcher.launches.first().command.program, "fixture-two");
    EXPECT_TRUE(h.opener.addresses.isEmpty());
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(input->text(), "");
}

// A row chosen twice for the same typing comes first for it: first alternative, and the pale
// completion that Tab takes.
TEST_F(CommandBoxTest, WhatIsPickedTwiceComesFirst) {
    installApplications(h, {{"xfix", "Name=Xtest Fixture\nExec=fixture-one\n"},
                            {"xfix2", "Name=Xtest Fixture Two\nExec=fixture-two\n"}});
    box.show();

    // Initials find it too.
    QTest::keyClicks(input, "xft");
    ASSERT_TRUE(box.answerList());
    EXPECT_TRUE(titlesOf(*box.answerList()).contains("Start Xtest Fixture Two"));
    input->clear();

    const auto pickTheSecondApplication = [&] {
        QTest::keyClicks(input, "xt");
        const QStringList titles = titlesOf(*box.answerList());
        const int row = int(titles.indexOf("Start Xtest Fixture Two"));
        ASSERT_GT(row, 0);
        for (int i = 0; i < row; ++i)
            QTest::keyClick(input, Qt::Key_Down);
        QTest::keyClick(input, Qt::Key_Return);
    };
    // Each time the other one is typed out after the pick, so that the newest line of the
    // history is not the pick.
    const auto typeTheFirstOut = [&] {
        QTest::keyClicks(input, "Xtest Fixture");
        QTest::keyClick(input, Qt::Key_Return);
    };
    pickTheSecondApplication();
    typeTheFirstOut();
    QTest::keyClicks(input, "xt");
    EXPECT_EQ(box.completion(), "Xtest Fixture");  // once is not enough
    input->clear();
    pickTheSecondApplication();
    typeTheFirstOut();
    EXPECT_EQ(h.launcher.launches.size(), 4);

    QTest::keyClicks(input, "xt");
    EXPECT_EQ(titlesOf(*box.answerList()).value(1), "Start Xtest Fixture Two");
    EXPECT_EQ(box.completion(), "Xtest Fixture Two");
    // Other typings have learnt nothing.
    input->clear();
    QTest::keyClicks(input, "xte");
    EXPECT_EQ(box.completion(), "Xtest Fixture");
}

TEST_F(CommandBoxTest, TheListClosesAndTheArrowsGoBackToTheHistory) {
    h.history.remember("older line");
    h.env.writeFile("app/playlist/xmas.m3u", "a.mp3\n");
    h.history.remember("xkcd.com");
    h.completer.refresh();
    box.show();
    QTest::keyClicks(input, "x");
    AnswerList* list = box.answerList();
    ASSERT_TRUE(list && list->isVisible());

    // Escape closes it; Enter then runs the line as typed.
    QTest::keyClick(input, Qt::Key_Escape);
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(box.isVisible());
    QTest::keyClick(input, Qt::Key_Return);
    EXPECT_EQ(h.opener.addresses, QStringList{"x"});

    // A line with nothing more to offer closes it.
    QTest::keyClicks(input, "x");
    ASSERT_TRUE(list->isVisible());
    QTest::keyClicks(input, "yz-nothing");
    EXPECT_FALSE(list->isVisible());

    // With the field empty Up and Down walk the history, and a line brought back opens nothing.
    input->clear();
    QTest::keyClick(input, Qt::Key_Up);
    EXPECT_EQ(input->text(), "x");
    QTest::keyClick(input, Qt::Key_Up);
    EXPECT_EQ(input->text(), "xkcd.com");
    EXPECT_FALSE(list->isVisible());

    // Hiding the box closes the list.
    input->clear();
    QTest::keyClicks(input, "x");
    ASSERT_TRUE(list->isVisible());
    box.hide();
    EXPECT_FALSE(list->isVisible());
}

TEST_F(CommandBoxTest, ACalculationShowsItsResultAndEnterKeepsIt) {
    QSignalSpy ready(&h.calculator, &Calculator::ready);
    box.show();
    QTest::keyClicks(input, "2+3*4");
    auto* pale = box.findChild<QLabel*>("completion");
    if (ready.isEmpty()) {
        ASSERT_TRUE(ready.wait(5000));
    }
    // The box hears of the calculator through the completer, as the program wires it.
    emit h.completer.completionsChanged();
    EXPECT_TRUE(pale->isVisible());
    EXPECT_EQ(pale->text().trimmed(), "= 14");
    QTest::keyClick(input, Qt::Key_Return);
    EXPECT_EQ(input->text(), "14");
    EXPECT_EQ(input->selectedText(), "14");
    EXPECT_EQ(QApplication::clipboard()->text(), "14");
    EXPECT_TRUE(h.opener.addresses.isEmpty());
    EXPECT_TRUE(h.launcher.launches.isEmpty());
}

// The desktop's other search programs, as the box sees them: what it asked, and answers given
// by hand.
class StandInSearch : public DesktopSearch {
public:
    QStringList asked;  // the lines, in order
    quint64 serial = 0;
    int forgotten = 0;
    QList<std::pair<QString, QString>> activated;  // answer id, line

    void ask(quint64 s, const QString& line) override {
        serial = s;
        asked.append(line);
    }
    void forget() override { ++forgotten; }
    void activate(const DesktopAnswer& answer, const QString& line) override {
        activated.append({answer.id, line});
    }
    void answer(quint64 s, const QString& source, const QStringList& titles) {
        QList<DesktopAnswer> answers;
        for (const QString& title : titles)
            answers.append({source, title.toLower(), title, "in " + source, "text-x-generic", {}});
        emit answered(s, source, answers);
    }
};

class DesktopAnswersTest : public CommandBoxTest {
protected:
    void SetUp() override {
        installApplications(h, {{"xfix", "Name=Xtest Fixture\nExec=fixture-one\n"}});
        box.setDesktopSearch(&search);
        box.show();
    }
    StandInSearch search;
};

TEST_F(DesktopAnswersTest, TheirAnswersJoinAfterTheBoxsOwnAndEnterHandsTheChosenOneBack) {
    QTest::keyClicks(input, "xtes");
    const quint64 older = search.serial;
    QTest::keyClicks(input, "t");
    EXPECT_EQ(search.asked, (QStringList{"xte", "xtes", "xtest"}));  // three letters or more
    const QStringList own = titlesOf(*box.answerList());

    search.answer(older, "files", {"Old Answer"});  // for a line no longer typed
    search.answer(search.serial, "files", {"Xtest Notes", "Xtest Fixture"});
    search.answer(search.serial, "runner", {"Start Xtest Fixture", "Xtest Window"});
    // After the box's own rows; a title shown already is not repeated.
    const QStringList theirs{"Xtest Notes", "Xtest Fixture", "Xtest Window"};
    EXPECT_EQ(titlesOf(*box.answerList()), own + theirs);
    EXPECT_EQ(box.answerList()->rows().at(own.size()).outside.description, "in files");

    for (int i = 0; i < own.size() + 2; ++i)
        QTest::keyClick(input, Qt::Key_Down);
    QTest::keyClick(input, Qt::Key_Return);
    const QList<std::pair<QString, QString>> activated{{"xtest window", "xtest"}};
    EXPECT_EQ(search.activated, activated);
    EXPECT_TRUE(h.launcher.launches.isEmpty());  // nothing of the box's own ran
    EXPECT_TRUE(h.opener.addresses.isEmpty());
    EXPECT_EQ(input->text(), "");
    EXPECT_GE(search.forgotten, 1);
    // Answers still on their way find the line gone.
    search.answer(search.serial, "late", {"Xtest Late"});
    EXPECT_FALSE(box.answerList()->isVisible());

    // Enter with the typed line's own row chosen does what it always did.
    QTest::keyClicks(input, "xtest");
    search.answer(search.serial, "files", {"Xtest Notes"});
    QTest::keyClick(input, Qt::Key_Return);
    EXPECT_EQ(search.activated.size(), 1);
    EXPECT_EQ(h.opener.addresses, QStringList{"xtest"});
}

TEST_F(DesktopAnswersTest, AChoiceStaysOnItsRowWhileAnswersJoin) {
    QTest::keyClicks(input, "xtest");
    QTest::keyClick(input, Qt::Key_Down);
    const AnswerRow chosen = box.answerList()->rows().at(box.answerList()->current());
    search.answer(search.serial, "files", {"Xtest Notes"});
    EXPECT_EQ(box.answerList()->rows().at(box.answerList()->current()), chosen);
}

TEST_F(DesktopAnswersTest, NobodyIsAskedAboutShortLinesModesOrWhenSwitchedOff) {
    const struct {
        const char* typed;
        std::optional<InputMode> mode;
        bool on;
    } rows[] = {
        {"xt", std::nullopt, true},
        {"xtest", InputMode::Google, true},
        {"xtest", InputMode::Run, true},
        {"xtest", std::nullopt, false},
    };
    for (const auto& row : rows) {
        if (row.mode)
            InputModes::toggle(h.state, *row.mode);
        box.setDesktopAnswersOn(row.on);
        QTest::keyClicks(input, row.typed);
        EXPECT_TRUE(search.asked.isEmpty()) << row.typed << row.on;
        input->clear();
        if (row.mode)
            InputModes::toggle(h.state, *row.mode);
    }
}

TEST_F(DesktopAnswersTest, AnAnswerPickedTwiceComesRightAfterTheTypedLine) {
    const auto pickTheNotes = [&] {
        QTest::keyClicks(input, "xtest");
        search.answer(search.serial, "files", {"Xtest Notes", "Xtest Fixture Notes"});
        const int row = int(titlesOf(*box.answerList()).indexOf("Xtest Fixture Notes"));
        ASSERT_GT(row, 0);
        for (int i = 0; i < row; ++i)
            QTest::keyClick(input, Qt::Key_Down);
        QTest::keyClick(input, Qt::Key_Return);
    };
    pickTheNotes();
    pickTheNotes();
    QTest::keyClicks(input, "xtest");
    EXPECT_EQ(box.completion(), "Xtest Fixture");  // a pick of theirs is no completion
    search.answer(search.serial, "files", {"Xtest Notes", "Xtest Fixture Notes"});
    EXPECT_EQ(titlesOf(*box.answerList()).value(1), "Xtest Fixture Notes");
    EXPECT_EQ(box.answerList()->current(), 0);  // Enter still runs the line as typed
}

}  // namespace
