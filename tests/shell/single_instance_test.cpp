#include "shell/single_instance.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

TEST(SingleInstance, SocketNamesAreValidAndDistinctPerHost) {
    const QString a = SingleInstance::SocketName("QSW-7400 : 127.0.0.1");
    EXPECT_FALSE(a.contains(' '));
    EXPECT_FALSE(a.contains(':'));
    EXPECT_NE(a, SingleInstance::SocketName("QSW-7400 : 127.0.0.2"));
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
