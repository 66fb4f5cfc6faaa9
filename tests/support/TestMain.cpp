#include <gtest/gtest.h>

#include <QApplication>

// One Qt application object for every test of the program; the offscreen platform is set by
// run-isolated.sh (and defaulted here for a test started by hand).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
