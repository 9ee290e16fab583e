// Counter windows facing a device that does not answer in time, or one without the rows they list:
// the window stays usable, says what is wrong and polls nothing it cannot.
#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "engine/session.h"
#include "window_fixture.h"
#include "windows/bridge_port_window.h"
#include "windows/if_counters_window.h"
#include "windows/scalar_counter_windows.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

QString Status(QWidget *window) { return window->findChild<QLabel *>("statusPanel0")->text(); }

class SilentDevice : public window_test::WindowTest {
protected:
    // Every answer comes long after the module has given up: 0.6 s per try, two tries.
    static void SetUpTestSuite() {
        Start({"--delay", "5000"});
        SessionTimeout = 60;
    }
    static void TearDownTestSuite() {
        SessionTimeout = 100;
        WindowTest::TearDownTestSuite();
    }
};

TEST_F(SilentDevice, PauseAndExitWorkWhilePollsTimeOutAndTicksDoNotPileUp) {
    auto window = std::make_unique<TSNMP_Counters>(window_test::Context(), nullptr);
    window->show();
    ASSERT_TRUE(WaitUntil([&] { return Status(window.get()).contains("SNMP request timed out!"); }, 10000))
        << Status(window.get()).toStdString();
    EXPECT_TRUE(window->polling()) << "this window goes on polling after a failed opening read";

    // A poll lasts 1.2 s against ticks every second: a tick that comes while one runs is skipped.
    int starts = 0;
    bool wasBusy = window->counterBinding()->busy;
    QElapsedTimer clock;
    clock.start();
    WaitUntil([&] {
        const bool busy = window->counterBinding()->busy;
        starts += busy && !wasBusy;
        wasBusy = busy;
        return clock.elapsed() > 5000;
    }, 6000);
    EXPECT_GE(starts, 2);
    EXPECT_LE(starts, 3);

    // The window takes clicks while a poll waits for the device.
    ASSERT_TRUE(WaitUntil([&] { return window->counterBinding()->busy; }));
    QTest::mouseClick(window->findChild<QPushButton *>("BT_Stop"), Qt::LeftButton);
    EXPECT_FALSE(window->polling());
    EXPECT_TRUE(window->counterBinding()->busy);
    ASSERT_TRUE(WaitUntil([&] { return !window->counterBinding()->busy; }));
    clock.restart();
    bool polledAgain = false;
    WaitUntil([&] {
        polledAgain = polledAgain || window->counterBinding()->busy;
        return clock.elapsed() > 2200;
    }, 3000);
    EXPECT_FALSE(polledAgain) << "a paused window polls nothing";

    QTest::mouseClick(window->findChild<QPushButton *>("BT_Start"), Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return window->counterBinding()->busy; }, 3000));
    clock.restart();
    QTest::mouseClick(window->findChild<QPushButton *>("Button1"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_LT(clock.elapsed(), 2500) << "the exchange on the wire ends within its time-out";
    window.reset();
}

TEST_F(SilentDevice, AWindowWhoseListCannotBeReadStaysOpenAndPollsNothing) {
    TIF_Counters window(window_test::Context(), nullptr);
    window.show();
    ASSERT_TRUE(WaitUntil([&] { return Status(&window).contains("SNMP request timed out!"); }, 10000));
    QTest::qWait(1500);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.counterBinding(), nullptr);
    EXPECT_FALSE(window.polling());
    EXPECT_EQ(MessageBox::shownCount(), 0) << "a device that did not answer is not one without interfaces";
    window.close();
}

class DeviceWithoutRows : public window_test::WindowTest {
protected:
    static void SetUpTestSuite() {
        static QTemporaryDir dir;
        const QString profile = dir.filePath("bare.profile");
        QFile file(profile);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        // Objects on both sides of the interface and bridge tables, none in them.
        file.write("object 1.3.6.1.2.1.1.5.0 sysName DisplayString rw value=\"bare\"\n"
                   "object 1.3.6.1.4.1.9.1.0 after Integer ro value=1\n");
        file.close();
        Start({"--no-default-profile", "--profile", profile});
    }
};

TEST_F(DeviceWithoutRows, InterfaceAndBridgePortWindowsSayThereIsNothingToWatch) {
    const std::function<TChosenRowCounterWindow *()> windows[] = {
        [] { return new TIF_Counters(window_test::Context(), nullptr); },
        [] { return new TTpBridgePortInfo_Table(window_test::Context(), nullptr); },
    };
    for (const auto &create : windows) {
        MessageBox::reset();
        std::unique_ptr<TChosenRowCounterWindow> window(create());
        window->show();
        ASSERT_TRUE(WaitUntil([&] { return MessageBox::shownCount() == 1; }))
            << window->objectName().toStdString() << ": " << Status(window.get()).toStdString();
        EXPECT_EQ(MessageBox::lastText(), "This device don't support it!");
        EXPECT_EQ(Status(window.get()), "This device don't support it!");
        QTest::qWait(1200);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->counterBinding(), nullptr);
        EXPECT_FALSE(window->polling());
        EXPECT_TRUE(window->polledIndex().empty());
        // Reset has nothing to restart.
        QTest::mouseClick(window->findChild<QPushButton *>("BT_Reset"), Qt::LeftButton);
        EXPECT_FALSE(window->polling());
        window->close();
    }
}

}  // namespace
