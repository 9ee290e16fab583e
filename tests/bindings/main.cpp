#include "engine/session.h"

#include "support/scratch_settings.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Widget tests on the offscreen platform; the SNMP session and its pump live for the whole run.
int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const ScratchSettings settings;
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir bootCounterDir;
    CreateGlobalSession(bootCounterDir.path().toStdString());
    return RUN_ALL_TESTS();
}
