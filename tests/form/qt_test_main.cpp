#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Unit tests draw offscreen, also when the test list is read at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
