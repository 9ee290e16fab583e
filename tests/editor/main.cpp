#include "support/scratch_settings.h"

#include <QApplication>

#include <gtest/gtest.h>

// The editor windows are real widgets; without a display they run on the offscreen platform.
int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const ScratchSettings settings;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
