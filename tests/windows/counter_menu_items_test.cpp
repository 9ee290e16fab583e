// Every counter window opens from its menu item, made by the menu bar builder from the catalogue and
// the window registry, and shows the device's counters.
#include "window_fixture.h"
#include "windows/counter_window.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

struct MenuCase {
    std::vector<std::string> path;
    const char *window;
    const char *list;
    int rows;
    const char *exitButton;
    const char *caption;
};

class CounterMenuItems : public window_test::WindowTest, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(CounterMenuItems, OpenTheirWindowOnTheDevice) {
    const MenuCase &c = GetParam();
    const window_test::RegistryMenuBar bar;
    QAction *item = bar.Item(c.path);
    ASSERT_NE(item, nullptr);
    ASSERT_TRUE(item->isEnabled());

    int rows = -1;
    QString caption;
    QString status;
    // Checked from the window's own loop: waiting inside the watcher would hold the event pump.
    QElapsedTimer clock;
    auto watcher = WhenModal(c.window, [&](QWidget *window) {
        clock.start();
        auto *check = new QTimer(window);
        QObject::connect(check, &QTimer::timeout, window, [&, window] {
            auto *list = window->findChild<QTreeWidget *>(c.list);
            if (list->topLevelItemCount() != c.rows && clock.elapsed() < 10000) return;
            rows = list->topLevelItemCount();
            caption = window->windowTitle();
            status = window->findChild<QLabel *>("statusPanel0")->text();
            QTest::mouseClick(window->findChild<QPushButton *>(c.exitButton), Qt::LeftButton);
        });
        check->start(20);
    });
    item->trigger();
    EXPECT_EQ(rows, c.rows) << status.toStdString();
    EXPECT_EQ(caption.toStdString(), c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Menus, CounterMenuItems,
    ::testing::Values(MenuCase{{"Basic Configuration", "MIB II", "UDP Counter"}, "TUDP_Counters", "LV_IPCounterData", 4, "Button1", "UDP Counters : 127.0.0.1"},
                      MenuCase{{"Basic Configuration", "MIB II", "IP Counter"}, "TIP_Counters", "LV_IPCounterData", 10, "Button1", "IP Counters : 127.0.0.1"},
                      MenuCase{{"Basic Configuration", "MIB II", "SNMP Counter"}, "TSNMP_Counters", "LV_SNMPCounterData", 27, "Button1", "SNMP Counters : 127.0.0.1"},
                      MenuCase{{"Basic Configuration", "MIB II", "ICMP Counter"}, "TICMP_Counters", "LV_ICMPCounterData", 26, "Button1", "ICMP Counters : 127.0.0.1"},
                      MenuCase{{"Basic Configuration", "MIB II", "IF Counter"}, "TIF_Counters", "LV_IFTableIndex", 52, "Button2", "IF Counters : 127.0.0.1"},
                      MenuCase{{"Bridge", "Transparent Bridge", "Port Counters"}, "TTpBridgePortInfo_Table", "LV_TpBridge_Port_Index", 52, "Button1",
                               "Transparent Bridge Port Counter : 127.0.0.1"}),
    [](const auto &info) { return std::string(info.param.window); });

}  // namespace
