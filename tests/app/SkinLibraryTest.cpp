#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QToolTip>
#include <functional>
#include <memory>

#include "app/SkinLibrary.h"
#include "support/TempEnvironment.h"

using mirato::SkinLibrary;
using mirato::test::TempEnvironment;

namespace {

const QByteArray kSheet = "QMenu { background-color: #fbfcfe; }\n";

class SkinLibraryTest : public ::testing::Test {
protected:
    void TearDown() override { qApp->setStyleSheet(QString()); }
};

TEST_F(SkinLibraryTest, TheSheetWaitsForTheFirstMenuOrDialogToShow) {
    struct Case {
        const char* what;
        std::function<QWidget*()> make;
        bool attaches;
    };
    const Case cases[] = {
        {"plain window", [] { return new QWidget; }, false},
        {"label", [] { return new QLabel("text"); }, false},
        {"menu", [] { return new QMenu; }, true},
        {"message box", [] { return new QMessageBox; }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempEnvironment env;
        SkinLibrary library(env.writeFile("skin.she", kSheet));
        EXPECT_FALSE(library.isAttached());
        std::unique_ptr<QWidget> widget(c.make());
        widget->ensurePolished();
        EXPECT_FALSE(library.isAttached());  // every widget is polished, shown or not
        widget->winId();                     // what showing it does first
        EXPECT_EQ(library.isAttached(), c.attaches);
        EXPECT_EQ(qApp->styleSheet(), c.attaches ? QString::fromUtf8(kSheet) : QString());
        qApp->setStyleSheet(QString());
    }
}

// The first tooltip already has the sheet's padding: it is not sized without it and then
// polished with it.
TEST_F(SkinLibraryTest, TheFirstTooltipIsSizedWithTheSheet) {
    TempEnvironment env;
    SkinLibrary library(env.writeFile("skin.she", "QToolTip { padding: 12px; }\n"));
    QWidget owner;
    owner.show();
    auto shownTip = [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->inherits("QTipLabel") && w->isVisible())
                return w;
        }
        return static_cast<QWidget*>(nullptr);
    };
    // Hidden, a tip lingers a moment before it goes.
    auto hideTip = [&] {
        QToolTip::hideText();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !shownTip(); }, 2000));
    };
    auto tipSize = [&] {
        QToolTip::showText(QPoint(100, 100), "a tip", &owner);
        const QWidget* tip = shownTip();
        const QSize size = tip ? tip->size() : QSize();
        hideTip();
        return size;
    };
    const QSize first = tipSize();
    EXPECT_TRUE(library.isAttached());
    QToolTip::showText(QPoint(100, 100), "a tip", &owner);  // a tip shown again is reused
    hideTip();
    const QSize second = tipSize();
    ASSERT_TRUE(first.isValid());
    EXPECT_EQ(first, second);
}

TEST_F(SkinLibraryTest, AMissingSheetIsIgnoredAndAskedForOnce) {
    TempEnvironment env;
    SkinLibrary library(env.path("no/skin.she"));
    QMenu menu;
    menu.winId();
    EXPECT_TRUE(library.isAttached());
    EXPECT_TRUE(qApp->styleSheet().isEmpty());

    // Attached (or given up) once: a sheet appearing later is not picked up behind the user.
    env.writeFile("no/skin.she", kSheet);
    QMessageBox box;
    box.winId();
    library.attach();
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
}

}  // namespace
