// The current-time window on the simulator's running clock: capabilities shown, a time set and read
// back moved on, and texts that are no date and time refused before anything is sent.
#include "window_fixture.h"

#include "binding/ui/message_box.h"
#include "engine/messages.h"
#include "engine/coded_error.h"
#include "engine/date_time.h"
#include "windows/current_time_form.h"

#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace window_test {
namespace {

int Lines(const QPlainTextEdit *memo) { return memo->toPlainText().isEmpty() ? 0 : memo->blockCount(); }

QString LastLine(const QPlainTextEdit *memo) { return memo->toPlainText().split('\n').last(); }

// Presses the button and waits for the status line of its exchange.
void PressAndWait(TCurrentTimeForm &form, void (TCurrentTimeForm::*press)()) {
    const int before = Lines(form.Memo1);
    (form.*press)();
    ASSERT_TRUE(WaitUntil([&] { return Lines(form.Memo1) > before; })) << "no status line";
}

// Shows the window and waits for its first read.
void Open(TCurrentTimeForm &form) {
    form.show();
    ASSERT_TRUE(WaitUntil([&] { return Lines(form.Memo1) > 0; })) << "no first read";
}

qint64 SecondsOf(const std::string &clockText) {
    const auto t = VdDateTime::Parse(clockText);
    if (!t) return -1;
    return QDateTime(QDate(t->year, t->month, t->day), QTime(t->hour, t->minutes, t->seconds), Qt::UTC)
        .toSecsSinceEpoch();
}

class CurrentTimeTest : public WindowTest {};

TEST_F(CurrentTimeTest, ShowsTheCapabilitiesAndTheRunningClock) {
    TCurrentTimeForm form(Context());
    Open(form);
    EXPECT_EQ(form.windowTitle().toStdString(), "Current Time: 127.0.0.1");
    PressAndWait(form, &TCurrentTimeForm::GetButtonClick);
    EXPECT_TRUE(LastLine(form.Memo1).startsWith("Get: Ok!")) << LastLine(form.Memo1).toStdString();
    EXPECT_EQ(form.timecapacityEdit->text().toStdString(), " systemTime,SNTP,SummerTime,realTimeClock");
    EXPECT_EQ(form.cbxReset->currentText().toStdString(), "false");
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    EXPECT_NEAR(SecondsOf(form.currentclockEdit->text().toStdString()), now, 5) << "the host's UTC time";
    SaveScreen(&form, QStringLiteral("current_time"));
}

TEST_F(CurrentTimeTest, ASetTimeReadsBackMovedOn) {
    TCurrentTimeForm form(Context());
    Open(form);
    const std::string written = "2030-6-15,12:0:0.0";
    form.currentclockEdit->setText(QString::fromStdString(written));
    const unsigned sets = AgentSetCount();
    PressAndWait(form, &TCurrentTimeForm::SetButtonClick);
    EXPECT_TRUE(LastLine(form.Memo1).startsWith("Set: Ok!")) << LastLine(form.Memo1).toStdString();
    EXPECT_EQ(AgentSetCount(), sets + 1);

    QTest::qWait(1500);
    PressAndWait(form, &TCurrentTimeForm::GetButtonClick);
    const qint64 moved = SecondsOf(form.currentclockEdit->text().toStdString()) - SecondsOf(written);
    EXPECT_GE(moved, 1) << form.currentclockEdit->text().toStdString();
    EXPECT_LE(moved, 6) << form.currentclockEdit->text().toStdString();
}

TEST_F(CurrentTimeTest, ATextThatIsNoDateAndTimeIsRefusedAndNothingSent) {
    TCurrentTimeForm form(Context());
    Open(form);
    const std::string refused = messages::FrameworkError(18).message();
    for (const char *text : {"2030-6-15", "15.6.2030 12:00", "2030-6-15,300:0:0.0", "yesterday"}) {
        SCOPED_TRACE(text);
        form.currentclockEdit->setText(QString::fromLatin1(text));
        const unsigned sets = AgentSetCount();
        const int lines = Lines(form.Memo1);
        form.SetButtonClick();
        QTest::qWait(200);
        EXPECT_EQ(AgentSetCount(), sets);
        ASSERT_EQ(Lines(form.Memo1), lines + 1);
        EXPECT_TRUE(LastLine(form.Memo1).contains(QString::fromStdString(refused))) << LastLine(form.Memo1).toStdString();
        EXPECT_EQ(form.currentclockEdit->text().toStdString(), text) << "the typed text stays";
    }
}

TEST_F(CurrentTimeTest, AnEmptyClockIsRefusedWithItsMessage) {
    TCurrentTimeForm form(Context());
    Open(form);
    form.currentclockEdit->clear();
    const unsigned sets = AgentSetCount();
    form.SetButtonClick();
    EXPECT_EQ(MessageBox::lastText().toStdString(), "The Current Edit should not be empty!");
    EXPECT_EQ(AgentSetCount(), sets);
}

// An agent that answers late keeps the read in flight while the window goes.
class SlowClockTest : public WindowTest {
protected:
    static void SetUpTestSuite() { Start({"--delay", "400"}); }
};

TEST_F(SlowClockTest, ClosingDuringTheReadTouchesNothingOfTheClosedWindow) {
    auto form = std::make_unique<TCurrentTimeForm>(Context());
    form->show();
    form->GetButtonClick();
    form->close();
    form.reset();
    QTest::qWait(1000);  // the late answer arrives here; the sanitizers watch what it touches

    TCurrentTimeForm again(Context());
    Open(again);
    PressAndWait(again, &TCurrentTimeForm::GetButtonClick);
    EXPECT_TRUE(LastLine(again.Memo1).startsWith("Get: Ok!")) << LastLine(again.Memo1).toStdString();
}

}  // namespace
}  // namespace window_test
