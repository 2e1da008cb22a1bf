#include <gtest/gtest.h>

#include <QApplication>

// The widget tests run without a display, whatever the environment says.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
