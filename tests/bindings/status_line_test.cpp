#include "device.h"
#include "scalars.h"

#include "binding/status_line.h"
#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "engine/messages.h"
#include "engine/coded_error.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

const QRegularExpression kGetOk(R"(^Get: Ok!\. Receive at \d\d:\d\d:\d\d \S+$)");
const QRegularExpression kSetOk(R"(^Set: Ok!\. Receive at \d\d:\d\d:\d\d \S+$)");

TEST(StatusLine, FillsTheTemplate) {
    struct Case {
        const char *templateText, *caption, *expected;
    } cases[] = {
        {"Get: [ERROR] Request:[VARLIST]. Receive at [TIME].", "", "Get: Ok!. Receive at 02:15:07 PM."},
        {"Get: [ERROR] Request:[VARLIST]. Receive at [TIME].", " Led Status",
         "Get: Ok! Request: Led Status. Receive at 02:15:07 PM."},
        {"[ERROR] at [TIME]", "", "Ok! at 02:15:07 PM"},
        {"[VARLIST]: [ERROR]", "", ": Ok!"},
        {"[ERROR] [ERROR]", "x", "Ok! Ok!"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FormatStatusLine(c.templateText, "Ok!", c.caption, "02:15:07 PM"), c.expected) << c.templateText;
}

TEST(StatusLine, TimeUsesTheTwelveHourClockAndTheLocaleDesignator) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(StatusTimeText(QTime(14, 15, 7), english), "02:15:07 PM");
    EXPECT_EQ(StatusTimeText(QTime(0, 5, 0), english), "12:05:00 AM");
    EXPECT_EQ(StatusTimeText(QTime(12, 0, 9), english), "12:00:09 PM");
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(StatusTimeText(QTime(9, 1, 2), german), "09:01:02 " + german.amText().toStdString());
}

class StatusTargets : public ::testing::Test {
protected:
    void SetUp() override {
        binding.request.list.Assign(VdSNMPVarList(scalars::kTable, VdSNMPVarList::ScalarGroup, 0));
        UseDevice(binding.request);
        binding.asyncMode = false;
        MessageBox::reset();
    }
    // A port where nothing answers.
    void Silence() {
        ASSERT_TRUE(silent.bind(QHostAddress::LocalHost, 0));
        binding.request.device.port = silent.localPort();
        binding.request.timeout = 10;
        binding.request.retries = 0;
        binding.asyncMode = true;
    }

    QWidget window;
    VdSNMPRequest2Edits binding{&window};
    QUdpSocket silent;
};

TEST_F(StatusTargets, StatusBarPanelAndMemoReceiveTheLine) {
    QStatusBar bar(&window);
    binding.SetStatusTarget(&bar);
    binding.Get();
    EXPECT_TRUE(kGetOk.match(bar.currentMessage()).hasMatch()) << bar.currentMessage().toStdString();

    auto *panel = new QLabel(&bar);
    bar.addWidget(panel);
    binding.SetStatusTarget(panel);
    binding.request.list.caption = " Scalars";
    binding.Get();
    EXPECT_TRUE(panel->text().startsWith("Get: Ok! Request: Scalars. Receive at ")) << panel->text().toStdString();

    QPlainTextEdit memo;
    binding.SetStatusTarget(&memo);
    binding.request.list.caption.clear();
    binding.Get();
    binding.Set(false, false);  // writes back what was read
    const QStringList lines = memo.toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(kGetOk.match(lines[0]).hasMatch()) << lines[0].toStdString();
    EXPECT_TRUE(kSetOk.match(lines[1]).hasMatch()) << lines[1].toStdString();
    EXPECT_EQ(MessageBox::shownCount(), 0);
}

TEST_F(StatusTargets, OtherTargetsAreIgnored) {
    QWidget notAStatus;
    binding.SetStatusTarget(&notAStatus);
    EXPECT_NO_THROW(binding.Get());
    EXPECT_EQ(MessageBox::shownCount(), 0);
}

TEST_F(StatusTargets, AsynchronousFailureWithoutTargetShowsAMessageBox) {
    Silence();
    bool notified = false;
    binding.getDone = [&](VdSNMPRequest2Controls &, const VdSNMPError &e) { notified = e.status == -405; };
    binding.Get();
    EXPECT_TRUE(binding.busy);
    ASSERT_TRUE(WaitFor([&] { return !binding.busy; }));
    EXPECT_TRUE(notified);
    ASSERT_EQ(MessageBox::shownCount(), 1);
    EXPECT_EQ(MessageBox::lastCaption(), MessageBox::ModuleCaption());
    EXPECT_EQ(MessageBox::lastText().toStdString(), TranslateStatus(-5).text);
}

TEST_F(StatusTargets, AnAsynchronousFailureEndsTheExchangeOnceWithItsMessageAndAnAbandonedOneNever) {
    Silence();
    QStatusBar bar(&window);
    binding.SetStatusTarget(&bar);
    binding.asyncMode = true;
    std::vector<std::optional<std::string>> ends;
    binding.ended = [&](const std::optional<std::string> &error) { ends.push_back(error); };
    binding.Get();
    EXPECT_TRUE(ends.empty()) << "told before the device had its chance";
    ASSERT_TRUE(WaitFor([&] { return !binding.busy; }));
    WaitFor([] { return false; }, 200);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0], TranslateStatus(-5).text);

    ends.clear();
    binding.ended = [&](const std::optional<std::string> &error) { ends.push_back(error); };
    binding.Get();
    binding.Abandon();
    ASSERT_TRUE(WaitFor([&] { return !binding.busy; }));
    WaitFor([] { return false; }, 200);
    EXPECT_TRUE(ends.empty()) << "an abandoned binding tells nobody";
}

TEST_F(StatusTargets, AsynchronousFailureWithTargetGoesToTheStatusLine) {
    Silence();
    QStatusBar bar(&window);
    binding.SetStatusTarget(&bar);
    binding.Get();
    ASSERT_TRUE(WaitFor([&] { return !binding.busy; }));
    EXPECT_EQ(MessageBox::shownCount(), 0);
    EXPECT_TRUE(bar.currentMessage().startsWith(QString::fromStdString("Get: " + TranslateStatus(-5).text + ". Receive at ")))
        << bar.currentMessage().toStdString();
}

TEST_F(StatusTargets, SynchronousFailureIsRaisedAndClearsBusy) {
    Silence();
    binding.asyncMode = false;
    try {
        binding.Get();
        FAIL() << "no error";
    } catch (const CodedError &e) {
        EXPECT_EQ(e.code(), -405);
    }
    EXPECT_FALSE(binding.busy);
}

}  // namespace
