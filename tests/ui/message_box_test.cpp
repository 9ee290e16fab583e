#include "binding/ui/message_box.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override { MessageBox::reset(); }
    void TearDown() override { MessageBox::reset(); }
};

TEST_F(MessageBoxTest, QueuedAnswersComeBackInOrderAndWhatWasShownIsRecorded) {
    MessageBox::setNextAnswer(QMessageBox::No);
    MessageBox::setNextAnswer(QMessageBox::Cancel);

    EXPECT_EQ(MessageBox::YesNo(nullptr, "Delete", "Delete the row?", MessageBox::Icon::Question), QMessageBox::No);
    EXPECT_EQ(MessageBox::lastCaption(), "Delete");
    EXPECT_EQ(MessageBox::lastText(), "Delete the row?");
    EXPECT_EQ(MessageBox::OkCancel(nullptr, "Exit", "Leave?"), QMessageBox::Cancel);
    EXPECT_EQ(MessageBox::lastText(), "Leave?");
    EXPECT_EQ(MessageBox::shownCount(), 2);
    EXPECT_EQ(MessageBox::unansweredCount(), 0);
}

TEST_F(MessageBoxTest, UnansweredBoxOffscreenReturnsItsDefaultAtOnceAndIsCounted) {
    EXPECT_EQ(MessageBox::Ok(nullptr, "c", "t", MessageBox::Icon::Error), QMessageBox::Ok);
    EXPECT_EQ(MessageBox::YesNo(nullptr, "c", "t"), QMessageBox::Yes);
    EXPECT_EQ(MessageBox::OkCancel(nullptr, "c", "t"), QMessageBox::Ok);
    EXPECT_EQ(MessageBox::unansweredCount(), 3);
}

TEST_F(MessageBoxTest, ModuleCaptionIsTheApplicationNameByDefaultTheExecutableName) {
    EXPECT_EQ(MessageBox::ModuleCaption(), "ui_tests");
    QCoreApplication::setApplicationName("qsw7400");
    EXPECT_EQ(MessageBox::ModuleCaption(), "qsw7400");
    QCoreApplication::setApplicationName(QString());
}

}  // namespace
