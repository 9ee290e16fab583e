#include "editor/ctrl_btn_panel.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Runs the test body with the process's current directory in a fresh temporary directory.
class InEmptyDirectory : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(directory_.path()));
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    QTemporaryDir directory_;
    QString previous_;
};

using ButtonStrip = InEmptyDirectory;

TEST_F(ButtonStrip, WithoutImagesEveryButtonShowsItsCaptionAndTheStripIs116Wide) {
    TCtrlBtnPanel strip(nullptr);
    EXPECT_EQ(strip.width(), 116);
    const std::pair<QPushButton *, const char *> captions[] = {
        {strip.RefreshButton, "Refresh"}, {strip.EditButton, "Edit"},         {strip.SetCheckedButton, "Set Checked"},
        {strip.AddButton, "Add"},         {strip.DeleteButton, "Delete"},     {strip.CheckAllButton, "Check All"},
        {strip.ClearChecksButton, "Clear Checks"}, {strip.CloseButton, "Close"},
    };
    for (const auto &[button, caption] : captions) {
        EXPECT_EQ(button->text(), QString::fromLatin1(caption));
        EXPECT_TRUE(button->icon().isNull());
        EXPECT_EQ(button->width(), 96);
        EXPECT_EQ(button->x(), 10);
    }
    EXPECT_TRUE(strip.AddButton->isHidden());
    EXPECT_TRUE(strip.DeleteButton->isHidden());
    EXPECT_EQ(strip.SamplesCount->text(), "0");
    EXPECT_EQ(strip.SamplesCount->y(), 10);
}

TEST_F(ButtonStrip, AnImageFileReplacesTheCaptionOfItsButtonOnly) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(QDir::current().filePath("Close.bmp"), "BMP"));
    // A file that is no image leaves its button as it was.
    QFile broken(QDir::current().filePath("Get.bmp"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a bitmap");
    broken.close();

    TCtrlBtnPanel strip(nullptr);
    EXPECT_TRUE(strip.CloseButton->text().isEmpty());
    EXPECT_FALSE(strip.CloseButton->icon().isNull());
    EXPECT_EQ(strip.RefreshButton->text(), "Refresh");
    EXPECT_EQ(strip.EditButton->text(), "Edit");
    EXPECT_TRUE(strip.EditButton->icon().isNull());
}

TEST_F(ButtonStrip, HidingAButtonMovesEveryVisibleControlBelowItUp) {
    TCtrlBtnPanel strip(nullptr);
    QWidget *below[] = {strip.SetCheckedButton, strip.CheckAllButton, strip.ClearChecksButton, strip.CloseButton};
    std::vector<int> before;
    for (QWidget *w : below) before.push_back(w->y());
    const int shift = strip.EditButton->height() + 5;
    const int refreshTop = strip.RefreshButton->y();

    strip.EditButton->hide();
    strip.LayoutButtons();

    EXPECT_EQ(strip.RefreshButton->y(), refreshTop);
    for (std::size_t k = 0; k < std::size(below); ++k) EXPECT_EQ(below[k]->y(), before[k] - shift);
    // Hidden controls take the top of the next visible one.
    EXPECT_EQ(strip.AddButton->y(), strip.CheckAllButton->y());
}

}  // namespace
