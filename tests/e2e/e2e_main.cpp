#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Only for decoding pictures: the test itself draws nothing.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
