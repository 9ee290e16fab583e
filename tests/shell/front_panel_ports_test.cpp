#include "main_form_fixture.h"

#include "forms/front_panel_picture.h"
#include "shell/front_panel_ports.h"
#include "support/widget_support.h"
#include "windows/chosen_row_counter_window.h"
#include "windows/port_poller.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolTip>
#include <QTreeView>

namespace {

QPoint SocketOf(int port) { return PortSocketArea(port).center(); }

void Hover(QLabel *image, int port) {
    QHelpEvent help(QEvent::ToolTip, SocketOf(port), image->mapToGlobal(SocketOf(port)));
    QApplication::sendEvent(image, &help);
}

}  // namespace

TEST_F(MainFormTest, APortUnderTheMouseTellsWhatTheDeviceReportsOfIt) {
    auto form = StartOnSimulator();
    ASSERT_TRUE(form->isReady());
    QLabel *image = form->frontPanelImage();
    // Port 40 is disabled and without a link; port 7 runs at 1 Gb/s full duplex in VLAN 10.
    Hover(image, 7);
    ASSERT_TRUE(WaitFor([&] { return form->ports()->poller().latest() != nullptr && !form->ports()->poller().running(); }));
    Hover(image, 7);
    EXPECT_EQ(QToolTip::text().toStdString(),
              "Port 7: Port 7\nAdmin up, oper up\nSpeed 1 Gb/s, full duplex (1000BASE-TX)\nPVID 10\n"
              "Errors and discards: counted from the next reading on");
    EXPECT_TRUE(form->ports()->HoverText(40).startsWith("Port 40: Port 40\nAdmin down, oper down\nSpeed none reported"));
    // A second reading gives the increases: port 7's input errors grow on the simulator.
    QTest::qWait(1100);
    form->ports()->poller().Poll([](bool) {});
    ASSERT_TRUE(WaitFor([&] { return form->ports()->poller().previous() != nullptr && !form->ports()->poller().running(); }));
    const QString text = form->ports()->HoverText(7);
    EXPECT_FALSE(text.contains("Errors +0 in")) << text.toStdString();
    EXPECT_TRUE(text.contains("Discards +0 in, +0 out")) << text.toStdString();
    // The captions under the ports now name the medium the device reports.
    EXPECT_NE(image->pixmap().toImage(), FrontPanelPicture().toImage());
}

TEST_F(MainFormTest, ADoubleClickOpensThePortsRowOfThePortControlTable) {
    auto form = StartOnSimulator();
    ASSERT_TRUE(form->isReady());
    QLabel *image = form->frontPanelImage();
    std::string caption;
    QString row;
    // Looked at from the window's own timer: a wait inside the watcher would hold the exchange
    // that delivers the rows.
    auto shownRow = [&](QWidget *window) {
        caption = window->windowTitle().toStdString();
        auto *list = window->findChild<QTreeView *>("listView");
        auto *poll = new QTimer(window);
        QObject::connect(poll, &QTimer::timeout, window, [&row, list, window, poll, deadline = QDeadlineTimer(10000)] {
            const QModelIndex current = list->currentIndex();
            if (!current.isValid() && !deadline.hasExpired()) return;
            if (current.isValid()) row = current.siblingAtColumn(0).data().toString();
            poll->stop();
            window->close();
        });
        poll->start(20);
    };
    auto watcher = WhenModal("ConfigForm", shownRow);
    QTest::mouseDClick(image, Qt::LeftButton, {}, SocketOf(23));
    EXPECT_EQ(caption, "Port Control Table : 127.0.0.1");
    EXPECT_EQ(row, "23");
    EXPECT_EQ(form->ports()->selectedPort(), 23);

    // The arrow keys move the selection over the panel as the ports lie; Enter opens it.
    image->setFocus();
    QTest::keyClick(image, Qt::Key_Right);  // 23 is on top, the next column's top port is 25
    EXPECT_EQ(form->ports()->selectedPort(), 25);
    QTest::keyClick(image, Qt::Key_Down);
    EXPECT_EQ(form->ports()->selectedPort(), 26);
    row.clear();
    auto again = WhenModal("ConfigForm", shownRow);
    QTest::keyClick(image, Qt::Key_Return);
    EXPECT_EQ(row, "26");
}

TEST_F(MainFormTest, ThePortsContextMenuOpensItsCountersAndCopiesItsDescription) {
    auto form = StartOnSimulator();
    ASSERT_TRUE(form->isReady());
    std::unique_ptr<QMenu> menu = form->ports()->PortMenu(19);
    QStringList items;
    for (QAction *a : menu->actions()) items << a->text();
    EXPECT_EQ(items, QStringList({"Counters", "Settings", "Copy description"}));

    QApplication::clipboard()->clear();
    menu->findChild<QAction *>("PortCopyDescription")->trigger();
    EXPECT_TRUE(WaitFor([] { return QApplication::clipboard()->text() == "Port 19"; }));

    std::string watched;
    auto watcher = WhenModal("TIF_Counters", [&](QWidget *window) {
        auto *counters = static_cast<TChosenRowCounterWindow *>(window);
        auto *poll = new QTimer(window);
        QObject::connect(poll, &QTimer::timeout, window, [&watched, counters, poll, deadline = QDeadlineTimer(10000)] {
            if (counters->polledIndex().empty() && !deadline.hasExpired()) return;
            watched = counters->polledIndex();
            poll->stop();
            counters->close();
        });
        poll->start(20);
    });
    menu->findChild<QAction *>("PortCounters")->trigger();
    EXPECT_EQ(watched, "19");
}
