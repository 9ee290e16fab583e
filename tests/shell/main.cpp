#include "support/scratch_settings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
QString userTempPath;
}  // namespace

QString UserTempPath() { return userTempPath; }

// Widget tests on the offscreen platform unless a display is asked for.
int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const ScratchSettings settings;
    // The boot counter file every start-up writes into the current directory stays out of the
    // build's directory.
    QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());
    // Single-instance sockets live in the temporary directory: with one of their own, the tests'
    // modules and the programs they start never meet a module the user has open for the same device.
    userTempPath = QDir::tempPath();
    QDir(scratch.path()).mkpath(QStringLiteral("tmp"));
    qputenv("TMPDIR", QFile::encodeName(scratch.filePath(QStringLiteral("tmp"))));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
