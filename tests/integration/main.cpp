#include "engine/session.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The session and its pump live for the whole run, as in the module.
int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir bootCounterDir;
    CreateGlobalSession(bootCounterDir.path().toStdString());
    return RUN_ALL_TESTS();
}
