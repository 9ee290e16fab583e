// The current-time window on the simulator's running clock: capabilities shown, a time set and read
// back moved on, and texts that are no date and time refused before anything is sent.
#include "window_fixture.h"

#include "binding/ui/message_box.h"
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

QPlainTextEdit *Memo(const QWidget &form) { return Named<QPlainTextEdit>(&form, "Memo1"); }
QLineEdit *Clock(const QWidget &form) { return Named<QLineEdit>(&form, "currentclockEdit"); }

// Presses the button and waits for the status line of its exchange.
void PressAndWait(TCurrentTimeForm &form, const char *button) {
    const int before = Lines(Memo(form));
    Click(&form, button);
    ASSERT_TRUE(WaitUntil([&] { return Lines(Memo(form)) > before; })) << "no status line";
}

// Shows the window and waits for its first read.
void Open(TCurrentTimeForm &form) {
    form.show();
    ASSERT_TRUE(WaitUntil([&] { return Lines(Memo(form)) > 0; })) << "no first read";
}

qint64 SecondsOf(const std::string &clockText) {
    const auto t = VdDateTime::Parse(clockText);
    if (!t) return -1;
    return QDateTime(QDate(t->year, t->month, t->day), QTime(t->hour, t->minutes, t->seconds), Qt::UTC)
        .toSecsSinceEpoch();
}

class CurrentTimeTest : public WindowTest {};

TEST_F(CurrentTimeTest, ShowsTheCapabilitiesAndTheRunningClock) {
    TCurrentTimeForm form(Context(), nullptr);
    Open(form);
    PressAndWait(form, "GetButton");
    EXPECT_TRUE(LastLine(Memo(form)).startsWith("Get: Ok!")) << LastLine(Memo(form)).toStdString();
    EXPECT_EQ(Named<QLineEdit>(&form, "timecapacityEdit")->text().toStdString(), " systemTime,SNTP,SummerTime,realTimeClock");
    EXPECT_EQ(Named<QComboBox>(&form, "cbxReset")->currentText().toStdString(), "false");
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    EXPECT_NEAR(SecondsOf(Clock(form)->text().toStdString()), now, 5) << "the host's UTC time";
    SaveScreen(&form, QStringLiteral("current_time"));
}

TEST_F(CurrentTimeTest, ASetTimeReadsBackMovedOn) {
    TCurrentTimeForm form(Context(), nullptr);
    Open(form);
    const std::string written = "2030-6-15,12:0:0.0";
    Clock(form)->setText(QString::fromStdString(written));
    const unsigned sets = AgentSetCount();
    PressAndWait(form, "SetButton");
    EXPECT_TRUE(LastLine(Memo(form)).startsWith("Set: Ok!")) << LastLine(Memo(form)).toStdString();
    EXPECT_EQ(AgentSetCount(), sets + 1);

    QTest::qWait(1500);
    PressAndWait(form, "GetButton");
    const qint64 moved = SecondsOf(Clock(form)->text().toStdString()) - SecondsOf(written);
    EXPECT_GE(moved, 1) << Clock(form)->text().toStdString();
    EXPECT_LE(moved, 6) << Clock(form)->text().toStdString();
}

TEST_F(CurrentTimeTest, ATextThatIsNoDateAndTimeIsRefusedAndNothingSent) {
    TCurrentTimeForm form(Context(), nullptr);
    Open(form);
    for (const char *text : {"2030-6-15", "15.6.2030 12:00", "2030-6-15,300:0:0.0", "yesterday",
                             "2025-13-40,25:61:61.0", "2025-2-29,12:0:0.0", "2030-6-15,12:0:0.15"}) {
        SCOPED_TRACE(text);
        Clock(form)->setText(QString::fromLatin1(text));
        const unsigned sets = AgentSetCount();
        const int lines = Lines(Memo(form));
        const int shown = MessageBox::shownCount();
        Click(&form, "SetButton");
        QTest::qWait(200);
        EXPECT_EQ(AgentSetCount(), sets);
        EXPECT_EQ(Lines(Memo(form)), lines) << "no exchange started";
        ASSERT_EQ(MessageBox::shownCount(), shown + 1);
        const QString message = MessageBox::lastText();
        EXPECT_TRUE(message.contains(QLatin1String(text))) << message.toStdString();
        EXPECT_TRUE(message.contains("1992-5-26,13:30:15.0")) << "the expected form: " << message.toStdString();
        EXPECT_EQ(Clock(form)->text().toStdString(), text) << "the typed text stays";
    }
}

TEST_F(CurrentTimeTest, AnEmptyClockIsRefusedWithItsMessage) {
    TCurrentTimeForm form(Context(), nullptr);
    Open(form);
    Clock(form)->clear();
    const unsigned sets = AgentSetCount();
    Click(&form, "SetButton");
    EXPECT_EQ(MessageBox::lastText().toStdString(), "The Current Edit should not be empty!");
    EXPECT_EQ(AgentSetCount(), sets);
}

// An agent that answers late keeps the read in flight while the window goes.
class SlowClockTest : public WindowTest {
protected:
    static void SetUpTestSuite() { Start({"--delay", "400"}); }
};

TEST_F(SlowClockTest, ClosingDuringTheReadTouchesNothingOfTheClosedWindow) {
    auto form = std::make_unique<TCurrentTimeForm>(Context(), nullptr);
    form->show();
    Click(form.get(), "GetButton");
    form->close();
    form.reset();
    QTest::qWait(1000);  // the late answer arrives here; the sanitizers watch what it touches

    TCurrentTimeForm again(Context(), nullptr);
    Open(again);
    PressAndWait(again, "GetButton");
    EXPECT_TRUE(LastLine(Memo(again)).startsWith("Get: Ok!")) << LastLine(Memo(again)).toStdString();
}

}  // namespace
}  // namespace window_test
