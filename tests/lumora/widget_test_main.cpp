#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

#include "shell/lumora_application.h"

int main(int argc, char* argv[]) {
    // Widget tests never need a display; settings go to a directory each test makes.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    lumora::shell::SetSettingsNames();
    return RUN_ALL_TESTS();
}
