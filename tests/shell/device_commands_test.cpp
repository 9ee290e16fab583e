#include "main_form_fixture.h"

#include "binding/ui/message_box.h"
#include "engine/request.h"

#include <QLabel>

namespace {

const char kSetRequests[] = "1.3.6.1.2.1.11.17";  // snmpInSetRequests
const char kSaveConfig[] = "1.3.6.1.4.1.171.12.1.2.6";
const char kReboot[] = "1.3.6.1.4.1.171.12.1.2.19";

TEST_F(MainFormTest, SaveChangesSendsOneSetOnlyAfterYes) {
    auto form = StartOnSimulator();
    ASSERT_TRUE(form->isReady());
    const long long sets = std::stoll(ReadScalar(kSetRequests, syntax::Counter));

    MessageBox::setNextAnswer(QMessageBox::No);
    form->SaveConfigClick();
    EXPECT_EQ(MessageBox::lastCaption(), "Save Configure");
    EXPECT_EQ(MessageBox::lastText(), "Save Configurations into NV-RAM ?");
    EXPECT_EQ(std::stoll(ReadScalar(kSetRequests, syntax::Counter)), sets);
    EXPECT_EQ(ReadScalar(kSaveConfig), "1");

    MessageBox::setNextAnswer(QMessageBox::Yes);
    form->SaveConfigClick();
    EXPECT_TRUE(WaitFor([&] { return ReadScalar(kSaveConfig) == "3"; }));
    EXPECT_EQ(std::stoll(ReadScalar(kSetRequests, syntax::Counter)), sets + 1);
    EXPECT_EQ(MessageBox::unansweredCount(), 0);
}

TEST_F(MainFormTest, RebootSendsItsCommandAfterYes) {
    auto form = StartOnSimulator();
    MessageBox::setNextAnswer(QMessageBox::Yes);
    form->ResetClick();
    EXPECT_EQ(MessageBox::lastCaption(), "Reboot");
    EXPECT_EQ(MessageBox::lastText(), "Are you sure to reboot the device?");
    EXPECT_TRUE(WaitFor([&] { return ReadScalar(kReboot) == "2"; }));
}

// A stray Enter takes a question's default answer: for these commands that must send nothing.
TEST_F(MainFormTest, DeviceCommandQuestionsDefaultToNo) {
    auto form = StartOnSimulator();
    const long long sets = std::stoll(ReadScalar(kSetRequests, syntax::Counter));
    form->SaveConfigClick();
    form->ResetClick();
    EXPECT_EQ(MessageBox::unansweredCount(), 2);
    EXPECT_EQ(std::stoll(ReadScalar(kSetRequests, syntax::Counter)), sets);
    EXPECT_EQ(ReadScalar(kReboot), "1");
}

TEST_F(MainFormTest, AFailedSaveIsReportedWhileAFailedRebootStaysSilent) {
    auto form = StartOnSimulator();
    sim_.stop();

    MessageBox::setNextAnswer(QMessageBox::Yes);
    form->ResetClick();
    EXPECT_EQ(MessageBox::shownCount(), 1);  // the question only

    MessageBox::setNextAnswer(QMessageBox::Yes);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    form->SaveConfigClick();
    // The window goes on while the device does not answer; the failure is told once it has timed out.
    EXPECT_EQ(MessageBox::shownCount(), 2);
    ASSERT_TRUE(WaitFor([&] { return MessageBox::shownCount() == 3; }, 20000));
    EXPECT_EQ(MessageBox::lastCaption(), "Save Configure");
    // An unanswered write may still have been carried out.
    const QString unanswered = QStringLiteral("SNMP request timed out!") + kUnansweredWriteText;
    EXPECT_EQ(MessageBox::lastText(), unanswered);
    EXPECT_EQ(form->statusPanel()->text(), unanswered);
}

}  // namespace
