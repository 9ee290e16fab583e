// The time, equipment, about and IP routing windows open from their menu items on the simulator,
// with their captions, and read the device once shown.
#include "shell/main_form_fixture.h"

#include "support/widget_support.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QLabel>
#include <QPlainTextEdit>

namespace {

struct WindowItem {
    std::vector<std::string> path;
    const char *objectName;
    const char *caption;
    bool reads;
};

// Whether a status line of a completed read shows anywhere in the window.
bool ShowsARead(const QWidget *window) {
    for (const QPlainTextEdit *memo : window->findChildren<QPlainTextEdit *>())
        if (memo->toPlainText().contains("Get: Ok!")) return true;
    for (const QLabel *label : window->findChildren<QLabel *>())
        if (label->text().startsWith("Get: Ok!")) return true;
    return false;
}

TEST_F(MainFormTest, TimeEquipmentAboutAndRoutingWindowsOpenFromTheirMenuItems) {
    auto form = StartOnSimulator();
    const WindowItem items[] = {
        {{"Basic Configuration", "Time Management", "Current Time"}, "CurrentTimeForm", "Current Time: 127.0.0.1", true},
        {{"Basic Configuration", "Time Management", "Daylight Saving Time/Summer Time"}, "SummerTimeForm",
         "Summer Time : 127.0.0.1", true},
        {{"Basic Configuration", "Equipment Management", "Basic Information"}, "EquipmentBasicInfoForm",
         "Equipment Basic Information :127.0.0.1", true},
        {{"Basic Configuration", "MIB II", "IP Routing"}, "IP_Routing", "IP Routing : 127.0.0.1", true},
        {{"Help", "About"}, "AboutForm", "About QSW-7400 Management Module", false},
    };
    for (const WindowItem &item : items) {
        SCOPED_TRACE(item.objectName);
        QAction *action = MenuItem(*form, item.path);
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->isEnabled());
        std::string caption;
        bool read = false;
        // Polled, never waited for here: a window adds its rows from inside the engine's completion,
        // whose event processing may run this watcher, and a blocking wait there would hold the engine.
        auto watcher = WhenModal(QString::fromLatin1(item.objectName), [&](QWidget *window) {
            caption = window->windowTitle().toStdString();
            auto *poll = new QTimer(window);
            const QDeadlineTimer deadline(10000);
            QObject::connect(poll, &QTimer::timeout, window, [&, window, poll, deadline] {
                read = !item.reads || ShowsARead(window);
                if (!read && !deadline.hasExpired()) return;
                poll->stop();
                window->close();
            });
            poll->start(20);
        });
        action->trigger();
        EXPECT_EQ(caption, item.caption);
        EXPECT_TRUE(read) << "no completed read in the window";
    }
}

}  // namespace
