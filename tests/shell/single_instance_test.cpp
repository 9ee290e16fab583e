#include "shell/single_instance.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(SingleInstance, SocketNamesAreValidAndDistinctPerHost) {
    const QString a = SingleInstance::SocketName("QSW-7400 : 127.0.0.1");
    EXPECT_FALSE(a.contains(' '));
    EXPECT_FALSE(a.contains(':'));
    EXPECT_NE(a, SingleInstance::SocketName("QSW-7400 : 127.0.0.2"));
}

// Runs body with DISPLAY set to value, restoring it afterwards.
template <typename Body>
void OnDisplay(const char *value, Body body) {
    const QByteArray before = qgetenv("DISPLAY");
    const bool had = qEnvironmentVariableIsSet("DISPLAY");
    qputenv("DISPLAY", value);
    body();
    if (had) qputenv("DISPLAY", before);
    else qunsetenv("DISPLAY");
}

TEST(SingleInstance, SocketsLieInAFolderOfTheUserAloneOnePerDisplay) {
    const QString title = QStringLiteral("QSW-7400 : 127.0.0.1");
    QString first, second;
    OnDisplay(":1", [&] { first = SingleInstance::SocketPath(title); });
    OnDisplay(":2", [&] { second = SingleInstance::SocketPath(title); });
    ASSERT_FALSE(first.isEmpty());
    EXPECT_NE(first, second);

    struct stat folder {};
    ASSERT_EQ(::lstat(QFile::encodeName(QFileInfo(first).path()).constData(), &folder), 0);
    EXPECT_TRUE(S_ISDIR(folder.st_mode));
    EXPECT_EQ(folder.st_uid, ::geteuid());
    EXPECT_EQ(folder.st_mode & 0777, 0700u);

    OnDisplay(":1", [&] {
        QWidget window;
        SingleInstance listening(title, &window);
        ASSERT_TRUE(listening.isListening());
        struct stat socket {};
        ASSERT_EQ(::lstat(QFile::encodeName(first).constData(), &socket), 0);
        EXPECT_EQ(socket.st_mode & 077, 0u);
    });
}

TEST(SingleInstance, AFolderOthersCanEnterIsNotUsed) {
    // Another user could have made it beforehand, to take the sockets' places.
    const QString folder = SingleInstance::PrivateDirectory();
    ASSERT_FALSE(folder.isEmpty());
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
    EXPECT_EQ(SingleInstance::PrivateDirectory(), QString());
    QWidget window;
    SingleInstance instance(QStringLiteral("QSW-7400 : shared-folder-test"), &window);
    EXPECT_FALSE(instance.isListening());
    EXPECT_FALSE(SingleInstance::HandOver(QStringLiteral("QSW-7400 : shared-folder-test")));
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0700), 0);
    EXPECT_EQ(SingleInstance::PrivateDirectory(), folder);
}

TEST(SingleInstance, ASecondStartRaisesTheFirstWindow) {
    const QString title = QStringLiteral("QSW-7400 : single-instance-test");
    EXPECT_FALSE(SingleInstance::HandOver(title));

    QWidget window;
    SingleInstance first(title, &window);
    ASSERT_TRUE(first.isListening());
    EXPECT_FALSE(SingleInstance::HandOver(QStringLiteral("QSW-7400 : other-host")));
    ASSERT_TRUE(SingleInstance::HandOver(title));

    QElapsedTimer clock;
    clock.start();
    while (!window.isVisible() && clock.elapsed() < 5000) QCoreApplication::processEvents();
    EXPECT_TRUE(window.isVisible());
}

}  // namespace
