// The table editors open from their menu items, made by the menu bar builder from the catalogue and
// the window registry, with the entry's caption and the device's rows.
#include "catalogue/model/catalogue_model.h"
#include "catalogue/window_registry.h"
#include "window_fixture.h"
#include "windows/window_list.h"

#include <QAction>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

struct OpenCase {
    const char *windowClass;
    std::vector<std::string> menuPath;
    const char *objectName;
    const char *caption;
    int rows;
};

class TableEditorMenuItems : public window_test::WindowTest, public ::testing::WithParamInterface<OpenCase> {};

// The rows the window lists once its first read has ended, checked from the window's own loop.
int RowsShownBy(const char *objectName, QString &caption, const std::function<void()> &open, int expected) {
    int rows = -1;
    auto watcher = WhenModal(objectName, [&](QWidget *window) {
        auto *check = new QTimer(window);
        auto *list = window->findChild<QTreeWidget *>();
        QObject::connect(check, &QTimer::timeout, window, [&, window, list, check] {
            if (list->topLevelItemCount() < expected && check->property("ticks").toInt() < 500) {
                check->setProperty("ticks", check->property("ticks").toInt() + 1);
                return;
            }
            rows = list->topLevelItemCount();
            caption = window->windowTitle();
            static_cast<QDialog *>(window)->close();
        });
        check->start(20);
    });
    open();
    return rows;
}

TEST_P(TableEditorMenuItems, OpenTheirWindowWithTheDevicesRows) {
    const OpenCase &c = GetParam();
    const window_test::RegistryMenuBar bar;

    const MenuEntry *entry = MenuCatalogue::Instance().Find(c.menuPath);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->windowClass, c.windowClass);
    QAction *item = bar.Item(c.menuPath);
    ASSERT_NE(item, nullptr);
    ASSERT_TRUE(item->isEnabled());
    const std::function<void()> open = [item] { item->trigger(); };
    QString caption;
    EXPECT_EQ(RowsShownBy(c.objectName, caption, open, c.rows), c.rows);
    EXPECT_EQ(caption.toStdString(), c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, TableEditorMenuItems,
    ::testing::Values(OpenCase{"TIpCtrlForm", {"Layer 3 Management", "IP Management", "IP Control Table"}, "IpCtrlForm",
                               "IP Control Table : 127.0.0.1", 4},
                      OpenCase{"TMd5InformationForm", {"Layer 3 Management", "MD5 Information "}, "Md5InformationForm",
                               "MD5 Information Table: 127.0.0.1", 3},
                      OpenCase{"TBOOTCtrlTableForm", {"Layer 3 Management", "BOOTP Ctrl Table"}, "BOOTCtrlTableForm",
                               "BOOTP Ctrl Table: 127.0.0.1", 5},
                      OpenCase{"TRouteRedistributForm", {"Layer 3 Management", "Route Redistribution Table"},
                               "RouteRedistributForm", "Route Redistribution Table: 127.0.0.1", 3},
                      OpenCase{"TMSInformationForm", {"Single IP Configuration", "Single IP MS Table"}, "MSInformationForm",
                               "Member Switch Information Table : 127.0.0.1", 2},
                      OpenCase{"TACLMeterForm", {"Basic Configuration", "ACL Management", "Access Profile", "ACL Meter Table"},
                               "ACLMeterForm", "ACL Meter Table: 127.0.0.1", 3}),
    [](const auto &info) { return std::string(info.param.windowClass); });

}  // namespace

namespace {

// An agent that answers late keeps every window's first read in flight when it is closed.
class SlowTableEditors : public window_test::WindowTest {
protected:
    static void SetUpTestSuite() { Start({"--delay", "400"}); }
};

TEST_F(SlowTableEditors, ClosingDuringTheFirstReadTouchesNothing) {
    const window_test::RegistryMenuBar bar;
    for (const char *windowClass : {"TIpCtrlForm", "TMd5InformationForm", "TBOOTCtrlTableForm", "TRouteRedistributForm",
                                    "TMSInformationForm"}) {
        SCOPED_TRACE(windowClass);
        auto window = (*DedicatedWindows().Find(windowClass))(MenuEntry{}, bar.context());
        window->show();
        QTest::qWait(50);  // the read has been sent
        window->close();
        window.reset();
    }
    QTest::qWait(1000);  // the late answers arrive here; the sanitizers watch what they touch
}

}  // namespace
