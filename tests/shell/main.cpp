#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
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
    // The host product's settings the tests write, and the boot counter file every start-up
    // writes into the current directory, stay out of the user's and the build's directories.
    QTemporaryDir scratch;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch.filePath("settings"));
    QDir::setCurrent(scratch.path());
    // Single-instance sockets live in the temporary directory: with one of their own, the tests'
    // modules and the programs they start never meet a module the user has open for the same device.
    userTempPath = QDir::tempPath();
    QDir(scratch.path()).mkpath(QStringLiteral("tmp"));
    qputenv("TMPDIR", QFile::encodeName(scratch.filePath(QStringLiteral("tmp"))));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
