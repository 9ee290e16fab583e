// The counter windows against the simulator: their rows, growing deltas after two polls, the
// choice of an interface or bridge port, the chart's point cap, a silent device and empty tables.
#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "window_fixture.h"
#include "windows/bridge_port_window.h"
#include "windows/if_counters_window.h"
#include "windows/scalar_counter_windows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cmath>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

class CounterWindows : public window_test::WindowTest {
protected:
    static QString Cell(QTreeWidget *list, int row, int column) {
        QTreeWidgetItem *item = list->topLevelItem(row);
        return item == nullptr ? QString() : item->text(column);
    }
    static QString Status(QWidget *window) { return window->findChild<QLabel *>("statusPanel0")->text(); }
};

struct ScalarCase {
    const char *className;
    std::function<TCounterWindow *()> create;
    const char *list;
    int rows;
    const char *lastName;
    int growingRow;
};

class ScalarCounterWindows : public CounterWindows, public ::testing::WithParamInterface<ScalarCase> {};

TEST_P(ScalarCounterWindows, ShowTheirRowsAndGrowingDeltasAfterTwoPolls) {
    const ScalarCase &c = GetParam();
    std::unique_ptr<TCounterWindow> window(c.create());
    EXPECT_EQ(window->objectName(), c.className);
    window->show();
    auto *list = window->findChild<QTreeWidget *>(c.list);
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return list->topLevelItemCount() == c.rows && Cell(list, c.growingRow, 1) != "0"; }))
        << Status(window.get()).toStdString();
    EXPECT_EQ(Cell(list, c.rows - 1, 0), c.lastName);
    ASSERT_TRUE(WaitUntil([&] { return Cell(list, c.growingRow, 2) != "0"; }, 8000)) << Status(window.get()).toStdString();
    EXPECT_GT(Cell(list, c.growingRow, 2).toULongLong(), 0u);
    // A 1-second interval: the rate is the delta over the time measured between the two samples,
    // which timer jitter, a busy machine or a skipped tick move around the interval; the exact
    // division is the counter logic's test.
    const double delta = Cell(list, c.growingRow, 2).toDouble();
    const double rate = Cell(list, c.growingRow, 3).toDouble();
    // The rate is shown in whole units, so a delta of 1 over a little more than a second shows 0.
    EXPECT_GE(rate, std::floor(delta / 4));
    EXPECT_LT(rate, delta * 2);
    EXPECT_TRUE(Status(window.get()).startsWith("Get: Ok!")) << Status(window.get()).toStdString();
    SaveScreen(window.get(), c.className);
    QTest::mouseClick(window->findChild<QPushButton *>("Button1"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Counters, ScalarCounterWindows,
    ::testing::Values(
        ScalarCase{"TUDP_Counters", [] { return new TUDP_Counters(window_test::Context(), nullptr); },
                   "LV_IPCounterData", 4, "udpOutDatagramsms", 0},
        ScalarCase{"TIP_Counters", [] { return new TIP_Counters(window_test::Context(), nullptr); },
                   "LV_IPCounterData", 10, "ipOutNoRoutes", 0},
        ScalarCase{"TSNMP_Counters", [] { return new TSNMP_Counters(window_test::Context(), nullptr); },
                   "LV_SNMPCounterData", 27, "snmpOutTraps", 0},
        ScalarCase{"TICMP_Counters", [] { return new TICMP_Counters(window_test::Context(), nullptr); },
                   "LV_ICMPCounterData", 26, "icmpOutAddrMaskReps", 0}),
    [](const auto &info) { return std::string(info.param.className); });

TEST_F(CounterWindows, InterfaceWindowPollsTheInterfaceItsLabelsShow) {
    TIF_Counters window(window_test::Context(), nullptr);
    window.show();
    auto *interfaces = window.findChild<QTreeWidget *>("LV_IFTableIndex");
    auto *counters = window.findChild<QTreeWidget *>("LV_IF_Counters");
    auto *read = window.findChild<QTreeWidget *>("LV_IFCounterData");
    auto *index = window.findChild<QLabel *>("ST_Index");
    ASSERT_TRUE(WaitUntil([&] { return interfaces->topLevelItemCount() == 52 && window.counterBinding() != nullptr; }));
    EXPECT_EQ(index->text(), "1");
    EXPECT_EQ(window.findChild<QLabel *>("ST_Descr")->text(), "Port 1");
    ASSERT_TRUE(WaitUntil([&] { return Cell(counters, 0, 2) != "0" && !Cell(counters, 0, 2).isEmpty(); }, 8000));
    EXPECT_EQ(Cell(counters, 10, 0), "OutErrors");

    // A click on another interface restarts the measurement there.
    QTreeWidgetItem *fifth = interfaces->topLevelItem(4);
    QTest::mouseClick(interfaces->viewport(), Qt::LeftButton, {}, interfaces->visualItemRect(fifth).center());
    EXPECT_EQ(index->text(), "5");
    EXPECT_EQ(window.polledIndex(), "5");
    EXPECT_EQ(counters->topLevelItemCount(), 0) << "the rows come back with the next poll";
    ASSERT_TRUE(WaitUntil([&] { return Cell(counters, 0, 2) != "0" && !Cell(counters, 0, 2).isEmpty(); }, 8000));
    EXPECT_EQ(Cell(read, 0, 0), "5");
    EXPECT_EQ(Cell(read, 0, 1), "Port 5");
    // Port 5's octets grow 12500 + 5 x 250 per second, port 1's 12750.
    EXPECT_GT(Cell(counters, 0, 2).toULongLong(), 13000u);
    SaveScreen(&window, "TIF_Counters");

    // Refresh keeps the interface watched and its labels.
    QTest::mouseClick(window.findChild<QPushButton *>("Button1"), Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return interfaces->topLevelItemCount() == 52 && !interfaces->selectedItems().isEmpty(); }));
    EXPECT_EQ(index->text(), "5");
    EXPECT_EQ(window.polledIndex(), "5");
    QTest::mouseClick(window.findChild<QPushButton *>("Button2"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(CounterWindows, BridgePortChartHoldsTheChosenNumberOfPoints) {
    TTpBridgePortInfo_Table window(window_test::Context(), nullptr);
    window.show();
    auto *ports = window.findChild<QTreeWidget *>("LV_TpBridge_Port_Index");
    auto *counters = window.findChild<QTreeWidget *>("LV_TpBridge_Port_Info");
    ASSERT_TRUE(WaitUntil([&] { return ports->topLevelItemCount() == 52 && window.counterBinding() != nullptr; }));

    QTreeWidgetItem *third = ports->topLevelItem(2);
    QTest::mouseClick(ports->viewport(), Qt::LeftButton, {}, ports->visualItemRect(third).center());
    EXPECT_EQ(window.findChild<QLabel *>("ST_Index")->text(), "3");
    EXPECT_EQ(window.findChild<QLabel *>("ST_Descr")->text(), "1500");
    ASSERT_TRUE(WaitUntil([&] { return window.monitor().pollCount() >= 5; }, 12000));
    // Port 3's input frames grow 40 + 3 x 7 per second, its discards not at all.
    EXPECT_GE(Cell(counters, 0, 2).toULongLong(), 55u);
    EXPECT_EQ(Cell(counters, 2, 2), "0");
    for (QLineSeries *line : window.series()) EXPECT_EQ(line->count(), 10) << line->name().toStdString();
    EXPECT_GT(window.series()[0]->at(9).y(), 0);
    EXPECT_EQ(window.series()[0]->at(0).y(), 0) << "fillers before the first samples";
    EXPECT_EQ(window.series()[2]->at(9).y(), 0);
    SaveScreen(&window, "TTpBridgePortInfo_Table");
    window.findChild<QTabWidget *>("PageControl1")->setCurrentIndex(1);
    SaveScreen(&window, "TTpBridgePortInfo_Table_chart");

    auto *count = window.findChild<QComboBox *>("CB_HistoryCount");
    count->setCurrentIndex(1);
    emit count->activated(1);
    EXPECT_EQ(window.monitor().pollCount(), 0) << "a new count restarts the measurement";
    ASSERT_TRUE(WaitUntil([&] { return window.monitor().pollCount() >= 2; }, 10000));
    for (QLineSeries *line : window.series()) EXPECT_EQ(line->count(), 20);

    for (const char *bad : {"0", "-3", "x"}) {
        count->setEditText(bad);
        emit count->lineEdit()->editingFinished();
        EXPECT_TRUE(MessageBox::lastText().contains(QString("'%1'").arg(bad))) << MessageBox::lastText().toStdString();
        EXPECT_EQ(count->currentText(), "20");
        EXPECT_EQ(window.history().length(), 20);
    }

    const QPointF newest = window.series()[0]->at(19);
    QTest::mouseClick(window.findChild<QCheckBox *>("CK_U3D"), Qt::LeftButton);
    EXPECT_TRUE(window.view3D());
    EXPECT_EQ(window.series()[0]->at(19), newest);
    QTest::mouseClick(window.findChild<QCheckBox *>("CK_U3D"), Qt::LeftButton);
    EXPECT_FALSE(window.view3D());
    window.close();
}

TEST_F(CounterWindows, BadIntervalsAreRefusedAndTheOldOneKept) {
    TUDP_Counters window(window_test::Context(), nullptr);
    window.show();
    auto *interval = window.findChild<QComboBox *>("CB_Interval");
    interval->setCurrentIndex(1);
    emit interval->activated(1);
    EXPECT_EQ(window.pollTimer()->interval(), 5000);
    for (const char *bad : {"0", "-1", "2147484", "soon"}) {
        interval->setEditText(bad);
        emit interval->lineEdit()->editingFinished();
        EXPECT_TRUE(MessageBox::lastText().contains(QString("'%1'").arg(bad))) << bad;
        EXPECT_EQ(window.pollTimer()->interval(), 5000) << bad;
        EXPECT_EQ(interval->currentText(), "5");
    }
    window.close();
}

}  // namespace
