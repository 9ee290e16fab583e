// The spanning-tree and SNMP configuration windows opened through their menu items.
#include "main_form_fixture.h"

#include "support/widget_support.h"
#include "windows/stp_info_form.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <functional>

namespace {

// Runs then once the status line starts with `awaited`, from a timer of the window's: a wait inside
// the modal watcher could run nested in the window's own opening read and never see it end.
void WhenStatus(QWidget *window, QLabel *status, const char *awaited, std::function<void()> then) {
    auto *poll = new QTimer(window);
    QObject::connect(poll, &QTimer::timeout, window, [=] {
        if (!status->text().startsWith(QLatin1String(awaited))) return;
        poll->stop();
        then();
    });
    poll->start(10);
}

const std::string kStpVersion = "1.3.6.1.4.1.171.12.15.1.2";

TEST_F(MainFormTest, StpControlReadsTheRunningVersionBeforeItsWindowOpens) {
    auto form = StartOnSimulator();
    WriteInteger(kStpVersion, "2");
    QString runningWhenOpened, caption, helloTime, maxAge;
    bool helloEnabled = true;
    const auto look = WhenModal("STP_Info", [&](QWidget *w) {
        auto *window = static_cast<TSTP_Info *>(w);
        runningWhenOpened = form->stpText()->text();
        caption = window->windowTitle();
        WhenStatus(window, window->statusPanel, "Get: Ok!", [&, window] {
            helloTime = window->ET_HelloTime->text();
            helloEnabled = window->ET_HelloTime->isEnabled();
            maxAge = window->ET_AgingTime->text();
            window->close();
        });
    });
    MenuItem(*form, {"Bridge", "Spanning Tree", "STP Control "})->trigger();
    EXPECT_EQ(runningWhenOpened.toStdString(), "mstp");
    EXPECT_EQ(caption.toStdString(), "Spanning Tree Control : 127.0.0.1");
    EXPECT_TRUE(helloTime.isEmpty());
    EXPECT_FALSE(helloEnabled);
    EXPECT_EQ(maxAge.toStdString(), "2000");
}

}  // namespace
